#include "numtext.h"
#include "testenv.h"
#include "unbalanced.h"

#include <gtest/gtest.h>

using namespace kb;

namespace {

// Inputs of one calculation: kVA, kW and power factor of the R-N, T-N and R-T groups.
struct Case
{
    const char *name;
    const char *kva[3];
    const char *kw[3];
    const char *pf[3];
    const char *dataNo;
    QStringList messages; // boxes in order
    const char *rate;     // Label2 afterwards ("7" = the earlier text kept)
    bool rowWritten;
    int32_t loads[5] = {}; // R, T, R-T, difference, total (checked when the row is written)
};

const QString kWarn = QStringLiteral("不平衡です。負荷のバランスを調整してください。");
const QString kCmdError = QStringLiteral("エラーが発生しました。Command1_Click");

const Case kCases[] = {
    {"kVA only, unbalanced", {"10", "6", "0"}, {"", "", ""}, {"0.75", "0.75", "0.75"}, "1", {kWarn}, "50", true, {10000, 6000, 0, 4000, 16000}},
    {"kVA and kW mixed", {"2", "5", "3"}, {"5", "", ""}, {"0.8", "0.75", "0.75"}, "1", {}, "14.2", true, {6000, 5000, 3000, 1000, 14000}},
    {"kW only", {"", "", ""}, {"4", "3", "2"}, {"0.75", "0.75", "1"}, "1", {}, "20.6", true, {3000, 2250, 2000, 750, 7250}},
    {"exactly 40 gives no warning", {"6", "4", "0"}, {"", "", ""}, {"", "", ""}, "1", {}, "40", true, {6000, 4000, 0, 2000, 10000}},
    {"40.1 warns", {"12.005", "7.995", "0"}, {"", "", ""}, {"", "", ""}, "1", {kWarn}, "40.1", true, {12005, 7995, 0, 4010, 20000}},
    {"watts rounded, not truncated", {"1.0004", "1.0006", "0"}, {"", "", ""}, {"", "", ""}, "1", {}, "0", true, {1000, 1001, 0, 1, 2001}},
    {"negative kVA refused", {"-1", "3", "0"}, {"", "", ""}, {"", "", ""}, "1", {QStringLiteral("Ｒ相の負荷をを入力して下さい。")}, "7", false},
    {"negative kW refused, full width", {"1", "3", "0"}, {"", "", "－２"}, {"", "", "1"}, "1", {QStringLiteral("Ｒ相－Ｔ相間の負荷をを入力して下さい。")}, "7", false},
    {"R-N group empty", {"", "6", "0"}, {"", "", ""}, {"0.75", "0.75", "0.75"}, "1", {QStringLiteral("Ｒ相の負荷をを入力して下さい。")}, "7", false},
    {"T-N group empty", {"1", "", "0"}, {"", "", ""}, {"0.75", "0.75", "0.75"}, "1", {QStringLiteral("Ｔ相の負荷をを入力して下さい。")}, "7", false},
    {"R-T group empty", {"1", "2", ""}, {"", "", ""}, {"0.75", "0.75", "0.75"}, "1", {QStringLiteral("Ｒ相－Ｔ相間の負荷をを入力して下さい。")}, "7", false},
    {"R-N kW without power factor", {"", "1", "0"}, {"3", "", ""}, {"", "0.75", "0.75"}, "1", {QStringLiteral("Ｒ相の力率を設定して下さい。")}, "7", false},
    {"T-N kW with power factor 0", {"1", "", "0"}, {"", "3", ""}, {"0.75", "0", "0.75"}, "1", {QStringLiteral("Ｔ相の力率を設定して下さい。")}, "7", false},
    {"R-N power factor above 1", {"", "1", "0"}, {"3", "", ""}, {"1.2", "0.75", "0.75"}, "1", {QStringLiteral("Ｒ相の力率を設定して下さい。")}, "7", false},
    {"T-N negative power factor", {"1", "", "0"}, {"", "3", ""}, {"0.75", "-0.8", "0.75"}, "1", {QStringLiteral("Ｔ相の力率を設定して下さい。")}, "7", false},
    {"R-T kW with a non-numeric power factor", {"1", "1", ""}, {"", "", "2"}, {"0.75", "0.75", "abc"}, "1", {QStringLiteral("Ｒ－Ｔ相の力率を設定して下さい。")}, "7", false},
    // A group with no kW load (empty or 0) is its kVA, whatever its power-factor box holds.
    {"kW of 0 with power factor 0", {"17", "19", "23"}, {"13", "0", "0"}, {"0.75", "0", "0"}, "1", {}, "22.5", true, {26750, 19000, 23000, 7750, 68750}},
    {"kW of 0 with no power factor", {"17", "19", "23"}, {"13", "0.0", "０"}, {"0.75", "", "abc"}, "1", {}, "22.5", true, {26750, 19000, 23000, 7750, 68750}},
    {"kW of 0 with a damaged power factor", {"17", "19", "23"}, {"13", "0", ""}, {"0.75", "0\xEF\xBF\xBD", "0"}, "1", {}, "22.5", true, {26750, 19000, 23000, 7750, 68750}},
    {"a small kW still needs its power factor", {"17", "19", "23"}, {"13", "0.001", "0"}, {"0.75", "0", "0"}, "1", {QStringLiteral("Ｔ相の力率を設定して下さい。")}, "7", false},
    {"zero total", {"0", "0", "0"}, {"", "", ""}, {"", "", ""}, "1", {kCmdError}, "7", false},
    {"blanks are filled but no number", {" ", "1", "0"}, {"", "", ""}, {"", "", ""}, "1", {QStringLiteral("Ｒ相の負荷をを入力して下さい。")}, "7", false},
    {"a load that is no number", {"1", "5kVA", "0"}, {"", "", ""}, {"", "", ""}, "1", {QStringLiteral("Ｔ相の負荷をを入力して下さい。")}, "7", false},
    {"load beyond 32 bits", {"3000000", "1", "0"}, {"", "", ""}, {"", "", ""}, "1", {kCmdError}, "7", false},
    {"data number 101", {"10", "6", "0"}, {"", "", ""}, {"", "", ""}, "101", {kWarn, QStringLiteral("エラーが発生しました。GR_HYOJI")}, "50", false},
    {"data number 0 names the heading row", {"1", "1", "0"}, {"", "", ""}, {"", "", ""}, "0", {QStringLiteral("エラーが発生しました。GR_HYOJI")}, "0", false},
};

class UnbalancedCase : public ::testing::TestWithParam<Case>
{
protected:
    test::TestFolder folder;
};

} // namespace

