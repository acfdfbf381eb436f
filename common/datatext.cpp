#include "datatext.h"

#include <QStringList>

namespace kb {

QVector<DataTextCell> parseDataText(const QString &text, int rows, int columns)
{
    QVector<DataTextCell> cells;
    int row = 1;
    int lineNo = 0;
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        ++lineNo;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1String("@row"))) {
            bool ok = false;
            row = line.mid(4).trimmed().toInt(&ok);
            if (!ok)
                throw Failure(QStringLiteral("line %1: bad @row").arg(lineNo));
            continue;
        }
        if (row < 1 || row > rows)
            throw Failure(QStringLiteral("line %1: row %2 outside 1..%3").arg(lineNo).arg(row).arg(rows));
        const QStringList parts = line.split(QLatin1Char('|'));
        if (parts.size() > columns)
            throw Failure(QStringLiteral("line %1: %2 cells, the table has %3 columns").arg(lineNo).arg(parts.size()).arg(columns));
        for (int c = 0; c < parts.size(); ++c) {
            const QString cell = parts[c].trimmed();
            if (!cell.isEmpty())
                cells.append(DataTextCell{row, c + 1, lineNo, cell});
        }
        ++row;
    }
    return cells;
}

TextTable dataTextTable(const QVector<DataTextCell> &cells, int rows, int columns)
{
    TextTable table(columns, rows);
    for (const DataTextCell &cell : cells)
        table.set(cell.column, cell.row, cell.text);
    return table;
}

} // namespace kb
