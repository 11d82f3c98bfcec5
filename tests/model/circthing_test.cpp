#include <model/capacitor.h>
#include <model/circtool.h>
#include <model/currenttag.h>
#include <model/currsource.h>
#include <model/depcurrsource.h>
#include <model/depvoltsource.h>
#include <model/grounder.h>
#include <model/inductor.h>
#include <model/resistor.h>
#include <model/textblock.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>
#include <model/wire.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>

namespace {

Resistor resistorBetween(Point first, Point second, LabelSide side = LabelSide::Default)
{
    Resistor r;
    r.setLabelSide(side);
    r.place(first, second, nullptr);
    return r;
}

// The label point computed independently, in double precision, for segments whose results
// are exact in single precision as well.
Point expectedLabelPoint(Point a, Point b, int w, int h, bool otherSide)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    const double halfW = w > 0 && h > 0 ? w / 2 : 25;
    const double halfH = w > 0 && h > 0 ? h / 2 : 25;
    const double sign = otherSide ? -1 : 1;
    const double x = a.x + sign * halfW * dy / length + (b.x - a.x) / 2;
    const double y = a.y - sign * halfH * dx / length + (b.y - a.y) / 2;
    return {static_cast<std::int32_t>(std::trunc(x)), static_cast<std::int32_t>(std::trunc(y))};
}

} // namespace

struct LabelCase
{
    Point first;
    Point second;
    int width;
    int height;
};

class CircThingLabelPoint : public ::testing::TestWithParam<LabelCase>
{
};

