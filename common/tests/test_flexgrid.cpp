#include "failure.h"
#include "flexgrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <utility>

using namespace kb;

namespace {

// A grid far wider and taller than its view: 100 data rows, 16 data columns of 100 pixels.
std::unique_ptr<FlexGrid> wideGrid()
{
    auto g = std::make_unique<FlexGrid>();
    g->setRows(101);
    g->setCols(17);
    g->resize(400, 300);
    return g;
}

// Writes a row as the calculators do: the current cell moved along it, one text at a time.
void writeRowCellByCell(FlexGrid &g, int r)
{
    g.setRow(r);
    for (int c = 1; c < g.cols(); ++c) {
        g.setCol(c);
        g.setText(QStringLiteral("%1-%2").arg(r).arg(c));
    }
}

// Grid cell (r, c) lies wholly inside the view; with c = 0 only its row is looked at.
bool inView(const FlexGrid &g, int r, int c = 0)
{
    const QRect cell = g.visualRect(g.model()->index(r - 1, qMax(c, 1) - 1));
    const QRect view = g.viewport()->rect();
    const bool rowIn = cell.top() >= 0 && cell.bottom() <= view.bottom();
    return c == 0 ? rowIn : rowIn && cell.left() >= 0 && cell.right() <= view.right();
}

std::pair<int, int> scrolled(const FlexGrid &g)
{
    return {g.horizontalScrollBar()->value(), g.verticalScrollBar()->value()};
}

void scrollToEnd(FlexGrid &g)
{
    g.horizontalScrollBar()->setValue(g.horizontalScrollBar()->maximum());
    g.verticalScrollBar()->setValue(g.verticalScrollBar()->maximum());
}

} // namespace

TEST(FlexGrid, EveryCellIncludingHeadingsIsAddressable)
{
    FlexGrid g;
    g.setObjectName(QStringLiteral("MSFlexGrid1"));
    g.setRows(101);
    g.setCols(17);
    g.setTextMatrix(0, 0, QStringLiteral("ＮＯ"));
    g.setTextMatrix(0, 3, QStringLiteral("電線サイズ"));
    g.setTextMatrix(5, 0, QStringLiteral("5"));
    g.setTextMatrix(100, 16, QStringLiteral("ｹｰﾌﾞﾙﾗｯｸ"));
    EXPECT_EQ(g.rows(), 101);
    EXPECT_EQ(g.cols(), 17);
    EXPECT_EQ(g.textMatrix(100, 16), u"ｹｰﾌﾞﾙﾗｯｸ");
    // Headings show as the fixed row and column.
    EXPECT_EQ(g.model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), u"電線サイズ");
    EXPECT_EQ(g.model()->headerData(4, Qt::Vertical, Qt::DisplayRole).toString(), u"5");
    EXPECT_EQ(g.model()->rowCount(), 100);
    EXPECT_THROW(g.textMatrix(101, 0), Failure);
    EXPECT_THROW(g.setTextMatrix(0, 17, QString()), Failure);

    // The Q_INVOKABLE API reaches the same cells.
    QString text;
    ASSERT_TRUE(QMetaObject::invokeMethod(&g, "textMatrix", Q_RETURN_ARG(QString, text), Q_ARG(int, 0), Q_ARG(int, 3)));
    EXPECT_EQ(text, u"電線サイズ");

    // Shrinking and growing keeps what still fits.
    g.setRows(3);
    g.setRows(10);
    EXPECT_EQ(g.textMatrix(0, 3), u"電線サイズ");
    EXPECT_EQ(g.textMatrix(9, 16), u"");
}

TEST(FlexGrid, ClickMovesTheCurrentCellButNotOntoTheHeadings)
{
    FlexGrid g;
    g.setRows(5);
    g.setCols(4);
    g.resize(400, 300);
    g.show();
    QSignalSpy spy(&g, &FlexGrid::cellClicked);
    g.setColWidth(2, 1200);
    const QRect cell = g.visualRect(g.model()->index(2, 1)); // grid cell (3, 2)
    QTest::mousePress(g.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(g.row(), 3);
    EXPECT_EQ(g.col(), 2);
    g.clickCell(0, 2);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(g.row(), 3);
}

TEST(FlexGrid, TabLeavesTheGridWhileTheArrowsMoveInsideIt)
{
    QWidget window;
    auto *before = new QLineEdit(&window);
    auto *grid = new FlexGrid(&window);
    auto *after = new QLineEdit(&window);
    grid->setRows(6);
    grid->setCols(4);
    grid->setGeometry(0, 30, 300, 150);
    after->move(0, 200);
    window.show();
    QApplication::setActiveWindow(&window);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 0));
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_TRUE(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Backtab);
    EXPECT_TRUE(before->hasFocus());
}

