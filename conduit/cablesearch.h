#pragma once

// The cable search by name prefix and the cable-kind menus. Shared by every window
// that registers cables from the cable rows of CABLE-PIPE (conduit, cable rack,
// raceway): they differ only in where they show what is found.

#include "numtext.h"
#include "refdata.h"
#include "texttable.h"

#include <QString>
#include <QVector>
#include <functional>
#include <optional>

namespace kb {

// True when a typed cable name holds nothing but blanks, half- or full-width: it names
// no cable, and as a search text it would list every row.
bool isBlankName(QStringView name);

// The family a search text names: 1 the power families (CV, FP, EM-CE ...), 2 the
// control families (CVV, EM-CEE), 3 the telephone families (CPEV, EM-CPEE), 0 any other.
int queryClass(QStringView query);

// True when a search of this class passes over the cable of this name as a sub-type
// (twisted single cores of a power family, shielded control or telephone cables).
bool isSubtypeOf(int queryClass, QStringView cableName);

// How a search passes over the sub-type rows that follow a row of the query, in 30 steps.
enum class SubtypePass {
    // A step tests the sub-type prefixes in order and moves one row when one holds,
    // so at most 30 rows are passed over (the conduit window).
    OneRowPerStep,
    // In a step every prefix that holds moves one row at once, and the prefixes after
    // it look at that next row (the cable-rack, raceway and wiring-duct windows).
    EveryPrefix,
};

// Scans the cable rows 301..3000 in order and calls listRow for every row to list:
// a row whose name begins with the query; at such a row the following sub-type rows
// are passed over first, and the row reached is listed as it is. The rows after
// the end marker are empty in the windows' tables and match nothing but an empty
// query. Passing over rows past 3000 is a failure (TextTable throws).
void scanCableRows(const TextTable &cablePipe, const QString &query, const std::function<void(int row)> &listRow,
                   SubtypePass pass = SubtypePass::OneRowPerStep);

// What a listing line shows of a cable row: the name and the prefix values of its
// outer diameter and section area, written as read (not cut to single precision); a
// cell that could not be read whole shows as it stands, marked (registration refuses it).
struct CableListing
{
    QString name;
    QString outerDiameter;
    QString sectionArea;
};
CableListing cableListing(const TextTable &cablePipe, int row);

// The numbers of a cable row that the calculations take, each only when its cell
// reads whole as a number above 0: an empty cell, a 0 or a cell whose bytes the
// database holds damaged gives none, and a window refuses to register a cable that
// lacks one it calculates with, or every calculation on it would run on a 0 without
// a word. Row 0 (no cable) gives none at all.
struct CableNumbers
{
    std::optional<double> outerDiameter; // mm
    std::optional<double> sectionArea;   // mm²
    std::optional<double> unitWeight;    // g/m
};
CableNumbers cableNumbers(const TextTable &cablePipe, int row);

// The ten items of the 電線種別 menu.
struct CableKindMenuItem
{
    const char *action;    // IDM_ name
    QString menuCaption;   // the menu item's caption
    QString kindCaption;   // the caption put on the kind button
    CableKind kind;
    bool eco;              // rows 251..300 instead of 201..250
    bool separatorBefore;  // a separator line stands before the item
    const char *separator; // its name
};
const QVector<CableKindMenuItem> &cableKindMenu();
const CableKindMenuItem *cableKindMenuItem(QStringView action);

} // namespace kb