TEST_P(UnbalancedCase, Calculates)
{
    const Case &c = GetParam();
    Form16Model m;
    m.Form_Load();
    m.Label2 = QStringLiteral("7");
    QString *kva[] = {&m.Text3, &m.Text5, &m.Text7};
    QString *kw[] = {&m.Text4, &m.Text6, &m.Text8};
    QString *pf[] = {&m.Combo1, &m.Combo2, &m.Combo3};
    for (int g = 0; g < 3; ++g) {
        *kva[g] = QString::fromUtf8(c.kva[g]);
        *kw[g] = QString::fromUtf8(c.kw[g]);
        *pf[g] = QString::fromUtf8(c.pf[g]);
    }
    m.Text2 = QString::fromUtf8(c.dataNo);
    const QVector<QString> before = m.MSFlexGrid1.allTexts();

    m.Command1_Click();

    EXPECT_EQ(folder.messages(), c.messages);
    EXPECT_EQ(m.Label1, u"どこでも自由に設定変更が出来ます。");
    EXPECT_EQ(m.Label2, QString::fromUtf8(c.rate));
    if (c.rowWritten) {
        EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 11), QString::fromUtf8(c.rate));
        EXPECT_EQ(m.loads.R_FUKA, c.loads[0]);
        EXPECT_EQ(m.loads.T_FUKA, c.loads[1]);
        EXPECT_EQ(m.loads.RT_FUKA, c.loads[2]);
        EXPECT_EQ(m.loads.FUKA_SA, c.loads[3]);
        EXPECT_EQ(m.loads.FUKA_GOUKEI, c.loads[4]);
    } else {
        EXPECT_EQ(m.MSFlexGrid1.allTexts(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, UnbalancedCase, ::testing::ValuesIn(kCases),
                         [](const auto &info) {
                             std::string n;
                             for (char ch : std::string(info.param.name))
                                 n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return n;
                         });

class Unbalanced : public ::testing::Test
{
protected:
    void SetUp() override { m.Form_Load(); }
    test::TestFolder folder;
    Form16Model m;
};

TEST_F(Unbalanced, LoadSetsDefaultsHeadingsAndWidths)
{
    EXPECT_EQ(m.Text2, u"1");
    EXPECT_EQ(m.Label1, u"負荷が無い所は入力しないで下さい。");
    EXPECT_TRUE(m.Label2.isEmpty());
    for (const QString *pf : {&m.Combo1, &m.Combo2, &m.Combo3})
        EXPECT_EQ(*pf, u"0.75");
    EXPECT_EQ(m.Combo3Items, QStringList({"1", "0.98", "0.95", "0.85", "0.8", "0.75", "0.7", "0.65", "0.6"}));
    const QStringList headings = {"ＮＯ", "   名　  称", "Ｒ相(kVA)", "Ｒ相(kW)", "Ｒ相力率", "Ｔ相(kVA)", "Ｔ相(kW)",
                                  "Ｔ相力率", "Ｒ－Ｔ相(kVA)", "Ｒ－Ｔ相(kW)", "Ｒ－Ｔ相力率", "不平衡率(%)"};
    for (int c = 0; c <= 20; ++c)
        EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, c), headings.value(c)) << c;
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(100, 0), u"100");
    EXPECT_EQ(m.MSFlexGrid1.colWidth(0), 450);
    EXPECT_EQ(m.MSFlexGrid1.colWidth(1), 1800);
    EXPECT_EQ(m.MSFlexGrid1.colWidth(20), 1500);
}

