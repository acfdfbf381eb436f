// The conductor-sizing routines and their constant tables, value in, value out.

#include "conductorsizing.h"
#include "numtext.h"
#include "refdata.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::vd;

namespace {

const WireType &wire(const char *type, bool twoCore)
{
    const WireType *w = findWireType(QString::fromLatin1(type), twoCore);
    EXPECT_NE(w, nullptr) << type;
    return *w;
}

} // namespace

TEST(SizeNames, WireTypesOfEachWindowFamily)
{
    EXPECT_EQ(wireTypes(true).size(), 3u);
    EXPECT_EQ(wireTypes(false).size(), 4u);
    EXPECT_EQ(findWireType(QStringLiteral("CVT"), true), nullptr);
    EXPECT_NE(findWireType(QStringLiteral("ｃｖ－３ｃ"), false), nullptr);
    EXPECT_EQ(sizeList(wire("CV-2C", true)),
              QStringList({"CV3.5-2C", "CV5.5-2C", "CV8-2C", "CV14-2C", "CV22-2C", "CV38-2C", "CV60-2C", "CV100-2C",
                           "CV150-2C", "CV200-2C", "CV250-2C", "CV325-2C"}));
    EXPECT_EQ(sizeList(wire("IV", false)).first(), QStringLiteral("3.5X3"));
    EXPECT_EQ(sizeList(wire("FP-2C", true)).last(), QStringLiteral("FP325-2C"));
    const QStringList cvt = sizeList(wire("CVT", false));
    EXPECT_EQ(cvt.size(), 9); // 14 to 325
    EXPECT_EQ(cvt.first(), QStringLiteral("CVT14"));
}

TEST(SizeNames, SaizuChoseiClimbsTheLadderOfTheWireType)
{
    struct Case { const char *type; bool twoCore; double x; const char *name; };
    const Case cases[] = {
        {"IV", true, 0, "3.5X2"},      {"IV", true, -7, "3.5X2"},    {"IV", true, 3, "3.5X2"},
        {"IV", true, 4, "5.5X2"},      {"IV", true, 251, "325X2"},   {"IV", true, 325, "325X2"},
        {"CV-2C", true, 2, "CV2-2C"},  {"CV-2C", true, 3, "CV3.5-2C"}, {"CV-2C", true, 0, "CV2-2C"},
        {"FP-2C", true, 1, "FP2-2C"},  {"FP-2C", true, 8, "FP8-2C"},   {"FP-2C", true, 9, "FP14-2C"},
        {"IV", false, 0, "3.5X3"},     {"IV", false, 300, "325X3"},    {"CV-3C", false, -1, "CV2-3C"},
        {"FP-3C", false, 2, "FP2-3C"}, {"FP-3C", false, 150, "FP150-3C"},
        {"CVT", false, 0, "CVT8"},     {"CVT", false, 5, "CVT8"},      {"CVT", false, 9, "CVT14"},
        {"CVT", false, 325, "CVT325"},
    };
    for (const Case &c : cases) {
        const auto name = SAIZU_CHOSEI(wire(c.type, c.twoCore), c.x);
        ASSERT_TRUE(name.has_value()) << c.type << " " << c.x;
        EXPECT_EQ(*name, QString::fromUtf8(c.name)) << c.type << " " << c.x;
    }
    for (const WireType &w : wireTypes(false))
        EXPECT_FALSE(SAIZU_CHOSEI(w, 326).has_value()) << w.type;
    EXPECT_FALSE(SAIZU_CHOSEI(wire("IV", true), 326).has_value());
}

