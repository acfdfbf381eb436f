#include "feederpicture.h"

#include "drawing.h"

#include <QPainter>
#include <QPainterPath>

namespace kb::feederui {

namespace {

const QColor kEarthGreen(0, 150, 0);
const QColor kBondRed(210, 0, 0);

void text(QPainter &p, const QRect &at, const QString &s, double points, int align = Qt::AlignLeft | Qt::AlignVCenter)
{
    QFont f = p.font();
    f.setPointSizeF(points);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(at, align, s);
}

// A breaker in its box: a contact opening towards the load side.
void breaker(QPainter &p, const QRect &box)
{
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(box);
    p.setBrush(Qt::NoBrush);
    const int x = box.center().x();
    p.drawLine(x, box.top() + 8, x, box.top() + 20);
    p.drawLine(x, box.top() + 20, x + 12, box.bottom() - 20);
    p.drawLine(x, box.bottom() - 16, x, box.bottom() - 6);
}

// The earth symbol hanging from a point.
void earth(QPainter &p, QPoint top)
{
    p.setPen(QPen(kEarthGreen, 2));
    earthSymbol(p, top);
}

// A dashed wire (earth or bond) along the points.
void dashed(QPainter &p, const QColor &colour, const QPolygon &points)
{
    p.setPen(QPen(colour, 2, Qt::DashLine));
    p.drawPolyline(points);
}

// A conduit along the points with the wire drawn inside it.
void conduit(QPainter &p, const QPolygon &points)
{
    p.setPen(QPen(QColor(150, 150, 150), 8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolyline(points);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawPolyline(points);
}

// A mercury lamp: a shade with the bulb under it, hung at the top point.
void lamp(QPainter &p, QPoint top)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(200, 200, 210));
    p.drawPolygon(QPolygon({top + QPoint(-6, 0), top + QPoint(6, 0), top + QPoint(16, 16), top + QPoint(-16, 16)}));
    p.setBrush(QColor(255, 250, 190));
    p.drawEllipse(top + QPoint(0, 22), 7, 7);
    p.setBrush(Qt::NoBrush);
}

} // namespace

PackagePicture::PackagePicture(QWidget *parent) : QWidget(parent)
{
    setUpPicture(this);
}

void PackagePicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    beginPicture(p, this, pictureSize());

    // The wall and the breaker box on it; the kind and rating captions sit to its right.
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(QColor(120, 120, 120), Qt::BDiagPattern));
    p.drawRect(8, 10, 12, 160);
    p.setBrush(Qt::NoBrush);
    const QRect box(24, 30, 80, 88);
    breaker(p, box);
    text(p, QRect(24, 10, 100, 18), QStringLiteral("ブレーカー"), 9);

    // The outdoor unit with its fan on top.
    const QRect unit(340, 76, 140, 104);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(225, 235, 250));
    p.drawRect(unit);
    p.setBrush(QColor(240, 240, 240));
    p.drawRect(QRect(360, 58, 100, 18));
    p.drawEllipse(QPoint(410, 58), 40, 8);
    p.setPen(QPen(Qt::black, 1));
    for (int blade : {-24, 0, 24})
        p.drawLine(410, 58, 410 + blade, blade == 0 ? 51 : 62);
    for (int y = unit.top() + 50; y < unit.bottom() - 6; y += 8)
        p.drawLine(unit.left() + 10, y, unit.right() - 10, y);
    p.setBrush(Qt::NoBrush);
    text(p, QRect(unit.left(), unit.top() + 8, unit.width(), 36), QStringLiteral("パッケージ\n室外ユニット"), 9, Qt::AlignCenter);

    // The feeder in its conduit from the box down and across to the unit; the conduit caption sits above it.
    const int run = 196, end = 400;
    conduit(p, QPolygon({QPoint(80, box.bottom()), QPoint(80, run), QPoint(end, run), QPoint(end, unit.bottom())}));

    // Earth wire from the conduit to earth at the lower left; bonding wire from the conduit end to the unit.
    dashed(p, kEarthGreen, QPolygon({QPoint(76, 150), QPoint(40, 150), QPoint(40, 222)}));
    earth(p, QPoint(40, 224));
    dashed(p, kBondRed, QPolygon({QPoint(end + 4, run + 4), QPoint(492, run + 4), QPoint(492, 150), QPoint(unit.right(), 150)}));
}

LampPicture::LampPicture(QWidget *parent) : QWidget(parent)
{
    setUpPicture(this);
}

void LampPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    beginPicture(p, this, pictureSize());

    // The breaker with its earth wire.
    const QRect box(40, 24, 60, 68);
    text(p, QRect(34, 4, 120, 18), QStringLiteral("ブレーカー"), 9);
    breaker(p, box);
    dashed(p, kEarthGreen, QPolygon({QPoint(48, box.bottom()), QPoint(48, 102), QPoint(24, 102), QPoint(24, 110)}));
    earth(p, QPoint(24, 112));

    // The primary run in its conduit down to the ballast box.
    const QRect ballasts(16, 214, 154, 62);
    conduit(p, QPolygon({QPoint(86, box.bottom()), QPoint(86, ballasts.top())}));
    text(p, QRect(98, 118, 100, 20), QStringLiteral("一次側"), 10);

    // The ballast box with one ballast per lamp.
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(225, 235, 250));
    p.drawRect(ballasts);
    p.setBrush(Qt::NoBrush);
    text(p, QRect(ballasts.left() + 4, ballasts.top() + 2, 120, 16), QStringLiteral("安定器箱"), 8);
    const int centres[] = {44, 92, 140};
    for (int x : centres) {
        const QRect ballast(x - 20, 236, 40, 32);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(ballast);
        p.setBrush(Qt::NoBrush);
        text(p, ballast, QStringLiteral("安定器"), 7, Qt::AlignCenter);
    }

    // The secondary runs to the lamps; the farthest lamp's run is the longest.
    text(p, QRect(180, 280, 100, 20), QStringLiteral("二次側"), 10);
    conduit(p, QPolygon({QPoint(44, ballasts.bottom()), QPoint(44, 362)}));
    conduit(p, QPolygon({QPoint(92, ballasts.bottom()), QPoint(92, 362)}));
    conduit(p, QPolygon({QPoint(140, ballasts.bottom()), QPoint(140, 354), QPoint(236, 354), QPoint(236, 362)}));
    for (int x : {44, 92, 236})
        lamp(p, QPoint(x, 362));
    text(p, QRect(150, 368, 70, 18), QStringLiteral("水銀灯"), 9);
    text(p, QRect(6, 400, 278, 20), QStringLiteral("※一番長い二次側の長さを２次側長さに入力"), 8);
}

} // namespace kb::feederui
