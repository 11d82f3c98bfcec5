#include "rootlist.h"

#include <algebra/complexarith.h>
#include <algebra/factpolynom.h>
#include <algebra/partfracfunc.h>
#include <algebra/polynom.h>
#include <algebra/ratiofunc.h>
#include <algebra/scaledcomplex.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <string>

using Complex = std::complex<double>;

namespace {

PartFracFunc expansionOf(const Polynom &numerator, const FactPolynom &poles)
{
    PartFracFunc expansion;
    expansion.expand(numerator, poles);
    return expansion;
}

void expectTerm(const PartFrac &term, Complex pole, int power, Complex residue)
{
    EXPECT_EQ(term.pole().value(), pole);
    EXPECT_EQ(term.power(), power);
    EXPECT_NEAR(term.residue().real(), residue.real(), 1e-15);
    EXPECT_NEAR(term.residue().imag(), residue.imag(), 1e-15);
}

// Σ c / (s - p)^n over the terms, conjugate halves included, and the sum of the moduli of the
// summands (the scale against which rounding is judged).
struct TermSum
{
    Complex value;
    double scale = 0.0;
};

TermSum sumOfTerms(const PartFracFunc &expansion, Complex s)
{
    TermSum sum;
    for (const PartFrac &term : expansion.terms()) {
        const Complex p = term.pole().value();
        const Complex summand = term.residue() / std::pow(s - p, term.power());
        sum.value += summand;
        sum.scale += std::abs(summand);
        if (!term.isRealPole()) {
            const Complex partner
                = std::conj(term.residue()) / std::pow(s - std::conj(p), term.power());
            sum.value += partner;
            sum.scale += std::abs(partner);
        }
    }
    return sum;
}

// N(s) / D(s) with D taken as the product of its root factors.
Complex ratioAt(const Polynom &numerator, const FactPolynom &poles, Complex s)
{
    Complex d = 1.0;
    for (const Root &root : poles.roots()) {
        for (int k = 0; k < root.multiplicity(); ++k) {
            d *= s - root.value();
            if (!root.isReal())
                d *= s - std::conj(root.value());
        }
    }
    return numerator.evaluate(s) / d;
}

// The expansion with Q multiplied out, evaluated by Horner and differentiated as a ratio.
std::vector<Complex> expandedFormResidues(const Polynom &numerator, const FactPolynom &poles)
{
    std::vector<Complex> residues;
    for (const Root &p : poles.roots()) {
        Polynom q(1.0);
        for (const Root &r : poles.roots()) {
            if (&r != &p)
                q.multiplyByRoot(r);
            else if (!p.isReal())
                q *= Polynom{-std::conj(p.value()), 1.0};
        }
        RatioFunc ratio(numerator, q);
        double factorial = 1.0;
        for (int k = 0; k < p.multiplicity(); ++k) {
            if (k > 0) {
                ratio.differentiate();
                factorial *= k;
            }
            residues.push_back(ratio.evaluate(p.value()) / factorial);
        }
    }
    return residues;
}

// The poles of an RC ladder of n equal sections (R = C = 1) open at its end.
FactPolynom rcLadder(int sections, int lastMultiplicity = 1)
{
    FactPolynom poles;
    for (int k = 1; k <= sections; ++k) {
        const double angle = (2 * k - 1) * std::numbers::pi / (2 * sections + 1);
        poles.append(Root(-(2.0 - 2.0 * std::cos(angle)), k == sections ? lastMultiplicity : 1));
    }
    return poles;
}

struct ClosedForm
{
    std::string name;
    Polynom numerator;
    FactPolynom poles;
    std::function<double(double)> response;
};

void PrintTo(const ClosedForm &form, std::ostream *os)
{
    *os << form.name;
}

std::vector<ClosedForm> closedForms()
{
    using std::cos, std::exp, std::sin;
    return {
        {"TwoRealPoles", Polynom(1.0), rootList({Root(-1.0), Root(-2.0)}),
         [](double t) { return exp(-t) - exp(-2 * t); }},
        {"DoublePole", Polynom(1.0), rootList({Root(-1.0, 2)}),
         [](double t) { return t * exp(-t); }},
        {"TriplePole", Polynom(1.0), rootList({Root(-2.0, 3)}),
         [](double t) { return t * t * exp(-2 * t) / 2; }},
        {"Integrator", Polynom(1.0), rootList({Root(0.0), Root(-1.0)}),
         [](double t) { return 1 - exp(-t); }},
        // Factoring s² gives the root 0 twice, as two entries.
        {"DoubleIntegratorAsTwoEntries", Polynom(1.0), rootList({Root(0.0), Root(0.0)}),
         [](double t) { return t; }},
        {"Sine", Polynom(1.0), rootList({Root(Complex(0.0, 1.0))}),
         [](double t) { return sin(t); }},
        {"CosineFromLowerHalfPole", Polynom{0.0, 1.0}, rootList({Root(Complex(0.0, -2.0))}),
         [](double t) { return cos(2 * t); }},
        {"RepeatedComplexPair", Polynom(1.0), rootList({Root(Complex(-1.0, 2.0), 2)}),
         [](double t) { return exp(-t) * (sin(2 * t) - 2 * t * cos(2 * t)) / 16; }},
        {"ZeroOverMixedPoles", Polynom{3.0, 1.0}, rootList({Root(-1.0), Root(-2.0, 2)}),
         [](double t) { return 2 * exp(-t) - 2 * exp(-2 * t) - t * exp(-2 * t); }},
        // The response of 1 / (s + 1) to the input e^-t: both lists bring the pole -1.
        {"InputWithTheCircuitsPole", Polynom(1.0), rootList({Root(-1.0), Root(-1.0)}),
         [](double t) { return t * exp(-t); }},
        {"InputWithAConjugatePole", Polynom(1.0),
         rootList({Root(Complex(-1.0, 2.0)), Root(Complex(-1.0, -2.0))}),
         [](double t) { return exp(-t) * (sin(2 * t) - 2 * t * cos(2 * t)) / 16; }},
    };
}

} // namespace

