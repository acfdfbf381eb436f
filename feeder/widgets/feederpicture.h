#pragma once

// The wiring pictures of the package and mercury-lamp windows, drawn, not
// loaded: the result captions of a window stand on them beside the parts they
// describe. Each picture is drawn for its own size and stretched to its frame.

#include <QWidget>

namespace kb::feederui {

// A packaged air-conditioner feeder: the breaker box on a wall, the feeder in a
// conduit to the outdoor unit with its fan on top, the earth wire from the
// conduit to earth and the bonding wire from the conduit end to the unit.
class PackagePicture : public QWidget
{
    Q_OBJECT
public:
    explicit PackagePicture(QWidget *parent);

    static QSize pictureSize() { return {504, 270}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A mercury-lamp circuit: the breaker, the primary run in a conduit to the
// ballast box with one ballast per lamp, and the secondary runs to the lamps.
class LampPicture : public QWidget
{
    Q_OBJECT
public:
    explicit LampPicture(QWidget *parent);

    static QSize pictureSize() { return {288, 424}; }
    // Where the result captions go, in the picture's own coordinates.
    static QRect frameLabel() { return {112, 34, 110, 22}; }
    static QRect earthLabel() { return {4, 126, 76, 22}; }
    static QRect primarySizeLabel() { return {98, 140, 130, 22}; }
    static QRect primaryConduitLabel() { return {98, 166, 184, 22}; }
    static QRect secondarySizeLabel() { return {176, 300, 104, 22}; }
    static QRect spareLabel() { return {176, 326, 104, 22}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kb::feederui
