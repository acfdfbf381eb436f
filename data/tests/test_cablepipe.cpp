// Lint of the default CABLE-PIPE data: the conduit sizes, fill ratios, settings, cable-name
// lists and cable rows that the conduit, cable-rack and raceway windows read. A fault here does
// not crash anything; it shows as a size that never cuts, a percentage of 0 that fits no cable,
// a listed name the registration cannot find, or a family search that lists a stranger.

#include "numtext.h"
#include "refdata.h"
#include "testenv.h"

#include <QSet>
#include <cmath>
#include <numbers>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace kb;
namespace cp = kb::cablepipe;

namespace {

const TextTable &data()
{
    static const TextTable table = test::readDataText("CABLE-PIPE.txt", db::CablePipe);
    return table;
}

std::string where(int c, int r) { return "cell (" + std::to_string(c) + ", " + std::to_string(r) + ") \"" + data().at(c, r).toStdString() + "\""; }

// The conduit blocks: fixed rows, and the names the maximum-size choice knows (every size of the
// block but the largest, smallest first).
struct ConduitBlock
{
    const char *type;
    int first, last;
    std::vector<const char *> limitNames;
};

const ConduitBlock kConduitBlocks[] = {
    {"C", 1, 7, {"C(19)", "C(25)", "C(31)", "C(39)", "C(51)", "C(63)"}},
    {"G", 9, 18, {"G(16)", "G(22)", "G(28)", "G(36)", "G(42)", "G(54)", "G(70)", "G(82)", "G(92)"}},
    {"E", 20, 26, {"E(19)", "E(25)", "E(31)", "E(39)", "E(51)", "E(63)"}},
    {"PF-CD", 28, 34, {"PF-CD(14)", "PF-CD(16)", "PF-CD(22)", "PF-CD(28)", "PF-CD(36)", "PF-CD(42)"}},
    {"METAL", 36, 38, {"METAL-A", "METAL-B"}},
    {"PE", 44, 53, {"PE(16)", "PE(22)", "PE(28)", "PE(36)", "PE(42)", "PE(54)", "PE(70)", "PE(82)", "PE(92)"}},
    {"PRI", 55, 64, {"PRI(15)", "PRI(17)", "PRI(24)", "PRI(30)", "PRI(38)", "PRI(50)", "PRI(63)", "PRI(76)", "PRI(83)"}},
    {"VE", 66, 74, {"VE(14)", "VE(16)", "VE(22)", "VE(28)", "VE(36)", "VE(42)", "VE(54)", "VE(70)"}},
    {"FEP", 76, 84, {"FEP(30)", "FEP(40)", "FEP(50)", "FEP(65)", "FEP(80)", "FEP(100)", "FEP(125)", "FEP(150)"}},
    {"VP", 86, 98, {"VP(13)", "VP(16)", "VP(20)", "VP(25)", "VP(30)", "VP(40)", "VP(50)", "VP(65)", "VP(75)", "VP(100)", "VP(125)", "VP(150)"}},
    {"SGP", 100, 111, {"SGP(25)", "SGP(32)", "SGP(40)", "SGP(50)", "SGP(65)", "SGP(80)", "SGP(90)", "SGP(100)", "SGP(125)", "SGP(150)", "SGP(175)"}},
};

// A number cell must read whole as a number, not only by its numeric prefix.
std::optional<double> number(int c, int r) { return tryReadNumber(data().at(c, r)); }

// The cable rows, from row 301 up to the END row (exclusive).
struct CableRows
{
    int endRow = 0; // 0 when there is no END
    std::vector<int> rows;
};

CableRows cableRows()
{
    CableRows result;
    for (int r = cp::CableFirst; r <= cp::CableLast; ++r) {
        if (isEndMarker(data().at(1, r))) {
            result.endRow = r;
            break;
        }
        result.rows.push_back(r);
    }
    return result;
}

} // namespace

