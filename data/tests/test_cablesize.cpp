// Lint of the allowable-current rows of the default CABLE-SIZE: every size the
// voltage-drop and feeder windows can name has a row with readable currents, the
// blocks ascend, and each block's largest size sits on its fixed row.

#include "numtext.h"
#include "refdata.h"
#include "testenv.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace kb;
namespace cs = kb::cablesize;

namespace {

TextTable defaultCableSize()
{
    return test::readDataText("CABLE-SIZE.txt", db::CableSize);
}

struct Block
{
    const char *wire;
    int first, largest, last;
    const char *prefix, *threeCoreSuffix, *twoCoreSuffix; // no two-core suffix: three-core columns only
    QStringList sizes;                                     // ascending, the largest on the fixed row
};

const Block kBlocks[] = {
    {"FP", cs::FpFirst, cs::FpLargestRow, cs::FpLast, "FP", "-3C", "-2C",
     {"3.5", "5.5", "8", "14", "22", "38", "60", "100", "150", "200", "250", "325"}},
    {"CVT", cs::CvtFirst, cs::CvtLargestRow, cs::CvtLast, "CVT", "", nullptr,
     {"8", "14", "22", "38", "60", "100", "150", "200", "250", "325", "400", "500"}},
    {"IV", cs::IvFirst, cs::IvLargestRow, cs::IvLast, "", "X3", "X2",
     {"1.6", "2.0", "3.5", "5.5", "8", "14", "22", "38", "60", "100", "150", "200", "250", "325", "400", "500"}},
    {"CV", cs::CvFirst, cs::CvLargestRow, cs::CvLast, "CV", "-3C", "-2C",
     {"2", "3.5", "5.5", "8", "14", "22", "38", "60", "100", "150", "200", "250", "325"}},
};

// The current cells a block uses: three-core conduit and rack, and two-core ones where it has two-core names.
QList<int> currentColumns(const Block &b)
{
    return b.twoCoreSuffix ? QList<int>{2, 3, 5, 6} : QList<int>{2, 3};
}

} // namespace

TEST(CableSizeAllowableCurrents, EveryBlockHoldsItsSizesInOrderWithReadableCurrents)
{
    const TextTable dd = defaultCableSize();
    for (const Block &b : kBlocks) {
        QStringList found;
        QHash<int, double> previous;
        for (int r = b.first; r <= b.last; ++r) {
            const QString three = dd.at(1, r);
            if (three.isEmpty()) {
                EXPECT_TRUE(dd.at(4, r).isEmpty()) << b.wire << " row " << r << ": a two-core name without a three-core one";
                continue;
            }
            EXPECT_LE(r, b.largest) << b.wire << " row " << r << ": a size after the largest-size row";
            ASSERT_TRUE(three.startsWith(QLatin1String(b.prefix)) && three.endsWith(QLatin1String(b.threeCoreSuffix)))
                << b.wire << " row " << r << ": " << three.toStdString();
            const QString size = three.mid(int(strlen(b.prefix)), three.size() - int(strlen(b.prefix)) - int(strlen(b.threeCoreSuffix)));
            found << size;
            const QString two = b.twoCoreSuffix ? QLatin1String(b.prefix) + size + QLatin1String(b.twoCoreSuffix) : QString();
            EXPECT_EQ(dd.at(4, r), two) << b.wire << " row " << r;
            for (int c : currentColumns(b)) {
                const auto amps = tryReadNumber(dd.at(c, r));
                ASSERT_TRUE(amps.has_value()) << b.wire << " row " << r << " column " << c << ": '" << dd.at(c, r).toStdString() << "'";
                EXPECT_GT(*amps, previous.value(c, 0)) << b.wire << " row " << r << " column " << c << ": currents must rise with the size";
                EXPECT_EQ(*amps, CInt(*amps)) << b.wire << " row " << r << " column " << c << ": whole amperes";
                previous[c] = *amps;
            }
            if (QLatin1String(b.wire) == QLatin1String("IV")) {
                // IV takes the conduit current whatever the laying.
                EXPECT_EQ(dd.at(3, r), dd.at(2, r)) << "IV row " << r;
                EXPECT_EQ(dd.at(6, r), dd.at(5, r)) << "IV row " << r;
            }
        }
        EXPECT_EQ(found, b.sizes) << b.wire;
        EXPECT_FALSE(dd.at(1, b.largest).isEmpty()) << b.wire << ": the largest-size row " << b.largest << " is empty";
    }
}

TEST(CableSizeAllowableCurrents, NoStrayNamesAroundTheBlocks)
{
    const TextTable dd = defaultCableSize();
    // Rows outside every block, and rows 301..350 that the name scan also covers.
    QList<int> outside = {249, 250};
    for (int r = 301; r <= 350; ++r)
        outside << r;
    for (int r : outside)
        for (int c : {1, 4})
            EXPECT_TRUE(dd.at(c, r).isEmpty()) << "row " << r << " column " << c;

    // A name counts once across rows 222..350: a second row of the same name would take over its currents.
    QSet<QString> threeCore, twoCore;
    for (int r = cs::FpFirst; r <= 350; ++r) {
        // Rows 291..300 belong to the two-core conduit table of the feeder calculators.
        if (r >= cs::WireConduit2First && r <= cs::WireConduit2Last)
            continue;
        for (int c : {1, 4}) {
            QSet<QString> &names = c == 1 ? threeCore : twoCore;
            const QString name = foldText(dd.at(c, r));
            if (name.isEmpty())
                continue;
            EXPECT_FALSE(names.contains(name)) << "row " << r << ": " << dd.at(c, r).toStdString() << " named twice";
            names.insert(name);
        }
    }
    // The two-core conduit rows carry a two-core name in column 1 (the three-wire windows scan
    // column 1 for three-core names) and a bare conduit size in column 4 (the two-wire windows
    // scan column 4 for two-core names): neither scan may find them.
    for (int r = cs::WireConduit2First; r <= cs::WireConduit2Last; ++r) {
        EXPECT_FALSE(threeCore.contains(foldText(dd.at(1, r)))) << "row " << r << " repeats a three-core size name";
        EXPECT_FALSE(twoCore.contains(foldText(dd.at(4, r)))) << "row " << r << " repeats a two-core size name in column 4";
        if (!dd.at(4, r).isEmpty())
            EXPECT_TRUE(tryReadNumber(dd.at(4, r)).has_value()) << "row " << r << ": column 4 is a conduit size";
    }
}

TEST(CableSizeAllowableCurrents, FireResistantCablesAreRatedLikeCv)
{
    // FP cables are insulated with cross-linked polyethylene as CV is: same size, same currents.
    const TextTable dd = defaultCableSize();
    int rows = 0;
    for (int r = cs::FpFirst; r <= cs::FpLargestRow; ++r) {
        const QString fp = dd.at(1, r);
        if (fp.isEmpty())
            continue;
        const QString cv = QStringLiteral("CV") + fp.mid(2);
        int match = 0;
        for (int c = cs::CvFirst; c <= cs::CvLargestRow && !match; ++c)
            if (dd.at(1, c) == cv)
                match = c;
        ASSERT_NE(match, 0) << "row " << r << ": no " << cv.toStdString();
        ++rows;
        for (int c : {2, 3, 5, 6})
            EXPECT_EQ(dd.at(c, r).toStdString(), dd.at(c, match).toStdString()) << "row " << r << " column " << c << " against row " << match;
    }
    EXPECT_EQ(rows, 12);
}
