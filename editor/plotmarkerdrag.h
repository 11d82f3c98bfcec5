#pragma once

#include <tools/graph/graphmarker.h>

#include <common/drawsurface.h>
#include <common/geometry.h>
#include <model/fwd.h>

#include <cstddef>
#include <optional>

// Markers placed and moved with the mouse on the plots of a sheet (the left button with Ctrl).
// A press on a plot area near the point of a visible marker drags that marker along its curve:
// its position follows the pointer. A press elsewhere on a plot area adds a value marker at
// that abscissa to the line drawn nearest to the pointer there, and a drag before the release
// moves it on; its label is put toward the middle of the plot area. Positions are rounded to the
// resolution of one sheet unit of the axis. While the button is down the plot shows the marker
// where it would land; the release records the change as one edit action, so that it is undone as a
// whole. The marker dialog of the line stays the way to choose another kind.
class PlotMarkerDrag
{
public:
    explicit PlotMarkerDrag(TCircuitDocument &document);

    // Starts at a sheet point; a marker's point within the radius (sheet units) is picked.
    // Answers false, changing nothing, when the point lies on no plot area with a line.
    bool press(Point sheet, const DrawSurface &measuring, double pickRadius);
    void move(Point sheet);
    // Records the change; a marker that ends where it was records nothing.
    void release(Point sheet);
    // Takes the marker back to where the press found it.
    void cancel();
    bool isActive() const { return m_tool != nullptr; }

private:
    GraphMarker *liveMarker() const;
    std::optional<double> abscissaAt(Point sheet) const;
    void finish(bool record);

    TCircuitDocument &m_document;
    CircTool *m_tool = nullptr;
    std::size_t m_line = 0;
    int m_marker = 0;
    // The pressed marker as it was; none for a marker that the press added.
    std::optional<GraphMarker> m_original;
    bool m_moved = false;
    // The column of the press and the marker's column then.
    int m_pressColumn = 0;
    int m_startColumn = 0;
    Rect m_plotArea;
    // The abscissae at the left and the right edge of the plot area.
    double m_left = 0.0;
    double m_right = 0.0;
};
