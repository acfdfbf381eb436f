#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

namespace kb {

class Window;

// Every window has at most one instance, known by its form name. The registry
// creates it on first opening, runs its load step, and forgets it when it closes.
class WindowRegistry : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<Window *()>;

    static WindowRegistry &instance();

    void registerWindow(const QString &formName, Factory factory);
    bool isRegistered(const QString &formName) const;

    bool isLoaded(const QString &formName) const;
    Window *window(const QString &formName) const;
    template<class W> W *window(const QString &formName) const { return qobject_cast<W *>(window(formName)); }

    // Opens a window modeless and without owner: creates and loads it when it is
    // not loaded, otherwise shows it and makes it active without loading again.
    Window *open(const QString &formName);
    // Loads a window without showing it (a window that other code touches).
    Window *load(const QString &formName);
    // Opens a window modally: returns when it has closed.
    void openModal(const QString &formName);

    // Closes a loaded window (running its closing step); a window not loaded is left alone.
    void close(const QString &formName);
    void closeAll(const QStringList &order);

    // The order in which every still-loaded window is closed when the program ends.
    void setQuitOrder(const QStringList &order) { m_quitOrder = order; }
    // Whether the program quits when its last visible window closes (on in the program).
    void setQuitWhenLastClosed(bool on) { m_quitWhenLastClosed = on; }

    // State that outlives its window's closing, kept for the whole run.
    template<class S> S &persistentState(const QString &formName)
    {
        auto &slot = m_states[formName];
        if (!slot)
            slot = std::make_shared<S>();
        return *static_cast<S *>(slot.get());
    }

    // Forgets every window and factory (tests).
    void reset();

signals:
    void windowOpened(const QString &formName);
    void windowClosed(const QString &formName);
    void quitRequested();

private:
    WindowRegistry() = default;
    Window *create(const QString &formName);
    void onClosed(const QString &formName);

    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<Window>> m_windows;
    QHash<QString, std::shared_ptr<void>> m_states;
    QStringList m_quitOrder;
    bool m_quitWhenLastClosed = false;
    bool m_quitting = false;
};

// Shorthands.
inline Window *openWindow(const QString &formName) { return WindowRegistry::instance().open(formName); }
inline void closeWindow(const QString &formName) { WindowRegistry::instance().close(formName); }

} // namespace kb
