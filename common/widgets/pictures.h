#pragma once

#include <QIcon>
#include <QToolButton>
#include <QWidget>

namespace kb {

// The pictures of the menu buttons, drawn in plain lines: one for each thing a button opens.
enum class Picture {
    Conduit, CableRack, PullBox, Raceway, WireSize, FireAlarm, WiringDuct, Database,
    Motor, Motors, MercuryLamp, PackageAircon, VoltageDrop,
    ThreePhase3W, SinglePhase3W, SinglePhase2W, DirectCurrent2W, Unbalanced,
    LeftBend, Straight, Drop, TwistRight, RightBend, TwistLeft, TierDivision,
    // The fire-alarm menu: the devices of the system.
    DetectorCount, Receiver, ManualCallPoint, AcousticDevice, Relay, WindowlessFloor, DataSearch,
    // The detector menu: the rooms, in plan or in section.
    GeneralRoom, NarrowRoom, CompartmentsInRow, OneCompartment, SteppedCeiling, SteppedCentre,
    Spare,
};

// The size the pictures are drawn for and shown at on the menu buttons.
constexpr int kPictureSize = 64;

// A picture as an icon. It is drawn afresh at the size and resolution it is shown
// at, so that it stays sharp on a printed page as on the screen.
QIcon pictureIcon(Picture picture);

// The program's icon: a conduit in cross-section on a tile, the same drawing as
// app/desktop/kembrel.svg. Drawn in code, it needs no image plugin.
QIcon programIcon();

// A picture button of a menu: the picture above its caption. It draws the picture
// itself, at the resolution of what it is painted on, where the style would take a
// copy of screen size: a printed menu shows its pictures as sharp as its captions.
class PictureButton : public QToolButton
{
    Q_OBJECT
public:
    PictureButton(Picture picture, const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A picture control of a window that shows one of the pictures, scaled to its size.
class PictureView : public QWidget
{
    Q_OBJECT
public:
    PictureView(Picture picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QIcon m_icon;
};

} // namespace kb
