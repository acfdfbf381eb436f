// The database editor's commands on its display-free state: loading, saving
// with the exact bytes, picking and storing cells, and the six block commands.

#include "cellfile.h"
#include "form8model.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kb;

namespace {

const QString kErase = QStringLiteral("エラーが発生しました。");

struct Editor
{
    const char *name;
    DatabaseShape shape;
    void (Form8Model::*open)();
    int rowNumberWidth;
    int cellWidth;
};
const Editor kEditors[] = {
    {"CABLE-PIPE", db::CablePipe, &Form8Model::IDM_OPENA_Click, 600, 2000},
    {"CABLE-SIZE", db::CableSize, &Form8Model::IDM_OPENB_Click, 1000, 1000},
    {"KAHOU", db::Kahou, &Form8Model::IDM_OPENC_Click, 1500, 1500},
};

// The bytes a save of these cell values gives over a file that held `old`.
QByteArray savedBytes(const QStringList &cells, const QByteArray &old)
{
    QByteArray out;
    for (const QString &c : cells)
        out += encodeCell(c);
    return out + old.mid(out.size());
}

class EditorTest : public ::testing::Test
{
protected:
    // Writes a database whose cell (r, c) holds "r-c" for every r ≤ rows.
    void writeNumbered(const DatabaseShape &shape, int rows)
    {
        QStringList cells;
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= shape.columns; ++c)
                cells << QStringLiteral("%1-%2").arg(r).arg(c);
        writeRecords(folder.path(QLatin1String(shape.fileName)), cells);
    }
    QString cell(int r, int c) const { return m.MSFlexGrid1.textMatrix(r, c); }
    void setBoxes(const QString &t2, const QString &t3, const QString &t4 = {}, const QString &t5 = {})
    {
        m.Text2 = t2;
        m.Text3 = t3;
        m.Text4 = t4;
        m.Text5 = t5;
    }
    void click(int r, int c)
    {
        m.MSFlexGrid1.setRow(r);
        m.MSFlexGrid1.setCol(c);
        m.MSFlexGrid1_Click();
    }
    QPair<int, int> current() const { return {m.MSFlexGrid1.row(), m.MSFlexGrid1.col()}; }

    test::TestFolder folder;
    Form8Model m;
};

} // namespace

// --- opening ---------------------------------------------------------------------

TEST_F(EditorTest, OpeningShapesTheGridAndLoadsEveryRowLeavingTheFirstCellCurrent)
{
    for (const Editor &e : kEditors) {
        SCOPED_TRACE(e.name);
        const int R = e.shape.fileRows, C = e.shape.columns;
        writeNumbered(e.shape, R);
        (m.*e.open)();
        EXPECT_EQ(m.FAIRU_MEI, QStringLiteral("\\") + QLatin1String(e.shape.fileName));
        EXPECT_EQ(m.RETU_SUU, C);
        EXPECT_EQ(m.GYOU_SUU, R);
        EXPECT_EQ(m.MSFlexGrid1.rows(), R + 1);
        EXPECT_EQ(m.MSFlexGrid1.cols(), C + 1);
        EXPECT_EQ(m.MSFlexGrid1.colWidth(0), e.rowNumberWidth);
        EXPECT_EQ(m.MSFlexGrid1.colWidth(C), e.cellWidth);
        EXPECT_EQ(cell(0, 0), QString());
        EXPECT_EQ(cell(0, 1), QStringLiteral("1　列   "));
        EXPECT_EQ(cell(0, C), QString::number(C) + QStringLiteral("　列   "));
        EXPECT_EQ(cell(R, 0), QString::number(R));
        EXPECT_EQ(cell(1, 1), QStringLiteral("1-1"));
        EXPECT_EQ(cell(R, C), QStringLiteral("%1-%2").arg(R).arg(C));
        EXPECT_EQ(current(), qMakePair(1, 1));
        EXPECT_TRUE(folder.messages().isEmpty());
    }
}

