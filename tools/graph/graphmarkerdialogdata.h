#pragma once

#include <tools/graph/graphmarker.h>

#include <cstdint>
#include <string>

// "Plot Marker Parameters": what to look for and how to show it. The found point is the
// owner's to recompute.
struct GraphMarkerDialogData
{
    std::string position;
    std::string target;
    std::int32_t kind = GraphMarker::ValueAt;
    bool visible = true;
    bool lineToHorizontalAxis = false;
    bool lineToVerticalAxis = false;
    bool showValue = true;
    bool showPosition = true;
    std::int32_t labelRow = GraphMarker::upperRow;
    std::int32_t labelSide = GraphMarker::rightSide;

    static GraphMarkerDialogData from(const GraphMarker &marker);
    // The texts go through the number-text rules (no number: "0"); an unknown kind becomes
    // "Value at", a row or side outside the choices the nearest choice.
    void applyTo(GraphMarker &marker) const;
};
