// The motor-feeder calculation and its re-derivation from one edited result,
// driven on the display-free window state.

#include "form7model.h"
#include "feedertest.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::feeder;
using namespace kb::feedertest;

namespace {

// Design rows: output | rated A | IV size | IV m | CV size | CV m | cabtyre | AF direct | AF star-delta | - |
// earth | bond | μF50 | kVar50 | μF60 | kVar60 | cap wire 50 | cap wire 60 | AT
const char *const kRows = R"(
@row 9
 | 0.35
@row 11
22 | 42 | 14X3 | 60 | CV14-3C | 50 | 8 | 100 | 75 | | 8 | 5.5 | 200 | 5 | 150 | 4 | 2.0 | 2.0 | 60
@row 31
5.5 | 22 | 8X3 | 40 | CV8-3C | 35 | 3.5 | 50 | 50 | | 5.5 | 2.0 | 100 | 2 | 75 | 1.5 | 2.0 | 2.0 | 30
22 | 84 | 38X3 | 30 | CV22-3C | 25 | 14 | 150 | 125 | | 14 | 5.5 | 500 | 7.5 | 400 | 6 | 3.5 | 2.0 | 125
22 | 99 | 60X3 | 30 | CV38-3C | 25 | 14 | 225 | 150 | | 22 | 14 | 1 | 1 | 1 | 1 | 1 | 1 | 1
@row 151
38X3 | 14 | 51 | 42 | 50 | | | 22X3 | 39 | 36 | 38
CV22-3C | 14 | 54 | 54 | 50 | | | CV14-3C | 39 | 36 | 38
@row 252
22X3 | 80 | 80
38X3 | 113 | 113
60X3 | 152 | 152
@row 272
CV14-3C | 61 | 74
CV22-3C | 80 | 97
CV38-3C | 113 | 138
)";

// A 22 kW motor of the 200 V class in design mode, IV in thin-steel conduit on a utility supply.
void motor22(Form7Model &w)
{
    w.DD = table(kRows);
    w.DENGEN_SHUBETU = "TODEN";
    w.SHUHASU = "60";
    w.KEISAN_MODE = "SEKKEI";
    w.DENSEN_SHUBETU = "IV";
    w.KONDENSA_HYOJI = "KVAR";
    w.FUSETU_HOUHOU = "C";
    w.Combo1 = "22";
    w.Combo2 = "200V級";
    w.Combo3 = "直入れ";
    w.Text2 = "1";
}

class Motor : public ModelTest<Form7Model, 25>
{
protected:
    void SetUp() override
    {
        motor22(m);
        m.Text3 = "P-1";
    }

    // A construction-mode motor of 15 kW, 50 A on 100 m of 22X3 (drop 7 V, rate 3.5 %).
    void construction()
    {
        m.KEISAN_MODE = "SEKOU";
        m.Combo1 = "15";
        m.FUSETU_HOUHOU = "RACK";
        m.Text4 = "50";
        m.Text1 = "100";
        m.Combo4 = "22X3";
        m.Command1_Click();
        ASSERT_EQ(m.Combo5, "7");
        ASSERT_EQ(m.Combo6, "3.5");
    }

};

} // namespace

TEST_F(Motor, DesignModeTakesTheFirstDesignRowAndWritesTheGridRow)
{
    m.Combo1 = " 22 "; // blanks around the output still find the row; the upper of two rows wins
    m.Command1_Click();

    EXPECT_EQ(m.TAISHOU_GYOU, 32);
    EXPECT_EQ(m.Text4, "84");
    EXPECT_EQ(m.Combo4, "38X3");
    EXPECT_EQ(m.Text1, "30");
    EXPECT_EQ(m.Label10, "150 AF");
    EXPECT_EQ(m.Label11, "125 AT");
    EXPECT_EQ(m.Label8, "E14");
    EXPECT_EQ(m.Label14, "ﾎﾞﾝﾄﾞ5.5");
    EXPECT_EQ(m.Label18, "14mm2");
    EXPECT_EQ(m.Label13, "6kVar");
    EXPECT_EQ(m.Label12, "IV2.0");
    EXPECT_EQ(m.Label7, "51・可とう管50");
    EXPECT_EQ(m.DANMENSEKI, 38);
    EXPECT_EQ(m.Combo5, "2.04");  // 30 × 30.8 × 84 ÷ 380 = 204.25 hundredths
    EXPECT_EQ(m.Combo6, "1.02");
    EXPECT_EQ(m.Label9, "CosΘ=0.76");
    EXPECT_EQ(m.KYOYOU_DENRYU, 113);
    EXPECT_EQ(m.ZENKAI, QStringList({"38X3", "30", "2.04", "1.02", "84", " 22 ", "200V級", "直入れ"}));
    EXPECT_EQ(row(1), QStringList({"P-1", "東京電力", "200V級", "150 AF", "125 AT", " 22 kW", "CosΘ=0.76", "-----",
                                   "-----", "84", "38X3", "2.04", "1.02", "-----", "配管", "30℃", "51・可とう管50",
                                   "E14", "ﾎﾞﾝﾄﾞ5.5", "30", "", "", "", "14mm2", ""}));
    // A margin of 0.35 makes 84 A count as 113.4 A against 113 A: the overload box comes last.
    EXPECT_EQ(boxes(), QStringList({"電線が配管時の許容電流を超えています。サイズを上げるかラック配線にして下さい。"}));
    // The written row is current: the grid shows it.
    EXPECT_EQ(m.MSFlexGrid1.row(), 1);
}

