// The calculate command of the four voltage-drop windows, driven on the
// display-free state: the boxes in order, the fields and the grid row written.

#include "datatext.h"
#include "refdata.h"
#include "testenv.h"
#include "vdwindow.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::vd;

namespace {

// A few allowable-current rows of each block (currents in A: three-core conduit,
// rack; two-core conduit, rack).
const char *const kRows = R"(
@row 222
FP3.5-3C | 26 | 32 | FP3.5-2C | 30 | 37
FP5.5-3C | 34 | 42 | FP5.5-2C | 39 | 49
@row 233
FP325-3C | 430 | 521 | FP325-2C | 514 | 650
@row 234
CVT8 | 52 | 62
CVT14 | 72 | 86
@row 245
CVT500 | 655 | 790
@row 252
3.5X3 | 26 | 26 | 3.5X2 | 26 | 26
5.5X3 | 34 | 34 | 5.5X2 | 34 | 34
@row 267
500X3 | 589 | 589 | 500X2 | 589 | 589
@row 272
CV3.5-3C | 26 | 32 | CV3.5-2C | 30 | 37
CV5.5-3C | 34 | 42 | CV5.5-2C | 39 | 49
CV8-3C | 46 | 53 | CV8-2C | 49 | 61
CV14-3C | 61 | 74 | CV14-2C | 69 | 86
CV22-3C | 80 | 97 | CV22-2C | 91 | 115
@row 284
CV325-3C | 430 | 521 | CV325-2C | 514 | 650
)";

class Engine : public ::testing::Test
{
protected:
    test::TestFolder folder;

    std::unique_ptr<VoltageDropModel> window(const VoltageDropVariant &v, const char *voltage, const char *wireType)
    {
        auto m = std::make_unique<VoltageDropModel>(v);
        m->DD = dataTextTable(parseDataText(QString::fromUtf8(kRows), 500, 25), 500, 25);
        m->FUSETU_HOUHOU = QStringLiteral("RACK");
        m->DENGEN_SHUBETU = QStringLiteral("JIKAYO");
        m->DENSEN_SHUBETU = QString::fromUtf8(wireType);
        m->Combo3 = QString::fromUtf8(voltage);
        m->Combo2 = QStringLiteral("1");
        m->Text2 = QStringLiteral("1");
        m->Text3 = QStringLiteral("動力1");
        return m;
    }

    QStringList gridRow(const VoltageDropModel &m, int r)
    {
        QStringList cells;
        for (int c = 0; c <= 16; ++c)
            cells << m.MSFlexGrid1.textMatrix(r, c);
        return cells;
    }

    QStringList boxes() { return folder.messages(); }
};

QString err(const char *tag) { return QStringLiteral("エラーが発生しました。") + QString::fromUtf8(tag); }

} // namespace

TEST_F(Engine, SinglePhaseTwoWireChoosesTheSizeAndWritesTheRow)
{
    auto m = window(singlePhaseTwoWire(), "105V", "CV-2C");
    m->Text1 = "50";
    m->Text4 = "4";
    m->Combo4 = "99"; // the first calculation never back-calculates
    m->Command1_Click();

    EXPECT_TRUE(boxes().isEmpty()) << boxes().join('\n').toStdString();
    EXPECT_EQ(m->Label12, "38");        // 40000 / 105 = 380.9 tenths, cut
    EXPECT_EQ(m->Combo1, "CV5.5-2C");   // first rack current above 38: 49 A
    EXPECT_EQ(m->DANMENSEKI, 6);
    EXPECT_EQ(m->Combo4, "11.3");       // 0.5 × 35.6 × 38 / 6 = 112.7 tenths
    EXPECT_EQ(m->Combo5, "10.76");
    EXPECT_EQ(m->Label11, "49");
    EXPECT_EQ(m->KYOYOU_DENRYU, 49);
    EXPECT_EQ(m->Label13, "5.1");       // floor(105 × 49 / 100) / 10
    EXPECT_EQ(m->Label3, "42AT");
    EXPECT_EQ(m->Label2, "50AF");
    EXPECT_EQ(m->Label4, "E3.5");
    EXPECT_EQ(m->Label5, "2.0");
    EXPECT_EQ(m->Label1, "電圧降下及び降下率で設定変更が出来ます。(１回に付１箇所)");
    EXPECT_EQ(m->KEISAN_KAISUU, 1);
    EXPECT_EQ(m->ZENKAI, QStringList({"50", "4", "CV5.5-2C", "1", "105V", "11.3", "10.76"}));
    EXPECT_EQ(gridRow(*m, 1), QStringList({"", "動力1", "105V", "CV5.5-2C", "50", "4", "1", "38", "49", "5.1", "11.3",
                                           "10.76", "E3.5", "2.0", "50AF", "42AT", "ｹｰﾌﾞﾙﾗｯｸ"}));
    EXPECT_EQ(m->MSFlexGrid1.row(), 1);
    EXPECT_EQ(m->MSFlexGrid1.col(), 1); // the row's name

    // In conduit 40 A takes the conduit column: 39 A is not enough, 49 A is.
    m->FUSETU_HOUHOU = "C";
    m->Text4 = "4.2";
    m->Combo1.clear();
    m->KEISAN_KAISUU = 0;
    m->Text2 = "2";
    m->Command1_Click();
    EXPECT_EQ(m->Combo1, "CV8-2C");
    EXPECT_EQ(m->MSFlexGrid1.textMatrix(2, 16), "配管");
}

