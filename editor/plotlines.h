#pragma once

#include <tools/graph/graph.h>
#include <tools/graph/graphable.h>

#include <common/drawsurface.h>
#include <common/geometry.h>
#include <model/fwd.h>

#include <optional>
#include <string>
#include <vector>

// A line that a plot tool draws: its title as the value under the pointer names it, its line
// parameters (with the markers) and the curve that its values and markers come from.
struct PlotLine
{
    std::string title;
    TPElemParam *parameters = nullptr;
    const Graphable *curve = nullptr;
};

// The shown lines of a Bode plot ("T1.Magnitude", ... element by element), a time plot (the
// outputs, then the transfer functions) or a signal (its one line), in the order its graph
// draws them; none for any other tool.
std::vector<PlotLine> plotLinesOf(CircTool &tool);

// A Bode plot, a time plot or a signal: a tool that samples curves across its frame.
bool isPlot(const CircTool &tool);

// A point on the plot area of a plot tool: the tool, its graph laid out as its paint lays it
// out, and the abscissa there.
struct PlotHit
{
    CircTool *tool = nullptr;
    Graph graph;
    double x = 0.0;
};

// The topmost plot tool whose plot area holds the sheet point, with its graph laid out on the
// surface (which must outlive the answer); none when the point lies on no plot area.
std::optional<PlotHit> plotAt(const TCircuitDocument &document, Point sheetPoint,
                              DrawSurface &surface);
