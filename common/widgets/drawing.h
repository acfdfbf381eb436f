#pragma once

// Small pieces of the technical drawings the windows paint.

#include <QPointF>

class QPainter;

namespace kb {

// A filled arrow head at tip, pointing away from `from`: `length` long and
// 2 × halfWidth wide, in the painter's units. Nothing where the two points meet.
void arrowHead(QPainter &p, QPointF tip, QPointF from, double length, double halfWidth);

} // namespace kb
