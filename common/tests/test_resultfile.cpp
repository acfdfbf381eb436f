// The result file: exact bytes, the stop column, gap rows, the tail of a longer
// file, and the file menu's boxes and status texts.

#include "cellfile.h"
#include "resultfile.h"
#include "testenv.h"

#include <QFile>
#include <gtest/gtest.h>

#include <utility>

using namespace kb;

namespace {

void shape(GridModel &g, int cols = 21)
{
    g.setShape(101, cols);
    g.setFixed(1, 1);
}

// Row r of a voltage-drop grid: a name and a voltage in columns 1 and 2, more text further on.
void fillRow(GridModel &g, int r)
{
    g.setTextMatrix(r, 0, QString::number(r));
    g.setTextMatrix(r, 1, QStringLiteral("回路%1").arg(r));
    g.setTextMatrix(r, 2, QStringLiteral("105V"));
    g.setTextMatrix(r, 3, QStringLiteral("CV5.5-2C"));
    g.setTextMatrix(r, 20, QStringLiteral("末尾"));
}

QByteArray expectedBytes(const GridModel &g, int C)
{
    QByteArray bytes;
    for (int r = 1; r <= 100; ++r)
        for (int c = 1; c <= C; ++c)
            bytes += encodeCell(g.textMatrix(r, c));
    return bytes;
}

} // namespace

