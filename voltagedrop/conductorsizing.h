#pragma once

// The conductor-sizing routines of the voltage-drop and feeder calculators and
// the constant tables they share: standard sizes and size names, wire size from
// the allowable-current rows, load current, voltage drop and drop rate, the
// length-band limits, breaker frame and trip, grounding and bonding wires.
//
// Each routine takes values and returns values; a routine that cannot give a
// result throws kb::Failure (kb::Overflow for a 16-bit overflow). Reading the
// window's texts, and the box each failure shows, are the caller's business.

#include "failure.h"
#include "texttable.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace kb::vd {

// ---- Constants -------------------------------------------------------------

// HYOUJUN_SAIZU: the standard conductor cross-sections in mm², ascending.
inline constexpr std::array<double, 13> HYOUJUN_SAIZU{2, 3.5, 5.5, 8, 14, 22, 38, 60, 100, 150, 200, 250, 325};
inline constexpr double kLargestSize = 325;

// √3 as the calculators take it.
inline constexpr double kRoot3 = 1.73205;

// KOUKA_KEISUU: K in e = K × L × I ÷ (1000 × A).
namespace koukaKeisuu {
inline constexpr double SinglePhaseTwoWire = 35.6;
inline constexpr double DirectCurrent = 35.6;
inline constexpr double SinglePhaseThreeWire = 17.8;
inline constexpr double ThreePhaseThreeWire = 30.8;
} // namespace koukaKeisuu

// The messages of the sizing routines.
namespace msg {
inline const QString OverSize = QStringLiteral("サイズをオーバーしました、325m㎡以下にして下さい。");
inline const QString LoadTooLarge = QStringLiteral("負荷を小さくして下さい");
inline const QString OverCurrent = QStringLiteral("電線の許容電流を超えています。サイズを変更して下さい。");
inline const QString Growth = QStringLiteral("負荷増設時に電線の許容電流を超えるおそれがあります。");
inline const QString FrameTrip = QStringLiteral("遮断器のフレームとトリップが合いません。");
} // namespace msg

// ---- Supply voltage ----------------------------------------------------------

// How a window reads its supply-voltage text for one formula.
enum class VoltageRead {
    Whole,          // numeric prefix of the whole text: "105V" -> 105
    FirstThree,     // numeric prefix of the first three characters: "210V/105V" -> 210
    WholeTimesRoot3 // numeric prefix of the whole text times 1.73205 (three-phase)
};
double readVoltage(const QString &text, VoltageRead how);

// ---- Wire types and size names -------------------------------------------------

// One wire type (DENSEN_SHUBETU) of a window: the form of its size names, the
// ladder SAIZU_CHOSEI climbs and its block of allowable-current rows.
struct WireType
{
    const char *type;    // "IV", "CV-2C", "CVT" ...
    const char *prefix;  // before the size: "", "CV", "FP", "CVT"
    const char *suffix;  // after the size: "X2", "-3C", ""
    double lowestRung;   // the size SAIZU_CHOSEI names for any x at or below it
    double firstListed;  // the first size of the menu's size list
    int maxDigits;       // longest size text the name may hold (DENSEN_SUCHI's length rule)
    int blockFirst;      // first allowable-current row of the type
    int largestRow;      // the row that holds the type's largest size
    bool twoCore;        // names and currents of the two-core columns (4, 5, 6), else (1, 2, 3)
    bool conduitOnly;    // IV: the conduit current whatever the laying
};

// The wire types of the two-core windows ("IV", "CV-2C", "FP-2C") and of the
// three-core windows ("IV", "CV-3C", "CVT", "FP-3C").
std::span<const WireType> wireTypes(bool twoCore);
// The wire type of that name (case and width ignored), or null.
const WireType *findWireType(const QString &type, bool twoCore);

// The decimal text of a size: "3.5", "14".
QString sizeText(double size);
// The size name of a standard size: "CV14-2C", "5.5X3", "CVT60".
QString sizeName(const WireType &wire, double size);
// The names of the wire type's size list, from its first listed size to 325.
QStringList sizeList(const WireType &wire);

// SAIZU_CHOSEI: the name of the next standard size at or above x on the wire
// type's ladder; nullopt when x is above 325 (the over-size message).
std::optional<QString> SAIZU_CHOSEI(const WireType &wire, double x);

// DENSEN_SUCHI: the cross-section in whole mm² (half to even: "3.5" gives 4)
// of a size name of the wire type. A text without the type's name form (prefix,
// a positive number, suffix; case and width ignored) or longer than the form
// allows throws Failure. With solidWires, the IV solid-wire sizes count by their
// section: "1.6" as 2.01 and "2.0" as 3.14 mm² (the motor feeder's rule).
int16_t DENSEN_SUCHI(const WireType &wire, const QString &name, bool solidWires = false);

// ---- Allowable currents (AllowableCurrentRow, CABLE-SIZE rows 222..290) -----------