TEST_F(Unbalanced, RowHoldsTheInputsAsTypedAndNoPowerFactorForKvaOnlyGroups)
{
    m.Text1 = QStringLiteral(" 幹線 ");
    m.Text2 = QStringLiteral("3");
    m.Text3 = QStringLiteral("2");
    m.Text4 = QStringLiteral("5");
    m.Combo1 = QStringLiteral("0.8");
    m.Text5 = QStringLiteral("5");
    m.Text7 = QStringLiteral("3");
    m.Command1_Click();
    const QStringList row = {"3", " 幹線 ", "2", "5", "0.8", "5", "", "", "3", "", "", "14.2", ""};
    for (int c = 0; c <= 12; ++c)
        EXPECT_EQ(m.MSFlexGrid1.textMatrix(3, c), row[c]) << c;
    EXPECT_TRUE(m.Combo2.isEmpty()); // cleared on screen as well
    EXPECT_EQ(std::make_pair(m.MSFlexGrid1.row(), m.MSFlexGrid1.col()), std::make_pair(3, 1)); // the row's name

    // The same inputs again give the same loads: they start from 0 each time.
    m.Combo2 = QStringLiteral("0.75");
    m.Command1_Click();
    EXPECT_EQ(m.loads.R_FUKA, 6000);
    EXPECT_EQ(m.Label2, u"14.2");
}

