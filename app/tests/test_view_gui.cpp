// Where the result grids' views stand after the program has written a row, read
// a result file back or opened a database, in every window with such a grid.

#include "calculators.h"
#include "flexgrid.h"
#include "programtest.h"
#include "window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace kb;

namespace {

using ViewGui = test::ProgramTest;
using test::click;
using test::setBox;
using test::setCombo;
using test::trigger;

const QString kPickRowToRead = QStringLiteral("読込む行番号を選択後にクリックして下さい。");

FlexGrid *gridOf(Window *w)
{
    return test::child<FlexGrid>(w, "MSFlexGrid1");
}

// Row r holds some result (its name column may be left empty).
bool holdsText(const FlexGrid *g, int r)
{
    for (int c = 1; c < g->cols(); ++c)
        if (!g->textMatrix(r, c).isEmpty())
            return true;
    return false;
}

// Grid row r lies wholly inside the view, top to bottom.
bool rowInView(const FlexGrid *g, int r)
{
    const QRect cell = g->visualRect(g->model()->index(r - 1, 0));
    return cell.top() >= 0 && cell.bottom() <= g->viewport()->rect().bottom();
}

// Grid cell (r, c) lies wholly inside the view.
bool cellInView(const FlexGrid *g, int r, int c)
{
    return g->viewport()->rect().contains(g->visualRect(g->model()->index(r - 1, c - 1)));
}

void scrollToEnd(FlexGrid *g)
{
    g->horizontalScrollBar()->setValue(g->horizontalScrollBar()->maximum());
    g->verticalScrollBar()->setValue(g->verticalScrollBar()->maximum());
}

} // namespace

// Each calculator writes the row of its data number; the current cell is then the
// row's name (column 1), in view, and the arrow keys go on from there with the
// names in view. The program's move chooses no row. A result file read back
// shows from the top.
TEST_F(ViewGui, TheWrittenRowShowsFromItsNameWhereTheCurrentCellIsAndAnOpenedFileFromTheTop)
{
    for (const test::Calculator &k : test::calculators()) {
        SCOPED_TRACE(k.form);
        folder.fake().messages.clear();
        Window *w = open(k.form);
        FlexGrid *g = gridOf(w);
        ASSERT_TRUE(g->isVisible());
        ASSERT_GT(g->verticalScrollBar()->maximum(), 0);
        k.fill(w);
        // The detector windows past the ordinary room keep 30 rows.
        const QLatin1String form(k.form);
        const int row = form == "Frm2" || form == "Frm3" || form == "Form4" ? 30 : 60;
        setBox(w, k.dataBox, QString::number(row));
        click(w, k.button);
        EXPECT_TRUE(holdsText(g, row)) << folder.messages().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(std::make_pair(g->row(), g->col()), std::make_pair(row, 1));
        EXPECT_EQ(g->currentIndex(), g->model()->index(row - 1, 0));
        EXPECT_TRUE(cellInView(g, row, 1));
        EXPECT_EQ(g->horizontalScrollBar()->value(), 0);

        // Nothing is chosen yet: データ読込み asks for a row.
        click(w, k.reload);
        EXPECT_EQ(folder.messages().value(folder.messages().size() - 1), kPickRowToRead);

        // Into the grid from the keyboard, then Down: the next row's name, in view.
        g->setFocus(Qt::TabFocusReason);
        QTest::keyClick(g, Qt::Key_Down);
        EXPECT_EQ(std::make_pair(g->row(), g->col()), std::make_pair(row + 1, 1));
        EXPECT_TRUE(cellInView(g, row + 1, 1));
        EXPECT_EQ(g->horizontalScrollBar()->value(), 0);

        // Up chooses the written row, and データ読込み reads it with the highlight left on
        // the cell the user chose, so the arrows go on from there with the names in view.
        QTest::keyClick(g, Qt::Key_Up);
        const qsizetype boxes = folder.messages().size();
        click(w, k.reload);
        EXPECT_EQ(folder.messages().size(), boxes); // read, not asked for
        EXPECT_EQ(std::make_pair(g->row(), g->col()), std::make_pair(row, 1));
        g->setFocus(Qt::TabFocusReason);
        QTest::keyClick(g, Qt::Key_Down);
        EXPECT_EQ(std::make_pair(g->row(), g->col()), std::make_pair(row + 1, 1));
        EXPECT_TRUE(cellInView(g, row + 1, 1));
        EXPECT_EQ(g->horizontalScrollBar()->value(), 0);

        const QString file = folder.path(QStringLiteral("%1.qvx").arg(QLatin1String(k.form)));
        folder.fake().fileAnswers = {file, file};
        trigger(w, "IDM_DSAVE");
        scrollToEnd(g);
        trigger(w, "IDM_DOPEN");
        EXPECT_TRUE(folder.fake().fileAnswers.isEmpty()); // both dialogs asked
        EXPECT_FALSE(folder.messages().contains(QStringLiteral("中止しました。IDM_DOPEN")));
        EXPECT_EQ(g->currentIndex(), g->model()->index(0, 0));
        EXPECT_EQ(g->verticalScrollBar()->value(), 0);
        EXPECT_EQ(g->horizontalScrollBar()->value(), 0);
        w->close();
        QApplication::processEvents();
    }
}

