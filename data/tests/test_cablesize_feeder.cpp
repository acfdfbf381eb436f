// Lint of the feeder rows of the default CABLE-SIZE: the settings rows, the motor
// design rows and their capacity list, the package row pairs and the conduit
// rows every design row and package rating looks up.

#include "conductorsizing.h"
#include "form7model.h"
#include "numtext.h"
#include "refdata.h"
#include "testenv.h"

#include <algorithm>
#include <cmath>
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

// The motor design rows of both classes: row, voltage text and voltage.
struct DesignRow
{
    int row;
    const char *voltageClass;
    double volts;
};

QList<DesignRow> designRows(const TextTable &dd)
{
    QList<DesignRow> rows;
    for (int r = cs::MotorDesign400First; r <= cs::MotorDesign200Last; ++r)
        if (!dd.at(1, r).isEmpty())
            rows.append({r, r <= cs::MotorDesign400Last ? "400V級" : "200V級", r <= cs::MotorDesign400Last ? 400.0 : 200.0});
    return rows;
}

// The two wire types of the motor window with the design-row columns of their size and length.
struct MotorWire
{
    const char *type;
    int sizeColumn;
};
const MotorWire kMotorWires[] = {{"IV", 3}, {"CV-3C", 5}};

// The conductor section of a size name: the IV solid wires 1.6 and 2.0 mm by their area.
double section(const QString &size)
{
    const QString t = size.startsWith(QLatin1String("CV")) ? size.mid(2).chopped(3) : size.chopped(2);
    return t == QLatin1String("1.6") ? 2.01 : t == QLatin1String("2.0") ? 3.14 : CDbl(t);
}

// The interior wiring code's one-motor branch-circuit table: rated current, CV size and its
// longest run (2 % drop).
struct PublishedMotor
{
    int row;
    const char *kw;
    double amps;
    const char *cv;
    int cvRun;
};

const PublishedMotor kPublishedMotors[] = {
    {11, "0.2", 0.9, "CV2-3C", 577},   {12, "0.4", 1.6, "CV2-3C", 325},   {13, "0.75", 2.4, "CV2-3C", 216},
    {14, "1.5", 4, "CV2-3C", 130},     {15, "2.2", 5.5, "CV2-3C", 94},    {16, "3.7", 8.7, "CV2-3C", 60},
    {17, "5.5", 13, "CV2-3C", 40},     {18, "7.5", 17, "CV2-3C", 30},     {19, "11", 24, "CV3.5-3C", 38},
    {20, "15", 32, "CV5.5-3C", 43},
    {31, "0.2", 1.8, "CV2-3C", 144},   {32, "0.4", 3.2, "CV2-3C", 81},    {33, "0.75", 4.8, "CV2-3C", 54},
    {34, "1.5", 8, "CV2-3C", 32},      {35, "2.2", 11.1, "CV2-3C", 23},   {36, "3.7", 17.4, "CV2-3C", 15},
    {37, "5.5", 26, "CV3.5-3C", 17},   {38, "7.5", 34, "CV5.5-3C", 20},   {39, "11", 48, "CV14-3C", 37},
    {40, "15", 65, "CV14-3C", 28},     {41, "18.5", 79, "CV22-3C", 36},   {42, "22", 93, "CV22-3C", 30},
    {43, "30", 124, "CV38-3C", 39},    {44, "37", 152, "CV60-3C", 51},
};

const PublishedMotor *publishedMotor(int row)
{
    for (const PublishedMotor &p : kPublishedMotors)
        if (p.row == row)
            return &p;
    return nullptr;
}

} // namespace

