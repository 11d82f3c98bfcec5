#include <tools/graph/graphable.h>
#include <tools/graph/graphmarker.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

namespace {

// A curve given by a function, with an optional frequency and breaks.
class FunctionCurve : public Graphable
{
public:
    explicit FunctionCurve(std::function<double(double)> f, double frequency = 0.0,
                           std::vector<double> breaks = {})
        : m_f(std::move(f))
        , m_frequency(frequency)
        , m_breaks(std::move(breaks))
    {
    }
    double value(double x) const override
    {
        ++evaluations;
        return m_f(x);
    }
    double highestFrequency(double) const override { return m_frequency; }
    double previousBreak(double x) const override
    {
        double nearest = x;
        for (const double b : m_breaks)
            if (b < x && (nearest == x || b > nearest))
                nearest = b;
        return nearest;
    }
    double nextBreak(double x) const override
    {
        double nearest = x;
        for (const double b : m_breaks)
            if (b > x && (nearest == x || b < nearest))
                nearest = b;
        return nearest;
    }

    mutable long evaluations = 0;

private:
    std::function<double(double)> m_f;
    double m_frequency;
    std::vector<double> m_breaks;
};

GraphMarker markerOf(GraphMarker::Kind kind, const char *position, const char *target = "0")
{
    GraphMarker marker;
    marker.kind = kind;
    marker.position = textDouble(position);
    marker.target = textDouble(target);
    return marker;
}

GraphMarker recomputed(GraphMarker marker, const Graphable &curve)
{
    marker.recompute(curve);
    return marker;
}

} // namespace

TEST(NumericalSlope, StepScalesWithPositionAndIsExact)
{
    const FunctionCurve cube([](double x) { return x * x * x; });
    const double h = Graphable::slopeStep;
    EXPECT_DOUBLE_EQ(h * h, cube.slope(0.0));
    EXPECT_NEAR(12.0, cube.slope(2.0), 1e-8);
    EXPECT_NEAR(3e6, cube.slope(1000.0), 1e-2);
}

TEST(GraphMarker, ValueAndSlopeAtThePosition)
{
    const FunctionCurve cube([](double x) { return x * x * x; });
    const GraphMarker value = recomputed(markerOf(GraphMarker::ValueAt, "2"), cube);
    EXPECT_EQ(2.0, value.x);
    EXPECT_EQ(8.0, value.y);
    EXPECT_EQ(8.0, value.shownValue);
    const GraphMarker slope = recomputed(markerOf(GraphMarker::SlopeAt, "2"), cube);
    EXPECT_EQ(8.0, slope.y);
    EXPECT_NEAR(12.0, slope.shownValue, 1e-8);
}

namespace {

struct ExtremumCase
{
    const char *name;
    std::function<double(double)> f;
    double frequency;
    const char *position;
    bool maximum;
    double expectedX;
};

class ExtremumMarker : public ::testing::TestWithParam<ExtremumCase>
{
};

} // namespace

TEST_P(ExtremumMarker, FindsTheNearestExtremum)
{
    const ExtremumCase &c = GetParam();
    const FunctionCurve curve(c.f, c.frequency);
    const GraphMarker marker = recomputed(
        markerOf(c.maximum ? GraphMarker::MaximumNear : GraphMarker::MinimumNear, c.position),
        curve);
    EXPECT_NEAR(c.expectedX, marker.x, 1e-6);
    EXPECT_EQ(c.f(marker.x), marker.y);
    EXPECT_EQ(marker.y, marker.shownValue);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, ExtremumMarker,
    ::testing::Values(ExtremumCase{"ParabolaRight", [](double x) { return (x - 3) * (x - 3) + 1; },
                                   0, "0", false, 3.0},
                      ExtremumCase{"ParabolaLeft", [](double x) { return -(x + 2) * (x + 2); }, 0,
                                   "10", true, -2.0},
                      ExtremumCase{"AtItsOwnPosition", [](double x) { return (x - 2) * (x - 2); },
                                   0, "2", false, 2.0},
                      ExtremumCase{"FastCosine", [](double x) { return std::cos(10 * x); }, 10,
                                   "0.1", false, std::numbers::pi / 10},
                      ExtremumCase{"SineMaximum", [](double x) { return std::sin(x); }, 1, "1",
                                   true, std::numbers::pi / 2},
                      ExtremumCase{"Flat", [](double) { return 4.0; }, 0, "1.5", true, 1.5}),
    [](const auto &test) { return std::string(test.param.name); });

TEST(GraphMarker, ExtremumWalkStopsAtBreaks)
{
    // Falling to the break at 1, then rising: the minimum is at the break.
    const FunctionCurve curve([](double x) { return x < 1 ? 1 - x : 5 * (x - 1); }, 0, {1.0});
    const GraphMarker marker = recomputed(markerOf(GraphMarker::MinimumNear, "0.2"), curve);
    EXPECT_NEAR(1.0, marker.x, 1e-6);
}

