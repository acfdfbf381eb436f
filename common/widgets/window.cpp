#include "window.h"

#include "busystate.h"
#include "dialogs.h"
#include "failure.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <new>

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

namespace {
// Draws the widget into target (device pixels of the painter) at the painter's
// own resolution: the widget paints itself scaled, so that its text and lines
// are as sharp as the printer makes them, not a screen image blown up. A page
// image is large, so it goes in bands of a bounded size.
void renderAtDeviceResolution(QPainter &painter, QWidget *widget, const QRect &target)
{
    if (target.isEmpty() || widget->width() <= 0 || widget->height() <= 0)
        return;
    const qreal scale = target.width() / qreal(widget->width());
    // Bands of whole rows of the widget, of a few million pixels each.
    const int rows = std::max(1, int((4 << 20) / target.width() / scale));
    const QColor paper = widget->palette().color(widget->backgroundRole());
    for (int row = 0; row < widget->height(); row += rows) {
        const int top = qRound(row * scale);
        // One row more than the band, under the next one, so that no seam shows between them.
        const int bottom = std::min(target.height(), qRound((row + rows) * scale) + 1);
        if (bottom <= top)
            break;
        QImage band(target.width(), bottom - top, QImage::Format_RGB32);
        if (band.isNull())
            throw std::bad_alloc();
        band.fill(paper);
        band.setDevicePixelRatio(scale);
        {
            QPainter p(&band);
            widget->render(&p, QPoint(), QRegion(0, row, widget->width(), rows + 1));
        }
        painter.drawImage(QRect(target.left(), target.top() + top, band.width(), band.height()), band);
    }
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
        QWidget *client = centralWidget() ? centralWidget() : this;
        QPainter painter;
        if (!painter.begin(printer)) {
            message(failText);
            return;
        }
        // The window's image fills the page's width (or height) from its top left corner.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        const QRect page = painter.viewport();
        QSize size = client->size();
        size.scale(page.size(), Qt::KeepAspectRatio);
        renderAtDeviceResolution(painter, client, QRect(page.topLeft(), size));
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
