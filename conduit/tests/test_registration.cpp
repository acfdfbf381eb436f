#include "conduitfixture.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::test;

namespace {

const QString kGreeting = u"いつもお仕事ご苦労さまです。 "_qs;
const QString kPrompt = u"ﾃﾞｰﾀ－NO,(名称)、電線の名称、本数を記入して下さい。"_qs;
const QString kNoEnd = u"ﾃﾞｰﾀ－のENDを検出出ませんでした。ENDを設定してください。"_qs;
const QString kLoadIt = u"ファイル ｢CABLE-PIPE.qvx｣ を読み込んでください。"_qs;
const QString kCommand1Error = u"エラーが発生しました。Command1_Click"_qs;
const QString kNotFound = u"該当電線がありません、電線名称をかくにんしてやり直して下さい。"_qs;

using Loaded = LoadedForm1;

} // namespace

TEST(Form1Load, GreetsWithTheAreaModeAndFillsTheLowVoltageList)
{
    const struct { const char16_t *mode; QString sentence; bool free; } cases[] = {
        {u"JIDOU", u"断面積は自動設定です。"_qs, false},
        {u"user", u"断面積はユーザー設定です。"_qs, false},
        {u"NINI", u"断面積は任意設定です。"_qs, true},
        {u"OTHER", QString(), false},
    };
    for (const auto &c : cases) {
        TestFolder folder;
        TextTable t = conduitFixture();
        t.set(2, 150, QString::fromUtf16(c.mode));
        Form1Model m;
        int busy = 0;
        m.beginBusy = [&] { ++busy; };
        m.endBusy = [&] { --busy; };
        loadModel(m, t);
        EXPECT_EQ(m.Label1, kGreeting + c.sentence + kPrompt);
        EXPECT_EQ(m.Combo7Enabled, c.free);
        EXPECT_EQ(busy, 0);
    }
    TestFolder folder;
    Form1Model m;
    loadModel(m);
    ASSERT_EQ(m.Combo3Items.size(), 50);
    EXPECT_EQ(m.Combo3Items.mid(0, 5), (QStringList{u"IV2.0"_qs, u"IV5.5"_qs, u"IV60"_qs, u"CV5.5-3C"_qs, QString()}));
    EXPECT_EQ(m.Combo3, u"");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 2), u"配管サイズ(32%)");
    EXPECT_EQ(gridRow(m, 0), (QStringList{u"ＮＯ"_qs, u"電線サイズ"_qs, u"配管サイズ(32%)"_qs, u"断面積累計"_qs, u"外形寸法"_qs,
                                         u"外形累計"_qs, u"断面積"_qs, u"補正係数"_qs, u"重　量 g/m"_qs, u"条　件"_qs, u"予　備"_qs}));
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(100, 0), u"100");
    EXPECT_EQ(m.MSFlexGrid1.colWidth(1), 2850);
    EXPECT_FALSE(m.Combo1Enabled);
    EXPECT_FALSE(m.Combo6Enabled);
    EXPECT_EQ(m.Text1, u"データ名称を入力してください。");
}

TEST(Form1Load, StopsAtTheFirstEndCellOfTheCableRowsOnly)
{
    TestFolder folder;
    TextTable t = conduitFixture();
    t.set(1, 309, QString()); // the fixture's own END
    t.set(3, 100, u"END"_qs);   // ends nothing above row 301
    for (int r = 309; r <= 425; ++r)
        setRow(t, r, {u"X"_qs + QString::number(r), u"1"_qs, u"2"_qs, u"1"_qs, u"3"_qs});
    t.set(3, 420, u"end"_qs);
    Form1Model m;
    loadModel(m, t);
    EXPECT_EQ(m.CABLE_DATA.at(5, 419), u"3");
    EXPECT_EQ(m.CABLE_DATA.at(2, 420), u"1");
    EXPECT_EQ(m.CABLE_DATA.at(3, 420), u"end");
    EXPECT_EQ(m.CABLE_DATA.at(4, 420), u"");
    EXPECT_EQ(m.CABLE_DATA.at(1, 421), u"");
    EXPECT_EQ(m.Label1, kGreeting + u"断面積は自動設定です。"_qs + kPrompt);
}

