// Lint of the feeder rows of the default CABLE-SIZE: the settings rows, the motor
// design rows and their capacity list, the package row pairs and the conduit
// rows every design row and package rating looks up.

#include "numtext.h"
#include "refdata.h"
#include "testenv.h"

#include <algorithm>
#include <QSet>
#include <gtest/gtest.h>

using namespace kb;
namespace cs = kb::cablesize;

namespace {

TextTable defaultCableSize()
{
    return test::readDataText("CABLE-SIZE.txt", db::CableSize);
}

bool isNumber(const QString &cell)
{
    return tryReadNumber(cell).has_value();
}

// The first row of first..last whose columns 1 and 2 hold the keys (case and width ignored).
int conduitRow(const TextTable &dd, int first, int last, const QString &wire, const QString &earth)
{
    for (int r = first; r <= last; ++r)
        if (sameText(dd.at(1, r), wire) && sameText(dd.at(2, r), earth))
            return r;
    return 0;
}

bool namedIn(const TextTable &dd, int first, int last, const QString &name)
{
    for (int r = first; r <= last; ++r)
        if (sameText(dd.at(1, r), name))
            return true;
    return false;
}

// The package calculator's earth ladder (shortest decimal forms).
QString packageEarth(int rating)
{
    const std::pair<int, const char *> rungs[] = {{30, "2"}, {50, "3.5"}, {100, "5.5"}, {150, "8"}, {200, "14"}, {400, "22"}, {600, "38"}};
    for (const auto &[upTo, size] : rungs)
        if (rating <= upTo)
            return QString::fromLatin1(size);
    return {};
}

} // namespace

TEST(CableSizeFeeder, SettingsRows)
{
    const TextTable dd = defaultCableSize();
    const int s = cs::MotorSettingsRow;
    EXPECT_TRUE(dd.at(1, s).isEmpty() || dd.at(1, s) == QStringLiteral("自家用"));
    EXPECT_TRUE(dd.at(2, s) == QLatin1String("50") || dd.at(2, s) == QLatin1String("60"));
    EXPECT_TRUE(dd.at(3, s).isEmpty() || dd.at(3, s) == QStringLiteral("設計"));
    EXPECT_TRUE(QStringList({"IV", "CV-3C"}).contains(dd.at(6, s))) << dd.at(6, s).toStdString();
    EXPECT_TRUE(QStringList({"KVAR", "MICRO"}).contains(dd.at(7, s))) << dd.at(7, s).toStdString();
    EXPECT_TRUE(QStringList({"C", "G", "RACK"}).contains(dd.at(8, s))) << dd.at(8, s).toStdString();
    // The lamp's power factor divides a current and its breaker factor multiplies one: strict numbers.
    for (int c : {1, 3}) {
        const auto v = tryReadNumber(dd.at(c, cs::LampSettingsRow));
        ASSERT_TRUE(v.has_value()) << "row 5 column " << c;
        EXPECT_GT(*v, 0);
    }
    EXPECT_TRUE(isNumber(dd.at(2, cs::CurrentMarginRow)));
}

TEST(CableSizeFeeder, MotorDesignRows)
{
    const TextTable dd = defaultCableSize();
    QSet<QString> list;
    for (int r = cs::MotorDesign400First; r <= 27; ++r) {
        const QString kw = dd.at(1, r);
        EXPECT_TRUE(isNumber(kw)) << "row " << r << ": the capacity list holds plain numbers";
        EXPECT_FALSE(list.contains(kw)) << "row " << r << ": " << kw.toStdString() << " twice (the upper row would hide this one)";
        list.insert(kw);
    }
    const auto block = [&](int first, int last) {
        QSet<QString> seen;
        for (int r = first; r <= last; ++r) {
            const QString kw = dd.at(1, r);
            if (kw.isEmpty())
                continue;
            EXPECT_TRUE(list.contains(kw)) << "row " << r << ": " << kw.toStdString() << " is not in the capacity list";
            EXPECT_FALSE(seen.contains(kw)) << "row " << r;
            seen.insert(kw);
            for (int c : {2, 4, 6, 8, 9, 19})
                EXPECT_TRUE(isNumber(dd.at(c, r))) << "row " << r << " column " << c;
            const QString iv = dd.at(3, r), cv = dd.at(5, r), earth = dd.at(11, r);
            EXPECT_TRUE(iv.endsWith(QLatin1String("X3")) && namedIn(dd, cs::IvFirst, cs::IvLargestRow, iv)) << "row " << r << ": " << iv.toStdString();
            EXPECT_TRUE(cv.startsWith(QLatin1String("CV")) && cv.endsWith(QLatin1String("-3C")) && namedIn(dd, cs::CvFirst, cs::CvLargestRow, cv))
                << "row " << r << ": " << cv.toStdString();
            EXPECT_FALSE(earth.isEmpty()) << "row " << r;
            EXPECT_NE(conduitRow(dd, 151, cs::WireConduit3Last, iv, earth), 0) << "row " << r << ": no conduit for " << iv.toStdString();
            EXPECT_NE(conduitRow(dd, 151, cs::WireConduit3Last, cv, earth), 0) << "row " << r << ": no conduit for " << cv.toStdString();
        }
    };
    block(cs::MotorDesign400First, cs::MotorDesign400Last);
    block(cs::MotorDesign200First, cs::MotorDesign200Last);
}

