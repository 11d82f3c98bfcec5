#pragma once

#include <common/drawsurface.h>
#include <model/symbolframe.h>

// The shapes shared by the source symbols: a circle for independent sources, a diamond for
// dependent ones, the polarity signs of a voltage source (plus toward the second terminal,
// which the source raises above the first) and the arrow of a current source (the current
// flows from the first terminal to the second through the source).
namespace SourceSymbol {

inline constexpr double radius = 15;

enum class Body { Circle, Diamond };
enum class Mark { Polarity, Arrow };

// The leads, the body (shrunk to fit a short segment) and the mark inside it.
void draw(DrawSurface &surface, const SymbolFrame &frame, Body body, Mark mark);

} // namespace SourceSymbol
