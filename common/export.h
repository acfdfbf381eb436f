#pragma once

// The spreadsheet export of a result grid: the headings and every result row
// written into "Sheet1" of a new workbook in the program's own folder of the
// user's cache folder, which is then opened with the desktop's spreadsheet program
// and left to the user. Headings are red and their columns fitted to them, data
// blue; a text that is wholly a decimal number goes in as a number whose format
// shows as many decimals as the text ("2.0" stays 2.0), unless a number would
// drop its leading zeros (the code "0012" stays a text). Grid column c is sheet
// column c.

#include "gridmodel.h"

#include <QDateTime>
#include <QString>

namespace kb {

struct ExportLayout
{
    int headingRows;      // sheet rows 1..n take grid rows 0..n − 1
    int headingColumns;   // columns 1..n
    bool autoFit;         // each heading's column fitted to the heading
    int firstSheetRow;    // sheet row firstSheetRow + i takes grid row firstGridRow + i,
    int firstGridRow;     //   down to the grid's last row
    int dataColumns;      // columns 1..n, every one written, an empty cell as an empty cell
    int skipColumn;       // a row whose grid column skipColumn is empty is left out whole
    const char *headingTag = nullptr; // a heading step with its own error box (EXLNO_KOUMOKU); none: the command's
};

// The layouts of the exporting calculators.
namespace exportlayout {
inline constexpr ExportLayout VoltageDrop{1, 20, true, 2, 1, 20, 2};  // Form9, Form3, Form14, Form15
inline constexpr ExportLayout Unbalanced{1, 20, true, 2, 1, 20, 11}; // Form16
// Grid row 1 is the motor window's first result row, not a heading: it goes out in blue
// on sheet row 2 like every row below it.
inline constexpr ExportLayout Motor{1, 25, false, 2, 1, 25, 3, "EXLNO_KOUMOKU"};
// Column 14 is the grid's never-written spare; earth (12) and bond (13) go out with the rest.
inline constexpr ExportLayout Package{1, 13, true, 2, 1, 13, 1, "EXLNO_KOUMOKU"};
inline constexpr ExportLayout MercuryLamp{1, 25, true, 2, 1, 25, 7, "EXLNO_KOUMOKU"};
// A heat analog detector has no class (column 8) and a refused room no coverage or count:
// their later columns still go out.
inline constexpr ExportLayout FireAlarm{1, 15, true, 2, 1, 15, 1, "EXLNO_KOUMOKU"}; // Frm1, Frm2, Frm3, Form4
} // namespace exportlayout

// The program's own folder of exported workbooks: "kembrel" in the user's cache folder.
QString workbookFolder();

// Removes the workbooks (*.xlsx) of the folder last changed more than seven days
// before `now`; the start of the program calls it. Returns how many went.
int removeOldWorkbooks(const QString &folder = workbookFolder(), const QDateTime &now = QDateTime::currentDateTime());

// Writes the workbook into a new file of workbookFolder() and returns its path.
// Throws Failure (the heading step's own failure, where the layout names a tag,
// is shown with that tag and the export goes on).
QString writeWorkbook(const GridModel &grid, const ExportLayout &layout);

// The export command without the window's busy state: writes the workbook and
// opens it. A failure to write shows "エラーが発生しました。IDM_EXLSAVE"; a workbook
// written that no program opened shows the same text with a second line naming
// its path, so the user can open it. True on success.
bool exportGrid(const GridModel &grid, const ExportLayout &layout);

// Whether a cell text goes out as a number: wholly a decimal number ("12", "-0.5",
// "3.05", ".5") with no zero before another digit of its whole part, which a
// number cell would not show ("0012", "00.5" go out as texts).
bool isNumberText(const QString &text);

// The number format that shows such a number with the text's own digits after the
// point: "0" for "4", "0.0" for "2.0", "0.00" for "3.50", "#.0" for ".5".
QString numberFormatOf(const QString &decimalText);

} // namespace kb
