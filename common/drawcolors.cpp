#include "drawcolors.h"

DrawColors::DrawColors()
{
    const Color white{255, 255, 255};
    const Color black{0, 0, 0};
    m_screen = {white,
                black,
                white,
                Color{128, 128, 128},
                Color{255, 255, 0},
                white,
                Color{0, 0, 255},
                Color{255, 0, 0},
                Color{0, 0, 255},
                Color{128, 128, 128},
                white};
    m_printer = {
        black, white, black, Color{80, 80, 80}, Color{255, 255, 0}, black, Color{0, 0, 255}, black,
        black, black, white};
}

Color DrawColors::color(ColorRole role, bool printing) const
{
    return printing && hasPrinterColor(role) ? printer(role) : screen(role);
}

bool DrawColors::hasPrinterColor(ColorRole role)
{
    return role != ColorRole::GraphDefaultLine && role != ColorRole::ComponentSelected
           && role != ColorRole::Drag;
}

DrawColors &DrawColors::current()
{
    static DrawColors colors;
    return colors;
}
