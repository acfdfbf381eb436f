#include "rackfixture.h"
#include "rackmodel.h"
#include "racewaymodel.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::test;

namespace {

const QString kCommand1Error = u"エラーが発生しました。Command1_Click"_qs;
const QString kCommand7Error = u"エラーが発生しました。Command7_Click"_qs;

struct Loaded : ::testing::Test
{
    TestFolder folder;
    Form17Model m;
    void SetUp() override { loadModel(m); }
};

} // namespace

TEST_F(Loaded, RegistersByExactNameIgnoringCaseAndKeepsTheTypedName)
{
    m.KEISAN_KAISUU = 3;
    registerCable(m, u"cv2-2c  "_qs, u"2"_qs);
    EXPECT_EQ(m.KEISAN_KAISUU, 0);
    EXPECT_EQ(m.TOROKU_SUU, 1);
    EXPECT_EQ(gridRow(m, 1), (QStringList{u"cv2-2c"_qs, u"2"_qs, u"13"_qs, u"26"_qs, u"0.385"_qs, u"0.77"_qs}));
    EXPECT_EQ(m.Label1, u"登録が済んだら「計算」を押して下さい。追加登録は続けて下さい。");
    EXPECT_EQ(m.Command1, u"登録完了");
    EXPECT_EQ(m.Combo5, u"1");
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(Loaded, RefusedRegistrationsLeaveTheListAsItWas)
{
    registerCable(m, u"CV8-2C"_qs);
    m.KEISAN_KAISUU = 2;
    registerCable(m, QString());
    EXPECT_EQ(m.KEISAN_KAISUU, 0); // a refused press also starts a full calculation again
    EXPECT_EQ(folder.messages().last(), u"電線名称を入力してください。");
    EXPECT_EQ(m.focusRequest, u"Combo3");

    registerCable(m, u"CV2-2C"_qs, QString());
    EXPECT_EQ(m.Label1, u"電線本数を設定して下さい。");

    m.Command1 = u"登録完了"_qs;
    registerCable(m, u"AFTER-END"_qs, u"3"_qs); // the END row comes first
    EXPECT_EQ(folder.messages().last(), u"該当電線がありません、電線名称を確認してやり直して下さい。");
    EXPECT_EQ(m.Combo5, u"3");

    folder.fake().messages.clear();
    registerCable(m, u"CV2-2C"_qs, u"x"_qs); // a count that is not a number asks for the count
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_EQ(m.Label1, u"電線本数を設定して下さい。");
    EXPECT_EQ(m.TOROKU_SUU, 1);
    EXPECT_EQ(gridRow(m, 2), QStringList(6, QString()));
}

TEST(RackRegistration, ANameThatRunsOutOfRowsWithoutEndIsNotFound)
{
    // Cable rows with no END row: the look-up passes row 3000 without a match.
    TestFolder folder;
    TextTable t = emptyTable(db::CablePipe);
    setRow(t, 301, {u"CV2-2C"_qs, u"13"_qs, u"100"_qs, u"2"_qs, u"385"_qs});
    const QString notFound = u"該当電線がありません、電線名称を確認してやり直して下さい。"_qs;
    for (int registered : {0, 1}) {
        folder.fake().messages.clear();
        Form17Model m;
        loadModel(m, t);
        if (registered)
            registerCable(m, u"CV2-2C"_qs);
        const QString button = m.Command1;
        registerCable(m, u"NO-SUCH"_qs, u"3"_qs);
        EXPECT_EQ(folder.messages(), QStringList{notFound}) << registered;
        EXPECT_EQ(m.TOROKU_SUU, registered);
        EXPECT_EQ(gridRow(m, registered + 1), QStringList(6, QString()));
        EXPECT_EQ(m.Label1, u"ケーブルは NO-SUCH です。");
        EXPECT_EQ(m.Command1, button);
        EXPECT_EQ(m.Combo5, u"3");
    }
}

// A count of no whole number of cables asks for the count (the table of refused presses); a
// full-width digit is a count, in the list the rack, duct and raceway windows share.
TEST(RackRegistration, AFullWidthCountIsACount)
{
    const auto check = [](CableListModel &m, TestFolder &folder, const char *window) {
        registerCable(m, u"CV8-2C"_qs, u"\uFF13"_qs);
        EXPECT_EQ(m.TOROKU_SUU, 1) << window;
        EXPECT_EQ(fieldNumber(m.DENSEN_TOROKU[1], 4), 3 * fieldNumber(m.DENSEN_TOROKU[1], 3)) << window;
        EXPECT_TRUE(folder.messages().isEmpty()) << window;
    };
    {
        TestFolder folder;
        Form17Model m;
        loadModel(m);
        check(m, folder, "rack");
    }
    {
        TestFolder folder;
        Form29Model m;
        loadModel(m);
        check(m, folder, "duct");
    }
    {
        TestFolder folder;
        Form19Model m;
        loadModel(m);
        check(m, folder, "raceway");
    }
}

// A cable row whose diameter (rack, duct) or section (raceway) or weight holds no
// positive number would be calculated on a 0: it is refused as a cable that is not
// there, and nothing of it is registered. A cell the window does not calculate with
// does not matter.
TEST(RackRegistration, ACableWithoutAUsableNumberIsRefused)
{
    enum Window { Rack, Duct, Raceway };
    const struct { const char *name; Window window; int column; QByteArray bytes; bool registered; } cases[] = {
        {"rack, diameter of damaged bytes", Rack, 2, "\xFF\xFF" "13", false},
        {"rack, diameter damaged after a digit", Rack, 2, "1\x80" "3", false},
        {"rack, weight of damaged bytes", Rack, 5, "\xFD", false},
        {"rack, weight 0", Rack, 5, "0", false},
        {"rack, damaged section", Rack, 3, "\xFF", true},
        {"duct, diameter empty", Duct, 2, "", false},
        {"raceway, section of damaged bytes", Raceway, 3, "\xFF" "100", false},
        {"raceway, weight negative", Raceway, 5, "-385", false},
        {"raceway, damaged diameter", Raceway, 2, "\xFF", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        writeDatabase(rackFixture());
        writeCellBytes(databasePath(db::CablePipe), 5, 301, c.column, c.bytes); // CV2-2C
        const auto check = [&](auto &m) {
            m.Form_Load();
            registerCable(m, u"CV8-2C"_qs);
            m.Command1 = u"電線登録"_qs;
            registerCable(m, u"CV2-2C"_qs, u"2"_qs);
            if (c.registered) {
                EXPECT_TRUE(folder.messages().isEmpty());
                EXPECT_EQ(m.TOROKU_SUU, 2);
                const QString field3 = c.window == Raceway ? u"100"_qs : u"13"_qs;
                EXPECT_EQ(gridRow(m, 2).mid(2), (QStringList{field3, Str(2 * CDbl(field3)), u"0.385"_qs, u"0.77"_qs}));
                return;
            }
            EXPECT_EQ(folder.messages(), QStringList{u"該当電線がありません、電線名称を確認してやり直して下さい。"_qs});
            EXPECT_EQ(m.TOROKU_SUU, 1);
            EXPECT_EQ(gridRow(m, 2), QStringList(6, QString()));
            EXPECT_EQ(m.Command1, u"電線登録");
            EXPECT_EQ(m.Combo5, u"2");
        };
        if (c.window == Rack) {
            Form17Model m;
            check(m);
        } else if (c.window == Duct) {
            Form29Model m;
            check(m);
        } else {
            Form19Model m;
            check(m);
        }
    }
}

TEST_F(Loaded, TheHundredthRegistrationIsRefusedWithoutGrowingTheList)
{
    for (int i = 0; i < 99; ++i)
        registerCable(m, u"CV2-2C"_qs);
    ASSERT_EQ(m.TOROKU_SUU, 99);
    registerCable(m, u"CV2-2C"_qs);
    EXPECT_EQ(folder.messages(), QStringList{kCommand1Error});
    EXPECT_EQ(m.TOROKU_SUU, 99);
}

TEST_F(Loaded, DeleteMovesTheRowsBelowUp)
{
    registerCable(m, u"CV2-2C"_qs);
    registerCable(m, u"CV8-2C"_qs, u"2"_qs);
    registerCable(m, u"BIG"_qs);
    m.IDM_SAKUJO_Click();
    EXPECT_EQ(m.Command1, u"削　除");
    m.MSFlexGrid1.setRow(2);
    m.MSFlexGrid1.setCol(1);
    m.MSFlexGrid1_Click(); // the count cell: its text goes into the name box
    EXPECT_EQ(m.Combo3, u"2");
    EXPECT_EQ(m.SENTAKU_GYOU, 2);
    m.Command1_Click();
    EXPECT_EQ(m.Label1, u"削除行番号は2です。再計算する為「計算」ボタンを押してください。");
    EXPECT_EQ(m.TOROKU_SUU, 2);
    EXPECT_EQ(gridRow(m, 2)[0], u"BIG");
    EXPECT_EQ(gridRow(m, 3), QStringList(6, QString()));
    EXPECT_EQ(m.SAKUJO_MODE, 0);
    EXPECT_EQ(m.Command1, u"電線登録");
}

TEST_F(Loaded, DeleteWithoutARegisteredRowPickedChangesNothing)
{
    registerCable(m, u"CV2-2C"_qs);
    m.IDM_SAKUJO_Click();
    m.Combo3 = u"x"_qs;
    m.Command1_Click(); // no grid click yet: the window asks for the pick, no error box
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_EQ(m.Label1, u"削除するケーブル名称をクリックしてから「削除」をクリックして下さい。");
    EXPECT_EQ(m.SAKUJO_MODE, 1);

    m.MSFlexGrid1.setRow(5); // below the list: the count must stay equal to the rows shown
    m.MSFlexGrid1_Click();
    m.Command1_Click();
    EXPECT_EQ(m.TOROKU_SUU, 1);
    EXPECT_EQ(gridRow(m, 1)[0], u"CV2-2C");
    EXPECT_EQ(m.SAKUJO_MODE, 1);
    EXPECT_EQ(m.Label1, u"削除するケーブル名称をクリックしてから「削除」をクリックして下さい。");
}

TEST_F(Loaded, SearchPassesOverSubtypesAndRegistrationClearsTheListing)
{
    registerCable(m, u"CV2-2C"_qs);
    m.Combo3 = u"CV"_qs;
    m.Command7_Click();
    EXPECT_EQ(gridColumn0(m, 2, 7), (QStringList{QString(), u"登録電線は下記です。"_qs, u"CV2-2C"_qs, u"EM-CE2-2C"_qs, u"CV8-2C"_qs, QString()}));
    EXPECT_EQ(m.KENSAKU_GYOU, 6);
    EXPECT_EQ(m.KENSAKU_HYOJI, 1);
    EXPECT_EQ(m.Label1, u"ケーブルを選択後本数を設定し、電線登録を押して下さい。");

    m.Combo3 = u"cvt"_qs; // class 0 lists every row of the prefix
    m.Command7_Click();
    EXPECT_EQ(gridColumn0(m, 4, 6), (QStringList{u"CVT22"_qs, u"CVT38"_qs, QString()}));

    registerCable(m, u"CV8-2C"_qs);
    EXPECT_EQ(gridColumn0(m, 3, 6), (QStringList{QString(), QString(), QString(), QString()}));
    EXPECT_EQ(m.KENSAKU_HYOJI, 0);
}

TEST(RackSearch, EveryPrefixThatHoldsPassesOverARowAtOnce)
{
    // 40 sub-type rows in which CVT and CVV alternate: each of the 30 steps passes over a
    // CVT and the CVV after it, so the search reaches the row beyond them (one row a step
    // would stop at the 31st sub-type row and list it).
    TestFolder folder;
    TextTable t = emptyTable(db::CablePipe);
    int r = 301;
    t.set(1, r++, u"CV2-2C"_qs);
    for (int i = 0; i < 20; ++i) {
        t.set(1, r++, u"CVT"_qs + Str(i));
        t.set(1, r++, u"CVV"_qs + Str(i));
    }
    t.set(1, r++, u"CV-LAST"_qs);
    t.set(1, r, u"END"_qs);
    Form17Model m;
    loadModel(m, t);
    m.Combo3 = u"CV"_qs;
    m.Command7_Click();
    EXPECT_EQ(gridColumn0(m, 2, 5), (QStringList{u"登録電線は下記です。"_qs, u"CV2-2C"_qs, u"CV-LAST"_qs, QString()}));
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(Loaded, ANameOfBlanksIsNoNameForRegistrationOrSearch)
{
    registerCable(m, u"CV2-2C"_qs);
    for (const char16_t *blanks : {u"", u"   ", u"\u3000\u3000", u" \u3000 "}) {
        folder.fake().messages.clear();
        m.focusRequest.clear();
        registerCable(m, QString::fromUtf16(blanks));
        m.Command7_Click();
        EXPECT_EQ(folder.messages(), (QStringList{u"電線名称を入力してください。"_qs, u"電線名称を入力してください。"_qs}));
        EXPECT_EQ(m.focusRequest, u"Combo3");
    }
    EXPECT_EQ(m.TOROKU_SUU, 1);
    EXPECT_EQ(m.KENSAKU_HYOJI, 0);
    EXPECT_EQ(gridColumn0(m, 2, 4), QStringList(3, QString()));
}

TEST(RackSearch, AListingThatOutgrowsTheGridStopsAtItsLastRow)
{
    TestFolder folder;
    TextTable t = emptyTable(db::CablePipe);
    for (int i = 0; i < 120; ++i)
        setRow(t, 301 + i, {u"CV"_qs + Str(100 + i), u"10"_qs, u"50"_qs, u"1"_qs, u"100"_qs});
    Form17Model m;
    loadModel(m, t);
    int busy = 0;
    m.beginBusy = [&] { ++busy; };
    m.endBusy = [&] { --busy; };
    m.Combo3 = u"CV1"_qs;
    m.Command7_Click();
    EXPECT_EQ(busy, 0); // the failed search leaves the window usable
    EXPECT_EQ(folder.messages(), QStringList{kCommand7Error});
    EXPECT_EQ(m.KENSAKU_GYOU, 99);
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(3, 0), u"CV100");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(99, 0), u"CV196");

    for (int i = 0; i < 98; ++i)
        registerCable(m, u"CV100"_qs);
    m.Combo3 = u"CV"_qs;
    m.Command7_Click(); // no grid row left for the heading
    EXPECT_EQ(folder.messages().last(), kCommand7Error);
    m.IDM_KENSASAKUJO_Click(); // and clearing such a listing does not fail
    EXPECT_EQ(folder.messages().size(), 2);
}

TEST_F(Loaded, CableKindMenusFillTheNameList)
{
    m.Combo3 = u"typed"_qs;
    m.cableKind_Click(u"IDM_KOUATU");
    EXPECT_EQ(m.Label10, u"高圧電線・ケーブル");
    EXPECT_EQ(m.Combo3, u"");
    ASSERT_EQ(m.Combo3Items.size(), 50);
    EXPECT_EQ(m.Combo3Items[0], u"6KVCV22");
    m.cableKind_Click(u"IDM_TUCA");
    EXPECT_EQ(m.Label10, u"低圧電線・ｹｰﾌﾞﾙ");
    EXPECT_EQ(m.Combo3Items.mid(0, 3), (QStringList{u"CV2-2C"_qs, QString(), u"CV8-2C"_qs}));
    m.cableKind_Click(u"IDM_EMDOJIKU");
    EXPECT_EQ(m.Label10, u"エコ通信(電話)");
    EXPECT_EQ(m.Combo3Items[0], u"EM-CPEE0.5-2P");
}

TEST(RacewayCableList, ShowsTheSectionAreaAndHasNoHighVoltageKinds)
{
    TestFolder folder;
    Form19Model m;
    loadModel(m);
    registerCable(m, u"CV2-2C"_qs, u"2"_qs);
    EXPECT_EQ(gridRow(m, 1), (QStringList{u"CV2-2C"_qs, u"2"_qs, u"100"_qs, u"200"_qs, u"0.385"_qs, u"0.77"_qs}));
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 2), u"断面積");
    m.cableKind_Click(u"IDM_EMDOJIKU");
    EXPECT_EQ(m.Label10, u"エコ通信(電話)ｹｰﾌﾞﾙ");
    EXPECT_EQ(m.cableKinds().size(), 6);
    m.Combo3.clear();
    m.Command7_Click();
    EXPECT_EQ(folder.messages().last(), u"電線名称を入力してください。");
    EXPECT_EQ(m.focusRequest, u"");
}
