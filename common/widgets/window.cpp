#include "window.h"

#include "busystate.h"
#include "cellfile.h"
#include "dialogs.h"
#include "failure.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <new>
#include <optional>

namespace kb {

Window::Window(const QString &formName, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && isAncestorOf(now))
            m_lastFocus = now;
    });
}

Window::~Window()
{
    emit destroying();
}

PlacementFactors placementFactors(const QString &formName)
{
    static const QHash<QString, PlacementFactors> table = {
        {QStringLiteral("Form5"), {0.1, 0.1}},
        {QStringLiteral("MDIForm1"), {0.2, 0.2}},
        {QStringLiteral("Form6"), {0.3, 0.3}},
        {QStringLiteral("Form20"), {0.3, 0.3}},
        {QStringLiteral("FrmMENUA"), {0.3, 0.3}},
        {QStringLiteral("Frm1"), {0.3, 0.3}},
        {QStringLiteral("Frm2"), {0.3, 0.3}},
        {QStringLiteral("Frm3"), {0.3, 0.3}},
        {QStringLiteral("Form4"), {0.3, 0.3}},
        {QStringLiteral("Form13"), {0.5, 0.5}},
        {QStringLiteral("FrmMENUC"), {0.5, 0.5}},
        {QStringLiteral("Form8"), {0.95, 0.1}},
    };
    return table.value(formName, PlacementFactors{0.5, 0.5});
}

QPoint framePosition(const QSize &frame, const QRect &free, PlacementFactors factors)
{
    const auto place = [](int start, int space, int length, double k) {
        const int at = start + int((space - length) * k);
        // Back inside from the far edge first, so that an oversized frame ends at the near one.
        return std::max(start, std::min(at, start + space - length));
    };
    return {place(free.left(), free.width(), frame.width(), factors.kx),
            place(free.top(), free.height(), frame.height(), factors.ky)};
}

namespace {
// The window manager adds the frame only when a window is first shown: until
// then take the frame of a window of the program already on screen, or the
// style's title bar.
QMargins expectedFrame(const QWidget *window)
{
    const auto frameOf = [](const QWidget *w) {
        return w->isVisible() && w->windowHandle() ? w->windowHandle()->frameMargins() : QMargins();
    };
    if (const QMargins own = frameOf(window); !own.isNull())
        return own;
    for (const QWidget *other : QApplication::topLevelWidgets())
        if (other->windowType() == Qt::Window)
            if (const QMargins m = frameOf(other); !m.isNull())
                return m;
    const int border = window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    return {border, window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window), border, border};
}
} // namespace

void Window::placeWindow()
{
    if (!isWindow())
        return;
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A window never resized takes its layout's size when shown: place it by that size.
    if (!testAttribute(Qt::WA_Resized))
        adjustSize();
    const QSize frame = size().grownBy(expectedFrame(this));
    move(framePosition(frame, screen->availableGeometry(), placementFactors(formName())));
}

void Window::guard(const QString &tag, const std::function<void()> &handler)
{
    // A control's value set while the state goes on screen starts nothing.
    if (m_showingState)
        return;
    std::optional<PressShow> press;
    if (m_pressDepth == 0)
        press.emplace([this] { showPressState(); });
    ++m_pressDepth;
    const auto done = qScopeGuard([this] { --m_pressDepth; });
    try {
        if (press)
            takeState();
        handler();
    } catch (...) {
        BusyState::endAll(this);
        errorBox(tag);
    }
}

void Window::showPressState()
{
    m_showingState = true;
    const auto done = qScopeGuard([this] { m_showingState = false; });
    showState();
}

namespace {
// The resolution of the window's image on the page: the usual print quality, sharp
// on paper. A printer of 1200 dpi would need sixteen times the pixels, which take
// seconds to draw and send.
constexpr int kPrintImageDpi = 300;

// The window's client drawn at `size` device pixels, as it shows behind the
// printer dialog: no control of an inactive window shows a text cursor or a
// focus frame. An active window is made inactive for the drawing, as a dialog
// coming up does, and active again after it, the focus back where it was.
QImage printImage(QWidget *client, const QSize &size)
{
    QWidget *active = QApplication::activeWindow();
    const bool deactivate = active && active == client->window();
    if (deactivate)
        QApplication::setActiveWindow(nullptr);
    const auto reactivate = qScopeGuard([&] {
        if (deactivate)
            QApplication::setActiveWindow(active);
    });
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw std::bad_alloc();
    image.fill(client->palette().color(client->backgroundRole()));
    // The widget paints itself scaled, so that its text and lines are drawn at
    // the image's resolution, not a screen image blown up.
    image.setDevicePixelRatio(size.width() / qreal(client->width()));
    {
        QPainter p(&image);
        client->render(&p);
    }
    return image;
}

// The file a printer prints to, where it prints to a PDF file ("print to file").
QString pdfFileOf(QPagedPaintDevice *device)
{
    const auto *printer = dynamic_cast<QPrinter *>(device);
    return printer && printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName() : QString();
}

// The printer's page, resolution and document settings, on the writer that makes its PDF in memory.
void copyPdfSettings(const QPrinter &printer, QPdfWriter &writer)
{
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    writer.setPdfVersion(printer.pdfVersion());
    writer.setCreator(printer.creator());
    writer.setTitle(printer.docName());
}
} // namespace

