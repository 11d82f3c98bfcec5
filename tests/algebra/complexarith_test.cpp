#include <algebra/complexarith.h>

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

using Complex = std::complex<double>;

TEST(ComplexArith, SmithDivisionGivesTheQuotientWithoutOverflow)
{
    const Complex q = ComplexArith::divide({1.0, 2.0}, {3.0, 4.0});
    EXPECT_DOUBLE_EQ(q.real(), 0.44);
    EXPECT_DOUBLE_EQ(q.imag(), 0.08);
    // |b|² would overflow or underflow in the textbook formula.
    EXPECT_EQ(ComplexArith::divide({1e300, 1e300}, {1e300, 1e300}), Complex(1.0, 0.0));
    EXPECT_EQ(ComplexArith::divide({1e-300, 0.0}, {1e-300, 1e-300}), Complex(0.5, -0.5));
    EXPECT_EQ(ComplexArith::divide({2e300, -4e300}, {0.0, 2e300}), Complex(-2.0, -1.0));
}

TEST(ComplexArith, ModulusAvoidsOverflowAndUnderflow)
{
    EXPECT_DOUBLE_EQ(ComplexArith::modulus({3e200, -4e200}), 5e200);
    EXPECT_DOUBLE_EQ(ComplexArith::modulus({-3e-200, 4e-200}), 5e-200);
    EXPECT_EQ(ComplexArith::modulus({0.0, -2.5}), 2.5);
    EXPECT_EQ(ComplexArith::modulus({-7.0, 0.0}), 7.0);
    EXPECT_EQ(ComplexArith::modulus({0.0, 0.0}), 0.0);
}

class SquareRoot : public ::testing::TestWithParam<Complex>
{
};

TEST_P(SquareRoot, IsThePrincipalRoot)
{
    const Complex d = GetParam();
    const Complex root = ComplexArith::squareRoot(d);
    const Complex expected = std::sqrt(d);
    EXPECT_NEAR(root.real(), expected.real(), 1e-15 * std::abs(expected));
    EXPECT_NEAR(root.imag(), expected.imag(), 1e-15 * std::abs(expected));
}

INSTANTIATE_TEST_SUITE_P(ComplexArith, SquareRoot,
                         ::testing::Values(Complex(-4.0, 0.0), Complex(3.0, 4.0),
                                           Complex(-3.0, -4.0), Complex(-3.0, 4.0),
                                           Complex(1e-3, -5e5), Complex(-1e300, 1e-300),
                                           Complex(9.0, 0.0)));

TEST(ComplexArith, SquareRootOfZeroIsZero)
{
    EXPECT_EQ(ComplexArith::squareRoot(Complex(0.0, 0.0)), Complex(0.0, 0.0));
}