// The keys choose a cell as a click does: the window hears of it once, after the
// grid's current cell has moved there. The program's moves choose nothing.
TEST(FlexGrid, AKeyMoveChoosesTheCellAsAClickDoesAndTheProgramsMovesDoNot)
{
    FlexGrid g;
    g.setRows(6);
    g.setCols(4);
    g.resize(400, 300);
    g.show();
    QApplication::setActiveWindow(&g);
    QList<std::pair<int, bool>> chosen; // the current row and whether the keys chose it
    QObject::connect(&g, &FlexGrid::cellClicked, &g, [&] { chosen.append({g.row(), g.choosingByKeys()}); });
    g.setRow(2);
    g.setCol(1);
    g.setFocus();
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_EQ(g.chosenRow(0), 0); // nothing chosen yet

    QTest::keyClick(&g, Qt::Key_Down);
    QTest::keyClick(&g, Qt::Key_PageUp);
    QTest::keyClick(&g, Qt::Key_Up); // already on the first row: no move, no choice
    const QRect cell = g.visualRect(g.model()->index(3, 2)); // grid cell (4, 3)
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(chosen, (QList<std::pair<int, bool>>{{3, true}, {1, true}, {4, false}}));

    // A row once chosen is the highlighted one when the program has moved it since.
    g.setRow(5);
    EXPECT_EQ(g.highlightedRow(), 5);
    EXPECT_EQ(g.chosenRow(4), 5);
    EXPECT_EQ(chosen.size(), 3);
}

// A grid without a selection frames its current cell, where the next text
// entered lands, also while the focus is elsewhere.
TEST(FlexGrid, AGridWithoutSelectionFramesItsCurrentCellWithoutTheFocus)
{
    QWidget window;
    auto *box = new QLineEdit(&window);
    auto *g = new FlexGrid(&window);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setRows(5);
    g->setCols(4);
    g->setGeometry(0, 30, 300, 150);
    window.show();
    QApplication::setActiveWindow(&window);
    box->setFocus();
    const QRect cell = g->visualRect(g->model()->index(1, 1)); // grid cell (2, 2)
    const auto look = [&] { return g->viewport()->grab(cell).toImage(); };
    g->setRow(3);
    const QImage plain = look();
    g->setRow(2);
    g->setCol(2);
    EXPECT_NE(look(), plain);
    g->setRow(3);
    EXPECT_EQ(look(), plain);
}

TEST(FlexGrid, WidthsInTwipsColoursAndClear)
{
    FlexGrid g;
    g.setRows(3);
    g.setCols(3);
    g.setColWidth(1, 1500);
    EXPECT_EQ(g.columnWidth(0), 100);
    EXPECT_EQ(g.colWidth(1), 1500);
    g.setColWidth(0, 600);
    EXPECT_EQ(g.verticalHeader()->width(), 40);
    g.setRow(2);
    g.setCol(2);
    g.setCellBackColor(Qt::gray);
    g.setText(QStringLiteral("x"));
    EXPECT_EQ(g.backColorAt(2, 2), QColor(Qt::gray));
    EXPECT_EQ(QColor::fromRgb(g.model()->index(1, 1).data(Qt::BackgroundRole).value<kb::GridColor>()), QColor(Qt::gray));
    g.setTextMatrix(0, 1, QStringLiteral("h"));
    g.clear();
    EXPECT_EQ(g.textMatrix(2, 2), u"");
    EXPECT_EQ(g.textMatrix(0, 1), u"");
    EXPECT_FALSE(g.backColorAt(2, 2).isValid());
}

TEST(FlexGrid, BulkFillIsOneReset)
{
    FlexGrid g;
    g.setRows(3001);
    g.setCols(6);
    QVector<QString> texts(3001 * 6);
    texts[3000 * 6 + 5] = QStringLiteral("last");
    QSignalSpy resets(g.model(), &QAbstractItemModel::modelReset);
    g.setAllTexts(texts);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(g.textMatrix(3000, 5), u"last");
}

