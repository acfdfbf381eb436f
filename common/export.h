#pragma once

// The spreadsheet export of a result grid: the headings and the first result
// rows written into "Sheet1" of a new workbook in the temporary folder, which is
// then opened with the desktop's spreadsheet program and left to the user.
// Headings are red and their columns fitted to them, data blue; a text that is
// wholly a decimal number goes in as a number. Grid column c is sheet column c.

#include "gridmodel.h"

#include <QString>

namespace kb {

struct ExportLayout
{
    enum class Skip {
        RowWhenEmpty,  // the whole row when its grid column skipColumn is empty
        RestWhenEmpty, // the rest of the row from its first empty cell
    };

    int headingRows;      // sheet rows 1..n take grid rows 0..n − 1
    int headingColumns;   // columns 1..n
    bool autoFit;         // each heading's column fitted to the heading
    int firstSheetRow;    // the data loop: sheet row firstSheetRow + i
    int firstGridRow;     //   takes grid row firstGridRow + i,
    int dataRows;         //   i = 0 .. dataRows − 1
    int dataColumns;      // columns 1..n
    Skip skip;
    int skipColumn;       // for RowWhenEmpty
    const char *headingTag = nullptr; // a heading step with its own error box (EXLNO_KOUMOKU); none: the command's
};

// The layouts of the exporting calculators.
namespace exportlayout {
inline constexpr ExportLayout VoltageDrop{1, 20, true, 2, 1, 29, 20, ExportLayout::Skip::RowWhenEmpty, 2};  // Form9, Form3, Form14, Form15
inline constexpr ExportLayout Unbalanced{1, 20, true, 2, 1, 29, 20, ExportLayout::Skip::RowWhenEmpty, 11}; // Form16
inline constexpr ExportLayout Motor{2, 25, false, 3, 2, 30, 25, ExportLayout::Skip::RowWhenEmpty, 3, "EXLNO_KOUMOKU"};
inline constexpr ExportLayout Package{1, 12, true, 2, 1, 30, 11, ExportLayout::Skip::RowWhenEmpty, 1, "EXLNO_KOUMOKU"};
inline constexpr ExportLayout MercuryLamp{1, 25, true, 2, 1, 30, 25, ExportLayout::Skip::RowWhenEmpty, 7, "EXLNO_KOUMOKU"};
inline constexpr ExportLayout FireAlarm{1, 15, true, 2, 1, 30, 15, ExportLayout::Skip::RestWhenEmpty, 0, "EXLNO_KOUMOKU"};
} // namespace exportlayout

// Writes the workbook into a new file of the temporary folder and returns its
// path. Throws Failure (the heading step's own failure, where the layout names
// a tag, is shown with that tag and the export goes on).
QString writeWorkbook(const GridModel &grid, const ExportLayout &layout);

// The export command without the window's busy state: writes the workbook and
// opens it; any failure shows "エラーが発生しました。IDM_EXLSAVE". True on success.
bool exportGrid(const GridModel &grid, const ExportLayout &layout);

// The number a cell text stands for when it is wholly a decimal number ("12", "-0.5", "3.05").
bool isDecimalNumber(const QString &text);

} // namespace kb
