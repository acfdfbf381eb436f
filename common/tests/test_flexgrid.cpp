#include "failure.h"
#include "flexgrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

using namespace kb;

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
