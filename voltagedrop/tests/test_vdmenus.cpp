#include "testenv.h"
#include "vdmenus.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::vd;

namespace {

// A window's state after its load steps (an empty CABLE-SIZE is enough here).
struct Loaded
{
    explicit Loaded(const WindowDesc &desc) : model(*desc.variant), procedures(model, desc)
    {
        procedures.layOutGrid();
        procedures.setDefaults();
    }
    VoltageDropModel model;
    WindowProcedures procedures;
};

const QString kGuidanceTail = QStringLiteral("　長さ、容量、力率を入力して下さい。サイズは入力しなくても計算できます。 ");

// A calculated result row as the engine writes it, columns 1..16.
void writeRow(GridModel &grid, int row, const QStringList &cells)
{
    for (int c = 1; c <= cells.size(); ++c)
        grid.setTextMatrix(row, c, cells[c - 1]);
}

const QStringList kRackRow = {"動力", "210V/105V", "CV14-3C", "30", "5.5", "0.65", "22.4", "61", "17.9", "1.3", "0.62",
                              "E2", "2.0", "100AF", "25AT", "ｹｰﾌﾞﾙﾗｯｸ"};

} // namespace

TEST(VdWindowDescs, DefaultsAfterLoad)
{
    test::TestFolder folder;
    struct Expect
    {
        const WindowDesc *desc;
        const char *pf, *voltage, *firstSize, *wire;
        int voltages, drops;
        const char *lastDrop;
    };
    const Expect expects[] = {
        {&threePhaseThreeWireWindow(), "0.65", "210V", "CV3.5-3C", "CV-3C", 7, 13, "30"},
        {&singlePhaseThreeWireWindow(), "1", "210V/105V", "CV3.5-3C", "CV-3C", 4, 13, "16"},
        {&singlePhaseTwoWireWindow(), "1", "105V", "CV3.5-2C", "CV-2C", 4, 13, "16"},
        {&dcTwoWireWindow(), "", "105V", "CV3.5-2C", "CV-2C", 4, 13, "16"},
    };
    for (const Expect &e : expects) {
        Loaded w(*e.desc);
        const VoltageDropModel &m = w.model;
        SCOPED_TRACE(e.desc->variant->formName);
        EXPECT_EQ(m.Text2, u"1");
        EXPECT_EQ(m.Combo2, QString::fromUtf8(e.pf));
        EXPECT_EQ(m.Combo2Items.size(), *e.pf ? 12 : 0);
        EXPECT_EQ(m.Combo3, QString::fromUtf8(e.voltage));
        EXPECT_EQ(m.Combo3Items.size(), e.voltages);
        EXPECT_EQ(m.Combo4Items.size(), e.drops);
        EXPECT_EQ(m.Combo4Items.last(), QString::fromUtf8(e.lastDrop));
        EXPECT_EQ(m.Combo5Items.size(), 7);
        EXPECT_TRUE(m.Combo1.isEmpty() && m.Combo4.isEmpty() && m.Combo5.isEmpty());
        EXPECT_EQ(m.Combo1Items.size(), 12);
        EXPECT_EQ(m.Combo1Items.first(), QString::fromUtf8(e.firstSize));
        EXPECT_EQ(m.Label1, QStringLiteral("配管=RACK  電線=") + QString::fromUtf8(e.wire) + QStringLiteral("  JIKAYO") + kGuidanceTail);
        EXPECT_EQ(m.KEISAN_KAISUU, 0);
        EXPECT_EQ(m.MSFlexGrid1.rows(), 101);
        EXPECT_EQ(m.MSFlexGrid1.cols(), 21);
        EXPECT_EQ(m.MSFlexGrid1.textMatrix(100, 0), u"100");
        EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 0), u"ＮＯ");
        EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 15), u"遮断機AT");
        EXPECT_TRUE(m.MSFlexGrid1.textMatrix(0, 17).isEmpty());
    }
}

