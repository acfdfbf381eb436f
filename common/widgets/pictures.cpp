#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace kb {

namespace {

const QColor kInk(40, 40, 40);
const QColor kPipe(90, 110, 140);
const QColor kCopper(200, 110, 40);
const QColor kRed(200, 40, 40);
const QColor kBoxFill(235, 225, 200);

void pen(QPainter &p, const QColor &color, qreal width = 3, Qt::PenStyle style = Qt::SolidLine)
{
    p.setPen(QPen(color, width, style, Qt::RoundCap, Qt::RoundJoin));
}

void label(QPainter &p, const QRectF &r, const QString &text, int pixelSize)
{
    QFont f = p.font();
    f.setPixelSize(pixelSize);
    f.setBold(true);
    p.setFont(f);
    pen(p, kInk);
    p.drawText(r, Qt::AlignCenter, text);
}

// A cross-section: a ring with smaller filled circles inside.
void crossSection(QPainter &p, QPointF centre, qreal radius, const QColor &ring, int cores)
{
    pen(p, ring, 4);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(kCopper);
    pen(p, kInk, 1.5);
    const qreal r = radius * 0.3;
    const QPointF offsets[] = {{-0.4, 0.25}, {0.4, 0.25}, {0, -0.4}};
    for (int i = 0; i < cores && i < 3; ++i)
        p.drawEllipse(centre + offsets[i] * radius, r, r);
}

enum Side { Left = 1, Right = 2, Top = 4, Bottom = 8, FrontLeft = 16, FrontRight = 32 };

// A pull box seen from the front with its conduits on the given sides.
void pullBox(QPainter &p, int sides)
{
    const QRectF box(18, 18, 28, 28);
    pen(p, kPipe, 7);
    if (sides & Left)
        p.drawLine(QPointF(4, 32), QPointF(18, 32));
    if (sides & Right)
        p.drawLine(QPointF(46, 32), QPointF(60, 32));
    if (sides & Top)
        p.drawLine(QPointF(32, 4), QPointF(32, 18));
    if (sides & Bottom)
        p.drawLine(QPointF(32, 46), QPointF(32, 60));
    p.setBrush(kBoxFill);
    pen(p, kInk, 2.5);
    p.drawRect(box);
    // A conduit leaving towards the viewer shows as its open end.
    p.setBrush(Qt::white);
    pen(p, kPipe, 3);
    if (sides & FrontLeft)
        p.drawEllipse(QPointF(25, 32), 5, 5);
    if (sides & FrontRight)
        p.drawEllipse(QPointF(39, 32), 5, 5);
}

void wires(QPainter &p, int count, bool dashedMiddle)
{
    for (int i = 0; i < count; ++i) {
        const qreal y = 12 + i * (count == 2 ? 12 : 9);
        pen(p, kCopper, 3, dashedMiddle && i == 1 ? Qt::DashLine : Qt::SolidLine);
        p.drawLine(QPointF(8, y), QPointF(56, y));
    }
}

void motor(QPainter &p, QPointF centre, qreal radius)
{
    pen(p, kInk, 3);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    label(p, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), QStringLiteral("M"), int(radius * 1.2));
}

void arrowDown(QPainter &p, qreal x, qreal top, qreal bottom, const QColor &color)
{
    pen(p, color, 3);
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
    p.drawLine(QPointF(x - 6, bottom - 7), QPointF(x, bottom));
    p.drawLine(QPointF(x + 6, bottom - 7), QPointF(x, bottom));
}

