#pragma once

#include <common/drawsurface.h>
#include <common/geometry.h>
#include <model/fwd.h>

// An image of the circuit: all things, or the selected ones only, cut to their bounding
// rectangle (grown to the labels and texts that reach beyond it) with a small margin and drawn with
// that rectangle's top-left corner at the origin of the surface. The picture shows the things as
// they print, without the selection's highlight, on the background colour, in the screen colours or
// on request the printer's.
class ImageExport
{
public:
    // The free border around the things' bounding rectangle, in sheet units.
    static constexpr std::int32_t margin = 10;

    ImageExport(TCircuitDocument &document, bool selectedOnly);

    // Whether there is nothing to show (nothing selected, or an empty circuit).
    bool isEmpty() const { return m_empty; }
    // The part of the sheet that the image shows, and its size.
    const Rect &sheetRect() const { return m_sheetRect; }
    Size size() const;

    void draw(DrawSurface &surface, bool printerColors) const;

private:
    TCircuitDocument &m_document;
    bool m_selectedOnly;
    bool m_empty;
    Rect m_sheetRect;
};
