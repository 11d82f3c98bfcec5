#pragma once

#include <common/color.h>

#include <array>
#include <cstddef>

// The colour roles of the drawing code, in the order in which the screen-colour list shows
// them.
enum class ColorRole : std::size_t {
    Font,
    Background,
    GraphMain,
    GraphMinor,
    GraphDefaultLine,
    Component,
    ComponentSelected,
    Node,
    Connection,
    CircuitTag,
    Drag,
};

inline constexpr std::size_t colorRoleCount = 11;

// The two colour sets: one for the screen, one for the printer. Three roles have no printer
// colour (the default line colour, the selection and the drag outline are never printed); the
// printer set answers the screen colour for them.
class DrawColors
{
public:
    DrawColors();

    Color color(ColorRole role, bool printing) const;
    Color screen(ColorRole role) const { return m_screen[index(role)]; }
    Color printer(ColorRole role) const { return m_printer[index(role)]; }
    void setScreen(ColorRole role, Color color) { m_screen[index(role)] = color; }
    void setPrinter(ColorRole role, Color color) { m_printer[index(role)] = color; }

    static bool hasPrinterColor(ColorRole role);

    // The process-wide settings record used by every document and view.
    static DrawColors &current();

private:
    static std::size_t index(ColorRole role) { return static_cast<std::size_t>(role); }

    std::array<Color, colorRoleCount> m_screen;
    std::array<Color, colorRoleCount> m_printer;
};
