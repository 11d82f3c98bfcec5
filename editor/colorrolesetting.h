#pragma once

#include <common/drawcolors.h>

#include <span>

// How a colour role appears in the colour lists and the settings file: its label, its key in
// both sections, and its default texts. A role without a printer colour has no printer default.
struct ColorRoleSetting
{
    ColorRole role;
    const char *label;
    const char *key;
    const char *screenDefault;
    const char *printerDefault;
};

inline constexpr const char *screenColorSection = "Display";
inline constexpr const char *printerColorSection = "Printer";

// The eleven roles in the order of the screen-colour list.
std::span<const ColorRoleSetting> colorRoleSettings();
