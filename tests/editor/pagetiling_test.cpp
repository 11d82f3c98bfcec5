#include <editor/pagetiling.h>

#include <common/drawcolors.h>
#include <model/tcircuitdocument.h>
#include <support/recordingsurface.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A page area of 300 x 232 sheet units leaves a body of 300 x 200 above the footer.
constexpr Size pageArea{300, 232};
constexpr Size picture{500, 350};

struct Placed
{
    std::int32_t number;
    std::int32_t column;
    std::int32_t row;

    bool operator==(const Placed &) const = default;
};

std::vector<Placed> placed(const PageTiling &tiling)
{
    std::vector<Placed> result;
    for (const PrintedPage &page : tiling.pages())
        result.push_back({page.number, page.column, page.row});
    return result;
}

// A document printed on two by two pages.
struct TwoByTwo
{
    TwoByTwo(bool leftToRight, std::int32_t startPage)
    {
        document.setPageCount({2, 2});
        document.setNumbersLeftToRight(leftToRight);
        document.setStartPage(startPage);
    }

    TCircuitDocument document;
};

TEST(PageTiling, TwoByTwoComesInTheOrderOfEachNumberingScheme)
{
    const TwoByTwo leftToRight(true, 5);
    EXPECT_EQ(placed(PageTiling(leftToRight.document, picture, pageArea, false)),
              (std::vector<Placed>{{5, 0, 0}, {6, 1, 0}, {7, 0, 1}, {8, 1, 1}}));

    const TwoByTwo topToBottom(false, 5);
    EXPECT_EQ(placed(PageTiling(topToBottom.document, picture, pageArea, false)),
              (std::vector<Placed>{{5, 0, 0}, {6, 0, 1}, {7, 1, 0}, {8, 1, 1}}));
}

TEST(PageTiling, TilesCutThePictureFromItsTopLeftAtTheFixedScale)
{
    const TwoByTwo layout(false, 1);
    const PageTiling tiling(layout.document, picture, pageArea, false);
    EXPECT_EQ(tiling.body(), (Size{300, 200}));
    std::vector<Rect> areas;
    for (const PrintedPage &page : tiling.pages()) {
        areas.push_back(page.area);
        EXPECT_EQ(page.scale, 1);
    }
    EXPECT_EQ(areas,
              (std::vector<Rect>{
                  {0, 0, 300, 200}, {0, 200, 300, 400}, {300, 0, 600, 200}, {300, 200, 600, 400}}));
}

TEST(PageTiling, FitToOnePageScalesTheWholePictureIntoTheBody)
{
    const TwoByTwo layout(true, 3);
    const PageTiling tiling(layout.document, picture, pageArea, true);
    ASSERT_EQ(tiling.pages().size(), 1u);
    const PrintedPage &page = tiling.pages().front();
    EXPECT_EQ(page.number, 3);
    EXPECT_EQ(page.area, (Rect{0, 0, 500, 350}));
    // Across 300 / 500 = 0.6, down 200 / 350 = 0.571...: the smaller one fits both.
    EXPECT_DOUBLE_EQ(page.scale, 200.0 / 350.0);
}

TEST(PageTiling, PageCountsBeyondTheDialogsLimitPrintTwentyByTwenty)
{
    TCircuitDocument document;
    document.setPageCount({1'000'000, 3});
    const PageTiling tiling(document, picture, pageArea, false);
    EXPECT_EQ(tiling.pages().size(), 60u);
    // The numbers are those of the document's scheme: row 2, column 19.
    EXPECT_EQ(tiling.pages().back().number, 1 + 2 * 1'000'000 + 19);
}

TEST(PageTiling, NumbersBeyondTheIntegerRangeHaveNoPage)
{
    const TwoByTwo layout(true, 2147483646);
    const PageTiling tiling(layout.document, picture, pageArea, false);
    EXPECT_EQ(placed(tiling), (std::vector<Placed>{{2147483646, 0, 0}, {2147483647, 1, 0}}));
}

TEST(PageTiling, FooterShowsThePageNumberCentredAtTheBottomInThePrinterFontColour)
{
    const TwoByTwo layout(true, 1);
    const PageTiling tiling(layout.document, picture, pageArea, false);
    RecordingSurface surface;
    tiling.drawFooter(surface, tiling.pages().at(2));
    const Color font = DrawColors::current().printer(ColorRole::Font);
    RecordingSurface expected;
    expected.setTextColor(font);
    EXPECT_EQ(surface.calls(), (std::vector<std::string>{
                                   expected.calls().front(),
                                   "text (150,232) center bottom \"Page 3\"",
                               }));
}

} // namespace
