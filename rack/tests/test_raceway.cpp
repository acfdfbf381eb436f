#include "rackfixture.h"
#include "racewaymodel.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::test;

namespace {

const QString kInterval = u"支持間隔は１.５ｍとすることが望ましいのです。"_qs;

// A raceway window with one registered row of the given cross-section × count and kg/m × count.
struct Raceway : ::testing::Test
{
    TestFolder folder;
    Form19Model m;
    void SetUp() override { loadModel(m); }
    void registerRow(const QString &area, const QString &weight)
    {
        registerCable(m, u"CV2-2C"_qs);
        m.DENSEN_TOROKU[m.TOROKU_SUU][3] = area;
        m.DENSEN_TOROKU[m.TOROKU_SUU][5] = weight;
    }
};

} // namespace

TEST_F(Raceway, LoadSetsTheFixtureListsAndTheStandardType)
{
    EXPECT_EQ(m.Combo2, u"FL40Wx2");
    EXPECT_EQ(m.Combo2Items.size(), 10);
    EXPECT_EQ(m.Combo6, u"1");
    EXPECT_EQ(m.Combo6Items.size(), 10);
    EXPECT_EQ(m.Combo4, u"");
    EXPECT_EQ(m.Combo4Items.size(), 19);
    EXPECT_EQ(m.Combo4Items.last(), u"10");
    EXPECT_EQ(m.Combo1, u"1.5");
    EXPECT_EQ(m.Label1, u"ケーブル名称、本数を登録して下さい。初期設定は「標準タイプ」です。");
    EXPECT_EQ(m.Label3, u"器具の台数(ｍ/台)");
    EXPECT_EQ(m.RACE_SHUBETU, u"DP2");
    EXPECT_EQ(gridRow(m, 0), kRacewayHeadings);
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(Raceway, OccupancyAndSpanWeightWithoutFixtures)
{
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), QStringList{u"電線を登録して下さい。"_qs});

    registerRow(u"100"_qs, u"1.5"_qs);
    m.Command2_Click();
    EXPECT_EQ(m.Label6, u"100");
    EXPECT_EQ(m.Label11, u"7.1(%)");
    EXPECT_EQ(m.Label4, u"5.6");
    EXPECT_EQ(m.Label13, u" (kg)");
    EXPECT_EQ(m.Label14, u"(mm2)");
    EXPECT_EQ(m.Label8, u"断面積合計 　　占有率");
    EXPECT_EQ(m.Label7, u"支持間の重量");
    EXPECT_EQ(m.Label1, u"レースウェイは標準型です。");
    EXPECT_FALSE(m.fixturesVisible);
    EXPECT_EQ(m.Label3, u"");
    EXPECT_EQ(folder.messages().size(), 1);

    m.IDM_DPONE_Click();
    EXPECT_EQ(m.Label1, u"レースウェイを小型タイプに設定しました。");
    EXPECT_EQ(m.Label4, u"5.6"); // no recalculation until 計算
    m.Command2_Click();
    EXPECT_EQ(m.Label11, u"11.5(%)");
    EXPECT_EQ(m.Label4, u"4.6");
    EXPECT_EQ(m.Label1, u"レースウェイは小型です。");
}

