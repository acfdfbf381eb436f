// The package air-conditioner calculation: package rows, class ladder, earth,
// bond and conduit, driven on the display-free window state.

#include "form11model.h"
#include "feedertest.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::feeder;
using namespace kb::feedertest;

namespace {

// Key row g: output | blower | air size | air m | ratings of classes 5..14 | water size | water m | classes 5..13;
// partner row g + 1: the switch ratings in the same columns.
const char *const kRows = R"(
@row 121
7.5 | 0.4 | 5.5 | 30 | 30 | 40 | 50 | 60 | 75 | 100 | 125 | 150 | 175 | 200 | 8 | 25 | 230 | 240 | 250 | 260 | 275 | 300 | 325 | 350 | 375
 | | | | 31 | 41 | 51 | 61 | 76 | 101 | 126 | 151 | 176 | 201 | | | 231 | 241 | 251 | 261 | 276 | 301 | 325 | 650 | 376
45 | 1.5 | 22 | 20 | 225 | 225 | 225 | 225 | 225 | 225 | 225 | 225 | 225 | 225
@row 150
5.5X3 | 3.5 | 99 | 99 | 99
5.5 | 3.5 | 25 | 22 | 24
8 | 22 | 31 | 28 | 30
)";

// A 7.5 kW unit whose largest motor is 3.7 kW, written to grid row 1.
void unit75(Form11Model &w)
{
    w.DD = table(kRows);
    w.Combo1 = "7.5";
    w.Combo2 = "3.7";
    w.Text2 = "1";
}

// 計算 with the unit, its largest motor and the three option groups.
void calculate(Form11Model &w, const char *unit, const char *largest, int cooling, int start, int kind)
{
    w.Combo1 = QString::fromUtf8(unit);
    w.Combo2 = QString::fromUtf8(largest);
    w.Option1 = cooling;
    w.Option3 = start;
    w.Option2 = kind;
    w.Command1_Click();
}

class Package : public ModelTest<Form11Model, 14>
{
protected:
    void SetUp() override
    {
        unit75(m);
        m.Text3 = "PAC-1";
    }
};

} // namespace

TEST(PackageLadders, ClassEarthAndBond)
{
    const struct
    {
        double m;
        int direct, starter;
    } classes[] = {{2.2, 5, 5}, {3.7, 6, 5}, {3.71, 7, 6}, {5.5, 7, 6}, {7.5, 8, 7}, {11, 9, 8}, {15, 10, 8},
                   {19, 11, 9}, {22, 12, 9}, {30, 13, 11}, {37, 14, 11}, {37.1, 0, 0}};
    for (const auto &c : classes) {
        EXPECT_EQ(packageClass(c.m, false), c.direct) << c.m;
        EXPECT_EQ(packageClass(c.m, true), c.starter) << c.m;
    }
    const struct
    {
        int rating;
        const char *earth;
    } earths[] = {{30, "2"}, {31, "3.5"}, {50, "3.5"}, {100, "5.5"}, {150, "8"}, {200, "14"}, {225, "22"}, {600, "38"}, {601, ""}};
    for (const auto &e : earths)
        EXPECT_EQ(packageEarth(e.rating), QString::fromUtf8(e.earth)) << e.rating;
    EXPECT_EQ(packageBond(7.5), "2.0");
    EXPECT_EQ(packageBond(11), "5.5");
    EXPECT_EQ(packageBond(22), "5.5");
    EXPECT_EQ(packageBond(30), "14");
    EXPECT_EQ(packageBond(45), "");
}

TEST_F(Package, AirCooledBreakerWritesTheRow)
{
    m.Command1_Click();
    EXPECT_TRUE(boxes().isEmpty()) << boxes().join('\n').toStdString();
    EXPECT_EQ(m.TAISHOU_GYOU, 121);
    EXPECT_EQ(m.Text4, "0.4kW");
    EXPECT_EQ(m.Text5, "IV5.5");
    EXPECT_EQ(m.Text1, "30");
    EXPECT_EQ(m.Label5, "40AF"); // class 6: column 6
    EXPECT_EQ(m.Label9, "過電流遮断器");
    EXPECT_EQ(m.Label6, "E3.5mm2");
    EXPECT_EQ(m.Label8, "ﾎﾞﾝﾄﾞ2.0");
    EXPECT_EQ(m.Label7, "25  ﾌﾟﾘｶ24"); // the IV key row, not the motor row "5.5X3"
    EXPECT_EQ(m.Label1, "設定変更は開閉器の種別のみで可能です。");
    EXPECT_EQ(row(1), QStringList({"PAC-1", "空冷式", "7.5", "0.4kW", "3.7", "直入れ", "IV5.5", "30", "40AF", "",
                                   "25  ﾌﾟﾘｶ24", "E3.5mm2", "ﾎﾞﾝﾄﾞ2.0", ""}));
    EXPECT_EQ(m.MSFlexGrid1.row(), 1);

    // A starter and a switch: class 5 of the partner row, in column 10 of the grid; thick steel.
    m.Option3 = 1;
    m.Option2 = 1;
    m.FUSETU_HOUHOU = "G";
    m.Command1_Click();
    EXPECT_EQ(m.Label5, "31AF");
    EXPECT_EQ(m.Label9, "開閉器");
    EXPECT_EQ(m.Label7, "22  ﾌﾟﾘｶ24");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 9), "");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 10), "31AF");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 6), "始動器");
}

