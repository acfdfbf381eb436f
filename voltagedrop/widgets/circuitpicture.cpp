#include "circuitpicture.h"

#include "drawing.h"

#include <QPainter>
#include <QPainterPath>

namespace kb {

namespace {

void drawBreaker(QPainter &p, const QRect &box)
{
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(box);
    // The switch inside: a contact opening towards the load side.
    const int x = box.center().x();
    p.drawLine(x, box.top() + 8, x, box.top() + 18);
    p.drawLine(x, box.top() + 18, x + 10, box.bottom() - 18);
    p.drawLine(x, box.bottom() - 14, x, box.bottom() - 6);
    p.setBrush(Qt::NoBrush);
}

QFont sized(const QFont &base, double points, bool bold = false)
{
    QFont f = base;
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

FeederPicture::FeederPicture(const QString &circuitMark, const QString &panelLabel, bool showsPowerFactor, QWidget *parent)
    : QWidget(parent), m_mark(circuitMark), m_panel(panelLabel), m_powerFactor(showsPowerFactor)
{
    setUpPicture(this);
}

void FeederPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    beginPicture(p, this, pictureSize());

    p.setPen(Qt::black);
    p.setFont(sized(font(), 12, true));
    p.drawText(QRect(10, 4, 110, 28), Qt::AlignLeft | Qt::AlignVCenter, m_mark);
    p.setFont(sized(font(), 15, true));
    p.drawText(QRect(140, 4, 220, 30), Qt::AlignCenter, QStringLiteral("電圧降下計算"));
    p.setFont(sized(font(), 9));

    // Breaker, with the supply coming in from above.
    const QRect breaker(20, 84, 60, 66);
    p.drawText(QRect(6, 62, 100, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ブレーカー"));
    drawBreaker(p, breaker);

    // Cable from the breaker to the panel.
    const QRect panel(352, 78, 118, 144);
    p.setPen(QPen(Qt::black, 3));
    p.drawPolyline(QPolygon({QPoint(50, breaker.bottom()), QPoint(50, 204), QPoint(panel.left(), 204)}));
    p.setPen(Qt::black);
    p.drawText(QRect(sizeBox().left(), sizeBox().top() - 18, sizeBox().width(), 16), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("サイズ"));
    p.drawText(QRect(lengthBox().left(), lengthBox().top() - 18, 80, 16), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("長さ(m)"));

    // The panel with its load and power factor.
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(225, 235, 250));
    p.drawRect(panel);
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::black);
    p.setFont(sized(font(), 10, true));
    p.drawText(QRect(panel.left(), panel.top() + 4, panel.width(), 20), Qt::AlignCenter, m_panel);
    p.setFont(sized(font(), 9));
    p.drawText(QRect(loadBox().left(), loadBox().top() - 18, loadBox().width(), 16), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("容量(kW)"));
    if (m_powerFactor)
        p.drawText(QRect(powerFactorBox().left(), powerFactorBox().top() - 18, powerFactorBox().width(), 16),
                   Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("力率"));

    // Grounding wire (green, dashed) from the breaker to earth.
    p.setPen(QPen(QColor(0, 150, 0), 2, Qt::DashLine));
    p.drawLine(28, breaker.bottom(), 28, 250);
    p.setPen(QPen(QColor(0, 150, 0), 2));
    earthSymbol(p, QPoint(28, 252));
    p.setPen(Qt::black);
    p.drawText(QRect(earthLabel().left(), earthLabel().top() - 18, 80, 16), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("接地線"));

    // Bonding wire (red, dashed) joining the breaker box and the panel along the cable.
    p.setPen(QPen(QColor(210, 0, 0), 2, Qt::DashLine));
    p.drawPolyline(QPolygon({QPoint(72, breaker.bottom()), QPoint(72, 226), QPoint(420, 226), QPoint(420, panel.bottom())}));
    p.setPen(Qt::black);
    p.drawText(QRect(bondLabel().left() - 70, bondLabel().top(), 66, bondLabel().height()), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("ボンド線"));
}

UnbalancedPicture::UnbalancedPicture(QWidget *parent) : QWidget(parent)
{
    setUpPicture(this);
}

void UnbalancedPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    beginPicture(p, this, QSize(504, 269));

    // Breaker and its mark.
    drawBreaker(p, QRect(12, 10, 44, 62));
    p.setPen(Qt::black);
    p.setFont(sized(font(), 11, true));
    p.drawText(QRect(4, 76, 70, 22), Qt::AlignCenter, QStringLiteral("1φ3W"));

    // The three lines.
    p.setFont(sized(font(), 9, true));
    const int lineY[] = {20, 40, 60};
    const char *lineName[] = {"R", "N", "T"};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(56, lineY[i], 496, lineY[i]);
        p.setPen(Qt::black);
        p.drawText(QRect(60, lineY[i] - 16, 14, 14), Qt::AlignCenter, QString::fromLatin1(lineName[i]));
    }

    // A pair of loads between two lines: two wires down to a load box. A dot marks
    // where a wire joins its line; where it only crosses another line there is none.
    auto loadPair = [&](int x1, int y1, int x2, int y2, const QRect &box, const QString &name) {
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(x1, y1, x1, box.top());
        p.drawLine(x2, y2, x2, box.top());
        p.setBrush(QColor(250, 230, 210));
        p.drawRect(box);
        p.setBrush(Qt::NoBrush);
        p.setFont(sized(font(), 8));
        p.drawText(box, Qt::AlignCenter, name);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(x1, y1), 3.5, 3.5);
        p.drawEllipse(QPointF(x2, y2), 3.5, 3.5);
        p.setBrush(Qt::NoBrush);
    };
    loadPair(106, lineY[0], 140, lineY[1], QRect(98, 110, 50, 40), QStringLiteral("R-N"));
    loadPair(88, lineY[1], 156, lineY[2], QRect(80, 198, 84, 40), QStringLiteral("N-T"));
    loadPair(448, lineY[0], 484, lineY[2], QRect(436, 110, 56, 40), QStringLiteral("R-T"));

    // The captions over the boxes of each group.
    p.setPen(Qt::black);
    p.setFont(sized(font(), 8));
    struct Caption
    {
        int x, y;
        const char *text;
    };
    const Caption captions[] = {{160, 96, "容量(kVA)"}, {264, 78, "容量(kW)"}, {264, 120, "力率"},
                                {160, 184, "容量(kVA)"}, {264, 168, "容量(kW)"}, {264, 208, "力率"},
                                {368, 96, "容量(kVA)"}, {368, 144, "容量(kW)"}, {368, 192, "力率"}};
    for (const Caption &c : captions)
        p.drawText(QRect(c.x, c.y, 70, 15), Qt::AlignLeft | Qt::AlignBottom, QString::fromUtf8(c.text));
}

} // namespace kb