void Window::printWindow(const QString &failText)
{
    try {
        QPagedPaintDevice *printer = dialogs().choosePrinter(this);
        if (!printer) {
            message(failText);
            return;
        }
        // A printer writes its PDF file as it goes and reports no failed write: a
        // full disk or the size limit would leave a cut or empty file, and no box.
        // The page is made in memory and the file written whole or not at all.
        const QString pdfFile = pdfFileOf(printer);
        // A buffer grows by what each of the writer's many small writes needs, copying
        // itself each time: room for a page (some 250 kB; 4 MB taken only as written).
        QByteArray bytes;
        bytes.reserve(4 << 20);
        QBuffer pdf(&bytes);
        std::optional<QPdfWriter> writer;
        if (!pdfFile.isEmpty()) {
            pdf.open(QIODevice::WriteOnly);
            writer.emplace(&pdf);
            copyPdfSettings(*static_cast<QPrinter *>(printer), *writer);
        }
        QPagedPaintDevice *device = writer ? &*writer : printer;
        QWidget *client = centralWidget() ? centralWidget() : this;
        QPainter painter;
        if (!painter.begin(device)) {
            message(failText);
            return;
        }
        // The window's image fills the page's width (or height) from its top left corner.
        const QRect page = painter.viewport();
        QSize size = client->size();
        size.scale(page.size(), Qt::KeepAspectRatio);
        const QRect target(page.topLeft(), size);
        const qreal ratio = std::min(1.0, kPrintImageDpi / qreal(device->logicalDpiX()));
        QImage image = target.isEmpty() ? QImage() : printImage(client, (QSizeF(size) * ratio).toSize().expandedTo(QSize(1, 1)));
        // The printer's grey print, which the PDF made in memory does not know of.
        if (writer && static_cast<QPrinter *>(printer)->colorMode() == QPrinter::GrayScale)
            image.convertTo(QImage::Format_Grayscale8);
        // Busy only once the image is taken: a disabled window draws in grey.
        BusyState busy(this);
        if (!image.isNull()) {
            painter.setRenderHint(QPainter::LosslessImageRendering);
            painter.drawImage(target, image);
        }
        if (!painter.end()) {
            message(failText);
            return;
        }
        if (writer)
            writeFileAtomically(pdfFile, bytes); // throws: nothing of it is left
    } catch (...) {
        message(failText);
    }
}

void Window::closeEvent(QCloseEvent *event)
{
    bool ok = true;
    guard(QStringLiteral("Form_Unload"), [&] { ok = Form_Unload(); });
    if (!ok) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed(formName());
}

namespace {

// A text box or a combo box.
bool isInput(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w);
}

// The widget that takes the focus for an edit line: its combo box, or the line itself.
QWidget *focusOwner(QLineEdit *edit)
{
    auto *combo = qobject_cast<QComboBox *>(edit->parentWidget());
    if (combo && combo->lineEdit() == edit)
        return combo;
    return edit;
}

// Whether keyboard input of the box's window goes to the box. It stays so while
// another window or a popup (the box's own list) has the keyboard.
bool isFocusOf(QWidget *box)
{
    return box->window()->focusWidget() == box;
}

// Keeps every text box and combo box that is not being typed in showing the
// beginning of its text. Setting a text leaves the cursor at its end, and a
// text longer than the box would show its end: a detector type
// "熱アナログスポット" would read as the name of another detector.
class BeginningShown : public QObject
{
public:
    explicit BeginningShown(QObject *parent) : QObject(parent) {}

