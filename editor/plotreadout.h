#pragma once

#include <common/drawsurface.h>
#include <common/geometry.h>

#include <string>

class TCircuitDocument;

// The value under the pointer for the status bar: over the plot area of a Bode plot, a signal
// or a time plot, the position on its horizontal axis and the exact value of every shown line
// there, evaluated at that abscissa (not read from the samples), 6 significant digits each:
// "1000 rad/s: TF.Magnitude = -3.0103, TF.Phase = -45" or "t = 0.0015 s: Vout = 0.999289".
// Empty when the sheet point lies on no plot area. The text is measured by the surface that
// draws the sheet, so that the plot area is the one on the screen; the topmost tool wins.
std::string plotReadout(const TCircuitDocument &document, Point sheetPoint,
                        const DrawSurface &measuring);
