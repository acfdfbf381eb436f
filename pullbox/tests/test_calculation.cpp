// The four pull-box geometries against hand-worked boxes, the angle bands, the
// rounding to the unit, and the failures each procedure traps for itself.

#include "dialogs.h"
#include "fakedialogs.h"
#include "pullboxfixture.h"

#include <gtest/gtest.h>
#include <cmath>
#include <vector>

using namespace kb;
using namespace kb::pullbox;
using namespace kb::pullbox::test;

namespace {

constexpr auto kDone = Calculation::Outcome::Done;
constexpr auto kFailed = Calculation::Outcome::Failed;

struct Box
{
    const char *name;
    Geometry geometry;
    const char *power;
    int angleMode;
    SettingsCells changes;                // cells that differ from the example settings
    std::vector<std::vector<int>> tiers;  // outer diameters, tier by tier (one row for drop and twist)
    Dims expected;
    double side = NAN;                    // Label6 of the drop and twist boxes
};

State stateFor(const Box &b)
{
    SettingsCells cells = exampleSettings();
    for (const auto &[r, text] : b.changes)
        cells[r] = text;
    State s = makeState(QString::fromUtf8(b.power), b.angleMode, cells);
    int t = 0;
    for (const auto &diameters : b.tiers) {
        ++t;
        int j = 0;
        for (int d : diameters)
            s.GAIKEI_HYOU[t][++j] = int16_t(d);
        s.DAN_HONSUU[t] = int16_t(j);
    }
    s.DAN_BANGOU = int16_t(std::max(t, 1));
    s.HONSUU = s.DAN_HONSUU[s.DAN_BANGOU];
    return s;
}

const SettingsCells kStraightOne{{row::Pitch, "20"}, {row::HeightFactor, "1.5"}};
const SettingsCells kStraightTwo{{row::Pitch, "20"}, {row::HeightFactor, "1.5"}};
const SettingsCells kStraightDeep{{row::Pitch, "20"}, {row::HeightFactor, "1.5"}, {row::StraightPower, "8"}};
const SettingsCells kDrop{{row::PowerBend, "1"}};

const Box kBoxes[] = {
    // Horizontal bends: one tier of 21, 26, 33.
    {"bend weak, automatic angle", Geometry::HorizontalBend, "OFF", 1, {}, {{21, 26, 33}}, {200, 200, 100, 0}},
    {"bend weak, angle always", Geometry::HorizontalBend, "OFF", 2, {}, {{21, 26, 33}}, {300, 300, 200, 40}},
    {"bend power, automatic angle", Geometry::HorizontalBend, "ON", 1, {}, {{21, 26, 33}}, {300, 300, 100, 0}},
    {"bend power, angle always", Geometry::HorizontalBend, "on", 2, {}, {{21, 26, 33}}, {350, 350, 200, 40}},
    {"bend weak, two tiers", Geometry::HorizontalBend, "OFF", 1, {}, {{21, 26, 33}, {42, 42}}, {200, 200, 200, 0}},
    {"bend power, two tiers", Geometry::HorizontalBend, "ON", 1, {}, {{21, 26, 33}, {42, 42}}, {350, 350, 200, 0}},
    // An empty second tier competes with one pitch (weak) or not at all (power), and adds g to H.
    {"bend weak, empty second tier", Geometry::HorizontalBend, "OFF", 1, {}, {{21, 26, 33}, {}}, {200, 200, 150, 0}},
    {"bend power, empty second tier", Geometry::HorizontalBend, "ON", 1, {}, {{21, 26, 33}, {}}, {300, 300, 150, 0}},
    {"bend, no angle", Geometry::HorizontalBend, "OFF", 3, {}, {{21, 26, 33}}, {200, 200, 100, 0}},
    // An angle of 37.5: W grows by 75, the angle shows 38 and H takes 76.
    {"bend, angle of 37.5", Geometry::HorizontalBend, "OFF", 2, {{row::Angle1, "37.5"}, {row::Unit, "1"}}, {{21, 26, 33}}, {275, 275, 175, 38}},
    // Half to even at every step: S = r16(21.5) = 22, W = r16(22.5) = 22.
    {"bend, half to even", Geometry::HorizontalBend, "OFF", 3, {{row::Pitch, "0.5"}, {row::Unit, "1"}}, {{21}}, {22, 22, 63, 0}},

    // Straight boxes.
    {"straight weak, one tier", Geometry::Straight, "OFF", 1, kStraightOne, {{26, 33, 42}}, {200, 150, 100, 0}},
    {"straight power, two tiers", Geometry::Straight, "ON", 1, kStraightTwo, {{42, 42, 42}, {87, 87}}, {250, 550, 350, 40}},
    // The depth's angle replaces the width's in 自動設定 and not in 補強付.
    {"straight, depth angle wins", Geometry::Straight, "ON", 1, kStraightDeep, {{42, 42, 42}, {87, 87}}, {250, 800, 350, 50}},
    {"straight, width angle stays", Geometry::Straight, "ON", 2, kStraightDeep, {{42, 42, 42}, {87, 87}}, {350, 800, 350, 40}},
    {"straight, no angle", Geometry::Straight, "ON", 3, kStraightTwo, {{42, 42, 42}, {87, 87}}, {250, 450, 250, 0}},
    // A fractional unit: W and H rise past their real floor multiples (59.4, 29.7), while
    // the depth of 10 equals its floor multiple 9.9 made whole and stays.
    {"straight, fractional unit", Geometry::Straight, "OFF", 1, {{row::Pitch, "20"}, {row::HeightFactor, "1.5"}, {row::StraightWeak, "0.5"}, {row::Unit, "3.3"}}, {{20}}, {63, 10, 33, 0}},

    // Drop boxes (k = 1).
    {"drop weak, automatic angle", Geometry::Drop, "OFF", 1, kDrop, {{60, 60, 33}}, {300, 200, 200, 0}, 140},
    {"drop weak, angle always", Geometry::Drop, "OFF", 2, kDrop, {{60, 60, 33}}, {400, 300, 300, 40}, 200},
    {"drop power", Geometry::Drop, "ON", 1, kDrop, {{60, 60, 33}}, {300, 150, 150, 0}, 90},
    {"drop, angle from the height", Geometry::Drop, "OFF", 2, kDrop, {{113}}, {300, 450, 450, 40}, 323.5},
    // Base height equal to the width: the height chooses, and W grows by 2a, not by 2 × 37.5.
    {"drop, tie goes to the height", Geometry::Drop, "OFF", 2, {{row::Angle1, "37.5"}, {row::Unit, "1"}}, {{30}}, {166, 166, 166, 38}, 166 - (30 + 15 + 38)},

    // Twist boxes: 16, 22, 28 registered (21, 26, 33).
    {"twist weak, automatic angle", Geometry::Twist, "OFF", 1, {}, {{21, 26, 33}}, {200, 200, 200, 0}, 40.5},
    {"twist weak, angle always", Geometry::Twist, "OFF", 2, {}, {{21, 26, 33}}, {300, 300, 300, 40}, 100.5},
    {"twist power, automatic angle", Geometry::Twist, "ON", 1, {}, {{21, 26, 33}}, {300, 200, 200, 0}, 140.5},
    {"twist power, angle always", Geometry::Twist, "ON", 2, {}, {{21, 26, 33}}, {350, 300, 300, 40}, 150.5},
    {"twist weak, a size 104", Geometry::Twist, "OFF", 1, {}, {{21, 26, 113}}, {300, 600, 300, 0}, 60.5},
};

TEST(PullBoxCalculation, WorkedBoxes)
{
    ScopedFakeDialogs fake;
    for (const Box &b : kBoxes) {
        SCOPED_TRACE(b.name);
        State s = stateFor(b);
        auto calc = makeCalculation(b.geometry, s);
        ASSERT_EQ(calc->run(), kDone);
        EXPECT_EQ(dims(s), b.expected);
        if (!std::isnan(b.side))
            EXPECT_DOUBLE_EQ(s.sideValue, b.side);
        EXPECT_TRUE(fake->messages.isEmpty()) << fake->messages.join(u'|').toStdString();
        // 計算 again on the same conduits gives the same box.
        const Dims first = dims(s);
        makeCalculation(b.geometry, s)->run();
        EXPECT_EQ(dims(s), first);
    }
}

TEST(PullBoxCalculation, AngleBands)
{
    struct Case
    {
        int x, mode;
        bool smallTakesAngle;
        int row;
    } cases[] = {
        {400, 1, true, 0},   {401, 1, true, 173},  {600, 1, true, 173},  {601, 1, true, 174}, {800, 1, true, 174},
        {801, 1, true, 175}, {1000, 1, true, 175}, {1001, 1, true, 176}, {0, 2, true, 173},   {400, 2, true, 173},
        {400, 2, false, 0},  {401, 2, false, 173}, {1001, 3, true, 0},   {500, 0, true, 0},   {500, 4, true, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(angleRow(c.x, c.mode, c.smallTakesAngle), c.row) << c.x << " in mode " << c.mode;
}

TEST(PullBoxCalculation, RoundingToTheUnit)
{
    EXPECT_EQ(roundUpToUnit(0, 50), 0);
    EXPECT_EQ(roundUpToUnit(200, 50), 200);
    EXPECT_EQ(roundUpToUnit(201, 50), 250);
    EXPECT_EQ(roundUpToUnit(26, 12.5), 38); // (2 + 1) × 12.5 = 37.5, rounded half to even
    // The straight box's depth compares with its floor multiple made whole: 9.9 becomes 10.
    EXPECT_EQ(roundUpToUnit(10, 3.3), 13);
    EXPECT_EQ(roundUpToUnit(10, 3.3, true), 10);
    EXPECT_EQ(roundUpToUnit(11, 3.3, true), 13);
    EXPECT_THROW(roundUpToUnit(201, 0), Failure);
    EXPECT_THROW(roundUpToUnit(32767, 50), Overflow);
}

// Each procedure traps its own failures under its own name, and the first box
// ends 計算: no later procedure runs and no result is shown.
TEST(PullBoxCalculation, FailuresOfEachProcedure)
{
    ScopedFakeDialogs fake;
    {
        State s = makeState("ON", 1);
        tier(s, 1, {21, 26, 33});
        s.CABLE_DATA.set(1, row::Pitch, "ピッチ");
        s.HABA = 999;
        EXPECT_EQ(makeCalculation(Geometry::HorizontalBend, s)->run(), kFailed);
        EXPECT_EQ(fake->messages, QStringList{"エラーが発生しました。Command2_Click"});
    }
    fake->messages.clear();
    {
        State s = makeState("ON", 1);
        s.CABLE_DATA.set(1, row::Unit, "0");
        tier(s, 1, {21, 26, 33});
        EXPECT_EQ(makeCalculation(Geometry::HorizontalBend, s)->run(), kFailed);
        EXPECT_EQ(fake->messages, QStringList{"エラーが発生しました。SUNPOU_CHOSEI"});
        EXPECT_EQ(dims(s), (Dims{254, 0, 99, 0})); // the depth is not set from an unrounded width
    }
    fake->messages.clear();
    {
        State s = makeState("OFF", 2);
        s.CABLE_DATA.set(1, row::Angle1, "");
        tier(s, 1, {21, 26, 33});
        s.TAKASA = 999;
        EXPECT_EQ(makeCalculation(Geometry::Twist, s)->run(), kFailed);
        EXPECT_EQ(fake->messages, QStringList{"エラーが発生しました。CHOU_SEI"});
        EXPECT_EQ(s.HABA, 200); // not widened
        EXPECT_EQ(s.TAKASA, 999); // and no height was made from it
    }
    fake->messages.clear();
    {
        // A failed angle row ends the bend's 計算 before its height and rounding.
        State s = makeState("OFF", 2);
        s.CABLE_DATA.set(1, row::HeightFactor, "x");
        tier(s, 1, {21, 26, 33});
        EXPECT_EQ(makeCalculation(Geometry::HorizontalBend, s)->run(), kFailed);
        EXPECT_EQ(fake->messages, QStringList{"エラーが発生しました。CHOU_SEI"});
        EXPECT_EQ(dims(s), (Dims{280, 0, 0, 40}));
    }
    fake->messages.clear();
    {
        State s = makeState("OFF", 2);
        s.CABLE_DATA.set(1, row::Angle1, "");
        tier(s, 1, {113});
        EXPECT_EQ(makeCalculation(Geometry::Drop, s)->run(), kFailed);
        EXPECT_EQ(fake->messages, QStringList{"エラーが発生しました。TAKASA_CHOUSEI"});
    }
    fake->messages.clear();
    {
        // A power tier of 31 conduits has no slot for its last candidate; 30 have.
        State s = makeState("ON", 3, [] { auto c = exampleSettings(); c[row::Pitch] = "1"; c[row::PowerBend] = "1"; return c; }());
        for (int j = 1; j <= 30; ++j)
            s.GAIKEI_HYOU[1][j] = 19;
        s.DAN_HONSUU[1] = 30;
        EXPECT_EQ(makeCalculation(Geometry::HorizontalBend, s)->run(), kDone);
        s.GAIKEI_HYOU[1][31] = 19;
        s.DAN_HONSUU[1] = 31;
        EXPECT_EQ(makeCalculation(Geometry::HorizontalBend, s)->run(), kFailed);
        EXPECT_EQ(fake->messages, QStringList{"エラーが発生しました。Command2_Click"});
    }
}

// The mode column, the power kind and the angle mode come from settings rows 170,
// 181 and 183; a value that names none of them is refused before anything is sized.
TEST(PullBoxCalculation, ConditionsThatNameNothingAreRefused)
{
    struct Case
    {
        const char *name;
        int mode;
        const char *power;
        int angleMode;
        bool refused;
    } cases[] = {
        {"no column of row 170 on", 0, "OFF", 1, true},
        {"mode past the user column", 4, "OFF", 1, true},
        {"power kind XX", 1, "XX", 1, true},
        {"power kind empty", 1, "", 1, true},
        {"angle mode 7", 1, "ON", 7, true},
        {"angle mode 0", 1, "ON", 0, true},
        {"power kind in lower case", 3, "on", 3, false},
        {"full-width OFF", 2, "ＯＦＦ", 2, false},
    };
    for (Geometry g : {Geometry::HorizontalBend, Geometry::Straight, Geometry::Drop, Geometry::Twist})
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.name) + " in geometry " + std::to_string(int(g)));
            ScopedFakeDialogs fake;
            State s = makeState(QString::fromUtf8(c.power), c.angleMode);
            for (int col = 2; col <= 3; ++col)
                for (const auto &[r, text] : exampleSettings())
                    s.CABLE_DATA.set(col, r, text);
            s.SUNPOU_MODE = int16_t(c.mode);
            tier(s, 1, {21, 26, 33});
            s.HABA = s.OKUYUKI = s.TAKASA = s.ANGURU_SUNPOU = 7;
            s.sideValue = 7;
            const auto outcome = makeCalculation(g, s)->run();
            if (c.refused) {
                EXPECT_EQ(outcome, Calculation::Outcome::Refused);
                EXPECT_EQ(fake->messages, QStringList{"エラーが発生しました。Command2_Click"});
                EXPECT_EQ(dims(s), (Dims{7, 7, 7, 7}));
                EXPECT_EQ(s.sideValue, 7);
                EXPECT_EQ(s.DAN_GOUKEI[1], 0);
            } else {
                EXPECT_EQ(outcome, kDone);
                EXPECT_TRUE(fake->messages.isEmpty());
            }
        }
}

} // namespace
