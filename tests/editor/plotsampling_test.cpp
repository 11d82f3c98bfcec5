#include "editortestsupport.h"

#include <tools/bodeplot.h>
#include <tools/persistentclasses.h>
#include <tools/signal.h>
#include <tools/timeplot.h>

#include <model/tcircuitdocument.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

template<typename Tool>
const Tool &toolIn(const TCircuitDocument &document)
{
    for (const CircTool *tool : document.tools()) {
        if (const auto *typed = dynamic_cast<const Tool *>(tool))
            return *typed;
    }
    throw std::logic_error("no such tool");
}

// The samples of a Bode line over n decades for c columns: ceil(c / n) per decade.
int bodeSamples(double columns, int decades)
{
    return decades * static_cast<int>(std::ceil(std::round(columns) / decades));
}

// The Sallen-Key example holds a Bode plot, a signal and a time plot. Their curves follow
// the frame's width and the view's zoom: one sample per window pixel of the frame.
TEST(PlotSampling, ResizedAndZoomedPlotsSampleForTheirNewWidth)
{
    registerPersistentClasses();
    TCircuitDocument document;
    ASSERT_TRUE(document
                    .open(std::filesystem::path(ZENODYNE_SOURCE_DIR) / "examples"
                          / "sallen-key-lowpass.crc")
                    .ok());
    Palette palette;
    MemoryClipboard clipboard;
    CountingDialogs dialogs;
    CircuitEditor editor(document, palette, clipboard, dialogs);
    const auto bodePoints = [&] {
        return toolIn<BodePlot>(document)
            .elements()[0]
            .line(BodeLineKind::Magnitude)
            .curve()
            .points()
            .count();
    };
    const auto timePoints
        = [&] { return toolIn<TimePlot>(document).outputCurves().at(0).points().count(); };
    const auto signalPoints = [&] { return toolIn<Signal>(document).curve().points().count(); };
    const int decades = toolIn<BodePlot>(document).decades();
    const int bodeWidth = toolIn<BodePlot>(document).rect().width();
    const int timeWidth = toolIn<TimePlot>(document).rect().width();
    const int signalWidth = toolIn<Signal>(document).rect().width();
    EXPECT_EQ(bodePoints(), bodeSamples(bodeWidth + 1, decades));
    EXPECT_EQ(timePoints(), timeWidth + 2);
    EXPECT_EQ(signalPoints(), signalWidth + 1);

    // The Bode plot's frame grows by 200 through its lower right corner, an edit.
    const Rect frame = toolIn<BodePlot>(document).rect();
    const Point corner{frame.right, frame.bottom};
    editor.press(corner, false);
    editor.move({corner.x + 100, corner.y}, false);
    editor.release({corner.x + 200, corner.y}, false);
    ASSERT_EQ(toolIn<BodePlot>(document).rect().width(), bodeWidth + 200);
    EXPECT_EQ(bodePoints(), bodeSamples(bodeWidth + 201, decades));
    document.undo();
    EXPECT_EQ(bodePoints(), bodeSamples(bodeWidth + 1, decades));

    editor.zoomIn({0, 0});
    const double zoom = editor.transform().zoom();
    ASSERT_EQ(zoom, 1.25);
    EXPECT_EQ(bodePoints(), bodeSamples((bodeWidth + 1) * zoom, decades));
    EXPECT_EQ(timePoints(), std::lround((timeWidth + 1) * zoom) + 1);
    EXPECT_EQ(signalPoints(), std::lround(signalWidth * zoom) + 1);
    // Nothing changed since: nothing is sampled again.
    EXPECT_FALSE(editor.resamplePlots());
}

} // namespace