TEST(CablePipeData, ConduitBlocksSitInTheirRowsWithTheMaximumSizeNamesAndAscendingInnerDiameters)
{
    QSet<int> blockRows;
    for (const ConduitBlock &b : kConduitBlocks) {
        SCOPED_TRACE(b.type);
        ASSERT_EQ(int(b.limitNames.size()), b.last - b.first) << "the block's largest size comes after the listed names";
        double previous = 0;
        for (int r = b.first; r <= b.last; ++r) {
            blockRows.insert(r);
            const QString &name = data().at(1, r);
            if (r < b.last)
                EXPECT_EQ(name, QString::fromLatin1(b.limitNames[r - b.first])) << where(1, r);
            else
                EXPECT_TRUE(name.startsWith(QLatin1String(b.type))) << where(1, r);
            const auto inner = number(3, r);
            ASSERT_TRUE(inner.has_value()) << where(3, r);
            EXPECT_GT(*inner, previous) << where(3, r) << " (sizes ascend)";
            previous = *inner;
        }
    }
    for (int r = cp::ConduitSizeFirst; r < cp::FillRatioFirst; ++r)
        if (!blockRows.contains(r))
            EXPECT_TRUE(data().at(1, r).isEmpty() && data().at(3, r).isEmpty()) << where(1, r) << " lies between the blocks";
}

TEST(CablePipeData, FillRatiosAreWholePercentagesAboveZero)
{
    for (int r = cp::FillRatioFirst; r <= cp::FillRatioLast; ++r)
        for (int c = 1; c <= 3; ++c) {
            const auto p = number(c, r);
            ASSERT_TRUE(p.has_value()) << where(c, r);
            EXPECT_TRUE(*p > 0 && *p <= 100 && *p == std::floor(*p)) << where(c, r);
            EXPECT_EQ(double(CInt(Val(data().at(c, r)))), *p) << where(c, r);
        }
}

TEST(CablePipeData, SettingsHoldKeywordsTheWindowKnows)
{
    const QString mode = data().at(2, 150);
    EXPECT_TRUE(mode == QLatin1String("JIDOU") || mode == QLatin1String("USER") || mode == QLatin1String("NINI")) << where(2, 150);
    for (int r : {151, 153, 156, 157}) {
        const QString v = data().at(2, r);
        EXPECT_TRUE(v == QLatin1String("ON") || v == QLatin1String("OFF")) << where(2, r);
    }
}

TEST(CablePipeData, CableRowsAreCompleteAndEndedByOneEnd)
{
    const CableRows cables = cableRows();
    ASSERT_NE(cables.endRow, 0) << "no END after the cable rows";
    ASSERT_FALSE(cables.rows.empty());
    EXPECT_EQ(data().at(1, cables.endRow), QLatin1String("END"));

    QSet<QString> names;
    for (int r : cables.rows) {
        const QString &name = data().at(1, r);
        ASSERT_FALSE(name.isEmpty()) << "empty row " << r << " before END";
        EXPECT_FALSE(names.contains(foldText(name))) << where(1, r) << " repeats a name: the later row cannot be registered";
        names.insert(foldText(name));

        for (int c : {2, 3, 5}) {
            const auto v = number(c, r);
            EXPECT_TRUE(v && *v > 0) << where(c, r);
        }
        const auto code = number(4, r);
        EXPECT_TRUE(code && (*code == 1 || *code == 2 || *code == 3 || *code == 4)) << where(4, r);

        // The fill area is the circle of the outer diameter to the whole mm², or less for a flat
        // cable (long x short side, about 0.6 of the circle of the long side for a three-core VVF).
        const auto d = number(2, r), area = number(3, r);
        if (d && area) {
            const double circle = std::numbers::pi / 4 * *d * *d;
            if (name.startsWith(QLatin1String("VVF")) || name.startsWith(QLatin1String("EM-EEF")))
                EXPECT_TRUE(*area <= circle && *area >= 0.5 * circle) << where(3, r) << " against the diameter " << *d;
            else
                EXPECT_EQ(*area, std::round(circle)) << where(3, r) << " against the diameter " << *d;
        }
    }

    for (int r = cp::CableFirst; r <= cp::CableLast; ++r)
        for (int c = 1; c <= 5; ++c) {
            if (r == cables.endRow && c == 1)
                continue;
            EXPECT_FALSE(isEndMarker(data().at(c, r))) << where(c, r) << " would end the loading of the cable rows";
            if (r > cables.endRow)
                EXPECT_TRUE(data().at(c, r).isEmpty()) << where(c, r) << " stands after END";
        }
}