void draw(QPainter &p, Picture picture)
{
    switch (picture) {
    case Picture::Conduit:
        crossSection(p, {32, 32}, 24, kPipe, 3);
        break;
    case Picture::CableRack:
        pen(p, kInk, 3);
        p.drawLine(QPointF(6, 22), QPointF(58, 22));
        p.drawLine(QPointF(6, 46), QPointF(58, 46));
        for (int x = 12; x <= 52; x += 10)
            p.drawLine(QPointF(x, 22), QPointF(x, 46));
        pen(p, kCopper, 4);
        p.drawLine(QPointF(4, 30), QPointF(60, 30));
        p.drawLine(QPointF(4, 37), QPointF(60, 37));
        break;
    case Picture::PullBox:
    case Picture::Straight:
        pullBox(p, Left | Right);
        break;
    case Picture::Raceway: {
        QPainterPath channel;
        channel.moveTo(10, 30);
        channel.lineTo(10, 14);
        channel.lineTo(54, 14);
        channel.lineTo(54, 30);
        pen(p, kInk, 4);
        p.drawPath(channel);
        pen(p, kCopper, 2.5);
        for (int x = 18; x <= 46; x += 14)
            p.drawLine(QPointF(x, 14), QPointF(x, 56));
        break;
    }
    case Picture::WireSize:
        pen(p, kPipe, 10);
        p.drawLine(QPointF(6, 44), QPointF(38, 22));
        pen(p, kCopper, 3);
        for (int dy : {-4, 0, 4})
            p.drawLine(QPointF(38, 22 + dy), QPointF(56, 12 + dy));
        break;
    case Picture::FireAlarm: {
        p.setBrush(kRed);
        pen(p, kInk, 2.5);
        p.drawChord(QRectF(14, 12, 36, 44), 0, 180 * 16);
        p.drawRect(QRectF(10, 34, 44, 6));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(32, 46), 4, 4);
        break;
    }
    case Picture::WiringDuct:
        p.setBrush(kBoxFill);
        pen(p, kInk, 2.5);
        p.drawRect(QRectF(8, 18, 48, 28));
        for (int x = 14; x <= 50; x += 6)
            p.drawLine(QPointF(x, 18), QPointF(x, 30));
        break;
    case Picture::Database: {
        QPainterPath body;
        body.moveTo(14, 16);
        body.lineTo(14, 48);
        body.arcTo(QRectF(14, 42, 36, 12), 180, 180);
        body.lineTo(50, 16);
        p.setBrush(kBoxFill);
        pen(p, kInk, 2.5);
        p.drawPath(body);
        p.drawEllipse(QRectF(14, 10, 36, 12));
        p.drawArc(QRectF(14, 26, 36, 12), 180 * 16, 180 * 16);
        break;
    }
    case Picture::Motor:
        motor(p, {32, 32}, 20);
        break;
    case Picture::Motors:
        motor(p, {22, 24}, 14);
        motor(p, {42, 42}, 14);
        break;
    case Picture::MercuryLamp:
        pen(p, kInk, 3);
        p.drawLine(QPointF(20, 60), QPointF(20, 12));
        p.drawLine(QPointF(20, 12), QPointF(40, 12));
        p.setBrush(QColor(250, 230, 120));
        p.drawChord(QRectF(30, 6, 24, 20), 180 * 16, 180 * 16);
        pen(p, QColor(220, 170, 0), 2);
        for (int x : {34, 42, 50})
            p.drawLine(QPointF(x, 26), QPointF(x + (x - 42) / 2, 36));
        break;
    case Picture::PackageAircon:
        p.setBrush(kBoxFill);
        pen(p, kInk, 2.5);
        p.drawRect(QRectF(8, 12, 48, 40));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(32, 32), 14, 14);
        for (int a = 0; a < 360; a += 90)
            p.drawPie(QRectF(22, 22, 20, 20), a * 16, 40 * 16);
        break;
    case Picture::VoltageDrop:
        label(p, QRectF(4, 6, 36, 52), QStringLiteral("V"), 40);
        arrowDown(p, 48, 12, 52, kRed);
        break;
    case Picture::ThreePhase3W:
        wires(p, 3, false);
        label(p, QRectF(0, 38, 64, 24), QStringLiteral("3φ3W"), 16);
        break;
    case Picture::SinglePhase3W:
        wires(p, 3, true);
        label(p, QRectF(0, 38, 64, 24), QStringLiteral("1φ3W"), 16);
        break;
    case Picture::SinglePhase2W:
        wires(p, 2, false);
        label(p, QRectF(0, 38, 64, 24), QStringLiteral("1φ2W"), 16);
        break;
    case Picture::DirectCurrent2W:
        wires(p, 2, false);
        label(p, QRectF(0, 4, 12, 14), QStringLiteral("+"), 12);
        label(p, QRectF(0, 16, 12, 14), QStringLiteral("−"), 12);
        label(p, QRectF(0, 38, 64, 24), QStringLiteral("DC"), 16);
        break;
    case Picture::Unbalanced:
        pen(p, kInk, 3);
        p.drawLine(QPointF(32, 14), QPointF(32, 56));
        p.drawLine(QPointF(20, 56), QPointF(44, 56));
        p.drawLine(QPointF(8, 14), QPointF(56, 26)); // the beam tips towards the heavier side
        p.setBrush(kCopper);
        p.drawRect(QRectF(4, 14, 10, 8));
        p.drawRect(QRectF(48, 26, 14, 14));
        break;
    case Picture::LeftBend:
        pullBox(p, Left | Bottom);
        break;
    case Picture::RightBend:
        pullBox(p, Right | Bottom);
        break;
    case Picture::Drop:
        pullBox(p, Top | Bottom);
        arrowDown(p, 54, 10, 40, kRed);
        break;
    case Picture::TwistRight:
        pullBox(p, Left | FrontRight);
        break;
    case Picture::TwistLeft:
        pullBox(p, Right | FrontLeft);
        break;
    case Picture::TierDivision:
        p.setBrush(kBoxFill);
        pen(p, kInk, 2.5);
        p.drawRect(QRectF(12, 8, 40, 48));
        for (int y = 20; y <= 44; y += 12)
            p.drawLine(QPointF(12, y), QPointF(52, y));
        break;
    case Picture::Spare:
        pen(p, QColor(150, 150, 150), 2, Qt::DashLine);
        p.drawRect(QRectF(10, 10, 44, 44));
        break;
    }
}

} // namespace

QPixmap drawPicture(Picture picture)
{
    QPixmap pixmap(kPictureSize, kPictureSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, picture);
    return pixmap;
}

} // namespace kb
