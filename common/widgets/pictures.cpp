#include "pictures.h"

#include "drawing.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QStylePainter>

#include <algorithm>
#include <functional>

namespace kb {

namespace {

const QColor kInk(40, 40, 40);
const QColor kPipe(90, 110, 140);
const QColor kCopper(200, 110, 40);
const QColor kRed(200, 40, 40);
const QColor kBoxFill(235, 225, 200);
const QColor kGlass(200, 225, 245);

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

// A spot detector on the ceiling, seen from the side: its base at the ceiling line y.
void ceilingDetector(QPainter &p, qreal x, qreal y, qreal width = 16)
{
    pen(p, kInk, 2);
    p.setBrush(Qt::white);
    p.drawChord(QRectF(x - width / 2, y - width * 0.4, width, width * 0.9), 180 * 16, 180 * 16);
    p.setBrush(kBoxFill);
    p.drawRect(QRectF(x - width * 0.6, y - 1, width * 1.2, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(x + width * 0.18, y + width * 0.22), width * 0.09, width * 0.09);
}

// A detector on a floor plan: a red ring with a dot in its middle.
void detectorMark(QPainter &p, QPointF centre, qreal radius)
{
    pen(p, kRed, 2);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(centre, radius * 0.35, radius * 0.35);
}

// A ceiling line with the hatching of the slab above it.
void ceiling(QPainter &p, const QPolygonF &line)
{
    pen(p, kInk, 1.5);
    for (int i = 0; i + 1 < line.size(); ++i) {
        const QPointF a = line[i], b = line[i + 1];
        if (a.y() != b.y())
            continue;
        for (qreal x = std::min(a.x(), b.x()) + 2; x < std::max(a.x(), b.x()); x += 6)
            p.drawLine(QPointF(x, a.y() - 1), QPointF(x + 4, a.y() - 5));
    }
    pen(p, kInk, 3);
    p.drawPolyline(line);
}

// A database drum: a cylinder whose top shows as an ellipse.
void drum(QPainter &p, const QRectF &r)
{
    const qreal cap = r.height() * 0.25;
    QPainterPath body;
    body.moveTo(r.left(), r.top() + cap / 2);
    body.lineTo(r.left(), r.bottom() - cap / 2);
    body.arcTo(QRectF(r.left(), r.bottom() - cap, r.width(), cap), 180, 180);
    body.lineTo(r.right(), r.top() + cap / 2);
    p.setBrush(kBoxFill);
    pen(p, kInk, 2.5);
    p.drawPath(body);
    p.drawEllipse(QRectF(r.left(), r.top(), r.width(), cap));
    p.drawArc(QRectF(r.left(), r.center().y() - cap / 2, r.width(), cap), 180 * 16, 180 * 16);
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
    case Picture::Database:
        drum(p, QRectF(14, 10, 36, 44));
        break;
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
    case Picture::DetectorCount:
        // Three detectors on one ceiling, each with the floor area it watches.
        ceiling(p, {QPointF(4, 12), QPointF(60, 12)});
        pen(p, kRed, 1.5, Qt::DashLine);
        for (qreal x : {14.0, 32.0, 50.0}) {
            p.drawLine(QPointF(x - 3, 19), QPointF(x - 9, 54));
            p.drawLine(QPointF(x + 3, 19), QPointF(x + 9, 54));
        }
        for (qreal x : {14.0, 32.0, 50.0})
            ceilingDetector(p, x, 12, 12);
        pen(p, kInk, 3);
        p.drawLine(QPointF(4, 56), QPointF(60, 56));
        break;
    case Picture::Receiver:
        // The panel: the fire lamp above, the zone windows, two switches below.
        p.setBrush(kBoxFill);
        pen(p, kInk, 2.5);
        p.drawRect(QRectF(12, 6, 40, 52));
        p.setBrush(kRed);
        pen(p, kInk, 1.5);
        p.drawRoundedRect(QRectF(18, 11, 28, 7), 2, 2);
        p.setBrush(Qt::white);
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 2; ++column)
                p.drawRect(QRectF(18 + column * 15, 22 + row * 6.5, 13, 4.5));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(25, 52), 2.5, 2.5);
        p.drawEllipse(QPointF(39, 52), 2.5, 2.5);
        break;
    case Picture::ManualCallPoint:
        // The red box with its push button behind a round window.
        p.setBrush(kRed);
        pen(p, kInk, 2.5);
        p.drawRoundedRect(QRectF(10, 10, 44, 44), 8, 8);
        p.setBrush(Qt::white);
        pen(p, kInk, 2);
        p.drawEllipse(QPointF(32, 32), 14, 14);
        p.setBrush(QColor(235, 110, 100));
        p.drawEllipse(QPointF(32, 32), 7, 7);
        break;
    case Picture::AcousticDevice:
        // The bell, ringing.
        p.setBrush(kRed);
        pen(p, kInk, 2.5);
        p.drawEllipse(QPointF(25, 32), 16, 16);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(25, 32), 3.5, 3.5);
        p.setBrush(Qt::NoBrush);
        pen(p, kInk, 2.5);
        p.drawArc(QRectF(25 - 24, 32 - 24, 48, 48), -35 * 16, 70 * 16);
        p.drawArc(QRectF(25 - 31, 32 - 31, 62, 62), -35 * 16, 70 * 16);
        break;
    case Picture::Relay:
        // A box passing the signals of the lines on the left to the line on the right.
        pen(p, kCopper, 3);
        for (qreal y : {22.0, 32.0, 42.0})
            p.drawLine(QPointF(4, y), QPointF(22, y));
        for (qreal y : {28.0, 36.0})
            p.drawLine(QPointF(42, y), QPointF(60, y));
        p.setBrush(kBoxFill);
        pen(p, kInk, 2.5);
        p.drawRect(QRectF(22, 14, 20, 36));
        p.setBrush(kRed);
        pen(p, kInk, 1.5);
        p.drawEllipse(QPointF(32, 21), 2.5, 2.5);
        p.setBrush(QColor(60, 170, 80));
        p.drawEllipse(QPointF(32, 43), 2.5, 2.5);
        break;
    case Picture::WindowlessFloor: {
        // A building whose middle floor has no windows, and the check.
        p.setBrush(kBoxFill);
        pen(p, kInk, 2.5);
        p.drawRect(QRectF(6, 8, 36, 50));
        p.drawLine(QPointF(6, 24.5), QPointF(42, 24.5));
        p.drawLine(QPointF(6, 41.5), QPointF(42, 41.5));
        p.setBrush(kGlass);
        pen(p, kInk, 1.5);
        for (qreal top : {12.0, 45.5})
            for (int i = 0; i < 3; ++i)
                p.drawRect(QRectF(10 + i * 10.5, top, 7, 8));
        pen(p, kRed, 4);
        p.drawPolyline(QPolygonF{QPointF(45, 32), QPointF(50, 38), QPointF(60, 25)});
        break;
    }
    case Picture::DataSearch:
        drum(p, QRectF(6, 8, 32, 44));
        p.setBrush(QColor(255, 255, 255, 170));
        pen(p, kInk, 3);
        p.drawEllipse(QPointF(40, 38), 11, 11);
        pen(p, kInk, 6);
        p.drawLine(QPointF(48, 46), QPointF(58, 56));
        break;
    case Picture::GeneralRoom:
        // A room in plan with its door and one detector in the middle.
        p.setBrush(Qt::white);
        pen(p, kInk, 4);
        p.drawRect(QRectF(8, 10, 48, 44));
        pen(p, Qt::white, 5);
        p.drawLine(QPointF(15, 54), QPointF(29, 54));
        pen(p, kInk, 1.5);
        p.drawLine(QPointF(15, 54), QPointF(15, 40));
        p.drawArc(QRectF(1, 40, 28, 28), 0, 90 * 16);
        detectorMark(p, {36, 30}, 6);
        break;
    case Picture::NarrowRoom:
        // A long narrow room with its detectors in a line, and its length.
        p.setBrush(Qt::white);
        pen(p, kInk, 3.5);
        p.drawRect(QRectF(4, 20, 56, 18));
        for (qreal x : {14.0, 32.0, 50.0})
            detectorMark(p, {x, 29}, 4.5);
        pen(p, kInk, 1.5);
        p.setBrush(kInk);
        p.drawLine(QPointF(6, 48), QPointF(58, 48));
        arrowHead(p, QPointF(4, 48), QPointF(58, 48), 6, 3);
        arrowHead(p, QPointF(60, 48), QPointF(6, 48), 6, 3);
        break;
    case Picture::CompartmentsInRow:
        // Small compartments side by side, a detector in each.
        p.setBrush(Qt::white);
        pen(p, kInk, 3);
        p.drawRect(QRectF(4, 18, 56, 28));
        for (qreal x : {18.0, 32.0, 46.0})
            p.drawLine(QPointF(x, 18), QPointF(x, 46));
        for (qreal x : {11.0, 25.0, 39.0, 53.0})
            detectorMark(p, {x, 32}, 3.5);
        break;
    case Picture::OneCompartment:
        // One small compartment in the corner of a larger room.
        p.setBrush(Qt::white);
        pen(p, kInk, 2);
        p.drawRect(QRectF(4, 8, 56, 48));
        p.setBrush(kBoxFill);
        pen(p, kInk, 3.5);
        p.drawRect(QRectF(34, 8, 26, 24));
        detectorMark(p, {47, 20}, 5);
        break;
    case Picture::SteppedCeiling:
        // A room in section whose ceiling steps down, a detector under each level.
        ceiling(p, {QPointF(4, 12), QPointF(30, 12), QPointF(30, 28), QPointF(60, 28)});
        pen(p, kInk, 3);
        p.drawLine(QPointF(4, 12), QPointF(4, 56));
        p.drawLine(QPointF(60, 28), QPointF(60, 56));
        p.drawLine(QPointF(4, 56), QPointF(60, 56));
        ceilingDetector(p, 14, 12);
        ceilingDetector(p, 46, 28);
        // The height of the step.
        pen(p, kRed, 1.5);
        p.setBrush(kRed);
        p.drawLine(QPointF(25, 16), QPointF(25, 24));
        arrowHead(p, QPointF(25, 13), QPointF(25, 20), 4, 2.5);
        arrowHead(p, QPointF(25, 27), QPointF(25, 20), 4, 2.5);
        pen(p, kRed, 1);
        p.drawLine(QPointF(22, 28), QPointF(29, 28));
        break;
    case Picture::SteppedCentre:
        // A room in section whose ceiling rises in the middle, the detector up there.
        ceiling(p, {QPointF(4, 28), QPointF(19, 28), QPointF(19, 12), QPointF(45, 12), QPointF(45, 28), QPointF(60, 28)});
        pen(p, kInk, 3);
        p.drawLine(QPointF(4, 28), QPointF(4, 56));
        p.drawLine(QPointF(60, 28), QPointF(60, 56));
        p.drawLine(QPointF(4, 56), QPointF(60, 56));
        ceilingDetector(p, 32, 12);
        break;
    case Picture::Spare:
        pen(p, QColor(150, 150, 150), 2, Qt::DashLine);
        p.drawRect(QRectF(10, 10, 44, 44));
        break;
    }
}

