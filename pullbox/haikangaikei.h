#pragma once

// HAIKAN_GAIKEI: the outer diameters of the thick-wall conduit sizes. A thin-wall
// size is its own outer diameter; a thick-wall size is named by its inner bore,
// so the box must be sized on the diameter of this table instead.

#include <QString>
#include <cstdint>
#include <optional>

namespace kb::pullbox {

struct ConduitDiameter
{
    int size;
    double outerDiameter; // mm
};

inline constexpr ConduitDiameter HAIKAN_GAIKEI[] = {
    {16, 21},   {22, 26.5}, {28, 33.3}, {36, 41.9},  {42, 47.8},
    {54, 59.6}, {70, 75.2}, {82, 87.8}, {92, 100.7}, {104, 113.4},
};

// The stored whole-millimetre diameter of a thick-wall size (rounded half to
// even), or nothing when the number is not one of them.
std::optional<int16_t> thickWallDiameter(double size);

// The list of the size box: the thin-wall sizes, a separator line, the thick-wall sizes.
QStringList conduitSizeItems();

// The diameter that 配管登録 stores for a size text: the tier windows convert the
// text strictly, the row windows take its leading number; both then replace a
// thick-wall size by its table diameter. A text that is not a number, or a
// diameter of 0 or below, fails.
int16_t storedDiameter(const QString &sizeText, bool strictRead);

} // namespace kb::pullbox
