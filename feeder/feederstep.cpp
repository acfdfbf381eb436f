#include "feederstep.h"

#include "dialogs.h"
#include "failure.h"
#include "numtext.h"

namespace kb::feeder {

void endWith(const QString &text)
{
    message(text);
    throw EndClick{};
}

void showErrorBox(const QString &tag)
{
    errorBox(tag);
}

int dataRow(const QString &dataNo, const GridModel &grid)
{
    const int row = CInt(CDbl(dataNo));
    if (row < 1 || row >= grid.rows())
        throw Failure(QStringLiteral("data number outside the result rows"));
    return row;
}

bool trappedStep(const QString &tag, const std::function<void()> &f)
{
    return trapped(tag, f);
}

EditedBoxes editedBoxes(const QStringList &now, const QStringList &last)
{
    EditedBoxes e;
    for (int i = 0; i < now.size(); ++i)
        if (!sameText(now[i], last.value(i))) {
            e.index = i;
            ++e.count;
        }
    return e;
}

void numberRows(GridModel &grid, int last)
{
    for (int r = 1; r <= last; ++r)
        grid.setTextMatrix(r, 0, Str(r));
}

void writeHeadings(GridModel &grid, const QStringList &headings, int first)
{
    for (int i = 0; i < headings.size(); ++i)
        grid.setTextMatrix(0, first + i, headings.at(i));
}

void resetGrid(GridModel &grid, const QStringList &headings, int first)
{
    grid.clear();
    numberRows(grid, 100);
    writeHeadings(grid, headings, first);
}

QString GridRowReader::trimmed(int c) const
{
    return trimBlanks(cell(c));
}

QString GridRowReader::number(int c) const
{
    return numberShown(cell(c));
}

std::optional<double> editedTenthsOfDrop(const QString &typed, bool rate, const QString &voltage)
{
    const std::optional<double> figure = tryReadNumber(typed);
    if (!figure)
        return std::nullopt;
    try {
        const double tenths = rate ? CInt(CInt(*figure * (Val(voltage) / 100)) * 10) : *figure * 10;
        return tenths == 0 ? std::nullopt : std::optional<double>(tenths);
    } catch (const Overflow &) {
        return std::nullopt;
    }
}

} // namespace kb::feeder
