#include <algebra/complexarith.h>
#include <algebra/ratiofunc.h>

#include <gtest/gtest.h>

using Complex = std::complex<double>;

TEST(RatioFunc, DefaultRatioIsZeroOverOne)
{
    const RatioFunc ratio;
    EXPECT_EQ(ratio.numerator(), Polynom(0.0));
    EXPECT_EQ(ratio.denominator(), Polynom(1.0));
    EXPECT_EQ(ratio.evaluate({3.0, -2.0}), Complex());
}

TEST(RatioFunc, EvaluatesAlongTheImaginaryAxis)
{
    const RatioFunc lowPass(Polynom(1.0), Polynom{1.0, 1.0});
    EXPECT_EQ(lowPass.evaluateAtFrequency(1.0, true), Complex(0.5, -0.5));
    const Complex atOneHertz = lowPass.evaluateAtFrequency(1.0, false);
    const Complex expected = 1.0 / Complex(1.0, 6.283185307179586);
    EXPECT_NEAR(atOneHertz.real(), expected.real(), 1e-16);
    EXPECT_NEAR(atOneHertz.imag(), expected.imag(), 1e-16);
}

TEST(RatioFunc, DifferentiatesByTheQuotientRule)
{
    // ((s + 1) / (s² + 2))' = (-s² - 2s + 2) / (s² + 2)².
    RatioFunc ratio(Polynom{1.0, 1.0}, Polynom{2.0, 0.0, 1.0});
    ratio.differentiate();
    EXPECT_EQ(ratio.denominator(), (Polynom{4.0, 0.0, 4.0, 0.0, 1.0}));
    for (const Complex s : {Complex(0.7, 0.3), Complex(-2.0, 1.0), Complex(5.0, 0.0)}) {
        const Complex expected = (-s * s - 2.0 * s + 2.0) / ((s * s + 2.0) * (s * s + 2.0));
        const Complex actual = ratio.evaluate(s);
        EXPECT_NEAR(actual.real(), expected.real(), 1e-14 * std::abs(expected));
        EXPECT_NEAR(actual.imag(), expected.imag(), 1e-14 * std::abs(expected));
    }
}

// s^38 / (s + 1)^40 far above its poles: both polynomials overflow at 10^9 rad/s while the
// ratio, about s^-2, is an ordinary number; inside the unit circle the plain quotient stays.
TEST(RatioFunc, EvaluatesHighOrdersWherePolynomialsOverflow)
{
    Polynom denominator(1.0);
    for (int k = 0; k < 40; ++k)
        denominator *= Polynom{1.0, 1.0};
    std::vector<std::complex<double>> power(39, 0.0);
    power.back() = 1.0;
    const RatioFunc ratio(Polynom(power), denominator);

    for (const double omega : {1e9, 1e12}) {
        const std::complex<double> s(0.0, omega);
        ASSERT_FALSE(std::isfinite(std::abs(denominator.evaluate(s))));
        const std::complex<double> expected = 1.0 / (s * s * std::pow(1.0 + 1.0 / s, 40));
        EXPECT_LE(std::abs(ratio.evaluate(s) - expected), 1e-13 * std::abs(expected)) << omega;
        EXPECT_EQ(ratio.evaluateAtFrequency(omega, true), ratio.evaluate(s));
    }
    const std::complex<double> inside(0.0, 0.5);
    EXPECT_EQ(ratio.evaluate(inside), ComplexArith::divide(ratio.numerator().evaluate(inside),
                                                           denominator.evaluate(inside)));
}
