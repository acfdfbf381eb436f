#pragma once

// The three reference databases: their files, shapes and row maps, and typed
// views of the row kinds that more than one calculator reads.

#include "texttable.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace kb {

struct DatabaseShape
{
    const char *fileName; // in the program's folder
    int columns;          // columns of the file
    int fileRows;         // rows the editor reads and writes
    int tableColumns;     // shape of the calculators' in-memory table
    int tableRows;
    int loadColumns;      // what the calculators' loader fills
    int loadRows;
};

namespace db {
inline constexpr DatabaseShape CablePipe{"CABLE-PIPE.qvx", 5, 3000, 5, 3000, 5, 3000};
inline constexpr DatabaseShape CableSize{"CABLE-SIZE.qvx", 25, 500, 25, 500, 25, 300};
inline constexpr DatabaseShape Kahou{"KAHOU.qvx", 10, 300, 20, 500, 10, 300};
} // namespace db

// Folder of the databases: the program's own folder unless a test set another.
QString databaseFolder();
void setDatabaseFolder(const QString &folder); // empty: back to the program's folder
QString databasePath(const DatabaseShape &shape);

// The calculators' in-memory table of a database, empty.
inline TextTable emptyTable(const DatabaseShape &shape) { return TextTable(shape.tableColumns, shape.tableRows); }

// Reads the calculators' part of a database into the table (the core of DATA_YOMIKOMI).
// A missing file leaves every cell empty; a failed read throws with the cells read so far kept.
void loadDatabase(const DatabaseShape &shape, TextTable &table);

// The end marker of the cable rows and the fire-alarm room records.
bool isEndMarker(const QString &cell);

// Row map of CABLE-PIPE.qvx.
namespace cablepipe {
inline constexpr int ConduitSizeFirst = 1, ConduitSizeLast = 111;
inline constexpr int FillRatioFirst = 143, FillRatioLast = 146;
inline constexpr int ConduitSettingsFirst = 150, ConduitSettingsLast = 157;
inline constexpr int PullBoxSettingsFirst = 169, PullBoxSettingsLast = 190;
inline constexpr int InsertLoadRow = 196;
inline constexpr int GeneralListFirst = 201, GeneralListLast = 250;
inline constexpr int EcoListFirst = 251, EcoListLast = 300;
inline constexpr int CableFirst = 301, CableLast = 3000;
inline constexpr int ListLength = 50;
} // namespace cablepipe

// Row map of CABLE-SIZE.qvx.
namespace cablesize {
inline constexpr int MotorSettingsRow = 2;
inline constexpr int LampSettingsRow = 5;
inline constexpr int CurrentMarginRow = 9;
inline constexpr int MotorDesign400First = 11, MotorDesign400Last = 30;
inline constexpr int MotorDesign200First = 31, MotorDesign200Last = 50;
inline constexpr int PackageFirst = 121, PackageLast = 145;
inline constexpr int WireConduit3First = 150, WireConduit3Last = 221;
inline constexpr int FpFirst = 222, FpLast = 233, FpLargestRow = 233;
inline constexpr int CvtFirst = 234, CvtLast = 248, CvtLargestRow = 245;
inline constexpr int IvFirst = 251, IvLast = 270, IvLargestRow = 267;
inline constexpr int CvFirst = 271, CvLast = 290, CvLargestRow = 284;
inline constexpr int WireConduit2First = 291, WireConduit2Last = 300;
} // namespace cablesize

// Row map of KAHOU.qvx.
namespace kahou {
inline constexpr int SiteFirst = 2, SiteLast = 30;
inline constexpr int RoomFirst = 51, RoomLast = 300;
} // namespace kahou

// Kinds of the cable-name lists (columns of rows 201..250 and 251..300).
enum class CableKind { LowVoltage = 1, WeakCurrent = 2, Communication = 3, HighVoltage = 4, Custom = 5 };

// All 50 cells of one list column, empty ones included, in row order.
QStringList cableNameList(const TextTable &cablePipe, CableKind kind, bool eco);

struct CableRow
{
    int row = 0;
    QString cableName;
    QString outerDiameter; // mm
    QString sectionArea;   // mm²
    QString conditionCode; // 1 one-core, 2 two-core, 3 three-core, 4 communication
    QString unitWeight;    // g/m
};

CableRow cableRow(const TextTable &cablePipe, int row);
// The row of the cable of exactly this name (case and width ignored) before the end marker; 0 if none.
int findCableRow(const TextTable &cablePipe, const QString &name);

// The rows findCableRow gives, for many names at once: the cable rows are read once, not per name.
class CableRowIndex
{
public:
    explicit CableRowIndex(const TextTable &cablePipe);
    int find(const QString &name) const; // 0 if none

private:
    QHash<QString, int> m_rows; // folded name -> its first row before the end marker
};

struct AllowableCurrentRow
{
    int row = 0;
    QString threeCoreName;
    QString threeCoreConduitAmps;
    QString threeCoreRackAmps;
    QString twoCoreName;
    QString twoCoreConduitAmps;
    QString twoCoreRackAmps;
};

AllowableCurrentRow allowableCurrentRow(const TextTable &cableSize, int row);

} // namespace kb
