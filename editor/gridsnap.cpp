#include "gridsnap.h"

#include <model/sheetgeometry.h>

namespace GridSnap {

std::int32_t snapCoordinate(std::int32_t coordinate, std::int32_t grid)
{
    const std::int64_t half = grid / 2;
    const std::int64_t c = std::int64_t{coordinate} - half;
    const std::int64_t rounded = (c + (c < 0 ? -half : half)) / grid * grid;
    return SheetGeometry::saturate(rounded + half);
}

Point snap(Point sheetPoint, std::int32_t grid)
{
    return {snapCoordinate(sheetPoint.x, grid), snapCoordinate(sheetPoint.y, grid)};
}

} // namespace GridSnap
