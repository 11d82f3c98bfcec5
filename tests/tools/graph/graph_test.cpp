#include <tools/graph/axisscale.h>
#include <tools/graph/graph.h>
#include <tools/graph/plotdata.h>

#include <common/drawcolors.h>

#include <support/recordingsurface.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Calls = std::vector<std::string>;

AxisScale ticked(double low, double high, int maxTicks, bool extend)
{
    AxisScale scale = AxisScale::widened(low, high);
    scale.placeLinearTicks(maxTicks, extend);
    return scale;
}

plotData curveOf(std::initializer_list<pDataPoint> points)
{
    plotData curve;
    for (const pDataPoint &p : points)
        curve.append(p.low, p.high);
    return curve;
}

bool has(const Calls &calls, const std::string &call)
{
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// A 400 x 300 graph over [0, 3] with the recording surface's 16-pixel lines and 8-pixel
// characters: title row 24 high, two rows below the plot, so the plot spans y 24 ... 260; a
// curve from 0 to 1 gets ticks 0, 0.5, 1, whose widest label makes the left margin 32.
struct Drawn
{
    RecordingSurface surface;
    TGraphParam params{labelUnit("t")};
    TPElemParam line{labelUnit("v"), Color{255, 0, 0}};

    Calls draw(const plotData &curve, double end = 3.0)
    {
        Graph graph(surface, {0, 0, 400, 300}, params, false);
        graph.addCurve(curve, line);
        graph.setHorizontalRange(0.0, end);
        if (graph.drawAxes("T"))
            graph.drawCurvesAndMarkers();
        plot = graph.plotArea();
        return surface.calls();
    }
    Rect plot;
};

} // namespace

TEST(AxisScale, TickStepsFollowTheSequenceWithinTheTickLimits)
{
    EXPECT_EQ((std::vector<double>{0, 0.5, 1}), ticked(0, 1, 8, true).ticks);
    EXPECT_EQ((std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7}), ticked(0, 7, 20, true).ticks);
    const AxisScale wide = ticked(-3.2, 47, 6, true);
    EXPECT_EQ((std::vector<double>{-20, 0, 20, 40, 60}), wide.ticks);
    EXPECT_EQ(-20, wide.low);
    EXPECT_EQ(60, wide.high);
    EXPECT_EQ((std::vector<double>{0.2, 0.4, 0.6, 0.8}), ticked(0.2, 0.8, 5, false).ticks);
    EXPECT_EQ((std::vector<double>{0.25, 0.5, 0.75}), ticked(0.2, 0.8, 3, false).ticks);
    // A range that starts just below 0 has its tick at 0, not at -0 (whose label is "-0").
    EXPECT_FALSE(std::signbit(ticked(-0.1, 1, 3, false).ticks.front()));
    // A tiny axis still gets three ticks.
    EXPECT_EQ(3u, ticked(0, 100, 1, true).ticks.size());
}

TEST(AxisScale, DegenerateRangesAreWidened)
{
    const auto ends = [](double low, double high) {
        const AxisScale s = AxisScale::widened(low, high);
        return std::make_pair(s.low, s.high);
    };
    EXPECT_EQ(std::make_pair(4.0, 6.0), ends(5, 5));
    EXPECT_EQ(std::make_pair(-1.0, 1.0), ends(0, 0));
    EXPECT_EQ(std::make_pair(9e9, 1.1e10), ends(1e10, 1e10));
    EXPECT_EQ(std::make_pair(1.0, 3.0), ends(3, 1));
    EXPECT_TRUE(AxisScale::widened(std::nan(""), 1).isEmpty());
    EXPECT_TRUE(AxisScale::widened(-1e308, 1e308).isEmpty());
}

TEST(AxisScale, DecadeTicksAtWholeDecadesInsideTheRange)
{
    AxisScale decades = AxisScale::widened(-0.5, 2.5);
    decades.placeDecadeTicks();
    EXPECT_EQ((std::vector<double>{0, 1, 2}), decades.ticks);
}

