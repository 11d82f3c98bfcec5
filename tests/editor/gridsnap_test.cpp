#include <editor/gridsnap.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

TEST(GridSnap, MovesEachCoordinateToTheCentreOfItsCell)
{
    EXPECT_EQ(GridSnap::snapCoordinate(10), 10);
    EXPECT_EQ(GridSnap::snapCoordinate(5), 10);
    EXPECT_EQ(GridSnap::snapCoordinate(19), 10);
    EXPECT_EQ(GridSnap::snapCoordinate(21), 30);
    EXPECT_EQ(GridSnap::snapCoordinate(-5), -10);
    EXPECT_EQ(GridSnap::snapCoordinate(-21), -30);
    EXPECT_EQ(GridSnap::snap(Point{44, -44}), (Point{50, -50}));
}

TEST(GridSnap, HalfwayPointsGoAwayFromTheCellCentreAtTen)
{
    // c - 10 lies halfway between two multiples of 20 and is rounded away from zero.
    EXPECT_EQ(GridSnap::snapCoordinate(20), 30);
    EXPECT_EQ(GridSnap::snapCoordinate(0), -10);
    EXPECT_EQ(GridSnap::snapCoordinate(-20), -30);
    EXPECT_EQ(GridSnap::snapCoordinate(40), 50);
}

TEST(GridSnap, EverySnappedCoordinateIsTheNearestCellCentre)
{
    for (std::int32_t c = -1000; c <= 1000; ++c) {
        const std::int32_t snapped = GridSnap::snapCoordinate(c);
        EXPECT_EQ(((snapped - 10) % 20 + 20) % 20, 0) << c;
        EXPECT_LE(std::abs(snapped - c), 10) << c;
    }
}

TEST(GridSnap, SaturatesAtTheEndsOfTheRange)
{
    EXPECT_EQ(GridSnap::snapCoordinate(std::numeric_limits<std::int32_t>::max()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(GridSnap::snapCoordinate(std::numeric_limits<std::int32_t>::min()),
              std::numeric_limits<std::int32_t>::min());
}

} // namespace
