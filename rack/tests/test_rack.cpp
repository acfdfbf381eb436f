#include "rackfixture.h"
#include "numtext.h"
#include "rackmodel.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::test;

namespace {

const QString kIntervalWarning = u"吊り間隔は２ｍ以下にして下さい。"_qs;
const QString kNotApplicable = u"計算対象外です。ケーブルの間隔を変更して下さい。"_qs;

// A rack window after the first calculation of one cable of diameter 13, count 2, 0.385 kg/m.
struct Calculated : ::testing::Test
{
    TestFolder folder;
    Form17Model m;
    void SetUp() override
    {
        loadModel(m);
        registerCable(m, u"CV2-2C"_qs, u"2"_qs);
        m.Command2_Click();
    }
    void recalculate(const QString &interval, const QString &spacing, const QString &factor)
    {
        m.Combo1 = interval;
        m.Combo2 = spacing;
        m.Combo4 = factor;
        m.Command2_Click();
    }
};

// A rack window with `count` cables of width 13 registered in one row.
void registerCount(Form17Model &m, int count)
{
    registerCable(m, u"CV2-2C"_qs, Str(count));
}

} // namespace

TEST(RackLoad, SetsItsTextsAndHidesTheConditions)
{
    TestFolder folder;
    Form17Model m;
    loadModel(m);
    EXPECT_EQ(m.Label1, u"ケーブル名称、本数を登録して下さい。");
    EXPECT_EQ(m.Label10, u"低圧電線・ケーブル");
    EXPECT_EQ(m.Label12, u"条件の変更は計算した後に行えます。");
    EXPECT_EQ(m.Text1, u"　　     名　　　　　　称");
    EXPECT_EQ(m.Text2, u"1");
    EXPECT_EQ(m.RACK_SHUBETU, u"QR");
    EXPECT_FALSE(m.Combo1Visible || m.Combo2Visible || m.Combo4Visible);
    EXPECT_EQ(m.Combo1Items.size(), 12);
    EXPECT_EQ(m.Combo3Items.size(), 50);
    EXPECT_EQ(gridRow(m, 0), kRackHeadings);
    EXPECT_EQ(m.MSFlexGrid1.colWidth(2), 1400);
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(Calculated, FullCalculationGivesWidthFactorWeightsAndInsert)
{
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_EQ(m.Text3, u"26");
    EXPECT_EQ(m.num.HITSUYOU_HABA, 66);
    EXPECT_EQ(m.Text4, u"200");
    EXPECT_EQ(m.Combo1, u"2");
    EXPECT_EQ(m.Combo2, u"S=d");
    EXPECT_EQ(m.Combo4, u"0.85");
    EXPECT_EQ(m.num.RACK_JURYO, 53);
    EXPECT_EQ(m.num.DENSEN_JURYO, 8);
    EXPECT_EQ(m.Label4, u"ラックの重量10.6kgを含む");
    EXPECT_EQ(m.num.TSURIMA_JURYO, 122);
    EXPECT_EQ(m.Label7, u"吊り間重量 12.2 kg");
    EXPECT_EQ(m.num.BORUTO_KAJU, 6);
    EXPECT_EQ(m.Label11, u"インサートは３分です");
    EXPECT_EQ(m.Label13, u"３分の許容荷重kg/本は 200");
    EXPECT_EQ(m.Label2, u"吊り間隔(m)");
    EXPECT_EQ(m.Label3, u"ラックの幅(mm)");
    EXPECT_EQ(m.Label5, u"ケーブル幅合計(mm)");
    EXPECT_EQ(m.Label6, u"ケーブルの間隔");
    EXPECT_EQ(m.Label8, u"電流減少係数");
    EXPECT_EQ(m.Label1, u"変更は「吊り間隔」「ケーブルの間隔」「電流減少係数」で行えます。");
    EXPECT_EQ(m.Label12, u"ケーブルの追加、削除が出来ます。");
    EXPECT_TRUE(m.Combo1Visible && m.Combo2Visible && m.Combo4Visible);
    EXPECT_EQ(m.ZENKAI, (std::array<QString, 3>{u"2"_qs, u"S=d"_qs, u"0.85"_qs}));
    EXPECT_EQ(m.KEISAN_KAISUU, 1);
}

TEST(RackCalculation, WidthLadderAndSpecialOrderStartsFromNoRack)
{
    TestFolder folder;
    Form17Model m;
    loadModel(m);
    registerCable(m, u"CV2-2C"_qs);
    const struct { const char16_t *sum; const char16_t *width; } cases[] = {
        {u"160", u"200"}, {u"161", u"300"}, {u"960", u"1000"}, {u"961", u"1200"}, {u"1160", u"1200"}, {u"1161", u"0"},
    };
    for (const auto &c : cases) {
        m.DENSEN_TOROKU[1][3] = QString::fromUtf16(c.sum);
        m.KEISAN_KAISUU = 0;
        m.Command2_Click();
        EXPECT_EQ(m.Text4, QString::fromUtf16(c.width)) << QString::fromUtf16(c.sum).toStdString();
    }
    EXPECT_EQ(folder.messages(), QStringList{u"特別注文のラックです。"_qs});
    EXPECT_EQ(m.num.RACK_JURYO, 0); // not the weight of the 1200 rack of the list before
    EXPECT_EQ(m.Label4, u"ラックの重量0kgを含む");
    EXPECT_EQ(m.Label7, u"吊り間重量 0.8 kg");
}

TEST(RackCalculation, CountsGiveTheFactorsAndAnOverflowStopsTheCalculation)
{
    const struct { int n; const char16_t *factor; } cases[] = {{1, u"1"}, {2, u"0.85"}, {3, u"0.8"}, {4, u"0.7"}};
    for (const auto &c : cases) {
        TestFolder folder;
        Form17Model m;
        loadModel(m);
        registerCount(m, c.n);
        m.Command2_Click();
        EXPECT_EQ(m.Combo4, QString::fromUtf16(c.factor)) << c.n;
    }
    TestFolder folder;
    Form17Model m;
    loadModel(m);
    EXPECT_NO_THROW(m.Command2_Click());
    EXPECT_EQ(folder.messages(), QStringList{u"電線・ケーブルを登録して下さい。"_qs});
    EXPECT_EQ(m.KEISAN_KAISUU, 0);
}

// A list whose widths or weights pass the window's figures is far beyond the widest rack: the
// calculation says so in the special-order words, leaves no result of the list before on show,
// and the next press refuses it again the same way.
TEST(RackCalculation, AListTooLargeIsASpecialOrderAndEmptiesTheResults)
{
    const struct { const char16_t *what, *width, *weight; } cases[] = {
        {u"width sum beyond 16 bits", u"40000", u"1"},
        {u"required width beyond 16 bits", u"32740", u"1"},
        {u"span weight beyond 16 bits", u"13", u"1700"},
    };
    for (const RackModel::Variant variant : {RackModel::Variant::Rack, RackModel::Variant::Duct}) {
        for (const auto &c : cases) {
            TestFolder folder;
            RackModel m(variant);
            loadModel(m);
            const auto results = [&] {
                return m.isDuct() ? QStringList{m.Text3, m.Label4, m.Label7}
                                  : QStringList{m.Text3, m.Text4, m.Label4, m.Label7, m.Label11, m.Label13};
            };
            registerCable(m, u"CV2-2C"_qs);
            m.Command2_Click();
            ASSERT_FALSE(results().contains(QString()));
            registerCable(m, u"CV2-2C"_qs);
            m.DENSEN_TOROKU[2][3] = QString::fromUtf16(c.width);
            m.DENSEN_TOROKU[2][5] = QString::fromUtf16(c.weight);
            m.Command2_Click();
            m.Command2_Click();
            const std::string at = (QString::fromUtf16(c.what) + (m.isDuct() ? u" duct"_qs : u" rack"_qs)).toStdString();
            const QString special = m.isDuct() ? u"特別注文のダクトです。"_qs : u"特別注文のラックです。"_qs;
            EXPECT_EQ(folder.messages(), QStringList(2, special)) << at;
            EXPECT_EQ(results(), QStringList(results().size(), QString())) << at;
            EXPECT_EQ(m.KEISAN_KAISUU, 0) << at;
        }
    }
}

// The default data's CVT22 (23.7 mm, 0.87 kg/m): three give 71 mm; 2000 more are a special order.
TEST(RackCalculation, TwoThousandCablesOfTheDefaultDataAreASpecialOrder)
{
    TestFolder folder;
    Form17Model m;
    loadModel(m, readDataText("CABLE-PIPE.txt", db::CablePipe));
    registerCable(m, u"CVT22"_qs, u"3"_qs);
    m.Command2_Click();
    ASSERT_EQ(m.Text3, u"71");
    ASSERT_EQ(m.Label7, u"吊り間重量 15.8 kg");
    registerCable(m, u"CVT22"_qs, u"2000"_qs);
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), QStringList{u"特別注文のラックです。"_qs});
    EXPECT_EQ((QStringList{m.Text3, m.Text4, m.Label4, m.Label7, m.Label11, m.Label13}), QStringList(6, QString()));
}

