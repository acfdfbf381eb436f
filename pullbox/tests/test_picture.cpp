// The picture of each pull-box window as geometry: the conduits enter the front
// face and leave by the face of the window's geometry, the dimension lines measure
// the box's edges, and the result labels stand beside their lines.

#include "pullboxpicture.h"

#include <QLineF>
#include <gtest/gtest.h>
#include <cmath>

using namespace kb::pullbox;

namespace {

const QSizeF kImage(6060, 4065);

double distance(QPointF p, const QLineF &l)
{
    const QPointF d = l.p2() - l.p1();
    const double len2 = d.x() * d.x() + d.y() * d.y();
    const double t = len2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - l.p1(), d) / len2, 0.0, 1.0);
    return QLineF(p, l.p1() + t * d).length();
}

// How far a label stands off a line; 0 when the line runs through it.
double gap(const QRectF &r, const QLineF &l)
{
    const QLineF edges[] = {{r.topLeft(), r.topRight()}, {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()}, {r.bottomLeft(), r.topLeft()}};
    if (r.contains(l.p1()) || r.contains(l.p2()))
        return 0;
    double best = 1e9;
    for (const QLineF &e : edges) {
        if (e.intersects(l, nullptr) == QLineF::BoundedIntersection)
            return 0;
        best = std::min({best, distance(e.p1(), l), distance(l.p1(), e), distance(l.p2(), e)});
    }
    return best;
}

bool near(double a, double b) { return std::abs(a - b) < 1e-6; }

const Dimension *dimension(const BoxPicture &pic, const char *label)
{
    for (const Dimension &d : pic.dimensions)
        if (d.label == QLatin1String(label))
            return &d;
    return nullptr;
}

// Where along the depth a point of a face lies: 0 on the front face, 1 on the back.
bool onSideFace(const BoxPicture &pic, QPointF p, double x0)
{
    const double t = (p.x() - x0) / pic.depth.x();
    const double y = p.y() - t * pic.depth.y();
    return t > 0 && t < 1 && y > pic.front.top() && y < pic.front.bottom();
}

bool onExitFace(const BoxPicture &pic, const ConduitRun &run)
{
    const QPointF p = run.exitCentre;
    switch (run.exit) {
    case Face::Left:
        return onSideFace(pic, p, pic.front.left()) && pic.depth.x() < 0;
    case Face::Right:
        return onSideFace(pic, p, pic.front.right()) && pic.depth.x() > 0;
    case Face::Back:
        return pic.front.contains(p - pic.depth);
    case Face::Bottom: {
        const double t = (p.y() - pic.front.bottom()) / pic.depth.y();
        return t > 0 && t < 1 && p.x() - t * pic.depth.x() > pic.front.left() && p.x() - t * pic.depth.x() < pic.front.right();
    }
    case Face::Front:
        break;
    }
    return false;
}

// The way a leaving stub runs: out of its face, square to it.
bool leavesSquare(const BoxPicture &pic, const ConduitRun &run)
{
    const QPointF d = run.leaving.points.last() - run.leaving.points.first();
    switch (run.exit) {
    case Face::Left:
        return d.x() < 0 && near(d.y(), 0);
    case Face::Right:
        return d.x() > 0 && near(d.y(), 0);
    case Face::Bottom:
        return d.y() > 0 && near(d.x(), 0);
    case Face::Back:
        return QPointF::dotProduct(d, pic.depth) > 0 && near(d.x() * pic.depth.y() - d.y() * pic.depth.x(), 0);
    case Face::Front:
        break;
    }
    return false;
}

} // namespace

TEST(PullBoxPicture, ConduitsLeaveByTheFaceOfTheGeometry)
{
    struct Case
    {
        const Design *design;
        Face exit;
        int conduits;
    } cases[] = {
        {&leftBend(), Face::Left, 6},  {&rightBend(), Face::Right, 6}, {&straight(), Face::Back, 6},
        {&drop(), Face::Bottom, 3},    {&leftTwist(), Face::Left, 3},  {&rightTwist(), Face::Right, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.design->formName.toStdString());
        const BoxPicture pic = boxPicture(*c.design, kImage);
        ASSERT_EQ(pic.conduits.size(), c.conduits);
        for (const ConduitRun &run : pic.conduits) {
            EXPECT_EQ(run.exit, c.exit);
            EXPECT_TRUE(pic.front.contains(run.frontCentre));
            EXPECT_EQ(run.entering.points.last(), run.frontCentre);
            EXPECT_EQ(run.inside.points.first(), run.frontCentre);
            EXPECT_EQ(run.inside.points.last(), run.exitCentre);
            EXPECT_TRUE(onExitFace(pic, run));
            EXPECT_TRUE(leavesSquare(pic, run));
            // A stub leaving by a face the viewer sees is drawn over the box.
            EXPECT_EQ(run.leaving.overBox, run.exit == Face::Left || run.exit == Face::Right);
        }
    }

    // The twists turn their row into a stack: in side by side, out one above the other.
    for (const Design *d : {&leftTwist(), &rightTwist()}) {
        const BoxPicture pic = boxPicture(*d, kImage);
        const ConduitRun &a = pic.conduits[0], &b = pic.conduits[1], &c = pic.conduits[2];
        EXPECT_TRUE(near(a.frontCentre.y(), c.frontCentre.y()) && !near(a.frontCentre.x(), c.frontCentre.x()));
        EXPECT_TRUE(near(a.exitCentre.x(), c.exitCentre.x()));
        EXPECT_GT(a.exitCentre.y(), b.exitCentre.y());
        EXPECT_GT(b.exitCentre.y(), c.exitCentre.y());
    }
}

