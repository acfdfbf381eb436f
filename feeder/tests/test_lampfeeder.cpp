// The mercury-lamp calculation of both stages and the re-derivation of the
// primary side from an edited drop or rate, driven on the display-free window state.

#include "form12model.h"
#include "feedertest.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::feeder;
using namespace kb::feedertest;

namespace {

const QByteArray kRows = QByteArray(R"(
@row 5
1 | 0.85 | 2
)") + kIvRows + R"(
@row 272
CV2-3C | 19 | 23 | CV2-2C | 22 | 27
CV3.5-3C | 26 | 32 | CV3.5-2C | 30 | 37
CV5.5-3C | 34 | 42 | CV5.5-2C | 39 | 49
@row 291
1.6X2 | 2 | 19 | 16 | 17
22X2 | 3.5 | 25 | 22 | 24
2.0X2 | 2 | 19 | 16 | 17
CV2-2C | 2 | 22 | 22 | 24
)";

// One 250 W lamp at 200 V / 130 V on 50 m of primary and 20 m of secondary, IV in thin-steel conduit.
void oneLamp(Form12Model &w)
{
    w.DD = table(kRows);
    w.DENSEN_SHUBETU = "IV";
    w.FUSETU_HOUHOU = "C";
    w.Combo2 = "250";
    w.Combo3 = "1";
    w.Combo4 = "200";
    w.Combo5 = "130";
    w.Text1 = "50";
    w.Text4 = "20";
    w.Text2 = "1";
}

class Lamp : public ModelTest<Form12Model, 25>
{
protected:
    void SetUp() override
    {
        oneLamp(m);
        m.Text3 = "HL-1";
    }
    // Group B with a starting current of 20 A on 50 m of primary.
    void twentyAmps()
    {
        m.Text8 = "10";
        m.Text9 = "20";
        m.Text10 = "1";
        m.Command1_Click();
        ASSERT_EQ(m.Label28, "2.0X2");
        ASSERT_EQ(m.SHIDOU_DENRYU, 20);
        ASSERT_EQ(m.Text12, "11.9");
        ASSERT_EQ(boxes(), QStringList({"合計の電圧降下率が５％以上ではランプが点灯しない場合があります。"}));
        folder.fake().messages.clear();
    }
};

} // namespace

TEST_F(Lamp, GroupAFirstCalculation)
{
    m.Combo1 = "1.5";
    m.Combo2 = "250";
    m.DD.set(1, 5, "1");
    m.Command1_Click();
    EXPECT_TRUE(boxes().isEmpty()) << boxes().join('\n').toStdString();
    EXPECT_EQ(m.ANTEI_DENRYU, 1);  // 12.5 tenths floored to 12: 1.2 A
    EXPECT_EQ(m.SHIDOU_DENRYU, 2); // 1.5 half to even
    EXPECT_EQ(m.NIJI_DENRYU, 2);   // 250 ÷ 130 = 1.92
    EXPECT_EQ(m.Label28, "1.6X2");
    EXPECT_EQ(m.Label30, "1.6X2");
    EXPECT_EQ(m.DANMENSEKI, 2);    // a 1.6 mm wire counts as 2 mm²
    EXPECT_EQ(m.Text12, "1.8");    // 17.8 tenths rounded
    EXPECT_EQ(m.Text14, "0.7");    // 7.12 tenths floored
    EXPECT_EQ(m.Text13, "0.9");
    EXPECT_EQ(m.Text15, "0.5");    // 5.38 tenths floored
    EXPECT_EQ(m.Label25, "1.4");   // 99.1 × 99.5 = 9860.45 floored
    EXPECT_EQ(m.Label26, "20AF");
    EXPECT_EQ(m.Label27, "E2mm2");
    EXPECT_EQ(m.Label29, "19 17");
    EXPECT_EQ(m.Label1, "１次側の力率設定＝1  ２次側の力率設定＝0.85");
    EXPECT_EQ(m.ZENKAI, QStringList({"1.8", "0.9", "0.7", "0.5"}));
    EXPECT_EQ(row(1), QStringList({"HL-1", "250", "1.5", "", "", "", "200", "130", "1", "50", "20", "2", "1", "1.8",
                                   "0.9", "0.7", "0.5", "1.4", "1.6X2", "1.6X2", "20AF", "E2mm2", "19 17", "IV", ""}));
    EXPECT_EQ(m.MSFlexGrid1.row(), 1);
}