// The program's icon, drawn for 128 × 128 (app/desktop/kembrel.svg).
void drawProgramIcon(QPainter &p)
{
    p.setBrush(kBoxFill);
    pen(p, kInk, 3);
    p.drawRoundedRect(QRectF(6, 6, 116, 116), 20, 20);
    p.setBrush(Qt::white);
    pen(p, kPipe, 9);
    p.drawEllipse(QPointF(64, 64), 42, 42);
    p.setBrush(kCopper);
    pen(p, kInk, 2.5);
    for (const QPointF centre : {QPointF(64, 47), QPointF(48, 75), QPointF(80, 75)})
        p.drawEllipse(centre, 14, 14);
}

// An icon drawn on demand: at each size and device pixel ratio it is asked for,
// and straight onto the painter when it is painted at normal state.
class DrawnIconEngine : public QIconEngine
{
public:
    DrawnIconEngine(std::function<void(QPainter &)> draw, qreal designSize, QString cacheKey)
        : m_draw(std::move(draw)), m_designSize(designSize), m_cacheKey(std::move(cacheKey))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        if (mode != QIcon::Normal) {
            const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
            QPixmap pm = scaledPixmap(rect.size() * ratio, mode, state, ratio);
            pm.setDevicePixelRatio(ratio);
            painter->drawPixmap(rect, pm);
            return;
        }
        painter->save();
        drawInto(*painter, rect);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal) override
    {
        if (size.isEmpty())
            return QPixmap();
        const QString key = QStringLiteral("kb-icon-%1-%2x%3-%4").arg(m_cacheKey).arg(size.width()).arg(size.height()).arg(int(mode));
        QPixmap pm;
        if (QPixmapCache::find(key, &pm))
            return pm;
        pm = QPixmap(size);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            drawInto(p, QRect(QPoint(), size));
        }
        if (mode != QIcon::Normal)
            if (const QStyle *style = QApplication::style()) {
                QStyleOption option;
                option.palette = QApplication::palette();
                pm = style->generatedIconPixmap(mode, pm, &option);
            }
        QPixmapCache::insert(key, pm);
        return pm;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    }

    QIconEngine *clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("kb-drawn"); }