TEST_F(Motor, SettingsAndLayingChooseCapacitorConduitAndCurrent)
{
    // Star-delta on thick-steel conduit fills the secondary circuit; a private station shows no
    // capacitor, neither its own nor one an earlier motor left.
    m.DENGEN_SHUBETU = "JIKAYO";
    m.DENSEN_SHUBETU = "CV-3C";
    m.FUSETU_HOUHOU = "G";
    m.Combo3 = "ｽﾀｰﾃﾞﾙﾀ";
    m.Label12 = "IV5.5";
    m.Label13 = "7.54kVar";
    m.Command1_Click();
    EXPECT_EQ(m.Combo4, "CV22-3C");
    EXPECT_EQ(m.Label10, "125 AF");
    EXPECT_EQ(m.Label12, "");
    EXPECT_EQ(m.Label13, "");
    EXPECT_EQ(m.Label7, "54・可とう管50");
    EXPECT_EQ(m.Label15, "CV14-3C");
    EXPECT_EQ(m.Label16, "36");
    EXPECT_EQ(m.Label17, "38");
    EXPECT_EQ(m.KYOYOU_DENRYU, 80); // CV in conduit: the conduit column
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 2), "自家用");

    // On the rack CV takes the rack current and the conduits are emptied (the secondary wire stays).
    m.KEISAN_KAISUU = 0;
    m.FUSETU_HOUHOU = "RACK";
    m.DENGEN_SHUBETU = "TODEN";
    m.SHUHASU = "50";
    m.KONDENSA_HYOJI = "MICRO";
    m.Command1_Click();
    EXPECT_EQ(m.KYOYOU_DENRYU, 97);
    EXPECT_EQ(m.Label7, "");
    EXPECT_EQ(m.Label15, "CV14-3C");
    EXPECT_EQ(m.Label16, "");
    EXPECT_EQ(m.Label13, "500μF");
    EXPECT_EQ(m.Label12, "IV3.5");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 15), "ｹｰﾌﾞﾙﾗｯｸ");
}

TEST_F(Motor, RecalculationFromOneEditedResult)
{
    construction();
    EXPECT_EQ(m.KEISAN_KAISUU, 1);

    m.Text1 = "120";
    m.Command1_Click();
    EXPECT_EQ(m.HENKOU_CODE, "T1");
    EXPECT_EQ(m.KEISAN_KAISUU, 3); // the press and the detected edit
    EXPECT_EQ(m.Combo5, "8.4");
    EXPECT_EQ(m.Combo6, "4.2");
    EXPECT_EQ(m.Label1, "電線のサイズ又は長さの変更計算をしました。");

    folder.fake().messages.clear(); // the length band's box for 4.2 %
    m.Text4 = "45";
    m.Command1_Click();
    EXPECT_EQ(m.HENKOU_CODE, "T4");
    EXPECT_EQ(m.Combo5, "7.56");
    EXPECT_EQ(m.Combo6, "3.78");
    EXPECT_EQ(m.Label9, "CosΘ=0.96");
    EXPECT_EQ(m.Label1, "定格電流の変更計算をしました。");
    EXPECT_TRUE(boxes().isEmpty()) << boxes().join('\n').toStdString();
}

