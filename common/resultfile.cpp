#include "resultfile.h"

#include "cellfile.h"
#include "dialogs.h"
#include "numtext.h"

#include <QFileInfo>
#include <QStringList>

namespace kb {

const QString ResultFile::SavedText = QStringLiteral("計算結果データ－を保存しました。");
const QString ResultFile::OpenedText = QStringLiteral("ファイルより結果データ－を読み込みました。");

void ResultFile::write(const QString &path, const GridModel &grid) const
{
    QStringList cells;
    cells.reserve(Rows * m_layout.columns);
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= m_layout.columns; ++c)
            cells << grid.textMatrix(r, c);
    writeRecords(path, cells);
}

namespace {

void readRows(const CellFileReader &file, const ResultFileLayout &layout, GridModel &grid)
{
    const int C = layout.columns;
    for (int r = 1; r <= ResultFile::Rows; ++r) {
        const qint64 first = qint64(r - 1) * C + 1;
        // A gap row is skipped, not the end: rows after it are still read.
        if (file.readCell(first + layout.stopColumn - 1).isEmpty())
            continue;
        grid.setTextMatrix(r, 0, Str(r));
        for (int c = 1; c <= C; ++c)
            grid.setTextMatrix(r, c, file.readCell(first + c - 1));
    }
}

} // namespace

void ResultFile::read(const QString &path, GridModel &grid) const
{
    readRows(CellFileReader(path), m_layout, grid);
}

QString ResultFile::askFile(QObject *window, const QString &title, bool forSaving) const
{
    const QString filter = m_layout.qvxDialog ? QStringLiteral("データファイル(*.qvx)|*.qvx") : QString();
    return chooseFile(window, title, filter, forSaving, m_layout.qvxDialog ? QStringLiteral("qvx") : QString());
}

bool ResultFile::IDM_DSAVE_Click(QObject *window, const GridModel &grid, QString &statusLine) const
{
    try {
        const QString path = askFile(window, QStringLiteral("ファイルを保存する。"), true);
        if (path.isEmpty())
            throw Failure(QStringLiteral("cancelled"));
        write(path, grid);
        statusLine = SavedText;
        return true;
    } catch (...) {
        message(QStringLiteral("中止しました。IDM_DSAVE"));
        return false;
    }
}

bool ResultFile::IDM_DOPEN_Click(QObject *window, GridModel &grid, QString &statusLine) const
{
    try {
        const QString path = askFile(window, QStringLiteral("ファイルを開く"), false);
        if (path.isEmpty())
            throw Failure(QStringLiteral("cancelled"));
        const CellFileReader file(path); // an unreadable file fails before the status line changes
        statusLine = OpenedText;
        // The view goes to the top of the rows read, a read that stops part-way included.
        grid.setRow(1);
        grid.setCol(1);
        readRows(file, m_layout, grid);
        statusLine = OpenedText;
        return true;
    } catch (...) {
        message(QStringLiteral("中止しました。IDM_DOPEN"));
        return false;
    }
}

} // namespace kb