TEST(CablePipeData, EveryListedNameIsACableRow)
{
    QSet<QString> names;
    for (int r : cableRows().rows)
        names.insert(data().at(1, r));
    for (bool eco : {false, true})
        for (int kind = 1; kind <= 5; ++kind) {
            const QStringList list = cableNameList(data(), CableKind(kind), eco);
            int listed = 0;
            for (int i = 0; i < list.size(); ++i) {
                if (list[i].isEmpty())
                    continue;
                ++listed;
                EXPECT_TRUE(names.contains(list[i])) << (eco ? "eco" : "general") << " list " << kind << " entry " << i + 1 << " \""
                                                     << list[i].toStdString() << "\" is no cable row";
            }
            EXPECT_GT(listed, 0) << (eco ? "eco" : "general") << " list " << kind << " is empty";
        }
}

// The search by a family name passes over the sub-type rows that follow a match, up to 30 in a
// row, and lists the row it lands on whatever its name. The data must be laid out so that the
// search lists exactly the family's own rows: each run of sub-types is at most 30 rows long and
// is followed by a row of the family.
namespace {

struct Skip
{
    int queryClass;
    const char *prefix;
};

const Skip kSubtypeSkip[] = {
    {1, "CVT"}, {1, "CVD"}, {1, "CVV"}, {1, "CVQ"}, {2, "CVVS"}, {3, "CPEVS"}, {1, "FPT"}, {1, "FPD"}, {1, "FPQ"},
    {1, "6KVCVT"}, {1, "6KVFPT"}, {1, "EM-CET"}, {1, "EM-CED"}, {1, "EM-CEE"}, {1, "EM-CEQ"}, {2, "EM-CEES"},
    {3, "EM-CPEES"}, {1, "EM-FPT"}, {1, "EM-FPD"}, {1, "EM-FPQ"}, {1, "6KVEM-CET"}, {1, "6KVEM-FPT"},
};

struct FamilyQuery
{
    const char *text;
    int queryClass;
};

const FamilyQuery kFamilyQueries[] = {
    {"CV", 1}, {"FP", 1}, {"6KVCV", 1}, {"6KVFP", 1}, {"EM-CE", 1}, {"EM-FP", 1}, {"6KVEM-CE", 1},
    {"6KVEM-FP", 1}, {"CVV", 2}, {"EM-CEE", 2}, {"CPEV", 3}, {"EM-CPEE", 3},
};

bool beginsWith(const QString &name, const char *prefix) { return sameText(name.left(int(qstrlen(prefix))), QString::fromLatin1(prefix)); }

bool isSubtype(const QString &name, int queryClass)
{
    for (const Skip &s : kSubtypeSkip)
        if (s.queryClass == queryClass && beginsWith(name, s.prefix))
            return true;
    return false;
}

QStringList searchListing(const FamilyQuery &q, int endRow)
{
    QStringList listed;
    for (int r = cp::CableFirst; r < endRow; ++r) {
        if (!beginsWith(data().at(1, r), q.text))
            continue;
        for (int step = 0; step < 30 && r < endRow && isSubtype(data().at(1, r), q.queryClass); ++step)
            ++r;
        listed.append(data().at(1, r));
    }
    return listed;
}

} // namespace

TEST(CablePipeData, FamilySearchesListExactlyTheFamilysOwnRows)
{
    const CableRows cables = cableRows();
    for (const FamilyQuery &q : kFamilyQueries) {
        QStringList own;
        for (int r : cables.rows)
            if (beginsWith(data().at(1, r), q.text) && !isSubtype(data().at(1, r), q.queryClass))
                own.append(data().at(1, r));
        EXPECT_EQ(searchListing(q, cables.endRow).join(QLatin1Char(' ')).toStdString(), own.join(QLatin1Char(' ')).toStdString())
            << "search \"" << q.text << "\"";
    }
}