TEST_F(Package, WaterCooledTakesTheWaterColumns)
{
    m.Option1 = 1;
    m.Combo2 = "11"; // larger than the unit: only an air-cooled unit is refused
    m.Text4 = "old";
    m.Command1_Click();
    EXPECT_TRUE(boxes().isEmpty()) << boxes().join('\n').toStdString();
    EXPECT_EQ(m.Text4, "");
    EXPECT_FALSE(m.Text4Enabled);
    EXPECT_EQ(m.Text5, "IV8");
    EXPECT_EQ(m.Text1, "25");
    EXPECT_EQ(m.Label5, "275AF"); // class 9 in column 21
    EXPECT_EQ(m.Label6, "E22mm2");
    EXPECT_EQ(m.Label7, "31  ﾌﾟﾘｶ30");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 2), "水冷式");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 4), "");
}

TEST_F(Package, RefusalsAndFailuresWriteNoRow)
{
    struct Case
    {
        const char *unit, *largest;
        int cooling, start, kind;
        const char *dataNo, *box;
    };
    const Case cases[] = {
        {"", "3.7", 0, 0, 0, "1", "負荷全体の容量を入力してください。"},
        {"7.5", "", 0, 0, 0, "1", "負荷の中で最大の容量を入力してください。"},
        {"7.5", "11", 0, 0, 0, "1", "直入れ又は始動器使用電動機の容量が大きすぎます。"},
        {"7.50", "3.7", 1, 0, 0, "1", "適合するパッケージが登録されていません"},
        {"7.5kW", "3.7", 0, 0, 0, "1", "負荷全体の容量を入力してください。"},
        {"7.5", "3.7kW", 0, 0, 0, "1", "負荷の中で最大の容量を入力してください。"},
        {"7.5", "37", 1, 0, 0, "1", "直入れ又は始動器使用電動機の容量が大きすぎます。"}, // water-cooled class 14: no column
        {"45", "40", 0, 0, 0, "1", "直入れ又は始動器使用電動機の容量が大きすぎます。"},  // above 37 kW: no class
        {"7.5", "3.7", 0, 0, 0, "0", "エラーが発生しました。GR_TENSOU"},
        {"7.5", "3.7", 0, 0, 0, "x", "エラーが発生しました。GR_TENSOU"},
    };
    for (const Case &c : cases) {
        test::TestFolder f;
        Form11Model w;
        unit75(w);
        w.Text2 = QString::fromUtf8(c.dataNo);
        w.Label5 = "old";
        calculate(w, c.unit, c.largest, c.cooling, c.start, c.kind);
        EXPECT_EQ(f.messages(), QStringList({QString::fromUtf8(c.box)})) << c.box;
        EXPECT_EQ(w.MSFlexGrid1.textMatrix(0, 3), "") << c.box;
        EXPECT_EQ(w.MSFlexGrid1.textMatrix(1, 3), "") << c.box;
        EXPECT_EQ(w.Label1, "") << c.box;
    }
}

