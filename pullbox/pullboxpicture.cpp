#include "pullboxpicture.h"

#include <QtMath>
#include <algorithm>

namespace kb::pullbox {

namespace {

const QSizeF kValueLabel(900, 300);   // W=, D=, H= and the distances of the row boxes
const QSizeF kAngleLabel(1300, 300);  // 補強ｱﾝｸﾞﾙ=
const QSizeF kNumbering(2100, 300);   // 1本目 2本目 3本目
const QSizeF kExitLabel(870, 300);    // 出口側
constexpr double kGap = 60;           // between a line and its label
constexpr double kOverrun = 80;       // of an extension line past its dimension line

QPointF unit(QPointF v) { return v / std::hypot(v.x(), v.y()); }

// The half extent of a label in direction n: how far its centre must stand off a
// line for the label to clear it.
double reach(QSizeF label, QPointF n) { return std::abs(n.x()) * label.width() / 2 + std::abs(n.y()) * label.height() / 2; }

QRectF centredAt(QPointF c, QSizeF s) { return {c.x() - s.width() / 2, c.y() - s.height() / 2, s.width(), s.height()}; }

class Builder
{
public:
    explicit Builder(QSizeF size) { pic.size = size; }

    BoxPicture pic;

    double iw() const { return pic.size.width(); }
    double ih() const { return pic.size.height(); }

    void box(QRectF front, QPointF depth)
    {
        pic.front = front;
        pic.depth = depth;
        pic.radius = 0.07 * front.height();
        pic.angleLeg = 0.045 * front.height();
        const QPointF v = depth;
        pic.frontFace = {front.topLeft(), front.topRight(), front.bottomRight(), front.bottomLeft()};
        pic.topFace = {front.topLeft(), front.topRight(), front.topRight() + v, front.topLeft() + v};
        // The side the depth runs to is the side the viewer sees.
        if (v.x() < 0)
            pic.sideFace = {front.topLeft(), front.topLeft() + v, front.bottomLeft() + v, front.bottomLeft()};
        else
            pic.sideFace = {front.topRight(), front.topRight() + v, front.bottomRight() + v, front.bottomRight()};
    }

    // A conduit entering the front face at c, with its stub coming from the viewer.
    ConduitRun &enter(QPointF c)
    {
        ConduitRun run;
        run.frontCentre = c;
        run.entering = {{c - 0.16 * pic.depth, c}, true, true, false, Face::Front};
        pic.conduits << run;
        return pic.conduits.last();
    }

    void leave(ConduitRun &run, QList<QPointF> inside, QPointF stubEnd, Face exit, double depth, bool seen)
    {
        run.exit = exit;
        run.exitDepth = depth;
        run.exitCentre = inside.last();
        run.inside = {inside, false};
        run.leaving = {{inside.last(), stubEnd}, seen, false, true, exit};
    }

    // A dimension of the edge a-b, drawn at distance d on the side n points to,
    // with its label beyond it.
    Dimension &measure(const QString &label, QPointF a, QPointF b, QPointF n, double d, QSizeF labelSize = kValueLabel)
    {
        Dimension dim;
        dim.label = label;
        dim.line = QLineF(a + n * d, b + n * d);
        dim.extensions = {QLineF(a + n * 40, a + n * (d + kOverrun)), QLineF(b + n * 40, b + n * (d + kOverrun))};
        pic.dimensions << dim;
        const QPointF mid = (a + b) / 2 + n * d;
        pic.labels[label] = centredAt(mid + n * (kGap + reach(labelSize, n)), labelSize);
        return pic.dimensions.last();
    }

    // The reinforcing angle round the front opening, pointed out from `at` to its label.
    void angleLeader(QPointF at, QRectF label)
    {
        Dimension dim;
        dim.label = QStringLiteral("Label6");
        const QPointF to(std::clamp(at.x(), label.left(), label.right()), std::clamp(at.y(), label.top(), label.bottom()));
        dim.line = QLineF(at, to);
        dim.leader = true;
        pic.dimensions << dim;
        pic.labels[dim.label] = label;
    }

    // The numbering over the conduits of the front face, from the left.
    void numbering(QPointF centre) { pic.labels[QStringLiteral("Label7")] = centredAt(centre, kNumbering); }
    void numberingAtTop()
    {
        numbering(QPointF(pic.front.center().x(), pic.front.top() + pic.angleLeg + 40 + kNumbering.height() / 2));
    }

    // D along the receding edge from `corner`, on the side a quarter turn from the
    // depth points to, clockwise as the picture is seen or anticlockwise.
    void measureDepth(QPointF corner, bool clockwise)
    {
        const QPointF dv = unit(pic.depth);
        const QPointF n = clockwise ? QPointF(-dv.y(), dv.x()) : QPointF(dv.y(), -dv.x());
        measure(QStringLiteral("Label4"), corner, corner + pic.depth, n, 200);
    }

