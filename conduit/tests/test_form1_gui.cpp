#include "busystate.h"
#include "conduitfixture.h"
#include "flexgrid.h"
#include "form1.h"
#include "registerConduit.h"
#include "registry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace kb;
using namespace kb::test;

namespace {

struct Form1Gui : ::testing::Test
{
    TestFolder folder;
    Form1 *w = nullptr;

    void SetUp() override
    {
        writeDatabase(conduitFixture());
        WindowRegistry::instance().reset();
        registerConduitWindows();
        w = WindowRegistry::instance().window<Form1>(u"Form1"_qs);
        ASSERT_EQ(w, nullptr);
        w = qobject_cast<Form1 *>(openWindow(u"Form1"_qs));
        ASSERT_NE(w, nullptr);
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    template<class T> T *child(const char *name) { return w->findChild<T *>(QLatin1String(name)); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    QString label() { return child<QLabel>("Label1")->text(); }
};

} // namespace

TEST_F(Form1Gui, OpensLoadedWithItsControlsAndMenus)
{
    EXPECT_EQ(w->objectName(), u"Form1");
    EXPECT_EQ(w->windowTitle(), u"配管サイズ計算");
    EXPECT_TRUE(label().startsWith(u"いつもお仕事ご苦労さまです。 断面積は自動設定です。"_qs));
    for (const char *name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command10", "Command11"})
        EXPECT_NE(child<QPushButton>(name), nullptr) << name;
    for (const char *name : {"IDM_DOPEN", "IDM_DSAVE", "IDM_PRINT", "IDM_END", "IDM_TUCA", "IDM_CASTAMB", "IDM_DEL", "IDM_DAN",
                             "IDM_GRCLIN", "IDM_PFSETTI", "IDM_SANTENOFF", "IDM_NAIKIOFF", "IDM_DENTAKU"})
        EXPECT_NE(child<QAction>(name), nullptr) << name;
    EXPECT_EQ(child<QAction>("IDM_SANTENOFF")->text(), u"断面籍を任意に設定する。");
    EXPECT_EQ(child<QPushButton>("Command1")->text(), u"電線登録");
    EXPECT_EQ(child<QPushButton>("Command6")->text(), u"低圧電線・ｹｰﾌﾞﾙ");
    EXPECT_EQ(child<QComboBox>("Combo3")->count(), 50);
    EXPECT_EQ(child<QComboBox>("Combo7")->currentText(), u"32%");
    EXPECT_FALSE(child<QComboBox>("Combo1")->isEnabled());
    EXPECT_FALSE(child<QComboBox>("Combo7")->isEnabled());
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), u"データ名称を入力してください。");
    EXPECT_EQ(child<FlexGrid>("MSFlexGrid1")->textMatrix(0, 2), u"配管サイズ(32%)");
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(Form1Gui, RegistersAndCalculatesThroughTheWidgets)
{
    child<QComboBox>("Combo3")->setEditText(u"IV2.0"_qs);
    child<QComboBox>("Combo5")->setEditText(u"2"_qs);
    click("Command1");
    EXPECT_EQ(child<QPushButton>("Command1")->text(), u"登録完了");
    EXPECT_EQ(child<QComboBox>("Combo5")->currentText(), u"1");
    EXPECT_TRUE(child<QComboBox>("Combo1")->isEnabled());
    child<QComboBox>("Combo1")->setEditText(u"C"_qs);
    click("Command4");
    click("Command2");
    auto *grid = child<FlexGrid>("MSFlexGrid1");
    EXPECT_EQ(grid->textMatrix(2, 2), u"     C(19)");
    EXPECT_EQ(grid->textMatrix(2, 3), u"36.4");
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(BusyState::isBusy(w));

    grid->clickCell(1, 1); // a click copies the name and picks the row
    EXPECT_EQ(child<QComboBox>("Combo3")->currentText(), u"IV2.0");
    trigger("IDM_DEL");
    EXPECT_EQ(child<QPushButton>("Command1")->text(), u"削　除");
    click("Command1");
    EXPECT_EQ(grid->textMatrix(2, 1), u"");
    EXPECT_EQ(label(), u"削除行番号は1です。再計算する為「計算」ボタンを押してください。");

    trigger("IDM_JAKUECO");
    EXPECT_EQ(child<QPushButton>("Command6")->text(), u"エコ弱電");
    EXPECT_EQ(child<QComboBox>("Combo3")->currentText(), u"");
    trigger("IDM_SANTENOFF");
    EXPECT_TRUE(child<QComboBox>("Combo7")->isEnabled());
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(Form1Gui, RefusalsMoveTheFocusAndEndClosesTheWindow)
{
    w->show();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    child<QComboBox>("Combo3")->setEditText(QString());
    click("Command7");
    EXPECT_EQ(folder.messages(), QStringList{u"電線名称を入力してください。"_qs});
    child<QComboBox>("Combo3")->setEditText(u"IV2.0"_qs);
    click("Command1");
    click("Command4");
    EXPECT_EQ(folder.messages().last(), u"配管種別を入力してください。");
    EXPECT_TRUE(child<QComboBox>("Combo1")->hasFocus());
    trigger("IDM_END");
    QCoreApplication::processEvents();
    EXPECT_FALSE(WindowRegistry::instance().isLoaded(u"Form1"_qs));
}

namespace {

// Answers a cancel and notes what the status line showed while the file dialog was open.
struct StatusWatchingDialogs : FakeDialogs
{
    QLabel *label = nullptr;
    QString shownDuringDialog;
    QString fileName(QObject *window, const QString &title, const QString &filter, bool forSaving) override
    {
        shownDuringDialog = label->text();
        return FakeDialogs::fileName(window, title, filter, forSaving);
    }
};

} // namespace

TEST_F(Form1Gui, SaveSummaryStaysInViewWhileTheDialogIsOpen)
{
    child<QLineEdit>("Text1")->setText(u"D1"_qs);
    StatusWatchingDialogs watching;
    watching.label = child<QLabel>("Label1");
    setDialogs(&watching);
    trigger("IDM_DSAVE");
    setDialogs(&folder.fake());
    const QString summary = u"データ－NO=D1です。  電線本数 DC=0です。  ％断面積 PSC=32です。"_qs;
    EXPECT_EQ(watching.shownDuringDialog, summary);
    EXPECT_EQ(watching.messages, QStringList{u"エラーが発生しました。IDM_DSAVE"_qs});
    EXPECT_EQ(label(), summary);
}
