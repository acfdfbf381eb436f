#pragma once

// The detector rules of the fire-service regulations as the four detector
// calculators apply them: representative ceiling height, beam code and verdict,
// narrow-room limits, class checks, coverage per detector and the count. Values
// in, values out; the calculator state (detectormodel.h) shows the boxes.

#include <QString>
#include <QStringList>

#include <optional>

namespace kb::fa {

// The four calculators: ordinary room Frm1, long narrow room Frm2 (walking
// distance), small compartments in a row Frm3, one small compartment Form4.
enum class Variant { Ordinary, Narrow, Row, Single };

enum class DetectorType { None, Smoke, Differential, Compensated, FixedTemp, Analog };

// The detector type of a type text: the five list items and "定温防水スポット" (case and width ignored).
DetectorType detectorType(const QString &text);
inline bool isSmoke(DetectorType t) { return t == DetectorType::Smoke; }

// Representative ceiling height of a ceiling-height item: 1, 6, 10, 18, 25; none for any other text.
std::optional<int> representativeHeight(const QString &ceilingItem);

// The class options: index 0 特種, 1 １種, 2 ２種, 3 ３種; -1 none selected.
QString classCode(int option);   // "TOKU", "ICHI", "NI", "SAN"; empty for none
QString classText(int option);   // "特種", "１種", "２種", "３種"; empty for none
int classOption(const QString &text); // the option of a class text, -1 for any other text

// Structure code of the structure options: "TAIKA" (0 耐火), "SONOTA" (1 その他);
// empty with neither selected, so no heat coverage applies.
QString structureCode(int option);

// Whether a text is one of the five beam-depth items (case and width ignored).
bool isBeamItem(const QString &beam);

// Beam-depth code of a beam item and the item the beam box shows afterwards
// (smoke detectors see "0.4m未満" as "0.6m未満" and "0.4m-1m未満" as "0.6m-1m未満").
struct BeamCode
{
    std::optional<int> code; // none: not one of the five items, the previous code stays
    QString beamText;
};
BeamCode beamCode(Variant v, bool smoke, const QString &beam);

// Verdict on beam and ceiling height. A refusal empties the result boxes; the
// compartment warning of the one-compartment room comes first and spares the
// deep beam, never a heat detector under a ceiling of 8 m or more.
struct Verdict
{
    QString refusal;
    QString warning;
};
Verdict beamVerdict(Variant v, bool smoke, int hariCode, int tenjou, double compartmentArea);

// The narrow-room rules: which limit L (m) applies to a detector family.
enum class Family { Differential, FixedTemp, Smoke, Analog }; // SADOU, TEION, KEMURI, ANALOGU
Family familyOf(DetectorType t);
std::optional<double> narrowLimit(Family f, const QString &classCode, const QString &structureCode);
// Area calculators: either side below 3 m with the other at least L.
bool tooNarrow(double width, double depth, double limit);
// Long narrow room: whether the width test applies at all (width 3 m or more refuses).
bool wideTestApplies(Family f, const QString &classCode, const QString &structureCode);
QString tooNarrowMessage(Family f);
QString tooWideMessage();

// Class check of a coverage step: the boxes in order and whether the step ends.
struct ClassCheck
{
    QStringList boxes;
    bool ends = false;
};
ClassCheck classCheck(Variant v, DetectorType t, int option);

// Coverage per detector (m² per detector, walking distance in m in the long
// narrow room) by class code, structure code and representative height. 0 = none.
struct Coverage
{
    int value = 0;
    QStringList boxes;
};
Coverage coverage(Variant v, DetectorType t, const QString &classCode, const QString &structureCode, int tenjou);

// Detectors for a ratio (area or walking length over the value per detector):
// the next whole number up, decided on the values multiplied by 100.
double detectorCount(double ratio);

} // namespace kb::fa
