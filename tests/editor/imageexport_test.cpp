#include <editor/imageexport.h>

#include <support/circuitsketch.h>
#include <support/recordingsurface.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// The calls after the background (pen, brush and rectangle).
Calls afterBackground(const RecordingSurface &surface)
{
    return Calls(surface.calls().begin() + 3, surface.calls().end());
}

Calls drawn(const CircuitSketch &sketch)
{
    RecordingSurface surface;
    for (const Component *component : sketch.document.components())
        component->draw(surface);
    for (const CircTag *tag : sketch.document.tags())
        tag->draw(surface);
    return surface.calls();
}

TEST(ImageExport, ShowsAllThingsFromTheTopLeftOfTheirBoundsWithAMargin)
{
    CircuitSketch sketch;
    sketch.wire({110, 110}, {230, 110});
    sketch.resistor({230, 110}, {230, 230}, "R1", "1k");
    ImageExport image(sketch.document, false);

    // The things' points span (110,110)-(230,230); their bounds reach 40 further, the image 10
    // more, and on the right as far as the resistor's label: it starts 18 units right of the
    // segment and is 5 characters wide ("1 ohm"), so it ends at 288, its ink one unit later.
    EXPECT_EQ(image.sheetRect(), (Rect{60, 60, 299, 280}));
    EXPECT_EQ(image.size(), (Size{239, 220}));

    RecordingSurface surface;
    image.draw(surface, false);
    ASSERT_GE(surface.calls().size(), 3u);
    EXPECT_EQ(Calls(surface.calls().begin(), surface.calls().begin() + 3),
              (Calls{"pen 0,0,0 1 4", "brush 0,0,0 solid", "rect (0,0,239,220)"}));

    CircuitSketch moved;
    moved.wire({50, 50}, {170, 50});
    moved.resistor({170, 50}, {170, 170}, "R1", "1k");
    EXPECT_EQ(afterBackground(surface), drawn(moved));
}

TEST(ImageExport, SelectedOnlyShowsTheSelectionUnhighlightedAndKeepsIt)
{
    CircuitSketch sketch;
    sketch.wire({110, 110}, {230, 110});
    sketch.voltageTag({410, 310}, {490, 310}, "out").setSelected(true);
    ImageExport image(sketch.document, true);
    EXPECT_EQ(image.sheetRect(), (Rect{360, 260, 540, 360}));

    RecordingSurface surface;
    image.draw(surface, false);
    CircuitSketch moved;
    moved.voltageTag({50, 50}, {130, 50}, "out");
    EXPECT_EQ(afterBackground(surface), drawn(moved));
    EXPECT_TRUE(sketch.document.tags()[0]->isSelected());
}

TEST(ImageExport, PrinterColoursOnRequest)
{
    CircuitSketch sketch;
    sketch.wire({110, 110}, {230, 110});
    ImageExport image(sketch.document, false);
    RecordingSurface surface;
    image.draw(surface, true);

    EXPECT_EQ(surface.calls()[1], "brush 255,255,255 solid");
    CircuitSketch printed;
    printed.document.setPrinting(true);
    printed.wire({50, 50}, {170, 50});
    EXPECT_EQ(afterBackground(surface), drawn(printed));
    EXPECT_FALSE(sketch.document.isPrinting());
}

TEST(ImageExport, NothingToShowGivesAnEmptyImage)
{
    CircuitSketch sketch;
    sketch.wire({110, 110}, {230, 110});
    ImageExport image(sketch.document, true);
    EXPECT_TRUE(image.isEmpty());
    EXPECT_EQ(image.size(), (Size{0, 0}));
    RecordingSurface surface;
    image.draw(surface, false);
    EXPECT_EQ(surface.calls().size(), 3u);
}

} // namespace
