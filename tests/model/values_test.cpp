#include <model/labelunit.h>
#include <model/textdouble.h>
#include <model/tokensplitter.h>
#include <model/unitscale.h>
#include <model/vstring.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

TEST(LabelUnit, KeepsAtMost63CharactersAndStopsAtAZeroByte)
{
    const std::string hundred(100, 'x');
    labelUnit label(hundred);
    EXPECT_EQ(label.length(), 63u);
    EXPECT_EQ(label, std::string(63, 'x'));
    label = std::string_view("ab\0cd", 5);
    EXPECT_EQ(label, "ab");
    EXPECT_EQ(labelUnit("R1"), labelUnit("R1"));
    EXPECT_FALSE(labelUnit("R1") == labelUnit("r1"));
}

struct NormalizeCase
{
    const char *text;
    const char *normalized;
    bool validName;
};

class LabelUnitNormalize : public ::testing::TestWithParam<NormalizeCase>
{
};

TEST_P(LabelUnitNormalize, KeepsTheRunOfLettersAndDigitsAfterLeadingBlanks)
{
    labelUnit label(GetParam().text);
    EXPECT_EQ(label.normalizeAndCheckName(), GetParam().validName);
    EXPECT_EQ(label, GetParam().normalized);
}

INSTANTIATE_TEST_SUITE_P(
    Names, LabelUnitNormalize,
    ::testing::Values(NormalizeCase{"  R12 x", "R12", true}, NormalizeCase{" R 1", "R", true},
                      NormalizeCase{"12ab", "12ab", false}, NormalizeCase{"-R1", "", false},
                      NormalizeCase{"   ", "", false}, NormalizeCase{"\tVout+", "Vout", true},
                      NormalizeCase{"V_1", "V", true}, NormalizeCase{"\xC2\xB5V", "", false}));

TEST(LabelUnit, ValidNameWithoutNormalizingTakesTheTextAsItIs)
{
    EXPECT_TRUE(labelUnit("V1 in").isValidName());
    EXPECT_FALSE(labelUnit(" V1").isValidName());
    EXPECT_FALSE(labelUnit("").isValidName());
    EXPECT_TRUE(labelUnit("x").isValidName());
}

TEST(LabelUnit, NumberTestNeedsALeadingNumber)
{
    EXPECT_TRUE(labelUnit("12k").isNumber());
    EXPECT_TRUE(labelUnit(" -.5").isNumber());
    EXPECT_FALSE(labelUnit("k12").isNumber());
    EXPECT_FALSE(labelUnit("").isNumber());
    EXPECT_FALSE(labelUnit(".").isNumber());
}

TEST(TextDouble, NumbersAreWrittenWith14SignificantDigits)
{
    EXPECT_EQ(textDouble(1.0 / 3.0), "0.33333333333333");
    EXPECT_EQ(textDouble(1e20), "1e+20");
    EXPECT_EQ(textDouble(1e13), "10000000000000");
    EXPECT_EQ(textDouble(1e14), "1e+14");
    EXPECT_EQ(textDouble(0.0001), "0.0001");
    EXPECT_EQ(textDouble(0.00001), "1e-05");
    EXPECT_EQ(textDouble(-2.5), "-2.5");
    EXPECT_EQ(textDouble(), "0");
}

TEST(TextDouble, TextKeepsOnlyTheLeadingNumber)
{
    EXPECT_EQ(textDouble("abc"), "0");
    EXPECT_EQ(textDouble("12k"), "12");
    EXPECT_DOUBLE_EQ(textDouble("12k").value(), 12.0);
    EXPECT_EQ(textDouble("1e3x"), "1e3");
    EXPECT_EQ(textDouble("  4.7 Kohm"), "  4.7");
    EXPECT_DOUBLE_EQ(textDouble("  4.7 Kohm").value(), 4.7);
    EXPECT_EQ(textDouble(""), "0");
    EXPECT_EQ(textDouble(std::string(70, '9')).length(), 63u);
}