TEST_F(Calculated, IntervalChangeRecalculatesTheWeightsAndInsert)
{
    recalculate(u"1.5"_qs, u"S=d"_qs, u"0.85"_qs);
    EXPECT_EQ(m.num.TSURIMA_JURYO, 92); // 91.5 to the even 92
    EXPECT_EQ(m.Label7, u"吊り間重量 9.2 kg");
    EXPECT_EQ(m.Label4, u"ラックの重量7.95kgを含む");
    EXPECT_EQ(m.num.BORUTO_KAJU, 5);
    EXPECT_EQ(m.Text3, u"26");
    EXPECT_EQ(m.ZENKAI[0], u"1.5");
    EXPECT_EQ(m.Label1, u"ケーブルの追加又は削除も出来ます。新規の計算は「次の計算」をクリックする。");
    EXPECT_TRUE(folder.messages().isEmpty());

    recalculate(u"2.5"_qs, u"S=d"_qs, u"0.85"_qs);
    EXPECT_EQ(m.Label7, u"吊り間重量 15.2 kg");
    EXPECT_EQ(folder.messages(), QStringList{kIntervalWarning});

    recalculate(QString(), u"S=d"_qs, u"0.85"_qs); // the empty item
    EXPECT_EQ(folder.messages().last(), u"エラーが発生しました。 BASHO_CICHI");
    EXPECT_EQ(m.ZENKAI[0], u"2.5");
}