TEST(SizeNames, DensenSuchiReadsTheSectionOfANameOfTheCurrentType)
{
    struct Case { const char *type; bool twoCore; const char *name; int section; };
    const Case cases[] = {
        {"IV", false, "3.5X3", 4},      {"IV", true, "8X2", 8},          {"IV", true, "325X2", 325},
        {"CV-2C", true, "CV5.5-2C", 6}, {"CV-2C", true, "CV2-2C", 2},    {"CV-2C", true, "cv14-2c", 14},
        {"CV-2C", true, "ＣＶ１４－２Ｃ", 14}, {"CVT", false, "CVT8", 8},  {"CVT", false, "CVT100", 100},
        {"CV-3C", false, "CV325-3C", 325}, {"FP-3C", false, "FP2-3C", 2}, {"FP-2C", true, "FP3.5-2C", 4},
        {"IV", false, "400X3", 400},    {"IV", false, "2.0X3", 2},       {"IV", false, "1.6X3", 2},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DENSEN_SUCHI(wire(c.type, c.twoCore), QString::fromUtf8(c.name)), c.section) << c.name;

    // The motor feeder counts the solid wires by their section.
    EXPECT_EQ(DENSEN_SUCHI(wire("IV", false), QStringLiteral("2.0X3"), true), 3);
    EXPECT_EQ(DENSEN_SUCHI(wire("IV", false), QStringLiteral("1.6X3"), true), 2);
    EXPECT_EQ(DENSEN_SUCHI(wire("IV", false), QStringLiteral("5.5X3"), true), 6);

    // Not a name of the type: never the section of an earlier calculation.
    const struct { const char *type; bool twoCore; const char *name; } refused[] = {
        {"IV", false, ""},          {"IV", false, "1000X3"},  {"IV", false, "400"},      {"IV", false, "22"},
        {"IV", false, "5.5X2"},     {"IV", false, "AX3"},     {"IV", false, "0X3"},      {"CV-2C", true, "CV14-3C"},
        {"CV-2C", true, "FP14-2C"}, {"CV-2C", true, "CV-5-2C"}, {"CV-2C", true, "CV1000-2C"}, {"CVT", false, "CVT"},
        {"CVT", false, "CVT12345"}, {"CVT", false, "CV14-3C"},
    };
    for (const auto &c : refused)
        EXPECT_THROW(DENSEN_SUCHI(wire(c.type, c.twoCore), QString::fromUtf8(c.name)), Failure) << c.name;
}

TEST(LoadCurrentAndDrop, WorkedExamples)
{
    EXPECT_EQ(FUKA_DENRYU(1, 1, 105), 9.5);                 // 95.238… tenths cut to 95
    EXPECT_EQ(FUKA_DENRYU(2, 1, readVoltage("210V/105V", VoltageRead::FirstThree)), 9.5);
    EXPECT_EQ(FUKA_DENRYU(10, 0.65, readVoltage("210V", VoltageRead::WholeTimesRoot3)), 42.2);
    EXPECT_EQ(FUKA_DENRYU(0.55, 0.55, 100), 10);            // exactly 100 tenths, not 99
    EXPECT_EQ(FUKA_DENRYU(1.5, 1, 105), 14.2);
    EXPECT_THROW(FUKA_DENRYU(1, 0, 105), Failure);
    EXPECT_THROW(FUKA_DENRYU(1, 1, 0), Failure);
    EXPECT_THROW(FUKA_DENRYU(400, 1, 100), Overflow);       // 4000 A is above 3276.7 A
    EXPECT_EQ(FUKA_DENRYU(327.67, 1, 100), 3276.7);

    EXPECT_EQ(DENATU_KOUKA(50, 40, 22, koukaKeisuu::SinglePhaseTwoWire), 3.2);
    EXPECT_EQ(DENATU_KOUKA(100, 42.2, 14, koukaKeisuu::ThreePhaseThreeWire), 9.3);
    EXPECT_EQ(DENATU_KOUKA(30, 14.2, 6, koukaKeisuu::DirectCurrent), 2.5);
    EXPECT_EQ(DENATU_KOUKA(30, 14.2, 14, koukaKeisuu::DirectCurrent), 1.1);
    EXPECT_EQ(DENATU_KOUKA(100, 50, 22, koukaKeisuu::ThreePhaseThreeWire, 100), 7);   // motor feeder: to 0.01 V
    EXPECT_EQ(DENATU_KOUKA(123, 47, 22, koukaKeisuu::ThreePhaseThreeWire, 100), 8.09);
    EXPECT_THROW(DENATU_KOUKA(50, 40, 0, 35.6), Failure);
    EXPECT_THROW(DENATU_KOUKA(1000, 3000, 2, 35.6), Overflow);

    EXPECT_EQ(KOUKA_LITU(3.2, 105), 3.05);
    EXPECT_EQ(KOUKA_LITU(9.3, 210), 4.43);
    EXPECT_EQ(KOUKA_LITU(2.5, 105), 2.38);
    EXPECT_EQ(KOUKA_LITU(7, 200), 3.5);
    EXPECT_THROW(KOUKA_LITU(3.2, 0), Failure);

    EXPECT_EQ(backCalculatedSection(30, 14.2, 1.5, 35.6), 10);
    EXPECT_EQ(backCalculatedSection(30, 14.2, 1.05, 35.6), 14);
    EXPECT_THROW(backCalculatedSection(30, 14.2, 0, 35.6), Failure);
}

TEST(LoadCurrentAndDrop, VoltageReads)
{
    EXPECT_EQ(readVoltage("105V", VoltageRead::Whole), 105);
    EXPECT_EQ(readVoltage("1050V", VoltageRead::FirstThree), 105);
    EXPECT_EQ(readVoltage("210V/105V", VoltageRead::FirstThree), 210);
    EXPECT_DOUBLE_EQ(readVoltage("200V", VoltageRead::WholeTimesRoot3), 346.41);
    EXPECT_EQ(readVoltage("", VoltageRead::Whole), 0);
}

