#include <algebra/exactquotient.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Coefficients scale^k * (k + 2): the shape of a circuit polynomial with time constant scale.
TransPolynom spread(int degree, double scale)
{
    TransPolynom p;
    for (int k = 0; k <= degree; ++k)
        p.coefficientAt(k) = transDouble(std::pow(scale, k) * (k + 2));
    return p;
}

double relativeError(const transDouble &got, const transDouble &expected)
{
    return std::abs(((got - expected) / expected).toDouble());
}

} // namespace

TEST(ExactQuotient, KeepsSmallCoefficientsOfWidelySpreadPolynomials)
{
    // 20 coefficients from 1 down to about 1e-285: far more orders than the work precision.
    const TransPolynom q = spread(19, 1e-15);
    const TransPolynom b = spread(3, 1e-15);
    const TransPolynom a = q * b;
    const TransPolynom quotient = exactQuotient(a, b);
    ASSERT_EQ(quotient.degree(), q.degree());
    for (int k = 0; k <= q.degree(); ++k)
        EXPECT_LT(relativeError(quotient.coefficient(k), q.coefficient(k)), 1e-100) << k;

    // Long division from the top alone, with its chop, loses the smallest of them.
    TransPolynom fromTop;
    TransPolynom remainder;
    a.divide(b, fromTop, remainder);
    EXPECT_TRUE(fromTop.coefficient(19).isZero()
                || relativeError(fromTop.coefficient(19), q.coefficient(19)) > 1e-3);
}

TEST(ExactQuotient, DividesOutCommonPowersOfSFirst)
{
    // (s^2 + 3 s) / (2 s) = (s + 3) / 2: the divisor's constant term is zero.
    const TransPolynom a{transDouble(0.0), transDouble(3.0), transDouble(1.0)};
    const TransPolynom b{transDouble(0.0), transDouble(2.0)};
    const TransPolynom quotient = exactQuotient(a, b);
    ASSERT_EQ(quotient.degree(), 1);
    EXPECT_EQ(quotient.coefficient(0), transDouble(1.5));
    EXPECT_EQ(quotient.coefficient(1), transDouble(0.5));
}

TEST(ExactQuotient, ZeroDivisorOrLowerDegreeDividendGivesZero)
{
    const TransPolynom a{transDouble(1.0), transDouble(1.0)};
    EXPECT_TRUE(exactQuotient(a, TransPolynom{transDouble(0.0)}).isZero());
    EXPECT_TRUE(exactQuotient(TransPolynom{transDouble(4.0)}, a).isZero());
}