TEST_P(CircThingLabelPoint, LiesBesideTheMidpointOnTheChosenSide)
{
    const LabelCase &c = GetParam();
    for (const bool other : {false, true}) {
        const Resistor r
            = resistorBetween(c.first, c.second, other ? LabelSide::Other : LabelSide::Default);
        EXPECT_EQ(r.labelPointFor(c.first, c.second, c.width, c.height),
                  expectedLabelPoint(c.first, c.second, c.width, c.height, other))
            << "other side " << other;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Segments, CircThingLabelPoint,
    ::testing::Values(LabelCase{{0, 0}, {100, 0}, 0, 0}, LabelCase{{0, 0}, {0, 100}, 0, 0},
                      LabelCase{{100, 0}, {0, 0}, 0, 0}, LabelCase{{10, 10}, {-50, 90}, 0, 0},
                      LabelCase{{0, 0}, {100, 0}, 40, 16}, LabelCase{{0, 0}, {100, 0}, 40, 0},
                      LabelCase{{5, 5}, {5, -35}, 21, 17}));

TEST(CircThing, PlacingComputesTheLabelPointWithTheDefaultOffset)
{
    EXPECT_EQ(resistorBetween({0, 0}, {100, 0}).labelPoint(), (Point{50, -25}));
    EXPECT_EQ(resistorBetween({0, 0}, {100, 0}, LabelSide::Other).labelPoint(), (Point{50, 25}));
    // In single precision 25 times 0.6 lies a hair above 15, so the sum is cut to 4.
    EXPECT_EQ(resistorBetween({0, 0}, {30, 40}).labelPoint(), (Point{35, 4}));
    // Coinciding points put the label on them.
    EXPECT_EQ(resistorBetween({7, 9}, {7, 9}).labelPoint(), (Point{7, 9}));
}

TEST(CircThing, MovingShiftsBothPointsAndTheLabel)
{
    Resistor r = resistorBetween({0, 0}, {100, 0});
    r.move(10, -20);
    EXPECT_EQ(r.firstPoint(), (Point{10, -20}));
    EXPECT_EQ(r.secondPoint(), (Point{110, -20}));
    EXPECT_EQ(r.labelPoint(), (Point{60, -45}));

    VoltageTag tag;
    tag.place({0, 0}, {0, 40}, nullptr);
    tag.move(5, 5);
    EXPECT_EQ(tag.labelPoint(), (Point{30, 25}));
}

TEST(CircThing, MovingATerminalPlacesAgainWithThatPointShifted)
{
    Resistor r = resistorBetween({0, 0}, {100, 0});
    r.moveTerminal({2, 1}, 0, 40);
    EXPECT_EQ(r.firstPoint(), (Point{0, 40}));
    EXPECT_EQ(r.secondPoint(), (Point{100, 0}));
    r.moveTerminal({100, 3}, -100, 0);
    EXPECT_EQ(r.secondPoint(), (Point{0, 0}));
    r.moveTerminal({50, 50}, 7, 7);
    EXPECT_EQ(r.firstPoint(), (Point{0, 40}));
    EXPECT_EQ(r.secondPoint(), (Point{0, 0}));
}

TEST(CircThing, TerminalMoveCollapsesOntoTheOtherTerminal)
{
    const Resistor r = resistorBetween({0, 0}, {40, 0});
    EXPECT_TRUE(r.terminalMoveCollapses({0, 0}, 40, 0));
    EXPECT_TRUE(r.terminalMoveCollapses({40, 1}, -40, 0));
    EXPECT_FALSE(r.terminalMoveCollapses({0, 0}, 20, 0));
    EXPECT_FALSE(r.terminalMoveCollapses({20, 0}, 20, 0));
}

TEST(CircThing, TerminalIsHitBelowAWholeDistanceOfFour)
{
    EXPECT_TRUE(CircThing::hitsTerminal({0, 0}, {0, 0}));
    EXPECT_TRUE(CircThing::hitsTerminal({0, 0}, {2, 3}));  // 3.6
    EXPECT_FALSE(CircThing::hitsTerminal({0, 0}, {0, 4})); // 4
    EXPECT_FALSE(CircThing::hitsTerminal({0, 0}, {3, 3})); // 4.24, cut to 4
    const Resistor r = resistorBetween({0, 0}, {40, 0});
    EXPECT_TRUE(r.hasTerminalAt({41, 2}));
    EXPECT_FALSE(r.hasTerminalAt({20, 0}));
}

TEST(CircThing, ClickWithinTenOfTheMidpointSelects)
{
    Resistor r = resistorBetween({0, 0}, {40, 0});
    r.selectAt({20, 10}, false);
    EXPECT_TRUE(r.isSelected());
    r.selectAt({26, 8}, false); // exactly 10 away
    EXPECT_TRUE(r.isSelected());
    r.selectAt({27, 8}, false); // 10.6 away
    EXPECT_FALSE(r.isSelected());
    // The midpoint's halves are truncated toward zero.
    const Resistor odd = resistorBetween({0, 0}, {-21, 0});
    EXPECT_TRUE(odd.hitAt({-20, 0}));
    EXPECT_FALSE(odd.hitAt({-21, 0}));
}

TEST(CircThing, ExtendTogglesAHitAndKeepsAMissedSelection)
{
    Resistor r = resistorBetween({0, 0}, {40, 0});
    r.setSelected(true);
    r.selectAt({20, 0}, true);
    EXPECT_FALSE(r.isSelected());
    r.selectAt({20, 0}, true);
    EXPECT_TRUE(r.isSelected());
    r.selectAt({200, 0}, true);
    EXPECT_TRUE(r.isSelected());
    r.selectAt({200, 0}, false);
    EXPECT_FALSE(r.isSelected());
}

TEST(CircThing, RectangleSelectionTestsTheMidpointHalfOpen)
{
    Resistor r = resistorBetween({0, 0}, {40, 0});
    r.selectInRect({20, 0, 21, 1}, false);
    EXPECT_TRUE(r.isSelected());
    r.selectInRect({0, -10, 20, 10}, false);
    EXPECT_FALSE(r.isSelected());
    r.setSelected(true);
    r.selectInRect({0, -10, 30, 10}, true);
    EXPECT_FALSE(r.isSelected());
    r.setSelected(true);
    r.selectInRect({100, 100, 200, 200}, true);
    EXPECT_TRUE(r.isSelected());
}

TEST(CircThing, BoundingRectangleGrowsByFortyAndIntersectsStrictly)
{
    const Resistor r = resistorBetween({100, 50}, {0, 0});
    EXPECT_EQ(r.boundingRect(), (Rect{-40, -40, 140, 90}));
    EXPECT_TRUE(r.intersects({139, 89, 200, 200}));
    EXPECT_FALSE(r.intersects({140, 0, 200, 200}));
    EXPECT_FALSE(r.intersects({-100, -100, -40, 0}));
}

TEST(CircThing, MatchesNameAndOwnerExactly)
{
    Resistor r = resistorBetween({0, 0}, {40, 0});
    r.setName(labelUnit("R1"));
    EXPECT_TRUE(r.matches(labelUnit("R1"), nullptr));
    EXPECT_FALSE(r.matches(labelUnit("r1"), nullptr));
    EXPECT_FALSE(r.matches(labelUnit("R1"), reinterpret_cast<TCircuitDocument *>(&r)));
}

TEST(CircThing, ExtremeCoordinatesSaturateInsteadOfOverflowing)
{
    constexpr std::int32_t top = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t bottom = std::numeric_limits<std::int32_t>::min();
    Resistor r = resistorBetween({bottom, bottom}, {top, top});
    // The single-precision sums lose the offset at this magnitude; the result stays in range.
    EXPECT_EQ(r.labelPoint(), (Point{0, 0}));
    EXPECT_EQ(r.boundingRect(), (Rect{bottom, bottom, top, top}));
    EXPECT_TRUE(r.hitAt({-1, -1}));
    r.move(top, top);
    EXPECT_EQ(r.secondPoint(), (Point{top, top}));
    EXPECT_EQ(r.firstPoint(), (Point{-1, -1}));
    EXPECT_FALSE(r.hasTerminalAt({bottom, top}));
}

TEST(CircTool, PlacingOrdersTheCornersAndKeepsTheGivenFirstPointAsLabel)
{
    CircTool tool;
    tool.place({300, 100}, {200, 250}, nullptr);
    EXPECT_EQ(tool.firstPoint(), (Point{200, 100}));
    EXPECT_EQ(tool.secondPoint(), (Point{300, 250}));
    EXPECT_EQ(tool.labelPoint(), (Point{300, 100}));
}

TEST(CircTool, IsHitInsideItsHalfOpenRectangle)
{
    CircTool tool;
    tool.place({0, 0}, {100, 50}, nullptr);
    EXPECT_TRUE(tool.hitAt({0, 0}));
    EXPECT_TRUE(tool.hitAt({99, 49}));
    EXPECT_FALSE(tool.hitAt({100, 10}));
    EXPECT_FALSE(tool.hitAt({10, 50}));
    tool.selectAt({90, 40}, false);
    EXPECT_TRUE(tool.isSelected());
    tool.selectAt({90, 40}, true);
    EXPECT_FALSE(tool.isSelected());
}

TEST(CircTool, MovingACornerReshapesTheRectangle)
{
    CircTool tool;
    tool.place({0, 0}, {100, 50}, nullptr);
    tool.moveTerminal({100, 50}, -200, 0);
    EXPECT_EQ(tool.firstPoint(), (Point{-100, 0}));
    EXPECT_EQ(tool.secondPoint(), (Point{0, 50}));
}

TEST(PassComp, ScaledValueIsTheNumberTimesTheUnitFactor)
{
    Resistor r;
    r.setValue(textDouble("4.7"));
    r.setUnitIndex(1);
    EXPECT_DOUBLE_EQ(r.scaledValue(), 4700.0);
    Capacitor c;
    c.setValue(textDouble("10"));
    c.setUnitIndex(1);
    EXPECT_DOUBLE_EQ(c.scaledValue(), 1e-5);
    Inductor l;
    l.setValue(textDouble("3"));
    l.setUnitIndex(4);
    EXPECT_DOUBLE_EQ(l.scaledValue(), 3000.0);
    // A unit index from a damaged file reads the nearest table entry.
    l.setUnitIndex(40);
    EXPECT_DOUBLE_EQ(l.scaledValue(), 3e6);
    EXPECT_EQ(l.valueLabel(), "3 MH");
}

TEST(PassComp, NewComponentsHaveValueZeroInTheFirstUnit)
{
    const Capacitor c;
    EXPECT_EQ(c.value(), "0");
    EXPECT_EQ(c.unitIndex(), 0);
    EXPECT_EQ(c.valueLabel(), "0 pF");
    EXPECT_EQ(c.labelSide(), LabelSide::Default);
    EXPECT_TRUE(c.name().isEmpty());
    EXPECT_FALSE(c.isSelected());
    EXPECT_EQ(c.document(), nullptr);
}

TEST(CircTag, PlacingClearsTheNetlistLinks)
{
    CurrentTag tag;
    tag.cp1 = reinterpret_cast<NetlistNode *>(&tag);
    tag.end2 = reinterpret_cast<EndPoint *>(&tag);
    tag.place({0, 0}, {10, 0}, nullptr);
    EXPECT_EQ(tag.cp1, nullptr);
    EXPECT_EQ(tag.end2, nullptr);
}

namespace {

struct KindCase
{
    std::function<std::unique_ptr<CircThing>()> make;
    const char *title;
    // connector, source, voltage source, current source, dependent, independent
    const char *predicates;
};

template<typename T>
std::unique_ptr<CircThing> make()
{
    return std::make_unique<T>();
}

std::string predicatesOf(const CircThing &thing)
{
    const auto *component = dynamic_cast<const Component *>(&thing);
    if (!component)
        return "";
    std::string flags;
    for (const bool flag :
         {component->isConnector(), component->isSource(), component->isVoltageSource(),
          component->isCurrentSource(), component->isDependent(), component->isIndependent()})
        flags += flag ? '1' : '0';
    return flags;
}

} // namespace

class CircThingKinds : public ::testing::TestWithParam<KindCase>
{
};

TEST_P(CircThingKinds, AnswerTheirHelpTitleAndKindPredicates)
{
    const std::unique_ptr<CircThing> thing = GetParam().make();
    EXPECT_STREQ(thing->helpTopicTitle(), GetParam().title);
    EXPECT_EQ(predicatesOf(*thing), GetParam().predicates);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, CircThingKinds,
    ::testing::Values(KindCase{make<Wire>, "Wire", "100000"},
                      KindCase{make<Grounder>, "Ground", "100000"},
                      KindCase{make<Resistor>, "Resistor", "000000"},
                      KindCase{make<Capacitor>, "Capacitor", "000000"},
                      KindCase{make<Inductor>, "Inductor", "000000"},
                      KindCase{make<VoltSource>, "Voltage Source", "011001"},
                      KindCase{make<CurrSource>, "Current Source", "010101"},
                      KindCase{make<DepVoltSource>, "Dependent Voltage Source", "011010"},
                      KindCase{make<DepCurrSource>, "Dependent Current Source", "010110"},
                      KindCase{make<VoltageTag>, "Voltage Tag", ""},
                      KindCase{make<CurrentTag>, "Current Tag", ""},
                      KindCase{make<CircTool>, "Zenodyne Help", ""},
                      KindCase{make<TextBlock>, "Text Block", ""}));