TEST(LengthBands, LimitsAndMessagesBySupplyType)
{
    struct Case { const char *supply; double L; double limit; const char *message; };
    const Case cases[] = {
        {"TODEN", 60, 0, nullptr},
        {"TODEN", 60.5, 4, "電線長さ６０ｍを超え１２０ｍ以下は降下率４％迄です。"},
        {"TODEN", 120, 4, "電線長さ６０ｍを超え１２０ｍ以下は降下率４％迄です。"},
        {"TODEN", 121, 5, "電線長さ１２０ｍを超え２００ｍ以下は降下率５％迄です。"},
        {"TODEN", 200, 5, "電線長さ１２０ｍを超え２００ｍ以下は降下率５％迄です。"},
        {"TODEN", 200.1, 6, "電線長さ２００ｍ超は降下率６％迄です。"},
        {"JIKAYO", 100, 5, "電線長さ６０ｍを超え１２０ｍ以下は降下率５％迄です。"},
        {"jikayo", 150, 6, "電線長さ１２０ｍを超え２００ｍ以下は降下率６％迄です。"},
        {"JIKAYO", 5000, 7, "電線長さ２００ｍ超は降下率７％迄です。"},
        {"JIKAYO", 0, 0, nullptr},
        {"OTHER", 500, 0, nullptr},
    };
    for (const Case &c : cases) {
        const LengthBand *band = lengthBand(QString::fromUtf8(c.supply), c.L);
        if (!c.message) {
            EXPECT_EQ(band, nullptr) << c.supply << " " << c.L;
            continue;
        }
        ASSERT_NE(band, nullptr) << c.supply << " " << c.L;
        EXPECT_EQ(band->limit, c.limit);
        EXPECT_EQ(band->message, QString::fromUtf8(c.message));
    }
}

TEST(Breaker, TripFrameGroundingAndBonding)
{
    EXPECT_EQ(tripText(MCB_SAIZUAT(20)), QStringLiteral("22AT"));
    EXPECT_EQ(tripText(MCB_SAIZUAT(9)), QStringLiteral("10AT"));
    EXPECT_EQ(tripText(MCB_SAIZUAT(8)), QStringLiteral("9AT"));
    EXPECT_EQ(tripText(MCB_SAIZUAT(100)), QStringLiteral("110AT"));
    EXPECT_EQ(tripText(MCB_SAIZUAT(1000)), QStringLiteral("1100AT"));
    EXPECT_EQ(MCB_SAIZUAT(14.2), 16);
    EXPECT_EQ(MCB_SAIZUAT(55), 60);     // 60.5 to even
    EXPECT_THROW(MCB_SAIZUAT(30000), Overflow);

    EXPECT_EQ(breakerFrameText(20), QStringLiteral("20AF"));
    EXPECT_EQ(breakerFrameText(21), QStringLiteral("30AF"));
    EXPECT_EQ(breakerFrameText(601), QStringLiteral("800AF"));
    EXPECT_EQ(breakerFrameText(2000), QStringLiteral("2000AF"));
    EXPECT_EQ(breakerFrameText(2001), QStringLiteral("2000AF以上"));

    // The rating of the grounding wire: trips of 10..999 A as they are, others give way to the allowable current.
    EXPECT_EQ(earthRating(QStringLiteral("10AT"), 40), 10);
    EXPECT_EQ(earthRating(QStringLiteral("110AT"), 40), 110);
    EXPECT_EQ(earthRating(QStringLiteral("9AT"), 40), 40);
    EXPECT_EQ(earthRating(QStringLiteral("1100AT"), 900), 900);
    EXPECT_EQ(earthRating(QString(), 7), 7);
    EXPECT_THROW(earthRating(QStringLiteral("AAAT"), 7), Failure);

    const struct { int rating; const char *size; } earth[] = {
        {0, "2"},    {30, "2"},     {31, "3.5"},   {50, "3.5"},  {100, "5.5"}, {110, "8"},   {150, "8"},
        {200, "14"}, {400, "22"},   {600, "38"},   {1000, "60"}, {1200, "100"}, {1600, "100"}, {2000, "150"},
        {2001, "200以上"},
    };
    for (const auto &e : earth)
        EXPECT_EQ(earthSize(e.rating), QString::fromUtf8(e.size)) << e.rating;

    const struct { double frame; const char *bond; } bonds[] = {
        {20, "2.0"}, {100, "2.0"}, {150, "5.5"}, {225, "5.5"}, {400, "14"}, {600, "14"}, {800, ""}, {2000, ""},
    };
    for (const auto &b : bonds)
        EXPECT_EQ(bondSize(b.frame), QString::fromUtf8(b.bond)) << b.frame;

    EXPECT_TRUE(frameTripMismatch(20, 20));
    EXPECT_FALSE(frameTripMismatch(20, 19));
}