// W across the front face, H up an edge, D along the depth, and the drop and twist
// distances from their own marks; each label beside its line, none over another.
TEST(PullBoxPicture, DimensionLinesCarryTheirLabels)
{
    for (const Design *d : {&leftBend(), &rightBend(), &straight(), &drop(), &leftTwist(), &rightTwist()}) {
        SCOPED_TRACE(d->formName.toStdString());
        const BoxPicture pic = boxPicture(*d, kImage);
        const QRectF f = pic.front;
        const Dimension *w = dimension(pic, "Label3"), *dd = dimension(pic, "Label4"), *h = dimension(pic, "Label5"),
                        *six = dimension(pic, "Label6");
        ASSERT_TRUE(w && dd && h && six);
        EXPECT_TRUE(near(w->line.dy(), 0) && near(std::abs(w->line.dx()), f.width()));
        EXPECT_TRUE(near(h->line.dx(), 0) && near(std::abs(h->line.dy()), f.height()));
        EXPECT_TRUE(near(dd->line.length(), QLineF({0, 0}, pic.depth).length()));
        EXPECT_TRUE(near(dd->line.dx() * pic.depth.y() - dd->line.dy() * pic.depth.x(), 0));
        for (const Dimension *dim : {w, dd, h, six}) {
            const QRectF label = pic.labels.value(dim->label);
            const double off = gap(label, dim->line);
            EXPECT_TRUE(dim->leader ? off < 1 : off > 20 && off < 400) << dim->label.toStdString() << " " << off;
        }
        switch (d->geometry) {
        case Geometry::HorizontalBend:
        case Geometry::Straight: {
            // The angle: a leader from the angle round the front opening.
            ASSERT_TRUE(six->leader);
            const QPointF at = six->line.p1();
            EXPECT_TRUE(f.contains(at) && !f.adjusted(pic.angleLeg, pic.angleLeg, -pic.angleLeg, -pic.angleLeg).contains(at));
            break;
        }
        case Geometry::Drop:
            // From the centre line of the row down to the bottom.
            EXPECT_TRUE(near(std::min(six->line.y1(), six->line.y2()), pic.conduits[0].frontCentre.y()));
            EXPECT_TRUE(near(std::max(six->line.y1(), six->line.y2()), f.bottom()));
            break;
        case Geometry::Twist: {
            // From the edge of the front face on the exit side to the centre of conduit 1.
            const double edge = d->rightHand ? f.right() : f.left();
            const double first = pic.conduits[0].frontCentre.x();
            EXPECT_TRUE(near(std::min(six->line.x1(), six->line.x2()), std::min(edge, first)));
            EXPECT_TRUE(near(std::max(six->line.x1(), six->line.x2()), std::max(edge, first)));
            EXPECT_LT(std::abs(first - edge), std::abs(pic.conduits[2].frontCentre.x() - edge));
            break;
        }
        }

        // Every label on the picture, none over another.
        const QStringList names{"Label3", "Label4", "Label5", "Label6", "Label7", "Label8"};
        for (const QString &a : names) {
            ASSERT_TRUE(pic.labels.contains(a)) << a.toStdString();
            EXPECT_TRUE(QRectF(QPointF(), pic.size).contains(pic.labels[a])) << a.toStdString();
            for (const QString &b : names)
                if (a < b)
                    EXPECT_FALSE(pic.labels[a].intersects(pic.labels[b])) << a.toStdString() << " " << b.toStdString();
        }
        // The numbering stands over the front face, 出口側 by the stubs that leave.
        EXPECT_TRUE(pic.labels["Label7"].intersects(f));
        QPointF in, out;
        for (const ConduitRun &run : pic.conduits) {
            in += run.frontCentre / pic.conduits.size();
            out += run.leaving.points.last() / pic.conduits.size();
        }
        const QPointF exitLabel = pic.labels["Label8"].center();
        EXPECT_LT(QLineF(exitLabel, out).length(), QLineF(exitLabel, in).length());
    }
}

// The right-hand windows show the mirror image of the left-hand ones.
TEST(PullBoxPicture, RightHandIsTheMirrorImage)
{
    const std::pair<const Design *, const Design *> pairs[] = {{&leftBend(), &rightBend()}, {&leftTwist(), &rightTwist()}};
    for (const auto &[left, right] : pairs) {
        const BoxPicture l = boxPicture(*left, kImage), r = boxPicture(*right, kImage);
        EXPECT_TRUE(near(l.front.left(), kImage.width() - r.front.right()));
        for (const QString &name : l.labels.keys())
            EXPECT_TRUE(near(l.labels[name].left(), kImage.width() - r.labels[name].right())) << name.toStdString();
        for (int i = 0; i < l.conduits.size(); ++i)
            EXPECT_TRUE(near(l.conduits[i].exitCentre.x(), kImage.width() - r.conduits[i].exitCentre.x()));
    }
}
