#pragma once

// The result file of a calculator's result grid: 100 rows × C columns of cell
// records (row-number column 0 and heading row 0 are never stored), record
// (r − 1) × C + c for grid cell (r, c). A row whose stop column is empty holds
// no result. Nothing in the file says which window wrote it.

#include "gridmodel.h"

#include <QString>

class QObject;

namespace kb {

struct ResultFileLayout
{
    int columns;       // C: grid columns 1..C are stored
    int stopColumn;    // S: a row whose column S reads empty holds no result
    bool qvxDialog = true; // the dialog offers "データファイル(*.qvx)" and appends ".qvx" to a bare name
};

// The layouts of the calculators that keep their grids in result files.
namespace resultlayout {
inline constexpr ResultFileLayout VoltageDrop{20, 2};   // Form9, Form3, Form14, Form15
inline constexpr ResultFileLayout Unbalanced{20, 11};   // Form16
inline constexpr ResultFileLayout Motor{25, 2, false};  // Form7: a dialog without filter or extension
inline constexpr ResultFileLayout Package{14, 2};       // Form11
inline constexpr ResultFileLayout MercuryLamp{25, 2};   // Form12
inline constexpr ResultFileLayout FireAlarm{15, 2};     // Frm1, Frm2, Frm3, Form4
} // namespace resultlayout

class ResultFile
{
public:
    static constexpr int Rows = 100;

    explicit ResultFile(const ResultFileLayout &layout) : m_layout(layout) {}
    const ResultFileLayout &layout() const { return m_layout; }

    // Writes rows 1..100, columns 1..C of the grid (empty cells too, each cut to
    // 20 characters) atomically; records past 100 × C keep their old bytes.
    // Throws Failure (UnencodableText before anything is written).
    void write(const QString &path, const GridModel &grid) const;

    // Reads every row 1..100 of the file into the grid: a row whose stop column
    // is empty is skipped and keeps what the grid held; any other row gets its
    // number in column 0 and columns 1..C from the file. A missing file holds no
    // rows. The grid is not cleared first. Throws Failure with the rows read so
    // far kept.
    void read(const QString &path, GridModel &grid) const;

    // The file menu's 保存 and 開く: the file dialog, then write or read. On
    // success the status line gets the command's text; a cancelled dialog or a
    // failure shows "中止しました。IDM_DSAVE" / "中止しました。IDM_DOPEN".
    // A file that opens makes cell (1, 1) current, so the view shows the top.
    // Returns true on success.
    bool IDM_DSAVE_Click(QObject *window, const GridModel &grid, QString &statusLine) const;
    bool IDM_DOPEN_Click(QObject *window, GridModel &grid, QString &statusLine) const;

    static const QString SavedText;  // "計算結果データ－を保存しました。"
    static const QString OpenedText; // "ファイルより結果データ－を読み込みました。"

private:
    QString askFile(QObject *window, const QString &title, bool forSaving) const;

    ResultFileLayout m_layout;
};

} // namespace kb