TEST(Graph, LaysOutScalesLabelsAndTheCurvePolyline)
{
    Drawn drawn;
    const Calls calls = drawn.draw(curveOf({{0, 0}, {0.5, 0.5}, {1, 1}, {1, 1}}));
    EXPECT_EQ((Rect{32, 24, 392, 260}), drawn.plot);
    EXPECT_TRUE(has(calls, "rect (32,24,392,260)"));
    EXPECT_TRUE(has(calls, "text (200,0) center top \"T\""));
    EXPECT_TRUE(has(calls, "text (28,134) right top \"0.5\""));
    EXPECT_TRUE(has(calls, "text (152,264) center top \"1\""));
    EXPECT_TRUE(has(calls, "text (212,280) center top \"t\""));
    // Grid lines in the minor colour at the left ticks and the horizontal ticks.
    EXPECT_TRUE(has(calls, "line (32,142) (392,142)"));
    EXPECT_TRUE(has(calls, "line (152,24) (152,260)"));
    // Four samples over 360 pixels: one every 90.
    EXPECT_TRUE(has(calls, "polyline (32,260) (122,142) (212,24) (302,24)"));
    EXPECT_TRUE(has(calls, "pen 255,0,0 1 0"));
}

TEST(Graph, WideSampleIsAStrokeJoinedToItsNeighbours)
{
    Drawn drawn;
    const Calls calls = drawn.draw(curveOf({{0, 0}, {0, 1}, {0.5, 0.5}}), 2.0);
    EXPECT_TRUE(has(calls, "polyline (32,260) (152,260) (152,24) (272,142)"));
}

TEST(Graph, CurveIsClippedToAManualRangeAndBrokenAtGaps)
{
    Drawn drawn;
    drawn.params.leftAutoRange = false;
    drawn.params.leftMinimum = textDouble(0.0);
    drawn.params.leftMaximum = textDouble(1.0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Calls calls = drawn.draw(curveOf({{0, 0}, {2, 2}, {nan, nan}, {0.5, 0.5}, {0, 0}}));
    // Five samples, 72 pixels apart; the rise leaves the plot at its top edge.
    EXPECT_TRUE(has(calls, "polyline (32,260) (68,24)"));
    EXPECT_TRUE(has(calls, "polyline (248,142) (320,260)"));
    EXPECT_EQ(2u, drawn.surface.callsOf("polyline").size());
}

TEST(Graph, VisibleMarkerDrawsPointLinesAndAnnotation)
{
    Drawn drawn;
    GraphMarker marker;
    marker.x = 1.0;
    marker.y = 0.5;
    marker.shownValue = 0.5;
    marker.lineToHorizontalAxis = true;
    drawn.line.markers.append(marker);
    GraphMarker outside = marker;
    outside.x = 5.0;
    drawn.line.markers.append(outside);
    GraphMarker hidden = marker;
    hidden.visible = false;
    drawn.line.markers.append(hidden);
    const Calls calls = drawn.draw(curveOf({{0, 0}, {1, 1}}));
    EXPECT_TRUE(has(calls, "brush 255,0,0 solid"));
    EXPECT_EQ(1u, std::count(calls.begin(), calls.end(), "rect (151,141,154,144)"));
    EXPECT_TRUE(has(calls, "line (152,260) (152,142)"));
    EXPECT_TRUE(has(calls, "line (152,142) (168,126)"));
    EXPECT_TRUE(has(calls, "line (168,126) (184,126)"));
    EXPECT_TRUE(has(calls, "text (184,118) left top \"pos=1, val=0.5\""));
    EXPECT_EQ(1u, drawn.surface.callsOf("text").size()
                      - std::count_if(calls.begin(), calls.end(), [](const std::string &c) {
                            return c.find("center top") != std::string::npos
                                   || c.find("right top") != std::string::npos;
                        }));
}

TEST(Graph, EmptyRangesDrawNothing)
{
    Drawn drawn;
    EXPECT_TRUE(drawn.draw(curveOf({{0, 1}}), 0.0).empty());
    Drawn noCurve;
    EXPECT_TRUE(noCurve.draw(plotData(), 1.0).empty());
}

// In decades: a line per decade and dotted lines at 2 ... 9 inside each.
TEST(Graph, DecadeAxisHasMinorLinesInsideEachDecade)
{
    Drawn drawn;
    drawn.params.linearHorizontalAxis = false;
    const Calls calls = drawn.draw(curveOf({{0, 0}, {1, 1}}), 2.0);
    const auto fullHeight = std::count_if(calls.begin(), calls.end(), [](const std::string &c) {
        return c.rfind("line (", 0) == 0 && c.find(",24) (") != std::string::npos
               && c.find(",260)") != std::string::npos;
    });
    EXPECT_EQ(3 + 16, fullHeight);
    // log10(2) of the way through the first decade.
    EXPECT_TRUE(has(calls, "line (86,24) (86,260)"));
    EXPECT_TRUE(has(calls, "text (212,264) center top \"1\""));
}