TEST(FlexGrid, AColumnIsNeverNarrowerThanItsHeading)
{
    FlexGrid g;
    g.setRows(3);
    g.setCols(4);
    const auto fits = [&g](int c) {
        QHeaderView *h = c == 0 ? g.verticalHeader() : g.horizontalHeader();
        const int margin = g.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
        const int width = c == 0 ? h->minimumWidth() : g.columnWidth(c - 1);
        return width >= h->fontMetrics().horizontalAdvance(g.textMatrix(0, c)) + 2 * margin;
    };
    g.setColWidth(1, 300); // 20 pixels
    g.setColWidth(2, 0);   // hidden
    g.setTextMatrix(0, 1, QStringLiteral("許容電流(A)"));
    g.setTextMatrix(0, 2, QStringLiteral("隠れた列"));
    g.setTextMatrix(0, 3, QStringLiteral("ケーブル太さ(mm2)と電圧降下"));
    g.setTextMatrix(0, 0, QStringLiteral("ＮＯ．番号"));
    EXPECT_TRUE(fits(1));
    EXPECT_EQ(g.columnWidth(1), 0);
    EXPECT_TRUE(fits(3)); // wider than the default width too
    EXPECT_TRUE(fits(0));
    EXPECT_EQ(g.colWidth(1), 300); // the designed width is kept

    // A width set after the heading, and a larger font, still leave it whole.
    g.setColWidth(1, 150);
    EXPECT_TRUE(fits(1));
    QFont big = g.font();
    big.setPointSize(big.pointSize() * 2);
    g.setFont(big);
    EXPECT_TRUE(fits(1) && fits(3) && fits(0));
}

// A row the program writes shows from its first column. Written as a result row
// (GridModel::writeRow) the current cell is its name, column 1, in view; walked
// cell by cell it stays where the walk ends.
TEST(FlexGrid, ARowTheProgramWritesShowsFromItsFirstColumn)
{
    const struct
    {
        const char *name;
        bool shownFirst; // on screen during the write, or shown only after it
        bool fromEnd;    // the view scrolled to the bottom right before the write
        int row;
    } cases[] = {
        {"far down, on screen", true, false, 80},
        {"back near the top from the far corner", true, true, 3},
        {"shown after the write", false, false, 80},
        {"shown after the write, from the far corner", false, true, 3},
    };
    for (const bool resultRow : {false, true})
        for (const auto &k : cases) {
            SCOPED_TRACE(std::string(k.name) + (resultRow ? ", a result row" : ", cell by cell"));
            auto g = wideGrid();
            g->show();
            if (k.fromEnd)
                scrollToEnd(*g);
            if (!k.shownFirst)
                g->hide();
            if (resultRow)
                g->gridModel()->writeRow(k.row, QStringList(16, QStringLiteral("x")));
            else
                writeRowCellByCell(*g, k.row);
            g->show();
            const int col = resultRow ? 1 : 16;
            EXPECT_EQ(std::make_pair(g->row(), g->col()), std::make_pair(k.row, col));
            EXPECT_EQ(g->currentIndex(), g->model()->index(k.row - 1, col - 1));
            EXPECT_EQ(g->textMatrix(k.row, 16), resultRow ? QStringLiteral("x") : QStringLiteral("%1-16").arg(k.row));
            EXPECT_TRUE(inView(*g, k.row));
            EXPECT_EQ(g->horizontalScrollBar()->value(), 0);
        }
}

