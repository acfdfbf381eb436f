// The motor window's procedures around the calculation: load defaults, 次の計算,
// 始に戻す, データ読込み, the grid reset and the setting menus.

#include "form7model.h"
#include "feedertest.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::feeder;

namespace {

// The capacity list runs from 0.2 to 75 kW.
const char *const kCapacities = R"(
@row 11
0.2
0.4
@row 27
75
)";

struct Loaded
{
    test::TestFolder folder;
    Form7Model m;
    explicit Loaded(const QStringList &settings)
    {
        m.DD = feedertest::table(QByteArray(kCapacities) + feedertest::kMotor22Rows);
        for (int c = 0; c < settings.size(); ++c)
            m.DD.set(c + 1, 2, settings.at(c));
        m.layOutGrid();
        m.setDefaults();
    }
};

} // namespace

TEST(MotorWindow, LoadDefaultsFollowTheSettingsRow)
{
    {
        Loaded w({});
        EXPECT_EQ(w.m.KEISAN_MODE, "SEKOU");
        EXPECT_TRUE(w.m.Text4Enabled);
        EXPECT_TRUE(w.m.Combo4Items.isEmpty());
        EXPECT_EQ(w.m.Label1, "必須条件３箇所,定格電流,電線長さを入力してください。");
        EXPECT_EQ(w.m.Combo1Items.size(), 17);
        EXPECT_EQ(w.m.Combo1Items.first(), "0.2");
        EXPECT_EQ(w.m.Combo1Items.last(), "75");
        EXPECT_EQ(w.m.Combo2, "200V級");
        EXPECT_EQ(w.m.Combo3Items, QStringList({"直入れ", "ｽﾀｰﾃﾞﾙﾀ"}));
        EXPECT_EQ(w.m.Combo5Items.size(), 25);
        EXPECT_EQ(w.m.Combo5Items.last(), "30");
        EXPECT_EQ(w.m.Combo6Items.size(), 10);
        EXPECT_EQ(w.m.Text2, "1");
        EXPECT_EQ(w.m.MSFlexGrid1.textMatrix(0, 0), "ＮＯ");
        EXPECT_EQ(w.m.MSFlexGrid1.textMatrix(0, 25), "予　備");
        EXPECT_EQ(w.m.MSFlexGrid1.textMatrix(100, 0), "100");
        EXPECT_EQ(w.m.MSFlexGrid1.colWidth(24), 1300);
    }
    {
        Loaded w({"", "", "設計", "", "", "CV-3C", "KVAR", "RACK"});
        EXPECT_FALSE(w.m.Text4Enabled);
        EXPECT_EQ(w.m.Combo4Items.size(), 13);
        EXPECT_EQ(w.m.Combo4Items.first(), "CV2-3C");
        EXPECT_EQ(w.m.Combo4Items.last(), "CV325-3C");
        EXPECT_EQ(w.m.Label1, "必須条件３箇所を入力してください。");
    }
    {
        Loaded w({"", "", "施工", "", "", "IV"});
        EXPECT_EQ(w.m.KEISAN_MODE, "");
        EXPECT_TRUE(w.m.Text4Enabled);
        EXPECT_EQ(w.m.Label1, "ＩＶに設定");
        EXPECT_EQ(w.m.Combo4Items, QStringList({"1.6X3", "2.0X3", "3.5X3", "5.5X3", "8X3", "14X3", "22X3", "38X3", "60X3",
                                                "100X3", "150X3", "200X3", "250X3", "325X3", "400X3", "500X3"}));
    }
}

