#include "editortestsupport.h"

#include <support/recordingsurface.h>

#include <tools/bodeplot.h>
#include <tools/persistentclasses.h>

#include <model/tcircuitdocument.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

namespace {

// The Bode plot of the RC low-pass 1e4 / (s + 1e4) in Hz, with its magnitude and phase lines,
// in an editor at zoom 1 from the origin (window points are sheet points).
class PlotMarkerDragTest : public testing::Test
{
protected:
    PlotMarkerDragTest()
    {
        registerPersistentClasses();
        EXPECT_TRUE(document
                        .open(std::filesystem::path(ZENODYNE_SOURCE_DIR) / "examples"
                              / "rc-lowpass-bode.crc")
                        .ok());
        Graph graph = plot().makeGraph(measuring);
        EXPECT_TRUE(graph.drawAxes(plot().name().view()));
        area = graph.plotArea();
    }

    // The edit actions put a copy in the plot's place.
    const BodePlot &plot() const
    {
        for (const CircTool *tool : document.tools()) {
            if (const auto *found = dynamic_cast<const BodePlot *>(tool))
                return *found;
        }
        throw std::logic_error("no Bode plot");
    }
    const MArray<GraphMarker> &markers(BodeLineKind kind) const
    {
        return plot().elements()[0].line(kind).parameters().markers;
    }
    // Positions are rounded to the power of ten below the span of one column.
    double quantum() const
    {
        return std::pow(10.0, std::floor(std::log10(double(plot().decades()) / area.width())));
    }
    // The abscissa of a column and the point of a line there.
    double abscissa(int column) const
    {
        return plot().startDecade() + double(column - area.left) * plot().decades() / area.width();
    }
    Point pointOn(BodeLineKind kind, int column)
    {
        Graph graph = plot().makeGraph(measuring);
        EXPECT_TRUE(graph.drawAxes(plot().name().view()));
        const BodeLine &line = plot().elements()[0].line(kind);
        return graph.pixelOf(abscissa(column), line.value(abscissa(column)), line.parameters());
    }
    static double magnitudeAt(double x)
    {
        const double ratio = 2 * std::numbers::pi * std::pow(10.0, x) / 1e4;
        return -10 * std::log10(1 + ratio * ratio);
    }
    void ctrlDrag(Point from, Point to)
    {
        ASSERT_TRUE(editor.pressOnPlot(from, measuring));
        editor.move(to, false);
        editor.release(to, false);
    }

    TCircuitDocument document;
    Palette palette;
    MemoryClipboard clipboard;
    CountingDialogs dialogs;
    CircuitEditor editor{document, palette, clipboard, dialogs};
    RecordingSurface measuring;
    Rect area;
};

// A click adds a value marker at the abscissa, rounded to the axis resolution, on the line
// drawn nearest to the pointer, with the exact value there; undo takes it back whole.
TEST_F(PlotMarkerDragTest, ClickAddsAValueMarkerOnTheNearestLine)
{
    const int column = area.left + area.width() / 3;
    ASSERT_TRUE(markers(BodeLineKind::Magnitude).isEmpty());
    const Point nearMagnitude = pointOn(BodeLineKind::Magnitude, column);
    ctrlDrag({column, nearMagnitude.y + 2}, {column, nearMagnitude.y + 2});
    ASSERT_EQ(markers(BodeLineKind::Magnitude).count(), 1);
    EXPECT_TRUE(markers(BodeLineKind::Phase).isEmpty());
    const GraphMarker &marker = markers(BodeLineKind::Magnitude)[0];
    EXPECT_EQ(marker.kind, GraphMarker::ValueAt);
    // Near the upper left corner of the plot area: the label goes right and down.
    EXPECT_EQ(marker.labelSide, GraphMarker::rightSide);
    EXPECT_EQ(marker.labelRow, GraphMarker::lowerRow);
    const double x = marker.position.value();
    EXPECT_NEAR(x, abscissa(column), quantum() / 2);
    EXPECT_NEAR(std::round(x / quantum()) * quantum(), x, 1e-12);
    EXPECT_DOUBLE_EQ(marker.x, x);
    EXPECT_NEAR(marker.y, magnitudeAt(x), 1e-9);
    EXPECT_EQ(document.undoName().value_or(""), "Modification");

    // Near the phase curve it goes to the phase line.
    const Point nearPhase = pointOn(BodeLineKind::Phase, column + 40);
    ctrlDrag(nearPhase, nearPhase);
    EXPECT_EQ(markers(BodeLineKind::Phase).count(), 1);
    EXPECT_EQ(markers(BodeLineKind::Magnitude).count(), 1);

    document.undo();
    document.undo();
    EXPECT_TRUE(markers(BodeLineKind::Magnitude).isEmpty());
    EXPECT_TRUE(markers(BodeLineKind::Phase).isEmpty());
    // Outside the plot area the press is an ordinary one.
    EXPECT_FALSE(editor.pressOnPlot({area.left - 5, nearMagnitude.y}, measuring));
}

// A press on a marker's point drags it along its curve; a press that does not move it and
// Esc during a drag leave it where it was, and record nothing.
TEST_F(PlotMarkerDragTest, PressOnAMarkerDragsItAlongItsCurve)
{
    const int column = area.left + area.width() / 4;
    const Point start = pointOn(BodeLineKind::Magnitude, column);
    ctrlDrag(start, start);
    ASSERT_EQ(markers(BodeLineKind::Magnitude).count(), 1);
    const GraphMarker placed = markers(BodeLineKind::Magnitude)[0];

    ctrlDrag({start.x + 2, start.y + 2}, {start.x + 2, start.y + 2});
    EXPECT_EQ(markers(BodeLineKind::Magnitude).count(), 1);
    EXPECT_EQ(markers(BodeLineKind::Magnitude)[0], placed);

    ASSERT_TRUE(editor.pressOnPlot(start, measuring));
    editor.move({column + 100, area.top}, false);
    EXPECT_NE(plot().elements()[0].line(BodeLineKind::Magnitude).parameters().markers[0], placed);
    editor.escape();
    EXPECT_EQ(markers(BodeLineKind::Magnitude)[0], placed);

    ctrlDrag(start, {column + 100, area.top});
    ASSERT_EQ(markers(BodeLineKind::Magnitude).count(), 1);
    const GraphMarker &moved = markers(BodeLineKind::Magnitude)[0];
    EXPECT_NEAR(moved.x, abscissa(column + 100), quantum() / 2);
    EXPECT_NEAR(moved.y, magnitudeAt(moved.x), 1e-9);
    // Beyond the plot area it stops at the edge.
    ctrlDrag(pointOn(BodeLineKind::Magnitude, column + 100), {area.right + 50, area.top});
    EXPECT_NEAR(markers(BodeLineKind::Magnitude)[0].x, plot().startDecade() + plot().decades(),
                quantum() / 2);
    document.undo();
    document.undo();
    EXPECT_EQ(markers(BodeLineKind::Magnitude)[0], placed);
}

} // namespace