// A result row's move chooses nothing; the keys go on from its name with the
// names in view. A row that does not fit is refused before any cell is written.
TEST(FlexGrid, AResultRowIsWrittenWholeAndTheKeysGoOnFromItsName)
{
    auto g = wideGrid();
    g->show();
    QApplication::setActiveWindow(g.get());
    int chosen = 0;
    QObject::connect(g.get(), &FlexGrid::cellClicked, g.get(), [&] { ++chosen; });
    g->clickCell(2, 5);
    ASSERT_EQ(chosen, 1);
    scrollToEnd(*g);

    GridModel &m = *g->gridModel();
    m.writeRow(60, {QStringLiteral("動力盤"), QStringLiteral("210V")});
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(std::make_pair(g->row(), g->col()), std::make_pair(60, 1));
    EXPECT_TRUE(inView(*g, 60, 1));
    g->setFocus(Qt::TabFocusReason);
    QTest::keyClick(g.get(), Qt::Key_Down);
    EXPECT_EQ(chosen, 2);
    EXPECT_EQ(std::make_pair(g->row(), g->col()), std::make_pair(61, 1));
    EXPECT_TRUE(inView(*g, 61, 1));
    EXPECT_EQ(g->horizontalScrollBar()->value(), 0);

    // Below the last row, above the first, or wider than the grid: nothing written, the current cell kept.
    const QStringList full(16, QStringLiteral("y"));
    for (const auto &[r, cells] : {std::pair{101, full}, std::pair{-1, full}, std::pair{5, full + QStringList{"z"}}}) {
        SCOPED_TRACE(r);
        EXPECT_THROW(m.writeRow(r, cells), Failure);
        EXPECT_EQ(std::make_pair(g->row(), g->col()), std::make_pair(61, 1));
    }
    EXPECT_EQ(m.textMatrix(5, 1), u"");
    EXPECT_EQ(m.rowAfterData(), 61);
}

TEST(FlexGrid, AUsersClickLeavesTheViewWhileTheKeysCarryIt)
{
    auto g = wideGrid();
    g->show();
    g->horizontalScrollBar()->setValue(g->horizontalScrollBar()->maximum() / 2);
    g->verticalScrollBar()->setValue(40);
    const auto before = scrolled(*g);

    // A cell cut by the right edge: Qt would scroll it into view a moment later.
    const QRect whole = g->visualRect(g->model()->index(45, 6));
    ASSERT_TRUE(g->viewport()->rect().contains(whole));
    const QPoint edge(g->viewport()->width() - 3, whole.center().y());
    ASSERT_FALSE(g->viewport()->rect().contains(g->visualRect(g->indexAt(edge))));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, edge);
    QTest::qWait(QApplication::doubleClickInterval() + 200);
    EXPECT_EQ(scrolled(*g), before);

    // The window's answer to a click reads the clicked row, moving the current cell along it.
    QObject::connect(g.get(), &FlexGrid::cellClicked, g.get(), [&g] {
        for (int c = 1; c < g->cols(); ++c) {
            g->setCol(c);
            (void)g->text();
        }
    });
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, whole.center());
    EXPECT_EQ(scrolled(*g), before);
    EXPECT_EQ(g->row(), 46);
    g->clickCell(99, 16);
    EXPECT_EQ(scrolled(*g), before);

    // The arrows and End move the current cell and the view with it.
    QApplication::setActiveWindow(g.get());
    g->setFocus();
    g->setCurrentIndex(g->model()->index(45, 6));
    QTest::keyClick(g.get(), Qt::Key_End);
    EXPECT_EQ(g->currentIndex().column(), 15);
    EXPECT_TRUE(inView(*g, 46, 16));
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(g.get(), Qt::Key_Down);
    EXPECT_TRUE(inView(*g, 76, 16));
    // The grid's current cell, which the window writes to, is the one the keys reached.
    EXPECT_EQ(g->row(), 76);
    EXPECT_EQ(g->col(), 16);
    // Refilling the grid keeps that cell current, in the view too, without moving the view.
    const auto now = scrolled(*g);
    g->setAllTexts(QVector<QString>(qsizetype(g->rows()) * g->cols(), QStringLiteral("x")));
    EXPECT_EQ(g->currentIndex(), g->model()->index(75, 15));
    EXPECT_EQ(scrolled(*g), now);
}

TEST(FlexGrid, ACellByCellGridKeepsTheCurrentCellInViewAndCanShowItsStart)
{
    auto g = wideGrid();
    g->setFollow(FlexGrid::Follow::Cell);
    g->show();
    g->setRow(90);
    g->setCol(14);
    EXPECT_TRUE(inView(*g, 90, 14));
    EXPECT_GT(g->horizontalScrollBar()->value(), 0);

    g->showStart();
    EXPECT_EQ(scrolled(*g), std::make_pair(0, 0));
    EXPECT_EQ(g->currentIndex(), g->model()->index(89, 13)); // the current cell stays

    // Hidden: the last of the two requests is what the grid opens at.
    g->hide();
    g->setRow(70);
    g->show();
    EXPECT_TRUE(inView(*g, 70, 14));
    g->hide();
    g->setCol(16);
    g->showStart();
    g->show();
    EXPECT_EQ(scrolled(*g), std::make_pair(0, 0));
}