TEST(Form1Load, WithoutEndOrWithoutFileTheListStaysEmpty)
{
    {
        TestFolder folder;
        TextTable t = conduitFixture();
        t.set(1, 309, QString());
        t.set(1, 3000, u"LAST"_qs);
        Form1Model m;
        loadModel(m, t);
        EXPECT_EQ(m.Label1, kNoEnd);
        EXPECT_TRUE(m.Combo3Items.isEmpty());
        EXPECT_EQ(m.CABLE_DATA.at(1, 3000), u"LAST");
    }
    TestFolder folder;
    Form1Model m;
    m.Form_Load(); // no database at all: not created, the prompt to load it
    EXPECT_EQ(m.Label1, kLoadIt);
    EXPECT_FALSE(QFile::exists(databasePath(db::CablePipe)));
    registerCables(m, u"IV2.0"_qs);
    EXPECT_EQ(folder.messages(), QStringList{kNotFound});
}

TEST(Form1Load, AnOverflowingPercentageIsTheLoadsFailure)
{
    TestFolder folder;
    TextTable t = conduitFixture();
    t.set(1, 144, u"40000"_qs);
    Form1Model m;
    int busy = 0;
    m.beginBusy = [&] { ++busy; };
    m.endBusy = [&] { --busy; };
    loadModel(m, t);
    EXPECT_EQ(folder.messages(), QStringList{u"エラーが発生しました。Form_Load"_qs});
    EXPECT_EQ(busy, 0);
    EXPECT_EQ(m.CABLE_DATA.at(1, 301), u""); // the cable rows were not reached
}

TEST_F(Loaded, RegistrationAppendsRowsByExactNameIgnoringCase)
{
    registerCables(m, u"iv5.5  "_qs, 3);
    EXPECT_EQ(m.TOROKU_SUU, 3);
    EXPECT_EQ(gridRow(m, 3, 0, 9), (QStringList{u"3"_qs, u"iv5.5"_qs, QString(), QString(), u"5"_qs, QString(), u"19.6"_qs, u"0"_qs, u"58"_qs, u"1"_qs}));
    EXPECT_EQ(m.Label1, u"電線は  3 本です。次に配管を設定して下さい。");
    EXPECT_EQ(m.Command1, u"登録完了");
    EXPECT_EQ(m.Command4, u"配管登録");
    EXPECT_EQ(m.Combo5, u"1");
    EXPECT_TRUE(m.Combo1Enabled);

    registerCables(m, u"CV8-2C"_qs, 0); // nothing appended, yet confirmed
    EXPECT_EQ(m.TOROKU_SUU, 3);
    EXPECT_EQ(m.Label1, u"電線は  0 本です。次に配管を設定して下さい。");
    EXPECT_EQ(m.Command1, u"登録完了");

    registerCables(m, u"CV8"_qs); // a name's beginning is not the name
    registerCables(m, u"XX"_qs);  // nor a row after the end
    EXPECT_EQ(folder.messages(), (QStringList{kNotFound, kNotFound}));
    EXPECT_EQ(m.TOROKU_SUU, 3);
    EXPECT_EQ(m.Label1, u"電線は  1 本です。次に配管を設定して下さい。");
}

TEST_F(Loaded, RefusedRegistrations)
{
    m.Combo3.clear();
    m.Command1_Click();
    EXPECT_EQ(m.focusRequest, u"Combo3");
    m.Combo3 = u"IV2.0"_qs;
    m.Combo5.clear();
    m.Command1_Click();
    EXPECT_EQ(m.Label1, u"電線本数を設定して下さい。");
    m.Combo5 = u"many"_qs; // a count that is no number asks for the count as an empty one does
    m.Label1.clear();
    m.Command1_Click();
    EXPECT_EQ(m.Label1, u"電線本数を設定して下さい。");
    m.Combo5 = u"2.5"_qs; // half to even: 2
    m.Command1_Click();
    m.Combo5 = u"1"_qs;
    m.Combo3 = u"   "_qs; // blanks name no cable
    m.Command1_Click();
    EXPECT_EQ(folder.messages(), (QStringList{u"電線名称を入力してください。"_qs, u"該当電線がありません、電線名称をかくにんしてやり直して下さい。"_qs}));
    EXPECT_EQ(m.TOROKU_SUU, 2);
}

