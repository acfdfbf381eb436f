#pragma once

// The conduit-size calculation: corrected cumulative cable areas against the
// allowable areas of the registered conduit, split into several conduits in
// registration order when the largest allowed size is too small.

#include "cablerecord.h"
#include "failure.h"
#include "gridmodel.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace kb {

using CableRecords = std::array<CableRecord, kMaxCables + 1>; // records 1..100
using SizeNames = std::array<QString, kMaxCables + 1>;        // entries 1..100
using SizeAreas = std::array<float, kMaxCables + 1>;

// The mark on every row of a group but the one that shows its size.
inline const QString kContinuationMark = QStringLiteral("         ↓   ");
// Put before a size name in the size column.
inline const QString kSizeIndent = QStringLiteral("     ");

// The correction factor of a cable in a conduit of this type: thin IV-type wires
// count double (1.2 from 5.5 mm² to 8 mm²), less in PF-CD; never below 1.
float correctionFactor(const QString &conduitType, const QString &cableName);

// NAIKI_SENTEI: the move of the one-conduit size by the wiring code's selection
// table, from the conduit-type box, the whole cable-name box and the cable count.
int wiringCodeMove(const QString &typeBox, const QString &cableBox, int cableCount);

struct SizeCalculation
{
    CableRecords &records;
    int cableCount;             // TOROKU_SUU
    QString conduitType;        // HAIKAN_SHUBETU
    int sizeCount;              // m, the allowed sizes
    const SizeNames &sizeNames; // SAIZU_MEI
    const SizeAreas &areas;     // KYOYOU_MENSEKI
    bool wiringCode;            // NAIKI_SETTEI on
    QString typeBox;            // Combo1 as it reads now
    QString cableBox;           // Combo3 as it reads now
};

// Writes columns 2..8 of rows 1..n and the records' results. Returns the chosen
// size index (SAIZU_NO) in the one-conduit case, nothing when split. Throws Failure
// when the cables do not fit; what was written before stays.
std::optional<int16_t> calculateConduitSizes(const SizeCalculation &calc, GridModel &grid);

} // namespace kb
