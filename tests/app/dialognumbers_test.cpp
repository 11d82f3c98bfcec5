#include <dialognumbers.h>

#include <gtest/gtest.h>

namespace {

TEST(DialogNumbers, LeadingIntegerReadsAsTheCLibraryDoes)
{
    EXPECT_EQ(DialogNumbers::leadingInteger(" 42abc"), 42);
    EXPECT_EQ(DialogNumbers::leadingInteger("-7"), -7);
    EXPECT_EQ(DialogNumbers::leadingInteger("+3.9"), 3);
    EXPECT_EQ(DialogNumbers::leadingInteger("abc"), 0);
    EXPECT_EQ(DialogNumbers::leadingInteger(""), 0);
}

TEST(DialogNumbers, PageCountsAreKeptWithinOneToTwenty)
{
    EXPECT_EQ(DialogNumbers::pageCountEntry("-3"), 1);
    EXPECT_EQ(DialogNumbers::pageCountEntry("0"), 0) << "the document makes it 1";
    EXPECT_EQ(DialogNumbers::pageCountEntry("20"), 20);
    EXPECT_EQ(DialogNumbers::pageCountEntry("21"), 20);
    EXPECT_EQ(DialogNumbers::pageCountEntry("7 pages"), 7);
}

TEST(DialogNumbers, SignificandBytesAreCutToSixteenBitsThenClamped)
{
    EXPECT_EQ(DialogNumbers::significandBytesEntry("50"), 50);
    EXPECT_EQ(DialogNumbers::significandBytesEntry("24"), 25);
    EXPECT_EQ(DialogNumbers::significandBytesEntry("4097"), 4096);
    // 65566 = 65536 + 30: the low 16 bits are 30.
    EXPECT_EQ(DialogNumbers::significandBytesEntry("65566"), 30);
    // -1 is 65535 in 16 bits.
    EXPECT_EQ(DialogNumbers::significandBytesEntry("-1"), 4096);
    EXPECT_EQ(DialogNumbers::significandBytesEntry("x"), 25);
}

TEST(DialogNumbers, StartPageSaturatesAtTheThirtyTwoBitRange)
{
    EXPECT_EQ(DialogNumbers::startPageEntry("-5"), -5);
    EXPECT_EQ(DialogNumbers::startPageEntry("99999999999"), 2147483647);
}

} // namespace