TEST_F(Motor, EachClickReDerivesFromItsOwnEditOnly)
{
    construction();
    m.Combo5 = "5";
    m.Command1_Click();
    ASSERT_EQ(QStringList({m.Combo4, m.Combo5, m.Combo6}), QStringList({"38X3", "4.05", "2.02"}));

    // No edit: nothing is re-derived, the same figures are written again.
    m.Command1_Click();
    EXPECT_EQ(m.HENKOU_CODE, "");
    EXPECT_EQ(QStringList({m.Combo4, m.Combo5, m.Combo6}), QStringList({"38X3", "4.05", "2.02"}));
    EXPECT_EQ(row(1).mid(10, 3), QStringList({"38X3", "4.05", "2.02"}));
    EXPECT_EQ(m.Label1, "設定変更は１回につき１箇所だけです。");
    EXPECT_TRUE(boxes().isEmpty()) << boxes().join('\n').toStdString();

    // Two edits at once are refused before anything is written; the typed texts stay in their boxes.
    const int16_t count = m.KEISAN_KAISUU;
    m.Combo4 = "60X3";
    m.Text1 = "120";
    m.Command1_Click();
    EXPECT_EQ(boxes(), QStringList({"変更は１回につき１箇所です。"}));
    EXPECT_EQ(m.Combo4, "60X3");
    EXPECT_EQ(m.Combo5, "4.05");
    EXPECT_EQ(m.KEISAN_KAISUU, count);
    EXPECT_EQ(row(1).mid(10, 3), QStringList({"38X3", "4.05", "2.02"}));
    EXPECT_EQ(row(1).at(19), "100");

    // Taking one of them back leaves one edit, which is then re-derived.
    m.Text1 = "100";
    m.Command1_Click();
    EXPECT_EQ(m.HENKOU_CODE, "C4");
    EXPECT_EQ(row(1).mid(10, 3), QStringList({"60X3", "2.57", "1.28"}));
}

TEST_F(Motor, AnotherMotorOnALaterClickIsCalculatedAfresh)
{
    struct Case
    {
        const char *name;
        QString Form7Model::*box;
        const char *value;
        QStringList rated, sizeLengthFrame;
    };
    const Case cases[] = {
        {"voltage class", &Form7Model::Combo2, "400V級", {"42"}, {"14X3", "60", "100 AF"}},
        {"output", &Form7Model::Combo1, "5.5", {"22"}, {"8X3", "40", "50 AF"}},
        {"start method", &Form7Model::Combo3, "ｽﾀｰﾃﾞﾙﾀ", {"84"}, {"38X3", "30", "125 AF"}},
    };
    for (const Case &c : cases) {
        test::TestFolder f;
        Form7Model w;
        motor22(w);
        w.DD.set(2, 9, ""); // no margin: no overload box
        w.DD.set(1, 255, "14X3"); // the new motors' sizes carry their currents
        w.DD.set(2, 255, "61");
        w.DD.set(1, 256, "8X3");
        w.DD.set(2, 256, "42");
        w.FUSETU_HOUHOU = "RACK";
        w.Command1_Click();
        ASSERT_EQ(w.Text4, "84");
        w.Text1 = "45"; // an edit of a result goes with the new motor's design row
        w.*c.box = QString::fromUtf8(c.value);
        w.Command1_Click();
        EXPECT_EQ(f.messages(), QStringList()) << c.name;
        EXPECT_EQ(w.KEISAN_KAISUU, 1) << c.name;
        EXPECT_EQ(QStringList({w.Text4}), c.rated) << c.name;
        EXPECT_EQ(QStringList({w.Combo4, w.Text1, w.Label10}), c.sizeLengthFrame) << c.name;
        const QStringList cells = gridRow(w.MSFlexGrid1, 1, 20);
        EXPECT_EQ(QStringList({cells.at(9), cells.at(10), cells.at(19), cells.at(3)}),
                  QStringList({w.Text4, w.Combo4, w.Text1, w.Label10}))
            << c.name;
        EXPECT_EQ(cells.at(2), w.Combo2) << c.name;
    }
}

