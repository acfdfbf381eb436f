// The main menu and the three sub-menus driven through their object names and slots.

#include "mainmenu.h"
#include "programtest.h"
#include "submenus.h"
#include "testenv.h"
#include "windows.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kb;

namespace {

// Stands in for a calculator window in these tests: counts its load steps.
class StandIn : public Window
{
public:
    explicit StandIn(const QString &name) : Window(name) { resize(200, 100); }
    void Form_Load() override { ++loads; }
    int loads = 0;
};

class Menus : public test::ProgramTest
{
protected:
    // With stand-ins, the windows other folders build too.
    void SetUp() override
    {
        ProgramTest::SetUp();
        for (const QString &name : closeAllOrder())
            if (!reg().isRegistered(name))
                reg().registerWindow(name, [name] { return new StandIn(name); });
        connect();
    }
    void connect()
    {
        QObject::connect(&reg(), &WindowRegistry::windowClosed, &context, [this](const QString &name) { closed << name; });
    }
    template<class W = Window> W *open(const char *name) { return qobject_cast<W *>(reg().open(QLatin1String(name))); }
    static QToolButton *button(Window *w, int n) { return w->findChild<QToolButton *>(QStringLiteral("Command%1").arg(n)); }
    static QString label1(Window *w) { return w->findChild<QLabel *>(QStringLiteral("Label1"))->text(); }
    static void trigger(Window *w, const char *action) { w->findChild<QAction *>(QLatin1String(action))->trigger(); }
    static bool loaded(const char *name) { return reg().isLoaded(QLatin1String(name)); }
    static void settle() { QApplication::processEvents(); }

    QStringList closed;
    QObject context; // ends the connections with the test
};

// The items under a top menu as "objectName:caption"; a separator shows as "-"
// and must carry no text of its own, which the menu would draw beside the line.
QStringList items(QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions())
        out << a->objectName() + QLatin1Char(':') + (a->isSeparator() ? QStringLiteral("-") + a->text() : a->text());
    return out;
}

} // namespace