TEST(PartFracFunc, ExpandsSimpleRealPoles)
{
    const PartFracFunc f = expansionOf(Polynom(1.0), rootList({Root(-1.0), Root(-2.0)}));
    ASSERT_EQ(f.terms().count(), 2);
    expectTerm(f.terms()[0], -1.0, 1, 1.0);
    expectTerm(f.terms()[1], -2.0, 1, -1.0);
    EXPECT_EQ(f.response(-0.001), 0.0);
    EXPECT_EQ(f.responseSlope(-0.001), 0.0);
}

TEST(PartFracFunc, ExpandsARepeatedPoleHighestPowerFirst)
{
    const PartFracFunc f = expansionOf(Polynom(1.0), rootList({Root(-1.0, 2)}));
    ASSERT_EQ(f.terms().count(), 2);
    expectTerm(f.terms()[0], -1.0, 2, 1.0);
    EXPECT_EQ(f.terms()[0].factorial(), 1.0);
    expectTerm(f.terms()[1], -1.0, 1, 0.0);

    const PartFracFunc triple = expansionOf(Polynom(1.0), rootList({Root(-2.0, 4)}));
    EXPECT_EQ(triple.terms()[0].factorial(), 6.0);
}

TEST(PartFracFunc, KeepsValueAndAngleOfComplexResidues)
{
    const PartFracFunc sine = expansionOf(Polynom(1.0), rootList({Root(Complex(0.0, 1.0))}));
    ASSERT_EQ(sine.terms().count(), 1);
    const PartFrac &term = sine.terms()[0];
    expectTerm(term, Complex(0.0, 1.0), 1, Complex(0.0, -0.5));
    EXPECT_FALSE(term.isRealPole());
    EXPECT_DOUBLE_EQ(term.value(), 0.5);
    EXPECT_DOUBLE_EQ(term.angle(), -std::numbers::pi / 2);

    const PartFracFunc cosine = expansionOf(Polynom{0.0, 2.0}, rootList({Root(Complex(0.0, 1.0))}));
    EXPECT_EQ(cosine.terms()[0].residue(), Complex(1.0, 0.0));
    EXPECT_EQ(cosine.terms()[0].angle(), 0.0);
    EXPECT_DOUBLE_EQ(cosine.response(1.0), 2.0 * std::cos(1.0));
}

class ClosedFormResponse : public ::testing::TestWithParam<ClosedForm>
{
};

