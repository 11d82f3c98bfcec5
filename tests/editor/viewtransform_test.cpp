#include <editor/viewtransform.h>

#include <gtest/gtest.h>

namespace {

TEST(ViewTransform, MapsWindowPointsThroughZoomAndScrollPosition)
{
    ViewTransform transform;
    EXPECT_EQ(transform.windowToSheet(Point{37, -5}), (Point{37, -5}));
    transform.setZoomAround(Point{0, 0}, 2.0);
    transform.setScrollPosition(Point{100, 50});
    EXPECT_EQ(transform.windowToSheet(Point{31, 10}), (Point{115, 55}));
    EXPECT_EQ(transform.windowToSheet(Point{-1, -1}), (Point{99, 49}));
    EXPECT_EQ(transform.sheetToWindow(Point{115, 55}), (Point{30, 10}));
    EXPECT_EQ(transform.sheetToWindow(Rect{100, 50, 110, 61}), (Rect{0, 0, 20, 22}));
    EXPECT_EQ(transform.windowToSheet(Rect{1, 1, 3, 3}), (Rect{100, 50, 102, 52}));
}

TEST(ViewTransform, ZoomKeepsTheSheetPointUnderThePointerFixed)
{
    ViewTransform transform;
    transform.setScrollPosition(Point{-230, 470});
    const Point pointer{613, 287};
    const double sheetX = transform.sheetX(pointer.x);
    const double sheetY = transform.sheetY(pointer.y);
    for (int step = 0; step < 7; ++step) {
        transform.zoomInAround(pointer);
        EXPECT_NEAR(transform.sheetX(pointer.x), sheetX, 1e-9);
        EXPECT_NEAR(transform.sheetY(pointer.y), sheetY, 1e-9);
    }
    transform.zoomOutAround(Point{5, 9});
    EXPECT_NEAR(transform.zoom(), 1.25 * 1.25 * 1.25 * 1.25 * 1.25 * 1.25, 1e-12);
}

TEST(ViewTransform, ZoomStaysWithinItsRange)
{
    ViewTransform transform;
    for (int step = 0; step < 40; ++step)
        transform.zoomInAround(Point{10, 10});
    EXPECT_DOUBLE_EQ(transform.zoom(), ViewTransform::maximumZoom);
    for (int step = 0; step < 80; ++step)
        transform.zoomOutAround(Point{10, 10});
    EXPECT_DOUBLE_EQ(transform.zoom(), ViewTransform::minimumZoom);
}

TEST(ViewTransform, FitCentresTheRectangleAtTheLargestZoomThatShowsIt)
{
    ViewTransform transform;
    // 1000 x 300 sheet units into 1040 x 1040 pixels less the margins: zoom 1.
    transform.fit(Rect{100, 200, 1100, 500}, Size{1040, 1040});
    EXPECT_DOUBLE_EQ(transform.zoom(), 1.0);
    EXPECT_EQ(transform.windowToSheet(Point{520, 520}), (Point{600, 350}));
    EXPECT_EQ(transform.sheetToWindow(Point{100, 200}), (Point{20, 370}));

    transform.fit(Rect{0, 0, 100, 100}, Size{840, 440});
    EXPECT_DOUBLE_EQ(transform.zoom(), 4.0);
    EXPECT_EQ(transform.sheetToWindow(Point{50, 50}), (Point{420, 220}));
}

TEST(ViewTransform, FitOfNothingResetsTheView)
{
    ViewTransform transform;
    transform.setZoomAround(Point{3, 3}, 3.0);
    transform.fit(Rect{}, Size{800, 600});
    EXPECT_DOUBLE_EQ(transform.zoom(), 1.0);
    EXPECT_EQ(transform.scrollPosition(), (Point{0, 0}));
}

TEST(ViewTransform, ScrollingMovesBySheetUnitsOfTheZoom)
{
    ViewTransform transform;
    transform.setZoomAround(Point{0, 0}, 4.0);
    transform.scrollBy(40, -8);
    EXPECT_EQ(transform.scrollPosition(), (Point{10, -2}));
}

} // namespace