TEST_F(Motor, ClickEndedBeforeTheFirstCalculationLeavesTheCount)
{
    m.FUSETU_HOUHOU = "RACK";
    m.DD.set(2, 9, "");
    m.Combo1 = "22.0"; // no design row
    m.Command1_Click();
    EXPECT_EQ(boxes(), QStringList({"該当する容量がありません、該当するものに変更して下さい。"}));
    EXPECT_EQ(m.KEISAN_KAISUU, 0);

    m.Combo1 = "22";
    m.Command1_Click();
    EXPECT_EQ(boxes().size(), 1) << boxes().join('\n').toStdString();
    EXPECT_EQ(m.KEISAN_KAISUU, 1);
    EXPECT_EQ(row(1).mid(9, 4), QStringList({"84", "38X3", "2.04", "1.02"}));

    // A later click refused for another output keeps the count of the calculation it left.
    m.Combo1 = "7";
    m.Command1_Click();
    EXPECT_EQ(m.KEISAN_KAISUU, 1);
    m.Combo1 = "22";
    m.Text1 = "60";
    m.Command1_Click();
    EXPECT_EQ(m.HENKOU_CODE, "T1");
    EXPECT_EQ(row(1).at(11), "4.09");
}

TEST_F(Motor, CvCableWithoutLayingKeepsTheAllowableCurrentQuietly)
{
    // A settings row with an unknown laying leaves FUSETU_HOUHOU empty: a CV cable then has
    // no current column, so the allowable current stays and no box shows.
    construction();
    m.KEISAN_KAISUU = 0;
    m.DENSEN_SHUBETU = "CV-3C";
    m.FUSETU_HOUHOU = "";
    m.Combo4 = "CV22-3C";
    m.KYOYOU_DENRYU = 7;
    m.Command1_Click();
    EXPECT_EQ(boxes(), QStringList());
    EXPECT_EQ(m.KYOYOU_DENRYU, 7);
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 15), "");
}

TEST_F(Motor, DropAndRateEditsChooseTheNextStandardSize)
{
    construction();
    m.Combo5 = "5";
    m.Command1_Click();
    EXPECT_EQ(m.Combo4, "38X3"); // 3080 hundredths: 30.8 mm²
    EXPECT_EQ(m.Combo5, "4.05");
    EXPECT_EQ(m.Combo6, "2.02"); // 202.5 hundredths, half to even
    EXPECT_EQ(m.Label1, "電圧降下変更計算をしました。");
    EXPECT_TRUE(boxes().isEmpty()) << boxes().join('\n').toStdString();

    Form7Model &w = m;
    w.KEISAN_KAISUU = 0;
    w.ZENKAI.clear();
    construction();
    w.Combo6 = "3"; // 6 V: 2567 hundredths
    w.Command1_Click();
    EXPECT_EQ(w.Combo4, "38X3");
    EXPECT_EQ(w.Combo5, "4.05");
    EXPECT_EQ(w.Combo6, "2.02");
    EXPECT_EQ(w.Label1, "電圧降下率変更計算をしました。");
}

TEST_F(Motor, ADropWhoseSectionPassesTheLargestSizeShowsTheRowAgain)
{
    for (const char *drop : {"0.47166921898928" /* 326.5 mm² */, "0.46" /* 334.78 mm²: past 16 bits */}) {
        SCOPED_TRACE(drop);
        construction();
        folder.fake().messages.clear();
        m.Combo5 = drop;
        m.Command1_Click();
        EXPECT_EQ(boxes(), QStringList({u"サイズをオーバーしました、325m㎡以下にして下さい。"_qs}));
        EXPECT_EQ(m.Combo4, "22X3");
        EXPECT_EQ(m.Combo5, m.MSFlexGrid1.textMatrix(1, 12));
        EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 11), "22X3");
    }
}

TEST_F(Motor, RefusalsEndTheCalculationBeforeAnythingIsWritten)
{
    struct Case
    {
        const char *output, *voltage, *start, *box;
    };
    const Case cases[] = {
        {"", "200V級", "直入れ", "モーターの容量を選択して下さい。"},
        {"22", "", "直入れ", "電圧を選択して下さい。"},
        {"22", "200V級", "", "始動方式を選択して下さい。"},
        {"45", "200V級", "直入れ", "200V級は設計モードでは３７ｋＷまでしか計算できません"},
        {"3.7", "200V級", "ｽﾀｰﾃﾞﾙﾀ", "200V級は設計モードでは５．５ｋＷ未満のスターデルタは計算できません"},
        {"90", "400V級", "直入れ", "400V級は設計モードでは７５ｋＷまでしか計算できません"},
        {"3.7", "400V級", "ｽﾀｰﾃﾞﾙﾀ", "400V級は設計モードでは５．５ｋＷ未満のスターデルタは計算できません"},
        {"22.0", "200V級", "直入れ", "該当する容量がありません、該当するものに変更して下さい。"},
    };
    for (const Case &c : cases) {
        test::TestFolder f;
        Form7Model w;
        motor22(w);
        w.Combo1 = QString::fromUtf8(c.output);
        w.Combo2 = QString::fromUtf8(c.voltage);
        w.Combo3 = QString::fromUtf8(c.start);
        w.Command1_Click();
        EXPECT_EQ(f.messages(), QStringList({QString::fromUtf8(c.box)})) << c.output << c.voltage;
        EXPECT_EQ(w.MSFlexGrid1.textMatrix(1, 3), "") << c.box;
        EXPECT_EQ(w.Text4, "") << c.box;
    }
}