TEST_F(ViewGui, TheConduitWindowShowsTheCablesItRegistersAndAnOpenedFileFromTheTop)
{
    Window *w = open("Form1");
    setCombo(w, "Combo3", QStringLiteral("IV2.0"));
    setCombo(w, "Combo5", QStringLiteral("60"));
    click(w, "Command1");
    // The rows registered last are in view, from their first column.
    EXPECT_TRUE(rowInView(gridOf(w), 60));
    EXPECT_EQ(gridOf(w)->horizontalScrollBar()->value(), 0);
    setCombo(w, "Combo1", QStringLiteral("C"));
    click(w, "Command4");
    click(w, "Command2");
    const QString file = folder.path(QStringLiteral("conduit.qvx"));
    folder.fake().fileAnswers = {file, file};
    trigger(w, "IDM_DSAVE");
    FlexGrid *g = gridOf(w);
    g->clickCell(60, 10); // the user at the bottom right
    scrollToEnd(g);
    ASSERT_GT(g->verticalScrollBar()->value(), 0);
    trigger(w, "IDM_DOPEN");
    EXPECT_EQ(g->textMatrix(60, 1), u"IV2.0");
    EXPECT_EQ(g->currentIndex(), g->model()->index(0, 0));
    EXPECT_EQ(g->verticalScrollBar()->value(), 0);
    EXPECT_EQ(g->horizontalScrollBar()->value(), 0);
}

// The rack windows write a registered cable into its row by address; the row comes into view.
TEST_F(ViewGui, ACableRegisteredOnARackComesIntoView)
{
    Window *w = open("Form17");
    FlexGrid *g = gridOf(w);
    for (int n = 1; n <= 40; ++n) {
        setCombo(w, "Combo3", QStringLiteral("CV2-2C"));
        setCombo(w, "Combo5", QStringLiteral("1"));
        click(w, "Command1");
    }
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(g->textMatrix(40, 0), u"CV2-2C");
    ASSERT_GT(g->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(rowInView(g, 40));
    EXPECT_EQ(g->horizontalScrollBar()->value(), 0);
}

// The editor stores cells one by one: the view opens a database at its top left
// and keeps the cell the program goes back to in sight.
TEST_F(ViewGui, TheEditorOpensAtTheTopAndKeepsAStoredCellInView)
{
    Window *w = open("Form8");
    FlexGrid *g = gridOf(w);
    trigger(w, "IDM_OPENA"); // CABLE-PIPE, 3000 rows
    EXPECT_EQ(g->verticalScrollBar()->value(), 0);
    EXPECT_EQ(g->horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(rowInView(g, 1));

    trigger(w, "IDM_OPENB"); // CABLE-SIZE: 25 columns, wider than the window
    ASSERT_GT(g->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(g->verticalScrollBar()->value(), 0);
    EXPECT_EQ(g->horizontalScrollBar()->value(), 0);

    // Pick a cell far down and right, look elsewhere, then store into it.
    scrollToEnd(g);
    g->clickCell(480, 24);
    g->horizontalScrollBar()->setValue(0);
    g->verticalScrollBar()->setValue(0);
    setBox(w, "Text1", QStringLiteral("新しい値"));
    click(w, "Command1");
    EXPECT_EQ(g->textMatrix(480, 24), u"新しい値");
    EXPECT_TRUE(cellInView(g, 480, 24));

    // A save walks every cell to the last one; the view stays where the user has it.
    g->horizontalScrollBar()->setValue(0);
    g->verticalScrollBar()->setValue(0);
    trigger(w, "IDM_HOZON");
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_EQ(g->verticalScrollBar()->value(), 0);
    EXPECT_EQ(g->horizontalScrollBar()->value(), 0);
}
