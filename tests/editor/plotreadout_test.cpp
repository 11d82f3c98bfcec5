#include <editor/plotreadout.h>

#include <support/recordingsurface.h>

#include <tools/bodeplot.h>
#include <tools/persistentclasses.h>
#include <tools/signal.h>

#include <model/tcircuitdocument.h>

#include <common/numbertext.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

namespace {

class PlotReadoutTest : public testing::Test
{
protected:
    void open(const char *example)
    {
        registerPersistentClasses();
        ASSERT_TRUE(
            document.open(std::filesystem::path(ZENODYNE_SOURCE_DIR) / "examples" / example).ok());
    }

    template<typename Tool>
    const Tool &tool() const
    {
        for (const CircTool *tool : document.tools()) {
            if (const auto *typed = dynamic_cast<const Tool *>(tool))
                return *typed;
        }
        throw std::logic_error("no such tool");
    }

    // The plot area of a tool as the surface lays it out.
    template<typename Tool>
    Rect plotArea(const Tool &plot)
    {
        RecordingSurface layout;
        Graph graph = plot.makeGraph(layout);
        EXPECT_TRUE(graph.drawAxes(plot.name().view()));
        return graph.plotArea();
    }

    TCircuitDocument document;
    RecordingSurface measuring;
};

// The RC low-pass 1e4 / (s + 1e4) in Hz: the values at the pointer's abscissa, against the
// closed forms of its magnitude and phase there.
TEST_F(PlotReadoutTest, BodePlotShowsTheExactValuesAtThePointersFrequency)
{
    open("rc-lowpass-bode.crc");
    const BodePlot &plot = tool<BodePlot>();
    ASSERT_FALSE(plot.radiansPerSecond());
    const Rect area = plotArea(plot);
    const Point at{area.left + area.width() / 3, (area.top + area.bottom) / 2};
    const double x = plot.startDecade() + double(at.x - area.left) * plot.decades() / area.width();
    const double ratio = 2 * std::numbers::pi * std::pow(10.0, x) / 1e4;
    const double magnitude = -10 * std::log10(1 + ratio * ratio);
    const double phase = -std::atan(ratio) * 180 / std::numbers::pi;
    EXPECT_EQ(plotReadout(document, at, measuring),
              formatGeneral(std::pow(10.0, x), 6) + " Hz: TF.Magnitude = "
                  + formatGeneral(magnitude, 6) + ", TF.Phase = " + formatGeneral(phase, 6));

    // The title row and the scales are no plot area.
    EXPECT_EQ(plotReadout(document, {at.x, area.top - 2}, measuring), "");
    EXPECT_EQ(plotReadout(document, {area.left - 2, at.y}, measuring), "");
}

TEST_F(PlotReadoutTest, SignalShowsItsValueAtThePointersTime)
{
    open("sallen-key-lowpass.crc");
    const Signal &signal = tool<Signal>();
    const Rect area = plotArea(signal);
    const Point at{area.right, area.bottom};
    EXPECT_EQ(plotReadout(document, at, measuring),
              "t = " + formatGeneral(signal.end().value(), 6) + " s: Step = 1");
}

} // namespace