// A cable row whose diameter or section holds no positive number (a cell the database
// holds damaged, a 0, nothing) would size the conduit on a 0: it is refused as a cable
// that is not there, and nothing of it is registered. The weight is only shown.
TEST(Form1Registration, ACableWithoutAUsableDiameterOrSectionIsRefused)
{
    const struct { const char *name; int column; QByteArray bytes; bool registered; } cases[] = {
        {"diameter of damaged bytes", 2, "\xFF\xFF" "3.4", false},
        {"diameter damaged after a digit", 2, "3\x80" "4", false},
        {"section of damaged bytes", 3, "\xFD", false},
        {"diameter 0", 2, "0", false},
        {"section empty", 3, "", false},
        {"section negative", 3, "-9.1", false},
        {"weight of damaged bytes", 5, "\xFF", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        writeDatabase(conduitFixture());
        writeCellBytes(databasePath(db::CablePipe), 5, 301, c.column, c.bytes); // IV2.0
        Form1Model m;
        m.Form_Load();
        registerCables(m, u"IV5.5"_qs);
        m.Command1 = u"電線登録"_qs;
        registerCables(m, u"IV2.0"_qs, 2);
        if (c.registered) {
            EXPECT_TRUE(folder.messages().isEmpty());
            EXPECT_EQ(m.TOROKU_SUU, 3);
            EXPECT_EQ(gridRow(m, 3, 4, 6), (QStringList{u"3.4"_qs, QString(), u"9.1"_qs}));
            continue;
        }
        EXPECT_EQ(folder.messages(), QStringList{kNotFound});
        EXPECT_EQ(m.TOROKU_SUU, 1);
        EXPECT_EQ(gridRow(m, 2, 1, 10), QStringList(10, QString()));
        EXPECT_EQ(m.Command1, u"電線登録");
        EXPECT_EQ(m.Combo5, u"2");
    }
}

TEST_F(Loaded, TheListHoldsAHundredRows)
{
    registerCables(m, u"CV22"_qs, 30);
    registerCables(m, u"CV22"_qs, 30);
    registerCables(m, u"CV22"_qs, 30);
    m.Command7_Click(); // a listing that the full list will not clear
    registerCables(m, u"CV22"_qs, 12);
    EXPECT_EQ(m.TOROKU_SUU, 100);
    EXPECT_EQ(folder.messages().last(), kCommand1Error);
    m.Command1 = u"before"_qs;
    registerCables(m, u"CV22"_qs, 1);
    EXPECT_EQ(m.TOROKU_SUU, 100);
    EXPECT_EQ(m.Command1, u"before"); // no 登録完了 on the failure
    EXPECT_EQ(m.Combo5, u"1");
    EXPECT_EQ(m.KENSAKU_HYOJI, 1);
}

TEST_F(Loaded, DeletingMovesTheRowsBelowUp)
{
    for (const char16_t *name : {u"IV2.0", u"IV5.5", u"IV60", u"CV22", u"CV8-2C"})
        registerCables(m, QString::fromUtf16(name));
    m.MSFlexGrid1.setRow(3);
    m.MSFlexGrid1.setCol(1);
    m.MSFlexGrid1_Click();
    EXPECT_EQ(m.Combo3, u"IV60");
    m.IDM_DEL_Click();
    EXPECT_EQ(m.Command1, u"削　除");
    EXPECT_EQ(m.Label1, u"削除する行番号を選択後、「削除」ボタンを押して下さい。");
    m.Command1_Click();
    EXPECT_EQ(m.TOROKU_SUU, 4);
    EXPECT_EQ(m.Label1, u"削除行番号は3です。再計算する為「計算」ボタンを押してください。");
    EXPECT_EQ(gridRow(m, 3, 0, 9), (QStringList{u"3"_qs, u"CV22"_qs, QString(), QString(), u"11"_qs, QString(), u"95"_qs, u"0"_qs, u"250"_qs, u"1"_qs}));
    EXPECT_EQ(gridRow(m, 4, 1, 1), QStringList{u"CV8-2C"_qs});
    EXPECT_EQ(gridRow(m, 5, 0, 10), (QStringList{u"5"_qs} << QStringList(10, QString())));
    EXPECT_EQ(m.SAKUJO_MODE, 0);
    EXPECT_EQ(m.Command1, u"電線登録");
    // The pick stays: a second deletion removes what now stands in row 3.
    m.IDM_DEL_Click();
    m.Command1_Click();
    EXPECT_EQ(gridRow(m, 3, 1, 1), QStringList{u"CV8-2C"_qs});
    EXPECT_EQ(m.TOROKU_SUU, 3);
    EXPECT_TRUE(folder.messages().isEmpty());
}

// The window asks for the pick again, without an error box.
TEST_F(Loaded, DeletionWithoutAPickOrBelowTheListIsRefused)
{
    const QString pickPrompt = u"削除する行番号を選択後、「削除」ボタンを押して下さい。"_qs;
    registerCables(m, u"IV2.0"_qs, 2);
    m.IDM_DEL_Click();
    m.Command1_Click(); // no row picked yet
    EXPECT_EQ(m.Label1, pickPrompt);
    m.MSFlexGrid1.setRow(5);
    m.MSFlexGrid1_Click(); // an empty cell: picked, the box unchanged
    EXPECT_EQ(m.Combo3, u"IV2.0");
    m.Command1_Click();
    EXPECT_EQ(m.Label1, pickPrompt);
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_EQ(m.TOROKU_SUU, 2);
    EXPECT_EQ(m.SAKUJO_MODE, 1);
    EXPECT_EQ(m.Command1, u"削　除");
    EXPECT_EQ(gridRow(m, 2, 1, 1), QStringList{u"IV2.0"_qs});
}

TEST_F(Loaded, DeletionWithAnEmptyListOnlyEndsTheDeleteMode)
{
    registerCables(m, u"IV2.0"_qs, 2);
    m.MSFlexGrid1.setRow(2);
    m.MSFlexGrid1_Click();
    m.IDM_DEL_Click();
    m.Command3_Click(); // 次の計算 keeps the delete mode
    EXPECT_EQ(m.Command1, u"電線登録");
    EXPECT_EQ(m.SAKUJO_MODE, 1);
    m.Combo3 = u"IV2.0"_qs;
    m.Command1_Click();
    EXPECT_EQ(m.TOROKU_SUU, 0);
    EXPECT_EQ(m.SAKUJO_MODE, 0);
    EXPECT_EQ(m.Command1, u"電線登録");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 1), u"電線サイズ");
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(Loaded, NextCalculationEmptiesTheListAndOptionallyTheBoxes)
{
    m.Text1 = u"DATA-1"_qs;
    m.Combo1 = u"C"_qs;
    registerCables(m, u"IV2.0"_qs, 2);
    m.MSFlexGrid1.setTextMatrix(2, 10, u"spare"_qs);
    m.Combo7 = u"48%"_qs;
    m.Command3_Click();
    EXPECT_EQ(m.TOROKU_SUU, 0);
    EXPECT_EQ(m.DENSEN_TOROKU[2].cableName, u"");
    EXPECT_EQ(gridRow(m, 2, 1, 10), QStringList(10, QString()));
    EXPECT_EQ(m.Combo7, u"32%");
    EXPECT_EQ(m.Label1, u"ﾃﾞｰﾀ－NO,(名称)を記入後、電線の名称、本数を記入して下さい。");
    EXPECT_EQ(m.Text1, u"DATA-1");
    EXPECT_EQ(m.Combo1, u"C");
    EXPECT_EQ(m.Combo3, u"IV2.0");
    EXPECT_EQ(m.Command6, u"低圧電線・ｹｰﾌﾞﾙ");

    m.IDM_KURIA_Click();
    EXPECT_EQ(m.Label1, u"電線、配管入力欄をクリアーする設定にしました。");
    m.Command3_Click();
    EXPECT_EQ(m.Text1 + m.Combo1 + m.Combo3, u"");
    m.IDM_KURIANO_Click();
    EXPECT_EQ(m.Label1, u"電線､配管入力欄をクリアーする設定を解除しました｡");
    EXPECT_EQ(m.KURIA_SETTEI(), u"OFF");
}

