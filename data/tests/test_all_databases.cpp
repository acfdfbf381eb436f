// Lint of the default databases: the text in data/ parses, every cell fits a
// record, and the built files beside the program hold exactly that text.

#include "cellfile.h"
#include "datatext.h"
#include "refdata.h"
#include "testenv.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kb;

namespace {
struct Db { const char *txt; DatabaseShape shape; };
const Db kDatabases[] = {{"CABLE-PIPE.txt", db::CablePipe}, {"CABLE-SIZE.txt", db::CableSize}, {"KAHOU.txt", db::Kahou}};
} // namespace

TEST(DefaultDatabases, EveryCellFitsARecordAndTheBuiltFilesMatch)
{
    for (const Db &d : kDatabases) {
        const auto cells = test::readDataCells(d.txt, d.shape);
        for (const DataTextCell &c : cells) {
            EXPECT_LE(c.text.size(), kCellChars) << d.txt << ":" << c.line;
            EXPECT_TRUE(canEncodeCell(c.text)) << d.txt << ":" << c.line;
            EXPECT_FALSE(c.text.contains(QLatin1Char(' '))) << d.txt << ":" << c.line << " (a blank is lost on reading)";
        }
        const TextTable expected = dataTextTable(cells, d.shape.fileRows, d.shape.columns);
        const QString built = QDir(test::binDir()).filePath(QLatin1String(d.shape.fileName));
        ASSERT_EQ(QFileInfo(built).size(), qint64(d.shape.fileRows) * d.shape.columns * kRecordSize) << built.toStdString();
        TextTable back(d.shape.columns, d.shape.fileRows);
        readTable(built, d.shape.fileRows, d.shape.columns, back);
        for (int r = 1; r <= d.shape.fileRows; ++r)
            for (int c = 1; c <= d.shape.columns; ++c)
                ASSERT_EQ(back.at(c, r), expected.at(c, r)) << d.txt << " row " << r << " column " << c;
    }
}
