#include "drawing.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QWidget>

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

void earthSymbol(QPainter &p, QPoint top)
{
    p.drawLine(top.x() - 10, top.y(), top.x() + 10, top.y());
    p.drawLine(top.x() - 6, top.y() + 4, top.x() + 6, top.y() + 4);
    p.drawLine(top.x() - 2, top.y() + 8, top.x() + 2, top.y() + 8);
}

void setUpPicture(QWidget *picture)
{
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setAutoFillBackground(true);
    QPalette pal = picture->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 240));
    picture->setPalette(pal);
}

void beginPicture(QPainter &p, QWidget *picture, QSize own)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(picture->width() / double(own.width()), picture->height() / double(own.height()));
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawRect(0, 0, own.width() - 1, own.height() - 1);
}

} // namespace kb
