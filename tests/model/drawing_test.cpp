#include "modeltestsupport.h"

#include <model/capacitor.h>
#include <model/circtool.h>
#include <model/grounder.h>
#include <model/resistor.h>
#include <model/textblock.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>
#include <model/wire.h>

#include <support/recordingsurface.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Calls = std::vector<std::string>;

Calls drawn(const CircThing &thing)
{
    RecordingSurface surface;
    thing.draw(surface);
    return surface.calls();
}

Calls textsOf(const CircThing &thing)
{
    RecordingSurface surface;
    thing.draw(surface);
    return surface.callsOf("text");
}

} // namespace

// Leads to a body of 40 units, a zig-zag of eight peaks 8 units off the segment, red terminal
// squares and the two label lines centred above the segment, their lower edge 10 units above
// the zig-zag.
TEST(ComponentDrawing, ResistorDrawsLeadsZigzagTerminalsAndLabel)
{
    const auto resistor = placedThing<Resistor>({0, 0}, {100, 0}, "R1");
    EXPECT_EQ(
        drawn(*resistor),
        (Calls{"pen 255,255,255 1 0", "brush 0,0,0 hollow", "line (0,0) (30,0)",
               "line (70,0) (100,0)",
               "polyline (30,0) (33,8) (38,-8) (43,8) (48,-8) (53,8) (58,-8) (63,8) (68,-8) "
               "(70,0)",
               "pen 255,0,0 1 0", "brush 255,0,0 solid", "rect (-2,-2,3,3)", "pen 255,0,0 1 0",
               "brush 255,0,0 solid", "rect (98,-2,103,3)", "textcolor 255,255,255",
               "text (50,-50) center top \"R1\"", "text (50,-34) center top \"0 ohm\""}));
}

TEST(ComponentDrawing, LabelLinesFollowTheDocumentsShowFlags)
{
    TCircuitDocument document;
    auto created = placedThing<Capacitor>({0, 0}, {0, 100}, "C1");
    created->setValue(textDouble("0.1"));
    created->setUnitIndex(1);
    const Capacitor *capacitor = created.get();
    document.addComponent(std::move(created));
    EXPECT_EQ(capacitor->labelLines(), (Calls{"C1", "0.1 \xC2\xB5"
                                                    "F"}));
    document.setShowsComponentNames(false);
    EXPECT_EQ(capacitor->labelLines(), (Calls{"0.1 \xC2\xB5"
                                              "F"}));
    document.setShowsComponentValues(false);
    EXPECT_TRUE(textsOf(*capacitor).empty());
    document.setShowsComponentNames(true);
    // A single line of 2 characters: half its width and the clearance of 18 offset the label
    // from the segment, so that it starts 6 units beside the plates.
    EXPECT_EQ(textsOf(*capacitor), (Calls{"text (26,42) center top \"C1\""}));
}

TEST(ComponentDrawing, SourcesShowOnlyTheirNameAndConnectorsNothing)
{
    EXPECT_EQ(placedThing<VoltSource>({0, 0}, {0, 40}, "V1")->labelLines(), (Calls{"V1"}));
    EXPECT_TRUE(placedThing<VoltSource>({0, 0}, {0, 40})->labelLines().empty());
    EXPECT_TRUE(textsOf(*placedThing<Wire>({0, 0}, {40, 0})).empty());
}

TEST(ComponentDrawing, ColoursFollowSelectionAndPrinting)
{
    TCircuitDocument document;
    document.addComponent(placedThing<Wire>({0, 0}, {40, 0}));
    Component *wire = document.components()[0];
    EXPECT_EQ(drawn(*wire).front(), "pen 255,255,255 1 0");
    wire->setSelected(true);
    EXPECT_EQ(drawn(*wire).front(), "pen 0,0,255 1 0");
    wire->setSelected(false);
    document.setPrinting(true);
    const Calls printed = drawn(*wire);
    EXPECT_EQ(printed.front(), "pen 0,0,0 1 0");
    EXPECT_EQ(printed[3], "pen 0,0,0 1 0"); // terminals in the printer's end colour
}

TEST(ComponentDrawing, GroundBarsStandAtTheSecondPointAcrossTheLead)
{
    const auto ground = placedThing<Grounder>({0, 0}, {0, 20});
    RecordingSurface surface;
    ground->draw(surface);
    EXPECT_EQ(surface.callsOf("line"), (Calls{"line (0,0) (0,20)", "line (12,20) (-12,20)",
                                              "line (8,25) (-8,25)", "line (4,30) (-4,30)"}));
    EXPECT_EQ(surface.callsOf("rect"), (Calls{"rect (-2,-2,3,3)"}));
}