TEST_F(Loaded, SearchListsBelowTheRegisteredRowsAndRegistrationClearsIt)
{
    registerCables(m, u"IV2.0"_qs, 3);
    m.Combo3 = u"CPEV "_qs;
    m.Command7_Click();
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(4, 1), u"");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(5, 1), u"登録電線は下記です。");
    EXPECT_EQ(gridRow(m, 6, 1, 6), (QStringList{u"CPEV0.9-10P"_qs, QString(), QString(), u"11"_qs, QString(), u"95"_qs}));
    EXPECT_EQ(gridRow(m, 7, 1, 1), QStringList{u"CPEV0.9-20P"_qs});
    EXPECT_EQ(m.KENSAKU_GYOU, 7);
    EXPECT_EQ(m.Label1, u"電線サイズを選択後、本数を設定し、電線登録を押してください。");
    EXPECT_EQ(m.Combo3, u"CPEV ");

    m.MSFlexGrid1.setRow(7);
    m.MSFlexGrid1.setCol(1);
    m.MSFlexGrid1_Click();
    m.Combo5 = u"2"_qs;
    m.Command1_Click(); // rows 4 and 5 over the listing; the rest disappears
    EXPECT_EQ(gridRow(m, 5, 1, 1), QStringList{u"CPEV0.9-20P"_qs});
    EXPECT_EQ(gridRow(m, 6, 1, 6), QStringList(6, QString()));
    EXPECT_EQ(gridRow(m, 7, 1, 1), QStringList{QString()});
    EXPECT_EQ(m.KENSAKU_HYOJI, 0);
}