TEST_F(Engine, ThreePhaseUsesRoot3AndWarnsByLengthBand)
{
    auto m = window(threePhaseThreeWire(), "210V", "CV-3C");
    m->DENGEN_SHUBETU = "TODEN";
    m->Text1 = "100";
    m->Text4 = "10";
    m->Combo2 = "0.65";
    m->Combo1 = "CV14-3C";
    m->Label3 = "";   // a first calculation after a clear: the grounding wire still follows this trip
    m->Command1_Click();

    EXPECT_EQ(boxes(), QStringList({"電線長さ６０ｍを超え１２０ｍ以下は降下率４％迄です。"}));
    EXPECT_EQ(m->Label12, "42.2");
    EXPECT_EQ(m->Combo4, "9.3");
    EXPECT_EQ(m->Combo5, "4.43");
    EXPECT_EQ(m->Label11, "74");
    EXPECT_EQ(m->Label13, "17.4");   // floor(1.73205 × 210 × 74 × 0.65 / 100) / 10
    EXPECT_EQ(m->Label3, "46AT");
    EXPECT_EQ(m->Label2, "100AF");
    EXPECT_EQ(m->Label4, "E3.5");    // by the 46 A trip, not the 74 A allowable current ("5.5")
    EXPECT_EQ(m->MSFlexGrid1.textMatrix(1, 3), "CV14-3C");

    // The private supply allows 5 % on that band.
    folder.fake().messages.clear();
    m->DENGEN_SHUBETU = "JIKAYO";
    m->Command1_Click();
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(Engine, SinglePhaseThreeWireBackCalculatesFromTheOuterVoltage)
{
    auto m = window(singlePhaseThreeWire(), "210V/105V", "CV-3C");
    m->Text1 = "100";
    m->Text4 = "2";
    m->Combo1 = "CV3.5-3C";
    m->Command1_Click();
    EXPECT_EQ(m->Label12, "9.5");
    EXPECT_EQ(m->Combo4, "4.2");      // 17.8 × 9.5 / 4 = 42.275 tenths
    EXPECT_EQ(m->Combo5, "2");        // against 210 V
    EXPECT_EQ(m->Label13, "6.7");     // floor(210 × 32 / 100) / 10

    // Only the rate edited: e = 0.5 × 210 / 100 = 1.05 V; A = 100 × 17.8 × 9.5 / 1050 = 16.1 -> 16 -> 22 mm².
    m->Combo5 = "0.5";
    m->Combo1 = "CV5.5-3C"; // a typed size gives way to the back-calculated one
    m->Command1_Click();
    EXPECT_TRUE(boxes().isEmpty()) << boxes().join('\n').toStdString();
    EXPECT_EQ(m->Combo1, "CV22-3C");
    EXPECT_EQ(m->Label1, "電圧降下率を変更した計算をしました。");
}

TEST_F(Engine, DirectCurrentWorkedCalculationAndBothBackCalculations)
{
    auto m = window(dcTwoWire(), "105V", "CV-2C");
    m->MSFlexGrid1.setTextMatrix(1, 6, "keep");
    m->Combo2 = "0.5"; // no power-factor box in this window: never read
    m->Text1 = "30";
    m->Text4 = "1.5";
    m->Combo1 = "CV5.5-2C";
    m->Command1_Click();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(m->Label12, "14.2");
    EXPECT_EQ(m->Combo4, "2.5");
    EXPECT_EQ(m->Combo5, "2.38");
    EXPECT_EQ(m->Label3, "16AT");
    EXPECT_EQ(m->Label11, "49");
    EXPECT_EQ(m->Label13, "5.1");
    EXPECT_EQ(m->Label2, "50AF");
    EXPECT_EQ(m->Label4, "E2");
    EXPECT_EQ(m->Label5, "2.0");
    EXPECT_EQ(m->ZENKAI, QStringList({"30", "1.5", "CV5.5-2C", "105V", "2.5", "2.38"}));
    EXPECT_EQ(m->MSFlexGrid1.textMatrix(1, 6), "keep");
    EXPECT_EQ(m->MSFlexGrid1.textMatrix(1, 7), "14.2");

    // The drop edited to 1.5 V: 30 × 35.6 × 14.2 / 1500 = 10.1 -> "CV14-2C", whose drop is 1.1 V.
    m->Combo4 = "1.5";
    m->Command1_Click();
    EXPECT_EQ(m->Combo1, "CV14-2C");
    EXPECT_EQ(m->Combo4, "1.1");
    EXPECT_EQ(m->Label1, "電圧降下を変更した計算をしました。");
    EXPECT_EQ(m->KEISAN_KAISUU, 2);

    // Nothing edited: a plain recalculation with the status line's guidance.
    m->Command1_Click();
    EXPECT_EQ(m->Combo1, "CV14-2C");
    EXPECT_EQ(m->Label1, "電圧降下及び降下率で設定変更が出来ます。(１回に付１箇所)");

    // The rate edited to 1 %: e = 1.05 V, A = 14.4 -> 14 -> "CV14-2C".
    m->Combo1 = "CV5.5-2C";
    m->Combo5 = "1";
    m->Command1_Click();
    EXPECT_EQ(m->Combo1, "CV14-2C");
    EXPECT_EQ(m->Label1, "電圧降下率を変更した計算をしました。");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(Engine, StopsBeforeCountingOnEmptyInputsAndOnTooLargeALoad)
{
    for (const VoltageDropVariant *v : {&singlePhaseTwoWire(), &singlePhaseThreeWire(), &threePhaseThreeWire(), &dcTwoWire()}) {
        folder.fake().messages.clear();
        auto m = window(*v, v->twoWire ? "105V" : "210V", v->twoWire ? "IV" : "CVT");
        m->Command1_Click();
        m->Text1 = "10";
        m->Command1_Click();
        m->Text4 = v->twoWire ? "70" : "400"; // above the largest size
        m->Command1_Click();
        m->Command1_Click(); // the flag is reset: the same box again
        EXPECT_EQ(boxes(), QStringList({"ケーブルの長さを入力して下さい。", "負荷の容量を入力して下さい。",
                                        "負荷を小さくして下さい", "負荷を小さくして下さい"}))
            << v->formName;
        EXPECT_EQ(m->KEISAN_KAISUU, 0) << v->formName;
        EXPECT_EQ(m->FUKA_OVER, "OFF") << v->formName;
        EXPECT_TRUE(m->Combo1.isEmpty());
        EXPECT_TRUE(m->ZENKAI.isEmpty());
        EXPECT_EQ(m->MSFlexGrid1.textMatrix(1, 2), "") << v->formName;
    }
}

TEST_F(Engine, RefusesALengthOrLoadNotAboveZeroAndChangesNothing)
{
    const struct
    {
        const char *length;
        const char *load;
        const char *box; // null: the calculation runs
    } cases[] = {
        {"0", "1", "ケーブルの長さを入力して下さい。"},
        {"-5", "1", "ケーブルの長さを入力して下さい。"},
        {"－５", "1", "ケーブルの長さを入力して下さい。"},
        {"50", "0", "負荷の容量を入力して下さい。"},
        {"50", "-2", "負荷の容量を入力して下さい。"},
        {"0.1", "0.01", nullptr},
    };
    for (const VoltageDropVariant *v : {&singlePhaseTwoWire(), &singlePhaseThreeWire(), &threePhaseThreeWire(), &dcTwoWire()}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(v->formName) + " " + c.length + " m, " + c.load + " kW");
            folder.fake().messages.clear();
            auto m = window(*v, v->twoWire ? "105V" : "210V", v->twoWire ? "CV-2C" : "CV-3C");
            m->Text1 = QString::fromUtf8(c.length);
            m->Text4 = QString::fromUtf8(c.load);
            m->Label12 = "old";
            m->Combo4 = "old";
            m->Command1_Click();
            if (!c.box) {
                EXPECT_TRUE(boxes().isEmpty()) << boxes().join('\n').toStdString();
                EXPECT_EQ(m->KEISAN_KAISUU, 1);
                EXPECT_NE(m->MSFlexGrid1.textMatrix(1, 2), "");
                continue;
            }
            EXPECT_EQ(boxes(), QStringList({QString::fromUtf8(c.box)}));
            EXPECT_EQ(m->Label12, "old");
            EXPECT_EQ(m->Combo4, "old");
            EXPECT_EQ(m->KEISAN_KAISUU, 0);
            EXPECT_TRUE(m->ZENKAI.isEmpty());
            EXPECT_EQ(m->MSFlexGrid1.textMatrix(1, 2), "");
        }
    }
}