TEST_F(Unbalanced, NextCalculationAdvancesAndKeepsChosenPowerFactors)
{
    m.Text2 = QStringLiteral("1.5");
    m.Text1 = QStringLiteral("x");
    m.Text3 = QStringLiteral("1");
    m.Label2 = QStringLiteral("5");
    m.Combo1.clear();
    m.Combo2 = QStringLiteral("0.9");
    m.Command2_Click();
    EXPECT_EQ(m.Text2, u"2.5");
    EXPECT_TRUE(m.Text1.isEmpty() && m.Text3.isEmpty() && m.Label2.isEmpty());
    EXPECT_EQ(m.Combo1, u"0.75");
    EXPECT_EQ(m.Combo2, u"0.9");
    EXPECT_EQ(m.Label1, u"負荷が無い所は入力しないで下さい。");

    m.Text2.clear();
    m.Text3 = QStringLiteral("1");
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), QStringList({"エラーが発生しました。Command2_Click"}));
    EXPECT_EQ(m.Text3, u"1"); // nothing cleared
}

TEST_F(Unbalanced, NextCalculationAfterAReadBackGoesBelowTheStoredRows)
{
    for (const char *row : {"1", "2"}) {
        m.Text2 = QString::fromLatin1(row);
        m.Text3 = QStringLiteral("10");
        m.Text5 = QStringLiteral("10");
        m.Text7 = QStringLiteral("0");
        m.Command1_Click();
    }
    m.MSFlexGrid1.setRow(1);
    m.MSFlexGrid1_Click();
    m.Command3_Click();
    ASSERT_EQ(m.Text2, u"1");
    m.Command2_Click();
    EXPECT_EQ(m.Text2, u"3");
    EXPECT_EQ(folder.messages(), QStringList());
}

TEST_F(Unbalanced, ReadBackTakesNumbersByPrefixAndNeedsAPick)
{
    m.Command3_Click();
    EXPECT_EQ(folder.messages(), QStringList({"読込む行番号を選択後にクリックして下さい。"}));

    m.Text2 = QStringLiteral("2");
    m.Text1 = QStringLiteral("盤A");
    m.Text3 = QStringLiteral("10");
    m.Text5 = QStringLiteral("6");
    m.Text7 = QStringLiteral("0");
    m.Command1_Click();
    m.Command2_Click();

    m.MSFlexGrid1.setRow(2);
    m.MSFlexGrid1_Click();
    EXPECT_EQ(m.SENTAKU_GYOU, 2);
    m.Command3_Click();
    EXPECT_EQ(m.Text2, u"2");
    EXPECT_EQ(m.Text1, u"盤A");
    EXPECT_EQ(m.Text3, u"10");
    EXPECT_TRUE(m.Text4.isEmpty()); // copied as text
    EXPECT_EQ(m.Combo1, u"0");
    EXPECT_EQ(m.Text6, u"0");
    EXPECT_EQ(m.Label2, u"50");
    EXPECT_EQ(m.SENTAKU_GYOU, 0);

    folder.fake().messages.clear();
    m.Command3_Click();
    EXPECT_EQ(folder.messages(), QStringList({"読込む行番号を選択後にクリックして下さい。"}));

    // A row never written: the data number, empty texts and zeros.
    m.MSFlexGrid1.setRow(7);
    m.MSFlexGrid1_Click();
    m.Command3_Click();
    EXPECT_EQ(m.Text2, u"7");
    EXPECT_TRUE(m.Text1.isEmpty() && m.Text4.isEmpty());
    EXPECT_EQ(m.Text3, u"0");
    EXPECT_EQ(m.Combo3, u"0");
    EXPECT_EQ(m.Label2, u"0");
}

