#include <algebra/exactquotient.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

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

// A dividend's coefficient that the quotient leaves at zero, but for rounding in its last
// digits, gives a zero coefficient of the quotient, not that rounding divided out: a pivot
// with a noise coefficient in place of a factor s made the elimination divide by the noise.
// A true small coefficient, far above the rounding, stays.
TEST(ExactQuotient, RoundingLeftOverFromCancellingTermsGivesZeroCoefficients)
{
    const transDouble::PrecisionGuard guard;
    transDouble::setWorkPrecision(50);
    const TransPolynom b{transDouble(1.0 / 3.0), transDouble(1.0 / 7.0)};
    const transDouble noise(1e-110);
    for (const bool trueSmallCoefficient : {false, true}) {
        const transDouble middle = trueSmallCoefficient ? transDouble(1e-60) : transDouble(0.0);
        const TransPolynom q{transDouble(1.0 / 11.0), middle, transDouble(1.0 / 13.0)};
        TransPolynom a = q * b;
        a.coefficientAt(1) += a.coefficient(1) * noise;
        const TransPolynom quotient = exactQuotient(a, b);
        ASSERT_EQ(quotient.degree(), 2);
        if (trueSmallCoefficient)
            EXPECT_LT(relativeError(quotient.coefficient(1), middle), 1e-50);
        else
            EXPECT_TRUE(quotient.coefficient(1).isZero()) << quotient.coefficient(1).toDouble();
    }
}

// An exact product divides with no digit lost. A dividend 256^-20 off in a coefficient that
// either half of the quotient is formed from (the rounding that earlier steps of an elimination
// leave) reports the digits lost down to that agreement; one off in a coefficient that only the
// remainder holds leaves the quotient as it was, and nothing lost.
TEST(ExactQuotient, ReportsTheDigitsLostToAnInexactDividend)
{
    const TransPolynom q = spread(9, 0.5);
    const TransPolynom b = spread(4, 0.5);
    const TransPolynom a = q * b;
    int lost = -1;
    exactQuotient(a, b, &lost);
    EXPECT_LE(lost, 2);

    const int precision = transDouble::workPrecision();
    const std::uint8_t unit = 1;
    for (const int power : {2, 7, 11}) {
        TransPolynom perturbed = a;
        transDouble &c = perturbed.coefficientAt(power);
        c = c + c * transDouble::fromDigits(false, &unit, 1, -19);
        exactQuotient(perturbed, b, &lost);
        if (power == 7) {
            EXPECT_LE(lost, 2);
        } else {
            EXPECT_GE(lost, precision - 24) << power;
            EXPECT_LE(lost, precision - 16) << power;
        }
    }
}

// A quotient s^12 (...) whose lowest powers are zero: its halves meet amid its non-zero
// coefficients, and a dividend 256^-40 off at its top reports about ten digits lost, not every
// digit for a zero coefficient that the upper half finds as that offset.
TEST(ExactQuotient, MeasuresTheLossOfAQuotientWithZeroLowestPowersAmidItsCoefficients)
{
    TransPolynom q = spread(5, 0.5);
    for (int k = 0; k < 12; ++k)
        q = q * TransPolynom{transDouble::zero(), transDouble::one()};
    const TransPolynom b = spread(4, 0.5);
    TransPolynom a = q * b;
    const std::uint8_t unit = 1;
    transDouble &top = a.coefficientAt(a.degree());
    top = top + top * transDouble::fromDigits(false, &unit, 1, -39);
    int lost = -1;
    const TransPolynom quotient = exactQuotient(a, b, &lost);
    EXPECT_GE(lost, 5);
    EXPECT_LE(lost, 14);
    for (int k = 0; k < 12; ++k)
        EXPECT_TRUE(quotient.coefficient(k).isZero()) << k;
    for (int k = 12; k <= q.degree(); ++k)
        EXPECT_LT(relativeError(quotient.coefficient(k), q.coefficient(k)), 1e-80) << k;
}
