#include "exactvalues.h"

#include <algebra/oversizedmultiplication.h>
#include <algebra/transratiofunc.h>

#include <gtest/gtest.h>

#include <functional>

using namespace exactvalues;

namespace {

using TransRatioFuncTest = PrecisionRestoringTest;

using Coefficients = std::vector<double>;
using Parts = std::pair<Coefficients, Coefficients>;

Parts partsOf(const TransRatioFunc &r)
{
    return {coefficientsOf(r.numerator()), coefficientsOf(r.denominator())};
}

struct RatioOperation
{
    const char *name;
    std::function<void(TransRatioFunc &, const TransRatioFunc &)> apply;
    std::function<double(double, double)> expected;
};

void PrintTo(const RatioOperation &operation, std::ostream *out)
{
    *out << operation.name;
}

class RatioArithmetic : public ::testing::TestWithParam<RatioOperation>
{
};

} // namespace

TEST_F(TransRatioFuncTest, StartsAsZeroOverOne)
{
    EXPECT_EQ(partsOf(TransRatioFunc()), (Parts{{0}, {1}}));
    TransRatioFunc r;
    r.setConstant(transDouble(4.0));
    EXPECT_EQ(partsOf(r), (Parts{{4}, {1}}));
    EXPECT_TRUE(TransRatioFunc().isZero());
}

TEST_F(TransRatioFuncTest, AddsOverEqualDenominatorsWithoutCancelling)
{
    TransRatioFunc r = ratio({1, 1}, {2, 1});
    r += ratio({1}, {2, 1});
    EXPECT_EQ(partsOf(r), (Parts{{2, 1}, {2, 1}}));
    r -= ratio({1}, {-2, -1});
    EXPECT_EQ(partsOf(r), (Parts{{3, 1}, {2, 1}}));
    TransRatioFunc cancelling = ratio({1}, {1, 1});
    cancelling += ratio({1}, {-1, -1});
    EXPECT_EQ(partsOf(cancelling), (Parts{{0}, {1}}));
}

TEST_F(TransRatioFuncTest, AddsOverADenominatorThatDividesTheOther)
{
    TransRatioFunc r = ratio({1}, {2, 3, 1});
    r += ratio({1}, {1, 1});
    EXPECT_EQ(partsOf(r), (Parts{{3, 1}, {2, 3, 1}}));
    TransRatioFunc s = ratio({1}, {1, 1});
    s -= ratio({1}, {2, 3, 1});
    EXPECT_EQ(partsOf(s), (Parts{{1, 1}, {2, 3, 1}}));
    TransRatioFunc t = ratio({1}, {1, 1});
    t += ratio({1}, {2, 3, 1});
    EXPECT_EQ(partsOf(t), (Parts{{3, 1}, {2, 3, 1}}));
}

TEST_F(TransRatioFuncTest, CrossMultipliesOtherwise)
{
    TransRatioFunc r = ratio({1}, {1, 1});
    r += ratio({1}, {2, 1});
    EXPECT_EQ(partsOf(r), (Parts{{3, 2}, {2, 3, 1}}));
    TransRatioFunc c = ratio({0, 1}, {1});
    c -= ratio({1}, {1, 1});
    EXPECT_EQ(partsOf(c), (Parts{{-1, 1, 1}, {1, 1}}));
}

TEST_F(TransRatioFuncTest, ReduceCancelsCommonPowersOfS)
{
    TransRatioFunc r = ratio({0, 1}, {0, 1, 1, 0});
    r.reduce();
    EXPECT_EQ(partsOf(r), (Parts{{1}, {1, 1}}));
    TransRatioFunc s = ratio({0, 0, 2}, {0, 0, 0, 4});
    s.reduce();
    EXPECT_EQ(partsOf(s), (Parts{{2}, {0, 4}}));
}

TEST_F(TransRatioFuncTest, ProductCancelsFactorsThatDivideTheirPartners)
{
    EXPECT_EQ(partsOf(ratio({1, 1}, {2, 1}) * ratio({2, 1}, {3, 1})), (Parts{{1, 1}, {3, 1}}));
    TransRatioFunc r = ratio({1, 1}, {2, 1});
    r /= ratio({3, 1}, {2, 1});
    EXPECT_EQ(partsOf(r), (Parts{{1, 1}, {3, 1}}));
    EXPECT_EQ(partsOf(ratio({0}, {2, 1}) * ratio({2, 1}, {3, 1})), (Parts{{0}, {1}}));
}

TEST_F(TransRatioFuncTest, DivisionByZeroGivesZero)
{
    TransRatioFunc r = ratio({1, 1}, {2, 1});
    r /= TransRatioFunc();
    EXPECT_EQ(partsOf(r), (Parts{{0}, {1}}));
    TransRatioFunc s = ratio({1, 1}, {2, 1});
    s /= ratio({1}, {0, 0});
    EXPECT_EQ(partsOf(s), (Parts{{0}, {1}}));
}

TEST_F(TransRatioFuncTest, OperatesOnItself)
{
    TransRatioFunc r = ratio({1}, {1, 1});
    r += r;
    EXPECT_EQ(partsOf(r), (Parts{{2}, {1, 1}}));
    r *= r;
    EXPECT_EQ(partsOf(r), (Parts{{4}, {1, 2, 1}}));
    r /= r;
    EXPECT_EQ(partsOf(r), (Parts{{1}, {1}}));
    r -= r;
    EXPECT_EQ(partsOf(r), (Parts{{0}, {1}}));
}

