// The cell-file reader on arbitrary bytes: it must decode any record and any
// file without a crash, and every cell value it gives must be at most 20
// characters with no half-width blank.

#include "cellfile.h"

#include <QTemporaryFile>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString cell = kb::decodeCell(reinterpret_cast<const char *>(data), int(qMin<size_t>(size, 40)));
    if (cell.size() > kb::kCellChars || cell.contains(QLatin1Char(' ')))
        std::abort();

    static QTemporaryFile file;
    static bool opened = file.open();
    if (!opened)
        return 0;
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.flush();
    const kb::CellFileReader reader(file.fileName());
    const qint64 records = reader.recordCount() + 2;
    for (qint64 n = 1; n <= records; ++n) {
        const QString c = reader.readCell(n);
        if (c.size() > kb::kCellChars)
            std::abort();
    }
    return 0;
}
