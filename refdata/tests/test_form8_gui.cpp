// The database editor window driven through its object names and slots.

#include "busystate.h"
#include "cellfile.h"
#include "flexgrid.h"
#include "form8.h"
#include "registerRefdata.h"
#include "registry.h"
#include "testenv.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <iostream>

using namespace kb;

namespace {

class EditorWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile::copy(QDir(test::binDir()).filePath(QStringLiteral("CABLE-PIPE.qvx")), folder.path(QStringLiteral("CABLE-PIPE.qvx")));
        registerRefdataWindows();
        w = qobject_cast<Form8 *>(WindowRegistry::instance().open(QStringLiteral("Form8")));
        ASSERT_NE(w, nullptr);
        grid = w->findChild<FlexGrid *>(QStringLiteral("MSFlexGrid1"));
    }
    void TearDown() override
    {
        WindowRegistry::instance().reset();
        QApplication::processEvents();
    }
    QLineEdit *box(int n) const { return w->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(n)); }
    QString label(const char *name) const { return w->findChild<QLabel *>(QLatin1String(name))->text(); }
    void trigger(const char *name) const { w->findChild<QAction *>(QLatin1String(name))->trigger(); }
    void press(int n) const { w->findChild<QPushButton *>(QStringLiteral("Command%1").arg(n))->click(); }

    test::TestFolder folder;
    Form8 *w = nullptr;
    FlexGrid *grid = nullptr;
};

} // namespace

TEST_F(EditorWindow, ShowsItsControlsAndMenusByName)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("データベース編集"));
    EXPECT_EQ(grid->rows(), 501);
    EXPECT_EQ(grid->cols(), 26);
    EXPECT_EQ(label("Label1"), QStringLiteral("登録文字"));
    EXPECT_EQ(label("Label4"), QStringLiteral("列/移動行数"));
    EXPECT_EQ(label("Label6"), QStringLiteral(" 行移動で上方向は「－」下方向は「＋」とする。"));
    EXPECT_EQ(label("Label7"), QStringLiteral("複写元は「列/移動行数」に複写先列はこの隣の欄に入力"));
    // The copy label speaks of "the box next to it": the destination box is on its line, to its right.
    const QRect copyLabel = w->findChild<QLabel *>(QStringLiteral("Label7"))->geometry();
    const QRect destination = box(5)->geometry();
    EXPECT_TRUE(destination.top() < copyLabel.center().y() && copyLabel.center().y() < destination.bottom());
    EXPECT_GE(destination.left(), copyLabel.right());
    QStringList captions;
    for (int n = 1; n <= 7; ++n)
        captions << w->findChild<QPushButton *>(QStringLiteral("Command%1").arg(n))->text();
    EXPECT_EQ(captions, QStringList({"登　録", "行消去", "行削除", "連続登録", "行移動", "列消去", "列複写"}));
    QStringList file;
    for (QAction *a : w->findChild<QMenu *>(QStringLiteral("IDM_FILE"))->actions())
        file << a->objectName() + QLatin1Char(':') + (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(file, QStringList({"IDM_OPENA:配管サイズデータベースを開く", "IDM_OPENB:電線サイズデータベースを開く",
                                 "IDM_OPENC:火報データベースを開く", "IDM_OPEND:予　備", "IDM_OPENE:予　備", "IDM_KUGIRI2:-",
                                 "IDM_HOZON:上書保存", "IDM_KUGIRI1:-", "IDM_PRINT:印　刷", "IDM_END:終　了"}));
    for (const char *slot : {"IDM_OPENA_Click()", "IDM_OPENB_Click()", "IDM_OPENC_Click()", "IDM_OPEND_Click()",
                             "IDM_OPENE_Click()", "IDM_HOZON_Click()", "IDM_PRINT_Click()", "IDM_END_Click()",
                             "IDM_INCLIA_Click()", "IDM_GRCLA_Click()", "MSFlexGrid1_Click()", "MSFlexGrid1_LeaveCell()",
                             "Text1_KeyDown(int)", "Command1_Click()", "Command2_Click()", "Command3_Click()",
                             "Command4_Click()", "Command5_Click()", "Command6_Click()", "Command7_Click()"})
        EXPECT_GE(w->metaObject()->indexOfSlot(slot), 0) << slot;
    QStringList view;
    for (QAction *a : w->findChild<QMenu *>(QStringLiteral("IDM_HYOJI"))->actions())
        view << a->objectName() + QLatin1Char(':') + a->text();
    EXPECT_EQ(view, QStringList({"IDM_INCLIA:入力欄クリア", "IDM_GRCLA:表を消去する"}));
}

