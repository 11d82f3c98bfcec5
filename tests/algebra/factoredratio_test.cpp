#include "rootlist.h"

#include <algebra/factoredratio.h>
#include <algebra/ratiofunc.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <gtest/gtest.h>

#include <cmath>

using Complex = std::complex<double>;

// 3 (s + 1)(s² + 4) / ((s + 2)² (s² + 2s + 5)) plus the polynomial terms 0.5 s, against the
// coefficients evaluated directly.
TEST(FactoredRatio, EvaluatesAsItsCoefficients)
{
    const FactoredRatio h(Polynom{0.0, 0.5}, ScaledComplex(3.0),
                          rootList({Root(-1.0), Root(Complex(0.0, 2.0))}),
                          rootList({Root(-2.0, 2), Root(Complex(-1.0, 2.0))}));
    const RatioFunc coefficients(Polynom{12.0, 12.0, 3.0, 3.0},
                                 Polynom{20.0, 28.0, 17.0, 6.0, 1.0});
    for (const Complex s : {Complex(0.0, 0.0), Complex(0.0, 3.0), Complex(-1.5, 0.5)}) {
        const Complex expected = coefficients.evaluate(s) + 0.5 * s;
        EXPECT_LE(std::abs(h.evaluate(s) - expected), 1e-14 * std::abs(expected)) << s;
    }
    // At s = 2j the zero pair makes the proper part vanish exactly.
    EXPECT_EQ(h.evaluate({0.0, 2.0}), Complex(0.0, 1.0));

    const FactoredRatio read = FactoredRatio::fromCoefficients(coefficients);
    EXPECT_LE(std::abs(read.evaluate({0.0, 3.0}) - coefficients.evaluate({0.0, 3.0})), 1e-14);
    EXPECT_TRUE(FactoredRatio::fromCoefficients(RatioFunc()).gain().isZero());
}

// Two hundred poles at -10^6: H(0) = 10^1200 / 10^1200 = 1 while the gain lies beyond the
// doubles, and H(10^8 j) = 10^-400 is resolved as a scaled number.
TEST(FactoredRatio, HoldsGainsAndValuesBeyondTheDoubles)
{
    ScaledComplex gain(1.0);
    for (int i = 0; i < 200; ++i)
        gain *= 1e6;
    const FactoredRatio h(Polynom(0.0), gain, FactPolynom(), rootList({Root(-1e6, 200)}));
    EXPECT_NEAR(h.evaluate(0.0).real(), 1.0, 1e-13);
    const ScaledComplex far = h.scaledValue({0.0, 1e8});
    const double decades = std::log10(std::abs(far.mantissa()))
                           + static_cast<double>(far.exponent()) * std::log10(2.0);
    EXPECT_NEAR(decades, -400.0 - 100.0 * std::log10(1.0 + 1e-4), 1e-9);
    EXPECT_EQ(h.evaluate({0.0, 1e8}), Complex(0.0, 0.0));

    opstream os;
    os.writeObject(h);
    ipstream is(os.takeBytes());
    FactoredRatio copy;
    ASSERT_TRUE(is.readObject(copy));
    EXPECT_EQ(copy, h);
}