TEST_F(Lamp, GroupBAndTheSizeComparisons)
{
    // Group B wins over a ratio; a secondary current equal to a row's current takes that row,
    // a primary one the next row.
    m.Combo1 = "1.5";
    m.Text8 = "5";
    m.Text9 = "6";
    m.Text10 = "24";
    m.Combo3 = "4";
    m.Command1_Click();
    EXPECT_EQ(m.Combo1, "");
    EXPECT_EQ(m.ANTEI_DENRYU, 20);
    EXPECT_EQ(m.SHIDOU_DENRYU, 24);
    EXPECT_EQ(m.Label30, "2.0X2");
    EXPECT_EQ(m.Label28, "3.5X2");
    EXPECT_EQ(m.Label26, "50AF"); // 24 × 2 = 48
    EXPECT_EQ(m.Label27, "E3.5mm2");
    EXPECT_EQ(m.Label29, "");     // no conduit row for 3.5X2 with E3.5
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 23), "");

    // CV on a rack uses the rack column on both stages, strictly above the current.
    Form12Model &w = m;
    w.KEISAN_KAISUU = 0;
    w.DENSEN_SHUBETU = "CV-2C";
    w.FUSETU_HOUHOU = "RACK";
    w.Label29 = "old";
    w.Text10 = "27";
    w.Command1_Click();
    EXPECT_EQ(w.Label30, "CV3.5-2C");
    EXPECT_EQ(w.Label28, "CV2-2C");
    EXPECT_EQ(w.Label29, ""); // the rack has no conduit
}

TEST_F(Lamp, EditedPrimaryDropOrRateChoosesTheSize)
{
    twentyAmps();
    m.Text12 = "2"; // 17.8 mm² → 18
    m.Command1_Click();
    EXPECT_EQ(m.Label28, "22X2");
    EXPECT_EQ(m.CHOSEI_SAIZU, "22X2");
    EXPECT_EQ(m.DANMENSEKI, 22);
    EXPECT_EQ(m.Text12, "1.6");
    EXPECT_EQ(m.Text13, "0.8");
    EXPECT_EQ(m.Label29, "25 24");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 19), "22X2");

    // The rate 1 % of 200 V is 2 V: the same size.
    m.Text13 = "1";
    m.Command1_Click();
    EXPECT_EQ(m.Label28, "22X2");
    EXPECT_EQ(m.Text12, "1.6");
    EXPECT_EQ(m.Text13, "0.8");

    // An edited secondary rate re-derives nothing; the total is built from the typed rate.
    m.Text15 = "4.23";
    m.Command1_Click();
    EXPECT_EQ(m.Label28, "22X2");
    EXPECT_EQ(m.Label25, "5");
    EXPECT_EQ(boxes(), QStringList({"合計の電圧降下率が５％以上ではランプが点灯しない場合があります。"}));
    m.Text15 = "4.22";
    m.Command1_Click();
    EXPECT_EQ(m.Label25, "4.99");
    EXPECT_EQ(boxes().size(), 1);
}

TEST_F(Lamp, LowestRungsOfTheLadder)
{
    twentyAmps();
    m.Text12 = "30"; // 50 × 35.6 × 20 ÷ 100 ÷ 300 = 1.19 → 1 mm²
    m.Command1_Click();
    EXPECT_EQ(m.Label28, "3.5X2");

    Form12Model cv;
    oneLamp(cv);
    cv.DENSEN_SHUBETU = "CV-2C";
    cv.Text8 = "10";
    cv.Text9 = "20";
    cv.Text10 = "1";
    cv.Command1_Click();
    cv.Text12 = "12"; // 2.97 mm² → 3
    cv.Command1_Click();
    EXPECT_EQ(cv.Label28, "CV3.5-2C");
    cv.Text12 = "20"; // 1.78 → 2
    cv.Command1_Click();
    EXPECT_EQ(cv.Label28, "CV2-2C");
}

