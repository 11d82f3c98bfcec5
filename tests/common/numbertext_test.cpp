#include <common/numbertext.h>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

TEST(NumberText, ReadsTheLeadingNumberLikeStrtod)
{
    std::size_t used = 0;
    EXPECT_DOUBLE_EQ(parseLeadingDouble("  12k", &used), 12.0);
    EXPECT_EQ(used, 4u);
    EXPECT_DOUBLE_EQ(parseLeadingDouble("1e3x", &used), 1000.0);
    EXPECT_EQ(used, 3u);
    EXPECT_DOUBLE_EQ(parseLeadingDouble("-.5", &used), -0.5);
    EXPECT_EQ(used, 3u);
    EXPECT_DOUBLE_EQ(parseLeadingDouble("+4.25e-2", &used), 0.0425);
    EXPECT_DOUBLE_EQ(parseLeadingDouble("0x10", &used), 16.0);
    EXPECT_EQ(used, 4u);
    EXPECT_TRUE(std::isinf(parseLeadingDouble("inf", &used)));
    EXPECT_EQ(parseLeadingDouble("abc", &used), 0.0);
    EXPECT_EQ(used, 0u);
    EXPECT_EQ(parseLeadingDouble("", &used), 0.0);
    EXPECT_EQ(used, 0u);
    // "1e" is the number 1 followed by the letter e.
    EXPECT_DOUBLE_EQ(parseLeadingDouble("1e", &used), 1.0);
    EXPECT_EQ(used, 1u);
}

TEST(NumberText, IgnoresTheProcessLocale)
{
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale installed";
    EXPECT_DOUBLE_EQ(parseLeadingDouble("2.5"), 2.5);
    EXPECT_EQ(formatGeneral(2.5, 6), "2.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, FormatsLikePrintfGeneral)
{
    EXPECT_EQ(formatGeneral(1.0 / 3.0, 14), "0.33333333333333");
    EXPECT_EQ(formatGeneral(1e20, 14), "1e+20");
    EXPECT_EQ(formatGeneral(1e13, 14), "10000000000000");
    EXPECT_EQ(formatGeneral(1e14, 14), "1e+14");
    EXPECT_EQ(formatGeneral(0.0001, 14), "0.0001");
    EXPECT_EQ(formatGeneral(0.00001, 14), "1e-05");
    EXPECT_EQ(formatGeneral(4700.0, 6), "4700");
    EXPECT_EQ(formatGeneral(-1234567.0, 6), "-1.23457e+06");
    EXPECT_EQ(formatGeneral(0.0, 6), "0");
}

// Beyond the doubles the decade comes from the binary exponent; within them the text is the
// plain one, so that texts of circuits that fit stay as they are.
TEST(NumberText, FormatsScaledNumbersBeyondTheDoubles)
{
    EXPECT_EQ(formatGeneralScaled(1.5, 4000, 6), "1.97731e+1204");
    EXPECT_EQ(formatGeneralScaled(1.5, 4000, 12), "1.97730614015e+1204");
    EXPECT_EQ(formatGeneralScaled(-1.0, -4000, 6), "-7.58608e-1205");
    EXPECT_EQ(formatGeneralScaled(0.75, 2, 6), "3");
    EXPECT_EQ(formatGeneralScaled(-1.2345, 1000, 6), formatGeneral(std::ldexp(-1.2345, 1000), 6));
    EXPECT_EQ(formatGeneralScaled(0.0, 5000, 6), "0");
    // 0.99999999 × 2^4000 / 1.5 rounds up to the next decade.
    EXPECT_EQ(formatGeneralScaled(1.5 * (10.0 / 1.97730614014641465) * 0.9999999, 4000, 6),
              "1e+1205");
}

TEST(NumberText, FormatsLikePrintfExponent)
{
    EXPECT_EQ(formatScientific(-1.5, 8), "-1.50000000e+00");
    EXPECT_EQ(formatScientific(1.0 / 3.0, 8), "3.33333333e-01");
    EXPECT_EQ(formatScientific(2.5e-123, 2), "2.50e-123");
    EXPECT_EQ(formatScientific(0.0, 8), "0.00000000e+00");
}
