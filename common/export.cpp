#include "export.h"

#include "dialogs.h"
#include "failure.h"
#include "numtext.h"
#include "sizelimit.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

namespace kb {

namespace {

constexpr lxw_color_t kHeadingRed = 0xFF0000;
constexpr lxw_color_t kDataBlue = 0x0000FF;
constexpr double kDefaultWidth = LXW_DEF_COL_WIDTH;

struct WorkbookCloser
{
    void operator()(lxw_workbook *wb) const { workbook_close(wb); }
};

void check(lxw_error e)
{
    if (e != LXW_NO_ERROR)
        throw Failure(QString::fromUtf8(lxw_strerror(e)));
}

// The workbook's cell formats, one per colour and number format, made on first use.
class Formats
{
public:
    explicit Formats(lxw_workbook *wb) : m_wb(wb) {}

    lxw_format *get(lxw_color_t color, const QString &numberFormat = {})
    {
        lxw_format *&made = m_made[{color, numberFormat}];
        if (!made) {
            made = workbook_add_format(m_wb);
            if (!made)
                throw Failure(QStringLiteral("no format"));
            format_set_font_color(made, color);
            if (!numberFormat.isEmpty())
                format_set_num_format(made, numberFormat.toLatin1().constData());
        }
        return made;
    }

private:
    lxw_workbook *m_wb;
    std::map<std::pair<lxw_color_t, QString>, lxw_format *> m_made;
};

// Writes one cell: a number text as a number showing the text's decimals, any
// other text as a string, an empty text as a coloured blank.
void writeCell(lxw_worksheet *ws, Formats &formats, lxw_color_t color, int sheetRow, int column, const QString &text)
{
    const lxw_row_t r = lxw_row_t(sheetRow - 1);
    const lxw_col_t c = lxw_col_t(column - 1);
    if (text.isEmpty())
        check(worksheet_write_blank(ws, r, c, formats.get(color)));
    else if (isNumberText(text))
        check(worksheet_write_number(ws, r, c, text.toDouble(), formats.get(color, numberFormatOf(text))));
    else
        check(worksheet_write_string(ws, r, c, text.toUtf8().constData(), formats.get(color)));
}

// The width in character units that shows the text: wide (full-width) characters count two.
double fitWidth(const QString &text)
{
    double units = 0;
    for (const char32_t ch : text.toUcs4()) {
        const bool halfWidthKana = ch >= 0xFF61 && ch <= 0xFF9F;
        units += (ch >= 0x1100 && !halfWidthKana) ? 2 : 1;
    }
    return units + 1;
}

void writeHeadings(lxw_worksheet *ws, Formats &formats, const GridModel &grid, const ExportLayout &layout)
{
    for (int i = 0; i < layout.headingRows; ++i)
        for (int c = 1; c <= layout.headingColumns; ++c) {
            const QString text = grid.textMatrix(i, c);
            writeCell(ws, formats, kHeadingRed, i + 1, c, text);
            if (layout.autoFit && !text.isEmpty())
                check(worksheet_set_column(ws, lxw_col_t(c - 1), lxw_col_t(c - 1), std::max(kDefaultWidth, fitWidth(text)), nullptr));
        }
}

// Every row down to the grid's last: a result far down the grid is as much the user's as the first.
void writeData(lxw_worksheet *ws, Formats &formats, const GridModel &grid, const ExportLayout &layout)
{
    for (int g = layout.firstGridRow; g < grid.rows(); ++g) {
        if (grid.textMatrix(g, layout.skipColumn).isEmpty())
            continue;
        const int sheetRow = layout.firstSheetRow + g - layout.firstGridRow;
        for (int c = 1; c <= layout.dataColumns; ++c)
            writeCell(ws, formats, kDataBlue, sheetRow, c, trimBlanks(grid.textMatrix(g, c)));
    }
}

void fillWorkbook(lxw_workbook *wb, const GridModel &grid, const ExportLayout &layout)
{
    lxw_worksheet *ws = workbook_add_worksheet(wb, "Sheet1");
    if (!ws)
        throw Failure(QStringLiteral("no sheet"));
    Formats formats(wb);

    if (layout.headingTag) {
        try {
            writeHeadings(ws, formats, grid, layout);
        } catch (...) {
            errorBox(QString::fromLatin1(layout.headingTag));
        }
    } else {
        writeHeadings(ws, formats, grid, layout);
    }
    writeData(ws, formats, grid, layout);
}

} // namespace

bool isNumberText(const QString &text)
{
    // A zero starts the whole part only when it is the whole part: "0.5", not "00.5" or "0012".
    static const QRegularExpression number(QStringLiteral("^[+-]?((0|[1-9][0-9]*)(\\.[0-9]*)?|\\.[0-9]+)$"));
    return number.match(text).hasMatch();
}

QString numberFormatOf(const QString &decimalText)
{
    const qsizetype point = decimalText.indexOf(QLatin1Char('.'));
    const QStringView whole = QStringView(decimalText).left(point < 0 ? decimalText.size() : point);
    const bool hasWholeDigits = std::any_of(whole.begin(), whole.end(), [](QChar ch) { return ch.isDigit(); });
    QString format = hasWholeDigits ? QStringLiteral("0") : QStringLiteral("#");
    if (point >= 0)
        format += QLatin1Char('.') + QString(decimalText.size() - point - 1, QLatin1Char('0'));
    return format;
}

QString workbookFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)).filePath(QStringLiteral("kembrel"));
}

