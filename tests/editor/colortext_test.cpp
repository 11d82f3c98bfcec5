#include <editor/colortext.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ParseColour, KeepsTheLowEightBitsOfEachNumber)
{
    EXPECT_EQ(ParseColour("300,0,0"), (Color{44, 0, 0}));
    EXPECT_EQ(ParseColour("-1,256,511"), (Color{255, 0, 255}));
    // 99999999999999999999 = 255 modulo 256, without any overflow on the way.
    EXPECT_EQ(ParseColour("99999999999999999999,1,1"), (Color{255, 1, 1}));
}

TEST(ParseColour, MissingOrUnreadableNumbersGiveZero)
{
    EXPECT_EQ(ParseColour(""), (Color{0, 0, 0}));
    EXPECT_EQ(ParseColour("12,34"), (Color{12, 34, 0}));
    EXPECT_EQ(ParseColour("abc,7,x9"), (Color{0, 7, 0}));
    EXPECT_EQ(ParseColour(" 12, 13 ,14junk"), (Color{12, 13, 14}));
    EXPECT_EQ(ParseColour("1,,3"), (Color{1, 0, 3}));
    EXPECT_EQ(ParseColour("5,6,7,8"), (Color{5, 6, 7}));
}

TEST(ParseColour, ReadsOnlyTheFirstEightyCharacters)
{
    EXPECT_EQ(ParseColour("1,2," + std::string(75, ' ') + "9"), (Color{1, 2, 9}));
    EXPECT_EQ(ParseColour("1,2," + std::string(76, ' ') + "9"), (Color{1, 2, 0}));
}

TEST(ParseColour, FormattedColoursReadBack)
{
    EXPECT_EQ(formatColour(Color{1, 22, 255}), "1,22,255");
    EXPECT_EQ(ParseColour(formatColour(Color{128, 0, 64})), (Color{128, 0, 64}));
}

} // namespace