TEST_P(ClosedFormResponse, MatchesTheInverseTransformAndItsSlope)
{
    const ClosedForm &form = GetParam();
    const PartFracFunc f = expansionOf(form.numerator, form.poles);
    for (const double t : {0.0, 0.3, 1.0, 2.5, 7.0}) {
        EXPECT_NEAR(f.response(t), form.response(t), 1e-14) << "t = " << t;
        // The slope against a second-order difference of the closed form (one-sided at 0).
        const double h = 1e-5;
        const auto &g = form.response;
        const double slope = t == 0.0 ? (-3 * g(0) + 4 * g(h) - g(2 * h)) / (2 * h)
                                      : (g(t + h) - g(t - h)) / (2 * h);
        EXPECT_NEAR(f.responseSlope(t), slope, 1e-5) << "t = " << t;
    }
}

INSTANTIATE_TEST_SUITE_P(PartFracFunc, ClosedFormResponse, ::testing::ValuesIn(closedForms()),
                         [](const auto &test) { return test.param.name; });

TEST(PartFracFunc, TermsSumBackToTheRatio)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<double> part(-4.0, 1.0);
    for (int trial = 0; trial < 30; ++trial) {
        FactPolynom poles;
        int degree = 0;
        for (int i = 0; i < 5; ++i) {
            const bool complex = i % 2 == 1;
            const Root root(Complex(part(random), complex ? part(random) - 1.5 : 0.0),
                            1 + trial % 3);
            poles.append(root);
            degree += root.multiplicity() * (complex ? 2 : 1);
        }
        std::vector<Complex> numerator;
        for (int i = 0; i < degree; ++i)
            numerator.push_back(part(random));
        const Polynom n(numerator);
        const PartFracFunc f = expansionOf(n, poles);
        for (const Complex s : {Complex(0.5, 0.5), Complex(-2.0, 3.0), Complex(3.0, -1.0)}) {
            const TermSum sum = sumOfTerms(f, s);
            const Complex expected = ratioAt(n, poles, s);
            EXPECT_LE(std::abs(sum.value - expected), 1e-11 * sum.scale) << "trial " << trial;
        }
    }
}

// A numerator given by gain and zeros expands as its multiplied-out polynomial does, repeated
// poles, complex zeros and a zero on a pole's neighbour included.
TEST(PartFracFunc, FactoredNumeratorExpandsAsItsPolynomial)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<double> part(-4.0, 1.0);
    for (int trial = 0; trial < 20; ++trial) {
        FactPolynom poles;
        for (int i = 0; i < 4; ++i)
            poles.append(Root(Complex(part(random), i % 2 == 1 ? part(random) - 1.5 : 0.0),
                              1 + (trial + i) % 3));
        FactPolynom zeros;
        zeros.append(Root(Complex(part(random), 0.0)));
        zeros.append(Root(Complex(part(random), part(random) - 1.5)));
        const double gain = part(random);
        Polynom numerator(gain);
        numerator.multiplyByRoots(zeros);
        const PartFracFunc expanded = expansionOf(numerator, poles);
        PartFracFunc factored;
        factored.expand(Polynom(1.0), ScaledComplex(gain), zeros, poles);
        ASSERT_EQ(factored.terms().count(), expanded.terms().count());
        auto term = expanded.terms().begin();
        for (const PartFrac &f : factored.terms()) {
            EXPECT_EQ(f.pole().value(), term->pole().value());
            EXPECT_EQ(f.power(), term->power());
            EXPECT_LE(std::abs(f.residue() - term->residue()), 1e-12 * (1 + std::abs(f.residue())))
                << "trial " << trial;
            ++term;
        }
    }
}

