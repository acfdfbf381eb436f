#include "cablesearch.h"
#include "numtext.h"
#include "qtprint.h"

#include <gtest/gtest.h>

using namespace kb;

namespace {

// Cable rows from 301 on, without END unless given.
TextTable cables(const QStringList &names)
{
    TextTable t = emptyTable(db::CablePipe);
    for (int i = 0; i < names.size(); ++i) {
        t.set(1, 301 + i, names[i]);
        t.set(2, 301 + i, u"10.5"_qs);
        t.set(3, 301 + i, u"87mm2"_qs);
    }
    return t;
}

QStringList repeat(const QString &prefix, int n)
{
    QStringList names;
    for (int i = 1; i <= n; ++i)
        names.append(prefix + QString::number(i));
    return names;
}

QStringList listed(const TextTable &t, const QString &query)
{
    QStringList names;
    scanCableRows(t, query, [&](int row) { names.append(t.at(1, row)); });
    return names;
}

} // namespace

TEST(CableSearch, QueryClassesNameTheMainFamilies)
{
    const struct { const char16_t *query; int cls; } cases[] = {
        {u"CV", 1}, {u"fp", 1}, {u"6KVCV", 1}, {u"EM-CE", 1}, {u"6KVEM-FP  ", 1},
        {u"CVV", 2}, {u"em-cee", 2}, {u"CPEV", 3}, {u"EM-CPEE", 3},
        {u"CVT", 0}, {u"C", 0}, {u"", 0}, {u" CV", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(queryClass(QStringView(c.query)), c.cls) << QString::fromUtf16(c.query).toStdString();
}

TEST(CableSearch, PowerFamilyPassesOverTwistedAndControlSubtypes)
{
    QStringList names = {u"CV5.5-3C"_qs, u"CV8-3C"_qs};
    names += repeat(u"CVT"_qs, 12);
    names += repeat(u"CVV"_qs, 5);
    names += QStringList{u"FP2-2C"_qs, u"CV14-2C"_qs, u"XX"_qs};
    const TextTable t = cables(names);
    // The row reached after the sub-types is listed although it is no CV.
    EXPECT_EQ(listed(t, u"CV"_qs), (QStringList{u"CV5.5-3C"_qs, u"CV8-3C"_qs, u"FP2-2C"_qs, u"CV14-2C"_qs}));
    // Class 0 lists every row of its prefix, sub-types included.
    EXPECT_EQ(listed(t, u"CVT"_qs), repeat(u"CVT"_qs, 12));
    EXPECT_EQ(listed(t, u"C"_qs).size(), 2 + 12 + 5 + 1);
}

TEST(CableSearch, AtMostThirtyRowsArePassedOverAtOnce)
{
    const TextTable t = cables(repeat(u"CVT"_qs, 40) << u"CV22"_qs);
    // 1..30 passed, 31 listed; from 32 on 9 CVT rows are passed and CV22 is listed.
    EXPECT_EQ(listed(t, u"cv"_qs), (QStringList{u"CVT31"_qs, u"CV22"_qs}));
}

TEST(CableSearch, ControlAndTelephoneClassesPassOverShieldedKinds)
{
    const TextTable t = cables({u"CVV1.25-2C"_qs, u"CVVS1.25-2C"_qs, u"CVV2-4C"_qs, u"CPEV0.9-10P"_qs, u"CPEVS0.9-10P"_qs, u"CPEV0.9-20P"_qs});
    // The shielded row begins like the text: the steps pass over it to the next row.
    EXPECT_EQ(listed(t, u"cvv"_qs), (QStringList{u"CVV1.25-2C"_qs, u"CVV2-4C"_qs}));
    EXPECT_EQ(listed(t, u"CPEV"_qs), (QStringList{u"CPEV0.9-10P"_qs, u"CPEV0.9-20P"_qs}));
    EXPECT_EQ(listed(t, u"CVVS"_qs), QStringList{u"CVVS1.25-2C"_qs});
}

TEST(CableSearch, PassingOverRowsBeyondTheTableFails)
{
    TextTable t = emptyTable(db::CablePipe);
    for (int r = 2995; r <= 3000; ++r)
        t.set(1, r, u"CVT"_qs + QString::number(r));
    EXPECT_THROW(listed(t, u"CV"_qs), Failure);
}

TEST(CableSearch, ListingLineShowsPrefixValuesAsRead)
{
    TextTable t = cables({u"CV22"_qs});
    t.set(1, 302, u"END"_qs);
    t.set(2, 301, u"10.123456789mm"_qs); // more digits than a single holds
    const CableListing line = cableListing(t, 301);
    EXPECT_EQ(line.name, u"CV22");
    EXPECT_EQ(line.outerDiameter, u"10.123456789");
    EXPECT_EQ(line.sectionArea, u"87");
    EXPECT_EQ(cableListing(t, 302).outerDiameter, u"0");
    // A damaged cell lists as it stands, not as the figure of its readable part.
    t.set(3, 301, u"8"_qs + kUnreadableMark + u"7"_qs);
    EXPECT_EQ(cableListing(t, 301).sectionArea, u"8"_qs + kUnreadableMark + u"7"_qs);
    // The END row itself is found by a search that begins like it.
    EXPECT_EQ(listed(t, u"EN"_qs), QStringList{u"END"_qs});
}

TEST(CableKindMenus, TenItemsWithTheirCaptionsBlocksAndColumns)
{
    const auto &menu = cableKindMenu();
    ASSERT_EQ(menu.size(), 10);
    QStringList seen;
    for (const CableKindMenuItem &item : menu)
        seen.append(QLatin1String(item.action) + u':' + item.kindCaption + u':' + QString::number(int(item.kind)) + (item.eco ? u"e"_qs : u"g"_qs));
    EXPECT_EQ(seen, (QStringList{
                        u"IDM_TUCA:低圧電線・ｹｰﾌﾞﾙ:1g"_qs, u"IDM_JAKU:弱電ｹｰﾌﾞﾙ:2g"_qs, u"IDM_DOJIKU:通信(電話):3g"_qs,
                        u"IDM_KOUATU:高圧電線・ｹｰﾌﾞﾙ:4g"_qs, u"IDM_CASTAMA:一般カスタマイズ:5g"_qs, u"IDM_ECOTEIATU:エコ低圧:1e"_qs,
                        u"IDM_JAKUECO:エコ弱電:2e"_qs, u"IDM_EMDOJIKU:エコ通信(電話):3e"_qs, u"IDM_EMKOATU:エコ高圧:4e"_qs,
                        u"IDM_CASTAMB:エコカスタマイズ:5e"_qs}));
    EXPECT_EQ(cableKindMenuItem(u"IDM_EMKOATU")->menuCaption, u"エコ高圧ケーブル");
    EXPECT_EQ(cableKindMenuItem(u"IDM_DOJIKU")->menuCaption, u"電話:ケーブル");
    EXPECT_EQ(cableKindMenuItem(u"IDM_NONE"), nullptr);
}