TEST_F(Package, LargestMotorWithoutARatingColumnIsRefusedBeforeAnythingChanges)
{
    struct Case
    {
        const char *unit, *largest;
        int cooling, start;
        const char *rating; // empty: refused
    };
    const Case cases[] = {
        {"7.5", "37", 1, 0, ""},      // water-cooled class 14
        {"7.5", "37", 1, 1, "325AF"}, // with a starter: class 11, column 23
        {"7.5", "30", 1, 0, "375AF"}, // class 13, column 25
        {"45", "40", 0, 0, ""},       // above 37 kW: no class
    };
    for (const Case &c : cases) {
        test::TestFolder f;
        Form11Model w;
        unit75(w);
        w.Text1 = "12";
        w.Text4 = "0.4kW";
        w.Text5 = "IV3.5";
        w.Label5 = "old";
        w.TAISHOU_GYOU = 123;
        w.Text4Enabled = false; // as a water-cooled calculation left it
        calculate(w, c.unit, c.largest, c.cooling, c.start, 0);
        if (*c.rating) {
            EXPECT_EQ(f.messages(), QStringList()) << c.largest;
            EXPECT_EQ(w.Label5, QString::fromUtf8(c.rating)) << c.largest;
            EXPECT_EQ(w.MSFlexGrid1.textMatrix(1, 9), QString::fromUtf8(c.rating)) << c.largest;
            continue;
        }
        EXPECT_EQ(f.messages(), QStringList({"直入れ又は始動器使用電動機の容量が大きすぎます。"})) << c.largest;
        EXPECT_EQ(QStringList({w.Text1, w.Text4, w.Text5, w.Label5}), QStringList({"12", "0.4kW", "IV3.5", "old"})) << c.largest;
        EXPECT_FALSE(w.Text4Enabled) << c.largest;
        EXPECT_EQ(w.TAISHOU_GYOU, 123) << c.largest;
        EXPECT_EQ(w.MSFlexGrid1.textMatrix(1, 3), "") << c.largest;
    }
}

TEST_F(Package, MissingConduitRowIsShownNotTakenFromTheNextRow)
{
    m.DD.set(3, 121, "3.5");
    m.DD.set(1, 191, "3.5");
    m.DD.set(3, 191, "99");
    m.Label7 = "old";
    m.Command1_Click();
    EXPECT_EQ(boxes(), QStringList({"電線とアース線に対応する配管サイズが登録されていません"}));
    EXPECT_EQ(m.Label7, "");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 11), "");
}

TEST_F(Package, WindowLoadNextReadBackAndClear)
{
    m.layOutGrid();
    m.setDefaults();
    EXPECT_EQ(m.Label1, "必須条件及び始動方法を選択入力して下さい。");
    EXPECT_EQ(m.Combo1, "");
    EXPECT_EQ(m.Combo1Items.size(), 10);
    EXPECT_FALSE(m.Text1Enabled);
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(30, 0), "30");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(31, 0), "");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 1), "　名　　称　");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 14), "予　備");
    EXPECT_EQ(m.MSFlexGrid1.colWidth(11), 2000);

    m.Combo1 = "7.5";
    m.Combo2 = "3.7";
    m.Text3 = "PAC-1";
    m.Option2 = 1;
    m.Command1_Click();
    ASSERT_EQ(m.MSFlexGrid1.textMatrix(1, 10), "41AF");
    m.Command2_Click();
    EXPECT_EQ(m.Text2, "2");
    EXPECT_EQ(m.Combo1, "");
    EXPECT_EQ(m.Label5, "");
    EXPECT_EQ(m.Option2, 1); // options stay
    EXPECT_FALSE(m.Text5Enabled);

    m.Command5_Click();
    EXPECT_EQ(boxes(), QStringList({"読込む行番号を選択後にクリックして下さい。"}));
    m.Option2 = 0;
    m.MSFlexGrid1.setRow(1);
    m.MSFlexGrid1_Click();
    m.Command5_Click();
    EXPECT_EQ(m.Text2, "1");
    EXPECT_EQ(m.Text3, "PAC-1");
    EXPECT_EQ(m.Combo1, "7.5");
    EXPECT_EQ(m.Text4, "0.4"); // the "kW" is not kept
    EXPECT_EQ(m.Combo2, "3.7");
    EXPECT_EQ(m.Text5, "IV5.5");
    EXPECT_EQ(m.Text1, "30");
    EXPECT_EQ(m.Option2, 1);
    EXPECT_EQ(m.Label7, "25  ﾌﾟﾘｶ24");
    EXPECT_EQ(m.SENTAKU_GYOU, 0);

    m.IDM_ALLCLIA_Click();
    EXPECT_EQ(m.Text2, "1");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(100, 0), "100");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 1), "");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 2), "水冷又空冷");

    m.IDM_ATUKO_Click();
    EXPECT_EQ(m.FUSETU_HOUHOU, "G");
    EXPECT_EQ(m.Label1, "厚鋼配管「Ｇ」に設定");
    m.IDM_SUIREI_Click();
    EXPECT_EQ(m.Option1, 1);
}