TEST_F(Calculated, SpacingChangeRecalculatesWidthFactorAndInsert)
{
    m.Label11 = u"stale"_qs;
    recalculate(u"2"_qs, u"S=2d"_qs, u"0.85"_qs);
    EXPECT_EQ(m.Text3, u"52");
    EXPECT_EQ(m.num.HITSUYOU_HABA, 92);
    EXPECT_EQ(m.Text4, u"200");
    EXPECT_EQ(m.Combo4, u"0.95");
    EXPECT_EQ(m.Label11, u"インサートは３分です");
    EXPECT_EQ(m.ZENKAI, (std::array<QString, 3>{u"2"_qs, u"S=2d"_qs, u"0.95"_qs}));

    m.DENSEN_TOROKU[1][3] = u"25"_qs;
    recalculate(u"2"_qs, u"S=1.5d"_qs, u"0.95"_qs);
    EXPECT_EQ(m.Text3, u"37.5");
    EXPECT_EQ(m.Combo4, u"0.95");

    m.DENSEN_TOROKU[1][3] = u"1100"_qs; // spread three times past the window's figures
    recalculate(u"2"_qs, u"S=3d"_qs, u"0.95"_qs);
    EXPECT_EQ(folder.messages(), QStringList{u"特別注文のラックです。"_qs});
    EXPECT_EQ(m.Text3, u"");
    EXPECT_EQ(m.ZENKAI[1], u"S=1.5d");
}