TEST_F(Loaded, SearchPastTheLastGridRowFails)
{
    registerCables(m, u"CV22"_qs, 30);
    registerCables(m, u"CV22"_qs, 30);
    registerCables(m, u"CV22"_qs, 30);
    registerCables(m, u"CV22"_qs, 7);
    int busy = 0;
    m.beginBusy = [&] { ++busy; };
    m.endBusy = [&] { --busy; };
    m.Combo3 = u"  "_qs; // blanks only: every row matches
    m.Command7_Click();
    EXPECT_EQ(folder.messages(), QStringList{u"エラーが発生しました。Command7_Click"_qs});
    EXPECT_EQ(busy, 0);
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(99, 1), u"登録電線は下記です。");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(100, 1), u"IV2.0");
    EXPECT_EQ(m.KENSAKU_HYOJI, 1);
    registerCables(m, u"CV22"_qs, 2); // over the listing, which then disappears
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(100, 1), u"");
    m.Combo3 = u"IV"_qs;
    m.Command7_Click(); // 99 rows: the heading itself has no room
    EXPECT_EQ(folder.messages().size(), 2);
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(100, 1), u"");
    EXPECT_EQ(m.KENSAKU_GYOU, 101);
}

TEST_F(Loaded, KindMenusFillTheNameList)
{
    m.Combo3 = u"typed"_qs;
    m.cableKindMenu_Click(u"IDM_EMKOATU");
    EXPECT_EQ(m.Command6, u"エコ高圧");
    EXPECT_EQ(m.Combo3, u"");
    ASSERT_EQ(m.Combo3Items.size(), 50);
    EXPECT_EQ(m.Combo3Items.first(), u"CV22");
    m.cableKindMenu_Click(u"IDM_JAKU");
    EXPECT_EQ(m.Command6, u"弱電ｹｰﾌﾞﾙ");
    EXPECT_EQ(m.Combo3Items.first(), u"CPEV0.9-10P");
    m.Command3_Click();
    EXPECT_EQ(m.Command6, u"弱電ｹｰﾌﾞﾙ");
    EXPECT_EQ(m.Combo3Items.first(), u"CPEV0.9-10P");
}