    // 出口側 beside the stubs that leave the box, on the side `towards` points to.
    void exitSide(QPointF towards)
    {
        QRectF stubs;
        for (const ConduitRun &run : pic.conduits)
            for (const QPointF &p : run.leaving.points)
                stubs = stubs.isNull() ? QRectF(p, QSizeF(1, 1)) : stubs.united(QRectF(p, QSizeF(1, 1)));
        const QPointF n = unit(towards);
        const QPointF edge(stubs.center().x() + n.x() * stubs.width() / 2, stubs.center().y() + n.y() * stubs.height() / 2);
        pic.labels[QStringLiteral("Label8")] = centredAt(edge + n * (pic.radius + kGap + reach(kExitLabel, n)), kExitLabel);
    }

    // Two tiers of three conduits in the front face (the tier windows).
    QList<QPointF> tiersOfThree(double upper, double lower) const
    {
        QList<QPointF> at;
        for (double y : {upper, lower})
            for (double x : {0.25, 0.5, 0.75})
                at << QPointF(pic.front.left() + x * pic.front.width(), pic.front.top() + y * pic.front.height());
        return at;
    }

    void mirror()
    {
        const double w = iw();
        auto flip = [w](QPointF p) { return QPointF(w - p.x(), p.y()); };
        auto flipAll = [&](QList<QPointF> &points) {
            for (QPointF &p : points)
                p = flip(p);
        };
        auto flipRect = [w](const QRectF &r) { return QRectF(w - r.right(), r.top(), r.width(), r.height()); };
        pic.front = flipRect(pic.front);
        pic.depth.setX(-pic.depth.x());
        flipAll(pic.frontFace);
        flipAll(pic.topFace);
        flipAll(pic.sideFace);
        for (ConduitRun &run : pic.conduits) {
            run.frontCentre = flip(run.frontCentre);
            run.exitCentre = flip(run.exitCentre);
            if (run.exit == Face::Left)
                run.exit = Face::Right;
            for (Tube *t : {&run.entering, &run.inside, &run.leaving})
                flipAll(t->points);
        }
        for (Dimension &dim : pic.dimensions) {
            dim.line = QLineF(flip(dim.line.p1()), flip(dim.line.p2()));
            for (QLineF &e : dim.extensions)
                e = QLineF(flip(e.p1()), flip(e.p2()));
        }
        for (QRectF &r : pic.labels)
            r = flipRect(r);
    }
};

// The conduits enter the front face in two tiers and turn in the horizontal plane
// to leave by the side face: the leftmost turns first, so the runs never cross.
void horizontalBend(Builder &b)
{
    const QPointF v(-0.21 * b.iw(), -0.25 * b.ih());
    b.box(QRectF(0.38 * b.iw(), 0.40 * b.ih(), 0.40 * b.iw(), 0.42 * b.ih()), v);
    const QRectF f = b.pic.front;
    const QList<QPointF> at = b.tiersOfThree(0.45, 0.76);
    for (int k = 0; k < at.size(); ++k) {
        ConduitRun &run = b.enter(at[k]);
        const double t = 0.25 * (k % 3 + 1);
        const QPointF turn = at[k] + t * v;
        const QPointF exit(f.left() + t * v.x(), turn.y());
        b.leave(run, {at[k], turn, exit}, exit - QPointF(0.10 * b.iw(), 0), Face::Left, t, true);
    }
    b.measure(QStringLiteral("Label3"), f.bottomLeft(), f.bottomRight(), {0, 1}, 260);
    b.measureDepth(f.topRight(), true);
    b.measure(QStringLiteral("Label5"), f.topRight(), f.bottomRight(), {1, 0}, 250);
    const double leg = b.pic.angleLeg;
    b.angleLeader(f.bottomLeft() + QPointF(leg / 2, -leg / 2),
                  QRectF(QPointF(f.left() - 150 - kAngleLabel.width(), f.bottom() + 60), kAngleLabel));
    b.numberingAtTop();
    b.exitSide({0, -1});
}

// The tiers run straight through: in at the front face, out at the back face.
void straight(Builder &b)
{
    const QPointF v(0.18 * b.iw(), -0.25 * b.ih());
    b.box(QRectF(0.20 * b.iw(), 0.40 * b.ih(), 0.40 * b.iw(), 0.42 * b.ih()), v);
    const QRectF f = b.pic.front;
    for (const QPointF &c : b.tiersOfThree(0.40, 0.72)) {
        ConduitRun &run = b.enter(c);
        b.leave(run, {c, c + v}, c + 1.7 * v, Face::Back, 1, false);
    }
    b.measure(QStringLiteral("Label3"), f.bottomLeft(), f.bottomRight(), {0, 1}, 260);
    b.measureDepth(f.bottomRight(), true);
    b.measure(QStringLiteral("Label5"), f.topRight() + v, f.bottomRight() + v, {1, 0}, 330); // clear of the stubs
    const double leg = b.pic.angleLeg;
    b.angleLeader(f.topLeft() + QPointF(leg / 2, leg / 2), QRectF(QPointF(60, 0.06 * b.ih()), kAngleLabel));
    b.numberingAtTop();
    b.exitSide({1, -1});
}

// One row enters the front face near its top and drops out through the bottom;
// the row's centre line is measured down to the bottom.
void drop(Builder &b)
{
    const QPointF v(0.21 * b.iw(), -0.17 * b.ih());
    b.box(QRectF(0.20 * b.iw(), 0.33 * b.ih(), 0.36 * b.iw(), 0.42 * b.ih()), v);
    const QRectF f = b.pic.front;
    const double rowY = f.top() + 0.32 * f.height();
    int i = 0;
    for (double x : {0.25, 0.5, 0.75}) {
        const QPointF c(f.left() + x * f.width(), rowY);
        ConduitRun &run = b.enter(c);
        const double t = 0.25 * ++i;
        const QPointF back = c + t * v;
        const QPointF exit(back.x(), f.bottom() + t * v.y());
        b.leave(run, {c, back, exit}, exit + QPointF(0, 0.15 * b.ih()), Face::Bottom, t, false);
    }
    b.measure(QStringLiteral("Label3"), f.topLeft() + v, f.topRight() + v, {0, -1}, 220);
    b.measureDepth(f.topLeft(), false);
    b.measure(QStringLiteral("Label5"), f.topRight() + v, f.bottomRight() + v, {1, 0}, 250);
    Dimension &side = b.measure(QStringLiteral("Label6"), QPointF(f.left(), rowY), f.bottomLeft(), {-1, 0}, 250);
    // Measured from the centre line of the row.
    side.extensions[0] = QLineF(b.pic.conduits.first().frontCentre, QPointF(f.left() - 250 - kOverrun, rowY));
    b.numberingAtTop();
    b.exitSide({0, 1});
}

// One row enters the front face low down, rises into a stack and leaves by the
// side face one above the other; conduit 1, nearest the exit side, is measured
// from the edge of the front face on that side.
void twist(Builder &b)
{
    const QPointF v(-0.21 * b.iw(), -0.25 * b.ih());
    b.box(QRectF(0.38 * b.iw(), 0.32 * b.ih(), 0.40 * b.iw(), 0.42 * b.ih()), v);
    const QRectF f = b.pic.front;
    const double rowY = f.top() + 0.78 * f.height();
    const double columns[] = {0.30, 0.55, 0.80}; // a column apart as the numbering reads
    const double stack[] = {0.58, 0.40, 0.22}; // conduit 1 lowest, so no run crosses another
    for (int i = 0; i < 3; ++i) {
        const QPointF c(f.left() + columns[i] * f.width(), rowY);
        ConduitRun &run = b.enter(c);
        const QPointF back = c + 0.5 * v;
        const QPointF up(back.x(), f.top() + stack[i] * f.height() + 0.5 * v.y());
        const QPointF exit(f.left() + 0.5 * v.x(), up.y());
        b.leave(run, {c, back, up, exit}, exit - QPointF(0.10 * b.iw(), 0), Face::Left, 0.5, true);
    }
    const QPointF first = b.pic.conduits.first().frontCentre;
    Dimension &side = b.measure(QStringLiteral("Label6"), f.bottomLeft(), QPointF(first.x(), f.bottom()), {0, 1}, 220);
    side.extensions[1] = QLineF(first, QPointF(first.x(), f.bottom() + 220 + kOverrun));
    b.measure(QStringLiteral("Label3"), f.bottomLeft(), f.bottomRight(), {0, 1}, 640);
    b.measureDepth(f.topRight(), true);
    b.measure(QStringLiteral("Label5"), f.topRight(), f.bottomRight(), {1, 0}, 250);
    b.numbering(QPointF(f.left() + columns[1] * f.width(), rowY - b.pic.radius - 60 - kNumbering.height() / 2));
    b.exitSide({0, -1});
}

} // namespace

BoxPicture boxPicture(const Design &design, QSizeF size)
{
    Builder b(size);
    switch (design.geometry) {
    case Geometry::HorizontalBend:
        horizontalBend(b);
        break;
    case Geometry::Straight:
        straight(b);
        break;
    case Geometry::Drop:
        drop(b);
        break;
    case Geometry::Twist:
        twist(b);
        break;
    }
    if (design.rightHand)
        b.mirror();
    return b.pic;
}

} // namespace kb::pullbox