TEST(CableSizeFeeder, PackageRowPairs)
{
    const TextTable dd = defaultCableSize();
    int units = 0;
    for (int g = cs::PackageFirst; g <= cs::PackageLast; ++g) {
        if (dd.at(1, g).isEmpty())
            continue;
        ++units;
        EXPECT_TRUE(isNumber(dd.at(1, g))) << "row " << g;
        EXPECT_TRUE(dd.at(1, g + 1).isEmpty()) << "row " << g + 1 << ": the switch row must hold no unit output";
        for (const auto &[size, firstRating, lastRating] : {std::tuple{3, 5, 14}, std::tuple{15, 17, 25}}) {
            const QString wire = dd.at(size, g);
            EXPECT_TRUE(isNumber(wire)) << "row " << g << " column " << size << ": an IV size without prefix";
            EXPECT_TRUE(isNumber(dd.at(size + 1, g))) << "row " << g << " column " << size + 1;
            for (int row : {g, g + 1})
                for (int c = firstRating; c <= lastRating; ++c) {
                    const auto rating = tryReadNumber(dd.at(c, row));
                    ASSERT_TRUE(rating.has_value()) << "row " << row << " column " << c;
                    EXPECT_NE(conduitRow(dd, cs::WireConduit3First, 190, wire, packageEarth(CInt(*rating))), 0)
                        << "row " << row << " column " << c << ": no conduit for " << wire.toStdString();
                }
        }
        ++g; // the switch row
    }
    EXPECT_GT(units, 0);
}

TEST(CableSizeFeeder, ConduitRowsAreComplete)
{
    const TextTable dd = defaultCableSize();
    for (int r = cs::WireConduit3First; r <= cs::WireConduit3Last; ++r) {
        if (dd.at(1, r).isEmpty())
            continue;
        for (int c = 2; c <= 5; ++c)
            EXPECT_FALSE(dd.at(c, r).isEmpty()) << "row " << r << " column " << c;
        // A motor row (a size name) names its star-delta secondary circuit too.
        if (!isNumber(dd.at(1, r)))
            for (int c = 8; c <= 11; ++c)
                EXPECT_FALSE(dd.at(c, r).isEmpty()) << "row " << r << " column " << c;
    }
}

TEST(CableSizeFeeder, LampConduitRowsCoverTheSmallIvCircuits)
{
    // Every IV lamp circuit up to a starting current of 112 A (38X2 and smaller wires) finds the
    // conduit of its primary wire and earth: the primary wire is the first IV row carrying more
    // than the starting current, the frame the first of the lamp ladder at or above current ×
    // breaker factor, the earth that of the frame.
    const TextTable dd = defaultCableSize();
    const double factor = CDbl(dd.at(3, cs::LampSettingsRow));
    const std::pair<int, const char *> frames[] = {{20, "2"}, {30, "2"}, {50, "3.5"}, {100, "5.5"}, {150, "8"}};
    for (int current = 1; current <= 112; ++current) {
        if (current == 80)
            continue; // 38X2 on a 100 A frame: the ten rows leave it out
        const int x = CInt(current * factor);
        const auto frame = std::find_if(std::begin(frames), std::end(frames), [&](const auto &f) { return x <= f.first; });
        ASSERT_NE(frame, std::end(frames));
        QString wire;
        for (int r = cs::IvFirst; r <= cs::IvLast && wire.isEmpty(); ++r)
            if (Val(dd.at(5, r)) > current)
                wire = dd.at(4, r);
        EXPECT_NE(conduitRow(dd, cs::WireConduit2First, cs::WireConduit2Last, wire, QString::fromLatin1(frame->second)), 0)
            << current << " A: no conduit for " << wire.toStdString() << " with earth " << frame->second;
    }
}
