#pragma once

#include <common/geometry.h>

#include <cstdint>

// One printed page of a circuit: its number, its column and row in the grid of pages, and the
// part of the circuit's picture that it shows (picture coordinates, sheet units), drawn scaled
// by scale (1 at the fixed print scale).
struct PrintedPage
{
    std::int32_t number = 1;
    std::int32_t column = 0;
    std::int32_t row = 0;
    Rect area;
    double scale = 1;

    bool operator==(const PrintedPage &) const = default;
};