TEST_F(Lamp, RefusalsAndFailures)
{
    struct Case
    {
        const char *ratio, *b8, *b9, *b10, *length, *count, *dataNo, *factor, *box;
    };
    const Case cases[] = {
        {"", "", "", "", "50", "1", "1", "2", "倍率又はＢグループを入力してください。"},
        // Exactly one ballast current: neither group, refused rather than calculated on older currents.
        {"1.5", "", "20", "1", "50", "1", "1", "2", "倍率又はＢグループを入力してください。"},
        {"", "10", "", "1", "50", "1", "1", "2", "倍率又はＢグループを入力してください。"},
        {"1.5", "", "", "", "", "1", "1", "2", "電線の長さを入力してください。"},
        {"1.5", "", "", "", "50", "", "1", "2", "器具の灯数を入力してください。"},
        {"", "10", "20", "", "50", "1", "1", "2", "エラーが発生しました。Command1_Click"}, // group B without Text10
        {"1.5", "", "", "", "50", "1", "1", "", "エラーが発生しました。MCB_SAIZU"}, // no breaker factor
        {"", "10", "20", "1", "50", "1", "0", "2", "エラーが発生しました。GR_TENSOU"},
    };
    for (const Case &c : cases) {
        test::TestFolder f;
        Form12Model w;
        oneLamp(w);
        w.DD.set(3, 5, QString::fromUtf8(c.factor));
        w.Combo1 = QString::fromUtf8(c.ratio);
        w.Text8 = QString::fromUtf8(c.b8);
        w.Text9 = QString::fromUtf8(c.b9);
        w.Text10 = QString::fromUtf8(c.b10);
        w.Combo3 = QString::fromUtf8(c.count);
        w.Text1 = QString::fromUtf8(c.length);
        w.Text2 = QString::fromUtf8(c.dataNo);
        w.Command1_Click();
        EXPECT_EQ(f.messages(), QStringList({QString::fromUtf8(c.box)})) << c.box;
        EXPECT_EQ(w.MSFlexGrid1.textMatrix(0, 7), "") << c.box;
        EXPECT_EQ(w.MSFlexGrid1.textMatrix(1, 7), "") << c.box;
        EXPECT_EQ(w.KEISAN_KAISUU, 0) << c.box;
    }
}

TEST_F(Lamp, LoadNoWireOrBreakerCarriesIsRefusedBeforeAnyResult)
{
    struct Case
    {
        const char *name, *starting, *lamp, *factor;
    };
    const Case cases[] = {
        {"secondary above every size", "20", "100", "2"},
        {"primary above every size", "100", "1", "1"},
        {"breaker above 200 A", "20", "1", "11"}, // 220 A
    };
    for (const Case &c : cases) {
        test::TestFolder f;
        Form12Model w;
        oneLamp(w);
        w.DD.set(3, 5, QString::fromUtf8(c.factor));
        w.Combo1 = "1.5";
        w.Text8 = "10";
        w.Text9 = QString::fromUtf8(c.starting);
        w.Text10 = QString::fromUtf8(c.lamp);
        w.Label1 = "prompt";
        w.Command1_Click();
        EXPECT_EQ(f.messages(), QStringList({"負荷を小さくして下さい"})) << c.name;
        EXPECT_EQ(QStringList({w.Label19, w.Label20, w.Label28, w.Label30, w.Text12, w.Label26, w.Label29}),
                  QStringList({"", "", "", "", "", "", ""}))
            << c.name;
        EXPECT_EQ(w.Combo1, "1.5") << c.name;
        EXPECT_EQ(w.Label1, "prompt") << c.name;
        EXPECT_EQ(w.KEISAN_KAISUU, 0) << c.name;
        EXPECT_EQ(w.MSFlexGrid1.textMatrix(1, 7), "") << c.name;
    }
}