TEST_F(Raceway, FixturesAddTheirLoadPerMetre)
{
    registerRow(u"100"_qs, u"1.5"_qs);
    const struct { const char16_t *type, *spacing, *count, *weight; } cases[] = {
        {u"FL40Wx2", u"2", u"1", u"8"},   // 1.5 × (16.5 + 15 + 22) = 80.25
        {u"FL40Wx2", u"１", u"2", u"15.4"}, // 1.5 × (66 + 37) = 154.5 to the even 154
        {u"FL32Wx2", u"1", u"1", u"10.4"},  // typed: 1.5 × (32 + 37) = 103.5 to the even 104
        {u"fl20wx1", u"1", u"0", u"5.6"},   // no fixture at a position weighs nothing
        {u"FL40W×2", u"", u"1", u"5.6"},    // without a spacing the type is not read
    };
    for (const auto &c : cases) {
        m.Combo2 = QString::fromUtf16(c.type);
        m.Combo4 = QString::fromUtf16(c.spacing);
        m.Combo6 = QString::fromUtf16(c.count);
        m.Command2_Click();
        EXPECT_EQ(m.Label4, QString::fromUtf16(c.weight)) << QString::fromUtf16(c.type).toStdString();
    }
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(Raceway, InputsThatMakeNoSenseAreRefusedAndEmptyTheResults)
{
    const QString command2 = u"エラーが発生しました。Command2_Click"_qs, hanTei = u"エラーが発生しました。HAN_TEI"_qs;
    registerRow(u"100"_qs, u"1.5"_qs);
    m.Combo2 = u"FL40Wx2"_qs;
    m.Combo4 = u"2"_qs;
    m.Command2_Click();
    ASSERT_EQ(m.Label4, u"8");
    const auto shown = [&] { return QStringList{m.Label1, m.Label8, m.Label13, m.Label14}; };
    const auto results = [&] { return QStringList{m.Label4, m.Label6, m.Label11}; };
    registerRow(u"300"_qs, u"40"_qs); // a result would now differ in every label
    const struct { const char16_t *type, *spacing, *count, *interval; const QString &box; } cases[] = {
        {u"FL40W×2", u"2", u"1", u"1.5", command2}, // a type the table does not weigh
        {u"FL40Wx2", u"2", u"-1", u"1.5", command2},
        {u"FL40Wx2", u"2", u"x", u"1.5", command2},
        {u"FL40Wx2", u"0", u"1", u"1.5", command2},
        {u"FL40Wx2", u"-2", u"1", u"1.5", command2},
        {u"FL40Wx2", u"x", u"1", u"1.5", command2},
        {u"FL40Wx2", u"2", u"1", u"0", hanTei},
        {u"FL40Wx2", u"2", u"1", u"-1.5", hanTei},
        {u"FL40Wx2", u"2", u"1", u"1.5m", hanTei}, // not read as 1.5
        {u"FL40Wx2", u"2", u"1", u"--------", hanTei},
    };
    // Every refusal stands over empty results: none of the shorter list shows beside the box.
    QStringList behind;
    folder.fake().onMessage = [&](const QString &) { behind = results(); };
    for (const auto &c : cases) {
        const QStringList before = shown();
        folder.fake().messages.clear();
        behind.clear();
        m.Combo2 = QString::fromUtf16(c.type);
        m.Combo4 = QString::fromUtf16(c.spacing);
        m.Combo6 = QString::fromUtf16(c.count);
        m.Combo1 = QString::fromUtf16(c.interval);
        m.Command2_Click();
        const std::string at = (m.Combo2 + u' ' + m.Combo4 + u' ' + m.Combo6 + u' ' + m.Combo1).toStdString();
        EXPECT_EQ(folder.messages(), QStringList{c.box}) << at;
        EXPECT_EQ(behind, QStringList(3, QString())) << at;
        EXPECT_EQ(shown(), before) << at;
        EXPECT_EQ(results(), QStringList(3, QString())) << at;
        EXPECT_EQ(m.num.KIGU_JURYO, 33) << at;
        m.Combo2 = u"FL40Wx2"_qs, m.Combo4 = u"2"_qs, m.Combo6 = u"1"_qs, m.Combo1 = u"1.5"_qs;
        m.Command2_Click();
        ASSERT_FALSE(results().contains(QString()));
    }
    folder.fake().onMessage = nullptr;
}

// A section sum beyond the window's figures (8 × 441 mm² of the default data's CVT22) is refused
// with the occupancy box, over no result of the shorter list.
TEST(RacewayCalculation, AListTooFullIsRefusedWithTheOccupancyBoxAndEmptiesTheResults)
{
    TestFolder folder;
    Form19Model m;
    loadModel(m, readDataText("CABLE-PIPE.txt", db::CablePipe));
    registerCable(m, u"CVT22"_qs, u"3"_qs);
    m.Command2_Click();
    ASSERT_EQ((QStringList{m.Label6, m.Label4, m.Label11}), (QStringList{u"1323"_qs, u"7.2"_qs, u"94.5(%)"_qs}));
    folder.fake().messages.clear();
    registerCable(m, u"CVT22"_qs, u"5"_qs);
    QStringList behind; // none of the three cables' figures beside the eight
    folder.fake().onMessage = [&](const QString &) { behind = QStringList{m.Label4, m.Label6, m.Label11}; };
    m.Command2_Click();
    folder.fake().onMessage = nullptr;
    EXPECT_EQ(folder.messages(), QStringList{kOccupancy});
    EXPECT_EQ(behind, QStringList(3, QString()));
    EXPECT_EQ((QStringList{m.Label4, m.Label6, m.Label11}), QStringList(3, QString()));
}

TEST_F(Raceway, JudgementBoxesInTheirOrder)
{
    registerRow(u"280"_qs, u"0"_qs); // 2800 / 14000 = 20.0 %
    m.Command2_Click();
    EXPECT_TRUE(folder.messages().isEmpty());
    m.DENSEN_TOROKU[1][3] = u"281.4"_qs; // 20.1 %
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), QStringList{kOccupancy});

    folder.fake().messages.clear();
    m.DENSEN_TOROKU[1][3] = u"10"_qs;
    m.DENSEN_TOROKU[1][5] = u"19.35"_qs; // 2 × (19.35 + 2.2) = 43.1 kg
    m.Combo1 = u"2"_qs;
    m.Command2_Click();
    EXPECT_EQ(m.Label4, u"43.1");
    EXPECT_EQ(folder.messages(), (QStringList{kInterval, u"支持間重量が43kgを超えています。支持間隔を狭めるか重量を軽くして下さい。"_qs}));

    folder.fake().messages.clear();
    m.DENSEN_TOROKU[1][5] = u"19.3"_qs; // 43.0 kg passes
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), QStringList{kInterval});

    folder.fake().messages.clear();
    m.Combo1 = u"3.5"_qs;
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), QStringList{kInterval});

    folder.fake().messages.clear();
    m.DENSEN_TOROKU[1][3] = u"300"_qs;
    m.Combo1 = u"--------"_qs; // the list's separator is no interval: refused before any judgement
    m.Command2_Click();
    EXPECT_EQ(m.Label4, QString());
    EXPECT_EQ(folder.messages(), QStringList{u"エラーが発生しました。HAN_TEI"_qs});
    EXPECT_EQ(m.Label1, u"レースウェイは標準型です。");
}

