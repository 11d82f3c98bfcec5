#pragma once

#include <cstdint>

// A 24-bit RGB colour.
struct Color
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Color &) const = default;

    // The packed form of the settings file: red in the low byte, blue in the high byte.
    std::uint32_t packed() const
    {
        return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8
               | static_cast<std::uint32_t>(blue) << 16;
    }
    static Color fromPacked(std::uint32_t value)
    {
        return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                static_cast<std::uint8_t>(value >> 16)};
    }
};
