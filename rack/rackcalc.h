#pragma once

// The fixed tables of the cable-rack, wiring-duct and raceway calculations: the
// rack width ladder, the rack weights, the current-reduction factors, the cable
// spacings, the insert sizes, and the raceway, fixture and span-weight limits.

#include "texttable.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace kb::rack {

// The standard rack width for a required width in mm: the first rung of
// 200..1000 (step 100) that is not narrower, 1200 up to 1200 mm, none above.
std::optional<int> ladderWidth(int requiredWidth);

// Rack weight per metre (0.1 kg/m) of a "QR" rack of a standard width; none for
// any other width.
std::optional<int16_t> rackWeight(int width);

// Current-reduction factor × 100 for a cable spacing text ("S=d", "S=2d", "S=3d",
// case ignored) and a total cable count; none for another spacing or a count below 1.
std::optional<int> reductionFactor(QStringView spacing, int cableCount);

// Spacing coefficient × 10 of a spacing text: "S=d" 10, "S=1.5d" 15 ... "S=3d" 30; 0 for any other.
int spacingCoefficient(QStringView spacing);

// What a change of the reduction factor asks: for the factor's row and the cable
// count, either the refusal (the count is beyond the factor) or the spacing to set
// (empty: the spacing stays).
struct FactorRule
{
    double factor;
    bool refused = false;
    QString spacing;
};
// The six factors in the order they are tested.
const double kFactorOrder[6] = {1, 0.95, 0.9, 0.85, 0.8, 0.7};
FactorRule factorRule(double factor, int cableCount);

// The insert for a load per hanging bolt (kg) and the allowable loads of row 196.
struct InsertChoice
{
    QString size;     // Label11
    QString allowed;  // Label13
};
struct InsertLoads
{
    int16_t kg3 = 0, kg4 = 0, kg5 = 0; // KYOYOU_KAJU3..5
};
// Newtons of row 196 turned into kilograms-force, rounded.
InsertLoads insertLoads(const TextTable &cablePipe);
InsertChoice chooseInsert(int boltLoad, const InsertLoads &loads);

// ---- raceway ----

struct RacewayType
{
    int16_t weight;    // RACE_JURYO, 0.1 kg/m
    int16_t innerArea; // NAIBU_MENSEKI, 0.1 mm²
};
std::optional<RacewayType> racewayType(QStringView type); // "DP1", "DP2"

// Weight of one fluorescent fixture (0.1 kg) of a type text; none when no row matches.
std::optional<int16_t> fixtureWeight(QStringView type);

// The span-weight limit (kg) of a raceway type for a support interval; none
// outside 0 < L <= 3 or for another type.
std::optional<int> spanWeightLimit(QStringView type, double interval);
QString spanWeightMessage(int limitKg);

} // namespace kb::rack