TEST(VdWindowDescs, HeadingsAtLoadAndAfterReset)
{
    test::TestFolder folder;
    // Columns 1, 5, 7 and 16 are where the windows differ.
    struct Expect
    {
        const WindowDesc *desc;
        const char *load[4];
        int width1, width4, width8;
    };
    const Expect expects[] = {
        {&threePhaseThreeWireWindow(), {"名　称", "負荷容量(kW)", "負荷電流(A)", "布設方法"}, 1800, 900, 2000},
        {&singlePhaseThreeWireWindow(), {"名　称", "負荷容量", "負荷電流", "布設方法"}, 1800, 900, 2000},
        {&singlePhaseTwoWireWindow(), {"名　称", "負荷容量", "負荷電流", ""}, 1300, 1300, 1300},
        {&dcTwoWireWindow(), {"　　名　　称", "負荷容量(kW)", "負荷電流(A)", "布設方法"}, 1800, 900, 2000},
    };
    const int columns[] = {1, 5, 7, 16};
    const char *reset[] = {"　名　称", "負荷容量(kW)", "負荷電流(A)", "布設方法"};
    for (const Expect &e : expects) {
        SCOPED_TRACE(e.desc->variant->formName);
        Loaded w(*e.desc);
        GridModel &g = w.model.MSFlexGrid1;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(g.textMatrix(0, columns[i]), QString::fromUtf8(e.load[i]));
        EXPECT_EQ(g.colWidth(0), 450);
        EXPECT_EQ(g.colWidth(1), e.width1);
        EXPECT_EQ(g.colWidth(4), e.width4);
        EXPECT_EQ(g.colWidth(8), e.width8);
        EXPECT_EQ(g.colWidth(20), 1300);
        g.setTextMatrix(5, 9, QStringLiteral("x"));
        w.procedures.GR_CLIA();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(g.textMatrix(0, columns[i]), QString::fromUtf8(reset[i]));
        EXPECT_TRUE(g.textMatrix(5, 9).isEmpty());
        EXPECT_EQ(g.textMatrix(5, 0), u"5");
        EXPECT_EQ(g.colWidth(1), e.width1);
    }
}

TEST(VdWindowProcedures, NextCalculationKeepsVoltageAndPowerFactor)
{
    test::TestFolder folder;
    Loaded w(threePhaseThreeWireWindow());
    VoltageDropModel &m = w.model;
    struct Step
    {
        const char *before, *after;
    };
    for (const Step &s : {Step{"1", "2"}, Step{"1.5", "2"}, Step{"2.5", "4"}, Step{"100", "101"}}) {
        m.Text2 = QString::fromUtf8(s.before);
        m.Combo3 = QStringLiteral("230V"); // typed, not an item
        m.Combo2 = QStringLiteral("0.9");
        m.Text1 = QStringLiteral("30");
        m.Combo1 = QStringLiteral("CV14-3C");
        m.Label11 = QStringLiteral("61");
        m.KEISAN_KAISUU = 3;
        w.procedures.Command2_Click();
        EXPECT_EQ(m.Text2, QString::fromUtf8(s.after));
        EXPECT_EQ(m.Combo3, u"230V");
        EXPECT_EQ(m.Combo2, u"0.9");
        EXPECT_TRUE(m.Text1.isEmpty() && m.Combo1.isEmpty() && m.Label11.isEmpty());
        EXPECT_EQ(m.KEISAN_KAISUU, 0);
        EXPECT_EQ(m.Combo3Items.size(), 7); // refilled, the typed voltage not added
        EXPECT_TRUE(m.Label1.startsWith(u"配管=RACK"));
    }
    EXPECT_TRUE(folder.messages().isEmpty());

    // An empty data number: the box and nothing cleared.
    m.Text2.clear();
    m.Text1 = QStringLiteral("30");
    w.procedures.Command2_Click();
    EXPECT_EQ(folder.messages(), QStringList({"エラーが発生しました。Command2_Click"}));
    EXPECT_EQ(m.Text1, u"30");

    // From 32767 up the successor is written but no longer fits: the count is reset, nothing cleared.
    m.Text2 = QStringLiteral("32767");
    m.KEISAN_KAISUU = 2;
    w.procedures.Command2_Click();
    EXPECT_EQ(m.Text2, u"32768");
    EXPECT_EQ(m.KEISAN_KAISUU, 0);
    EXPECT_EQ(m.Text1, u"30");
}

TEST(VdWindowProcedures, DcNextCalculationKeepsOnlyTheVoltage)
{
    test::TestFolder folder;
    Loaded w(dcTwoWireWindow());
    w.model.Text2 = QStringLiteral("3");
    w.model.Combo3 = QStringLiteral("110V");
    w.procedures.Command2_Click();
    EXPECT_EQ(w.model.Text2, u"4");
    EXPECT_EQ(w.model.Combo3, u"110V");
    EXPECT_TRUE(w.model.Combo2.isEmpty() && w.model.Combo2Items.isEmpty());
}

