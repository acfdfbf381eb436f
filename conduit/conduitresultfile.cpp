#include "conduitresultfile.h"

#include "cablesearch.h"
#include "cellfile.h"

#include <QMap>

namespace kb {

QString ConduitResultFile::headerNumber(int value)
{
    const QString digits = QString::number(value);
    return (value < 0 ? digits : u' ' + digits).leftJustified(10, u' ');
}

void ConduitResultFile::save(const QString &path, const QString &dataName, int cableCount, int fillPercent,
                             const QStringList &rowCells)
{
    QMap<qint64, QString> records;
    records.insert(1, trimTrailingBlanks(dataName));
    records.insert(2, headerNumber(cableCount));
    records.insert(3, headerNumber(fillPercent));
    for (qsizetype i = 0; i < rowCells.size(); ++i)
        records.insert(9 + i, rowCells[i]);
    writeRecordsAt(path, records);
}

QStringList ConduitResultFile::read(const QString &path)
{
    const CellFileReader reader(path);
    QStringList records;
    records.reserve(kRecords);
    for (int n = 1; n <= kRecords; ++n)
        records.append(reader.readCell(n));
    return records;
}

} // namespace kb
