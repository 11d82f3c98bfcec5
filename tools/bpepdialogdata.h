#pragma once

#include <tools/bodeline.h>
#include <tools/graph/tpelemparam.h>

#include <array>
#include <cstdint>
#include <string>

class BPElemParam;
class ToolDialogs;

// "Bode Plot Line Parameters" for one element: the magnitude and phase modes and working
// copies of the four lines, each edited with the plot-line dialog.
struct BPEPDialogData
{
    // "For:".
    std::string elementName;
    // "20Log", "10Log", "1:1" (2, 1, 0) and "Radians", "Degrees" (0, 1).
    std::int32_t magnitudeMode = 2;
    std::int32_t phaseMode = 0;
    // In the order of bodeLineKinds.
    std::array<TPElemParam, 4> lines;

    static BPEPDialogData from(const BPElemParam &element);
    TPElemParam &line(BodeLineKind kind) { return lines[static_cast<std::size_t>(kind)]; }
    // "Line Parameters..." of a kind: the plot-line dialog with "Show Line", titled with the
    // element name and " Magnitude Plot" (" Phase Plot", ...); a line that is not shown is
    // offered in the default line colour. OK keeps the title.
    bool editLine(ToolDialogs &dialogs, BodeLineKind kind);
    void applyTo(BPElemParam &element) const;
};
