#pragma once

#include <model/textdouble.h>

#include <common/tstreamablebase.h>

#include <cstddef>
#include <cstdint>
#include <string>

class Graphable;

// A marker on a curve: the value at a position, the position where the curve takes a value, a
// minimum or maximum near a position, or the slope at a position. The found point (x, y) and
// the shown value are recomputed from the curve after every resampling.
class GraphMarker : public TStreamableBase
{
    ZENODYNE_STREAMABLE(GraphMarker, 1)

public:
    enum Kind : std::int32_t {
        ValueAt = 0,
        FindValue = 1,
        MinimumNear = 2,
        MaximumNear = 3,
        SlopeAt = 4,
    };

    // The label row and side of the annotation.
    static constexpr std::int32_t upperRow = -1;
    static constexpr std::int32_t middleRow = 0;
    static constexpr std::int32_t lowerRow = 1;
    static constexpr std::int32_t leftSide = -1;
    static constexpr std::int32_t rightSide = 1;

    textDouble position;
    textDouble target;
    std::int32_t kind = ValueAt;
    bool visible = true;
    bool lineToHorizontalAxis = false;
    bool lineToVerticalAxis = false;
    bool showValue = true;
    bool showPosition = true;
    std::int32_t labelRow = upperRow;
    std::int32_t labelSide = rightSide;
    double x = 0.0;
    double y = 0.0;
    double shownValue = 0.0;

    // Finds x, y and the shown value on the curve.
    void recompute(const Graphable &curve);

    // The marker's line in marker lists, cut to fit a buffer of the given length (terminator
    // included).
    std::string label(std::size_t bufferLength = 256) const;
    // The prefix of the shown value: "val=", "min=", "max=", "slope=", or " " for an unknown kind.
    const char *valuePrefix() const;
    // The annotation drawn beside the marker: the position and/or the value, as they are shown.
    std::string annotation() const;

    bool operator==(const GraphMarker &other) const;
};
