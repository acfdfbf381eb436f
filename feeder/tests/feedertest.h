#pragma once

// What the feeder tests share: the tables they calculate on, the default
// CABLE-SIZE rows, and reading grid rows and boxes back.

#include "cellfile.h"
#include "datatext.h"
#include "gridmodel.h"
#include "refdata.h"
#include "testenv.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace kb::feedertest {

// A CABLE-SIZE table from its readable text form.
inline TextTable table(const QByteArray &rows)
{
    return dataTextTable(parseDataText(QString::fromUtf8(rows), 500, 25), 500, 25);
}

// One 22 kW motor of the 200 V class (design row 31: 84 A on 30 m of 38X3, 150 AF direct),
// its conduit with earth 14 (row 151) and the allowable current of 38X3 (row 253).
inline const char *const kMotor22Rows = R"(
@row 31
22 | 84 | 38X3 | 30 | CV22-3C | 25 | 14 | 150 | 125 | | 14 | 5.5 | 500 | 7.5 | 400 | 6 | 3.5 | 2.0 | 125
@row 151
38X3 | 14 | 51 | 42 | 50 | | | 22X3 | 39 | 36 | 38
@row 253
38X3 | 113 | 113
)";

// Allowable-current rows of IV from 1.6 to 22 mm² under their title row (rows 251..258):
// three-core name, conduit and rack amperes, then the same for two cores.
inline const char *const kIvRows = R"(
@row 251
IV電線
1.6X3 | 19 | 19 | 1.6X2 | 19 | 19
2.0X3 | 24 | 24 | 2.0X2 | 24 | 24
3.5X3 | 26 | 26 | 3.5X2 | 26 | 26
5.5X3 | 34 | 34 | 5.5X2 | 34 | 34
8X3 | 42 | 42 | 8X2 | 42 | 42
14X3 | 61 | 61 | 14X2 | 61 | 61
22X3 | 80 | 80 | 22X2 | 80 | 80
)";

// The default CABLE-SIZE rows of data/CABLE-SIZE.txt (rows 1..300, as the windows load them).
inline TextTable defaultCableSize()
{
    TextTable dd = test::readDataText("CABLE-SIZE.txt", db::CableSize);
    for (int r = 301; r <= dd.rows(); ++r)
        for (int c = 1; c <= dd.columns(); ++c)
            dd.set(c, r, QString());
    return dd;
}

// Writes the default rows as CABLE-SIZE.qvx into the test's database folder.
inline void installDefaultCableSize(test::TestFolder &folder)
{
    writeTable(folder.path(QStringLiteral("CABLE-SIZE.qvx")), db::CableSize.fileRows, db::CableSize.columns, defaultCableSize());
}

// Columns 1..last of a grid row.
inline QStringList gridRow(const GridModel &grid, int r, int last)
{
    QStringList cells;
    for (int c = 1; c <= last; ++c)
        cells << grid.textMatrix(r, c);
    return cells;
}

// A calculator window's display-free state in a test folder of its own, with the boxes it
// shows recorded and the first `GridColumns` columns of its grid rows read back.
template<class Model, int GridColumns>
class ModelTest : public ::testing::Test
{
protected:
    test::TestFolder folder;
    Model m;

    QStringList row(int r) const { return gridRow(m.MSFlexGrid1, r, GridColumns); }
    QStringList boxes() const { return folder.messages(); }
};

inline QString err(const char *tag)
{
    return QStringLiteral("エラーが発生しました。") + QString::fromUtf8(tag);
}

} // namespace kb::feedertest