TEST_F(Menus, EachMenuHasItsCaptionButtonsPicturesAndMenuBar)
{
    struct Case
    {
        const char *form;
        const char *caption;
        QStringList buttons;
        QStringList topMenus;
        QStringList fileItems;
        QStringList menuSlots; // besides Command1_Click.. and IDM_PRINT_Click
    };
    const Case cases[] = {
        {"Form5", "ケンブレルのソフト・メインメニュー",
         {"配管サイズ", "ケーブルラック", "プルボックス", "レースウェイ", "電線サイズ", "火災報知設備", "ﾜｲﾔﾘﾝｸﾞﾀﾞｸﾄ", "データベース"},
         {"IDM_FILE:ファイル", "IDM_SAPOTO:サポート", "IDM_VARJON:バージョン情報", "IDM_DENTAKU:電　卓"},
         {"IDM_PRINT:印　刷", "IDM_KUGIRI:-", "IDM_MEND:メインメニューを閉じる", "IDM_KUGIRI2:-", "IDM_END:全てのウィンドウを終了"},
         {"IDM_MEND_Click", "IDM_END_Click", "IDM_CASTAMA_Click", "IDM_JOHO_Click", "IDM_ANNAI_Click", "IDM_DENTAKU_Click"}},
        {"Form6", "電線サイズ計算メニュー",
         {"モーター１台", "ﾓｰﾀｰ2台以上", "水銀灯", "パッケージAC", "電圧降下計算", "予備", "予備", "予備"},
         {"IDM_FILE:ファイル"},
         {"IDM_PRINT:印刷", "IDM_END:終了"},
         {"IDM_END_Click"}},
        {"Form13", "電圧降下計算メニュー",
         {"3 相 3 線 式", "1 相 3 線 式", "1 相 2 線 式", "直 流 2 線 式", "1相3線不平衡", "予　　備"},
         {"IDM_FILE:ファイル"},
         {"IDM_PRINT:印　刷", "IDM_END:終　了"},
         {"IDM_END_Click"}},
        {"Form20", "P,BOX 計算メニュー",
         {"水平左曲り", "ストレート", "立ち下げ", "ねじり右曲り", "水平右曲り", "ねじり左曲り", "段数分割", "予備"},
         {"IDM_FILE:ファイル"},
         {"IDM_PRINT:印　刷", "IDM_KUGIRI1:-", "IDM_MEND:メニューを閉じる", "IDM_KUGIRI2:-", "IDM_END:P,BOX計算全てを閉じる"},
         {"IDM_MEND_Click", "IDM_END_Click"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.form);
        Window *w = open(c.form);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(label1(w), QStringLiteral("絵をクリックして下さい。"));
        QStringList captions;
        for (int n = 1; n <= c.buttons.size(); ++n) {
            captions << button(w, n)->text();
            EXPECT_FALSE(button(w, n)->icon().isNull()) << n;
        }
        EXPECT_EQ(captions, c.buttons);
        EXPECT_EQ(button(w, int(c.buttons.size()) + 1), nullptr);
        QStringList tops;
        for (QAction *a : w->findChild<QMenuBar *>()->actions())
            tops << a->objectName() + QLatin1Char(':') + a->text();
        EXPECT_EQ(tops, c.topMenus);
        EXPECT_EQ(items(w->findChild<QMenu *>(QStringLiteral("IDM_FILE"))), c.fileItems);
        QStringList slotNames = c.menuSlots;
        slotNames << QStringLiteral("IDM_PRINT_Click");
        for (int n = 1; n <= c.buttons.size(); ++n)
            slotNames << QStringLiteral("Command%1_Click").arg(n);
        for (const QString &slot : slotNames)
            EXPECT_GE(w->metaObject()->indexOfSlot((slot + QStringLiteral("()")).toLatin1()), 0) << slot.toStdString();
    }
    Window *main = reg().window(QStringLiteral("Form5"));
    EXPECT_EQ(items(main->findChild<QMenu *>(QStringLiteral("IDM_SAPOTO"))), QStringList{QStringLiteral("IDM_CASTAMA:カスタマーサポート")});
    EXPECT_EQ(items(main->findChild<QMenu *>(QStringLiteral("IDM_VARJON"))),
              QStringList({QStringLiteral("IDM_JOHO:バージョン 情報"), QStringLiteral("IDM_ANNAI:会社案内")}));
}

TEST_F(Menus, MainMenuButtonsWriteTheirHintThenOpenTheirWindowOnce)
{
    Window *main = open("Form5");
    const struct { int n; const char *hint; const char *target; } cases[] = {
        {1, "配管サイズを計算します。", "Form1"}, {2, "ケーブルラック計算", "Form17"},
        {3, "プルボックス計算", "Form20"}, {4, "レースウェイ計算", "Form19"},
        {5, "電線サイズ計算", "Form6"}, {6, "火災報知設備", "MDIForm1"},
        {8, "データベース編集", "Form8"},
    };
    for (const auto &c : cases) {
        button(main, c.n)->click();
        EXPECT_EQ(label1(main), QString::fromUtf8(c.hint));
        ASSERT_TRUE(loaded(c.target)) << c.target;
        EXPECT_TRUE(reg().window(QLatin1String(c.target))->isVisible()) << c.target;
    }
    // Pressed again: the hint again, the window raised without a second load.
    auto *rack = reg().window<Window>(QStringLiteral("Form17"));
    main->findChild<QLabel *>(QStringLiteral("Label1"))->setText(QString());
    rack->hide();
    button(main, 2)->click();
    EXPECT_EQ(label1(main), QStringLiteral("ケーブルラック計算"));
    EXPECT_TRUE(rack->isVisible());
    if (auto *standIn = dynamic_cast<StandIn *>(rack))
        EXPECT_EQ(standIn->loads, 1);

    // The wiring duct is not ready: a box, the hint left as it was, nothing opened.
    button(main, 7)->click();
    ASSERT_FALSE(folder.messages().isEmpty());
    EXPECT_EQ(folder.messages().last(), QStringLiteral("このソフトは、ただ今作成中です。完成までしばらくお待ちください。"));
    EXPECT_EQ(label1(main), QStringLiteral("ケーブルラック計算"));
    EXPECT_FALSE(loaded("Form29"));
}

TEST_F(Menus, SubMenuButtonsOpenTheirWindowsAndTheSpareOnesDoNothing)
{
    Window *wire = open("Form6");
    const struct { int n; const char *target; } wireCases[] = {{1, "Form7"}, {3, "Form12"}, {4, "Form11"}, {5, "Form13"}};
    for (const auto &c : wireCases) {
        button(wire, c.n)->click();
        EXPECT_TRUE(loaded(c.target)) << c.target;
    }
    Window *drop = reg().window(QStringLiteral("Form13"));
    const struct { int n; const char *target; } dropCases[] = {{1, "Form14"}, {2, "Form3"}, {3, "Form9"}, {4, "Form15"}, {5, "Form16"}};
    for (const auto &c : dropCases) {
        button(drop, c.n)->click();
        EXPECT_TRUE(loaded(c.target)) << c.target;
    }
    Window *pbox = open("Form20");
    const struct { int n; const char *hint; const char *target; } boxCases[] = {
        {1, "水平左曲り計算", "Form21"}, {2, "ストレート計算", "Form23"}, {3, "立ち下げ計算", "Form24"},
        {4, "ねじり右曲がり計算", "Form26"}, {5, "水平右曲り計算", "Form22"}, {6, "ねじり左曲がり計算", "Form25"},
        {7, "段数分割", "Form27"},
    };
    for (const auto &c : boxCases) {
        button(pbox, c.n)->click();
        EXPECT_EQ(label1(pbox), QString::fromUtf8(c.hint));
        EXPECT_TRUE(loaded(c.target)) << c.target;
    }

    const int windowsBefore = int(QApplication::topLevelWidgets().size());
    button(pbox, 8)->click();
    EXPECT_EQ(label1(pbox), QStringLiteral("予備"));
    for (int n : {2, 6, 7, 8})
        button(wire, n)->click();
    button(drop, 6)->click();
    EXPECT_EQ(label1(wire), QStringLiteral("絵をクリックして下さい。"));
    EXPECT_EQ(label1(drop), QStringLiteral("絵をクリックして下さい。"));
    EXPECT_EQ(int(QApplication::topLevelWidgets().size()), windowsBefore);
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join(QLatin1Char('|')).toStdString();
}

TEST_F(Menus, ButtonsOfWindowsNotBuiltYetAreDisabledWithTheirCaptions)
{
    reg().reset();
    reg().registerWindow(QStringLiteral("Form5"), [] { return new Form5; });
    reg().registerWindow(QStringLiteral("Form20"), [] { return new Form20; });
    Window *main = open("Form5");
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(button(main, n)->isEnabled(), n == 3 || n == 7) << n; // the pull-box menu, the wiring-duct notice
    EXPECT_EQ(button(main, 2)->text(), QStringLiteral("ケーブルラック"));
    Window *pbox = open("Form20");
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(button(pbox, n)->isEnabled(), n == 8) << n;
    EXPECT_EQ(button(pbox, 7)->text(), QStringLiteral("段数分割"));
}

TEST_F(Menus, CloseAllClosesEveryLoadedWindowInItsOrderHiddenOnesIncludedAndEndsTheProgram)
{
    reg().setQuitOrder(closeAllOrder());
    reg().setQuitWhenLastClosed(true);
    QSignalSpy quit(&reg(), &WindowRegistry::quitRequested);
    Window *main = open("Form5");
    button(main, 5)->click();                                        // Form6
    button(reg().window(QStringLiteral("Form6")), 5)->click();      // Form13
    button(reg().window(QStringLiteral("Form13")), 3)->click();     // Form9
    button(main, 3)->click();                                        // Form20
    button(reg().window(QStringLiteral("Form20")), 2)->click();     // Form23
    button(main, 8)->click();                                        // Form8
    open("MDIForm1");
    open("FrmMENUA");
    reg().load(QStringLiteral("Form21"));                            // touched, loaded hidden
    ASSERT_FALSE(reg().window(QStringLiteral("Form21"))->isVisible());

    trigger(main, "IDM_END");
    settle();
    // The fire-alarm frame closes its menu window before itself; the list then skips it.
    const QStringList expected = {"Form5", "FrmMENUA", "MDIForm1", "Form6", "Form8", "Form9", "Form13", "Form20", "Form21", "Form23"};
    EXPECT_EQ(closed, expected);
    for (const QString &name : closeAllOrder())
        EXPECT_FALSE(reg().isLoaded(name)) << name.toStdString();
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(Menus, ClosingTheMainMenuLeavesTheProgramRunningWithItsWindows)
{
    reg().setQuitOrder(closeAllOrder());
    reg().setQuitWhenLastClosed(true);
    QSignalSpy quit(&reg(), &WindowRegistry::quitRequested);
    Window *main = open("Form5");
    button(main, 5)->click();
    trigger(main, "IDM_MEND");
    settle();
    EXPECT_FALSE(loaded("Form5"));
    EXPECT_TRUE(loaded("Form6"));
    EXPECT_EQ(quit.count(), 0);

    trigger(reg().window(QStringLiteral("Form6")), "IDM_END"); // the last window
    settle();
    EXPECT_FALSE(loaded("Form6"));
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(Menus, SubMenuCloseCommandsCloseOnlyWhatTheyName)
{
    Window *wire = open("Form6");
    button(wire, 1)->click();
    button(wire, 5)->click();
    Window *pbox = open("Form20");
    button(pbox, 2)->click(); // only Form23 of the pull-box windows

    trigger(pbox, "IDM_END");
    settle();
    EXPECT_EQ(closed, QStringList({"Form20", "Form23"}));
    EXPECT_TRUE(loaded("Form6") && loaded("Form7") && loaded("Form13"));

    trigger(reg().window(QStringLiteral("Form13")), "IDM_END");
    settle();
    EXPECT_FALSE(loaded("Form13"));
    EXPECT_TRUE(loaded("Form6") && loaded("Form7"));

    pbox = open("Form20");
    button(pbox, 1)->click();
    trigger(pbox, "IDM_MEND");
    settle();
    EXPECT_FALSE(loaded("Form20"));
    EXPECT_TRUE(loaded("Form21"));
}

TEST_F(Menus, MakersBoxesPrintAndCalculator)
{
    Window *main = open("Form5");
    trigger(main, "IDM_CASTAMA");
    trigger(main, "IDM_JOHO");
    trigger(main, "IDM_ANNAI");
    ASSERT_EQ(folder.messages().size(), 3);
    EXPECT_EQ(folder.messages()[0], Form5::supportText());
    EXPECT_TRUE(folder.messages()[0].contains(QLatin1Char('\n')));
    const QStringList version = folder.messages()[1].split(QLatin1Char('\n'));
    ASSERT_EQ(version.size(), 5);
    EXPECT_EQ(version[0], QStringLiteral("ケンブレルのソフト"));
    EXPECT_EQ(version[2], QStringLiteral("バージョン ") + QStringLiteral(KB_TEST_VERSION));
    EXPECT_TRUE(version[4].startsWith(QStringLiteral("ビルド日 ")));
    EXPECT_EQ(folder.messages()[2], Form5::companyText());

    // A cancelled printer dialog: each window's own failure text.
    trigger(main, "IDM_PRINT");
    trigger(open("Form13"), "IDM_PRINT");
    EXPECT_EQ(folder.messages().mid(3), QStringList({QStringLiteral("プリントを中止しました。IDM_PRINT"),
                                                      QStringLiteral("プリントを中止しました。 IDM_PRINT")}));
    folder.fake().printFile = folder.path(QStringLiteral("menu.pdf"));
    trigger(open("Form20"), "IDM_PRINT");
    EXPECT_EQ(folder.messages().size(), 5);
    EXPECT_TRUE(test::readBytes(folder.fake().printFile).startsWith("%PDF"));

    trigger(main, "IDM_DENTAKU");
    EXPECT_TRUE(folder.fake().startedPrograms.size() == 1
                || folder.messages().last() == QStringLiteral("電卓を起動できませんでした。"));
}