TEST(ResultFile, SaveWritesEveryCellAndOpenGivesTheRowsBack)
{
    test::TestFolder folder;
    GridModel grid;
    shape(grid);
    for (int r = 1; r <= 5; ++r)
        fillRow(grid, r);
    grid.setTextMatrix(2, 4, QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶ")); // 22 characters
    grid.setTextMatrix(3, 5, QStringLiteral("CV 5.5-2C"));
    grid.setTextMatrix(0, 1, QStringLiteral("　名　称"));

    const ResultFile file(resultlayout::VoltageDrop);
    const QString path = folder.path(QStringLiteral("result.qvx"));
    folder.fake().fileAnswers << path;
    QString status;
    ASSERT_TRUE(file.IDM_DSAVE_Click(nullptr, grid, status));
    EXPECT_EQ(status, QStringLiteral("計算結果データ－を保存しました。"));
    EXPECT_EQ(folder.fake().fileTitles, QStringList({QStringLiteral("ファイルを保存する。")}));
    const QByteArray bytes = test::readBytes(path);
    ASSERT_EQ(bytes.size(), 2000 * 40);
    EXPECT_EQ(bytes, expectedBytes(grid, 20));

    // Into a grid that held nine rows: rows 1..5 come back, rows 6..9 stay as they were.
    GridModel other;
    shape(other);
    for (int r = 1; r <= 9; ++r)
        for (int c = 0; c <= 20; ++c)
            other.setTextMatrix(r, c, QStringLiteral("old"));
    other.setTextMatrix(0, 1, QStringLiteral("名　称"));
    other.setRow(9);
    other.setCol(20);
    folder.fake().fileAnswers << path;
    status.clear();
    ASSERT_TRUE(file.IDM_DOPEN_Click(nullptr, other, status));
    EXPECT_EQ(status, QStringLiteral("ファイルより結果データ－を読み込みました。"));
    EXPECT_EQ(std::make_pair(other.row(), other.col()), std::make_pair(1, 1)); // the view shows the top
    EXPECT_EQ(folder.fake().fileTitles.last(), QStringLiteral("ファイルを開く"));
    EXPECT_TRUE(folder.messages().isEmpty());
    for (int r = 1; r <= 5; ++r)
        for (int c = 0; c <= 20; ++c)
            if (!(r == 2 && c == 4) && !(r == 3 && c == 5))
                EXPECT_EQ(other.textMatrix(r, c), grid.textMatrix(r, c)) << r << "," << c;
    EXPECT_EQ(other.textMatrix(2, 4), QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴ")); // cut to 20
    EXPECT_EQ(other.textMatrix(3, 5), QStringLiteral("CV5.5-2C"));                               // blanks dropped
    for (int r = 6; r <= 9; ++r)
        for (int c = 0; c <= 20; ++c)
            EXPECT_EQ(other.textMatrix(r, c), QStringLiteral("old")) << r << "," << c;
    EXPECT_EQ(other.textMatrix(0, 1), QStringLiteral("名　称")); // headings untouched

    // Saved again from the grid read back: the same bytes.
    folder.fake().fileAnswers << folder.path(QStringLiteral("again.qvx"));
    other.setTextMatrix(2, 4, grid.textMatrix(2, 4));
    other.setTextMatrix(3, 5, grid.textMatrix(3, 5));
    for (int r = 6; r <= 9; ++r)
        for (int c = 1; c <= 20; ++c)
            other.setTextMatrix(r, c, QString());
    ASSERT_TRUE(file.IDM_DSAVE_Click(nullptr, other, status));
    EXPECT_EQ(test::readBytes(folder.path(QStringLiteral("again.qvx"))), bytes);
}

TEST(ResultFile, RowsAfterAGapAreStillRead)
{
    test::TestFolder folder;
    GridModel grid;
    shape(grid, 21);
    for (int r : {1, 2, 4, 100})
        fillRow(grid, r);
    grid.setTextMatrix(3, 1, QStringLiteral("名前だけ")); // column 2 empty: no result
    grid.setTextMatrix(2, 11, QStringLiteral("5.5"));
    const QString path = folder.path(QStringLiteral("gap.qvx"));
    ResultFile(resultlayout::VoltageDrop).write(path, grid);

    GridModel back;
    shape(back, 21);
    back.setTextMatrix(3, 1, QStringLiteral("keep"));
    back.setTextMatrix(3, 0, QStringLiteral("keep"));
    ResultFile(resultlayout::VoltageDrop).read(path, back);
    EXPECT_EQ(back.textMatrix(3, 0), QStringLiteral("keep"));
    EXPECT_EQ(back.textMatrix(3, 1), QStringLiteral("keep"));
    for (int r : {1, 2, 4, 100}) {
        EXPECT_EQ(back.textMatrix(r, 0), QString::number(r));
        EXPECT_EQ(back.textMatrix(r, 20), QStringLiteral("末尾")) << r;
    }

    // The unbalanced-load layout stops on column 11: only row 2 holds a result there.
    GridModel unbalanced;
    shape(unbalanced, 21);
    ResultFile(resultlayout::Unbalanced).read(path, unbalanced);
    EXPECT_EQ(unbalanced.textMatrix(2, 11), QStringLiteral("5.5"));
    EXPECT_EQ(unbalanced.textMatrix(1, 1), QString());
    EXPECT_EQ(unbalanced.textMatrix(1, 0), QString());
}

TEST(ResultFile, SavingOverALongerFileKeepsItsTail)
{
    test::TestFolder folder;
    const QString path = folder.path(QStringLiteral("motor.qvx"));
    GridModel motor;
    shape(motor, 26);
    fillRow(motor, 100);
    motor.setTextMatrix(100, 25, QStringLiteral("予備"));
    ResultFile(resultlayout::Motor).write(path, motor);
    const QByteArray before = test::readBytes(path);
    ASSERT_EQ(before.size(), 2500 * 40);

    GridModel package;
    shape(package, 21);
    fillRow(package, 1);
    ResultFile(resultlayout::Package).write(path, package);
    const QByteArray after = test::readBytes(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.left(1400 * 40), expectedBytes(package, 14));
    EXPECT_EQ(after.mid(1400 * 40), before.mid(1400 * 40));
}

TEST(ResultFile, CancelsAndFailuresShowTheCommandsBox)
{
    test::TestFolder folder;
    GridModel grid;
    shape(grid);
    fillRow(grid, 1);
    grid.setRow(5);
    grid.setCol(7);
    const ResultFile file(resultlayout::VoltageDrop);
    QString status = QStringLiteral("before");

    // Cancelled dialogs: nothing changes, the current cell neither.
    EXPECT_FALSE(file.IDM_DSAVE_Click(nullptr, grid, status));
    EXPECT_FALSE(file.IDM_DOPEN_Click(nullptr, grid, status));
    EXPECT_EQ(folder.messages(), QStringList({QStringLiteral("中止しました。IDM_DSAVE"), QStringLiteral("中止しました。IDM_DOPEN")}));
    EXPECT_EQ(status, QStringLiteral("before"));
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(5, 7));

    // A text the file cannot hold: nothing is written, the old file stays.
    const QString path = folder.path(QStringLiteral("old.qvx"));
    test::writeBytes(path, QByteArray("old bytes"));
    grid.setTextMatrix(1, 3, QStringLiteral("😀"));
    folder.fake().fileAnswers << path;
    EXPECT_FALSE(file.IDM_DSAVE_Click(nullptr, grid, status));
    EXPECT_EQ(folder.messages().last(), QStringLiteral("中止しました。IDM_DSAVE"));
    EXPECT_EQ(test::readBytes(path), QByteArray("old bytes"));

    // A name typed without extension gets ".qvx"; a missing file opens as one without rows.
    grid.setTextMatrix(1, 3, QString());
    folder.fake().fileAnswers << folder.path(QStringLiteral("plain"));
    EXPECT_TRUE(file.IDM_DSAVE_Click(nullptr, grid, status));
    EXPECT_TRUE(QFile::exists(folder.path(QStringLiteral("plain.qvx"))));
    folder.fake().fileAnswers << folder.path(QStringLiteral("missing.qvx"));
    EXPECT_TRUE(file.IDM_DOPEN_Click(nullptr, grid, status));
    EXPECT_EQ(grid.textMatrix(1, 1), QStringLiteral("回路1"));

    // A grid narrower than the file's rows: the rows read so far stay, and the box.
    GridModel narrow;
    shape(narrow, 5);
    folder.fake().fileAnswers << folder.path(QStringLiteral("plain.qvx"));
    EXPECT_FALSE(file.IDM_DOPEN_Click(nullptr, narrow, status));
    EXPECT_EQ(folder.messages().last(), QStringLiteral("中止しました。IDM_DOPEN"));
    EXPECT_EQ(narrow.textMatrix(1, 3), QStringLiteral(""));
    EXPECT_EQ(narrow.textMatrix(1, 1), QStringLiteral("回路1"));
    EXPECT_EQ(narrow.row(), 1); // the view still goes to the rows read
}

// A disk that fills up part-way through a save: the box, the old file byte for
// byte, the status line as it was. A FIFO picked in the dialog is refused at once.
TEST(ResultFile, AFullDiskOrAFileThatIsNoFileShowsTheCommandsBox)
{
    test::TestFolder folder;
    GridModel grid;
    shape(grid);
    fillRow(grid, 1);
    const ResultFile file(resultlayout::VoltageDrop);
    const QString path = folder.path(QStringLiteral("old.qvx"));
    const QByteArray old = QByteArray(3000, 'o');
    test::writeBytes(path, old);
    QString status = QStringLiteral("before");
    {
        test::FullDisk disk(40000);
        folder.fake().fileAnswers << path;
        EXPECT_FALSE(file.IDM_DSAVE_Click(nullptr, grid, status));
        EXPECT_EQ(disk.refusedSaves(), 1);
    }
    EXPECT_EQ(folder.messages(), QStringList{QStringLiteral("中止しました。IDM_DSAVE")});
    EXPECT_EQ(status, QStringLiteral("before"));
    EXPECT_EQ(test::readBytes(path), old);

    const QString fifo = folder.path(QStringLiteral("fifo.qvx"));
    test::Fifo guard(fifo);
    ASSERT_TRUE(guard.made());
    GridModel other;
    shape(other);
    other.setTextMatrix(1, 1, QStringLiteral("keep"));
    folder.fake().fileAnswers << fifo << fifo;
    EXPECT_FALSE(file.IDM_DOPEN_Click(nullptr, other, status));
    EXPECT_FALSE(file.IDM_DSAVE_Click(nullptr, grid, status));
    EXPECT_EQ(folder.messages().mid(1), QStringList({QStringLiteral("中止しました。IDM_DOPEN"), QStringLiteral("中止しました。IDM_DSAVE")}));
    EXPECT_EQ(other.textMatrix(1, 1), QStringLiteral("keep"));
    EXPECT_EQ(status, QStringLiteral("before"));
    EXPECT_FALSE(guard.fired());
}
