#include <algebra/factpolynom.h>
#include <algebra/polynom.h>
#include <algebra/transpolynom.h>

#include <gtest/gtest.h>

#include <random>

using Complex = std::complex<double>;

namespace {

std::vector<Complex> coefficientsOf(const Polynom &p)
{
    return {p.coefficients().begin(), p.coefficients().end()};
}

std::vector<Complex> reals(std::initializer_list<double> values)
{
    return {values.begin(), values.end()};
}

} // namespace

TEST(Polynom, EvaluatesAtJOmegaInHertzOrRadiansPerSecond)
{
    const Polynom p{1.0, 1.0};
    EXPECT_EQ(p.evaluateAtFrequency(1.0, false), Complex(1.0, 6.283185307179586));
    EXPECT_EQ(p.evaluateAtFrequency(1.0, true), Complex(1.0, 1.0));
    EXPECT_EQ(Polynom().evaluate({2.0, 3.0}), Complex());
}

TEST(Polynom, EvaluatesValueAndSlopeByHorner)
{
    // (s - 1)³ at 2 + i: (1 + i)³ = -2 + 2i, slope 3 (1 + i)² = 6i.
    const Polynom p{-1.0, 3.0, -3.0, 1.0};
    const Polynom::ValueAndSlope at = p.evaluateWithDerivative({2.0, 1.0});
    EXPECT_EQ(at.value, Complex(-2.0, 2.0));
    EXPECT_EQ(at.derivative, Complex(0.0, 6.0));
    EXPECT_EQ(p.evaluate({2.0, 1.0}), at.value);
}

TEST(Polynom, DifferentiatesTermByTerm)
{
    Polynom constant(5.0);
    constant.differentiate();
    EXPECT_EQ(coefficientsOf(constant), reals({0.0}));

    Polynom p{3.0, 2.0, 1.0};
    p.differentiate();
    EXPECT_EQ(coefficientsOf(p), reals({2.0, 2.0}));

    Polynom empty;
    empty.differentiate();
    EXPECT_EQ(coefficientsOf(empty), reals({0.0}));
}

TEST(Polynom, AddsSubtractsAndMultipliesIndexByIndex)
{
    const Polynom a{1.0, 2.0};
    const Polynom b{3.0, 0.0, 4.0};
    EXPECT_EQ(coefficientsOf(a + b), reals({4.0, 2.0, 4.0}));
    EXPECT_EQ(coefficientsOf(b + a), reals({4.0, 2.0, 4.0}));
    EXPECT_EQ(coefficientsOf(a - b), reals({-2.0, 2.0, -4.0}));
    EXPECT_EQ(coefficientsOf(b - a), reals({2.0, -2.0, 4.0}));
    // Leading zeros are kept: (1 + s)(-1 + s) = -1 + 0s + s², and 0s² stays in 0 × ....
    EXPECT_EQ(coefficientsOf(Polynom{1.0, 1.0} * Polynom{-1.0, 1.0}), reals({-1.0, 0.0, 1.0}));
    EXPECT_EQ(coefficientsOf(Polynom{2.0, 0.0} * Polynom{1.0, 1.0}), reals({2.0, 2.0, 0.0}));
    EXPECT_EQ(coefficientsOf(Polynom() * b), reals({0.0}));

    Polynom c{1.0, 1.0};
    c *= c;
    EXPECT_EQ(coefficientsOf(c), reals({1.0, 2.0, 1.0}));
    c *= Complex(0.0, 2.0);
    EXPECT_EQ(coefficientsOf(c), (std::vector<Complex>{{0, 2}, {0, 4}, {0, 2}}));
    c *= -0.5;
    EXPECT_EQ(coefficientsOf(c), (std::vector<Complex>{{0, -1}, {0, -2}, {0, -1}}));
}

TEST(Polynom, CoefficientAccessExtendsWithZerosAndReadsZeroOutside)
{
    Polynom p(1.0);
    p.setCoefficient(3, 2.0);
    EXPECT_EQ(coefficientsOf(p), reals({1.0, 0.0, 0.0, 2.0}));
    EXPECT_EQ(p.degree(), 3);
    EXPECT_EQ(p.coefficient(7), Complex());
    EXPECT_EQ(p.coefficient(-1), Complex());
    EXPECT_FALSE(p.isZero());
    EXPECT_TRUE((Polynom{0.0, 0.0}).isZero());
    EXPECT_FALSE((Polynom{0.0, Complex(0.0, 1e-300)}).isZero());
}

TEST(Polynom, DeflatesByRealAndComplexRoots)
{
    Polynom quadratic{1.0, 0.0, 1.0};
    quadratic.deflate(Root(Complex(0.0, 1.0), 1));
    EXPECT_EQ(coefficientsOf(quadratic), reals({1.0}));

    Polynom p{2.0, -3.0, 1.0};
    p.deflate(Root(1.0, 1));
    EXPECT_EQ(coefficientsOf(p), reals({-2.0, 1.0}));

    Polynom cubic{-4.0, -7.0, -2.0, 1.0}; // (s + 1)² (s - 4)
    cubic.deflate(Root(-1.0, 2));
    EXPECT_EQ(coefficientsOf(cubic), reals({-4.0, 1.0}));
}

TEST(Polynom, MultipliesByTheFactorsOfRoots)
{
    FactPolynom roots;
    roots.append(Root(-1.0, 2));
    roots.append(Root(Complex(1.0, 2.0), 1));
    roots.append(Root(7.0, 0));
    Polynom p(1.0);
    p.multiplyByRoots(roots);
    // (s + 1)² (s² - 2s + 5)
    EXPECT_EQ(coefficientsOf(p), reals({5.0, 8.0, 2.0, 0.0, 1.0}));
}

TEST(Polynom, DeflatingByEveryRootUndoesMultiplyingByThem)
{
    std::mt19937 random(17);
    std::uniform_real_distribution<double> part(-3.0, 3.0);
    for (int trial = 0; trial < 20; ++trial) {
        FactPolynom roots;
        for (int i = 0; i < 6; ++i) {
            const double im = i % 2 == 0 ? 0.0 : part(random);
            roots.append(Root(Complex(part(random), im), 1 + i % 3));
        }
        Polynom p(2.0);
        p.multiplyByRoots(roots);
        for (const Root &root : roots.roots())
            p.deflate(root);
        ASSERT_EQ(p.count(), 1);
        EXPECT_NEAR(p.coefficient(0).real(), 2.0, 1e-12);
        EXPECT_NEAR(p.coefficient(0).imag(), 0.0, 1e-12);
    }
}

TEST(Polynom, MadeFromAnExactPolynomialKeepsZeroCoefficientsInPlace)
{
    const TransPolynom exact{transDouble(0.5), transDouble(0.0), transDouble(-3.0),
                             transDouble(0.0)};
    const Polynom p(exact);
    ASSERT_EQ(p.degree(), 3);
    EXPECT_EQ(p.coefficient(0), Polynom::Complex(0.5, 0.0));
    EXPECT_EQ(p.coefficient(1), Polynom::Complex(0.0, 0.0));
    EXPECT_EQ(p.coefficient(2), Polynom::Complex(-3.0, 0.0));
    EXPECT_EQ(p.coefficient(3), Polynom::Complex(0.0, 0.0));
    // One third at 50 digits converts to the double nearest to it.
    const Polynom third(TransPolynom{transDouble::one() / transDouble(3.0)});
    EXPECT_EQ(third.coefficient(0).real(), 1.0 / 3.0);
}