    void watch(QLineEdit *edit)
    {
        QWidget *owner = focusOwner(edit);
        owner->installEventFilter(this);
        // The cursor moves in a box without the focus only when the program sets its text.
        connect(edit, &QLineEdit::cursorPositionChanged, this, [edit, owner](int, int now) {
            if (now != 0 && !isFocusOf(owner))
                edit->setCursorPosition(0);
        });
        if (!isFocusOf(owner))
            edit->setCursorPosition(0);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::FocusOut)
            return false;
        // The box's own list opening, or another window taken up, does not leave the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            return false;
        auto *edit = qobject_cast<QLineEdit *>(watched);
        if (auto *combo = qobject_cast<QComboBox *>(watched))
            edit = combo->lineEdit();
        if (edit)
            edit->setCursorPosition(0);
        return false;
    }
};

// The control with the widgets it is made of that stand in the focus chain (an
// editable combo box and its edit line): moved as one, so that Shift+Tab, which
// stops on such a part, still lands on the control it belongs to.
QWidgetList withParts(QWidget *control)
{
    QWidgetList parts{control};
    for (QWidget *w = control->nextInFocusChain(); w != control; w = w->nextInFocusChain())
        if (control->isAncestorOf(w) && w->focusPolicy() != Qt::NoFocus)
            parts << w;
    return parts;
}

// Puts the control, with its parts, right after the control `after` and its parts.
void placeAfter(QWidget *after, QWidget *control)
{
    QWidget *previous = withParts(after).constLast();
    for (QWidget *part : withParts(control)) {
        QWidget::setTabOrder(previous, part);
        previous = part;
    }
}

// The window of the program a control belongs to: a window shown inside another
// (a fire-alarm menu) is a window of its own.
const Window *ownerWindow(const QWidget *control)
{
    for (const QWidget *w = control; w; w = w->parentWidget())
        if (auto *window = qobject_cast<const Window *>(w))
            return window;
    return nullptr;
}

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// A button Enter presses: a push button or a picture (tool) button. An option
// leaves Enter to its window.
bool isPressButton(const QObject *o)
{
    return qobject_cast<const QPushButton *>(o) || qobject_cast<const QToolButton *>(o);
}

// Presses the button for the key, once however long the key is held, as Space
// does. Whether the key was taken.
bool press(QAbstractButton *button, QKeyEvent *event)
{
    if (!button->isEnabled() || !button->isVisible())
        return false;
    event->accept();
    if (!event->isAutoRepeat())
        button->click();
    return true;
}

// Enter on a button with the focus presses it, as on the desktop; Qt does so
// only in dialogs.
class EnterPresses : public QObject
{
public:
    explicit EnterPresses(QObject *parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent *>(event)) && isPressButton(watched))
            return press(static_cast<QAbstractButton *>(watched), static_cast<QKeyEvent *>(event));
        return false;
    }
};

// The options of the group an option button is one of: its button group, or
// the auto-exclusive options beside it in the same frame.
QList<QAbstractButton *> optionGroup(QRadioButton *option)
{
    if (QButtonGroup *group = option->group())
        return group->buttons();
    if (!option->autoExclusive() || !option->parentWidget())
        return {option};
    QList<QAbstractButton *> options;
    for (QRadioButton *b : option->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
        if (b->autoExclusive() && !b->group())
            options << b;
    return options;
}

// The arrow keys in an option group check the option they move to, as on the
// desktop. Qt checks it only when the focus leaves a checked option, so in a
// group where none is checked yet the arrows moved the focus alone.
class ArrowsCheck : public QObject
{
public:
    explicit ArrowsCheck(QObject *parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *option = qobject_cast<QRadioButton *>(watched);
        if (!option || option->isChecked() || event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        // The option moves the focus as Qt has it do; a key it leaves goes on to its
        // parents as before, since a taken event that stays ignored propagates.
        static_cast<QObject *>(option)->event(event);
        auto *moved = qobject_cast<QRadioButton *>(QApplication::focusWidget());
        if (moved && moved != option && !moved->isChecked() && optionGroup(option).contains(moved))
            moved->click();
        return true;
    }
};

// Leaves the group's one Tab stop on its checked option, or on its first when
// none is checked. Qt moves the stop only to the option that gets the focus, so
// an option the program checked would not be where Tab comes in.
void placeTabStop(const QList<QAbstractButton *> &options)
{
    const auto usable = [](const QAbstractButton *b) { return b->isEnabled() && b->isVisible(); };
    auto stop = std::find_if(options.begin(), options.end(), [&](QAbstractButton *b) { return b->isChecked() && usable(b); });
    if (stop == options.end())
        stop = std::find_if(options.begin(), options.end(), usable);
    if (stop == options.end())
        return;
    for (QAbstractButton *b : options)
        if (b->focusPolicy() != Qt::NoFocus)
            b->setFocusPolicy(b == *stop ? Qt::FocusPolicy(b->focusPolicy() | Qt::TabFocus)
                                         : Qt::FocusPolicy(b->focusPolicy() & ~Qt::TabFocus));
}

} // namespace

QWidgetList Window::tabStops() const
{
    QWidgetList stops;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        // The frame of a window inside another (a fire-alarm menu) is not one of its controls.
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this) && !w->focusProxy()
            && w->windowType() != Qt::SubWindow)
            stops << w;
    return stops;
}