TEST_F(TransRatioFuncTest, MeasuresTermsAndDigits)
{
    TransRatioFunc r = ratio({1, 2, 0}, {3});
    EXPECT_EQ(r.termCount(), 3);
    EXPECT_EQ(partsOf(r), (Parts{{1, 2}, {3}}));
    EXPECT_EQ(TransRatioFunc().termCount(), 0);
    TransRatioFunc digits = ratio({1000, 0.1}, {1.0 / 3, 2});
    EXPECT_EQ(digits.digitMeasure(), 2 + 1);
}

TEST_F(TransRatioFuncTest, NormalizeMonicSplitsOffTheGain)
{
    TransRatioFunc r = ratio({4, 2}, {8, 4, 0});
    EXPECT_EQ(r.normalizeMonic(), transDouble(0.5));
    EXPECT_EQ(partsOf(r), (Parts{{2, 1}, {2, 1}}));
    TransRatioFunc third = ratio({1, 3}, {1, 1});
    EXPECT_EQ(third.normalizeMonic(), transDouble(3.0));
    EXPECT_EQ(third.numerator().coefficient(0), transDouble::one() / transDouble(3.0));
    TransRatioFunc zero = ratio({0, 0}, {6, 2});
    EXPECT_TRUE(zero.normalizeMonic().isZero());
    EXPECT_EQ(partsOf(zero), (Parts{{1}, {3, 1}}));
}

TEST_F(TransRatioFuncTest, OversizedOperationLeavesTheRatioAsItWas)
{
    // 1/(3s^2 + s + 1) + 1/(7s + 3) divides the denominators with a reciprocal at 4P + 10.
    transDouble::setWorkPrecision(600);
    TransRatioFunc r = ratio({1}, {1, 1, 3});
    EXPECT_THROW(r += ratio({1}, {3, 7}), OversizedMultiplication);
    EXPECT_EQ(partsOf(r), (Parts{{1}, {1, 1, 3}}));
    EXPECT_EQ(transDouble::workPrecision(), 600);
}

TEST_P(RatioArithmetic, AgreesWithTheOperandsAtTestPoints)
{
    const RatioOperation &operation = GetParam();
    std::mt19937_64 random(31);
    const double points[] = {-3.1, -0.7, 0.2, 1.3, 2.9};
    for (int i = 0; i < 60; ++i) {
        TransRatioFunc a(randomPolynomial(random, i % 4), randomPolynomial(random, (i / 4) % 4));
        TransRatioFunc b(randomPolynomial(random, (i / 2) % 3), randomPolynomial(random, i % 3));
        // Shared factors, so that the cancelling paths run too: equal denominators, one
        // denominator a multiple of the other, either way round.
        if (i % 5 == 0)
            b = TransRatioFunc(b.numerator() * a.denominator(), a.denominator());
        else if (i % 5 == 1)
            b = TransRatioFunc(b.numerator(), b.denominator() * a.denominator());
        else if (i % 5 == 2)
            a = TransRatioFunc(a.numerator(), a.denominator() * b.denominator());
        TransRatioFunc result = a;
        operation.apply(result, b);
        for (double s : points) {
            const double expected = operation.expected(evaluate(a, s), evaluate(b, s));
            if (!std::isfinite(expected) || std::fabs(expected) > 1e6)
                continue;
            ASSERT_NEAR(evaluate(result, s), expected, 1e-9 * (1 + std::fabs(expected)))
                << operation.name << " case " << i << " at s = " << s;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllOperations, RatioArithmetic,
    ::testing::Values(
        RatioOperation{"sum", [](TransRatioFunc &a, const TransRatioFunc &b) { a += b; },
                       std::plus<double>()},
        RatioOperation{"difference", [](TransRatioFunc &a, const TransRatioFunc &b) { a -= b; },
                       std::minus<double>()},
        RatioOperation{"product", [](TransRatioFunc &a, const TransRatioFunc &b) { a *= b; },
                       std::multiplies<double>()},
        RatioOperation{"quotient", [](TransRatioFunc &a, const TransRatioFunc &b) { a /= b; },
                       std::divides<double>()}),
    [](const ::testing::TestParamInfo<RatioOperation> &parameter) { return parameter.param.name; });

// 1/3 + 1/7 + 1/11 and 131/231, each rounded at the work precision, differ in their last digit: the
// difference of two ratios holding them is rounding and must cancel to exactly 0, while a
// coefficient of 10^-100 that no cancellation produced is a value and stays.
TEST_F(TransRatioFuncTest, DifferenceDropsRoundingButKeepsTinyValues)
{
    const transDouble sum = transDouble(1.0) / transDouble(3.0)
                            + transDouble(1.0) / transDouble(7.0)
                            + transDouble(1.0) / transDouble(11.0);
    const transDouble direct = transDouble(131.0) / transDouble(231.0);
    ASSERT_FALSE(sum == direct);
    TransPolynom numerator = polynomial({1, 0});
    numerator.coefficientAt(1) = sum;
    TransPolynom other = polynomial({1e-100, 0});
    other.coefficientAt(1) = direct;
    TransRatioFunc difference(numerator, polynomial({2, 1}));
    difference -= TransRatioFunc(other, polynomial({2, 1}));
    EXPECT_EQ(partsOf(difference).first, (Coefficients{1.0 - 1e-100}));
    TransRatioFunc tiny(polynomial({0, 1e-100}), polynomial({1, 1}));
    tiny += ratio({0, 0}, {1, 1});
    EXPECT_EQ(partsOf(tiny), (Parts{{0, 1e-100}, {1, 1}}));
}
