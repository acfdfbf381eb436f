#pragma once

#include <QPixmap>

namespace kb {

// The pictures of the menu buttons, drawn in plain lines: one for each thing a button opens.
enum class Picture {
    Conduit, CableRack, PullBox, Raceway, WireSize, FireAlarm, WiringDuct, Database,
    Motor, Motors, MercuryLamp, PackageAircon, VoltageDrop,
    ThreePhase3W, SinglePhase3W, SinglePhase2W, DirectCurrent2W, Unbalanced,
    LeftBend, Straight, Drop, TwistRight, RightBend, TwistLeft, TierDivision,
    Spare,
};

constexpr int kPictureSize = 64;

QPixmap drawPicture(Picture picture);

} // namespace kb
