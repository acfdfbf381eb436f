// 段数分割計算: the list of conduits and the total width with the gaps.

#include "fakedialogs.h"
#include "form27model.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::pullbox;

namespace {

struct Screen
{
    ScopedFakeDialogs fake;
    Form27Model m;
    Screen() { m.Form_Load(); }
    void add(const QString &size, const QString &count)
    {
        m.Combo1 = size;
        m.Combo2 = count;
        m.Command5_Click();
    }
    QStringList list() const
    {
        QStringList texts;
        for (int r = 1; r <= m.HAIKAN_SUU; ++r)
            texts << m.MSFlexGrid2.textMatrix(r, 0) + " " + m.MSFlexGrid2.textMatrix(r, 1);
        return texts;
    }
};

TEST(TierDivision, Load)
{
    Screen s;
    EXPECT_EQ((QStringList{s.m.Combo1, s.m.Combo2, s.m.Combo3, s.m.Combo4}), (QStringList{"19", "1", "40", "1"}));
    EXPECT_EQ(s.m.MSFlexGrid1.textMatrix(0, 1), "合計寸法");
    EXPECT_EQ(s.m.MSFlexGrid1.textMatrix(0, 30), "  15");
    EXPECT_EQ(s.m.MSFlexGrid1.colWidth(29), 400);
    EXPECT_EQ(s.m.MSFlexGrid2.textMatrix(0, 0), "NO,");
    EXPECT_EQ(s.m.Combo3Items.size(), 17);
}

TEST(TierDivision, SizesPlusGapsBetweenNeighbours)
{
    Screen s;
    s.m.Command1_Click();
    EXPECT_EQ(s.m.MSFlexGrid1.textMatrix(1, 1), "0"); // nothing listed

    s.add("19", "3");
    s.add("104", "1");
    EXPECT_EQ(s.list(), (QStringList{"1 19", "2 19", "3 19", "4 104"}));
    s.m.Command1_Click();
    EXPECT_EQ(s.m.MSFlexGrid1.textMatrix(1, 1), "281");
    EXPECT_EQ(s.m.Label4, "40  40  281");
    s.m.Combo3 = "100";
    s.m.Command1_Click();
    EXPECT_EQ(s.m.MSFlexGrid1.textMatrix(1, 1), "461");

    Screen one;
    one.add("25", "1");
    one.m.Command1_Click();
    EXPECT_EQ(one.m.Label4, "40  0  25");
    EXPECT_TRUE(one.fake->messages.isEmpty());
}

// A size, count or gap that is not a number, a size of 0 or below, a negative
// count, a list past its 19 rows, or a total beyond 16 bits is refused with the
// handler's box and changes nothing.
TEST(TierDivision, RefusedInputsChangeNothing)
{
    Screen s;
    s.add("---", "1");
    s.add("19", "x");
    s.add("0", "1");
    s.add("-19", "1");
    s.add("0.4", "1");
    s.add("19", "-2");
    EXPECT_EQ(s.fake->messages, QStringList(6, "エラーが発生しました。Command5_Click"));
    EXPECT_EQ(s.m.HAIKAN_SUU, 0);
    EXPECT_TRUE(s.m.MSFlexGrid2.textMatrix(1, 1).isEmpty());
    s.add("19", "0"); // nothing to add, nothing refused
    EXPECT_EQ(s.fake->messages.size(), 6);
    s.fake->messages.clear();

    s.add("19", "18");
    s.add("19", "2");
    EXPECT_EQ(s.fake->messages, QStringList{"エラーが発生しました。Command5_Click"});
    EXPECT_EQ(s.m.HAIKAN_SUU, 18);
    s.add("19", "1");
    EXPECT_EQ(s.m.HAIKAN_SUU, 19);

    s.m.Combo3 = "---";
    s.m.Command1_Click();
    EXPECT_EQ(s.fake->messages.last(), "エラーが発生しました。Command1_Click");
    EXPECT_TRUE(s.m.MSFlexGrid1.textMatrix(1, 1).isEmpty());

    Screen big;
    big.add("30000", "2");
    big.m.Command1_Click();
    EXPECT_EQ(big.fake->messages, QStringList{"エラーが発生しました。Command1_Click"});
    EXPECT_EQ(big.m.GOUKEI, 0);
}

} // namespace
