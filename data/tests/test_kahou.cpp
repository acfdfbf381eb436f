// Lint of the default KAHOU data: the sites and rooms that the fire-alarm detector
// calculators look up. A fault here does not crash anything; it shows as a site or
// room the lists never offer, a look-up that presets no class or an unknown band,
// or a room the look-up cannot reach.

#include "detectormodel.h"
#include "fakedialogs.h"
#include "numtext.h"
#include "refdata.h"
#include "testenv.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace kb;

namespace {

const TextTable &data()
{
    static const TextTable table = test::readDataText("KAHOU.txt", db::Kahou);
    return table;
}

const QString &cell(int c, int r) { return data().at(c, r); }
std::string where(int c, int r) { return "cell (" + std::to_string(c) + ", " + std::to_string(r) + ") \"" + cell(c, r).toStdString() + "\""; }

const QStringList kDetectors{"煙感知器", "差動スポット", "補償スポット", "定温スポット", "熱アナログスポット"};
const QStringList kCeilings{"4m未満", "4m-8m未満", "8m-15m未満", "15m-20m未満", "20m以上"};
const QStringList kBeams{"0.4m未満", "0.6m未満", "0.4m-1m未満", "0.6m-1m未満", "1m以上"};

bool oneOf(const QString &text, const QStringList &items)
{
    for (const QString &item : items)
        if (text == item)
            return true;
    return false;
}

TEST(KahouData, SitesPresetAStructureAClassAndKnownBands)
{
    EXPECT_FALSE(cell(1, 2).isEmpty()) << "row 2 is the fallback site";
    QSet<QString> names;
    bool listEnded = false;
    for (int r = kahou::SiteFirst; r <= kahou::SiteLast; ++r) {
        if (cell(1, r).isEmpty()) {
            if (r >= 11)
                listEnded = true;
            continue;
        }
        EXPECT_FALSE(listEnded) << where(1, r) << ": after the first empty name the site list stops";
        EXPECT_FALSE(names.contains(foldText(cell(1, r)))) << where(1, r) << ": the first row of a name wins";
        names.insert(foldText(cell(1, r)));
        EXPECT_TRUE(oneOf(cell(2, r), {"耐火", "その他"})) << where(2, r);
        EXPECT_TRUE(oneOf(cell(3, r), {"1", "2", "3"})) << where(3, r);
        EXPECT_TRUE(oneOf(cell(4, r), {"1", "2"})) << where(4, r);
        EXPECT_TRUE(oneOf(cell(5, r), {"1", "2", "3"})) << where(5, r);
        EXPECT_TRUE(oneOf(cell(6, r), {"1", "2"})) << where(6, r);
        EXPECT_TRUE(oneOf(cell(7, r), kDetectors)) << where(7, r);
        EXPECT_TRUE(oneOf(cell(8, r), kCeilings)) << where(8, r);
        EXPECT_TRUE(oneOf(cell(9, r), kBeams)) << where(9, r);
    }
    for (int r = 31; r <= 50; ++r)
        for (int c = 1; c <= db::Kahou.columns; ++c)
            EXPECT_TRUE(cell(c, r).isEmpty()) << where(c, r) << ": rows 31..50 are read by no calculator";
}

TEST(KahouData, RoomsAreReachableAndEndWithEnd)
{
    int end = 0;
    for (int r = kahou::RoomFirst; r <= kahou::RoomLast && !end; ++r)
        if (isEndMarker(cell(1, r)))
            end = r;
    ASSERT_GT(end, 0) << "the room records need an END row";
    for (int r = end + 1; r <= kahou::RoomLast; ++r)
        EXPECT_TRUE(cell(1, r).isEmpty()) << where(1, r) << ": a room after END is never found";

    // The building-use blocks: each stops at its first empty name, and the rows between blocks belong to none.
    const std::pair<int, int> blocks[] = {{51, 100}, {101, 119}, {121, 149}, {151, 169}, {171, 199}};
    QSet<QString> names;
    for (const auto &[first, last] : blocks) {
        bool ended = false;
        for (int r = first; r <= last; ++r) {
            if (cell(1, r).isEmpty()) {
                ended = true;
                continue;
            }
            EXPECT_FALSE(ended) << where(1, r) << ": after the first empty name of its block the room lists stop";
            EXPECT_FALSE(names.contains(foldText(cell(1, r)))) << where(1, r) << ": the first row of a name wins";
            names.insert(foldText(cell(1, r)));
            EXPECT_TRUE(oneOf(cell(2, r), {"S", "D", "T", "W", "H"})) << where(2, r);
            EXPECT_TRUE(oneOf(cell(3, r), kCeilings)) << where(3, r);
            EXPECT_TRUE(oneOf(cell(4, r), kBeams)) << where(4, r);
            EXPECT_TRUE(oneOf(cell(5, r), {"", "0", "1"})) << where(5, r);
        }
    }
    for (int r : {120, 150, 170})
        EXPECT_TRUE(cell(1, r).isEmpty()) << where(1, r) << ": no building-use list reaches this row";
    EXPECT_GT(end, 199) << "the END row ends the last block early";
}

TEST(KahouData, EveryDefaultRoomCalculatesUnderEverySite)
{
    // The ordinary-room calculator looks each room up under each site (the site presets the
    // detector class and the structure, the room the detector, ceiling and beam) and counts a
    // 10 m x 10 m room. A room the look-up offers but the calculation refuses under a default site
    // (a ceiling above the class's reach, a beam the detector cannot take) does not belong here.
    QStringList sites, rooms;
    for (int r = kahou::SiteFirst; r <= kahou::SiteLast; ++r)
        if (!cell(1, r).isEmpty())
            sites << cell(1, r);
    for (int r = kahou::RoomFirst; r <= kahou::RoomLast && !isEndMarker(cell(1, r)); ++r)
        if (!cell(1, r).isEmpty())
            rooms << cell(1, r);
    ASSERT_GE(sites.size(), 12);
    for (const QString &site : sites)
        for (const QString &room : rooms) {
            ScopedFakeDialogs dialogs;
            fa::DetectorState state;
            fa::DetectorModel m(fa::ordinaryRoom(), state);
            m.loadControls();
            m.KAHOU_DATA = data();
            m.loadLists();
            m.Combo4 = site;
            m.Combo5 = room;
            m.Text4 = m.Text5 = QStringLiteral("10");
            m.Command3_Click();
            m.Command2_Click();
            EXPECT_TRUE(dialogs.fake.messages.isEmpty())
                << site.toStdString() << " / " << room.toStdString() << ": " << dialogs.fake.messages.join('\n').toStdString();
            EXPECT_GT(Val(m.Text7), 0) << site.toStdString() << " / " << room.toStdString();
        }
}

} // namespace
