#include "exactvalues.h"

#include <algebra/limbfloat.h>
#include <algebra/scaledcomplex.h>
#include <algebra/transpolynomvalues.h>

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

using namespace exactvalues;

namespace {

using LimbFloatTest = PrecisionRestoringTest;
using Complex = std::complex<double>;

constexpr std::size_t limbs = 8;

// |x / expected − 1| for a real LimbFloat against its multi-precision value.
double relativeError(const LimbFloat &x, const transDouble &expected)
{
    const LimbFloat zero(limbs);
    const Complex ratio = ScaledComplex::quotient(toScaledComplex(x, zero),
                                                  ScaledComplex::fromTransDouble(expected));
    return std::abs(ratio - 1.0);
}

} // namespace

TEST_F(LimbFloatTest, ProductsAndSumsAgreeWithMultiPrecision)
{
    transDouble::setWorkPrecision(80);
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> binaryExponent(-300, 300);
    for (int i = 0; i < 200; ++i) {
        const transDouble a = randomNumber(random, 60, 40);
        const transDouble b = randomNumber(random, 60, i % 2 == 0 ? 40 : 2);
        const double d = std::ldexp(mantissa(random), binaryExponent(random));
        const LimbFloat la = LimbFloat::from(a, limbs);
        const LimbFloat lb = LimbFloat::from(b, limbs);
        LimbFloat result(limbs);
        result.setProduct(la, d);
        ASSERT_LT(relativeError(result, a * transDouble(d)), 1e-15) << i;
        result.setSum(la, lb);
        ASSERT_LT(relativeError(result, a + b), 1e-15) << i;
        result.setSum(la, lb, true);
        ASSERT_LT(relativeError(result, a - b), 1e-15) << i;
    }
}

TEST_F(LimbFloatTest, CancellationLeavesTheTrueDifference)
{
    transDouble::setWorkPrecision(80);
    const transDouble one = transDouble::one();
    const transDouble tiny = number({1}, -36); // 2^-296
    const LimbFloat a = LimbFloat::from(one + tiny, limbs);
    const LimbFloat b = LimbFloat::from(one, limbs);
    LimbFloat difference(limbs);
    difference.setSum(a, b, true);
    EXPECT_EQ(relativeError(difference, tiny), 0.0);
    difference.setSum(b, a, true);
    EXPECT_EQ(relativeError(difference, -tiny), 0.0);

    difference.setSum(a, a, true);
    EXPECT_TRUE(difference.isZero());
    LimbFloat product(limbs);
    product.setProduct(a, 0.0);
    EXPECT_TRUE(product.isZero());

    // An addend below the last limb leaves the larger one as it is.
    const LimbFloat far = LimbFloat::from(number({1}, -100), limbs);
    LimbFloat sum(limbs);
    sum.setSum(b, far);
    EXPECT_EQ(relativeError(sum, one), 0.0);
}

// The Newton step of p(s) = (s + 1)(s + 2) ... (s + 60) is 1 / Σ 1 / (z + i). Between the roots
// its terms cancel to 10^-36 of their size, more than a double holds.
TEST_F(LimbFloatTest, NewtonStepsOfExactPolynomialsHoldAmidCancellation)
{
    transDouble::setWorkPrecision(64);
    TransPolynom p = polynomial({1.0});
    for (int i = 1; i <= 60; ++i)
        p = p * polynomial({static_cast<double>(i), 1.0});
    const TransPolynomValues values(p);
    for (const Complex z : {Complex(-30.3, 0.0), Complex(-10.25, 1e-3), Complex(-59.9, 0.0),
                            Complex(100.0, 50.0), Complex(0.0, 0.0)}) {
        Complex pull;
        for (int i = 1; i <= 60; ++i)
            pull += 1.0 / (z + static_cast<double>(i));
        const Complex expected = 1.0 / pull;
        EXPECT_LT(std::abs(values.newtonStepAt(z) / expected - 1.0), 1e-13) << z;
    }
}