// Regression: Q multiplied out and evaluated by Horner loses every digit for a long ladder,
// whose poles cluster near -4; the residues came out wrong in size and sign.
TEST(PartFracFunc, ResiduesOfALongLadderHoldWhereTheExpandedFormFails)
{
    const FactPolynom poles = rcLadder(30);
    const PartFracFunc f = expansionOf(Polynom(1.0), poles);
    const std::vector<Complex> expanded = expandedFormResidues(Polynom(1.0), poles);
    ASSERT_EQ(f.terms().count(), 30);

    // The impulse response of 1 / D of degree 30 and its first derivatives vanish at t = 0:
    // Σ c p^k = 0 for k < 29.
    for (int k = 0; k < 4; ++k) {
        Complex moment, scale = 0.0;
        for (const PartFrac &term : f.terms()) {
            moment += term.residue() * std::pow(term.pole().value(), k);
            scale += std::abs(term.residue() * std::pow(term.pole().value(), k));
        }
        EXPECT_LE(std::abs(moment), 1e-13 * scale.real()) << "k = " << k;
    }
    EXPECT_NEAR(f.response(0.0), 0.0, 1e-15);
    for (const Complex s : {Complex(-3.9, 0.05), Complex(-1.0, 1.0), Complex(0.5, 0.0)}) {
        const TermSum sum = sumOfTerms(f, s);
        EXPECT_LE(std::abs(sum.value - ratioAt(Polynom(1.0), poles, s)), 1e-12 * sum.scale);
    }

    double worstExpanded = 0.0;
    double expandedAtZero = 0.0;
    for (int i = 0; i < 30; ++i) {
        const Complex c = f.terms()[i].residue();
        worstExpanded = std::max(worstExpanded, std::abs(expanded[i] - c) / std::abs(c));
        expandedAtZero += expanded[i].real();
    }
    EXPECT_GT(worstExpanded, 0.9);
    EXPECT_GT(std::abs(expandedAtZero), 1e-3);
}

TEST(PartFracFunc, TriplePoleInALadderHoldsWhereTheExpandedFormFails)
{
    const FactPolynom poles = rcLadder(16, 3);
    const PartFracFunc f = expansionOf(Polynom(1.0), poles);
    const std::vector<Complex> expanded = expandedFormResidues(Polynom(1.0), poles);
    ASSERT_EQ(f.terms().count(), 18);
    for (const Complex s : {Complex(-3.95, 0.02), Complex(-3.0, 0.5), Complex(0.2, 0.2)}) {
        const TermSum sum = sumOfTerms(f, s);
        EXPECT_LE(std::abs(sum.value - ratioAt(Polynom(1.0), poles, s)), 1e-12 * sum.scale);
    }
    EXPECT_NEAR(f.response(0.0), 0.0, 1e-14);
    // The residue of the simple term of the triple pole.
    const Complex c = f.terms()[17].residue();
    EXPECT_GT(std::abs(expanded[17] - c), 0.5 * std::abs(c));
}

TEST(PartFracFunc, ResiduesStayFiniteWhenTheProductOfDistancesOverflows)
{
    // 60 poles near -10^6: the product of the distances passes the largest double.
    FactPolynom poles;
    for (int k = 0; k < 60; ++k)
        poles.append(Root(-1e6 * std::pow(1.1, k), 1));
    const PartFracFunc f = expansionOf(Polynom(1e250), poles);
    const Complex last = f.terms()[59].residue();
    long double expected = 1e250L;
    for (int j = 0; j < 59; ++j)
        expected /= static_cast<long double>(poles.roots()[59].value().real())
                    - static_cast<long double>(poles.roots()[j].value().real());
    EXPECT_NEAR(last.real() / static_cast<double>(expected), 1.0, 1e-12);
    EXPECT_TRUE(std::isfinite(f.terms()[0].residue().real()));
    EXPECT_NE(f.terms()[0].residue().real(), 0.0);
}

TEST(PartFracFunc, LargestImaginaryPartTakesEitherSignOfPole)
{
    const PartFracFunc f = expansionOf(
        Polynom(1.0), rootList({Root(Complex(-1.0, -5.0)), Root(Complex(-2.0, 3.0)), Root(-4.0)}));
    EXPECT_EQ(f.largestImaginaryPart(), 5.0);
    EXPECT_EQ(expansionOf(Polynom(1.0), rootList({Root(-1.0)})).largestImaginaryPart(), 0.0);
    EXPECT_EQ(PartFracFunc().largestImaginaryPart(), 0.0);
}

TEST(PartFracFunc, PolesWithoutMultiplicityContributeNothing)
{
    const PartFracFunc f = expansionOf(Polynom(1.0), rootList({Root(-1.0), Root(-3.0, 0)}));
    ASSERT_EQ(f.terms().count(), 1);
    expectTerm(f.terms()[0], -1.0, 1, 1.0);
}
