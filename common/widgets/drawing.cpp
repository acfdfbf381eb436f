#include "drawing.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>

namespace kb {

void arrowHead(QPainter &p, QPointF tip, QPointF from, double length, double halfWidth)
{
    const double span = QLineF(from, tip).length();
    if (span == 0)
        return;
    const QPointF along = (tip - from) / span;
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * length;
    p.drawPolygon(QPolygonF{tip, base + across * halfWidth, base - across * halfWidth});
}

} // namespace kb
