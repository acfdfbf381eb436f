// Lint of the pull-box settings rows of the default CABLE-PIPE data. A fault here
// shows only when a pull-box window calculates: an empty or non-numeric cell in the
// column of a mode ends 計算 in an error box, a unit of 0 leaves W and H unrounded,
// and conditions that do not read at load leave the option buttons unselected.

#include "numtext.h"
#include "refdata.h"
#include "testenv.h"

#include <gtest/gtest.h>

using namespace kb;
namespace cp = kb::cablepipe;

namespace {

const TextTable &data()
{
    static const TextTable table = test::readDataText("CABLE-PIPE.txt", db::CablePipe);
    return table;
}

// The rows the calculations read in the column of the calculation mode.
constexpr int kNumericRows[] = {171, 172, 173, 174, 175, 176, 178, 184, 185, 186, 187};

TEST(CablePipePullBox, EveryModeColumnHoldsNumbers)
{
    for (int r : kNumericRows)
        for (int c = 1; c <= 3; ++c)
            EXPECT_TRUE(tryReadNumber(data().at(c, r)).has_value()) << "row " << r << " column " << c;
    for (int c = 1; c <= 3; ++c) {
        EXPECT_GT(tryReadNumber(data().at(c, 178)).value_or(0), 0) << "the unit of column " << c;
        // The angle grows with the width band.
        for (int r = 173; r < 176; ++r)
            EXPECT_LE(tryReadNumber(data().at(c, r)).value_or(0), tryReadNumber(data().at(c, r + 1)).value_or(-1))
                << "angle rows " << r << " and " << r + 1 << ", column " << c;
    }
}

TEST(CablePipePullBox, ConditionsAtLoad)
{
    int on = 0;
    for (int c = 1; c <= 3; ++c)
        on += sameText(data().at(c, 170), u"ON");
    EXPECT_EQ(on, 1) << "row 170 must name exactly one mode";
    const QString power = data().at(1, 181);
    EXPECT_TRUE(sameText(power, u"ON") || sameText(power, u"OFF")) << power.toStdString();
    const auto angleMode = tryReadNumber(data().at(1, 183));
    ASSERT_TRUE(angleMode.has_value());
    EXPECT_TRUE(*angleMode == 1 || *angleMode == 2 || *angleMode == 3);
}

TEST(CablePipePullBox, EveryRowHasALabelTheDisplayCanShow)
{
    for (int r = cp::PullBoxSettingsFirst; r <= cp::PullBoxSettingsLast; ++r) {
        EXPECT_FALSE(data().at(4, r).isEmpty()) << "row " << r;
        for (int c = 1; c <= 4; ++c) {
            EXPECT_LE(data().at(c, r).size(), 20) << "row " << r << " column " << c;
            // The cell reader drops half-width blanks, so a label must not rely on them.
            EXPECT_FALSE(data().at(c, r).contains(u' ')) << "row " << r << " column " << c;
        }
    }
}

} // namespace