TEST_F(Engine, OneEditAtATimeAndTheCommandsOwnArithmetic)
{
    auto m = window(singlePhaseTwoWire(), "105V", "IV");
    m->Text1 = "50";
    m->Text4 = "2";
    m->Command1_Click();
    ASSERT_EQ(m->Combo1, "3.5X2");
    const QStringList saved = m->ZENKAI;

    m->Combo4 = "1";
    m->Combo5 = "1";
    m->Command1_Click();
    EXPECT_EQ(boxes(), QStringList({"変更は１回につき１箇所です。"}));
    EXPECT_EQ(m->KEISAN_KAISUU, 2);   // the refused click counts
    EXPECT_EQ(m->ZENKAI, saved);

    // A zero drop cannot give a section.
    m->Combo5 = saved.at(6);
    m->Combo4 = "0";
    m->Command1_Click();
    EXPECT_EQ(boxes().last(), err("Command1_Click"));
    EXPECT_EQ(m->ZENKAI, saved);

    // A tiny drop asks for more than 325 mm²: the message, the number stays, nothing further.
    folder.fake().messages.clear();
    m->Combo4 = "0.01";
    m->Command1_Click();
    EXPECT_EQ(boxes(), QStringList({"サイズをオーバーしました、325m㎡以下にして下さい。"}));
    EXPECT_EQ(m->Combo1, "3382"); // 50 × 35.6 × 19 / 10
    EXPECT_EQ(m->ZENKAI, saved);
}

