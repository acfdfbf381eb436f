#pragma once

// A small CABLE-PIPE of the conduit tests' own: a few conduit blocks, fill ratios,
// settings, name lists and cable rows ended by END.

#include "cellfile.h"
#include "form1model.h"
#include "refdata.h"
#include "qtprint.h"
#include "testenv.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace kb::test {

struct CableFixtureRow
{
    const char16_t *name, *diameter, *area, *code, *weight;
};

inline const CableFixtureRow kFixtureCables[] = {
    {u"IV2.0", u"3.4", u"9.1", u"1", u"24"},
    {u"IV5.5", u"5.0", u"19.6", u"1", u"58"},
    {u"IV60", u"13", u"133", u"1", u"620"},
    {u"CV5.5-3C", u"13", u"133", u"3", u"260"},
    {u"CV8-2C", u"12.5", u"123", u"2", u"210"},
    {u"CV22", u"11", u"95", u"1", u"250"},
    {u"CPEV0.9-10P", u"11", u"95", u"4", u"150"},
    {u"CPEV0.9-20P", u"13.5", u"143", u"4", u"230"},
};

inline void setRow(TextTable &t, int row, const QStringList &cells)
{
    for (int c = 0; c < cells.size(); ++c)
        t.set(c + 1, row, cells[c]);
}

inline TextTable conduitFixture()
{
    TextTable t = emptyTable(db::CablePipe);
    const auto block = [&](int first, const QStringList &names, const QStringList &inner) {
        for (int i = 0; i < names.size(); ++i)
            setRow(t, first + i, {names[i], QString(), inner[i]});
    };
    block(1, {u"C(19)"_qs, u"C(25)"_qs, u"C(31)"_qs, u"C(39)"_qs, u"C(51)"_qs, u"C(63)"_qs, u"C(75)"_qs},
          {u"15.9"_qs, u"22.2"_qs, u"28.6"_qs, u"34.9"_qs, u"47.6"_qs, u"59.5"_qs, u"72.2"_qs});
    block(9, {u"G(16)"_qs, u"G(22)"_qs, u"G(28)"_qs, u"G(36)"_qs, u"G(42)"_qs, u"G(54)"_qs, u"G(70)"_qs, u"G(82)"_qs, u"G(92)"_qs, u"G(104)"_qs},
          {u"16.4"_qs, u"21.9"_qs, u"28.3"_qs, u"36.9"_qs, u"42.8"_qs, u"54.0"_qs, u"69.6"_qs, u"82.3"_qs, u"93.7"_qs, u"106.4"_qs});
    block(20, {u"E(19)"_qs, u"E(25)"_qs, u"E(31)"_qs, u"E(39)"_qs, u"E(51)"_qs, u"E(63)"_qs, u"E(75)"_qs},
          {u"16.7"_qs, u"23.0"_qs, u"29.0"_qs, u"35.3"_qs, u"48.0"_qs, u"60.3"_qs, u"72.6"_qs});
    block(28, {u"PF-CD(14)"_qs, u"PF-CD(16)"_qs, u"PF-CD(22)"_qs, u"PF-CD(28)"_qs, u"PF-CD(36)"_qs, u"PF-CD(42)"_qs, u"PF-CD(54)"_qs},
          {u"13.2"_qs, u"15.2"_qs, u"20.9"_qs, u"26.7"_qs, u"33.4"_qs, u"38.2"_qs, u"48.8"_qs});
    block(36, {u"METAL-A"_qs, u"METAL-B"_qs, u"METAL-C"_qs}, {u"10"_qs, u"14"_qs, u"28"_qs});
    setRow(t, 143, {u"48"_qs, u"32"_qs, u"32"_qs});
    setRow(t, 144, {u"50"_qs, u"40"_qs, u"30"_qs});
    setRow(t, 145, {u"45"_qs, u"35"_qs, u"25"_qs});
    setRow(t, 146, {u"55"_qs, u"42"_qs, u"27"_qs});
    setRow(t, 150, {u"面積"_qs, u"JIDOU"_qs});
    setRow(t, 151, {u"内線"_qs, u"OFF"_qs});
    setRow(t, 153, {u"PFCD"_qs, u"OFF"_qs});
    setRow(t, 156, {u"MSG"_qs, u"ON"_qs});
    setRow(t, 157, {u"CLR"_qs, u"OFF"_qs});
    int r = 301;
    for (const CableFixtureRow &c : kFixtureCables) {
        setRow(t, r++, {QString::fromUtf16(c.name), QString::fromUtf16(c.diameter), QString::fromUtf16(c.area),
                        QString::fromUtf16(c.code), QString::fromUtf16(c.weight)});
    }
    t.set(1, r, u"END"_qs);
    for (int i = 0; i < 4; ++i)
        t.set(1, 201 + i, QString::fromUtf16(kFixtureCables[i].name));
    t.set(2, 201, u"CPEV0.9-10P"_qs);
    t.set(4, 251, u"CV22"_qs);
    return t;
}

// Writes the rows that hold anything (up to the last non-empty row) as the database.
inline void writeDatabase(const TextTable &t)
{
    int last = 1;
    for (int r = 1; r <= t.rows(); ++r)
        for (int c = 1; c <= t.columns(); ++c)
            if (!t.at(c, r).isEmpty())
                last = r;
    writeTable(databasePath(db::CablePipe), last, t.columns(), t);
}

// A model loaded from the fixture (or the table given).
inline void loadModel(Form1Model &m, const TextTable &t = conduitFixture())
{
    writeDatabase(t);
    m.Form_Load();
}

inline void registerCables(Form1Model &m, const QString &name, int count = 1)
{
    m.Combo3 = name;
    m.Combo5 = QString::number(count);
    m.Command1_Click();
}

inline QStringList gridRow(const Form1Model &m, int r, int fromCol = 0, int toCol = 10)
{
    QStringList cells;
    for (int c = fromCol; c <= toCol; ++c)
        cells.append(m.MSFlexGrid1.textMatrix(r, c));
    return cells;
}

// A window state loaded from the fixture, with the test's own folder and dialogs.
struct LoadedForm1 : ::testing::Test
{
    TestFolder folder;
    Form1Model m;
    void SetUp() override { loadModel(m); }
};

} // namespace kb::test
