#include "exactvalues.h"

#include <algebra/oversizedmultiplication.h>
#include <algebra/transdouble.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace exactvalues;

namespace {

using TransDouble = PrecisionRestoringTest;

void expectCanonicalZero(const transDouble &value)
{
    EXPECT_EQ(value.sign(), 0u);
    EXPECT_EQ(digitsOf(value), Digits{0});
    EXPECT_EQ(value.point(), 0);
}

} // namespace

TEST_F(TransDouble, MakesExactDigitsFromDoubles)
{
    EXPECT_EQ(digitsOf(transDouble(1.0)), Digits{1});
    EXPECT_EQ(transDouble(1.0).point(), 1);
    EXPECT_EQ(digitsOf(transDouble(0.5)), Digits{0x80});
    EXPECT_EQ(transDouble(0.5).point(), 0);
    EXPECT_EQ(digitsOf(transDouble(1.0 / 65536)), Digits{1});
    EXPECT_EQ(transDouble(1.0 / 65536).point(), -1);
    EXPECT_EQ(digitsOf(transDouble(-2.5)), (Digits{2, 0x80}));
    EXPECT_EQ(transDouble(-2.5).sign(), 1u);
    EXPECT_EQ(digitsOf(transDouble(1000.0)), (Digits{0x03, 0xE8}));
    EXPECT_EQ(transDouble(1000.0).point(), 2);
    expectCanonicalZero(transDouble(0.0));
    expectCanonicalZero(transDouble(-0.0));
}

TEST_F(TransDouble, RoundTripsDoublesExactly)
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> fraction(0.5, 1.0);
    std::uniform_int_distribution<int> exponent(-900, 1000);
    for (int i = 0; i < 2000; ++i) {
        const double value = std::ldexp(fraction(random), exponent(random)) * (i % 2 ? -1 : 1);
        ASSERT_EQ(transDouble(value).toDouble(), value);
    }
}