TEST_F(EditorTest, OpeningFillsTheGridInOneResetNotCellByCell)
{
    writeNumbered(db::CablePipe, 3000);
    int cellSignals = 0, resets = 0;
    QObject::connect(&m.MSFlexGrid1, &QAbstractItemModel::dataChanged, [&] { ++cellSignals; });
    QObject::connect(&m.MSFlexGrid1, &QAbstractItemModel::headerDataChanged, [&] { ++cellSignals; });
    QObject::connect(&m.MSFlexGrid1, &QAbstractItemModel::modelReset, [&] { ++resets; });
    m.IDM_OPENA_Click();
    EXPECT_EQ(cellSignals, 0);
    EXPECT_LE(resets, 3); // emptied, reshaped, filled
    EXPECT_EQ(cell(2000, 4), QStringLiteral("2000-4"));
}

TEST_F(EditorTest, AMissingFileOpensEmptyAndAnotherOpenDropsUnsavedEdits)
{
    m.IDM_OPENA_Click();
    EXPECT_EQ(cell(3000, 5), QString());
    EXPECT_EQ(cell(3000, 0), QStringLiteral("3000"));
    m.MSFlexGrid1.setTextMatrix(5, 2, QStringLiteral("編集"));
    m.IDM_OPENC_Click();
    m.IDM_OPENA_Click();
    EXPECT_EQ(cell(5, 2), QString());
    EXPECT_TRUE(folder.messages().isEmpty());
}

// Decisions: a load that failed part-way keeps the numbers and headings, and the
// editor refuses to save until a later open succeeds.
TEST_F(EditorTest, AFailedLoadKeepsTheHeadingsAndRefusesToSaveUntilAnOpenSucceeds)
{
    const QString path = folder.path(QStringLiteral("CABLE-PIPE.qvx"));
    ASSERT_TRUE(QDir().mkdir(path)); // exists, but cannot be read as a file
    m.IDM_OPENA_Click();
    EXPECT_EQ(folder.messages(), QStringList{kErase + QStringLiteral("IDM_OPEN")});
    EXPECT_EQ(cell(3000, 0), QStringLiteral("3000"));
    EXPECT_EQ(cell(0, 5), QStringLiteral("5　列   "));
    EXPECT_EQ(m.RETU_SUU, 5);
    EXPECT_FALSE(m.loadComplete());

    ASSERT_TRUE(QDir().rmdir(path));
    m.IDM_HOZON_Click();
    EXPECT_EQ(folder.messages().last(), QStringLiteral("データベースの読み込みが完了していないため保存できません。"));
    EXPECT_FALSE(QFile::exists(path));

    writeNumbered(db::CablePipe, 3);
    m.IDM_OPENA_Click();
    EXPECT_TRUE(m.loadComplete());
    m.IDM_HOZON_Click();
    EXPECT_EQ(folder.messages().size(), 2);
    EXPECT_EQ(QFileInfo(path).size(), 600000);
}

// A FIFO in place of a database: the load's box at once, and a save refused as well.
TEST_F(EditorTest, ADatabaseThatIsAFifoIsRefusedWithoutBlocking)
{
    test::Fifo guard(folder.path(QStringLiteral("KAHOU.qvx")));
    ASSERT_TRUE(guard.made());
    m.IDM_OPENC_Click();
    EXPECT_EQ(folder.messages(), QStringList{kErase + QStringLiteral("IDM_OPEN")});
    EXPECT_EQ(cell(300, 0), QStringLiteral("300"));
    EXPECT_FALSE(guard.fired());
}

// --- saving --------------------------------------------------------------------------

TEST_F(EditorTest, DefaultDatabasesSaveBackTheirExactBytesWithAnEditAndReopen)
{
    for (const Editor &e : kEditors) {
        SCOPED_TRACE(e.name);
        const QString path = folder.path(QLatin1String(e.shape.fileName));
        const QByteArray original = test::readBytes(QDir(test::binDir()).filePath(QLatin1String(e.shape.fileName)));
        ASSERT_FALSE(original.isEmpty()) << "default database not built";
        test::writeBytes(path, original);

        (m.*e.open)();
        const int R = e.shape.fileRows, C = e.shape.columns;
        QStringList cells;
        const CellFileReader reader(path);
        for (int n = 1; n <= R * C; ++n)
            cells << reader.readCell(n);
        m.MSFlexGrid1.setTextMatrix(R, 1, QStringLiteral("新しい値"));
        cells[(R - 1) * C] = QStringLiteral("新しい値");
        m.IDM_HOZON_Click();
        EXPECT_TRUE(folder.messages().isEmpty());
        EXPECT_EQ(test::readBytes(path), savedBytes(cells, original));

        Form8Model reopened;
        (reopened.*e.open)();
        EXPECT_EQ(reopened.MSFlexGrid1.allTexts(), m.MSFlexGrid1.allTexts());
    }
}