TEST(CableSizeFeeder, DesignRowsHoldThePublishedFigures)
{
    const TextTable dd = defaultCableSize();
    for (const PublishedMotor &p : kPublishedMotors) {
        EXPECT_EQ(dd.at(1, p.row), QLatin1String(p.kw)) << "row " << p.row;
        EXPECT_EQ(tryReadNumber(dd.at(2, p.row)).value_or(0), p.amps) << "row " << p.row;
        EXPECT_EQ(dd.at(5, p.row), QLatin1String(p.cv)) << "row " << p.row;
        EXPECT_EQ(tryReadNumber(dd.at(6, p.row)).value_or(0), p.cvRun) << "row " << p.row;
    }
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
    const QStringList cabtyreSeries{"0.75", "1.25", "2", "3.5", "5.5", "8", "14", "22", "30", "38", "60", "80", "100"};
    const QList<int> frames{30, 50, 100, 225, 400};
    QSet<QString> seen[2];
    for (const DesignRow &d : designRows(dd)) {
        const int r = d.row;
        const QString kw = dd.at(1, r);
        EXPECT_TRUE(list.contains(kw)) << "row " << r << ": " << kw.toStdString() << " is not in the capacity list";
        QSet<QString> &block = seen[r <= cs::MotorDesign400Last ? 0 : 1];
        EXPECT_FALSE(block.contains(kw)) << "row " << r;
        block.insert(kw);
        for (int c : {2, 4, 6, 8, 9, 19})
            ASSERT_TRUE(isNumber(dd.at(c, r))) << "row " << r << " column " << c;
        const QString iv = dd.at(3, r), cv = dd.at(5, r), earth = dd.at(11, r);
        EXPECT_TRUE(iv.endsWith(QLatin1String("X3")) && namedIn(dd, cs::IvFirst, cs::IvLargestRow, iv)) << "row " << r << ": " << iv.toStdString();
        EXPECT_TRUE(cv.startsWith(QLatin1String("CV")) && cv.endsWith(QLatin1String("-3C")) && namedIn(dd, cs::CvFirst, cs::CvLargestRow, cv))
            << "row " << r << ": " << cv.toStdString();
        EXPECT_FALSE(earth.isEmpty()) << "row " << r;
        EXPECT_TRUE(cabtyreSeries.contains(dd.at(7, r))) << "row " << r << ": cabtyre " << dd.at(7, r).toStdString() << " mm² is not made";

        // One trip serves both start methods: each frame must hold it, and the bond follows the frame.
        const double trip = CDbl(dd.at(19, r));
        for (int c : {8, 9}) {
            const double frame = CDbl(dd.at(c, r));
            EXPECT_TRUE(frames.contains(int(frame))) << "row " << r << " column " << c << ": " << frame << " AF";
            EXPECT_GE(frame, trip) << "row " << r << " column " << c << ": a " << frame << " AF frame under a " << trip << " AT trip";
        }
        EXPECT_EQ(dd.at(12, r), vd::bondSize(std::max(CDbl(dd.at(8, r)), CDbl(dd.at(9, r))))) << "row " << r;

        // The length that goes with a size is a run on which it drops at most 2 % of the
        // voltage (the published lengths to the table's rounding). An estimated length is the
        // longest such run in whole metres, both on the real section and as the motor window
        // works the drop out, on the whole mm² (2.0 mm counts 3), so the window never shows
        // more than 2 % on it and a changed rated current changes it.
        const double amps = CDbl(dd.at(2, r));
        const PublishedMotor *published = publishedMotor(r);
        for (const MotorWire &w : kMotorWires) {
            const QString size = dd.at(w.sizeColumn, r);
            const bool estimated = w.sizeColumn == 3 || !published;
            const double run = CDbl(dd.at(w.sizeColumn + 1, r));
            const auto drop = [&](double metres, double area) { return vd::koukaKeisuu::ThreePhaseThreeWire * metres * amps / (1000 * area); };
            bool longer = false; // one metre more drops over 2 %
            for (const double area : {section(size), double(CInt(section(size)))}) {
                EXPECT_LE(drop(run, area), (estimated ? 0.02 : 0.0202) * d.volts + 1e-9)
                    << "row " << r << ": " << size.toStdString() << " on " << run << " m, " << area << " mm²";
                longer = longer || drop(run + 1, area) > 0.02 * d.volts + 1e-9;
                if (!estimated)
                    break;
            }
            if (estimated)
                EXPECT_TRUE(longer) << "row " << r << ": " << size.toStdString() << " holds 2 % on " << run + 1 << " m too";
        }
    }
}

TEST(CableSizeFeeder, EveryMotorSizeAndTheSizesARecalculationClimbsToHaveAConduitRow)
{
    // A recalculation on a longer run keeps the size; one on half the drop doubles the section
    // and climbs the size ladder to the first size at or above it (one further when it is exactly
    // twice: a drop rounded to 0.01 V tips it over). Each such size finds its conduit with the
    // design row's earth, and names a star-delta secondary wire that carries the phase current.
    const TextTable dd = defaultCableSize();
    const double root3 = vd::kRoot3;
    for (const DesignRow &d : designRows(dd))
        for (const MotorWire &w : kMotorWires) {
            const vd::WireType *type = vd::findWireType(QString::fromLatin1(w.type), false);
            ASSERT_NE(type, nullptr);
            const QString design = dd.at(w.sizeColumn, d.row), earth = dd.at(11, d.row);
            const int twice = 2 * vd::DENSEN_SUCHI(*type, design, true);
            QStringList climbed{design};
            const QStringList ladder = vd::sizeList(*type);
            for (int i = 0; i < ladder.size(); ++i) {
                if (section(ladder[i]) <= section(design))
                    continue;
                climbed << ladder[i];
                if (section(ladder[i]) >= twice) {
                    if (section(ladder[i]) == twice && i + 1 < ladder.size())
                        climbed << ladder[i + 1];
                    break;
                }
            }
            for (const QString &size : climbed) {
                const int r = conduitRow(dd, 151, cs::WireConduit3Last, size, earth);
                EXPECT_NE(r, 0) << "row " << d.row << ": no conduit for " << size.toStdString() << " with earth " << earth.toStdString();
                if (r == 0)
                    continue;
                const vd::AllowableScan scan{1, 2, true};
                const double primary = vd::allowableCurrent(dd, size, scan);
                const double secondary = vd::allowableCurrent(dd, dd.at(8, r), scan);
                EXPECT_GE(secondary * root3, primary) << "row " << r << ": " << dd.at(8, r).toStdString() << " is too small a secondary for "
                                                      << size.toStdString();
            }
        }
}