TEST_F(Raceway, NextCalculationKeepsTheTypeAndShowsTheFixtureBoxes)
{
    registerRow(u"100"_qs, u"1.5"_qs);
    m.Combo6 = u"3"_qs;
    m.Command2_Click();
    m.Command2_Click();
    EXPECT_FALSE(m.fixturesVisible);
    m.IDM_DPONE_Click();
    m.Command3_Click();
    EXPECT_EQ(m.Label1, u"ケーブル名称、本数を登録して下さい。レースウェイは小型です。");
    EXPECT_EQ(m.RACE_SHUBETU, u"DP1");
    EXPECT_TRUE(m.fixturesVisible);
    EXPECT_EQ(m.Combo2, u"FL40Wx2");
    EXPECT_EQ(m.Combo4, u"");
    EXPECT_EQ(m.Combo6, u"3");
    EXPECT_EQ(m.Text1, u"　　名　　　　　　称");
    EXPECT_EQ(m.Text2, u"2");
    m.Command3_Click();
    EXPECT_EQ(m.Text2, u"3");
    EXPECT_EQ(m.TOROKU_SUU, 0);
    EXPECT_EQ(gridRow(m, 1), QStringList(6, QString()));

    registerRow(u"100"_qs, u"1.5"_qs);
    m.Text2 = u"x"_qs;
    m.Command3_Click();
    EXPECT_EQ(folder.messages(), QStringList{u"エラーが発生しました。Command3_Click"_qs});
    EXPECT_EQ(m.TOROKU_SUU, 0);
    EXPECT_EQ(m.Text2, u"x");
}