TEST_F(EditorTest, SaveRewritesOnlyTheTableKeepsTheTailAndCutsAndSqueezesTexts)
{
    const QString path = folder.path(QStringLiteral("CABLE-PIPE.qvx"));
    const QByteArray old = QByteArray(700000, 'x');
    test::writeBytes(path, old);
    m.IDM_OPENA_Click();
    m.MSFlexGrid1.setTextMatrix(1, 1, QStringLiteral("123456789012345678901234567890"));
    m.MSFlexGrid1.setTextMatrix(1, 2, QStringLiteral("CV 5.5-3C"));
    EXPECT_EQ(cell(1, 1).size(), 30); // shown in full until saved
    m.IDM_HOZON_Click();
    const QByteArray bytes = test::readBytes(path);
    ASSERT_EQ(bytes.size(), 700000);
    EXPECT_EQ(bytes.mid(600000), old.mid(600000));
    EXPECT_EQ(bytes.mid(80, 40), encodeCell(QString(20, QLatin1Char('x')))); // read back as its first 20 characters
    EXPECT_EQ(current(), qMakePair(1, 1));

    // The cell the user stands on stays current through a save: the next Enter
    // stores there, not back into the first cell.
    click(7, 2);
    m.IDM_HOZON_Click();
    EXPECT_EQ(current(), qMakePair(7, 2));
    const QString last = cell(3000, 5);
    m.Text1 = QStringLiteral("次の値");
    m.Text1_KeyDown(Form8Model::KeyEnter);
    EXPECT_EQ(cell(7, 2), QStringLiteral("次の値"));
    EXPECT_EQ(cell(3000, 5), last);

    m.IDM_OPENA_Click();
    EXPECT_EQ(cell(1, 1), QStringLiteral("12345678901234567890"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("CV5.5-3C"));
}

// The refusal takes the user to the first cell that cannot be saved.
TEST_F(EditorTest, ACellTheFileCannotHoldStopsTheSaveAndBecomesCurrent)
{
    const QString path = folder.path(QStringLiteral("KAHOU.qvx"));
    QByteArray bytes(120000, ' ');
    bytes[(20 - 1) * 10 * 40] = char(0xFF);       // row 20, column 1
    bytes[((7 - 1) * 10 + 3 - 1) * 40] = char(0xFF); // row 7, column 3: a stray byte reads as a replacement character
    test::writeBytes(path, bytes);
    m.IDM_OPENC_Click();
    click(2, 2);
    m.IDM_HOZON_Click();
    EXPECT_EQ(folder.messages(), QStringList{QStringLiteral("この文字はデータベースに保存できません。")});
    EXPECT_EQ(current(), qMakePair(7, 3));
    EXPECT_FALSE(m.MSFlexGrid1.hasBackColor(2, 2)); // the picked cell is left
    EXPECT_EQ(test::readBytes(path), bytes);

    m.MSFlexGrid1.setText(QStringLiteral("直した"));
    m.IDM_HOZON_Click();
    EXPECT_EQ(current(), qMakePair(20, 1));
}

TEST_F(EditorTest, ClearingTheTableThenSavingWritesEveryCellEmpty)
{
    writeNumbered(db::CableSize, 500);
    m.IDM_OPENB_Click();
    m.IDM_GRCLA_Click();
    EXPECT_EQ(cell(0, 1), QString());
    EXPECT_EQ(cell(500, 0), QString());
    EXPECT_EQ(m.MSFlexGrid1.rows(), 501);
    EXPECT_EQ(m.RETU_SUU, 25);
    m.IDM_HOZON_Click();
    EXPECT_EQ(test::readBytes(folder.path(QStringLiteral("CABLE-SIZE.qvx"))), QByteArray(500000, ' '));
}

// Decision: before any open nothing is written; a failed save names the database
// being saved and leaves its file byte for byte as it was.
TEST_F(EditorTest, SaveFailuresNameTheirDatabaseAndWriteNothing)
{
    m.IDM_HOZON_Click();
    EXPECT_EQ(folder.messages(), QStringList{QStringLiteral("データベースを開いてください。IDM_HOZON")});
    EXPECT_TRUE(QDir(folder.folder()).entryList(QDir::Files).isEmpty());

    for (const Editor &e : kEditors) {
        SCOPED_TRACE(e.name);
        writeNumbered(e.shape, 2);
        const QByteArray before = test::readBytes(folder.path(QLatin1String(e.shape.fileName)));
        (m.*e.open)();
        m.MSFlexGrid1.setTextMatrix(1, 1, QStringLiteral("変更"));
        {
            test::FullDisk disk(1000);
            m.IDM_HOZON_Click();
            EXPECT_EQ(disk.refusedSaves(), 1);
        }
        EXPECT_EQ(folder.messages().last(), QLatin1String(e.name) + QStringLiteral("ファイルの読み取り専用を解除してください。IDM_HOZON"));
        EXPECT_EQ(test::readBytes(folder.path(QLatin1String(e.shape.fileName))), before);
    }
}

// A program folder shared read-only with databases the user may write: the edit
// lands in the database file itself; a write there that fails shows the save box
// and leaves the database as it was, not with a cell cut in the middle.
TEST_F(EditorTest, AFolderThatTakesNoNewFileSavesIntoTheDatabaseItself)
{
    for (const Editor &e : kEditors) {
        SCOPED_TRACE(e.name);
        writeNumbered(e.shape, e.shape.fileRows);
        const QString path = folder.path(QLatin1String(e.shape.fileName));
        test::writeBytes(path, test::readBytes(path) + QByteArray(100, 'x')); // a tail past the table
        const QByteArray before = test::readBytes(path);
        (m.*e.open)();
        m.MSFlexGrid1.setTextMatrix(1, 1, QStringLiteral("変更"));
        const int boxes = int(folder.messages().size());
        {
            test::ClosedFolder closed;
            m.IDM_HOZON_Click();
        }
        EXPECT_EQ(folder.messages().size(), boxes);
        const QByteArray saved = test::readBytes(path);
        EXPECT_EQ(saved, QByteArray(before).replace(0, kRecordSize, encodeCell(QStringLiteral("変更"))));

        m.MSFlexGrid1.setTextMatrix(1, 1, QStringLiteral("再変更"));
        {
            test::ClosedFolder closed(test::ClosedFolder::WriteError, 3); // within the first character
            m.IDM_HOZON_Click();
            EXPECT_EQ(closed.refusedWrites(), 1);
        }
        EXPECT_EQ(folder.messages().last(), QLatin1String(e.name) + QStringLiteral("ファイルの読み取り専用を解除してください。IDM_HOZON"));
        EXPECT_EQ(test::readBytes(path), saved);
    }
}

// A full disk with no room for a second copy of the database, though the database
// fits where it stands: 上書保存 saves into the file itself, with no box. (Where the
// save would grow the file past the room, the box shows and the file stays as it
// was: SaveFailuresNameTheirDatabaseAndWriteNothing.)
TEST_F(EditorTest, ADiskWithoutRoomForACopySavesIntoTheDatabaseItself)
{
    for (const Editor &e : kEditors) {
        SCOPED_TRACE(e.name);
        writeNumbered(e.shape, e.shape.fileRows);
        const QString path = folder.path(QLatin1String(e.shape.fileName));
        const QByteArray before = test::readBytes(path);
        const auto inodeOf = [](const QString &p) {
            struct stat st{};
            ::stat(QFile::encodeName(p).constData(), &st);
            return st.st_ino;
        };
        const ino_t inode = inodeOf(path);
        (m.*e.open)();
        m.MSFlexGrid1.setTextMatrix(1, 1, QStringLiteral("変更"));
        const int boxes = int(folder.messages().size());
        {
            test::FullDisk disk(1000);
            m.IDM_HOZON_Click();
            EXPECT_EQ(disk.refusedSaves(), 1);
            EXPECT_EQ(disk.refusedInPlace(), 0);
        }
        EXPECT_EQ(folder.messages().size(), boxes);
        EXPECT_EQ(test::readBytes(path), QByteArray(before).replace(0, kRecordSize, encodeCell(QStringLiteral("変更"))));
        EXPECT_EQ(inodeOf(path), inode); // written into, not replaced
    }
}

// --- picking and storing one cell ------------------------------------------------------

TEST_F(EditorTest, AClickPicksTheCellGreysItAndAnotherClickTakesTheGreyAlong)
{
    writeNumbered(db::CablePipe, 10);
    m.IDM_OPENA_Click();
    m.Text1 = QStringLiteral("打ちかけ");
    click(5, 3);
    EXPECT_EQ(m.Text1, QStringLiteral("5-3"));
    EXPECT_EQ(m.SENTAKU_GYOU, 5);
    EXPECT_EQ(m.SENTAKU_RETU, 3);
    EXPECT_EQ(m.Label5, QStringLiteral("列は 3  行は 5"));
    EXPECT_EQ(m.focusRequest, QStringLiteral("Text1"));
    EXPECT_EQ(m.MSFlexGrid1.backColor(5, 3), Form8Model::PickedCellColor);

    click(20, 4); // an empty cell keeps Text1
    EXPECT_EQ(m.Text1, QStringLiteral("5-3"));
    EXPECT_FALSE(m.MSFlexGrid1.hasBackColor(5, 3));
    EXPECT_TRUE(m.MSFlexGrid1.hasBackColor(20, 4));

    click(0, 2); // the headings are not picked
    EXPECT_EQ(m.SENTAKU_GYOU, 20);
    EXPECT_EQ(m.Label5, QStringLiteral("列は 4  行は 20"));
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(EditorTest, StoreWritesTheCurrentCellAndReturnsToThePickedOne)
{
    m.IDM_OPENC_Click();
    click(7, 2);
    m.Text1 = QStringLiteral("居室");
    m.Command1_Click();
    EXPECT_EQ(cell(7, 2), QStringLiteral("居室"));
    EXPECT_EQ(m.Text1, QString());
    EXPECT_EQ(current(), qMakePair(7, 2));
    EXPECT_FALSE(m.MSFlexGrid1.hasBackColor(7, 2));

    // A block command leaves the current cell where the user stands: 登録 writes there.
    setBoxes(QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("3"));
    m.Command6_Click();
    m.Text1 = QStringLiteral("廊下");
    m.Command1_Click();
    EXPECT_EQ(cell(7, 2), QStringLiteral("廊下"));
    EXPECT_EQ(current(), qMakePair(7, 2));

    // 連続登録 into the row numbers leaves no cell for 登録 to go back to: the
    // current cell stays a data cell.
    m.Text1 = QStringLiteral("x");
    setBoxes(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"));
    m.Command4_Click();
    m.Text1 = QStringLiteral("階段");
    m.Command1_Click();
    EXPECT_EQ(cell(7, 2), QStringLiteral("階段"));
    EXPECT_EQ(current(), qMakePair(7, 2));
}

TEST_F(EditorTest, EnterStoresAndStaysSoASecondEnterOverwritesTheSameCell)
{
    m.IDM_OPENB_Click();
    m.Text1 = QStringLiteral("A");
    m.Text1_KeyDown(Form8Model::KeyEnter); // right after the open: the first cell
    EXPECT_EQ(cell(1, 1), QStringLiteral("A"));

    click(3, 4);
    m.Text1 = QStringLiteral("B");
    m.Text1_KeyDown(Form8Model::KeyEnter);
    m.Text1 = QStringLiteral("C");
    m.Text1_KeyDown(Form8Model::KeyEnter);
    EXPECT_EQ(cell(3, 4), QStringLiteral("C"));
    EXPECT_EQ(m.Text1, QString());
    EXPECT_EQ(m.MSFlexGrid1.backColor(3, 4), Form8Model::PickedCellColor);

    m.Text1 = QStringLiteral("D");
    m.Text1_KeyDown(65); // other keys pass
    EXPECT_EQ(m.Text1, QStringLiteral("D"));
    EXPECT_EQ(cell(3, 4), QStringLiteral("C"));
}

// Decision: a remembered cell outside the grid (another database opened since) is skipped without a box.
TEST_F(EditorTest, StoreWithTheRememberedCellOutsideTheGridWritesTheCurrentCellOnly)
{
    m.IDM_OPENA_Click();
    click(2000, 5);
    m.IDM_OPENC_Click();
    m.Text1 = QStringLiteral("値");
    m.Command1_Click();
    EXPECT_EQ(cell(1, 1), QStringLiteral("値"));
    EXPECT_EQ(current(), qMakePair(1, 1));
    EXPECT_EQ(m.Text1, QString());
    EXPECT_TRUE(folder.messages().isEmpty());
}

// Decision: a text code page 932 cannot hold is refused where it enters the grid.
TEST_F(EditorTest, TextsTheFileCannotHoldAreRefusedWhenStored)
{
    const QString refused = QStringLiteral("この文字はデータベースに保存できません。");
    m.IDM_OPENC_Click();
    click(4, 4);
    const QString text = QStringLiteral("한국어");
    m.Text1 = text;
    m.Command1_Click();
    m.Text1_KeyDown(Form8Model::KeyEnter);
    setBoxes(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2"));
    m.Command4_Click();
    EXPECT_EQ(folder.messages(), QStringList({refused, refused, refused}));
    EXPECT_EQ(cell(4, 4), QString());
    EXPECT_EQ(cell(1, 2), QString());
    EXPECT_EQ(m.Text1, text);
}

TEST_F(EditorTest, ClearingTheInputBoxesKeepsTheCopyDestination)
{
    m.Text1 = QStringLiteral("a");
    setBoxes(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"));
    m.IDM_INCLIA_Click();
    EXPECT_EQ(QStringList({m.Text1, m.Text2, m.Text3, m.Text4, m.Text5}), QStringList({{}, {}, {}, {}, QStringLiteral("4")}));
}

// --- block commands --------------------------------------------------------------------

TEST_F(EditorTest, EraseRowsReadsStrictlyAndStopsAtTheEndOfTheTable)
{
    writeNumbered(db::CablePipe, 3000);
    m.IDM_OPENA_Click();

    setBoxes(QStringLiteral("4"), QStringLiteral("5"));
    m.Command2_Click();
    EXPECT_EQ(cell(4, 1), QString());
    EXPECT_EQ(cell(5, 5), QString());
    EXPECT_EQ(cell(6, 1), QStringLiteral("6-1"));
    EXPECT_EQ(current(), qMakePair(1, 1)); // where the user stands
    EXPECT_EQ(m.focusRequest, QStringLiteral("Text1"));

    setBoxes(QString(), QStringLiteral("9"));
    m.Command2_Click();
    EXPECT_EQ(cell(9, 1), QStringLiteral("9-1"));

    setBoxes(QStringLiteral("2990"), QStringLiteral("3005"));
    m.Command2_Click();
    EXPECT_EQ(cell(2990, 1), QString());
    EXPECT_EQ(cell(3000, 5), QString());
    EXPECT_EQ(cell(2989, 5), QStringLiteral("2989-5"));
    EXPECT_EQ(folder.messages(), QStringList({kErase + QStringLiteral("Command2"), kErase + QStringLiteral("Command2")}));

    setBoxes(QStringLiteral("0"), QStringLiteral("0"));
    m.Command2_Click(); // the headings are a row like any other
    EXPECT_EQ(cell(0, 3), QString());
}

// Decision: deleted rows are erased in place; the rows below keep their row numbers.
TEST_F(EditorTest, DeleteRowsReadsLenientlyAndDoesNotCloseUp)
{
    writeNumbered(db::Kahou, 300);
    m.IDM_OPENC_Click();
    setBoxes(QStringLiteral("10行"), QStringLiteral("１１"));
    m.Command3_Click();
    EXPECT_EQ(cell(10, 1), QString());
    EXPECT_EQ(cell(11, 10), QString());
    EXPECT_EQ(cell(12, 1), QStringLiteral("12-1"));
    EXPECT_EQ(cell(9, 1), QStringLiteral("9-1"));

    setBoxes(QStringLiteral("1"), QString()); // the end row reads 0: nothing
    m.Command3_Click();
    EXPECT_EQ(cell(1, 1), QStringLiteral("1-1"));

    setBoxes(QStringLiteral("40000"), QStringLiteral("1"));
    m.Command3_Click();
    EXPECT_EQ(folder.messages(), QStringList{kErase + QStringLiteral("Command3")});
}

TEST_F(EditorTest, FillChecksItsBoxesInOrderThenFillsTheColumnAndRemembersIt)
{
    m.IDM_OPENC_Click();
    struct Case { QString t1, t2, t3, t4; const char *message; const char *focus; };
    const Case cases[] = {
        {{}, {}, {}, {}, "登録する文字又は数値を入力してください。", "Text1"},
        {QStringLiteral("x"), {}, QStringLiteral("2"), QStringLiteral("3"), "連続登録する開始行番号を入力してください。", "Text2"},
        {QStringLiteral("x"), QStringLiteral("1"), {}, {}, "連続登録する終了行番号を入力してください。", "Text3"},
        {QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("2"), {}, "連続登録する列番号を入力してください。", "Text4"},
    };
    for (const Case &c : cases) {
        m.Text1 = c.t1;
        setBoxes(c.t2, c.t3, c.t4);
        m.Command4_Click();
        EXPECT_EQ(folder.messages().last(), QString::fromUtf8(c.message));
        EXPECT_EQ(m.focusRequest, QLatin1String(c.focus));
    }
    EXPECT_EQ(folder.messages().size(), 4);
    EXPECT_EQ(cell(1, 3), QString());

    m.Text1 = QStringLiteral(" 耐火 ");
    setBoxes(QStringLiteral("5"), QStringLiteral("8"), QStringLiteral("9"));
    m.Command4_Click();
    for (int r = 5; r <= 8; ++r)
        EXPECT_EQ(cell(r, 9), QStringLiteral(" 耐火 ")) << r;
    EXPECT_EQ(cell(9, 9), QString());
    EXPECT_EQ(m.Text1, QStringLiteral(" 耐火 "));
    EXPECT_EQ(m.SENTAKU_RETU, 9);

    m.Text1 = QStringLiteral(" "); // blanks are not empty
    setBoxes(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("12"));
    m.Command4_Click();
    EXPECT_EQ(folder.messages().last(), kErase + QStringLiteral("Command4"));
    EXPECT_EQ(m.SENTAKU_RETU, 12);
}

TEST_F(EditorTest, MoveRowsUpAndDownOverwritesTheTargetsAndEmptiesWhatIsLeft)
{
    struct Case { const char *n; QStringList rows3to9; };
    const Case cases[] = {
        {"-2", {"5", "6", "7", {}, {}, "8", "9"}},
        {"－２", {"5", "6", "7", {}, {}, "8", "9"}}, // typed as the editor's help text says
        {"2", {"3", "4", {}, {}, "5", "6", "7"}},
        {"", {"3", "4", "5", "6", "7", "8", "9"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.n);
        QStringList cells;
        for (int r = 1; r <= 300; ++r)
            for (int col = 1; col <= 10; ++col)
                cells << (col == 1 ? QString::number(r) : QStringLiteral("%1-%2").arg(r).arg(col));
        writeRecords(folder.path(QStringLiteral("KAHOU.qvx")), cells);
        m.IDM_OPENC_Click();
        setBoxes(QStringLiteral("5"), QStringLiteral("7"), QString::fromUtf8(c.n));
        m.Command5_Click();
        QStringList got;
        for (int r = 3; r <= 9; ++r)
            got << cell(r, 1);
        EXPECT_EQ(got, c.rows3to9);
        EXPECT_EQ(cell(5, 10), c.rows3to9[2].isEmpty() ? QString() : c.rows3to9[2] + QStringLiteral("-10"));
    }
    EXPECT_TRUE(folder.messages().isEmpty());
}

// Decision: a move whose rows leave 1..R is refused before any cell changes.
TEST_F(EditorTest, MoveRowsOutsideTheTableIsRefusedWholeAndWithoutADatabaseDoesNothing)
{
    setBoxes(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("-1"));
    m.MSFlexGrid1.setTextMatrix(1, 1, QStringLiteral("x"));
    m.Command5_Click(); // nothing open: no columns to move
    EXPECT_EQ(cell(1, 1), QStringLiteral("x"));
    EXPECT_EQ(cell(0, 1), QString());

    writeNumbered(db::CablePipe, 3000);
    m.IDM_OPENA_Click();
    const QVector<QString> before = m.MSFlexGrid1.allTexts();
    const QStringList refusedMoves[] = {{"1", "3", "-1"}, {"2998", "3000", "1"}, {"0", "2", "1"}, {"5", "3001", "-1"}};
    for (const QStringList &boxes : refusedMoves) {
        setBoxes(boxes[0], boxes[1], boxes[2]);
        m.Command5_Click();
        EXPECT_EQ(folder.messages().last(), kErase + QStringLiteral("Command5")) << boxes.join(',').toStdString();
        EXPECT_EQ(m.MSFlexGrid1.allTexts(), before) << boxes.join(',').toStdString();
    }
    EXPECT_EQ(folder.messages().size(), 4);

    setBoxes(QStringLiteral("2999"), QStringLiteral("2999"), QStringLiteral("1"));
    m.Command5_Click();
    EXPECT_EQ(cell(3000, 1), QStringLiteral("2999-1"));
}

TEST_F(EditorTest, EraseColumnAndCopyColumnWorkOnOneColumnOfTheRange)
{
    writeNumbered(db::CablePipe, 500);
    m.IDM_OPENA_Click();

    setBoxes(QStringLiteral("301"), QStringLiteral("400"), QStringLiteral("5"), QStringLiteral("2"));
    m.Command7_Click();
    EXPECT_EQ(cell(301, 2), QStringLiteral("301-5"));
    EXPECT_EQ(cell(400, 2), QStringLiteral("400-5"));
    EXPECT_EQ(cell(401, 2), QStringLiteral("401-2"));
    EXPECT_EQ(cell(400, 5), QStringLiteral("400-5"));

    setBoxes(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"), QString());
    m.Command7_Click();
    EXPECT_EQ(folder.messages(), QStringList{kErase + QStringLiteral("Command7")});
    EXPECT_EQ(cell(1, 5), QStringLiteral("1-5"));
    setBoxes(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("5"), QString());
    m.Command7_Click(); // no row to copy: the empty destination is never read
    EXPECT_EQ(folder.messages().size(), 1);

    setBoxes(QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("3"));
    m.Command6_Click();
    EXPECT_EQ(cell(10, 3), QString());
    EXPECT_EQ(cell(12, 3), QString());
    EXPECT_EQ(cell(12, 2), QStringLiteral("12-2"));
    setBoxes(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("0"));
    m.Command6_Click(); // the row numbers are a column like any other
    EXPECT_EQ(cell(2, 0), QString());
    setBoxes(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("6"));
    m.Command6_Click();
    EXPECT_EQ(folder.messages().last(), kErase + QStringLiteral("Command6"));
}

TEST_F(EditorTest, BeforeAnyOpenTheRowCommandsChangeNothingAndTheColumnCommandsUseTheEmptyGrid)
{
    EXPECT_EQ(m.MSFlexGrid1.rows(), 501);
    EXPECT_EQ(m.MSFlexGrid1.cols(), 26);
    m.MSFlexGrid1.setTextMatrix(2, 1, QStringLiteral("残る"));
    setBoxes(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("1"));
    m.Command2_Click();
    m.Command3_Click();
    m.Command5_Click();
    EXPECT_EQ(cell(2, 1), QStringLiteral("残る"));
    EXPECT_EQ(cell(3, 1), QString());

    m.Text1 = QStringLiteral("仮");
    setBoxes(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("25"), QStringLiteral("24"));
    m.Command4_Click();
    m.Command7_Click();
    EXPECT_EQ(cell(2, 24), QStringLiteral("仮"));
    m.Command6_Click();
    EXPECT_EQ(cell(2, 25), QString());
    EXPECT_TRUE(folder.messages().isEmpty());
}
