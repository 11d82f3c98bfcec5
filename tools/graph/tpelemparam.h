#pragma once

#include <tools/graph/graphmarker.h>

#include <model/labelunit.h>

#include <common/color.h>
#include <common/drawsurface.h>
#include <common/marray.h>
#include <common/tstreamablebase.h>

#include <array>
#include <cstdint>
#include <string_view>

class Graphable;

// The parameters of one plotted line: its title, pen, whether it is shown, the vertical axis
// it is scaled on, and its markers.
class TPElemParam : public TStreamableBase
{
    ZENODYNE_STREAMABLE(TPElemParam, 2)

public:
    // The pen styles in the order of the style list; the index is the stored style number.
    static constexpr std::array<std::string_view, 5> styleNames
        = {"Solid", "Dash", "Dot", "DashDot", "DashDotDot"};

    TPElemParam() = default;
    TPElemParam(const labelUnit &lineTitle, Color lineColour)
        : title(lineTitle)
        , colour(lineColour)
    {
    }

    labelUnit title;
    Color colour;
    std::int32_t style = 0;
    bool shown = false;
    bool leftAxis = true;
    MArray<GraphMarker> markers;

    // The pen of the line; a style number outside the list draws solid.
    Pen pen() const;
    void recomputeMarkers(const Graphable &curve);

    bool operator==(const TPElemParam &other) const;
};