TEST_F(Engine, AFailingStepEndsTheCalculationWithItsOwnBox)
{
    struct Case
    {
        const char *name;
        const VoltageDropVariant *variant;
        std::function<void(VoltageDropModel &)> spoil;
        const char *box;
    };
    const Case cases[] = {
        {"power factor", &singlePhaseTwoWire(), [](VoltageDropModel &m) { m.Combo2 = ""; }, " FUKA_DENRYU"},
        {"power factor above 1", &singlePhaseTwoWire(), [](VoltageDropModel &m) { m.Combo2 = "2"; }, " FUKA_DENRYU"},
        {"negative power factor", &threePhaseThreeWire(), [](VoltageDropModel &m) { m.Combo2 = "-0.8"; }, " FUKA_DENRYU"},
        {"power factor 0", &singlePhaseThreeWire(), [](VoltageDropModel &m) { m.Combo2 = "0"; }, " FUKA_DENRYU"},
        {"voltage", &dcTwoWire(), [](VoltageDropModel &m) { m.Combo3 = "V"; }, " FUKA_DENRYU"},
        {"negative voltage", &singlePhaseTwoWire(), [](VoltageDropModel &m) { m.Combo3 = "-105V"; }, " FUKA_DENRYU"},
        {"negative voltage, DC", &dcTwoWire(), [](VoltageDropModel &m) { m.Combo3 = "-105V"; }, " FUKA_DENRYU"},
        {"bare number", &singlePhaseTwoWire(), [](VoltageDropModel &m) { m.Combo1 = "22"; }, "DENSEN_SUCHI"},
        {"other type's name", &threePhaseThreeWire(), [](VoltageDropModel &m) { m.Combo1 = "CV14-2C"; }, "DENSEN_SUCHI"},
        {"size no row names", &singlePhaseTwoWire(), [](VoltageDropModel &m) { m.Combo1 = "CV38-2C"; }, "KYOYOU_CHECK"},
        {"rate voltage", &threePhaseThreeWire(), [](VoltageDropModel &m) { m.Combo3 = "2X0V"; }, "KOUKA_LITU"},
    };
    for (const Case &c : cases) {
        folder.fake().messages.clear();
        auto m = window(*c.variant, "105V", c.variant->twoWire ? "CV-2C" : "CV-3C");
        m->Text1 = "50";
        m->Text4 = "1";
        m->Combo1 = c.variant->twoWire ? "CV3.5-2C" : "CV3.5-3C";
        m->Label11 = "old";
        m->Label12 = "old";
        m->Combo4 = "old";
        c.spoil(*m);
        m->Command1_Click();
        EXPECT_EQ(boxes(), QStringList({err(c.box)})) << c.name;
        EXPECT_TRUE(m->ZENKAI.isEmpty()) << c.name;
        EXPECT_EQ(m->Label11, "old") << c.name;
        EXPECT_TRUE(m->Label2.isEmpty()) << c.name;
        EXPECT_EQ(m->MSFlexGrid1.textMatrix(1, 1), "") << c.name;
    }
}