TEST(ComponentDrawing, VoltageSourceIsACircleWithPlusTowardTheSecondPoint)
{
    const auto source = placedThing<VoltSource>({0, 0}, {0, 100});
    RecordingSurface surface;
    source->draw(surface);
    EXPECT_EQ(surface.callsOf("ellipse"), (Calls{"ellipse (-15,35,16,66)"}));
    EXPECT_EQ(surface.callsOf("line"),
              (Calls{"line (0,0) (0,35)", "line (0,65) (0,100)", "line (-3,58) (4,58)",
                     "line (0,55) (0,62)", "line (-3,43) (4,43)"}));
}

TEST(ComponentDrawing, DegenerateSegmentsDrawWithoutFailing)
{
    for (const Point p : {Point{5, 5}, Point{2147483647, -2147483647 - 1}}) {
        EXPECT_FALSE(drawn(*placedThing<Resistor>(p, p, "R")).empty());
        EXPECT_FALSE(drawn(*placedThing<VoltSource>(p, p, "V")).empty());
        EXPECT_FALSE(drawn(*placedThing<Grounder>(p, p)).empty());
    }
}

TEST(TagDrawing, DashedLineMarkerAndNameInTheTagColour)
{
    const auto tag = placedThing<VoltageTag>({0, 0}, {0, 100}, "Vout");
    const Calls calls = drawn(*tag);
    EXPECT_EQ(calls.front(), "pen 128,128,128 1 1");
    EXPECT_EQ(calls[1], "line (0,0) (0,100)");
    EXPECT_EQ(calls[2], "pen 128,128,128 1 0");
    EXPECT_EQ(textsOf(*tag), (Calls{"text (34,42) center top \"Vout\""}));
}

TEST(ToolDrawing, PlainToolDrawsItsRectangleAndOutlinesAreRectangles)
{
    const auto tool = placedThing<CircTool>({10, 10}, {90, 50});
    EXPECT_EQ(drawn(*tool),
              (Calls{"pen 255,255,255 1 0", "brush 0,0,0 hollow", "rect (10,10,90,50)"}));
    RecordingSurface surface;
    tool->drawShifted(surface, 5, -5);
    tool->drawTerminalDrag(surface, {90, 50}, 10, 10);
    EXPECT_EQ(surface.calls(), (Calls{"rect (15,5,95,45)", "rect (10,10,100,60)"}));
    const auto wire = placedThing<Wire>({0, 0}, {40, 0});
    surface.clear();
    wire->drawTerminalDrag(surface, {1, 1}, 0, 20);
    wire->drawTerminalDrag(surface, {20, 0}, 0, 20);
    EXPECT_EQ(surface.calls(), (Calls{"line (0,20) (40,0)"}));
}

TEST(ToolDrawing, TextBlockWrapsItsPlainTextInsideTheRectangle)
{
    auto block = placedThing<TextBlock>({0, 0}, {100, 100});
    block->setText("{\\rtf1{\\fonttbl\\f0 Arial;}one two three four\\par five}");
    EXPECT_EQ(textsOf(*block),
              (Calls{"text (2,2) left top \"one two\"", "text (2,18) left top \"three four\"",
                     "text (2,34) left top \"five\""}));
    RecordingSurface surface;
    block->draw(surface);
    EXPECT_TRUE(surface.callsOf("rect").empty());
    block->place({0, 0}, {100, 30}, nullptr);
    EXPECT_EQ(textsOf(*block), (Calls{"text (2,2) left top \"one two\""}));
}

TEST(ToolDrawing, EmptyOrSelectedTextBlockShowsADottedFrame)
{
    auto block = placedThing<TextBlock>({0, 0}, {100, 40});
    Calls calls = drawn(*block);
    EXPECT_EQ(calls, (Calls{"pen 255,255,255 1 0", "brush 0,0,0 hollow", "pen 255,255,255 1 2",
                            "rect (0,0,100,40)", "textcolor 255,255,255"}));
    block->setText("note");
    block->setSelected(true);
    calls = drawn(*block);
    EXPECT_EQ(calls[2], "pen 0,0,255 1 2");
    EXPECT_EQ(calls.back(), "text (2,2) left top \"note\"");
}
