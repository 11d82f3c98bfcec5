#pragma once

#include <common/geometry.h>

#include <cstdint>

class IniFile;

// The main window's position and size as the settings file keeps them (section "Display":
// "Width", "Height", "Xpos", "Ypos", "Maximized").
struct WindowPlacement
{
    std::int32_t x = -1;
    std::int32_t y = -1;
    std::int32_t width = 600;
    std::int32_t height = 400;
    bool maximized = false;

    bool operator==(const WindowPlacement &) const = default;

    static WindowPlacement read(const IniFile &file);
    // Writes the five keys, each "%d" ("Maximized" "1" or "0").
    void write(IniFile &file) const;

    // Where the window opens on a screen of the given size: a width or height not above 60
    // becomes 600 or 400; one larger than the screen becomes the screen's less 10; an x or y
    // of -1 centres the window on both axes; then it is moved to lie on the screen.
    WindowPlacement onScreen(Size screen) const;
};