TEST_F(Lamp, PressEndedBeforeTheFirstCalculationLeavesTheCount)
{
    // A typing error in the wattage, then corrected: the next press is a first calculation.
    m.Combo1 = "1.5";
    m.Combo2 = "25O";
    m.Command1_Click();
    EXPECT_EQ(m.KEISAN_KAISUU, 0);
    m.Combo2 = "250";
    m.Command1_Click();
    EXPECT_EQ(boxes(), QStringList({err("Command1_Click")}));
    EXPECT_EQ(m.KEISAN_KAISUU, 1);
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 19), "1.6X2");

    // Six lamps are refused, one lamp is then calculated from its own currents.
    Form12Model &w = m;
    w.IDM_INCLIA_Click();
    EXPECT_EQ(w.KEISAN_KAISUU, 0);
    w.Combo1.clear();
    w.Text1 = "50";
    w.Text4 = "20";
    w.Text8 = "10";
    w.Text9 = "20";
    w.Text10 = "1";
    w.Combo3 = "6";
    w.Command1_Click();
    EXPECT_EQ(boxes().last(), "負荷を小さくして下さい");
    EXPECT_EQ(w.KEISAN_KAISUU, 0);
    w.Combo3 = "1";
    w.Command1_Click();
    EXPECT_EQ(w.KEISAN_KAISUU, 1);
    EXPECT_EQ(gridRow(w.MSFlexGrid1, 1, 24).mid(11, 8),
              QStringList({"20", "10", "11.9", "5.9", "0.3", "0.2", "6.09", "2.0X2"}));
}

TEST_F(Lamp, AnotherCircuitOnALaterPressIsCalculatedAfresh)
{
    // After a first calculation, a press with other lamps, voltage, length or wire
    // type starts again from the inputs: the row never joins them to old currents.
    struct Case { const char *name; void (*change)(Form12Model &); int shidou; };
    const Case cases[] = {
        {"lamp count", [](Form12Model &w) { w.Combo3 = "2"; }, 40},
        {"starting current", [](Form12Model &w) { w.Text9 = "10"; }, 10},
        {"primary length", [](Form12Model &w) { w.Text1 = "25"; }, 20},
        {"wire type", [](Form12Model &w) { w.DENSEN_SHUBETU = "CV-2C"; }, 20},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Form12Model &w = m;
        w.KEISAN_KAISUU = 0;
        oneLamp(w);
        twentyAmps();
        c.change(w);
        w.Command1_Click();
        EXPECT_EQ(w.KEISAN_KAISUU, 1);
        EXPECT_EQ(w.SHIDOU_DENRYU, c.shidou);
        EXPECT_EQ(w.MSFlexGrid1.textMatrix(1, 12), QString::number(c.shidou));
        folder.fake().messages.clear();
    }
    // The same circuit again is a recalculation.
    m.Command1_Click();
    EXPECT_EQ(m.KEISAN_KAISUU, 2);
}

TEST_F(Lamp, StartAgainRefusedKeepsTheStatusLine)
{
    m.Text8 = "10";
    m.Text9 = "20";
    m.Text10 = "1";
    m.Command1_Click();
    const QString status = m.Label1;
    const QStringList row = gridRow(m.MSFlexGrid1, 1, 24);
    m.Text9 = "100";
    m.Command3_Click();
    EXPECT_EQ(boxes().last(), "負荷を小さくして下さい");
    EXPECT_EQ(m.Label1, status);
    EXPECT_EQ(gridRow(m.MSFlexGrid1, 1, 24), row);
    m.Text9 = "20";
    m.Command3_Click();
    EXPECT_EQ(m.Label1, QStringLiteral("初期の条件で計算しました。。") + status);
}

