// A motor row saved to a result file, opened again and read back into the
// motor window recalculates after one edit, through the window's controls.

#include "flexgrid.h"
#include "form7.h"
#include "registerFeeder.h"
#include "registry.h"
#include "feedertest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace kb;

namespace {

// Design mode, IV wire in thin-steel conduit.
const char *const kSettings = R"(
@row 2
 | | 設計 | | | IV | KVAR | C
@row 11
22
)";

} // namespace

TEST(MotorReloadGui, SavedRowReadBackRecalculatesAfterALengthEdit)
{
    test::TestFolder folder;
    writeTable(folder.path(QStringLiteral("CABLE-SIZE.qvx")), db::CableSize.fileRows, db::CableSize.columns,
               feedertest::table(QByteArray(kSettings) + feedertest::kMotor22Rows));
    registerFeederWindows();
    auto *w = qobject_cast<Form7 *>(openWindow(QStringLiteral("Form7")));
    ASSERT_NE(w, nullptr);
    const auto combo = [&](const char *name) { return test::child<QComboBox>(w, name); };
    const auto text = [&](const char *name) { return test::child<QLineEdit>(w, name); };
    const auto click = [&](const char *name) { test::child<QPushButton>(w, name)->click(); };
    const auto trigger = [&](const char *name) { test::child<QAction>(w, name)->trigger(); };
    FlexGrid *grid = test::child<FlexGrid>(w, "MSFlexGrid1");

    combo("Combo1")->setCurrentText(QStringLiteral("22"));
    text("Text3")->setText(QStringLiteral("M-1"));
    click("Command1");
    ASSERT_EQ(grid->textMatrix(1, 12), "2.04") << folder.messages().join('\n').toStdString();
    // The written row is in view from its first column.
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(grid->horizontalScrollBar()->value(), 0);

    const QString path = folder.path(QStringLiteral("motor.qvx"));
    folder.fake().fileAnswers << path;
    trigger("IDM_DSAVE");
    trigger("IDM_ALLCLIA");
    ASSERT_EQ(grid->textMatrix(1, 11), "");
    folder.fake().fileAnswers << path;
    trigger("IDM_DOPEN");
    ASSERT_EQ(grid->textMatrix(1, 4), "150AF"); // the file drops the blank

    grid->clickCell(1, 3);
    click("Command5");
    EXPECT_EQ(combo("Combo1")->currentText(), "22");
    EXPECT_EQ(combo("Combo4")->currentText(), "38X3");
    EXPECT_EQ(test::child<QLabel>(w, "Label10")->text(), "150AF");

    text("Text1")->setText(QStringLiteral("60"));
    click("Command1");
    EXPECT_EQ(folder.messages(), QStringList());
    EXPECT_EQ(test::child<QLabel>(w, "Label1")->text(), "電線のサイズ又は長さの変更計算をしました。");
    EXPECT_EQ(feedertest::gridRow(*grid->gridModel(), 1, 20),
              QStringList({"M-1", "東京電力", "200V級", "150AF", "125AT", "22kW", "CosΘ=0.76", "-----", "-----", "84", "38X3",
                           "4.09", "2.04", "-----", "配管", "30℃", "51・可とう管50", "E14", "ﾎﾞﾝﾄﾞ5.5", "60"}));
    EXPECT_EQ(combo("Combo5")->currentText(), "4.09");
    EXPECT_EQ(combo("Combo6")->currentText(), "2.04");
}