TEST(MotorWindow, NextCalculationReadBackAndStartAgain)
{
    Loaded w({"", "", "設計", "", "", "IV", "KVAR", "C"});
    Form7Model &m = w.m;
    m.Combo1 = "22";
    m.Text3 = "P-1";
    m.Command1_Click();
    ASSERT_EQ(m.MSFlexGrid1.textMatrix(1, 11), "38X3");

    m.Command2_Click();
    EXPECT_EQ(m.Text2, "2");
    EXPECT_EQ(m.KEISAN_KAISUU, 0);
    EXPECT_EQ(m.Combo1, "");
    EXPECT_EQ(m.Combo2, "200V級");
    EXPECT_FALSE(m.Combo4Enabled);
    EXPECT_FALSE(m.Text1Enabled);
    EXPECT_EQ(m.Label7, "");
    EXPECT_EQ(m.Text4, "");
    EXPECT_EQ(m.Label1, "必須条件３箇所,定格電流,電線長さを入力してください。");

    // データ読込み without a picked row only opens the boxes.
    m.Command5_Click();
    EXPECT_EQ(w.folder.messages(), QStringList({"読込む行番号を選択後にクリックして下さい。"}));
    EXPECT_TRUE(m.Combo4Enabled);

    m.MSFlexGrid1.setRow(1);
    m.MSFlexGrid1_Click();
    EXPECT_EQ(m.SENTAKU_GYOU, 1);
    m.FUSETU_HOUHOU = "G";
    m.Command5_Click();
    EXPECT_EQ(m.SENTAKU_GYOU, 0);
    EXPECT_EQ(m.Text2, "1");
    EXPECT_EQ(m.Text3, "P-1");
    EXPECT_EQ(m.Combo2, "200V級"); // the list item, which later rows then show
    EXPECT_EQ(m.Combo5, "2.04");
    EXPECT_EQ(m.Text4, "84");
    EXPECT_EQ(m.FUSETU_HOUHOU, "C"); // thick steel comes back as thin steel
    EXPECT_EQ(m.Label7, "51・可とう管50");
    EXPECT_EQ(m.Text1, "30");

    // 始に戻す calculates the row afresh from the design row.
    m.KEISAN_KAISUU = 3;
    m.Combo4 = "60X3";
    m.Command4_Click();
    EXPECT_EQ(m.KEISAN_KAISUU, 1);
    EXPECT_EQ(m.Combo4, "38X3");
    EXPECT_EQ(m.Combo5, "2.04");
    EXPECT_EQ(m.Label1, "初期条件で計算しました。");

    // 全てクリアーする: fresh grid, boxes cleared, data number 1.
    m.Text2 = "x";
    m.IDM_ALLCLIA_Click();
    EXPECT_EQ(w.folder.messages().last(), "エラーが発生しました。Command2_Click");
    EXPECT_EQ(m.Text2, "1");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 11), "");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 0), "1");
}

TEST(MotorWindow, ReloadedRowRecalculatesAfterOneEdit)
{
    Loaded w({"", "", "設計", "", "", "IV", "KVAR", "C"});
    Form7Model &m = w.m;
    m.Combo1 = "22";
    m.Command1_Click();
    m.Command2_Click();

    // The row as a result file gives it back: the blanks of its cells are gone.
    struct Case
    {
        const char *frame, *output, *size;
    };
    for (const Case &c : {Case{"150 AF", "22kW", "38X3"}, Case{"150AF", " 22 kW ", " 38X3 "}}) {
        m.MSFlexGrid1.setTextMatrix(1, 4, QString::fromUtf8(c.frame));
        m.MSFlexGrid1.setTextMatrix(1, 6, QString::fromUtf8(c.output));
        m.MSFlexGrid1.setTextMatrix(1, 11, QString::fromUtf8(c.size));
        m.MSFlexGrid1.setTextMatrix(1, 12, "2.04");
        m.MSFlexGrid1.setTextMatrix(1, 13, "1.02");
        m.MSFlexGrid1.setTextMatrix(1, 20, "30");
        m.MSFlexGrid1.setRow(1);
        m.MSFlexGrid1_Click();
        m.Command5_Click();
        EXPECT_EQ(m.Combo1, "22") << c.output;
        EXPECT_EQ(m.Combo4, "38X3") << c.size;
        EXPECT_EQ(m.Label10, QString::fromUtf8(c.frame)) << c.frame;

        m.Text1 = "60";
        m.Command1_Click();
        EXPECT_EQ(w.folder.messages(), QStringList()) << c.frame;
        EXPECT_EQ(m.HENKOU_CODE, "T1");
        EXPECT_EQ(m.Label1, "電線のサイズ又は長さの変更計算をしました。");
        const QStringList row = feedertest::gridRow(m.MSFlexGrid1, 1, 20);
        EXPECT_EQ(QStringList({row.at(5), row.at(9), row.at(10), row.at(11), row.at(12), row.at(19)}),
                  QStringList({"22kW", "84", "38X3", "4.09", "2.04", "60"}));
        EXPECT_EQ(row.at(3), QString::fromUtf8(c.frame));
    }

    // 始に戻す recalculates the reloaded row from its design row.
    m.MSFlexGrid1.setRow(1);
    m.MSFlexGrid1_Click();
    m.Command5_Click();
    m.Command4_Click();
    EXPECT_EQ(w.folder.messages(), QStringList());
    EXPECT_EQ(m.Text1, "30");
    EXPECT_EQ(m.Combo5, "2.04");
    EXPECT_EQ(m.Label10, "150 AF");
    EXPECT_EQ(m.Label1, "初期条件で計算しました。");
}