TEST_F(Loaded, SettingsMenuConfirmsInTheStatusLine)
{
    const struct { void (Form1Model::*command)(); const char16_t *status; } cases[] = {
        {&Form1Model::IDM_PFSETTI_Click, u"PF-CD管の上限を(28)に設定しました。"},
        {&Form1Model::IDM_PFKAIJO_Click, u"PF-CD管の上限を(28)に設定を解除しました。"},
        {&Form1Model::IDM_MESSEGION_Click, u"メッセージボックスを表示する設定にしました。"},
        {&Form1Model::IDM_MESSEGIOFF_Click, u"メッセージボックスを表示する設定を解除しました。"},
        {&Form1Model::IDM_NAIKION_Click, u"内線規定の管の太さの選定表を適用する設定にしました。"},
        {&Form1Model::IDM_NAIKIOFF_Click, u"内線規定の管の太さの選定表を適用する設定を解除しました。"},
        {&Form1Model::IDM_SANTENOFF_Click, u"断面積設定を任意にしました。"},
        {&Form1Model::IDM_UZAR_Click, u"断面積設定をユーザーにしました。"},
        {&Form1Model::IDM_SANTENON_Click, u"断面積設定を自動にしました。"},
    };
    for (const auto &c : cases) {
        (m.*c.command)();
        EXPECT_EQ(m.Label1, QString::fromUtf16(c.status));
    }
    m.Combo6 = u"C(25)"_qs;
    m.IDM_PFSETTI_Click();
    EXPECT_TRUE(m.settings.pfcdCapOn());
    m.IDM_PFKAIJO_Click();
    EXPECT_EQ(m.Combo6, u"");
    EXPECT_FALSE(m.settings.pfcdCapOn());
    m.IDM_MESSEGIOFF_Click();
    EXPECT_EQ(m.settings.MESSAGE_SETTEI, u"OFF");
}

TEST_F(Loaded, AreaModesReloadTheirPercentages)
{
    EXPECT_EQ(m.settings.power.oneCable, 48);
    EXPECT_EQ(m.settings.communication.otherCases, 30);
    m.IDM_UZAR_Click();
    EXPECT_EQ(m.settings.power.oneCable, 45);
    EXPECT_EQ(m.settings.communication.otherCases, 27);
    EXPECT_FALSE(m.Combo7Enabled);
    m.IDM_SANTENOFF_Click(); // keeps the last percentages
    EXPECT_TRUE(m.Combo7Enabled);
    EXPECT_EQ(m.settings.MENSEKI_MODE, u"NINI");
    EXPECT_EQ(m.settings.power.oneCable, 45);
    m.Combo7 = u"25%"_qs;
    m.IDM_SANTENON_Click(); // the fill box and the heading wait for 配管登録
    EXPECT_EQ(m.settings.power.oneCable, 48);
    EXPECT_EQ(m.Combo7, u"25%");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 2), u"配管サイズ(32%)");

    // A percentage beyond 16 bits: all or nothing.
    m.CABLE_DATA.set(3, 145, u"33.5"_qs);
    m.CABLE_DATA.set(2, 146, u"99999"_qs);
    m.IDM_UZAR_Click();
    EXPECT_EQ(folder.messages(), QStringList{u"エラーが発生しました。IDM_UZAR_Click"_qs});
    EXPECT_EQ(m.settings.MENSEKI_MODE, u"JIDOU");
    EXPECT_EQ(m.settings.power.oneCable, 48);
    EXPECT_EQ(m.Label1, u"断面積設定を自動にしました。");
    m.CABLE_DATA.set(2, 146, u"32.5"_qs);
    m.IDM_UZAR_Click();
    EXPECT_EQ(m.settings.power.otherCases, 34);
    EXPECT_EQ(m.settings.communication.twoCables, 32);
}
