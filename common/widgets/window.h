#pragma once

#include "dialogs.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>

namespace kb {

// The base of every window of the program. Its objectName is the window's form
// name ("Form1", "MDIForm1"); the registry creates one instance, runs its load
// step and shows it. Everything it holds is discarded when it closes.
class Window : public QMainWindow
{
    Q_OBJECT
public:
    explicit Window(const QString &formName, QWidget *parent = nullptr);
    ~Window() override;

    QString formName() const { return objectName(); }


    // Places the window at its fixed fractions of the free screen space, moved
    // inside it where its frame would stick out (framePosition).
    void placeWindow();

    // Runs a handler so that no failure escapes: a failure shows
    // "エラーが発生しました。" followed by the tag and ends the window's busy state.
    // The outermost guard of a window is a press: it first takes the screen into
    // the window's state (takeState), and while it runs, each box it shows first
    // puts that state on screen (showState), so the box stands over what the
    // handler has set so far and over the user's inputs it has not touched. No
    // handler starts while the window is doing that.
    void guard(const QString &tag, const std::function<void()> &handler);

    // The window print command with this window's failure text.
    void printWindow(const QString &failText = QStringLiteral("プリントを中止しました。IDM_PRINT"));

    // The controls Tab stops at, in the order it takes them from the window's start.
    QWidgetList tabStops() const;
    // Gives the focus to the first text box or combo box of the Tab order; a
    // window without one gives it to its first button.
    void focusFirstInput();
    // Chains the named controls one after another in the Tab order, from the
    // place of the first of them. A name shared by a control array stands for
    // all of its controls, in the order they were made.
    void chainTabOrder(const QStringList &names);
    // Moves the named controls, in this order, to the end of the Tab order.
    void moveToTabEnd(const QStringList &names);

public slots:
    // The load step: placement, lists, defaults, reference tables. Run once by the
    // registry right after the window is created, before it is shown.
    virtual void Form_Load() {}

    // The closing step, run when the window closes (by its own command, the
    // close box or a close-all). Return false to keep the window open.
    virtual bool Form_Unload() { return true; }

signals:
    void closed(const QString &formName);
    // Sent by the destructor, while the object is still a Window (QObject::destroyed
    // comes later, when it is only a QWidget).
    void destroying();

protected:
    void closeEvent(QCloseEvent *event) override;
    // On the first show, after the load step: the Tab order arranged, every text box
    // showing the beginning of its text, the focus in the first input.
    void showEvent(QShowEvent *event) override;
    // The window's own Tab order, arranged once before it first shows. Left as it
    // is, the order is the one in which the controls were made.
    virtual void arrangeTabOrder() {}
    // A busy state over: the focus goes back where it was.
    void changeEvent(QEvent *event) override;
    // Enter presses the focused button, as Space does; from any other control it
    // presses the window's default button (QPushButton::setDefault), where it has one.
    void keyPressEvent(QKeyEvent *event) override;
    // Tab enters an option group at its checked option, so that the arrow keys
    // check the option they move to.
    bool focusNextPrevChild(bool next) override;

    // Puts the window's state on screen as it now stands: texts, captions, lists,
    // options and enabled looks, leaving the focus where it is. Run when a press
    // ends, and before each box the press shows.
    virtual void showState() {}
    // Takes into the window's state everything on screen that the user can change:
    // texts typed, list choices and options. Run as a press begins, so that a show
    // during or after the press puts back only what the press itself has set. A
    // window must take here everything its showState puts on screen that the user
    // can change.
    virtual void takeState() {}

private:
    void showPressState();
    int m_pressDepth = 0;      // guards under way, one inside another
    bool m_showingState = false;
    QWidgetList named(const QStringList &names) const;
    bool m_shown = false;
    // The control that last had the focus; a busy state, which disables the window, takes it away.
    QPointer<QWidget> m_lastFocus;
};

// Placement factors (kx, ky) of a form name: left = (screen − window) × kx.
struct PlacementFactors
{
    double kx;
    double ky;
};
PlacementFactors placementFactors(const QString &formName);

// Where a window's frame (title bar and borders included) goes in the screen's
// free space: at the window's fractions, then moved so that no edge sticks out.
// A frame larger than the free space keeps its title bar and left edge in view.
QPoint framePosition(const QSize &frame, const QRect &free, PlacementFactors factors);

// The input-field colours: an enabled field has the window background, a disabled one the button face.
void setFieldEnabled(QWidget *field, bool enabled);

// Starts the desktop calculator; the box "電卓を起動できませんでした。" when none starts.
void startCalculator();
QStringList calculatorCandidates();

} // namespace kb