TEST(MotorWindow, StartAgainRefusedKeepsTheRefusalsStatus)
{
    Loaded w({"", "", "設計", "", "", "IV", "KVAR", "C"});
    Form7Model &m = w.m;
    m.Combo1 = "22";
    m.Command1_Click();
    const QStringList row = feedertest::gridRow(m.MSFlexGrid1, 1, 24);
    for (const char *output : {"", "22.0"}) {
        m.Combo1 = QString::fromUtf8(output);
        m.Command4_Click();
        EXPECT_EQ(m.Label1, "") << output;
        EXPECT_EQ(m.KEISAN_KAISUU, 0) << output;
        EXPECT_EQ(feedertest::gridRow(m.MSFlexGrid1, 1, 24), row) << output;
    }
    EXPECT_EQ(w.folder.messages(), QStringList({"モーターの容量を選択して下さい。", "該当する容量がありません、該当するものに変更して下さい。"}));
}

TEST(MotorWindow, SettingMenus)
{
    Loaded w({});
    Form7Model &m = w.m;
    const struct
    {
        void (Form7Model::*handler)();
        QString *value;
        const char *expected, *status;
    } cases[] = {
        {&Form7Model::IDM_JIKAYO_Click, &m.DENGEN_SHUBETU, "JIKAYO", "自家用に設定"},
        {&Form7Model::IDM_TOKYO_Click, &m.DENGEN_SHUBETU, "TODEN", "東京電力に設定"},
        {&Form7Model::IDM_GOJU_Click, &m.SHUHASU, "50", "５０Ｈｚに設定"},
        {&Form7Model::IDM_ROKUJU_Click, &m.SHUHASU, "60", "６０Ｈｚに設定"},
        {&Form7Model::IDM_ATUKOU_Click, &m.FUSETU_HOUHOU, "G", "厚鋼配管「Ｇ」に設定"},
        {&Form7Model::IDM_USUI_Click, &m.FUSETU_HOUHOU, "C", "薄鋼配管「Ｃ」に設定"},
        {&Form7Model::IDM_RACK_Click, &m.FUSETU_HOUHOU, "RACK", "ケーブルラックに設定"},
        {&Form7Model::IDM_KVAR_Click, &m.KONDENSA_HYOJI, "KVAR", "コンデンサ kVar表示に設定"},
        {&Form7Model::IDM_MICRO_Click, &m.KONDENSA_HYOJI, "MICRO", "コンデンサ μF表示に設定"},
        {&Form7Model::IDM_CV3C_Click, &m.DENSEN_SHUBETU, "CV-3C", "ＣＶ－３Ｃに設定"},
    };
    for (const auto &c : cases) {
        m.Combo4 = "22X3";
        (m.*c.handler)();
        EXPECT_EQ(*c.value, QString::fromUtf8(c.expected));
        EXPECT_EQ(m.Label1, QString::fromUtf8(c.status));
    }
    EXPECT_EQ(m.Combo4, ""); // the wire-type switch empties the size
}

TEST(MotorWindow, RowReadBackIsRecalculatedInPlaceAndTheNextMotorGoesBelowTheStoredRows)
{
    Loaded w({"", "", "設計", "", "", "IV", "KVAR", "C"});
    Form7Model &m = w.m;
    for (const char *name : {"P-1", "P-2"}) {
        m.Combo1 = "22";
        m.Text3 = QString::fromUtf8(name);
        m.Command1_Click();
        m.Command2_Click();
    }
    ASSERT_EQ(m.Text2, "3");

    m.MSFlexGrid1.setRow(1);
    m.MSFlexGrid1_Click();
    m.Command5_Click();
    m.Text1 = "60";
    m.Command1_Click(); // the read-back row itself is what 計算 rewrites
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 20), "60");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 3), "200V級");

    m.Command2_Click();
    EXPECT_EQ(m.Text2, "3");
    m.Combo1 = "22";
    m.Text3 = "P-3";
    m.Command1_Click();
    EXPECT_EQ(w.folder.messages(), QStringList());
    EXPECT_EQ(feedertest::gridRow(m.MSFlexGrid1, 3, 1), QStringList({"P-3"}));
    EXPECT_EQ(feedertest::gridRow(m.MSFlexGrid1, 2, 1), QStringList({"P-2"}));
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(3, 3), "200V級");
}

TEST(MotorWindow, ReadBackShowsTheVoltageClassAsItsListItem)
{
    Loaded w({});
    Form7Model &m = w.m;
    const struct
    {
        const char *cell, *box;
    } cases[] = {{"200V級", "200V級"}, {"200", "200V級"}, {"400V級", "400V級"}, {"400", "400V級"}, {"300", "300"}};
    for (const auto &c : cases) {
        m.MSFlexGrid1.setTextMatrix(5, 3, QString::fromUtf8(c.cell));
        m.MSFlexGrid1.setRow(5);
        m.MSFlexGrid1_Click();
        m.Command5_Click();
        EXPECT_EQ(m.Combo2, QString::fromUtf8(c.box)) << c.cell;
    }
}