TEST(TextDouble, NonFiniteNumbersCountAsMissing)
{
    EXPECT_EQ(textDouble("inf"), "0");
    EXPECT_EQ(textDouble("nan"), "0");
    EXPECT_EQ(textDouble("1e999"), "0");
    EXPECT_EQ(textDouble(std::numeric_limits<double>::infinity()), "0");
    // A file may still hold such a text; its value reads as 0, so the checks report it.
    textDouble stored;
    static_cast<labelUnit &>(stored) = "inf";
    EXPECT_EQ(stored, "inf");
    EXPECT_EQ(stored.value(), 0.0);
}

TEST(VString, CopiesAndComparesItsText)
{
    VString text("V1 - V2");
    VString copy = text;
    copy = "other";
    EXPECT_EQ(text, "V1 - V2");
    EXPECT_EQ(copy, "other");
    EXPECT_EQ(VString().length(), 0u);
    EXPECT_STREQ(VString().text(), "");
}

TEST(VString, RecordWhoseLengthWordDisagreesIsDamage)
{
    opstream os;
    os.writeWord32(5);
    os.writeString("abc");
    ipstream is(os.bytes());
    VString text("kept");
    text.read(is, 1);
    EXPECT_EQ(is.errorText(), "text length 5 does not match the text");
    EXPECT_EQ(text, "kept");
}

TEST(TokenSplitter, SplitsIntoRunsOfLettersAndDigitsAndSingleSigns)
{
    MArray<labelUnit> tokens;
    splitTokens(VString("2*V1+ 3.5"), tokens);
    std::vector<std::string> texts;
    for (const labelUnit &token : tokens)
        texts.emplace_back(token.view());
    EXPECT_EQ(texts, (std::vector<std::string>{"2", "*", "V1", "+", "3", ".", "5"}));
}

TEST(TokenSplitter, CutsLongTokensAndAppendsToTheList)
{
    MArray<labelUnit> tokens;
    tokens.append(labelUnit("first"));
    splitTokens(VString(std::string(70, 'a') + " \t(b_2)"), tokens);
    ASSERT_EQ(tokens.count(), 7);
    EXPECT_EQ(tokens[1].length(), 63u);
    EXPECT_EQ(tokens[2], "(");
    EXPECT_EQ(tokens[3], "b");
    EXPECT_EQ(tokens[4], "_");
    EXPECT_EQ(tokens[5], "2");
    EXPECT_EQ(tokens[6], ")");
    MArray<labelUnit> none;
    splitTokens(VString("  "), none);
    EXPECT_TRUE(none.isEmpty());
}

TEST(UnitScale, TablesHoldTheUnitsWithTheirFactors)
{
    const UnitScale &r = UnitScale::resistor();
    ASSERT_EQ(r.count(), 3);
    EXPECT_EQ(r.label(1), "Kohm");
    EXPECT_EQ(r.factor(2), 1e6);
    const UnitScale &c = UnitScale::capacitor();
    ASSERT_EQ(c.count(), 4);
    EXPECT_EQ(c.label(1), "\xC2\xB5"
                          "F");
    EXPECT_EQ(c.factor(0), 1e-12);
    EXPECT_EQ(c.factor(3), 1.0);
    const UnitScale &l = UnitScale::inductor();
    ASSERT_EQ(l.count(), 6);
    EXPECT_EQ(l.label(1), "\xC2\xB5"
                          "H");
    EXPECT_EQ(l.label(4), "KH");
    EXPECT_EQ(l.factor(5), 1e6);
}

TEST(UnitScale, IndicesOutsideTheTableAreClamped)
{
    const UnitScale &r = UnitScale::resistor();
    EXPECT_EQ(r.label(-7), "ohm");
    EXPECT_EQ(r.factor(99), 1e6);
    EXPECT_EQ(r.label(2147483647), "Mohm");
}