TEST_F(Lamp, BackCalculationClimbsTheLadderTo325)
{
    twentyAmps();
    // 356 ÷ (drop × 10) mm²: the next standard size, its drop and rate.
    const struct
    {
        const char *drop, *size, *newDrop;
    } rungs[] = {
        {"0.3", "150X2", "0.2"},  // 118.7 mm²
        {"0.15", "250X2", "0.1"}, // 237.3
        {"0.2", "200X2", "0.2"},  // 178
        {"0.12", "325X2", "0.1"}, // 296.7
    };
    for (const auto &r : rungs) {
        m.Text12 = QString::fromUtf8(r.drop);
        m.Command1_Click();
        EXPECT_EQ(boxes(), QStringList()) << r.drop;
        EXPECT_EQ(m.Label28, QString::fromUtf8(r.size)) << r.drop;
        EXPECT_EQ(m.Text12, QString::fromUtf8(r.newDrop)) << r.drop;
        EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 19), QString::fromUtf8(r.size)) << r.drop;
    }

    // 712 mm² is above the ladder: the size and the row stay as they were.
    const QStringList row = gridRow(m.MSFlexGrid1, 1, 24);
    m.Text12 = "0.05";
    m.Command1_Click();
    EXPECT_EQ(boxes(), QStringList({"サイズをオーバーしました、325m㎡以下にして下さい。"}));
    EXPECT_EQ(m.Label28, "325X2");
    EXPECT_EQ(m.CHOSEI_SAIZU, "325X2");
    EXPECT_EQ(gridRow(m.MSFlexGrid1, 1, 24), row);
}

TEST_F(Lamp, WindowLoadNextStartAgainAndReadBack)
{
    Form12Model &w = m;
    w.setDefaults();
    EXPECT_EQ(w.Label1, "共通条件とＡ又はＢグループを入力して下さい。");
    EXPECT_EQ(w.Combo2, "250");
    EXPECT_EQ(w.Combo3Items.size(), 15);
    EXPECT_EQ(w.Combo4Items.last(), "440");
    EXPECT_EQ(w.Combo5, "130");
    EXPECT_EQ(w.Combo1Items.last(), "2.5");
    EXPECT_FALSE(w.resultsEnabled);
    EXPECT_EQ(w.MSFlexGrid1.textMatrix(0, 1), "名   称   ");
    EXPECT_EQ(w.MSFlexGrid1.textMatrix(30, 0), "30");
    EXPECT_EQ(w.MSFlexGrid1.textMatrix(31, 0), "");

    w.Text1 = "50";
    w.Text4 = "20";
    w.Text3 = "HL-1";
    w.Combo1 = "1.5";
    w.Command1_Click();
    ASSERT_EQ(w.MSFlexGrid1.textMatrix(1, 19), "1.6X2") << boxes().join(QLatin1Char('\n')).toStdString();

    // 始に戻す: a first calculation again, with its own status line.
    w.Text12 = "1";
    w.Command3_Click();
    EXPECT_EQ(w.KEISAN_KAISUU, 1);
    EXPECT_EQ(w.Label28, "1.6X2");
    EXPECT_EQ(w.Label1, "初期の条件で計算しました。。１次側の力率設定＝1  ２次側の力率設定＝0.85");

    w.Command2_Click();
    EXPECT_EQ(w.Text2, "2");
    EXPECT_EQ(w.Combo1, "");
    EXPECT_EQ(w.Combo3, "");
    EXPECT_EQ(w.Combo2, "250");
    EXPECT_EQ(w.Label28, "");

    w.MSFlexGrid1.setRow(1);
    w.MSFlexGrid1_Click();
    w.Command5_Click();
    EXPECT_EQ(w.Text2, "1");
    EXPECT_EQ(w.Text3, "HL-1");
    EXPECT_EQ(w.Combo1, "1.5");
    EXPECT_EQ(w.Text8, ""); // a group A row
    EXPECT_EQ(w.Combo3, "1");
    EXPECT_EQ(w.Label28, "1.6X2");
    EXPECT_EQ(w.DENSEN_SHUBETU, "IV");
    EXPECT_EQ(w.KEISAN_KAISUU, 1); // the row read back stands for its calculation

    w.IDM_ALLCLIA_Click();
    EXPECT_EQ(w.Text2, "1");
    EXPECT_EQ(w.MSFlexGrid1.textMatrix(100, 0), "100");
    EXPECT_EQ(w.MSFlexGrid1.textMatrix(0, 16), "２次電圧降下(V)");

    w.IDM_ATUKOU_Click();
    EXPECT_EQ(w.Label1, "厚鋼配管「Ｇ」に設定に設定しました。");
    w.IDM_CV_Click();
    EXPECT_EQ(w.DENSEN_SHUBETU, "CV-2C");
    EXPECT_EQ(w.Label1, "ＣＶ－２Ｃケーブルに設定しました。");
}