TEST(AllowableCurrent, WarningsAndMaximumLoad)
{
    EXPECT_EQ(currentWarning(30, 30), CurrentWarning::OverCurrent);
    EXPECT_EQ(currentWarning(0, 5), CurrentWarning::OverCurrent);
    EXPECT_EQ(currentWarning(30, 28), CurrentWarning::Growth);   // 30.8 ≥ 30
    EXPECT_EQ(currentWarning(30, 27), CurrentWarning::None);     // 29.7 < 30
    EXPECT_EQ(currentWarning(11, 10), CurrentWarning::Growth);   // 1.1 × 10 equals 11 exactly
    EXPECT_EQ(warningText(CurrentWarning::OverCurrent), QStringLiteral("電線の許容電流を超えています。サイズを変更して下さい。"));
    EXPECT_EQ(warningText(CurrentWarning::Growth), QStringLiteral("負荷増設時に電線の許容電流を超えるおそれがあります。"));

    EXPECT_EQ(maxLoad(105, 30, 0.8), 2.5);
    EXPECT_EQ(maxLoad(readVoltage("210V", VoltageRead::WholeTimesRoot3), 30, 1), 10.9);
    EXPECT_EQ(maxLoad(100, 110, 0.7), 7.7);
    EXPECT_EQ(maxLoad(105, 49, 1), 5.1);
    EXPECT_THROW(maxLoad(1000, 30000, 1), Overflow);
}

TEST(AllowableCurrent, ChoiceAndLookUpOverTheRows)
{
    TextTable DD = emptyTable(db::CableSize);
    // A two-core CV block: 27, 30 and 37 A on the rack, then the largest size.
    const struct { int row; const char *name; const char *conduit; const char *rack; } rows[] = {
        {271, "CV2-2C", "22", "27"}, {272, "CV3.5-2C", "25", "30"}, {273, "CV5.5-2C", "31", "37"},
        {284, "CV325-2C", "514", "650"}, {290, "CV5.5-2C", "", "x"},
    };
    for (const auto &r : rows) {
        DD.set(4, r.row, QString::fromLatin1(r.name));
        DD.set(5, r.row, QString::fromLatin1(r.conduit));
        DD.set(6, r.row, QString::fromLatin1(r.rack));
    }
    const WireType &cv = wire("CV-2C", true);
    const int rack = currentColumn(cv, layingOf(QStringLiteral("RACK")));
    EXPECT_EQ(rack, 6);
    EXPECT_EQ(currentColumn(cv, layingOf(QStringLiteral("G"))), 5);
    EXPECT_EQ(currentColumn(cv, layingOf(QStringLiteral("X"))), 0);
    EXPECT_EQ(currentColumn(wire("IV", true), Laying::Rack), 5);
    EXPECT_EQ(currentColumn(wire("IV", false), Laying::Rack), 2);
    EXPECT_EQ(currentColumn(wire("CVT", false), Laying::Rack), 3);

    // 30.4 A rounds to 30; 30 is not above 30, so the 37 A size.
    EXPECT_EQ(DENSEN_SAIZU(DD, cv, rack, CInt(30.4)), std::optional<QString>("CV5.5-2C"));
    EXPECT_EQ(DENSEN_SAIZU(DD, cv, rack, CInt(30.5)), std::optional<QString>("CV5.5-2C"));
    EXPECT_EQ(DENSEN_SAIZU(DD, cv, rack, 26), std::optional<QString>("CV2-2C"));
    EXPECT_EQ(DENSEN_SAIZU(DD, cv, rack, 649), std::optional<QString>("CV325-2C"));
    EXPECT_FALSE(DENSEN_SAIZU(DD, cv, rack, 650).has_value());

    // The last row of a name wins; the strict read refuses its unreadable cell, the prefix read gives 0.
    EXPECT_THROW(allowableCurrent(DD, QStringLiteral("CV5.5-2C"), {4, 6, true}), Failure);
    EXPECT_EQ(allowableCurrent(DD, QStringLiteral("cv5.5-2c"), {4, 6, false}), 0);
    EXPECT_EQ(allowableCurrent(DD, QStringLiteral("CV3.5-2C"), {4, 6, true}), 30);
    EXPECT_EQ(allowableCurrent(DD, QStringLiteral("CV3.5-2C"), {4, 5, false}), 25);
    EXPECT_THROW(allowableCurrent(DD, QStringLiteral("CV14-2C"), {4, 6, false}), Failure);
    EXPECT_THROW(allowableCurrent(DD, QString(), {4, 6, false}), Failure);
}