TEST_F(Motor, FailedStepsEndTheCalculationWithoutAGridRow)
{
    struct Case
    {
        const char *voltage, *size, *dataNo, *mode, *box;
        bool rowWritten = false;
    };
    const Case cases[] = {
        // A voltage of neither class chooses no design row: no earlier motor's row is used.
        {"300", "", "1", "SEKKEI", "HYOU_JI"},
        {"200V級", "22", "1", "SEKOU", "DENSEN_SUCHI"},       // a bare number is no size name
        {"200V級", "100X3", "1", "SEKOU", "KYOYOU_CHECK", true}, // no allowable-current row names it: no overload test
        {"200V級", "22X3", "0", "SEKOU", "Command1_Click"},   // row 0 holds the headings
        {"200V級", "22X3", "101", "SEKOU", "Command1_Click"},
    };
    for (const Case &c : cases) {
        test::TestFolder f;
        Form7Model w;
        motor22(w);
        w.KEISAN_MODE = QString::fromUtf8(c.mode);
        w.FUSETU_HOUHOU = "RACK";
        w.Combo2 = QString::fromUtf8(c.voltage);
        w.Combo4 = QString::fromUtf8(c.size);
        w.Text1 = "30";
        w.Text4 = "84";
        w.Text2 = QString::fromUtf8(c.dataNo);
        w.Command1_Click();
        EXPECT_EQ(f.messages(), QStringList({err(c.box)})) << c.box;
        EXPECT_EQ(w.MSFlexGrid1.textMatrix(0, 3), "") << c.box;
        EXPECT_EQ(w.MSFlexGrid1.textMatrix(1, 3), c.rowWritten ? "200V級" : "") << c.box;
        EXPECT_EQ(w.KYOYOU_DENRYU, 0) << c.box;
    }
}

TEST_F(Motor, ConduitMissingForWireAndEarthIsShownAndNotCarriedOver)
{
    m.Label7 = "older conduit";
    m.Combo1 = "22";
    m.Combo2 = "400V級"; // 14X3 with earth 8: no conduit row
    m.DD.set(1, 254, "14X3");
    m.DD.set(2, 254, "61");
    m.Command1_Click();
    EXPECT_EQ(boxes().first(), "電線とアース線に対応する配管サイズが登録されていません");
    EXPECT_EQ(m.Label7, "");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 17), "");
}

TEST_F(Motor, SettingsRow)
{
    struct Case
    {
        const char *c1, *c2, *c3, *c6, *c7, *c8;
        const char *supply, *hz, *mode, *wire, *cap, *laying;
    };
    const Case cases[] = {
        {"自家用", "50", "設計", "CV-3C", "MICRO", "RACK", "JIKAYO", "50", "SEKKEI", "CV-3C", "MICRO", "RACK"},
        {"", "", "", "iv", "kvar", "g", "TODEN", "60", "SEKOU", "IV", "KVAR", "G"},
        {"東京", "60Hz", "施工", "CV", "kW", "X", "TODEN", "60", "", "", "", ""},
    };
    for (const Case &c : cases) {
        Form7Model w;
        const char *cells[] = {c.c1, c.c2, c.c3, "", "", c.c6, c.c7, c.c8};
        for (int i = 0; i < 8; ++i)
            w.DD.set(i + 1, 2, QString::fromUtf8(cells[i]));
        w.readSettings();
        EXPECT_EQ(QStringList({w.DENGEN_SHUBETU, w.SHUHASU, w.KEISAN_MODE, w.DENSEN_SHUBETU, w.KONDENSA_HYOJI, w.FUSETU_HOUHOU}),
                  QStringList({c.supply, c.hz, c.mode, c.wire, c.cap, c.laying}));
    }
}
