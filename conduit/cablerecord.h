#pragma once

#include <QString>

namespace kb {

// One registered cable of the conduit window (DENSEN_TOROKU), one per grid row.
// Numbers are single precision, as the window keeps and shows them.
struct CableRecord
{
    QString cableName;
    QString sizeText;
    QString weightText;
    QString conditionText;
    float outerDiameter = 0;
    float sectionArea = 0;
    float weight = 0;
    float cumulativeArea = 0;
    float cumulativeDiameter = 0;
    float correctionFactor = 0;
};

// The registration list and the result grid hold 100 rows.
constexpr int kMaxCables = 100;

} // namespace kb