enum class Laying { Rack, Conduit, Unknown };
// FUSETU_HOUHOU: "RACK" the cable rack, "C" and "G" conduit.
Laying layingOf(const QString &fusetuHouhou);
// The current column of the wire type for the laying; 0 for an unknown laying.
int currentColumn(const WireType &wire, Laying laying);
// The size-name column of the two-core or three-core names.
inline int nameColumn(bool twoCore) { return twoCore ? 4 : 1; }

// DENSEN_SAIZU: the smallest size of the block whose current in the column is
// above the rounded load current a (compared strictly: a current equal to a is
// not enough); nullopt when even the largest-size row's current is not above a.
std::optional<QString> DENSEN_SAIZU(const TextTable &DD, const WireType &wire, int column, int16_t a);

// Where KYOYOU_CHECK looks for a size name.
struct AllowableScan
{
    int nameColumn;
    int currentColumn;
    bool strict;        // the current cell read strictly, else by its numeric prefix
    int firstRow = 222;
    int lastRow = 350;
};

// KYOYOU_CHECK's look-up: the current of the last row naming the size (case and
// width ignored), rounded half to even. A name that no row holds (or an empty
// name) throws Failure, as does an unreadable current under the strict read.
int16_t allowableCurrent(const TextTable &DD, const QString &name, const AllowableScan &scan);

// Maximum load in kW: floor(x × Ia × pf ÷ 100) ÷ 10, the floor a 16-bit count.
double maxLoad(double x, double Ia, double pf);

enum class CurrentWarning { None, OverCurrent, Growth };
// Over-current when Ia ≤ I; otherwise the growth warning when 1.1 × I ≥ Ia and 0.9 × Ia < I.
CurrentWarning currentWarning(double Ia, double I);
QString warningText(CurrentWarning w);

// ---- Load current, drop and drop rate ------------------------------------------

// FUKA_DENRYU: I = floor(P × 1000 × 10 ÷ (pf × V)) ÷ 10 A, the floor a 16-bit count.
// V is the voltage as the window reads it (already times √3 in three-phase).
double FUKA_DENRYU(double P, double pf, double V);

// DENATU_KOUKA: e = K × L × I ÷ (1000 × A) volts, rounded half to even to
// 1 ÷ stepsPerVolt V (10: tenths of a volt; the motor feeder takes 100) as a 16-bit count.
double DENATU_KOUKA(double L, double I, double A, double K, int stepsPerVolt = 10);

// KOUKA_LITU: r = 100 × e ÷ U %, rounded half to even to hundredths as a 16-bit count.
double KOUKA_LITU(double e, double U);

// The cross-section the back-calculation derives from a drop e: ((L × K) × I) ÷ (e × 1000),
// rounded half to even to a 16-bit integer.
int16_t backCalculatedSection(double L, double I, double e, double K);

// ---- Length-band limits (KOUKA_LITU_GENDO) ---------------------------------------

struct LengthBand
{
    double above;      // L > above
    double upTo;       // L ≤ upTo (infinity for the last band)
    double limit;      // drop rate limit in %
    QString message;   // shown when the rate is above the limit
};

// The band of the supply type ("TODEN" or "JIKAYO", case and width ignored) in
// which the length lies; null up to 60 m and for any other supply type.
const LengthBand *lengthBand(const QString &dengenShubetu, double L);

// ---- Breaker, grounding and bonding wires ----------------------------------------

// AF_HYOU: the breaker frames in A.
inline constexpr std::array<int, 13> AF_HYOU{20, 30, 50, 100, 150, 225, 400, 600, 800, 1000, 1200, 1600, 2000};

// MCB_SAIZUAT: the trip 1.1 × I rounded half to even (a 16-bit count), not a standard rating.
int16_t MCB_SAIZUAT(double I);
QString tripText(int16_t trip); // "22AT"

// The frame label of an allowable current: the first frame at or above it with
// "AF", or "2000AF以上" above 2000.
QString breakerFrameText(int allowable);

// One rung of a grounding-wire table: ratings up to upTo take the size.
struct EarthRung
{
    int upTo;
    const char *size;
};
// EARTH_HYOU of the voltage-drop calculators; above its last rung "200以上".
std::span<const EarthRung> earthTable();
QString earthSize(int rating, std::span<const EarthRung> table = earthTable(), const QString &above = QStringLiteral("200以上"));

// The rating that picks the grounding wire: the number of a trip label of 4 or
// 5 characters ("22AT" -> 22, "110AT" -> 110), else the allowable current.
// Throws Failure when those leading characters are not a number.
int16_t earthRating(const QString &tripLabel, int16_t allowable);

// BOND_HYOU: bonding-wire size by frame; empty above 600 A.
QString bondSize(double frame);

// The frame/trip check: a trip at or above the frame does not fit.
inline bool frameTripMismatch(double frame, double trip) { return trip >= frame; }

// a ÷ b, failing on a zero divisor as the calculators' arithmetic does.
double divide(double a, double b);

} // namespace kb::vd