TEST(RackRecalculation, TheInsertFollowsTheSpanWeightOfANewSpacing)
{
    // One cable of 300 mm and 1.5 kg/m, a 3分 insert allowed 10 kg: with S=d the rack is
    // 400 wide and a bolt carries 8 kg; S=3d needs the 1000 rack and 10 kg a bolt, a 4分 insert.
    TestFolder folder;
    TextTable t = rackFixture();
    setRow(t, 196, {u"98.06"_qs, u"3920"_qs, u"5880"_qs});
    Form17Model m;
    loadModel(m, t);
    registerCable(m, u"BIG"_qs);
    m.Command2_Click();
    EXPECT_EQ(m.num.BORUTO_KAJU, 8);
    EXPECT_EQ(m.Label11, u"インサートは３分です");
    m.Combo2 = u"S=3d"_qs;
    m.Command2_Click();
    EXPECT_EQ(m.Text4, u"1000");
    EXPECT_EQ(m.Label7, u"吊り間重量 21 kg");
    EXPECT_EQ(m.num.BORUTO_KAJU, 10);
    EXPECT_EQ(m.Label11, u"インサートは４分です");
    EXPECT_EQ(m.Label13, u"４分の許容荷重kg/本は 400");
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST(RackRecalculation, ASpecialOrderHasNoRackWeightAndTheDuctKeepsItsOwn)
{
    // First a list that fits a 200 rack (duct), then one of 1234 mm: special order, no rack
    // weight. Within one calculation, a spacing that needs a special order (398 mm fits 500;
    // spread three times it does not) has no rack to weigh either, while the duct window keeps
    // the duct that calculation found, and its weight.
    const struct { RackModel::Variant variant; const char16_t *box, *weightNote; int16_t widthKept, weightKept; } windows[] = {
        {RackModel::Variant::Rack, u"特別注文のラックです。", u"ラックの重量", 0, 0},
        {RackModel::Variant::Duct, u"特別注文のダクトです。", u"ダクトの重量", 500, 67},
    };
    for (const auto &w : windows) {
        TestFolder folder;
        RackModel m(w.variant);
        loadModel(m);
        const QString box = QString::fromUtf16(w.box), note = QString::fromUtf16(w.weightNote);
        registerCable(m, u"CV2-2C"_qs, u"2"_qs);
        m.Command2_Click();
        ASSERT_EQ(m.num.RACK_JURYO, 53);
        m.Command3_Click();
        registerCable(m, u"BIG"_qs, u"4"_qs);
        registerCable(m, u"CV2-2C"_qs, u"2"_qs);
        m.Command2_Click();
        EXPECT_EQ(folder.messages(), QStringList{box});
        EXPECT_EQ(m.num.RACK_HABA, 0);
        EXPECT_EQ(m.num.RACK_JURYO, 0);
        EXPECT_EQ(m.Label4, note + u"0kgを含む"_qs);
        EXPECT_EQ(m.Label7, u"吊り間重量 13.6 kg"); // 2 × (0 + 60 + 8)

        m.Command3_Click();
        registerCable(m, u"BIG"_qs);
        registerCable(m, u"CV8-2C"_qs, u"7"_qs);
        m.Command2_Click();
        EXPECT_EQ(m.num.RACK_HABA, 500);
        m.Combo2 = u"S=3d"_qs;
        m.Command2_Click();
        EXPECT_EQ(folder.messages().last(), box);
        EXPECT_EQ(m.num.RACK_HABA, w.widthKept);
        EXPECT_EQ(m.num.RACK_JURYO, w.weightKept);
    }
}

// The rack and the duct window after the first calculation of the example list.
struct BothCalculated : ::testing::TestWithParam<RackModel::Variant>
{
    TestFolder folder;
    RackModel m{GetParam()};
    void SetUp() override
    {
        loadModel(m);
        registerCable(m, u"CV2-2C"_qs, u"2"_qs);
        m.Command2_Click();
    }
};

INSTANTIATE_TEST_SUITE_P(RackAndDuct, BothCalculated, ::testing::Values(RackModel::Variant::Rack, RackModel::Variant::Duct));

TEST_P(BothCalculated, AnIntervalChangeShowsTheSpacedWidthSum)
{
    m.Combo2 = u"S=2d"_qs;
    m.Command2_Click();
    ASSERT_EQ(m.Text3, u"52");
    m.Combo1 = u"1.5"_qs;
    m.Command2_Click();
    EXPECT_EQ(m.Text3, u"52");
    EXPECT_EQ(m.num.HABA_GOUKEI, 26);
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_P(BothCalculated, AnIntervalOfNoLengthIsRefusedAndEmptiesTheResults)
{
    const auto shown = [&] {
        return m.isDuct() ? QStringList{m.Text3, m.Label4, m.Label7} : QStringList{m.Text3, m.Text4, m.Label4, m.Label7, m.Label11, m.Label13};
    };
    const QStringList before = shown();
    for (const char16_t *interval : {u"-2", u"0", u"-0.5", u"x"}) {
        folder.fake().messages.clear();
        const double spanWeight = m.num.TSURIMA_JURYO;
        m.Combo1 = QString::fromUtf16(interval);
        m.Command2_Click();
        m.Command2_Click(); // the interval is not taken: the next press refuses it again
        const std::string at = QString::fromUtf16(interval).toStdString();
        EXPECT_EQ(folder.messages(), QStringList(2, u"エラーが発生しました。 BASHO_CICHI"_qs)) << at;
        EXPECT_EQ(shown(), QStringList(before.size(), QString())) << at;
        EXPECT_EQ(m.num.TSURIMA_JURYO, spanWeight) << at;
        EXPECT_EQ(m.ZENKAI[0], u"2") << at;
        // The interval put back is no change, yet the emptied results are shown again (the duct's
        // recalculations keep the decimals of its weights).
        m.Combo1 = u"2"_qs;
        m.Command2_Click();
        const QStringList again = m.isDuct() ? QStringList{u"26"_qs, u"ダクトの重量10.6kgを含む"_qs, u"吊り間重量 12.14 kg"_qs} : before;
        EXPECT_EQ(shown(), again) << at;
    }
}

TEST_F(Calculated, FactorChangeChoosesTheSpacing)
{
    recalculate(u"2"_qs, u"S=d"_qs, u"0.95"_qs);
    EXPECT_EQ(m.Combo2, u"S=2d");
    EXPECT_EQ(m.Combo4, u"0.95");
    EXPECT_EQ(m.ZENKAI, (std::array<QString, 3>{u"2"_qs, u"S=2d"_qs, u"0.95"_qs}));

    recalculate(u"2"_qs, u"S=2d"_qs, u"１"_qs); // the full-width list item reads as 1
    EXPECT_EQ(m.Combo2, u"S=3d");
    EXPECT_EQ(m.Combo4, u"1");

    recalculate(u"2"_qs, u"S=3d"_qs, u"abc"_qs);
    EXPECT_EQ(folder.messages(), QStringList{u"エラーが発生しました。 BASHO_CYON"_qs});
    EXPECT_EQ(m.ZENKAI[2], u"1");

    recalculate(u"2"_qs, u"S=3d"_qs, u"0.5"_qs); // no factor of the list: refused like no number
    EXPECT_EQ(folder.messages(), QStringList(2, u"エラーが発生しました。 BASHO_CYON"_qs));
    EXPECT_EQ(m.Combo2, u"S=3d");
    EXPECT_EQ(m.ZENKAI[2], u"1");

    recalculate(u"2"_qs, u"S=3d"_qs, u"0.950"_qs); // a factor of the list is read as a number
    EXPECT_EQ(m.Combo2, u"S=2d");
    EXPECT_EQ(m.ZENKAI[2], u"0.95");
    EXPECT_EQ(folder.messages(), QStringList(2, u"エラーが発生しました。 BASHO_CYON"_qs)); // none more
}

TEST(RackRecalculation, FactorsThatRewriteTheBoxRunAgain)
{
    TestFolder folder;
    Form17Model m;
    loadModel(m);
    registerCount(m, 4);
    m.Command2_Click();
    m.Combo4 = u"0.8"_qs;
    m.Command2_Click();
    EXPECT_EQ(m.Combo2, u"S=2d");
    EXPECT_EQ(m.Combo4, u"0.9");

    registerCount(m, 1); // five cables, a full calculation again from "2" and "S=d"
    m.Combo1 = u"1.5"_qs;
    m.Command2_Click();
    EXPECT_EQ(m.Combo1, u"2");
    EXPECT_EQ(m.Combo2, u"S=d");
    EXPECT_EQ(m.Combo4, u"0.7");
    m.Combo4 = u"1"_qs;
    m.Combo1 = u"2.5"_qs;
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), QStringList{kTwoChanges});
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), (QStringList{kTwoChanges, kTwoChanges}));
    m.Combo1 = u"2"_qs;
    m.Command2_Click();
    EXPECT_EQ(folder.messages().last(), kNotApplicable);
    EXPECT_EQ(m.Combo2, u"S=d");
    EXPECT_EQ(m.Combo4, u"0.7");
    EXPECT_EQ(m.ZENKAI[2], u"0.7");
}

