// The motor-feeder window driven through its controls, on the default CABLE-SIZE rows.

#include "flexgrid.h"
#include "form7.h"
#include "registerFeeder.h"
#include "registry.h"
#include "feedertest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace kb;

namespace {

class MotorGui : public ::testing::Test
{
protected:
    void SetUp() override
    {
        feedertest::installDefaultCableSize(folder);
        registerFeederWindows();
        w = qobject_cast<Form7 *>(openWindow(QStringLiteral("Form7")));
        ASSERT_NE(w, nullptr);
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    template<class T> T *child(const char *name) const { return test::child<T>(w, name); }
    QComboBox *combo(const char *name) const { return child<QComboBox>(name); }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }

    test::TestFolder folder;
    Form7 *w = nullptr;
};

} // namespace

TEST_F(MotorGui, OpensWithItsMenusAndDefaults)
{
    EXPECT_EQ(w->objectName(), "Form7");
    EXPECT_EQ(w->windowTitle(), "モーター１台計算");
    QStringList titles;
    for (QAction *title : w->menuBar()->actions())
        titles << title->menu()->objectName() + QLatin1Char(':') + title->text();
    EXPECT_EQ(titles, QStringList({"IDM_FILE:ファイル", "IDM_DENGEN:電　源", "IDM_DENSEN:電線種別", "IDM_HOUHOU:配管種別",
                                   "IDM_SETEI:設　定", "IDMDISP:表　示", "IDM_EXL:エクセル"}));
    EXPECT_EQ(child<QAction>("IDM_EXLSAVE")->text(), "エクセルヘ出力");
    EXPECT_EQ(child<QAction>("IDM_DOPEN")->text(), "開 く");
    EXPECT_EQ(combo("Combo1")->count(), 17);
    EXPECT_EQ(combo("Combo2")->currentText(), "200V級");
    EXPECT_EQ(combo("Combo4")->count(), 16); // the default wire type IV
    EXPECT_FALSE(child<QLineEdit>("Text4")->isEnabled()); // design mode
    EXPECT_EQ(child<QLabel>("Label1")->text(), "必須条件３箇所を入力してください。");
    EXPECT_EQ(child<QLabel>("Label13")->text(), "ｺﾝﾃﾞﾝｻ");
    EXPECT_EQ(child<FlexGrid>("MSFlexGrid1")->textMatrix(0, 11), "結果電線サイズmm2");
}

TEST_F(MotorGui, CalculatesNextAndReadsARowBack)
{
    combo("Combo1")->setCurrentText(QStringLiteral("22"));
    click("Command1");
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join('\n').toStdString();
    FlexGrid *grid = child<FlexGrid>("MSFlexGrid1");
    EXPECT_EQ(grid->textMatrix(1, 11), combo("Combo4")->currentText());
    EXPECT_FALSE(combo("Combo4")->currentText().isEmpty());
    EXPECT_TRUE(child<QLineEdit>("Text4")->isEnabled());
    EXPECT_EQ(child<QLabel>("Label9")->text().left(5), "CosΘ=");

    click("Command2");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "2");
    EXPECT_FALSE(combo("Combo4")->isEnabled());
    EXPECT_EQ(combo("Combo4")->currentText(), "");

    grid->clickCell(1, 3);
    click("Command5");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "1");
    EXPECT_EQ(combo("Combo1")->currentText(), "22"); // without the unit the row appends
    EXPECT_TRUE(combo("Combo4")->isEnabled());

    trigger("IDM_RACK");
    EXPECT_EQ(child<QLabel>("Label1")->text(), "ケーブルラックに設定");
    trigger("IDM_CV3C");
    EXPECT_EQ(combo("Combo4")->count(), 13);
}
