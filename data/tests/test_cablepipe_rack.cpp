// Lint of the insert loads of the default CABLE-PIPE data (row 196), which the cable-rack window
// reads by their numeric prefix. A fault shows no error there: a cell that does not read as a
// number gives an allowable load of 0, and loads out of order make a size never chosen.

#include "numtext.h"
#include "refdata.h"
#include "testenv.h"

#include <gtest/gtest.h>

using namespace kb;

namespace {

TextTable cablePipeData()
{
    return test::readDataText("CABLE-PIPE.txt", db::CablePipe);
}

} // namespace

TEST(CablePipeInsertLoads, ThreeLoadsInNewtonsGrowingWithTheSize)
{
    const TextTable t = cablePipeData();
    const int row = cablepipe::InsertLoadRow;
    double previousKg = 0;
    for (int c = 1; c <= 3; ++c) {
        const QString &cell = t.at(c, row);
        const std::optional<double> newtons = tryReadNumber(cell);
        ASSERT_TRUE(newtons.has_value()) << "column " << c << " \"" << cell.toStdString() << "\" is not a number";
        EXPECT_EQ(Val(cell), *newtons) << "column " << c << " reads otherwise by its prefix";
        const double kg = roundHalfEven(*newtons / 9.806);
        EXPECT_GT(kg, previousKg) << "column " << c << ": a larger insert must carry more";
        EXPECT_LE(kg, 32767) << "column " << c;
        previousKg = kg;
    }
    EXPECT_TRUE(t.at(4, row).isEmpty() && t.at(5, row).isEmpty());
}
