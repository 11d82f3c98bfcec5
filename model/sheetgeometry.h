#pragma once

#include <common/geometry.h>

#include <cmath>
#include <cstdint>
#include <limits>

// Arithmetic on sheet coordinates that cannot overflow: a file may hold any 32-bit coordinate,
// so differences are formed in 64 bits and results are saturated to the 32-bit range.
namespace SheetGeometry {

inline std::int32_t saturate(std::int64_t value)
{
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

// Truncates toward zero, saturating (and answering 0 for a NaN).
inline std::int32_t saturate(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

inline Point shifted(Point p, std::int32_t dx, std::int32_t dy)
{
    return {saturate(std::int64_t{p.x} + dx), saturate(std::int64_t{p.y} + dy)};
}

// Each coordinate of the first point plus half the difference, the half truncated toward zero.
inline Point midpoint(Point a, Point b)
{
    return {static_cast<std::int32_t>(a.x + (std::int64_t{b.x} - a.x) / 2),
            static_cast<std::int32_t>(a.y + (std::int64_t{b.y} - a.y) / 2)};
}

// The square of the distance, in double precision (exact for every sheet a person draws).
inline double squaredDistance(Point a, Point b)
{
    const double dx = static_cast<double>(std::int64_t{b.x} - a.x);
    const double dy = static_cast<double>(std::int64_t{b.y} - a.y);
    return dx * dx + dy * dy;
}

// The rectangle spanned by two points, normalized.
inline Rect spanned(Point a, Point b)
{
    return Rect{a.x, a.y, b.x, b.y}.normalized();
}

inline Rect grown(const Rect &r, std::int32_t by)
{
    return {saturate(std::int64_t{r.left} - by), saturate(std::int64_t{r.top} - by),
            saturate(std::int64_t{r.right} + by), saturate(std::int64_t{r.bottom} + by)};
}

// The square of side 2 * half + 1 centred on a point.
inline Rect around(Point centre, std::int32_t half)
{
    const Point topLeft = shifted(centre, -half, -half);
    const Point bottomRight = shifted(centre, half + 1, half + 1);
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// Half-open containment: left <= x < right and top <= y < bottom.
inline bool contains(const Rect &r, Point p)
{
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

} // namespace SheetGeometry
