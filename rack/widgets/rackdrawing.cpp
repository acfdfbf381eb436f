#include "rackdrawing.h"
#include "drawing.h"

#include <QPainter>

#include <cmath>

namespace kb {

namespace {

// Every place below is in the window's twips (15 to a pixel), like the boxes on top.
const QColor kLine(40, 40, 40);
const QColor kSteel(200, 200, 200);
const QColor kCable(70, 70, 70);
const QColor kMark(0, 0, 170); // dimension arrows
constexpr int kArrowLength = 120;
constexpr int kArrowHalfWidth = 45;

QPen pen(const QColor &colour, double pixels, Qt::PenStyle style = Qt::SolidLine)
{
    QPen p(colour, pixels, style);
    p.setCosmetic(true);
    return p;
}

// The underside of the slab the rods hang from, hatched above.
void ceiling(QPainter &p, int left, int right, int y)
{
    p.setPen(pen(kLine, 1));
    for (int x = left; x + 120 <= right; x += 180)
        p.drawLine(x, y, x + 120, y - 120);
    p.setPen(pen(kLine, 2));
    p.drawLine(left, y, right, y);
}

// A hanging rod from its insert in the slab down to `bottom`.
void rod(QPainter &p, int x, int top, int bottom)
{
    p.setPen(pen(kLine, 1));
    p.setBrush(kLine);
    p.drawRect(x - 45, top - 90, 90, 90);
    p.setPen(pen(kLine, 2));
    p.drawLine(x, top, x, bottom);
}

void box(QPainter &p, const QRect &r, const QColor &fill)
{
    p.setPen(pen(kLine, 1));
    p.setBrush(fill);
    p.drawRect(r);
}

void cable(QPainter &p, int x, int y, int radius)
{
    p.setPen(pen(Qt::black, 1));
    p.setBrush(kCable);
    p.drawEllipse(QPoint(x, y), radius, radius);
}

// A dimension: a line from a to b with an arrow head at each end.
void dimension(QPainter &p, QPoint a, QPoint b)
{
    p.setPen(pen(kMark, 1));
    p.setBrush(kMark);
    p.drawLine(a, b);
    arrowHead(p, a, b, kArrowLength, kArrowHalfWidth);
    arrowHead(p, b, a, kArrowLength, kArrowHalfWidth);
}

// The thin line that carries an edge out to its dimension.
void extension(QPainter &p, QPoint from, QPoint to)
{
    p.setPen(pen(kMark, 1, Qt::DashLine));
    p.drawLine(from, to);
}

// Side view of a ladder rack hung from three rods, and its cross-section with four
// cables: the interval between the rods, the spacing between two cables, the width.
void drawLadderRack(QPainter &p)
{
    ceiling(p, 240, 7560, 720);
    for (int x : {720, 3360, 6000}) {
        rod(p, x, 720, 2760);
        box(p, QRect(x - 180, 2640, 360, 90), kSteel); // the hanger under the rack
    }
    box(p, QRect(360, 2400, 7080, 240), kSteel); // side rail
    p.drawLine(360, 2460, 7440, 2460);
    p.drawLine(360, 2580, 7440, 2580);
    dimension(p, {720, 1200}, {3360, 1200}); // 吊り間隔 below it

    // Cross-section: two side rails on a rung, four cables lying on it.
    box(p, QRect(480, 3600, 90, 930), kSteel);
    box(p, QRect(4350, 3600, 90, 930), kSteel);
    box(p, QRect(480, 3600, 210, 60), kSteel);
    box(p, QRect(4230, 3600, 210, 60), kSteel);
    box(p, QRect(480, 4440, 3960, 90), kSteel);
    for (int x : {1020, 1980, 2940, 3900})
        cable(p, x, 4200, 240);
    extension(p, {1260, 4200}, {1260, 4800}); // ケーブルの間隔 below it
    extension(p, {1740, 4200}, {1740, 4800});
    dimension(p, {1260, 4740}, {1740, 4740});
    extension(p, {480, 4530}, {480, 4980}); // ケーブル幅合計 and ラックの幅 below it
    extension(p, {4440, 4530}, {4440, 4980});
    dimension(p, {480, 4920}, {4440, 4920});
}

// A two-lamp fluorescent fixture hung under the raceway.
void fixture(QPainter &p, int left, int raceBottom)
{
    constexpr int width = 1200, top = 2250;
    p.setPen(pen(kLine, 1));
    p.drawLine(left + 150, raceBottom, left + 150, top);
    p.drawLine(left + width - 150, raceBottom, left + width - 150, top);
    box(p, QRect(left, top, width, 180), Qt::white);
    const QColor tube(255, 250, 200);
    box(p, QRect(left + 90, top + 30, width - 180, 45), tube);
    box(p, QRect(left + 90, top + 105, width - 180, 45), tube);
}

// A raceway hung from rods with two fixtures under it, and a small cross-section of
// the raceway with cables inside: the interval and the spacing of the fixtures.
void drawRaceway(QPainter &p)
{
    ceiling(p, 240, 6450, 720);
    for (int x : {600, 3000, 5400})
        rod(p, x, 720, 1980);
    box(p, QRect(240, 1980, 6210, 150), kSteel);
    p.drawLine(240, 2085, 6450, 2085);
    dimension(p, {600, 1020}, {3000, 1020}); // 吊り間隔 below it

    fixture(p, 360, 2130); // 器具の種類 below it
    fixture(p, 2160, 2130);
    extension(p, {960, 2430}, {960, 2700}); // 器具の台数 to the right
    extension(p, {2760, 2430}, {2760, 2700});
    dimension(p, {960, 2640}, {2760, 2640});

    // Cross-section: a channel open at the bottom between its lips, cables inside.
    p.setPen(pen(kLine, 2));
    p.setBrush(Qt::NoBrush);
    const QPoint channel[] = {{5940, 3840}, {5760, 3840}, {5760, 3300}, {6360, 3300}, {6360, 3840}, {6180, 3840}};
    p.drawPolyline(channel, 6);
    for (const QPoint c : {QPoint(5895, 3705), QPoint(6075, 3705), QPoint(6240, 3705), QPoint(5985, 3525)})
        cable(p, c.x(), c.y(), 90);
}

// A wiring duct hung from rods, and its cross-section with cables inside: the
// interval between the rods, the height and the width of the duct.
void drawWiringDuct(QPainter &p)
{
    ceiling(p, 240, 7560, 720);
    for (int x : {1800, 4440, 7080})
        rod(p, x, 720, 1860);
    box(p, QRect(360, 1860, 7080, 240), kSteel);
    p.drawLine(360, 1920, 7440, 1920); // the cover
    dimension(p, {1800, 1710}, {4440, 1710}); // 支持間隔 above it

    box(p, QRect(1560, 2640, 2520, 1200), kSteel);
    box(p, QRect(1605, 2685, 2430, 1110), Qt::white);
    box(p, QRect(1500, 2580, 2640, 60), kSteel); // the cover
    for (int x : {1860, 2310, 2760, 3210, 3660})
        cable(p, x, 3585, 210);
    for (int x : {2085, 2535, 2985})
        cable(p, x, 3165, 210);
    extension(p, {1560, 2640}, {1380, 2640}); // 高さ to the left
    extension(p, {1560, 3840}, {1380, 3840});
    dimension(p, {1440, 2640}, {1440, 3840});
    extension(p, {1560, 3840}, {1560, 4050}); // 幅 below it
    extension(p, {4080, 3840}, {4080, 4050});
    dimension(p, {1560, 3990}, {4080, 3990});
}

} // namespace

RackDrawing::RackDrawing(Subject subject, const QRect &designPlace, QWidget *parent)
    : QWidget(parent), m_subject(subject), m_design(designPlace)
{
}

void RackDrawing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(width()) / m_design.width(), double(height()) / m_design.height());
    // Half a pixel on, so that the one-pixel lines at whole twips fall on whole pixels.
    p.translate(QPointF(-m_design.topLeft()) + QPointF(7.5, 7.5));
    switch (m_subject) {
    case Subject::LadderRack:
        drawLadderRack(p);
        break;
    case Subject::Raceway:
        drawRaceway(p);
        break;
    case Subject::WiringDuct:
        drawWiringDuct(p);
        break;
    }
    p.resetTransform();
    p.setPen(pen(Qt::gray, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kb