namespace {

// The cable makers' common table of 600 V CV cables: finished outer diameter (mm) and weight
// (kg/km) of the rows the default data takes from it; a weight of 0 where the table's weight is
// not taken (the row's weight is estimated).
struct PublishedCv
{
    const char *name;
    double diameter;
    double weight;
};

const PublishedCv kPublishedCv[] = {
    {"CV5.5-1C", 8, 115},   {"CV8-1C", 8.6, 135},     {"CV14-1C", 9.4, 200},    {"CV22-1C", 11, 290},     {"CV38-1C", 13, 455},
    {"CV60-1C", 15.5, 685}, {"CV100-1C", 19, 1120},   {"CV150-1C", 22, 1600},   {"CV200-1C", 26, 2150},   {"CV250-1C", 28, 2670},
    {"CV325-1C", 31, 3410}, {"CV400-1C", 34, 4160},   {"CV500-1C", 38, 5190},   {"CV5.5-2C", 13.5, 235},  {"CV8-2C", 15, 300},
    {"CV38-2C", 24, 1020},  {"CV100-2C", 37, 2580},   {"CV150-2C", 43, 3710},   {"CV200-2C", 50, 4980},   {"CV250-2C", 54, 6140},
    {"CV325-2C", 60, 7820}, {"CV5.5-3C", 14.5, 300},  {"CV8-3C", 16, 380},      {"CV100-3C", 40, 3580},   {"CV150-3C", 46, 5180},
    {"CV200-3C", 54, 0},    {"CV250-3C", 58, 0},      {"CV325-3C", 65, 0},
};

// Cores laid together touch: their circumscribed circle spans 2 core diameters for two,
// 1 + 2/√3 for three and 1 + √2 for four.
struct Assembly
{
    const char *family;
    int cores;
    double span;
};

const Assembly kCvAssemblies[] = {{"CVT", 3, 2.155}, {"CVD", 2, 2}, {"CVQ", 4, 2.414}};

QString cableCell(const QString &name, int c)
{
    const int r = findCableRow(data(), name);
    return r ? data().at(c, r) : QString();
}

} // namespace

TEST(CablePipeData, CvRowsHoldThePublishedFigures)
{
    for (const PublishedCv &p : kPublishedCv) {
        const QString name = QString::fromLatin1(p.name);
        const int r = findCableRow(data(), name);
        ASSERT_NE(r, 0) << p.name;
        EXPECT_EQ(number(2, r).value_or(0), p.diameter) << where(2, r);
        if (p.weight > 0)
            EXPECT_EQ(number(5, r).value_or(0), p.weight) << where(5, r);
    }
}

TEST(CablePipeData, CvAssembliesAndEcoRowsFollowTheCvRows)
{
    // An assembly of single cores spans its cores' circle, to 0.1 mm, and weighs its cores. The
    // eco EM-CE rows are built like CV and carry the same figures.
    int assemblies = 0, ecoRows = 0;
    for (int r : cableRows().rows) {
        const QString name = data().at(1, r);
        for (const Assembly &a : kCvAssemblies) {
            const QString family = QString::fromLatin1(a.family);
            if (!name.startsWith(family))
                continue;
            const QString single = QStringLiteral("CV") + name.mid(family.size()) + QStringLiteral("-1C");
            ASSERT_FALSE(cableCell(single, 2).isEmpty()) << where(1, r) << ": no " << single.toStdString();
            ++assemblies;
            EXPECT_NEAR(number(2, r).value_or(0), std::round(a.span * Val(cableCell(single, 2)) * 10) / 10, 1e-9) << where(2, r);
            EXPECT_EQ(number(5, r).value_or(0), a.cores * Val(cableCell(single, 5))) << where(5, r);
        }
        if (name.startsWith(QLatin1String("EM-CE")) && !name.startsWith(QLatin1String("EM-CEE"))) {
            const QString cv = QStringLiteral("CV") + name.mid(5);
            if (findCableRow(data(), cv) == 0)
                continue;
            ++ecoRows;
            for (int c = 2; c <= 5; ++c)
                EXPECT_EQ(data().at(c, r).toStdString(), cableCell(cv, c).toStdString()) << where(c, r) << " against " << cv.toStdString();
        }
    }
    EXPECT_EQ(assemblies, 18);
    EXPECT_GE(ecoRows, 60);
}

TEST(CablePipeData, EveryCvSizeTheFeederListsOfferIsACable)
{
    // The feeder and voltage-drop windows offer the CV sizes of the allowable-current rows; each
    // must be a cable the conduit and rack windows can register.
    const TextTable dd = test::readDataText("CABLE-SIZE.txt", db::CableSize);
    int sizes = 0;
    for (int r = kb::cablesize::CvFirst; r <= kb::cablesize::CvLargestRow; ++r)
        for (int c : {1, 4}) {
            const QString name = dd.at(c, r);
            if (name.isEmpty())
                continue;
            ++sizes;
            EXPECT_NE(findCableRow(data(), name), 0) << "CABLE-SIZE row " << r << ": " << name.toStdString() << " is no cable row";
        }
    EXPECT_EQ(sizes, 26);
}
