#pragma once

// A small CABLE-PIPE of the rack tests' own: the insert loads of row 196, name
// lists and a few cable rows ended by END, written as the database of a test folder.

#include "cablelist.h"
#include "cellfile.h"
#include "refdata.h"
#include "testenv.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace kb::test {

// Boxes more than one test file of the rack windows looks for.
inline const QString kTwoChanges = u"１計算で２箇所以上変更しないで下さい。"_qs;
inline const QString kOccupancy = u"許容断面積の２０％をオーバーしています。ケーブルを少なくしてください。"_qs;

inline void setRow(TextTable &t, int row, const QStringList &cells)
{
    for (int c = 0; c < cells.size(); ++c)
        t.set(c + 1, row, cells[c]);
}

// name, outer diameter, section area, code, unit weight (g/m)
inline TextTable rackFixture()
{
    TextTable t = emptyTable(db::CablePipe);
    setRow(t, 196, {u"1960"_qs, u"3920"_qs, u"5880"_qs});
    const QStringList rows[] = {
        {u"CV2-2C"_qs, u"13"_qs, u"100"_qs, u"2"_qs, u"385"_qs},
        {u"CVT22"_qs, u"20"_qs, u"300"_qs, u"3"_qs, u"900"_qs},
        {u"CVT38"_qs, u"24"_qs, u"450"_qs, u"3"_qs, u"1400"_qs},
        {u"CVV1.25-2C"_qs, u"9"_qs, u"60"_qs, u"4"_qs, u"110"_qs},
        {u"EM-CE2-2C"_qs, u"12.5"_qs, u"95"_qs, u"2"_qs, u"300"_qs},
        {u"CV8-2C"_qs, u"14"_qs, u"150"_qs, u"2"_qs, u"450"_qs},
        {u"BIG"_qs, u"300"_qs, u"1000"_qs, u"1"_qs, u"1500"_qs},
        {u"END"_qs},
        {u"AFTER-END"_qs, u"10"_qs, u"50"_qs, u"1"_qs, u"100"_qs},
    };
    int r = 301;
    for (const QStringList &cells : rows)
        setRow(t, r++, cells);
    t.set(1, 201, u"CV2-2C"_qs);
    t.set(1, 203, u"CV8-2C"_qs);
    t.set(4, 201, u"6KVCV22"_qs);
    t.set(3, 251, u"EM-CPEE0.5-2P"_qs);
    return t;
}

inline void writeDatabase(const TextTable &t)
{
    writeTable(databasePath(db::CablePipe), 400, t.columns(), t);
}

template<class Model> void loadModel(Model &m, const TextTable &t = rackFixture())
{
    writeDatabase(t);
    m.Form_Load();
}

inline void registerCable(CableListModel &m, const QString &name, const QString &count = u"1"_qs)
{
    m.Combo3 = name;
    m.Combo5 = count;
    m.Command1_Click();
}

inline QStringList gridRow(const CableListModel &m, int r)
{
    QStringList cells;
    for (int c = 0; c < CableListModel::kColumns; ++c)
        cells.append(m.MSFlexGrid1.textMatrix(r, c));
    return cells;
}

inline QStringList gridColumn0(const CableListModel &m, int from, int to)
{
    QStringList cells;
    for (int r = from; r <= to; ++r)
        cells.append(m.MSFlexGrid1.textMatrix(r, 0));
    return cells;
}

} // namespace kb::test