void Window::focusFirstInput()
{
    const QWidgetList stops = tabStops();
    auto first = std::find_if(stops.begin(), stops.end(), isInput);
    if (first == stops.end())
        first = std::find_if(stops.begin(), stops.end(), [](QWidget *w) { return qobject_cast<QAbstractButton *>(w) != nullptr; });
    if (first != stops.end())
        (*first)->setFocus();
}

QWidgetList Window::named(const QStringList &names) const
{
    QWidgetList controls;
    for (const QString &name : names)
        controls += findChildren<QWidget *>(name);
    return controls;
}

void Window::chainTabOrder(const QStringList &names)
{
    const QWidgetList controls = named(names);
    for (qsizetype i = 1; i < controls.size(); ++i)
        placeAfter(controls[i - 1], controls[i]);
}

void Window::moveToTabEnd(const QStringList &names)
{
    const QWidgetList moved = named(names);
    const auto isMoved = [&](QWidget *w) {
        return std::any_of(moved.begin(), moved.end(), [w](QWidget *m) { return m == w || m->isAncestorOf(w); });
    };
    // The last control of the chain that stays where it is.
    QWidget *last = nullptr;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (isAncestorOf(w) && w->focusPolicy() != Qt::NoFocus && !isMoved(w))
            last = w;
    for (QWidget *control : moved) {
        if (last)
            placeAfter(last, control);
        last = control;
    }
}

void Window::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    arrangeTabOrder();
    auto *beginning = new BeginningShown(this);
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        beginning->watch(edit);
    auto *enter = new EnterPresses(this);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        if (isPressButton(button) && ownerWindow(button) == this)
            button->installEventFilter(enter);
    auto *arrows = new ArrowsCheck(this);
    for (QRadioButton *option : findChildren<QRadioButton *>())
        if (ownerWindow(option) == this)
            option->installEventFilter(arrows);
    // An input the load step chose keeps the focus.
    if (!isInput(focusWidget()))
        focusFirstInput();
}

void Window::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::EnabledChange || !isEnabled() || focusWidget() || !m_shown)
        return;
    if (m_lastFocus && m_lastFocus->isEnabled() && m_lastFocus->isVisibleTo(this))
        m_lastFocus->setFocus();
    else
        focusFirstInput();
}

void Window::keyPressEvent(QKeyEvent *event)
{
    // A text box, an option, a combo box or a grid leaves Enter to its window.
    if (isEnter(event)) {
        const QList<QPushButton *> buttons = findChildren<QPushButton *>();
        const auto isDefault = [this](QPushButton *b) { return b->isDefault() && ownerWindow(b) == this; };
        const auto found = std::find_if(buttons.begin(), buttons.end(), isDefault);
        if (found != buttons.end() && press(*found, event))
            return;
    }
    QMainWindow::keyPressEvent(event);
}

bool Window::focusNextPrevChild(bool next)
{
    QSet<QAbstractButton *> placed;
    QWidget *focus = focusWidget();
    for (QRadioButton *option : findChildren<QRadioButton *>()) {
        if (placed.contains(option))
            continue;
        const QList<QAbstractButton *> options = optionGroup(option);
        placed.unite(QSet<QAbstractButton *>(options.begin(), options.end()));
        // The group Tab leaves keeps its stop on the option the user moved to.
        if (!options.contains(qobject_cast<QAbstractButton *>(focus)))
            placeTabStop(options);
    }
    return QMainWindow::focusNextPrevChild(next);
}

void setFieldEnabled(QWidget *field, bool enabled)
{
    field->setEnabled(enabled);
    QPalette p = field->palette();
    const QPalette app = QGuiApplication::palette();
    const QColor background = enabled ? app.color(QPalette::Active, QPalette::Base) : app.color(QPalette::Active, QPalette::Button);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, background);
    field->setPalette(p);
}

QStringList calculatorCandidates()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
}

void startCalculator()
{
    for (const QString &name : calculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && dialogs().startProgram(path))
            return;
    }
    message(QStringLiteral("電卓を起動できませんでした。"));
}

} // namespace kb
