// Turns a database's readable text (data/*.txt) into its cell file of exactly
// rows × columns records: qvxgen <input.txt> <output.qvx> <rows> <columns>

#include "cellfile.h"
#include "datatext.h"

#include <QFile>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: qvxgen <input.txt> <output.qvx> <rows> <columns>\n");
        return 2;
    }
    const int rows = QByteArray(argv[3]).toInt();
    const int columns = QByteArray(argv[4]).toInt();
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "qvxgen: cannot read %s\n", argv[1]);
        return 1;
    }
    try {
        const auto cells = kb::parseDataText(QString::fromUtf8(in.readAll()), rows, columns);
        for (const auto &cell : cells) {
            if (cell.text.size() > kb::kCellChars || !kb::canEncodeCell(cell.text)) {
                std::fprintf(stderr, "qvxgen: %s:%d: cell longer than 20 characters or not in code page 932\n", argv[1], cell.line);
                return 1;
            }
        }
        const QString out = QString::fromLocal8Bit(argv[2]);
        QFile::remove(out); // a fresh file of exactly rows × columns records
        kb::writeTable(out, rows, columns, kb::dataTextTable(cells, rows, columns));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "qvxgen: %s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
