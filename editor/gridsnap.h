#pragma once

#include <common/geometry.h>

#include <cstdint>

// The grid of the circuit sheet. Every point the editor places lies on the centre of a grid
// cell: with the spacing of 20, each snapped coordinate is 10 more than a multiple of 20.
namespace GridSnap {

inline constexpr std::int32_t spacing = 20;

// Moves a coordinate to the centre of its cell: c - g/2 goes to the nearest multiple of g
// (halves away from zero), then g/2 is added back; g/2 is truncated toward zero. The result
// saturates at the ends of the 32-bit range.
std::int32_t snapCoordinate(std::int32_t coordinate, std::int32_t grid = spacing);
Point snap(Point sheetPoint, std::int32_t grid = spacing);

} // namespace GridSnap