private:
    // The drawing, square in the middle of rect.
    void drawInto(QPainter &p, const QRect &rect) const
    {
        const qreal side = std::min(rect.width(), rect.height());
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
        p.scale(side / m_designSize, side / m_designSize);
        m_draw(p);
    }

    std::function<void(QPainter &)> m_draw;
    qreal m_designSize;
    QString m_cacheKey;
};

} // namespace

QIcon pictureIcon(Picture picture)
{
    return QIcon(new DrawnIconEngine([picture](QPainter &p) { draw(p, picture); }, kPictureSize,
                                     QString::number(int(picture))));
}

QIcon programIcon()
{
    return QIcon(new DrawnIconEngine(drawProgramIcon, 128, QStringLiteral("program")));
}

PictureButton::PictureButton(Picture picture, const QString &caption, QWidget *parent) : QToolButton(parent)
{
    setText(caption);
    setIcon(pictureIcon(picture));
    setIconSize(QSize(kPictureSize, kPictureSize));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    const QIcon picture = option.icon;
    // The button itself from the style, without its label.
    option.text.clear();
    option.icon = QIcon();
    p.drawComplexControl(QStyle::CC_ToolButton, option);

    // The label laid out as the style lays out a picture over its caption.
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    QRect label = style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, this).adjusted(frame, frame, -frame, -frame);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        label.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                        style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const QSize pictureSize = iconSize().boundedTo(label.size());
    QRect pictureArea = label;
    pictureArea.setHeight(pictureSize.height() + 4);
    const QRect captionArea = label.adjusted(0, pictureArea.height() - 1, 0, -1);
    picture.paint(&p, QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, pictureSize, pictureArea), Qt::AlignCenter,
                  isEnabled() ? QIcon::Normal : QIcon::Disabled);
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    p.drawItemText(captionArea, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

PictureView::PictureView(Picture picture, QWidget *parent) : QWidget(parent), m_icon(pictureIcon(picture)) {}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    m_icon.paint(&p, rect());
}

} // namespace kb