TEST_F(TransDouble, MapsNonFiniteDoublesToDefinedValues)
{
    expectCanonicalZero(transDouble(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(transDouble(std::numeric_limits<double>::infinity()), transDouble(DBL_MAX));
    EXPECT_EQ(transDouble(-std::numeric_limits<double>::infinity()).toDouble(), -DBL_MAX);
}

TEST_F(TransDouble, ReadsDecimalText)
{
    expectCanonicalZero(transDouble::fromText("0"));
    EXPECT_EQ(transDouble::fromText("1"), transDouble(1.0));
    EXPECT_EQ(transDouble::fromText("-1"), transDouble(-1.0));
    EXPECT_EQ(transDouble::fromText("  +12.5e1"), transDouble(125.0));
    EXPECT_EQ(transDouble::fromText(".5"), transDouble(0.5));
    EXPECT_EQ(transDouble::fromText("2E-2x"), transDouble(2.0) / transDouble(100.0));
    EXPECT_EQ(transDouble::fromText("1e"), transDouble(1.0));
    // 12345678901234567890 = 0xAB54A98CEB1F0AD2
    const transDouble large = transDouble::fromText("12345678901234567890");
    EXPECT_EQ(digitsOf(large), (Digits{0xAB, 0x54, 0xA9, 0x8C, 0xEB, 0x1F, 0x0A, 0xD2}));
    EXPECT_EQ(large.point(), 8);
    expectCanonicalZero(transDouble::fromText("-0"));
    expectCanonicalZero(transDouble::fromText("abc"));
    expectCanonicalZero(transDouble::fromText("-.e5"));
    // An absurd exponent is held, not overflowed.
    EXPECT_EQ(transDouble::fromText("1e999999999999999999999").toDouble(), DBL_MAX);
    EXPECT_EQ(transDouble::fromText("1e-999999999999999999999").toDouble(), DBL_MIN);
}

TEST_F(TransDouble, RoundsToTheDigitsKept)
{
    EXPECT_EQ(digitsOf(number({0, 0, 5}, 3)), Digits{5});
    EXPECT_EQ(number({0, 0, 5}, 3).point(), 1);
    EXPECT_EQ(digitsOf(number({5, 0, 0}, 1)), Digits{5});
    EXPECT_EQ(digitsOf(number({1, 2, 3, 0x7F}, 1, false, 3)), (Digits{1, 2, 3}));
    EXPECT_EQ(digitsOf(number({1, 2, 3, 0x80}, 1, false, 3)), (Digits{1, 2, 4}));
    EXPECT_EQ(digitsOf(number({1, 0xFF, 0xFF, 0x80}, 1, false, 3)), Digits{2});
    const transDouble carriedOut = number({0xFF, 0xFF, 0xFF, 0x80}, 1, false, 3);
    EXPECT_EQ(digitsOf(carriedOut), Digits{1});
    EXPECT_EQ(carriedOut.point(), 2);
    expectCanonicalZero(number({0, 0}, 5, true));
}

TEST_F(TransDouble, RoundsTheLastKeptDigitEvenWhenItIsZero)
{
    // 5.0001 (base 256) to 2 digits is 5.01, not 6.
    EXPECT_EQ(digitsOf(number({5, 0, 0x80}, 1, false, 2)), (Digits{5, 1}));
    // To 3 digits the rounded 5.0001 snaps back to 5.
    EXPECT_EQ(digitsOf(number({5, 0, 0, 0x80}, 1, false, 3)), Digits{5});
}

TEST_F(TransDouble, SnapsRoundingNoiseInTheLastDigit)
{
    Digits almostOne(20, 0);
    almostOne.front() = 1;
    almostOne.back() = 1;
    EXPECT_EQ(digitsOf(number(almostOne, 1, false, 20)), Digits{1});
    Digits almostTwo(20, 0xFF);
    almostTwo.front() = 1;
    almostTwo.back() = 0xF9;
    EXPECT_EQ(digitsOf(number(almostTwo, 1, false, 20)), Digits{2});
    // 00 80 and FF 7F endings are kept, as are results shorter than the digits kept.
    almostOne.back() = 0x80;
    EXPECT_EQ(number(almostOne, 1, false, 20).length(), 20);
    almostTwo.back() = 0x7F;
    EXPECT_EQ(number(almostTwo, 1, false, 20).length(), 20);
    EXPECT_EQ(number(almostTwo, 1, false, 21).length(), 20);
}

TEST_F(TransDouble, AddsSubtractsAndMultipliesLikeExactDoubles)
{
    std::mt19937_64 random(5);
    std::uniform_int_distribution<std::int64_t> integer(-(std::int64_t{1} << 26),
                                                        std::int64_t{1} << 26);
    std::uniform_int_distribution<int> scale(-60, 60);
    for (int i = 0; i < 3000; ++i) {
        const double a = std::ldexp(static_cast<double>(integer(random)), scale(random));
        const double b = std::ldexp(static_cast<double>(integer(random)), scale(random));
        const transDouble ta(a);
        const transDouble tb(b);
        ASSERT_EQ(ta * tb, transDouble(a * b)) << a << " * " << b;
        if (std::fabs(std::ilogb(a) - std::ilogb(b)) < 20 || a == 0.0 || b == 0.0) {
            ASSERT_EQ(ta + tb, transDouble(a + b)) << a << " + " << b;
            ASSERT_EQ(ta - tb, transDouble(a - b)) << a << " - " << b;
        }
    }
}

TEST_F(TransDouble, RoundsSumsAndProductsOfTheExactResult)
{
    // At 400 digits these operations are exact; at 12 digits they must give the exact result
    // rounded to 12, also where the gap between the operands is skipped.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> length(1, 30);
    for (int i = 0; i < 3000; ++i) {
        transDouble::setWorkPrecision(400);
        const transDouble a = randomNumber(random, static_cast<std::size_t>(length(random)), 40);
        const transDouble b = randomNumber(random, static_cast<std::size_t>(length(random)), 40);
        transDouble sum = a + b;
        transDouble difference = a - b;
        transDouble product = a * b;
        transDouble::setWorkPrecision(12);
        sum.normalize();
        difference.normalize();
        product.normalize();
        ASSERT_EQ(a + b, sum);
        ASSERT_EQ(a - b, difference);
        ASSERT_EQ(a * b, product);
    }
}

TEST_F(TransDouble, AddsNumbersFarApartWithoutMaterialisingTheGap)
{
    const transDouble one = transDouble::one();
    const transDouble farBelow = number({1}, -1'000'000);
    EXPECT_EQ(one + farBelow, one);
    EXPECT_EQ(one - farBelow, one);
    EXPECT_EQ(farBelow - one, transDouble::minusOne());
    transDouble::setWorkPrecision(100);
    Digits expected(51, 0);
    expected.front() = 1;
    expected.back() = 1;
    EXPECT_EQ(digitsOf(one + number({1}, -49)), expected);
}

TEST_F(TransDouble, CancelsToTheCanonicalZero)
{
    std::mt19937_64 random(3);
    for (std::uint16_t precision : {3, 25, 50, 200}) {
        transDouble::setWorkPrecision(precision);
        for (int i = 0; i < 200; ++i) {
            const transDouble x = randomNumber(random, 1 + i % precision);
            expectCanonicalZero(x - x);
            expectCanonicalZero(x + (-x));
        }
    }
    expectCanonicalZero(-transDouble::zero());
}

TEST_F(TransDouble, DividesThirdsAndSnapsTheirProductToOne)
{
    transDouble::setWorkPrecision(50);
    const transDouble third = transDouble::one() / transDouble(3.0);
    EXPECT_EQ(digitsOf(third), Digits(50, 0x55));
    EXPECT_EQ(third.point(), 0);
    EXPECT_EQ(transDouble(3.0) * third, transDouble::one());
    EXPECT_EQ(third.toDouble(), 1.0 / 3.0);
}

TEST_F(TransDouble, DivisionUndoesMultiplication)
{
    std::mt19937_64 random(9);
    for (std::uint16_t precision : {8, 50, 120}) {
        transDouble::setWorkPrecision(precision);
        for (int i = 0; i < 150; ++i) {
            const transDouble a = randomNumber(random, 1 + i % precision);
            const transDouble b = randomNumber(random, 1 + (7 * i) % precision);
            const transDouble back = (a * b) / b;
            const transDouble error = back - a;
            if (!error.isZero()) {
                ASSERT_LE(error.point(), a.point() - (precision - 2)) << i;
            }
            const transDouble unit = b * b.reciprocal() - transDouble::one();
            if (!unit.isZero()) {
                ASSERT_LE(unit.point(), 2 - precision) << i;
            }
        }
    }
}

TEST_F(TransDouble, ReciprocalOfOddValuesTerminates)
{
    EXPECT_EQ(number({1}, 0).reciprocal(), transDouble(256.0));
    EXPECT_EQ(transDouble(0.75).reciprocal() * transDouble(0.75), transDouble::one());
    EXPECT_EQ(number(Digits(50, 0xFF), 3).reciprocal() * number(Digits(50, 0xFF), 3),
              transDouble::one());
    expectCanonicalZero(transDouble::zero().reciprocal());
    expectCanonicalZero(transDouble(7.0) / transDouble::zero());
    EXPECT_EQ(transDouble::workPrecision(), 50);
    EXPECT_EQ(transDouble::extendedPrecision(), 100);
}

TEST_F(TransDouble, OversizedMultiplicationThrowsAndKeepsItsTarget)
{
    transDouble::setWorkPrecision(4000);
    std::mt19937_64 random(1);
    const transDouble longest = randomNumber(random, transDouble::longestFactor);
    const transDouble tooLong = randomNumber(random, transDouble::longestFactor + 1);
    EXPECT_NO_THROW(longest * longest);
    transDouble target = longest;
    try {
        target *= tooLong;
        FAIL() << "no exception";
    } catch (const OversizedMultiplication &error) {
        EXPECT_EQ(error.code(), 'p');
    }
    EXPECT_EQ(target, longest);
}

TEST_F(TransDouble, ReciprocalRestoresPrecisionWhenMultiplicationOverflows)
{
    // At P = 1100 the iteration runs at 2210 digits, beyond the longest factor.
    transDouble::setWorkPrecision(1100);
    EXPECT_THROW(transDouble(3.0).reciprocal(), OversizedMultiplication);
    EXPECT_EQ(transDouble::workPrecision(), 1100);
    EXPECT_EQ(transDouble::extendedPrecision(), 2200);
}

TEST_F(TransDouble, ComparesByValueAndByRepresentation)
{
    const transDouble tiny(1.0 / 65536);
    EXPECT_EQ(transDouble::compareMagnitude(transDouble::zero(), tiny), -1);
    EXPECT_EQ(transDouble::compareMagnitude(tiny, transDouble::zero()), 1);
    EXPECT_EQ(transDouble::compareMagnitude(transDouble::zero(), transDouble::zero()), 0);
    EXPECT_EQ(transDouble::compareMagnitude(transDouble(-5.0), transDouble(3.0)), 1);
    EXPECT_EQ(transDouble::compareMagnitude(transDouble(3.0), transDouble(-3.5)), -1);
    EXPECT_EQ(transDouble::compareMagnitude(number({1, 2}, 0), number({1, 2, 3}, 0)), -1);
    EXPECT_EQ(transDouble::compareMagnitude(transDouble(-3.0), transDouble(3.0)), 0);
    EXPECT_EQ(transDouble::signedEquality(transDouble(2.0), transDouble(2.0)), 1);
    EXPECT_EQ(transDouble::signedEquality(transDouble(2.0), transDouble(-2.0)), -1);
    EXPECT_EQ(transDouble::signedEquality(transDouble(2.0), transDouble(3.0)), 0);
    EXPECT_FALSE(transDouble(2.0) == transDouble(-2.0));
    EXPECT_TRUE(transDouble::zero().isZero());
    EXPECT_FALSE(tiny.isZero());
}

TEST_F(TransDouble, SaturatesConversionToDouble)
{
    EXPECT_EQ(number({1}, 128).toDouble(), 1.7976931348623157e308);
    EXPECT_EQ(number({1}, 128, true).toDouble(), -1.7976931348623157e308);
    EXPECT_EQ(number({1}, -128).toDouble(), 2.2250738585072014e-308);
    EXPECT_EQ(number({1}, -128, true).toDouble(), -2.2250738585072014e-308);
    // At point -127 every digit lies below the smallest weight summed; still never 0.
    EXPECT_EQ(number({0xFF}, -127).toDouble(), 2.2250738585072014e-308);
    EXPECT_EQ(number({1}, -126).toDouble(), std::ldexp(1.0, -1016));
    EXPECT_EQ(number({1}, 127).toDouble(), std::ldexp(1.0, 1008));
    EXPECT_EQ(transDouble(std::ldexp(1.0, -1074)).toDouble(), DBL_MIN);
}

TEST_F(TransDouble, ClampsPrecisionSettings)
{
    transDouble::setWorkPrecision(0);
    EXPECT_EQ(transDouble::workPrecision(), 1);
    EXPECT_EQ(transDouble::extendedPrecision(), 2);
    transDouble::setWorkPrecision(40000);
    EXPECT_EQ(transDouble::workPrecision(), 32767);
    EXPECT_EQ(transDouble::extendedPrecision(), 65534);
    {
        const transDouble::PrecisionGuard inner;
        transDouble::setWorkPrecision(30);
    }
    EXPECT_EQ(transDouble::workPrecision(), 32767);
}

TEST_F(TransDouble, CopiesAndMovesLongDigitStrings)
{
    transDouble::setWorkPrecision(300);
    std::mt19937_64 random(2);
    const transDouble original = randomNumber(random, 200);
    transDouble copy = original;
    transDouble other = randomNumber(random, 3);
    copy.swap(other);
    EXPECT_EQ(other, original);
    transDouble moved = std::move(other);
    EXPECT_EQ(moved, original);
    expectCanonicalZero(other);
    copy = moved;
    moved *= moved;
    EXPECT_EQ(copy, original);
    EXPECT_EQ(moved, original * original);
}
