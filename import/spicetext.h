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
