#pragma once

// Small pieces of the technical drawings the windows paint.

#include <QPoint>
#include <QPointF>
#include <QSize>

class QPainter;
class QWidget;

namespace kb {

// A filled arrow head at tip, pointing away from `from`: `length` long and
// 2 × halfWidth wide, in the painter's units. Nothing where the two points meet.
void arrowHead(QPainter &p, QPointF tip, QPointF from, double length, double halfWidth);

// The earth symbol hanging from top, in the painter's pen.
void earthSymbol(QPainter &p, QPoint top);

// A picture control of a window (objectName "Image1"): its own paper colour behind the drawing.
void setUpPicture(QWidget *picture);
// Starts a painter drawn for the picture's own size and stretched to the widget, with its border.
void beginPicture(QPainter &p, QWidget *picture, QSize own);

} // namespace kb
