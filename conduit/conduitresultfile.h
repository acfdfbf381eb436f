#pragma once

// The conduit window's result file: a cell file whose records 1 to 3 hold the data
// name, the cable count and the fill percentage, records 4 to 8 are reserved and
// never written, and file row r (records 8r + 1 to 8r + 8) holds grid columns 1 to 8.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kb {

struct ConduitResultFile
{
    static constexpr int kHeaderRecords = 3;
    static constexpr int kColumns = 8;
    static constexpr int kRows = 100;
    static constexpr int kRecords = 8 + kColumns * kRows; // 808

    // A number as the header stores it: one leading blank (or the minus sign), padded to 10.
    static QString headerNumber(int value);

    // Writes records 1 to 3 and the rows' cells (rows × 8 texts, row by row) from
    // record 9 on; every other record keeps its bytes. Atomic; throws Failure.
    static void save(const QString &path, const QString &dataName, int cableCount, int fillPercent,
                     const QStringList &rowCells);

    // Records 1 to 808 as cell values (a missing file or short one reads empty).
    static QStringList read(const QString &path);
    // The cell of file row r (1..100), column c (1..8) in what read() returned.
    static const QString &cell(const QStringList &records, int r, int c) { return records[8 * r + c - 1]; }
};

} // namespace kb