TEST_F(Engine, AllowableCurrentCellsAndTheDataNumber)
{
    // The two-wire window reads an empty current cell as 0 and warns; the others refuse it.
    for (const VoltageDropVariant *v : {&singlePhaseTwoWire(), &dcTwoWire()}) {
        folder.fake().messages.clear();
        auto m = window(*v, "105V", "CV-2C");
        m->DD.set(6, 272, "");
        m->Text1 = "10";
        m->Text4 = "1";
        m->Combo1 = "CV3.5-2C";
        m->Command1_Click();
        if (v == &singlePhaseTwoWire()) {
            EXPECT_EQ(m->Label11, "0");
            EXPECT_EQ(boxes().first(), "電線の許容電流を超えています。サイズを変更して下さい。");
        } else {
            EXPECT_EQ(boxes(), QStringList({err("KYOYOU_CHECK")}));
        }
    }

    // Data number 0 (the heading row) and 101 are refused after the inputs are saved.
    for (const char *row : {"0", "101", "x"}) {
        folder.fake().messages.clear();
        auto m = window(singlePhaseTwoWire(), "105V", "CV-2C");
        m->Text1 = "10";
        m->Text4 = "1";
        m->Text2 = row;
        m->Command1_Click();
        EXPECT_EQ(boxes(), QStringList({err("GR_HYOJI")})) << row;
        EXPECT_EQ(m->ZENKAI.size(), 7);
        EXPECT_EQ(m->MSFlexGrid1.textMatrix(0, 1), "");
        EXPECT_EQ(m->Label5, "2.0");
    }
}

TEST_F(Engine, FrameAndTripMismatchWarnsAndGoesOn)
{
    auto m = window(singlePhaseTwoWire(), "105V", "IV");
    m->Text1 = "10";
    m->Text4 = "3.4";   // 32.3 A on 3.5X2 (26 A): over-current, trip 36 A against a 30 A frame
    m->Combo1 = "3.5X2";
    m->Command1_Click();
    EXPECT_EQ(boxes(), QStringList({"電線の許容電流を超えています。サイズを変更して下さい。", "遮断器のフレームとトリップが合いません。"}));
    EXPECT_EQ(m->Label2, "30AF");
    EXPECT_EQ(m->Label3, "36AT");
    EXPECT_EQ(m->MSFlexGrid1.textMatrix(1, 15), "36AT");
}

TEST_F(Engine, ARateEqualToTheBandLimitPasses)
{
    auto m = window(threePhaseThreeWire(), "200V", "CV-3C");
    m->DENGEN_SHUBETU = "TODEN";
    m->Text1 = "150";
    m->Text4 = "10.5";     // 30.3 A; 46.2 × 30.3 / 14 = 99.99 tenths: 10 V, 5 % exactly
    m->Combo1 = "CV14-3C";
    m->Command1_Click();
    EXPECT_EQ(m->Combo5, "5");
    EXPECT_TRUE(boxes().isEmpty());

    m->KEISAN_KAISUU = 0;
    m->Text4 = "10.6";     // 30.5 A: 10.1 V, 5.05 %
    m->Command1_Click();
    EXPECT_EQ(m->Combo5, "5.05");
    EXPECT_EQ(boxes(), QStringList({"電線長さ１２０ｍを超え２００ｍ以下は降下率５％迄です。"}));
}
