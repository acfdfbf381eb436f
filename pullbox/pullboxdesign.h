#pragma once

// The six pull-box windows share one design; what tells them apart is data:
// their form name, caption, prompt, conduit numbering, how conduits are entered
// (tier by tier or in one row) and the geometry that sizes the box.

#include <QString>

namespace kb::pullbox {

enum class Geometry { HorizontalBend, Straight, Drop, Twist };

struct Design
{
    QString formName;
    QString caption;
    Geometry geometry;
    bool tiers;          // conduits entered tier by tier (bends, straight) or in one row (drop, twist)
    QString prompt;      // the status line at load and after 次の計算
    QString numbering;   // Label7: the order of the conduits on the picture
    int powerOnIndex;    // the index of the 強　電 button in the power-kind array
    bool rightHand;      // the conduits turn or leave to the right: the picture is the mirror image
};

// Form21 .. Form26.
const Design &design(const QString &formName);
const Design &leftBend();
const Design &rightBend();
const Design &straight();
const Design &drop();
const Design &leftTwist();
const Design &rightTwist();

} // namespace kb::pullbox
