#include "cellfile.h"
#include "refdata.h"
#include "testenv.h"

#include <gtest/gtest.h>

using namespace kb;

TEST(Loader, MissingDatabaseLoadsEmptyWithoutCreatingIt)
{
    test::TestFolder dir;
    TextTable t = emptyTable(db::CablePipe);
    t.set(1, 1, QStringLiteral("old"));
    loadDatabase(db::CablePipe, t);
    EXPECT_EQ(t.at(1, 1), u"");
    EXPECT_FALSE(QFile::exists(databasePath(db::CablePipe)));
}

TEST(Loader, ShortFileFillsWhatItHoldsAndLeavesTheRestEmpty)
{
    test::TestFolder dir;
    writeRecords(databasePath(db::CablePipe), {QStringLiteral("a"), QStringLiteral("b"), QString(), QString(), QString(), QStringLiteral("r2")});
    TextTable t = emptyTable(db::CablePipe);
    loadDatabase(db::CablePipe, t);
    EXPECT_EQ(t.at(1, 1), u"a");
    EXPECT_EQ(t.at(2, 1), u"b");
    EXPECT_EQ(t.at(1, 2), u"r2");
    EXPECT_EQ(t.at(5, 3000), u"");
}

TEST(Loader, CalculatorsSeeOnlyTheirRowsAndColumns)
{
    test::TestFolder dir;
    TextTable size(25, 500);
    size.set(1, 300, QStringLiteral("row300"));
    size.set(1, 350, QStringLiteral("row350"));
    writeTable(databasePath(db::CableSize), 500, 25, size);
    TextTable dd = emptyTable(db::CableSize);
    loadDatabase(db::CableSize, dd);
    EXPECT_EQ(dd.at(1, 300), u"row300");
    EXPECT_EQ(dd.at(1, 350), u"");
    EXPECT_EQ(dd.rows(), 500);

    TextTable kahou(10, 300);
    kahou.set(10, 300, QStringLiteral("last"));
    kahou.set(1, 2, QStringLiteral("site"));
    writeTable(databasePath(db::Kahou), 300, 10, kahou);
    TextTable k = emptyTable(db::Kahou);
    loadDatabase(db::Kahou, k);
    EXPECT_EQ(k.columns(), 20);
    EXPECT_EQ(k.at(10, 300), u"last");
    EXPECT_EQ(k.at(1, 2), u"site");
    EXPECT_EQ(k.at(11, 2), u"");
}

TEST(RowKinds, CableRowsEndAtTheMarkerInAnyCase)
{
    TextTable t = emptyTable(db::CablePipe);
    t.set(1, 301, QStringLiteral("IV5.5"));
    t.set(2, 301, QStringLiteral("5.0"));
    t.set(1, 302, QStringLiteral("end"));
    t.set(1, 303, QStringLiteral("CV8-3C"));
    EXPECT_EQ(findCableRow(t, QStringLiteral("iv5.5")), 301);
    EXPECT_EQ(findCableRow(t, QStringLiteral("CV8-3C")), 0);
    EXPECT_EQ(cableRow(t, 301).outerDiameter, u"5.0");
    EXPECT_TRUE(isEndMarker(QStringLiteral("ＥＮＤ")));
}

// The index finds what the look-up by name finds: the first row of a name, in any case and
// width, and nothing at or after the end marker.
TEST(RowKinds, TheCableIndexFindsTheRowsOfTheLookUp)
{
    TextTable t = emptyTable(db::CablePipe);
    const QStringList names = {u"IV5.5"_qs, u"ＣＶ８－２Ｃ"_qs, u"iv5.5"_qs, QString(), u"CV22"_qs, u"End"_qs, u"AFTER"_qs};
    for (int i = 0; i < names.size(); ++i)
        t.set(1, 301 + i, names[i]);
    const CableRowIndex index(t);
    for (const QString name : {u"IV5.5"_qs, u"Iv5.5"_qs, u"cv8-2c"_qs, u"CV22"_qs, u"AFTER"_qs, u"end"_qs, u"none"_qs, QString()}) {
        EXPECT_EQ(index.find(name), findCableRow(t, name)) << name.toStdString();
    }
    EXPECT_EQ(index.find(u"iv5.5"_qs), 301);
    EXPECT_EQ(index.find(u"cv8-2c"_qs), 302);
}

TEST(RowKinds, NameListsHoldAllFiftyCells)
{
    TextTable t = emptyTable(db::CablePipe);
    for (int i = 0; i < 12; ++i)
        t.set(2, 201 + i, QStringLiteral("W%1").arg(i));
    t.set(3, 251, QStringLiteral("eco"));
    const QStringList weak = cableNameList(t, CableKind::WeakCurrent, false);
    ASSERT_EQ(weak.size(), 50);
    EXPECT_EQ(weak[11], u"W11");
    EXPECT_EQ(weak.mid(12).join(QString()), u"");
    EXPECT_EQ(cableNameList(t, CableKind::Communication, true).first(), u"eco");
}

// A FIFO in place of a database is refused; the load never waits for a writer.
TEST(Loader, ADatabaseThatIsNoRegularFileFailsWithoutBlocking)
{
    test::TestFolder dir;
    test::Fifo guard(databasePath(db::Kahou));
    ASSERT_TRUE(guard.made());
    TextTable t = emptyTable(db::Kahou);
    EXPECT_THROW(loadDatabase(db::Kahou, t), Failure);
    EXPECT_FALSE(guard.fired());
}
