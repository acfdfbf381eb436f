#include "registry.h"

#include "failure.h"
#include "window.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace kb {

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::registerWindow(const QString &formName, Factory factory)
{
    m_factories.insert(formName, std::move(factory));
}

bool WindowRegistry::isRegistered(const QString &formName) const
{
    return m_factories.contains(formName);
}

bool WindowRegistry::isLoaded(const QString &formName) const
{
    return !m_windows.value(formName).isNull();
}

Window *WindowRegistry::window(const QString &formName) const
{
    return m_windows.value(formName).data();
}

Window *WindowRegistry::create(const QString &formName)
{
    const auto factory = m_factories.value(formName);
    if (!factory)
        throw Failure(QStringLiteral("no window named ") + formName);
    Window *w = factory();
    m_windows.insert(formName, w);
    connect(w, &Window::closed, this, &WindowRegistry::onClosed);
    // A window deleted without a close event (its owner went first) is forgotten too.
    connect(w, &Window::destroying, this, [this, formName, w] {
        if (m_windows.value(formName).isNull() || m_windows.value(formName) == w)
            m_windows.remove(formName);
    });
    w->guard(QStringLiteral("Form_Load"), [w] { w->Form_Load(); });
    emit windowOpened(formName);
    return w;
}

Window *WindowRegistry::load(const QString &formName)
{
    if (Window *w = window(formName))
        return w;
    return create(formName);
}

Window *WindowRegistry::open(const QString &formName)
{
    Window *w = load(formName);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void WindowRegistry::openModal(const QString &formName)
{
    Window *w = load(formName);
    QPointer<Window> guard(w);
    QEventLoop loop;
    connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(w, &Window::closed, &loop, &QEventLoop::quit);
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    w->raise();
    w->activateWindow();
    loop.exec();
}

void WindowRegistry::close(const QString &formName)
{
    if (Window *w = window(formName))
        w->close();
}

void WindowRegistry::closeAll(const QStringList &order)
{
    for (const QString &name : order)
        close(name);
}

void WindowRegistry::onClosed(const QString &formName)
{
    m_windows.remove(formName);
    emit windowClosed(formName);
    if (!m_quitWhenLastClosed || m_quitting)
        return;
    for (const auto &w : std::as_const(m_windows))
        if (w && w->isVisible())
            return;
    // Nothing is left on screen: hidden windows must not keep the program alive.
    m_quitting = true;
    closeAll(m_quitOrder);
    for (const auto &w : m_windows.values())
        if (w)
            w->close();
    m_quitting = false;
    emit quitRequested();
    if (QCoreApplication::instance())
        QCoreApplication::quit();
}

void WindowRegistry::reset()
{
    for (const auto &w : m_windows.values())
        if (w)
            delete w.data();
    m_windows.clear();
    m_factories.clear();
    m_states.clear();
    m_quitOrder.clear();
    m_quitWhenLastClosed = false;
}

} // namespace kb
