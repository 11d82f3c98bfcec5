#include <tools/polezeromap.h>

#include <algebra/factpolynom.h>

#include <support/recordingsurface.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

FactPolynom rootsOf(std::initializer_list<std::complex<double>> values)
{
    FactPolynom roots;
    for (const std::complex<double> value : values)
        roots.append(Root(value));
    return roots;
}

// A 200 x 200 frame: origin at (100, 100), the full radius 88 (12 % kept free at the edge).
const Rect frame{0, 0, 200, 200};

TEST(PoleZeroMap, LinearScaleHoldsTheLargestRootAndComplexRootsBringTheirConjugates)
{
    PoleZeroMap map;
    map.add(rootsOf({{-2.0, 0.0}, {-1.0, 1.0}}), true, false);
    map.add(rootsOf({{0.0, 0.0}}), false, false);
    ASSERT_EQ(map.marks().size(), 4u);
    EXPECT_FALSE(map.isLogarithmic());
    EXPECT_EQ(map.place({-2.0, 0.0}, frame), (Point{12, 100}));
    EXPECT_EQ(map.place({-1.0, 1.0}, frame), (Point{56, 56}));
    EXPECT_EQ(map.place(map.marks()[2].value, frame), (Point{56, 144}));
    EXPECT_EQ(map.place({0.0, 0.0}, frame), (Point{100, 100}));
}

TEST(PoleZeroMap, RootsDecadesApartGetALogarithmicRadius)
{
    PoleZeroMap map;
    map.add(rootsOf({{-1e4, 0.0}, {-10.0, 0.0}}), true, false);
    map.add(rootsOf({{-10.0, 0.0}}), false, true);
    EXPECT_TRUE(map.isLogarithmic());
    // Four decades from 10 on: 10 at 1/4 of the radius, 1e4 at all of it.
    EXPECT_EQ(map.place({-10.0, 0.0}, frame), (Point{78, 100}));
    EXPECT_EQ(map.place({-1e4, 0.0}, frame), (Point{12, 100}));
    // The cancelled zero is drawn greyed (the minor graph colour), before the remaining roots.
    RecordingSurface surface;
    map.draw(surface, frame);
    const std::vector<std::string> &calls = surface.calls();
    const auto ellipse = std::find(calls.begin(), calls.end(), "ellipse (74,96,82,104)");
    ASSERT_NE(ellipse, calls.end());
    EXPECT_EQ(*(ellipse - 1), "pen 128,128,128 2 0");
    const auto firstPole = std::find(calls.begin(), calls.end(), "line (74,96) (82,104)");
    EXPECT_GT(firstPole - ellipse, 0);
}

} // namespace