TEST_F(EditorWindow, OpenPickStoreAndSaveThroughTheWidgets)
{
    QElapsedTimer timer;
    timer.start();
    trigger("IDM_OPENA");
    std::cout << "[ info ] CABLE-PIPE opened into the window in " << timer.elapsed() << " ms\n";
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(BusyState::isBusy(w));
    EXPECT_EQ(grid->rows(), 3001);
    EXPECT_EQ(grid->textMatrix(0, 2), QStringLiteral("2　列   "));
    EXPECT_EQ(grid->colWidth(1), 2000);

    grid->setTextMatrix(12, 3, QStringLiteral("既存"));
    grid->clickCell(12, 3);
    EXPECT_EQ(box(1)->text(), QStringLiteral("既存"));
    EXPECT_EQ(label("Label5"), QStringLiteral("列は 3  行は 12"));
    EXPECT_EQ(w->focusWidget(), box(1));
    EXPECT_EQ(grid->backColorAt(12, 3), QColor(128, 128, 128));

    box(1)->setText(QStringLiteral("新値"));
    QTest::keyClick(box(1), Qt::Key_Return);
    EXPECT_EQ(grid->textMatrix(12, 3), QStringLiteral("新値"));
    EXPECT_EQ(box(1)->text(), QString());

    box(1)->setText(QStringLiteral("登録値"));
    press(1);
    EXPECT_EQ(grid->textMatrix(12, 3), QStringLiteral("登録値"));
    EXPECT_FALSE(grid->backColorAt(12, 3).isValid());

    trigger("IDM_HOZON");
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(test::readBytes(folder.path(QStringLiteral("CABLE-PIPE.qvx"))).mid((11 * 5 + 2) * 40, 40),
              encodeCell(QStringLiteral("登録値")));

    trigger("IDM_END");
    QApplication::processEvents();
    EXPECT_FALSE(WindowRegistry::instance().isLoaded(QStringLiteral("Form8")));
}

TEST_F(EditorWindow, BlockCommandsReadTheBoxesEndTheBusyStateAndFocusTheTextBox)
{
    trigger("IDM_OPENA");
    box(2)->setText(QStringLiteral("301"));
    box(3)->setText(QStringLiteral("302"));
    box(4)->setText(QStringLiteral("1"));
    box(5)->setText(QStringLiteral("5"));
    const QString first = grid->textMatrix(301, 1);
    press(7); // 列複写
    EXPECT_EQ(grid->textMatrix(301, 5), first);
    EXPECT_EQ(w->focusWidget(), box(1));

    box(2)->clear();
    press(2); // 行消去 with an empty start row
    EXPECT_EQ(folder.messages(), QStringList{QStringLiteral("エラーが発生しました。Command2")});
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(BusyState::isBusy(w));

    press(4); // 連続登録 with an empty text: the prompt, the focus where the text is missing
    EXPECT_EQ(folder.messages().last(), QStringLiteral("登録する文字又は数値を入力してください。"));
    box(1)->setText(QStringLiteral("x"));
    press(4);
    EXPECT_EQ(folder.messages().last(), QStringLiteral("連続登録する開始行番号を入力してください。"));
    EXPECT_EQ(w->focusWidget(), box(2));

    trigger("IDM_INCLIA");
    EXPECT_EQ(box(1)->text() + box(2)->text() + box(3)->text() + box(4)->text(), QString());
    EXPECT_EQ(box(5)->text(), QStringLiteral("5"));

    trigger("IDM_PRINT");
    EXPECT_EQ(folder.messages().last(), QStringLiteral("プリントを中止しました。IDM_PRINT"));
}

