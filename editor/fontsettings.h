#pragma once

#include <cstdint>
#include <string>

// The drawing font as the settings file describes it (section "Display"). The font is made
// with width, escapement and orientation 0, the default character set and default
// precisions and quality; those are not stored.
struct FontSettings
{
    // Face names are cut to this length when read.
    static constexpr std::size_t maximumNameLength = 80;

    std::string faceName = "Courier New";
    std::int32_t height = -12;
    std::int32_t weight = 400;
    std::int32_t pitchAndFamily = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontSettings &) const = default;
};
