#pragma once

// The pull-box calculations without any window: the registration tables, the
// three conditions, the settings rows and the results of one pull-box window,
// and the procedures of 計　算 for the four geometries.
//
// Every number is a signed 16-bit whole number of millimetres or a count; each
// assignment rounds half to even and fails beyond 16 bits (CInt), and the
// rounding of every intermediate sum is part of the result.

#include "pullboxdesign.h"
#include "texttable.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace kb::pullbox {

inline constexpr int kMaxTiers = 8;      // tiers the registration accepts
inline constexpr int kTierSlots = 30;    // slots of the per-tier tables
inline constexpr int kMaxConduits = 50;  // conduits of one tier (or of the one row)
inline constexpr int kPowerSlots = 30;   // width candidates of one power tier (bends)
inline constexpr int kScannedTiers = 10; // tiers the weak-current width and the largest diameters scan

// Settings rows (PullBoxSettingsRow) of CABLE-PIPE.
namespace row {
inline constexpr int Heading = 169, Mode = 170, Pitch = 171, PowerBend = 172, Angle1 = 173, Angle2 = 174,
                     Angle3 = 175, Angle4 = 176, Unit = 178, PowerKind = 181, AngleMode = 183,
                     HeightFactor = 184, StraightPower = 185, TierPitch = 186, StraightWeak = 187, Last = 190;
}

using TierTable = std::array<int16_t, kTierSlots + 1>; // slot t = tier t; slot 0 unused

struct State
{
    // Registration (the drop and twist windows keep their one row as tier 1).
    int16_t DAN_BANGOU = 0;
    int16_t HONSUU = 0;
    TierTable DAN_HONSUU{};
    std::array<std::array<int16_t, kMaxConduits + 1>, kTierSlots + 1> GAIKEI_HYOU{};

    // Conditions.
    int16_t SUNPOU_MODE = 0;  // 1 標準, 2 節約, 3 ﾕｰｻﾞｰ: the value column of the settings rows
    QString DENGEN_KUBUN;     // "ON" 強電, "OFF" 弱電
    int16_t ANGURU_MODE = 0;  // 1 自動設定, 2 補強付, 3 補強なし
    TextTable CABLE_DATA;

    // Results and work tables.
    int16_t HABA = 0, OKUYUKI = 0, TAKASA = 0, ANGURU_SUNPOU = 0;
    TierTable DAN_GOUKEI{}, DAN_HABA{}, SAIDAI_GAIKEI{};
    std::array<int16_t, kMaxConduits + 1> HABA_KOUHO{};

    // The drop and twist windows' side values for their labels.
    double sideValue = 0; // Label6 of the drop and twist windows

    // d(t, j) and n(t).
    int16_t d(int t, int j) const { return GAIKEI_HYOU[t][j]; }
    int16_t n(int t) const { return DAN_HONSUU[t]; }
    // A settings cell of the value column that SUNPOU_MODE selects, read strictly.
    double setting(int r) const;
    bool isPower() const;
    bool isWeak() const;
    // The three conditions name a value column, a power kind and an angle mode.
    bool conditionsValid() const;
    // Some tier up to the current one holds a conduit.
    bool hasConduits() const;
    // Forgets the conduits of tiers 1..10.
    void clearTiers();
};

// The angle row for a dimension X: 0 for no angle. In 補強付 a dimension up to
// 400 takes row 173 when smallTakesAngle (the width of every geometry); the
// straight box's depth does not.
int angleRow(int x, int angleMode, bool smallTakesAngle = true);

// Raises X to a multiple of the unit u (0 stays 0); u must not be 0. With
// wholeFloor the floor multiple is made a whole number before X is compared with
// it (the straight box's depth), so with a fractional unit a depth that equals
// its rounded floor multiple stays.
int16_t roundUpToUnit(int16_t x, double u, bool wholeFloor = false);

// 計　算 of one geometry: the steps of Command2_Click after its guard, with the
// procedures it calls (CHOU_SEI, TAKASA_CHOUSEI, SUNPOU_CHOSEI). Each procedure
// traps its own failures under its own name (the box "エラーが発生しました。" and
// the name). The first such box ends the calculation: no later procedure runs and
// no result text is written, so a box half sized (a width with its angle and a
// height of 0, or dimensions not raised to the unit) is never shown as a result.
class Calculation
{
public:
    enum class Outcome {
        Done,    // the box is sized
        Refused, // the conditions name no mode, power kind or angle mode: nothing was touched
        Failed,  // a procedure failed part-way: its box is shown and the results are not to be shown
    };

    explicit Calculation(State &state) : s(state) {}
    virtual ~Calculation() = default;

    Outcome run();

protected:
    // False when a procedure failed (its box shown).
    virtual bool compute() = 0;
    State &s;
};

std::unique_ptr<Calculation> makeCalculation(Geometry g, State &s);

} // namespace kb::pullbox