// The refusal of a save brings the first cell that cannot be saved into view.
TEST_F(EditorWindow, ARefusedSaveShowsTheCellToMend)
{
    trigger("IDM_OPENA");
    const QByteArray before = test::readBytes(folder.path(QStringLiteral("CABLE-PIPE.qvx")));
    grid->setTextMatrix(2500, 4, QStringLiteral("😀"));
    grid->setTextMatrix(2900, 1, QStringLiteral("한"));
    trigger("IDM_HOZON");
    EXPECT_EQ(folder.messages(), QStringList{QStringLiteral("この文字はデータベースに保存できません。")});
    EXPECT_TRUE(w->isEnabled());
    const QModelIndex current = grid->currentIndex();
    EXPECT_EQ(grid->model()->data(current).toString(), QStringLiteral("😀"));
    EXPECT_TRUE(grid->viewport()->rect().intersects(grid->visualRect(current)));
    EXPECT_EQ(test::readBytes(folder.path(QStringLiteral("CABLE-PIPE.qvx"))), before);
}

// Enter stores into the highlighted cell, in view: the first cell before and after opening,
// a cell chosen with the keys, the user's cell through a save and a block command.
TEST_F(EditorWindow, EnterStoresIntoTheHighlightedCell)
{
    w->show();
    QApplication::setActiveWindow(w);
    const auto highlighted = [this] {
        const QModelIndex i = grid->currentIndex();
        return qMakePair(i.row() + 1, i.column() + 1);
    };
    const auto inView = [this] { return grid->viewport()->rect().contains(grid->visualRect(grid->currentIndex())); };
    const auto enter = [this](const QString &text) {
        box(1)->setText(text);
        QTest::keyClick(box(1), Qt::Key_Return);
    };

    // Before any database is open the cell a text would land in is highlighted too.
    EXPECT_EQ(highlighted(), qMakePair(1, 1));

    trigger("IDM_OPENA");
    EXPECT_EQ(highlighted(), qMakePair(1, 1));
    EXPECT_TRUE(inView());
    enter(QStringLiteral("A"));
    EXPECT_EQ(grid->textMatrix(1, 1), QStringLiteral("A"));

    // Keys choose a cell as a click does; the focus stays in the grid for the next key.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(highlighted(), qMakePair(2, 2));
    EXPECT_EQ(grid->backColorAt(2, 2), QColor(128, 128, 128));
    EXPECT_EQ(label("Label5"), QStringLiteral("列は 2  行は 2"));
    EXPECT_EQ(box(1)->text(), grid->textMatrix(2, 2));
    EXPECT_EQ(w->focusWidget(), grid);
    enter(QStringLiteral("B"));
    EXPECT_EQ(grid->textMatrix(2, 2), QStringLiteral("B"));

    trigger("IDM_HOZON");
    EXPECT_EQ(highlighted(), qMakePair(2, 2));
    enter(QStringLiteral("C"));
    EXPECT_EQ(grid->textMatrix(2, 2), QStringLiteral("C"));

    grid->scrollTo(grid->model()->index(99, 3));
    grid->clickCell(100, 4);
    box(2)->setText(QStringLiteral("256"));
    box(3)->setText(QStringLiteral("267"));
    box(4)->setText(QStringLiteral("0"));
    press(6); // 列消去 over the row numbers
    EXPECT_EQ(grid->textMatrix(267, 0), QString());
    EXPECT_EQ(highlighted(), qMakePair(100, 4));
    EXPECT_TRUE(inView());
    EXPECT_EQ(grid->backColorAt(100, 4), QColor(128, 128, 128));
    enter(QStringLiteral("ZZ5"));
    EXPECT_EQ(grid->textMatrix(100, 4), QStringLiteral("ZZ5"));
    EXPECT_EQ(grid->textMatrix(267, 0), QString());
    EXPECT_TRUE(folder.messages().isEmpty());
}
