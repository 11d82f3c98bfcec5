#include <editor/gridsnap.h>

#include <gtest/gtest.h>

TEST(GridSnap, MovesEachCoordinateToTheCentreOfItsCell)
{
    EXPECT_EQ(GridSnap::snapCoordinate(10), 10);
    EXPECT_EQ(GridSnap::snapCoordinate(5), 10);
    EXPECT_EQ(GridSnap::snapCoordinate(19), 10);
    EXPECT_EQ(GridSnap::snapCoordinate(21), 30);
    EXPECT_EQ(GridSnap::snapCoordinate(-5), -10);
    EXPECT_EQ(GridSnap::snapCoordinate(-21), -30);
}
