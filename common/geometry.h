#pragma once

#include <cstdint>

// Sheet and device coordinates: 32-bit signed integers.
struct Point
{
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const Point &) const = default;
};

struct Size
{
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const Size &) const = default;
};

// A rectangle by its edges; normalized() orders them so that left <= right and top <= bottom.
struct Rect
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const Rect &) const = default;

    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    Rect normalized() const
    {
        Rect r = *this;
        if (r.left > r.right) {
            r.left = right;
            r.right = left;
        }
        if (r.top > r.bottom) {
            r.top = bottom;
            r.bottom = top;
        }
        return r;
    }
    Rect inflated(std::int32_t by) const { return {left - by, top - by, right + by, bottom + by}; }
    // The smallest rectangle holding both.
    Rect united(const Rect &other) const
    {
        return {left < other.left ? left : other.left, top < other.top ? top : other.top,
                right > other.right ? right : other.right,
                bottom > other.bottom ? bottom : other.bottom};
    }
    // Overlap with strict inequalities on all four sides.
    bool intersects(const Rect &other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};
