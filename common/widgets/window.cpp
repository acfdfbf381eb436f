#include "window.h"

#include "busystate.h"
#include "dialogs.h"
#include "failure.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>

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

void Window::placeWindow()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QSize size = this->size();
    const PlacementFactors f = placementFactors(formName());
    // May be negative when the window is larger than the screen: no clamping.
    move(free.left() + int((free.width() - size.width()) * f.kx), free.top() + int((free.height() - size.height()) * f.ky));
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
