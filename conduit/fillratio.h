#pragma once

// Conduit types, their size blocks in CABLE-PIPE, the allowable cable area of a
// size and the fill-ratio rules of the national ministry's public-works rules and
// the interior wiring code.

#include "conduitsettings.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>
#include <optional>

namespace kb {

struct ConduitType
{
    QString name;          // the text of the conduit-type box
    int firstRow;          // the block's smallest size
    int lastRow;           // the block's largest size
    QStringList maxSizes;  // JOUGEN_HYOU: the names a maximum size may take, smallest first
    int sizes() const { return lastRow - firstRow + 1; }
};

// The eleven types, in the order of the conduit-type box.
const QVector<ConduitType> &conduitTypes();
// The type of this name (case and width ignored), or null.
const ConduitType *conduitType(QStringView name);

// How many of the block's largest sizes a maximum size cuts off: 0 when the name is
// not one the type's maximum-size table knows.
int cutOffCount(const ConduitType &type, QStringView maxSize);

// The allowable cable area in whole mm² of a size of this inner diameter at p percent:
// the inner area with 3.14 for π, times p / 100, rounded down.
float allowableArea(double innerDiameter, int16_t percent);

// What the fill-ratio rules decide: the fill box text and the status line.
struct FillChoice
{
    QString fillText;
    QString status;
};

struct FillInputs
{
    int16_t conditionCode = 0; // of the first registered cable
    bool sameNames = false;    // the first two registered rows name the same cable
    int cableCount = 0;
    QString cableBox;          // the cable-name box as it reads now
};

// The rules in order, a later rule overriding an earlier one; nothing when none applies.
std::optional<FillChoice> chooseFillRatio(const FillInputs &in, const ConduitSettings &settings);

} // namespace kb
