#include "window.h"

#include "busystate.h"
#include "dialogs.h"
#include "failure.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace kb {

Window::Window(const QString &formName, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose);
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
    try {
        handler();
    } catch (...) {
        BusyState::endAll(this);
        errorBox(tag);
    }
}

void Window::printWindow(const QString &failText)
{
    try {
        QPagedPaintDevice *printer = dialogs().choosePrinter(this);
        if (!printer) {
            message(failText);
            return;
        }
        QWidget *client = centralWidget() ? centralWidget() : this;
        const QPixmap image = client->grab();
        QPainter painter;
        if (!painter.begin(printer)) {
            message(failText);
            return;
        }
        const QRect page = painter.viewport();
        QSize size = image.size();
        size.scale(page.size(), Qt::KeepAspectRatio);
        painter.drawPixmap(QRect(page.topLeft(), size), image);
        if (!painter.end())
            message(failText);
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