namespace {

struct CrossingCase
{
    const char *name;
    std::function<double(double)> f;
    std::vector<double> breaks;
    const char *position;
    const char *target;
    double expectedX;
    double tolerance;
};

class FindValueMarker : public ::testing::TestWithParam<CrossingCase>
{
};

} // namespace

TEST_P(FindValueMarker, FindsTheCrossingOrTheClosestApproach)
{
    const CrossingCase &c = GetParam();
    const FunctionCurve curve(c.f, 0, c.breaks);
    const GraphMarker marker
        = recomputed(markerOf(GraphMarker::FindValue, c.position, c.target), curve);
    EXPECT_NEAR(c.expectedX, marker.x, c.tolerance);
    EXPECT_EQ(c.f(marker.x), marker.y);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, FindValueMarker,
    ::testing::Values(
        CrossingCase{"Uphill", [](double x) { return x * x; }, {}, "1", "4", 2.0, 1e-7},
        CrossingCase{
            "Downhill", [](double x) { return std::exp(-x); }, {}, "0", "0.5", std::log(2.0), 1e-7},
        CrossingCase{"Leftward", [](double x) { return x * x * x; }, {}, "1", "-8", -2.0, 1e-7},
        CrossingCase{"TurnsBeforeTheTarget",
                     [](double x) { return 1 - (x - 1) * (x - 1); },
                     {},
                     "0",
                     "2",
                     1.0,
                     1e-6},
        CrossingCase{"AcrossAJump",
                     [](double x) { return x < 1 ? x : x + 10; },
                     {1.0},
                     "0",
                     "5",
                     1.0,
                     1e-3}),
    [](const auto &test) { return std::string(test.param.name); });

TEST(GraphMarker, FindValueAtThePositionDoesNotSearch)
{
    FunctionCurve curve([](double x) { return 2 * x; });
    const GraphMarker marker = recomputed(markerOf(GraphMarker::FindValue, "1.5", "3"), curve);
    EXPECT_EQ(1.5, marker.x);
    EXPECT_EQ(3.0, marker.y);
    EXPECT_EQ(2, curve.evaluations); // the test at the position, then the value found
}

// Searches end on curves that never turn, are not finite or oscillate without end.
TEST(GraphMarker, SearchesTerminateOnHostileCurves)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const FunctionCurve falling([](double x) { return -x; });
    const FunctionCurve notANumber([nan](double) { return nan; });
    const FunctionCurve noisy([](double x) { return std::sin(1e9 * x); }, 1e9);
    const FunctionCurve stepwise([](double x) { return std::floor(x); });
    for (const Graphable *curve :
         {static_cast<const Graphable *>(&falling), static_cast<const Graphable *>(&notANumber),
          static_cast<const Graphable *>(&noisy), static_cast<const Graphable *>(&stepwise)}) {
        for (const auto kind :
             {GraphMarker::MinimumNear, GraphMarker::MaximumNear, GraphMarker::FindValue}) {
            const GraphMarker marker = recomputed(markerOf(kind, "0.5", "1e300"), *curve);
            EXPECT_FALSE(std::isinf(marker.x));
        }
    }
}

TEST(GraphMarker, LabelsPrefixesAndAnnotation)
{
    EXPECT_EQ("Value at 2", markerOf(GraphMarker::ValueAt, "2").label());
    EXPECT_EQ("Position at 0.5 near 2", markerOf(GraphMarker::FindValue, "2", "0.5").label());
    EXPECT_EQ("Minimum near 1e-3", markerOf(GraphMarker::MinimumNear, "1e-3").label());
    EXPECT_EQ("Maximum near 7", markerOf(GraphMarker::MaximumNear, "7").label());
    EXPECT_EQ("Slope at 3", markerOf(GraphMarker::SlopeAt, "3").label());
    EXPECT_EQ("Value", markerOf(GraphMarker::ValueAt, "2").label(6));
    GraphMarker marker = markerOf(GraphMarker::SlopeAt, "3");
    EXPECT_STREQ("slope=", marker.valuePrefix());
    marker.x = 1.0 / 3.0;
    marker.shownValue = -2e-7;
    EXPECT_EQ("pos=0.33333333, slope=-2e-07", marker.annotation());
    marker.showPosition = false;
    EXPECT_EQ("slope=-2e-07", marker.annotation());
    marker.kind = 17;
    marker.showPosition = true;
    marker.showValue = false;
    EXPECT_EQ("pos=0.33333333", marker.annotation());
    EXPECT_STREQ(" ", marker.valuePrefix());
    EXPECT_EQ("", marker.label());
    EXPECT_STREQ("min=", markerOf(GraphMarker::MinimumNear, "0").valuePrefix());
    EXPECT_STREQ("max=", markerOf(GraphMarker::MaximumNear, "0").valuePrefix());
    EXPECT_STREQ("val=", markerOf(GraphMarker::FindValue, "0").valuePrefix());
}