int removeOldWorkbooks(const QString &folder, const QDateTime &now)
{
    const QDateTime limit = now.addDays(-7);
    int removed = 0;
    QDirIterator it(folder, {QStringLiteral("*.xlsx")}, QDir::Files);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.lastModified() < limit && QFile::remove(info.filePath()))
            ++removed;
    }
    return removed;
}

QString writeWorkbook(const GridModel &grid, const ExportLayout &layout)
{
    const QString folder = workbookFolder();
    if (!QDir().mkpath(folder))
        throw Failure(QStringLiteral("no folder for workbooks"));
    // The time in the name sorts the workbooks and tells the user which export is which.
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QTemporaryFile file(QDir(folder).filePath(QStringLiteral("kembrel-%1-XXXXXX.xlsx").arg(stamp)));
    file.setAutoRemove(false);
    if (!file.open())
        throw Failure(QStringLiteral("no temporary file"));
    const QString path = file.fileName();
    file.close();

    // The library reports a failed write of the workbook, but not one of the temporary
    // files it assembles it from: one cut at the size limit is seen by the count.
    const int limitHits = writesPastTheSizeLimit();
    std::unique_ptr<lxw_workbook, WorkbookCloser> wb(workbook_new(QFile::encodeName(path).constData()));
    try {
        if (!wb)
            throw Failure(QStringLiteral("no workbook"));
        fillWorkbook(wb.get(), grid, layout);
        check(workbook_close(wb.release()));
        if (writesPastTheSizeLimit() != limitHits)
            throw Failure(QStringLiteral("workbook past the file-size limit"));
    } catch (...) {
        wb.reset();
        QFile::remove(path); // no half-written workbook is left behind
        throw;
    }
    return path;
}

bool exportGrid(const GridModel &grid, const ExportLayout &layout)
{
    QString path;
    try {
        path = writeWorkbook(grid, layout);
    } catch (...) {
        errorBox(QStringLiteral("IDM_EXLSAVE"));
        return false;
    }
    bool opened = false;
    try {
        opened = dialogs().openDocument(path);
    } catch (...) {
    }
    if (opened)
        return true;
    // Written, but no program opened it: the path lets the user open it by hand.
    message(errorText(QStringLiteral("IDM_EXLSAVE")) + QLatin1Char('\n') + QDir::toNativeSeparators(path));
    return false;
}

} // namespace kb