TEST(CableSizeFeeder, EveryDesignRowCalculatesInEachLayingAndStartMethod)
{
    // The first calculation of every design row, as the motor window makes it. The one box a
    // design size may raise is the window's own allowable-current warning; these rows raise it
    // (conduit: thin or thick steel alike).
    const QSet<QString> warned{
        // published CV sizes: in conduit, and on a rack
        "400V級 7.5 CV-3C conduit", "400V級 11 CV-3C conduit", "200V級 3.7 CV-3C conduit", "200V級 5.5 CV-3C conduit",
        "200V級 7.5 CV-3C conduit", "200V級 11 CV-3C conduit", "200V級 15 CV-3C conduit", "200V級 18.5 CV-3C conduit",
        "200V級 22 CV-3C conduit", "200V級 30 CV-3C conduit", "200V級 37 CV-3C conduit",
        "200V級 15 CV-3C RACK", "200V級 22 CV-3C RACK", "200V級 30 CV-3C RACK", "200V級 37 CV-3C RACK",
        // estimated CV sizes of the 400 V rows, by the table's basis (in air, 1.1 times above 50 A)
        "400V級 15 CV-3C conduit", "400V級 18.5 CV-3C conduit", "400V級 30 CV-3C conduit", "400V級 37 CV-3C conduit",
        "400V級 45 CV-3C conduit", "400V級 55 CV-3C conduit", "400V級 75 CV-3C conduit", "400V級 30 CV-3C RACK",
        // no IV row: the IV sizes are chosen to pass the window's test
    };
    const TextTable dd = defaultCableSize();
    const QString conduitWarning = QStringLiteral("電線が配管時の許容電流を超えています。サイズを上げるかラック配線にして下さい。");
    const QString rackWarning = QStringLiteral("電線が許容電流を超えています。サイズを上て下さい。");
    QSet<QString> found;
    for (const DesignRow &d : designRows(dd))
        for (const MotorWire &w : kMotorWires)
            for (const char *laying : {"C", "G", "RACK"})
                for (const char *start : {"直入れ", "ｽﾀｰﾃﾞﾙﾀ"}) {
                    const QString kw = dd.at(1, d.row);
                    if (CDbl(kw) < 5.5 && QByteArray(start) != "直入れ")
                        continue; // the class limits refuse a small star-delta motor
                    const QString what = QStringLiteral("%1 %2 %3 %4").arg(QString::fromUtf8(d.voltageClass), kw, QLatin1String(w.type),
                                                                           QLatin1String(QByteArray(laying) == "RACK" ? "RACK" : "conduit"));
                    test::TestFolder folder;
                    feeder::Form7Model m;
                    m.DD = dd;
                    m.readSettings();
                    m.KEISAN_MODE = QStringLiteral("SEKKEI");
                    m.DENSEN_SHUBETU = QLatin1String(w.type);
                    m.FUSETU_HOUHOU = QLatin1String(laying);
                    m.Combo1 = kw;
                    m.Combo2 = QString::fromUtf8(d.voltageClass);
                    m.Combo3 = QString::fromUtf8(start);
                    m.Text2 = QStringLiteral("1");
                    m.Command1_Click();
                    const std::string where = what.toStdString() + " " + start;
                    for (const QString &box : folder.messages()) {
                        EXPECT_TRUE(box == conduitWarning || box == rackWarning) << where << ": " << box.toStdString();
                        if (box == conduitWarning || box == rackWarning)
                            found.insert(what);
                    }
                    EXPECT_EQ(m.Combo4, dd.at(w.sizeColumn, d.row)) << where;
                    EXPECT_FALSE(m.Combo5.isEmpty()) << where << ": no drop";
                    if (QByteArray(laying) != "RACK")
                        EXPECT_FALSE(m.Label7.isEmpty()) << where << ": no conduit";
                    // The breaker as the window shows it: the frame holds the trip.
                    EXPECT_GE(Val(m.Label10), Val(m.Label11)) << where << ": " << m.Label10.toStdString() << " / " << m.Label11.toStdString();
                }
    QStringList unexpected, missing;
    for (const QString &w : found)
        if (!warned.contains(w))
            unexpected << w;
    for (const QString &w : warned)
        if (!found.contains(w))
            missing << w;
    EXPECT_TRUE(unexpected.isEmpty()) << "warns, not listed: " << unexpected.join(", ").toStdString();
    EXPECT_TRUE(missing.isEmpty()) << "listed, does not warn: " << missing.join(", ").toStdString();
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
