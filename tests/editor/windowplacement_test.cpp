#include <editor/inifile.h>
#include <editor/windowplacement.h>

#include <gtest/gtest.h>

namespace {

constexpr Size screen{1920, 1080};

WindowPlacement placement(int x, int y, int width, int height)
{
    return WindowPlacement{x, y, width, height, false};
}

TEST(WindowPlacement, SizesNotAboveSixtyTakeTheDefaults)
{
    EXPECT_EQ(placement(10, 20, 60, 60).onScreen(screen), placement(10, 20, 600, 400));
    EXPECT_EQ(placement(10, 20, 61, 61).onScreen(screen), placement(10, 20, 61, 61));
    EXPECT_EQ(placement(10, 20, -5, 0).onScreen(screen), placement(10, 20, 600, 400));
}

TEST(WindowPlacement, SizesLargerThanTheScreenBecomeTheScreensLessTen)
{
    EXPECT_EQ(placement(0, 0, 2500, 1081).onScreen(screen), placement(0, 0, 1910, 1070));
    EXPECT_EQ(placement(0, 0, 1920, 1080).onScreen(screen), placement(0, 0, 1920, 1080));
}

TEST(WindowPlacement, EitherPositionMinusOneCentresOnBothAxes)
{
    EXPECT_EQ(placement(300, -1, 601, 401).onScreen(screen), placement(659, 339, 601, 401));
    EXPECT_EQ(placement(-1, 300, 600, 400).onScreen(screen), placement(660, 340, 600, 400));
}

TEST(WindowPlacement, WindowsAreMovedOntoTheScreen)
{
    EXPECT_EQ(placement(-50, -2, 600, 400).onScreen(screen), placement(0, 0, 600, 400));
    EXPECT_EQ(placement(1800, 900, 600, 400).onScreen(screen), placement(1320, 680, 600, 400));
}

TEST(WindowPlacement, ReadsItsKeysWithDefaultsAndWritesThemAsNumbers)
{
    EXPECT_EQ(WindowPlacement::read(IniFile()), (WindowPlacement{-1, -1, 600, 400, false}));

    const IniFile file = IniFile::parse("[Display]\nWidth=800\nXpos=12\nMaximized=1\n");
    EXPECT_EQ(WindowPlacement::read(file), (WindowPlacement{12, -1, 800, 400, true}));

    IniFile written;
    WindowPlacement{-3, 40, 1024, 768, false}.write(written);
    EXPECT_EQ(written.text(), "[Display]\nWidth=1024\nHeight=768\nXpos=-3\nYpos=40\nMaximized=0\n");
}

} // namespace
