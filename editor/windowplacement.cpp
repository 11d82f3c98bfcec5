#include "windowplacement.h"

#include "inifile.h"

namespace {

constexpr const char *section = "Display";

// Moves a window edge so that [position, position + length) lies within [0, screen).
std::int32_t clampToScreen(std::int32_t position, std::int32_t length, std::int32_t screen)
{
    std::int64_t p = position < 0 ? 0 : position;
    if (p + length > screen)
        p = std::int64_t{screen} - length;
    return static_cast<std::int32_t>(p);
}

} // namespace

WindowPlacement WindowPlacement::read(const IniFile &file)
{
    WindowPlacement placement;
    placement.width = file.integer(section, "Width", 600);
    placement.height = file.integer(section, "Height", 400);
    placement.x = file.integer(section, "Xpos", -1);
    placement.y = file.integer(section, "Ypos", -1);
    placement.maximized = file.integer(section, "Maximized", 0) != 0;
    return placement;
}

void WindowPlacement::write(IniFile &file) const
{
    file.setInteger(section, "Width", width);
    file.setInteger(section, "Height", height);
    file.setInteger(section, "Xpos", x);
    file.setInteger(section, "Ypos", y);
    file.setValue(section, "Maximized", maximized ? "1" : "0");
}

WindowPlacement WindowPlacement::onScreen(Size screen) const
{
    WindowPlacement placed = *this;
    if (placed.width <= 60)
        placed.width = 600;
    if (placed.height <= 60)
        placed.height = 400;
    if (placed.width > screen.width)
        placed.width = screen.width - 10;
    if (placed.height > screen.height)
        placed.height = screen.height - 10;
    if (placed.x == -1 || placed.y == -1) {
        placed.x = (screen.width - placed.width) / 2;
        placed.y = (screen.height - placed.height) / 2;
    }
    placed.x = clampToScreen(placed.x, placed.width, screen.width);
    placed.y = clampToScreen(placed.y, placed.height, screen.height);
    return placed;
}