// A row whose T-N and R-T loads were given in kVA only comes back with 0 in their kW and
// power-factor boxes; 計算 then gives the same loads and rate, with those 0s in the row.
TEST_F(Unbalanced, ARowOfKvaOnlyGroupsReadBackCalculatesAgain)
{
    m.Text3 = QStringLiteral("17");
    m.Text4 = QStringLiteral("13");
    m.Text5 = QStringLiteral("19");
    m.Text7 = QStringLiteral("23");
    m.Command1_Click();
    const auto row = [this] {
        QStringList cells;
        for (int col = 2; col <= 11; ++col)
            cells << m.MSFlexGrid1.textMatrix(1, col);
        return cells;
    };
    ASSERT_EQ(row(), QStringList({"17", "13", "0.75", "19", "", "", "23", "", "", "22.5"}));
    for (int pass = 1; pass <= 2; ++pass) {
        m.Label2.clear();
        m.MSFlexGrid1.setRow(1);
        m.MSFlexGrid1_Click();
        m.Command3_Click();
        EXPECT_EQ((QStringList{m.Text6, m.Combo2, m.Text8, m.Combo3}), QStringList({"0", "0", "0", "0"}));
        m.Command1_Click();
        EXPECT_EQ(folder.messages(), QStringList()) << pass;
        EXPECT_EQ(m.Label2, u"22.5");
        EXPECT_EQ(m.loads.T_FUKA, 19000);
        EXPECT_EQ(m.loads.RT_FUKA, 23000);
        EXPECT_EQ(row(), QStringList({"17", "13", "0.75", "19", "0", "0", "23", "0", "0", "22.5"})) << pass;
    }
}

TEST_F(Unbalanced, ACellThatCouldNotBeReadComesBackMarkedAndIsAskedFor)
{
    // Row 1: R-N 3 kW at 0.8, T-N 6 kVA, R-T none; then one cell damaged as a result file's
    // unreadable bytes come back, read back and calculated again.
    struct Case { int column; QString *box; const char *prompt; };
    const Case cases[] = {
        {4, &m.Combo1, "Ｒ相の力率を設定して下さい。"},
        {5, &m.Text5, "Ｔ相の負荷をを入力して下さい。"},
    };
    for (const Case &c : cases) {
        m.Text2 = QStringLiteral("1");
        m.Text4 = QStringLiteral("3");
        m.Combo1 = QStringLiteral("0.8");
        m.Text5 = QStringLiteral("6");
        m.Text7 = QStringLiteral("0");
        m.Command1_Click();
        const QString damaged = m.MSFlexGrid1.textMatrix(1, c.column) + kUnreadableMark;
        m.MSFlexGrid1.setTextMatrix(1, c.column, damaged);
        QStringList row;
        for (int col = 1; col <= 12; ++col)
            row << m.MSFlexGrid1.textMatrix(1, col);
        m.MSFlexGrid1.setRow(1);
        m.MSFlexGrid1_Click();
        m.Command3_Click();
        EXPECT_EQ(*c.box, damaged) << c.prompt;
        folder.fake().messages.clear();
        m.Command1_Click();
        EXPECT_EQ(folder.messages(), QStringList{QString::fromUtf8(c.prompt)});
        for (int col = 1; col <= 12; ++col)
            EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, col), row.at(col - 1)) << c.prompt << " column " << col;
    }
}

TEST_F(Unbalanced, ClearAllResetsTheGridEvenWhenTheDataNumberIsBad)
{
    m.Text3 = QStringLiteral("10");
    m.Text5 = QStringLiteral("6");
    m.Text7 = QStringLiteral("0");
    m.Command1_Click();
    m.MSFlexGrid1.setTextMatrix(0, 15, QStringLiteral("x"));
    m.Text2 = QStringLiteral("abc");
    m.IDM_ALLCLIA_Click();
    EXPECT_EQ(folder.messages().last(), u"エラーが発生しました。Command2_Click");
    EXPECT_EQ(m.Text2, u"1");
    EXPECT_EQ(m.Text3, u"10"); // the failed next-calculation cleared nothing
    EXPECT_TRUE(m.MSFlexGrid1.textMatrix(1, 11).isEmpty());
    EXPECT_TRUE(m.MSFlexGrid1.textMatrix(0, 15).isEmpty());
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 1), u"   名　  称");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 0), u"1");
    EXPECT_EQ(m.MSFlexGrid1.colWidth(1), 1800);
}
