#include "rackcalc.h"
#include "rackfixture.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::rack;

TEST(RackTables, LadderHasNo1100RungAndEndsAt1200)
{
    const struct { int required; std::optional<int> width; } cases[] = {
        {66, 200}, {200, 200}, {201, 300}, {1000, 1000}, {1001, 1200}, {1200, 1200}, {1201, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ladderWidth(c.required), c.width) << c.required;
}

TEST(RackTables, QrRackWeightIsAThirdOfTRounded)
{
    const int widths[] = {200, 300, 400, 500, 600, 700, 800, 900, 1000, 1200};
    const int weights[] = {53, 57, 60, 67, 73, 77, 80, 83, 90, 93};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(rackWeight(widths[i]), weights[i]) << widths[i];
    EXPECT_EQ(rackWeight(0), std::nullopt);
    EXPECT_EQ(rackWeight(1100), std::nullopt);
}

TEST(RackTables, ReductionFactorBySpacingAndCount)
{
    const struct { const char16_t *spacing; int n; std::optional<int> factor; } cases[] = {
        {u"S=d", 1, 100}, {u"S=d", 2, 85}, {u"S=d", 3, 80}, {u"S=d", 4, 70}, {u"S=d", 9, 70},
        {u"s=2D", 3, 95}, {u"S=2d", 6, 90}, {u"S=2d", 7, 80},
        {u"S=3d", 3, 100}, {u"S=3d", 4, 95}, {u"S=3d", 30, 95},
        {u"S=1.5d", 2, std::nullopt}, {u"S=d", 0, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(reductionFactor(QStringView(c.spacing), c.n), c.factor) << QString::fromUtf16(c.spacing).toStdString() << c.n;
    EXPECT_EQ(spacingCoefficient(u"S=2.5d"), 25);
    EXPECT_EQ(spacingCoefficient(u"S=4d"), 0);
}

TEST(RackTables, FactorRulesSetASpacingOrRefuse)
{
    const struct { double factor; int n; bool refused; const char16_t *spacing; } cases[] = {
        {1, 0, false, u""}, {1, 3, false, u"S=3d"}, {1, 4, true, u""},
        {0.95, 1, false, u""}, {0.95, 2, false, u"S=2d"}, {0.95, 6, false, u"S=3d"}, {0.95, 7, true, u""},
        {0.9, 3, false, u""}, {0.9, 4, false, u"S=2d"}, {0.9, 20, false, u"S=3d"}, {0.9, 21, true, u""},
        {0.85, 1, false, u""}, {0.85, 2, false, u"S=d"}, {0.85, 6, false, u"S=2d"}, {0.85, 500, false, u"S=3d"},
        {0.8, 2, false, u""}, {0.8, 3, false, u"S=d"}, {0.8, 20, false, u"S=2d"}, {0.8, 21, true, u""},
        {0.7, 5, false, u""}, {0.7, 6, false, u"S=d"}, {0.7, 21, true, u""},
    };
    for (const auto &c : cases) {
        const FactorRule rule = factorRule(c.factor, c.n);
        EXPECT_EQ(rule.refused, c.refused) << c.factor << " " << c.n;
        EXPECT_EQ(rule.spacing, QString::fromUtf16(c.spacing)) << c.factor << " " << c.n;
    }
}

TEST(RackTables, InsertFromRow196WithStrictComparisons)
{
    TextTable t = test::rackFixture();
    const InsertLoads loads = insertLoads(t);
    EXPECT_EQ(loads.kg3, 200); // 1960 N / 9.806
    EXPECT_EQ(loads.kg4, 400);
    EXPECT_EQ(loads.kg5, 600);
    EXPECT_EQ(chooseInsert(6, loads).size, u"インサートは３分です");
    EXPECT_EQ(chooseInsert(6, loads).allowed, u"３分の許容荷重kg/本は 200");
    EXPECT_EQ(chooseInsert(200, loads).size, u"インサートは４分です"); // equal moves to the next size
    EXPECT_EQ(chooseInsert(200, loads).allowed, u"４分の許容荷重kg/本は 400");
    EXPECT_EQ(chooseInsert(400, loads).size, u"インサートは５分以上です");

    const InsertLoads none = insertLoads(emptyTable(db::CablePipe));
    EXPECT_EQ(chooseInsert(0, none).size, u"インサートは５分以上です");
    EXPECT_EQ(chooseInsert(0, none).allowed, u"５分の許容荷重kg/本は 0");
}

TEST(RacewayTables, TypesFixturesAndSpanLimits)
{
    EXPECT_EQ(racewayType(u"DP1")->innerArea, 8700);
    EXPECT_EQ(racewayType(u"dp2")->weight, 22);
    EXPECT_FALSE(racewayType(u"DP3"));
    EXPECT_EQ(fixtureWeight(u"FL32Wx2"), 32);
    EXPECT_EQ(fixtureWeight(u"fl40wx2"), 33);
    EXPECT_FALSE(fixtureWeight(u"FL40W"));

    const struct { const char16_t *type; double L; std::optional<int> limit; } cases[] = {
        {u"DP2", 0, std::nullopt}, {u"DP2", 1, 140}, {u"DP2", 1.5, 82}, {u"DP2", 1.6, 55}, {u"DP2", 2, 43},
        {u"DP2", 2.5, 25}, {u"DP2", 3, 15}, {u"DP2", 3.5, std::nullopt},
        {u"DP1", 0.5, 66}, {u"DP1", 1.2, 28}, {u"DP1", 1.8, 18}, {u"DP1", 1.9, 14}, {u"DP1", 2.1, 7}, {u"DP1", 2.6, 3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(spanWeightLimit(QStringView(c.type), c.L), c.limit) << c.L;
    EXPECT_EQ(spanWeightMessage(43), u"支持間重量が43kgを超えています。支持間隔を狭めるか重量を軽くして下さい。");
}