TEST_F(Calculated, APressWithNothingChangedDoesNothing)
{
    m.Label7 = u"unchanged"_qs;
    m.Command2_Click();
    EXPECT_EQ(m.Label7, u"unchanged");
    EXPECT_EQ(m.KEISAN_KAISUU, 2);
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(Calculated, NextCalculationResetsTheWindow)
{
    m.Text2 = u"7"_qs;
    m.Command3_Click();
    EXPECT_EQ(m.Text2, u"8");
    EXPECT_EQ(m.Text1, u"　　名　　　　　　称");
    EXPECT_EQ(m.TOROKU_SUU, 0);
    EXPECT_EQ(m.KEISAN_KAISUU, 0);
    EXPECT_FALSE(m.Combo1Visible || m.Combo2Visible || m.Combo4Visible);
    EXPECT_EQ(gridRow(m, 1), QStringList(6, QString()));
    EXPECT_EQ(gridRow(m, 0), kRackHeadings);
    EXPECT_EQ(m.Label11, u"");
    EXPECT_EQ(m.Text4, u"");
    EXPECT_EQ(m.num.RACK_JURYO, 53); // the numeric results stay

    registerCable(m, u"CV2-2C"_qs);
    m.Text2 = u"x"_qs;
    m.Command3_Click();
    EXPECT_EQ(folder.messages(), QStringList{u"エラーが発生しました。Command3_Click"_qs});
    EXPECT_EQ(m.Text2, u"x");
    EXPECT_EQ(m.TOROKU_SUU, 0); // the list is as empty as the grid
    EXPECT_EQ(m.Combo5, u"1");
}

TEST(DuctWindow, LoadsWithTheIntervalAndThe100Pitch)
{
    TestFolder folder;
    Form29Model m;
    loadModel(m);
    EXPECT_EQ(m.Label1, u"ダクトの寸法を１００ピッチに設定しました。");
    EXPECT_EQ(m.Label2, u"支持間隔(m)");
    EXPECT_EQ(m.Combo1, u"2");
    EXPECT_TRUE(m.Combo1Visible);
    EXPECT_EQ(m.Combo1Items.size(), 11);
    EXPECT_EQ(m.Combo6, u"200");
    EXPECT_EQ(m.Combo6Items.size(), 10);
    EXPECT_EQ(m.Combo7, u"400");
    EXPECT_EQ(m.Combo7Items.size(), 20);
    EXPECT_EQ(m.Combo7Items.last(), u"2000");
    EXPECT_FALSE(m.Combo2Visible || m.Combo4Visible || m.Combo8Visible || m.Label13Visible);

    m.Combo6 = u"700"_qs;
    m.IDM_PITCH50_Click();
    EXPECT_EQ(m.Label1, u"ダクトの寸法を５０ピッチに設定しました。");
    EXPECT_EQ(m.Combo6, u"200");
    EXPECT_EQ(m.Combo6Items.size(), 19);
    EXPECT_EQ(m.Combo6Items[1], u"150");
    EXPECT_EQ(m.Combo7Items.size(), 39);
}

TEST(DuctWindow, CalculatesLikeTheRackWithoutWidthOrInsertAndUnroundedRecalculations)
{
    TestFolder folder;
    Form29Model m;
    loadModel(m);
    registerCable(m, u"CV2-2C"_qs, u"2"_qs);
    m.Combo1 = u"1.8"_qs;
    m.Command2_Click();
    EXPECT_EQ(m.Combo1, u"2");
    EXPECT_EQ(m.Text3, u"26");
    EXPECT_EQ(m.num.RACK_HABA, 200);
    EXPECT_EQ(m.Combo4, u"0.85");
    EXPECT_EQ(m.Label4, u"ダクトの重量10.6kgを含む");
    EXPECT_EQ(m.Label7, u"吊り間重量 12.2 kg");
    EXPECT_EQ(m.Label3, u"段数");
    EXPECT_EQ(m.Label15, u"１段");
    EXPECT_EQ(m.Label13, u"断面積(%)");
    EXPECT_EQ(m.Label11, u"幅(mm)");
    EXPECT_TRUE(m.Label13Visible && m.Combo8Visible);

    m.Combo1 = u"1.5"_qs;
    m.Command2_Click();
    EXPECT_EQ(m.Label4, u"ダクトの重量7.95kgを含む");
    EXPECT_EQ(m.Label7, u"吊り間重量 9.105 kg");
    m.Combo1 = u"2.5"_qs;
    m.Command2_Click();
    EXPECT_TRUE(folder.messages().isEmpty()); // no interval warning for the duct

    m.Combo2 = u"S=2d"_qs;
    m.Command2_Click();
    EXPECT_EQ(m.Label4.left(6), u"ダクトの重量");
    EXPECT_EQ(m.ZENKAI, (std::array<QString, 3>{u"2.5"_qs, u"S=2d"_qs, u"0.95"_qs}));
    EXPECT_TRUE(folder.messages().isEmpty());

    m.Command3_Click();
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 4), u"重量/m");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 5), u"重量合計/m");
    EXPECT_TRUE(m.Combo1Visible && m.Label13Visible);
    EXPECT_FALSE(m.Combo8Visible);
    EXPECT_EQ(m.Combo1, u"");
    EXPECT_EQ(m.Label11, u"幅(mm)");
    EXPECT_EQ(m.Label13, u"");
}

TEST(DuctWindow, SpecialOrderKeepsTheDuctWidth)
{
    TestFolder folder;
    Form29Model m;
    loadModel(m);
    registerCable(m, u"CV2-2C"_qs);
    m.DENSEN_TOROKU[1][3] = u"1161"_qs;
    const int16_t heldWidth = m.num.RACK_HABA;
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), QStringList{u"特別注文のダクトです。"_qs});
    EXPECT_EQ(m.num.RACK_HABA, heldWidth);

    // A sum beyond 16 bits is a special order too, as in the rack window, and ends the calculation.
    m.DENSEN_TOROKU[1][3] = u"40000"_qs;
    m.KEISAN_KAISUU = 0;
    m.Command2_Click();
    EXPECT_EQ(folder.messages().last(), u"特別注文のダクトです。");
    EXPECT_EQ(m.Label7, u"");
}
