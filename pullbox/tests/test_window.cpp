// The pull-box window's procedures without widgets: the load with its three
// conditions, registration by tier and by row, the tier buttons, the clearing
// commands, the settings display and the result texts of 計　算.

#include "cellfile.h"
#include "numtext.h"
#include "pullboxfixture.h"
#include "pullboxmodel.h"
#include "testenv.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace kb;
using namespace kb::pullbox;
using kb::test::TestFolder;

namespace {

using pullbox::test::Database;
using pullbox::test::Dims;

struct Window
{
    TestFolder folder;
    PullBoxModel m;
    explicit Window(const Design &d, const Database &db = {}) : m(d)
    {
        db.write(folder.path("CABLE-PIPE.qvx"));
        m.Form_Load();
    }
    void add(const QString &size)
    {
        m.Combo1 = size;
        m.Command4_Click();
    }
    QStringList column(int c, int rows = 4) const
    {
        QStringList texts;
        for (int r = 0; r < rows; ++r)
            texts << m.MSFlexGrid1.textMatrix(r, c);
        return texts;
    }
};

TEST(PullBoxWindow, LoadTakesTheConditionsFromTheSettingsRows)
{
    struct Case
    {
        const char *name;
        QStringList mode;   // row 170, columns 1..3
        QString angleMode;  // row 183
        QString powerKind;  // row 181
        int SUNPOU_MODE, option1, ANGURU_MODE, option3;
        QString DENGEN_KUBUN;
        int option2;
    } cases[] = {
        {"standard", {"ON", "OFF", "OFF"}, "1", "ON", 1, 0, 1, 0, "ON", 2},
        {"lower case on", {"on", "", ""}, "2", "off", 1, 0, 2, 1, "OFF", 1},
        {"saving only", {"OFF", "ON", ""}, "3", "OFF", 2, 1, 3, 2, "OFF", 1},
        {"two on, the first wins", {"", "ON", "ON"}, "2.5", "OFF", 2, 1, 2, 1, "OFF", 1},
        {"nothing on", {"", "", ""}, "3.5", "AC", 0, -1, 4, -1, "AC", -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Database db;
        for (int col = 1; col <= 3; ++col)
            db.set(row::Mode, col, c.mode[col - 1]);
        db.set(row::AngleMode, 1, c.angleMode);
        db.set(row::PowerKind, 1, c.powerKind);
        Window w(leftBend(), db);
        EXPECT_EQ(w.m.s.SUNPOU_MODE, c.SUNPOU_MODE);
        EXPECT_EQ(w.m.Option1, c.option1);
        EXPECT_EQ(w.m.s.ANGURU_MODE, c.ANGURU_MODE);
        EXPECT_EQ(w.m.Option3, c.option3);
        EXPECT_EQ(w.m.s.DENGEN_KUBUN, c.DENGEN_KUBUN);
        EXPECT_EQ(w.m.Option2, c.option2);
        EXPECT_TRUE(w.folder.messages().isEmpty());
    }
}

TEST(PullBoxWindow, LoadWithoutTheDatabaseReportsAndSelectsNothing)
{
    TestFolder folder;
    PullBoxModel m(straight());
    int busy = 0;
    m.beginBusy = [&] { ++busy; };
    m.endBusy = [&] { --busy; };
    m.Form_Load();
    EXPECT_EQ(folder.messages(), QStringList{"エラーが発生しました。Form_Load"});
    EXPECT_EQ(busy, 0);
    EXPECT_EQ(m.Option1, -1);
    EXPECT_EQ(m.Option2, -1);
    EXPECT_EQ(m.Option3, -1);
    EXPECT_TRUE(m.s.DENGEN_KUBUN.isEmpty());
    EXPECT_EQ(m.Label1, straight().prompt);
}

TEST(PullBoxWindow, TextsAtLoad)
{
    Window bend(rightBend());
    EXPECT_EQ(bend.m.Label1, "入力欄に配管サイズを入力して下さい。右より１本目、２本目、３本目の順番です。");
    EXPECT_EQ(bend.m.Label7, "3本目 2本目 1本目");
    EXPECT_EQ(bend.m.Label9, "モニター画面(入力出来ません)");
    EXPECT_EQ(bend.m.Command6, "2段目登録");
    EXPECT_EQ(bend.m.Text1, "　　     名　　　　　　称");
    EXPECT_EQ(bend.m.MSFlexGrid1.cols(), 8);

    Window twist(rightTwist());
    EXPECT_EQ(twist.m.Label1, "入力欄より配管サイズを入力して下さい。右より１本目、２本目、３本目の順番です。");
    EXPECT_TRUE(twist.m.Label9.isEmpty());
    EXPECT_EQ(twist.m.MSFlexGrid1.cols(), 4);
    EXPECT_EQ(twist.column(0, 1) + QStringList{twist.m.MSFlexGrid1.textMatrix(0, 3)},
              (QStringList{"　名　  称", "ユーザー設定"}));
}

TEST(PullBoxWindow, ConditionsFromMenusAndButtons)
{
    Window bend(leftBend());
    bend.m.IDM_SETUYAKU_Click();
    EXPECT_EQ(bend.m.Option1, 1);
    EXPECT_EQ(bend.m.s.SUNPOU_MODE, 2);
    bend.m.IDM_KYODEN_Click(); // 強　電 is button 2 in the left-bend window
    EXPECT_EQ(bend.m.Option2, 2);
    EXPECT_EQ(bend.m.s.DENGEN_KUBUN, "ON");
    bend.m.Option2_Click(1);
    EXPECT_EQ(bend.m.s.DENGEN_KUBUN, "OFF");
    bend.m.IDM_NASHI_Click();
    EXPECT_EQ(bend.m.s.ANGURU_MODE, 3);
    EXPECT_EQ(bend.m.Label1, leftBend().prompt); // no condition touches the status line

    Window drop(pullbox::drop());
    drop.m.IDM_KYODEN_Click();
    EXPECT_EQ(drop.m.Option2, 0);
    EXPECT_EQ(drop.m.s.DENGEN_KUBUN, "ON");
}

TEST(PullBoxWindow, RegistrationByTier)
{
    Window w(leftBend());
    for (const char *size : {"19", "25", "16"})
        w.add(size);
    EXPECT_EQ(w.column(0), (QStringList{"1段目", "19", "25", "16"}));
    EXPECT_EQ(w.m.Label2, "3本目登録");
    EXPECT_EQ(w.m.Label1, "16を登録しました。");
    EXPECT_EQ(w.m.MSFlexGrid1.colWidth(7), 800);

    // Thick-wall sizes by their outer diameter; a typed size by its nearest whole number.
    for (const char *size : {"22", "92", "75", "16.4", "022", "104"})
        w.add(size);
    const auto &d = w.m.s.GAIKEI_HYOU[1];
    EXPECT_EQ((std::vector<int>(d.begin() + 1, d.begin() + 10)), (std::vector<int>{19, 25, 21, 26, 101, 75, 16, 26, 113}));
    EXPECT_EQ(w.m.MSFlexGrid1.textMatrix(7, 0), "16.4");
    EXPECT_EQ(w.m.s.DAN_HONSUU[1], 9);
    EXPECT_TRUE(w.folder.messages().isEmpty());

    // Refusals leave everything as it was.
    w.add("");
    w.add("-----------");
    w.add("99999");
    EXPECT_EQ(w.folder.messages(), (QStringList{"配管サイズを選択して下さい。", "配管サイズを選択して下さい。",
                                                "エラーが発生しました。Command4_Click"}));
    EXPECT_EQ(w.m.s.HONSUU, 9);
    EXPECT_EQ(w.m.s.DAN_HONSUU[1], 9);
    EXPECT_EQ(w.m.Label1, "104を登録しました。");
}

// The monitor grid lists every conduit a tier or row can hold, past its 21 rows;
// the 51st is refused with the registration's box and changes nothing.
TEST(PullBoxWindow, GridListsAllFiftyConduits)
{
    for (const Design *d : {&leftBend(), &leftTwist()}) {
        SCOPED_TRACE(d->formName.toStdString());
        Window w(*d);
        for (int i = 1; i <= 50; ++i)
            w.add(i == 22 ? "25" : "19");
        EXPECT_TRUE(w.folder.messages().isEmpty());
        EXPECT_EQ(w.m.s.HONSUU, 50);
        EXPECT_EQ(w.m.MSFlexGrid1.textMatrix(22, 0), "25");
        EXPECT_EQ(w.m.MSFlexGrid1.textMatrix(50, 0), "19");
        w.add("25");
        EXPECT_EQ(w.folder.messages(), QStringList{"エラーが発生しました。Command4_Click"});
        EXPECT_EQ(w.m.s.HONSUU, 50);
        EXPECT_EQ(w.m.s.GAIKEI_HYOU[1][50], 19);
        EXPECT_EQ(w.m.MSFlexGrid1.rows(), 51);
        w.m.Command2_Click(); // 50 conduits calculate
        EXPECT_EQ(w.folder.messages().size(), 1);
        EXPECT_FALSE(w.m.Label3.isEmpty());
        // 次の計算 starts again from the grid of the load.
        w.m.Command3_Click();
        EXPECT_EQ(w.m.MSFlexGrid1.rows(), 22);
    }
}

// A size of 0 or below, or one that is no number, is refused with the size prompt as an empty
// one is; a size that rounds to no conduit with the registration's box.
TEST(PullBoxWindow, SizeOfZeroOrBelowIsRefused)
{
    for (const Design *d : {&straight(), &drop()}) {
        SCOPED_TRACE(d->formName.toStdString());
        Window w(*d);
        w.add("19");
        for (const char *size : {"0", "-19", "0.4", "-16", "19A", "1,000"})
            w.add(size);
        const QString prompt = QStringLiteral("配管サイズを選択して下さい。");
        EXPECT_EQ(w.folder.messages(), (QStringList{prompt, prompt, "エラーが発生しました。Command4_Click", prompt, prompt, prompt}));
        EXPECT_EQ(w.m.s.HONSUU, 1);
        EXPECT_EQ(w.m.s.GAIKEI_HYOU[1][2], 0);
        EXPECT_EQ(w.m.MSFlexGrid1.textMatrix(2, 0), "");
        EXPECT_EQ(w.m.Label1, "19を登録しました。");
    }
}

TEST(PullBoxWindow, NextTierAndBackOneTier)
{
    Window w(leftBend());
    w.m.Command6_Click();
    EXPECT_EQ(w.folder.messages(), QStringList{"配管サイズを登録して下さい。"});
    EXPECT_EQ(w.m.focusRequest, "Combo1");
    EXPECT_EQ(w.m.s.DAN_BANGOU, 1);

    w.add("19");
    w.add("25");
    w.m.Command6_Click();
    EXPECT_EQ(w.m.s.DAN_BANGOU, 2);
    EXPECT_EQ(w.m.Command6, "3段目登録");
    EXPECT_EQ(w.m.Label1, "2段目登録");
    EXPECT_EQ(w.m.Label2, "1本目登録");
    EXPECT_EQ(w.m.MSFlexGrid1.textMatrix(0, 1), "2段目");
    w.add("42");

    // Going back gives up the tier left and resumes tier 1 after its last conduit.
    w.m.IDM_DAN_Click();
    EXPECT_EQ(w.m.s.DAN_BANGOU, 1);
    EXPECT_EQ(w.m.Label1, "1段目登録");
    EXPECT_EQ(w.m.Label2, "2本目登録");
    EXPECT_EQ(w.m.s.DAN_HONSUU[2], 0);
    EXPECT_EQ(w.m.s.GAIKEI_HYOU[2][1], 0);
    EXPECT_EQ(w.column(1, 2), (QStringList{"", ""}));
    EXPECT_EQ(w.m.Command6, "2段目登録");
    w.add("31");
    EXPECT_EQ(w.m.s.DAN_HONSUU[1], 3);
    EXPECT_EQ(w.column(0), (QStringList{"1段目", "19", "25", "31"}));

    // Tier 1 is the floor.
    w.m.IDM_DAN_Click();
    EXPECT_EQ(w.m.s.DAN_BANGOU, 1);
    EXPECT_EQ(w.m.MSFlexGrid1.textMatrix(0, 0), "1段目");

    // The button stops at the eighth tier.
    for (int t = 2; t <= 8; ++t)
        w.m.Command6_Click();
    EXPECT_EQ(w.m.s.DAN_BANGOU, 8);
    w.add("19");
    EXPECT_EQ(w.m.MSFlexGrid1.textMatrix(1, 7), "19");
    w.folder.fake().messages.clear();
    w.m.Command6_Click();
    EXPECT_EQ(w.folder.messages(), QStringList{"段数は８段まで登録可脳です。"});
    EXPECT_EQ(w.m.s.DAN_BANGOU, 8);
}

TEST(PullBoxWindow, CalculationTextsAndItsGuard)
{
    Window bend(leftBend());
    bend.m.Command2_Click();
    EXPECT_EQ(bend.folder.messages(), QStringList{"配管サイズを入力して下さい。"});
    for (const char *size : {"16", "22", "28"})
        bend.add(size);
    bend.m.IDM_TUKERU_Click();
    bend.m.Command2_Click();
    EXPECT_EQ((QStringList{bend.m.Label3, bend.m.Label4, bend.m.Label5, bend.m.Label6}),
              (QStringList{"W=300", "D=300", "H=200", "補強ｱﾝｸﾞﾙ=40"}));
    EXPECT_EQ(bend.m.Label1, "条件を変更して計算する事が出来ます。(画面を最大化することが出来ます。)");

    // 表クリアー blanks the grid but keeps the registration: 計算 refuses until the
    // settings display fills the first cell again, and then runs on the conduits.
    bend.m.IDM_GRCLIA_Click();
    bend.folder.fake().messages.clear();
    bend.m.IDM_ANGL_Click();
    bend.m.Command2_Click();
    EXPECT_EQ(bend.folder.messages(), QStringList{"配管サイズを入力して下さい。"});
    EXPECT_EQ(bend.m.Label3, "");
    bend.m.IDM_SHOKI_Click();
    EXPECT_EQ(bend.m.MSFlexGrid1.textMatrix(1, 0), "項目170");
    EXPECT_EQ(bend.m.MSFlexGrid1.textMatrix(1, 1), "ON");
    EXPECT_EQ(bend.m.MSFlexGrid1.colWidth(0), 2400);
    bend.m.Command2_Click();
    EXPECT_EQ(bend.m.Label3, "W=200");

    // The first error box ends 計算: no half-sized box is shown.
    bend.folder.fake().messages.clear();
    bend.m.s.CABLE_DATA.set(1, row::Angle1, "");
    bend.m.IDM_TUKERU_Click();
    bend.m.Label1.clear();
    bend.m.Command2_Click();
    EXPECT_EQ(bend.folder.messages(), QStringList{"エラーが発生しました。CHOU_SEI"});
    EXPECT_EQ(bend.m.Label1, "");

    Window drop(pullbox::drop());
    drop.add("104");
    EXPECT_EQ(drop.m.Label1, "113を登録しました。");
    EXPECT_EQ(drop.m.Label2, "2本目");
    EXPECT_EQ(drop.column(0, 2), (QStringList{"　配 管 サ イ ズ", "104"}));
    drop.m.IDM_TUKERU_Click();
    drop.m.s.CABLE_DATA.set(1, row::PowerBend, "1");
    drop.m.Command2_Click();
    EXPECT_EQ((QStringList{drop.m.Label3, drop.m.Label4, drop.m.Label5, drop.m.Label6, drop.m.Label9}),
              (QStringList{"W=300", "D=450", "H=450", "323.5", "登録配管は1本です"}));
    EXPECT_EQ(drop.m.Label1, "補強アングルは40です。条件を変更して計算する事が出来ます。");
}

// 計算 refuses when nothing is registered (the settings display fills the first
// grid cell with a name, not a conduit) and when the conditions read at load name
// no mode, power kind or angle mode; either way nothing changes.
TEST(PullBoxWindow, CalculationRefusedWithoutConduitsOrConditions)
{
    struct Case
    {
        const char *name;
        const Design *design;
        int settingsRow;   // 0: the database as it is
        const char *text;  // column 1 of that row
        bool withConduits;
        const char *box;
    } cases[] = {
        {"bend, settings shown, nothing registered", &leftBend(), 0, "", false, "配管サイズを入力して下さい。"},
        {"twist, settings shown, nothing registered", &rightTwist(), 0, "", false, "配管サイズを入力して下さい。"},
        {"power kind XX", &leftBend(), row::PowerKind, "XX", true, "エラーが発生しました。Command2_Click"},
        {"angle mode 7", &drop(), row::AngleMode, "7", true, "エラーが発生しました。Command2_Click"},
        {"no mode on", &straight(), row::Mode, "", true, "エラーが発生しました。Command2_Click"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Database db;
        if (c.settingsRow)
            db.set(c.settingsRow, 1, QString::fromUtf8(c.text));
        Window w(*c.design, db);
        if (c.withConduits)
            w.add("22");
        const QString status = w.m.Label1;
        w.m.IDM_SHOKI_Click();
        w.m.Command2_Click();
        EXPECT_EQ(w.folder.messages(), QStringList{QString::fromUtf8(c.box)});
        EXPECT_EQ((QStringList{w.m.Label1, w.m.Label3, w.m.Label6, w.m.Label9}),
                  (QStringList{status, "", "", c.design->tiers ? "モニター画面(入力出来ません)" : ""}));
        EXPECT_EQ((Dims{w.m.s.HABA, w.m.s.OKUYUKI, w.m.s.TAKASA, w.m.s.ANGURU_SUNPOU}), (Dims{0, 0, 0, 0}));
    }

}

// A 計算 refused for want of a conduit ends on its box like a failed one: the box of
// the earlier calculation goes, whether 表をクリアー ended the registration or
// 表を全てクリアー only blanked the grid. A prompt in the status line stays.
TEST(PullBoxWindow, RefusedCalculationShowsNoBox)
{
    for (const Design *d : {&leftBend(), &rightBend(), &straight(), &drop(), &leftTwist(), &rightTwist()}) {
        for (const bool wholeRegistration : {true, false}) {
            SCOPED_TRACE(d->formName.toStdString() + (wholeRegistration ? " 表をクリアー" : " 表を全てクリアー"));
            Window w(*d);
            w.add("54");
            w.m.Command2_Click();
            ASSERT_FALSE(w.m.Label3.isEmpty());
            if (wholeRegistration)
                w.m.Command1_Click();
            else
                w.m.IDM_GRCLIA_Click();
            const QString status = w.m.Label1;
            w.m.Command2_Click();
            EXPECT_EQ(w.folder.messages(), QStringList{"配管サイズを入力して下さい。"});
            EXPECT_EQ((QStringList{w.m.Label3, w.m.Label4, w.m.Label5, w.m.Label6}), (QStringList{"", "", "", ""}));
            if (d->tiers) {
                EXPECT_EQ(w.m.Label1, status);
            } else {
                EXPECT_EQ(w.m.Label9, "");
                // The row windows' status line held the earlier box's angle unless 表をクリアー put the prompt back.
                EXPECT_EQ(w.m.Label1, wholeRegistration ? d->prompt : QString());
            }
        }
    }
}

// A calculation that ends on its error box shows no box: the labels of the
// previous one are emptied rather than left beside the conduits now registered.
TEST(PullBoxWindow, FailedCalculationShowsNoBox)
{
    for (const Design *d : {&leftBend(), &rightBend(), &straight(), &drop(), &leftTwist(), &rightTwist()}) {
        SCOPED_TRACE(d->formName.toStdString());
        Window w(*d);
        w.add("22");
        w.m.Command2_Click();
        ASSERT_FALSE(w.m.Label3.isEmpty());
        w.add("104");
        w.m.s.CABLE_DATA.set(1, row::Unit, "0");
        w.m.Command2_Click();
        EXPECT_EQ(w.folder.messages(), QStringList{"エラーが発生しました。SUNPOU_CHOSEI"});
        EXPECT_EQ((QStringList{w.m.Label3, w.m.Label4, w.m.Label5, w.m.Label6}), (QStringList{"", "", "", ""}));
        if (!d->tiers)
            EXPECT_EQ((QStringList{w.m.Label1, w.m.Label9}), (QStringList{"113を登録しました。", ""}));
        else
            EXPECT_EQ(w.m.Label9, "モニター画面(入力出来ません)");
    }
}

TEST(PullBoxWindow, ClearAndNextCalculation)
{
    Window bend(straight());
    bend.add("19");
    bend.m.Command6_Click();
    bend.add("25");
    bend.m.Command2_Click();
    bend.m.Command1_Click(); // 表をクリアー
    EXPECT_EQ(bend.m.s.DAN_BANGOU, 1);
    EXPECT_EQ(bend.m.s.DAN_HONSUU[2], 0);
    EXPECT_EQ(bend.m.Label1, "1段目登録");
    EXPECT_EQ(bend.m.Label2, "1本目登録");
    EXPECT_FALSE(bend.m.Label3.isEmpty()); // the results stay
    bend.add("31");
    EXPECT_EQ(bend.m.s.GAIKEI_HYOU[1][1], 31);

    bend.m.Command3_Click(); // 次の計算
    bend.m.Command3_Click();
    EXPECT_EQ(bend.m.Text2, "3");
    EXPECT_EQ(bend.m.Text1, "　　名　　　　　　称");
    EXPECT_TRUE(bend.m.Label3.isEmpty());
    EXPECT_EQ(bend.m.s.DAN_HONSUU[1], 0);
    bend.m.Text2 = "2.5";
    bend.m.Command3_Click();
    EXPECT_EQ(bend.m.Text2, "3.5");

    // A calculation number that is not a number: the reset is whole before the box.
    bend.add("19");
    bend.m.Command6_Click();
    bend.m.Text2 = "abc";
    bend.m.Combo1 = "25";
    bend.m.Command3_Click();
    EXPECT_EQ(bend.folder.messages(), QStringList{"エラーが発生しました。Command3_Click"});
    EXPECT_EQ(bend.m.s.DAN_BANGOU, 1);
    EXPECT_EQ(bend.m.Command6, "2段目登録");
    EXPECT_EQ(bend.m.Combo1, "");
    EXPECT_EQ(bend.m.Text2, "abc");

    Window twist(leftTwist());
    twist.add("19");
    twist.add("-----------"); // refused: the row keeps one conduit
    EXPECT_EQ(twist.m.s.HONSUU, 1);
    twist.m.Command3_Click();
    EXPECT_TRUE(twist.m.Label8.isEmpty());
    EXPECT_EQ(twist.m.Text2, "2");
    EXPECT_EQ(twist.m.Label1, leftTwist().prompt);
    twist.m.Command1_Click();
    EXPECT_EQ(twist.m.s.HONSUU, 0);
    EXPECT_EQ(twist.m.Label2, "1本目");
}

} // namespace
