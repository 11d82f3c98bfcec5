#include "exactvalues.h"

#include <algebra/oversizedmultiplication.h>
#include <algebra/transpolynom.h>

#include <gtest/gtest.h>

using namespace exactvalues;

namespace {

using TransPolynomTest = PrecisionRestoringTest;

using Coefficients = std::vector<double>;

const double testPoints[] = {-2.75, -1.0, -0.3, 0.0, 0.45, 1.5, 3.25};

// q * b + r evaluated against a at the test points, relative to the size of the terms.
void expectDivisionIdentity(const TransPolynom &a, const TransPolynom &b, const TransPolynom &q,
                            const TransPolynom &r)
{
    for (double s : testPoints) {
        const double lhs = evaluate(q, s) * evaluate(b, s) + evaluate(r, s);
        const double scale = std::fabs(evaluate(q, s) * evaluate(b, s)) + std::fabs(evaluate(a, s));
        EXPECT_NEAR(lhs, evaluate(a, s), 1e-12 * (1.0 + scale)) << "at s = " << s;
    }
}

} // namespace

TEST_F(TransPolynomTest, AddsAndSubtractsCoefficientwiseKeepingTopZeros)
{
    const TransPolynom a = polynomial({1, 2, 3});
    const TransPolynom b = polynomial({5, 0, -3});
    EXPECT_EQ(coefficientsOf(a + b), (Coefficients{6, 2, 0}));
    EXPECT_EQ(coefficientsOf(b + polynomial({1})), (Coefficients{6, 0, -3}));
    EXPECT_EQ(coefficientsOf(polynomial({1}) - polynomial({0, 0, 2})), (Coefficients{1, 0, -2}));
    EXPECT_EQ(coefficientsOf(a - a), (Coefficients{0, 0, 0}));
    EXPECT_EQ(coefficientsOf(TransPolynom() + TransPolynom()), Coefficients{0});
    EXPECT_EQ(coefficientsOf(TransPolynom() - polynomial({0, 4})), (Coefficients{0, -4}));
}

TEST_F(TransPolynomTest, MultipliesTermByTerm)
{
    EXPECT_EQ(coefficientsOf(polynomial({1, 1}) * polynomial({2, 1})), (Coefficients{2, 3, 1}));
    EXPECT_EQ(coefficientsOf(polynomial({0, 0}) * polynomial({2, 1})), (Coefficients{0, 0, 0}));
    EXPECT_EQ(coefficientsOf(TransPolynom() * polynomial({2, 1})), (Coefficients{0, 0}));
    std::mt19937_64 random(21);
    for (int i = 0; i < 40; ++i) {
        const TransPolynom a = randomPolynomial(random, i % 7);
        const TransPolynom b = randomPolynomial(random, (3 * i) % 5);
        const TransPolynom product = a * b;
        ASSERT_EQ(product.degree(), a.degree() + b.degree());
        for (double s : testPoints)
            ASSERT_NEAR(evaluate(product, s), evaluate(a, s) * evaluate(b, s),
                        1e-9 * (1 + std::fabs(evaluate(product, s))));
    }
}

TEST_F(TransPolynomTest, StripsZeroTopCoefficientsButKeepsOne)
{
    TransPolynom p = polynomial({1, 0, 2, 0, 0});
    p.strip();
    EXPECT_EQ(coefficientsOf(p), (Coefficients{1, 0, 2}));
    TransPolynom zero = polynomial({0, 0, 0});
    EXPECT_TRUE(zero.isZero());
    zero.strip();
    EXPECT_EQ(coefficientsOf(zero), Coefficients{0});
    EXPECT_FALSE(p.isZero());
}

TEST_F(TransPolynomTest, ChopsCoefficientsFarBelowTheLargest)
{
    transDouble::setWorkPrecision(50);
    TransPolynom p;
    p.coefficientAt(0) = transDouble::one();
    p.coefficientAt(1) = number({1}, 1 - 50);
    p.coefficientAt(2) = number({1}, 2 - 50);
    p.chop();
    EXPECT_TRUE(p.coefficient(1).isZero());
    EXPECT_EQ(p.coefficient(2), number({1}, 2 - 50));
    // A zero coefficient has no size: tiny coefficients beside it survive.
    TransPolynom tiny;
    tiny.coefficientAt(0) = number({3}, -80);
    tiny.coefficientAt(1) = transDouble::zero();
    tiny.coefficientAt(2) = number({5}, -81);
    tiny.chop();
    EXPECT_EQ(tiny.coefficient(0), number({3}, -80));
    EXPECT_EQ(tiny.coefficient(2), number({5}, -81));
    EXPECT_EQ(tiny.smallestPoint(), -81);
    EXPECT_EQ(tiny.largestPoint(), -80);
    EXPECT_EQ(tiny.smallestDigitLength(), 1);
    EXPECT_EQ(polynomial({0, 0}).largestPoint(), 0);
}

TEST_F(TransPolynomTest, ComparesEqualNegatedAndOtherPolynomials)
{
    EXPECT_EQ(TransPolynom::compare(polynomial({1, 2}), polynomial({1, 2})), 1);
    EXPECT_EQ(TransPolynom::compare(polynomial({1, 2}), polynomial({-1, -2})), -1);
    EXPECT_EQ(TransPolynom::compare(polynomial({1, 1}), polynomial({-1, 1})), 0);
    EXPECT_EQ(TransPolynom::compare(polynomial({1, 2}), polynomial({1, 2, 0})), 0);
    EXPECT_EQ(TransPolynom::compare(polynomial({0, 1}), polynomial({0, -1})), 0);
}

