#pragma once

#include <cctype>
#include <string>
#include <string_view>

// SPICE names and keywords ignore case: they are compared in lower case.
inline std::string spiceLowerCase(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Node 0, which SPICE also calls gnd.
inline bool isSpiceGround(std::string_view node)
{
    const std::string lower = spiceLowerCase(node);
    return lower == "0" || lower == "gnd";
}