TEST(VdWindowProcedures, ReadBackConvertsByColumnAndSetsTheLaying)
{
    test::TestFolder folder;
    Loaded w(singlePhaseThreeWireWindow());
    VoltageDropModel &m = w.model;
    GridModel &g = m.MSFlexGrid1;

    w.procedures.Command3_Click();
    EXPECT_EQ(folder.messages(), QStringList({"読込む行番号を選択後にクリックして下さい。"}));

    writeRow(g, 4, kRackRow);
    m.FUSETU_HOUHOU = QStringLiteral("C");
    m.KEISAN_KAISUU = 2;
    g.setRow(4);
    g.setCol(2);
    w.procedures.MSFlexGrid1_Click();
    w.procedures.Command3_Click();
    EXPECT_EQ(m.KEISAN_KAISUU, 0);
    EXPECT_EQ(m.Text2, u"4");
    EXPECT_EQ(m.Text3, u"動力");
    EXPECT_EQ(m.Combo3, u"210V/105V");
    EXPECT_EQ(m.Combo1, u"CV14-3C");
    EXPECT_EQ(m.Text1, u"30");
    EXPECT_EQ(m.Text4, u"5.5");
    EXPECT_EQ(m.Combo2, u"0.65");
    EXPECT_EQ(m.Label12, u"22.4");
    EXPECT_EQ(m.Label11, u"61");
    EXPECT_EQ(m.Label13, u"17.9");
    EXPECT_EQ(m.Combo4, u"1.3");
    EXPECT_EQ(m.Combo5, u"0.62");
    EXPECT_EQ(m.Label4, u"E2");
    EXPECT_EQ(m.Label5, u"2");
    EXPECT_EQ(m.Label2, u"100AF");
    EXPECT_EQ(m.Label3, u"25AT");
    EXPECT_EQ(m.FUSETU_HOUHOU, u"RACK"); // half-width ｹｰﾌﾞﾙﾗｯｸ equals ケーブルラック
    EXPECT_EQ(m.SENTAKU_GYOU, 0);
    // The highlight stays on the cell the user chose.
    EXPECT_EQ(std::make_pair(g.row(), g.col()), std::make_pair(4, 2));

    // A second read-back needs a new pick.
    w.procedures.Command3_Click();
    EXPECT_EQ(folder.messages().size(), 2);

    // A conduit row sets "C"; a never-calculated row gives zeros and empty texts and keeps the laying.
    g.setTextMatrix(4, 16, QStringLiteral("配管"));
    g.setRow(4);
    w.procedures.MSFlexGrid1_Click();
    w.procedures.Command3_Click();
    EXPECT_EQ(m.FUSETU_HOUHOU, u"C");
    g.setRow(9);
    w.procedures.MSFlexGrid1_Click();
    w.procedures.Command3_Click();
    EXPECT_EQ(m.FUSETU_HOUHOU, u"C");
    EXPECT_EQ(m.Text2, u"9");
    EXPECT_TRUE(m.Text3.isEmpty() && m.Combo1.isEmpty() && m.Label4.isEmpty() && m.Label2.isEmpty() && m.Label3.isEmpty());
    for (const QString *zero : {&m.Text1, &m.Text4, &m.Combo3, &m.Combo2, &m.Label11, &m.Label12, &m.Label13, &m.Combo4, &m.Combo5, &m.Label5})
        EXPECT_EQ(*zero, u"0");
}

TEST(VdWindowProcedures, NextCalculationAfterAReadBackGoesBelowTheStoredRows)
{
    for (const WindowDesc *desc : {&singlePhaseTwoWireWindow(), &singlePhaseThreeWireWindow(),
                                   &threePhaseThreeWireWindow(), &dcTwoWireWindow()}) {
        test::TestFolder folder;
        Loaded w(*desc);
        VoltageDropModel &m = w.model;
        for (int r : {1, 2, 40})
            writeRow(m.MSFlexGrid1, r, kRackRow);
        m.MSFlexGrid1.setRow(2);
        w.procedures.MSFlexGrid1_Click();
        w.procedures.Command3_Click();
        ASSERT_EQ(m.Text2, u"2");
        w.procedures.Command2_Click();
        EXPECT_EQ(m.Text2, u"41");
        EXPECT_EQ(folder.messages(), QStringList());
    }
}

// The voltage comes back as the list shows it, so rows written after the read-back show the
// item as the rows before it do; a voltage of no item comes back as its number.
TEST(VdWindowProcedures, ReadBackShowsTheVoltageAsItsListItem)
{
    const struct { const WindowDesc *desc; const char16_t *cell, *shown; } cases[] = {
        {&threePhaseThreeWireWindow(), u"210V", u"210V"},
        {&threePhaseThreeWireWindow(), u"210", u"210V"},
        {&threePhaseThreeWireWindow(), u"440V", u"440V"},
        {&threePhaseThreeWireWindow(), u"212V", u"212"},
        {&singlePhaseThreeWireWindow(), u"204V/102V", u"204V/102V"},
        {&singlePhaseTwoWireWindow(), u"105V", u"105V"},
        {&dcTwoWireWindow(), u"105", u"105V"},
    };
    for (const auto &c : cases) {
        test::TestFolder folder;
        Loaded w(*c.desc);
        QStringList row = kRackRow;
        row[1] = QString::fromUtf16(c.cell);
        writeRow(w.model.MSFlexGrid1, 3, row);
        w.model.MSFlexGrid1.setRow(3);
        w.procedures.MSFlexGrid1_Click();
        w.procedures.Command3_Click();
        EXPECT_EQ(w.model.Combo3, QString::fromUtf16(c.shown)) << c.desc->caption.toStdString() << ' ' << row[1].toStdString();
    }
}