TEST_F(TransPolynomTest, DividesExactlyWithAZeroRemainder)
{
    TransPolynom quotient;
    TransPolynom remainder;
    polynomial({2, 3, 1}).divide(polynomial({1, 1}), quotient, remainder);
    EXPECT_EQ(coefficientsOf(quotient), (Coefficients{2, 1}));
    EXPECT_EQ(coefficientsOf(remainder), Coefficients{0});
    polynomial({1, 0, 1}).divide(polynomial({1, 1}), quotient, remainder);
    EXPECT_EQ(coefficientsOf(quotient), (Coefficients{-1, 1}));
    EXPECT_EQ(coefficientsOf(remainder), Coefficients{2});
    // Thirds do not terminate in base 256; the rounding noise of the remainder is dropped.
    const TransPolynom factor = polynomial({1, 3});
    const TransPolynom other = polynomial({7, -2, 5});
    (factor * other).divide(factor, quotient, remainder);
    EXPECT_TRUE(remainder.isZero());
    EXPECT_EQ(coefficientsOf(quotient), (Coefficients{7, -2, 5}));
}

TEST_F(TransPolynomTest, DivisionSatisfiesTheDivisionIdentity)
{
    std::mt19937_64 random(17);
    for (std::uint16_t precision : {25, 50, 100}) {
        transDouble::setWorkPrecision(precision);
        for (int i = 0; i < 30; ++i) {
            const TransPolynom a = randomPolynomial(random, 2 + i % 9);
            const TransPolynom b = randomPolynomial(random, 1 + i % 3);
            TransPolynom q;
            TransPolynom r;
            a.divide(b, q, r);
            EXPECT_LT(r.degree(), b.degree());
            expectDivisionIdentity(a, b, q, r);
            EXPECT_EQ(transDouble::workPrecision(), precision);
        }
    }
}

TEST_F(TransPolynomTest, DivisionByAHigherDegreeLeavesTheQuotientUntouched)
{
    TransPolynom quotient = polynomial({9});
    TransPolynom remainder;
    polynomial({4}).divide(polynomial({1, 1}), quotient, remainder);
    EXPECT_EQ(coefficientsOf(quotient), Coefficients{9});
    EXPECT_EQ(coefficientsOf(remainder), Coefficients{4});
    // Dividing by zero does not claim an exact division.
    polynomial({4, 1}).divide(polynomial({0, 0}), quotient, remainder);
    EXPECT_EQ(coefficientsOf(quotient), Coefficients{9});
    EXPECT_EQ(coefficientsOf(remainder), (Coefficients{4, 1}));
}

TEST_F(TransPolynomTest, DividesByTheTrueDegreeOfADivisorWithZeroTop)
{
    const TransPolynom a = polynomial({2, 3, 1});
    const TransPolynom b = polynomial({1, 1, 0});
    TransPolynom q;
    TransPolynom r;
    a.divide(b, q, r);
    EXPECT_EQ(coefficientsOf(q), (Coefficients{2, 1}));
    EXPECT_TRUE(r.isZero());
}

TEST_F(TransPolynomTest, OversizedDivisionKeepsItsOutputsAndPrecision)
{
    // The reciprocal inside the division runs at 4P + 10 digits.
    transDouble::setWorkPrecision(600);
    TransPolynom quotient = polynomial({9});
    TransPolynom remainder = polynomial({8});
    EXPECT_THROW(polynomial({1, 2, 3}).divide(polynomial({1, 7}), quotient, remainder),
                 OversizedMultiplication);
    EXPECT_EQ(coefficientsOf(quotient), Coefficients{9});
    EXPECT_EQ(coefficientsOf(remainder), Coefficients{8});
    EXPECT_EQ(transDouble::workPrecision(), 600);
    EXPECT_EQ(transDouble::extendedPrecision(), 1200);
}

TEST_F(TransPolynomTest, ReducesPairsThatDivideExactly)
{
    auto reduced = [](TransPolynom p, TransPolynom q) {
        TransPolynom::reducePair(p, q);
        return std::make_pair(coefficientsOf(p), coefficientsOf(q));
    };
    using Pair = std::pair<Coefficients, Coefficients>;
    EXPECT_EQ(reduced(polynomial({1, 2, 0}), polynomial({1, 2})), (Pair{{1}, {1}}));
    EXPECT_EQ(reduced(polynomial({1, 2}), polynomial({-1, -2})), (Pair{{-1}, {1}}));
    EXPECT_EQ(reduced(polynomial({2, 3, 1}), polynomial({1, 1})), (Pair{{2, 1}, {1}}));
    EXPECT_EQ(reduced(polynomial({1, 1}), polynomial({2, 3, 1})), (Pair{{1}, {2, 1}}));
    // Equal degrees: the one with the larger top coefficient is divided.
    EXPECT_EQ(reduced(polynomial({2, 2}), polynomial({1, 1})), (Pair{{2}, {1}}));
    EXPECT_EQ(reduced(polynomial({1, 1}), polynomial({2, 2})), (Pair{{1}, {2}}));
    EXPECT_EQ(reduced(polynomial({1, 1, 0}), polynomial({2, 1})), (Pair{{1, 1}, {2, 1}}));
    EXPECT_EQ(reduced(polynomial({3}), polynomial({3, 3})), (Pair{{3}, {3, 3}}));
}
