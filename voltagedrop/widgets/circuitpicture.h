#pragma once

// The circuit pictures of the voltage-drop windows, drawn, not loaded: the input
// boxes of a window stand on them beside the parts they describe.

#include <QWidget>

namespace kb {

// A feeder: the breaker, the cable with its size and length, the panel with its
// load (and power factor), the grounding wire (green) and the bonding wire (red).
class FeederPicture : public QWidget
{
    Q_OBJECT
public:
    FeederPicture(const QString &circuitMark, const QString &panelLabel, bool showsPowerFactor, QWidget *parent);

    // Where the boxes go, in the picture's own coordinates.
    static QRect voltageBox() { return {10, 34, 104, 24}; }
    static QRect frameLabel() { return {86, 86, 78, 22}; }
    static QRect tripLabel() { return {86, 112, 78, 22}; }
    static QRect sizeBox() { return {156, 166, 110, 24}; }
    static QRect lengthBox() { return {276, 166, 64, 24}; }
    static QRect loadBox() { return {362, 122, 98, 24}; }
    static QRect powerFactorBox() { return {362, 170, 98, 24}; }
    static QRect earthLabel() { return {40, 244, 72, 22}; }
    static QRect bondLabel() { return {270, 232, 72, 22}; }
    static QSize pictureSize() { return {484, 276}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_mark;
    QString m_panel;
    bool m_powerFactor;
};

// The single-phase three-wire feeder with its three load groups between R, N and T.
// Drawn for 504 × 269 pixels and stretched to the picture's size.
class UnbalancedPicture : public QWidget
{
    Q_OBJECT
public:
    explicit UnbalancedPicture(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kb
