#include "busystate.h"

#include <QApplication>
#include <QHash>

namespace kb {

namespace {
// Depth of busy states per window, so that nested steps restore once.
QHash<const QWidget *, int> &depths()
{
    static QHash<const QWidget *, int> d;
    return d;
}

void release(QWidget *window)
{
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (window)
        window->setEnabled(true);
}
} // namespace

BusyState::BusyState(QWidget *window) : m_window(window), m_key(window), m_active(true)
{
    if (window)
        window->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++depths()[window];
}

BusyState::~BusyState()
{
    end();
}

void BusyState::end()
{
    if (!m_active)
        return;
    m_active = false;
    QWidget *w = m_window.data();
    auto it = depths().find(m_key);
    if (it == depths().end())
        return; // already ended by endAll
    if (--it.value() <= 0)
        depths().erase(it);
    release(depths().contains(m_key) ? nullptr : w);
}

void BusyState::endAll(QWidget *window)
{
    const int n = depths().take(window);
    for (int i = 0; i < n; ++i)
        release(window);
    if (window)
        window->setEnabled(true);
}

bool BusyState::isBusy(const QWidget *window)
{
    return depths().value(window, 0) > 0;
}

} // namespace kb
