#pragma once

#include <QIcon>

enum class PaletteEntry;

// The pictures of the palette buttons. A thing entry shows its own symbol, drawn through the
// drawing surface in the printer colours (dark on the light toolbar) without its labels; the
// two cursors show an arrow and a soldering iron.
namespace PaletteIcons {

inline constexpr int iconSize = 24;

QIcon iconFor(PaletteEntry entry);

} // namespace PaletteIcons
