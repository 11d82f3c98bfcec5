#pragma once

#include <tools/bodeline.h>
#include <tools/bpelemparam.h>
#include <tools/graph/tgraphparam.h>

#include <common/marray.h>

#include <string>

class BodePlot;
class ToolDialogs;

// "Bode Plot Parameters": the name, the decade range, the frequency unit, the graph
// parameters, and one row per transfer-function tool of the circuit (with a name, in tool
// order) holding a working copy of the plot's element of that name, or a new element.
class BodePlotDialogData
{
public:
    std::string name;
    std::string startDecade;
    std::string decades;
    bool radiansPerSecond = true;
    TGraphParam graph;
    // "Transfer Functions".
    MArray<BPElemParam> rows;

    static BodePlotDialogData from(const BodePlot &plot);
    // The line a row shows a sample of under a column heading; null when it is not shown.
    const TPElemParam *shownLine(int row, BodeLineKind kind) const;
    // Double-click on a row: "Bode Plot Line Parameters" on its working element.
    bool editRow(ToolDialogs &dialogs, int row);
    // "Graph Parameters" on the working copy.
    bool editGraph(ToolDialogs &dialogs);
    // OK: stores the name (62 characters, normalized), the rows that show a line, in row
    // order, the decades as integers, the unit and the graph parameters; then copies the ratios
    // and resamples.
    void applyTo(BodePlot &plot) const;
};
