#pragma once

#include <editor/fontsettings.h>

#include <QFont>

// The drawing font between the settings file's description and Qt. The font is made in pixels,
// so that it measures alike on the screen and in images: a negative height is the character
// height, a positive one the cell height (character and internal leading); the weight, the
// italic, underline and strike-out flags carry over; the pitch-and-family byte chooses the
// fixed pitch (its low bits) and the family's style (its high bits).
namespace FontConversion {

QFont toQFont(const FontSettings &settings);
// A font of the font chooser, which measures in points, takes the pixels of a 96-dpi screen.
FontSettings fromQFont(const QFont &font);

} // namespace FontConversion
