#pragma once

#include <QPointer>
#include <QWidget>

namespace kb {

// The busy state of a window during a long step: the window takes no input and
// the pointer is the hourglass. Ended by end() or, on every other path, by the
// destructor.
class BusyState
{
public:
    explicit BusyState(QWidget *window);
    ~BusyState();
    BusyState(const BusyState &) = delete;
    BusyState &operator=(const BusyState &) = delete;

    void end();

    // Ends every busy state begun on this window (after a failure in a handler).
    static void endAll(QWidget *window);
    static bool isBusy(const QWidget *window);

private:
    QPointer<QWidget> m_window;
    const QWidget *m_key = nullptr;
    bool m_active = false;
};

} // namespace kb
