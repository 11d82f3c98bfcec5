#pragma once

#include <tools/graph/tpelemparam.h>

#include <string>
#include <vector>

class GraphDialogs;

// "Plot Line Parameters": axis, colour, style and markers of a working copy of a line, and
// its "Show Line" box unless the line is always shown.
struct TPEPDialogData
{
    TPElemParam line;
    bool hasShowLine = true;

    static TPEPDialogData from(const TPElemParam &line, bool hasShowLine);
    // Stores everything but the title; the shown flag only when the box is there.
    void applyTo(TPElemParam &target) const;

    // The rows of the "Markers" list.
    std::vector<std::string> markerLabels() const;
    // "Add": a new marker at its defaults, kept when its dialog is confirmed.
    bool addMarker(GraphDialogs &dialogs);
    // "Edit" and "Delete" on the marker at the index (nothing outside the list).
    bool editMarker(GraphDialogs &dialogs, int index);
    void deleteMarker(int index);
};