TEST(VdWindowProcedures, DcReadBackLeavesThePowerFactorColumn)
{
    test::TestFolder folder;
    Loaded w(dcTwoWireWindow());
    writeRow(w.model.MSFlexGrid1, 2, kRackRow);
    w.model.MSFlexGrid1.setRow(2);
    w.procedures.MSFlexGrid1_Click();
    w.procedures.Command3_Click();
    EXPECT_TRUE(w.model.Combo2.isEmpty());
    EXPECT_EQ(w.model.Label12, u"22.4");
}

TEST(VdWindowProcedures, ClearAllWithABadDataNumber)
{
    test::TestFolder folder;
    Loaded w(singlePhaseTwoWireWindow());
    VoltageDropModel &m = w.model;
    writeRow(m.MSFlexGrid1, 1, kRackRow);
    m.Text2.clear();
    m.Text1 = QStringLiteral("30");
    m.Combo3 = QStringLiteral("110V");
    w.procedures.IDM_ALLCLIA_Click();
    EXPECT_EQ(folder.messages(), QStringList({"エラーが発生しました。Command2_Click"}));
    EXPECT_EQ(m.Text2, u"1");
    EXPECT_EQ(m.Text1, u"30");
    EXPECT_TRUE(m.MSFlexGrid1.textMatrix(1, 2).isEmpty());
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 16), u"布設方法");

    m.Text2 = QStringLiteral("7");
    w.procedures.IDM_ALLCLIA_Click();
    EXPECT_EQ(m.Text2, u"1");
    EXPECT_TRUE(m.Text1.isEmpty());
    EXPECT_EQ(m.Combo3, u"110V");
}

TEST(VdWindowProcedures, SettersWriteTheirStatusAndSizeLists)
{
    test::TestFolder folder;
    Loaded w(threePhaseThreeWireWindow());
    VoltageDropModel &m = w.model;
    m.Combo1 = QStringLiteral("CV22-3C");
    m.KEISAN_KAISUU = 2;
    w.procedures.setWireType(QStringLiteral("IDM_CVT"));
    EXPECT_EQ(m.DENSEN_SHUBETU, u"CVT");
    EXPECT_EQ(m.Label1, u"ＣＶＴに設定");
    EXPECT_TRUE(m.Combo1.isEmpty());
    EXPECT_EQ(m.Combo1Items, QStringList({"CVT14", "CVT22", "CVT38", "CVT60", "CVT100", "CVT150", "CVT200", "CVT250", "CVT325"}));
    EXPECT_EQ(m.KEISAN_KAISUU, 2);

    w.procedures.setWireType(QStringLiteral("IDM_IV"));
    EXPECT_EQ(m.Combo1Items.first(), u"3.5X3");
    EXPECT_EQ(m.Combo1Items.last(), u"325X3");
    w.procedures.setWireType(QStringLiteral("IDM_FP3C"));
    EXPECT_EQ(m.Label1, u"ＦＰ－３Ｃに設定");
    EXPECT_EQ(m.Combo1Items.first(), u"FP3.5-3C");

    w.procedures.setLaying(QStringLiteral("C"));
    EXPECT_EQ(m.Label1, u"配管に布設に設定");
    w.procedures.setLaying(QStringLiteral("RACK"));
    EXPECT_EQ(m.FUSETU_HOUHOU, u"RACK");
    EXPECT_EQ(m.Label1, u"ケーブルラックに設定");
    w.procedures.setSupply(QStringLiteral("TODEN"));
    EXPECT_EQ(m.Label1, u"東京電力に設定");
    w.procedures.setSupply(QStringLiteral("JIKAYO"));
    EXPECT_EQ(m.DENGEN_SHUBETU, u"JIKAYO");
    EXPECT_EQ(m.Label1, u"自家用に設定");

    Loaded two(singlePhaseTwoWireWindow());
    two.procedures.setWireType(QStringLiteral("IDM_FP2C"));
    EXPECT_EQ(two.model.DENSEN_SHUBETU, u"FP-2C");
    EXPECT_EQ(two.model.Label1, u"ＦＰ－２Ｃに設定");
    EXPECT_EQ(two.model.Combo1Items.first(), u"FP3.5-2C");
    EXPECT_EQ(two.model.Combo1Items.size(), 12);
    two.procedures.setWireType(QStringLiteral("IDM_IV"));
    EXPECT_EQ(two.model.Combo1Items.first(), u"3.5X2");
    EXPECT_EQ(two.model.Label1, u"ＩＶに設定");
}
