#include <algebra/complexarith.h>
#include <algebra/factpolynom.h>
#include <algebra/polynom.h>
#include <algebra/polynomvalues.h>
#include <algebra/rootsearch.h>
#include <algebra/transpolynom.h>

#include "algebraprinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

using Complex = std::complex<double>;
using Status = FactPolynom::FactorStatus;

namespace {

// Every root value a list stands for, the conjugate halves of complex roots included, each as
// often as its multiplicity.
std::vector<Complex> allRoots(const FactPolynom &roots)
{
    std::vector<Complex> values;
    for (const Root &root : roots.roots()) {
        for (int k = 0; k < root.multiplicity(); ++k) {
            values.push_back(root.value());
            if (!root.isReal())
                values.push_back(std::conj(root.value()));
        }
    }
    return values;
}

// The largest relative distance from a recovered root to the true root it is paired with;
// each true root takes the nearest recovered root not taken yet.
double worstRelativeError(std::vector<Complex> truth, std::vector<Complex> found)
{
    double worst = 0.0;
    for (const Complex t : truth) {
        auto nearest = std::min_element(found.begin(), found.end(), [&](Complex a, Complex b) {
            return std::abs(a - t) < std::abs(b - t);
        });
        if (nearest == found.end())
            return INFINITY;
        worst = std::max(worst, std::abs(*nearest - t) / std::max(std::abs(t), 1e-300));
        found.erase(nearest);
    }
    return worst;
}

FactPolynom listOf(std::initializer_list<Root> roots)
{
    FactPolynom list;
    for (const Root &root : roots)
        list.append(root);
    return list;
}

Polynom polynomialOf(const FactPolynom &roots)
{
    Polynom p(1.0);
    p.multiplyByRoots(roots);
    return p;
}

struct KnownRoots
{
    std::string name;
    FactPolynom roots;
    // Bounds on the worst relative root error and on the reported accuracy figure.
    double rootTolerance;
    double accuracyBound;
};

void PrintTo(const KnownRoots &known, std::ostream *os)
{
    *os << known.name;
}

FactPolynom decades(double imaginaryRatio)
{
    FactPolynom roots;
    for (int k = -3; k <= 6; ++k)
        roots.append(Root(Complex(-std::pow(10.0, k), imaginaryRatio * std::pow(10.0, k)), 1));
    return roots;
}

// count real roots from -0.001 to -10^6, evenly spaced in logarithm.
FactPolynom logSpaced(int count)
{
    FactPolynom roots;
    for (int k = 0; k < count; ++k)
        roots.append(Root(-std::pow(10.0, -3.0 + 9.0 * k / (count - 1)), 1));
    return roots;
}

// A sixth-order Butterworth denominator with its corner at omega rad/s.
FactPolynom butterworth(double omega)
{
    FactPolynom roots;
    for (int k = 0; k < 3; ++k) {
        const double angle = std::numbers::pi * (2 * k + 1) / 12;
        roots.append(Root(omega * Complex(-std::sin(angle), std::cos(angle)), 1));
    }
    return roots;
}

std::vector<KnownRoots> knownRootSets()
{
    return {
        {"RealRoots", listOf({Root(-1.0), Root(-2.5), Root(-7.0), Root(3.0)}), 1e-14, 1e-14},
        {"ComplexPairs", listOf({Root(Complex(-1.0, 2.0)), Root(Complex(-0.5, 5.0)), Root(-3.0)}),
         1e-14, 1e-14},
        {"DoubleRoots", listOf({Root(-2.0, 2), Root(-5.0), Root(Complex(-1.0, 1.0), 2)}), 1e-6,
         1e-6},
        {"TripleRoot", listOf({Root(-3.0, 3), Root(-0.5)}), 1e-4, 1e-5},
        {"RealDecades", decades(0.0), 1e-13, 1e-14},
        {"ComplexDecades", decades(0.5), 1e-12, 1e-14},
        {"RootsAtZero", listOf({Root(0.0, 2), Root(-1.0), Root(-4.0)}), 1e-15, 1e-14},
        {"ButterworthAt1e4", butterworth(1e4), 1e-14, 1e-14},
        // A finite start for the best residual was never beaten by these polynomials, whose
        // rounding noise near the roots is larger, and the search answered its start point.
        {"ButterworthAt1e6", butterworth(1e6), 1e-14, 1e-14},
        {"TwentyRealRootsOverNineDecades", logSpaced(20), 1e-12, 1e-14},
        // The last quadratic had a complex discriminant and refinement made its root real; that
        // root alone stood for both and one root of the double pair was lost.
        {"DoubleRootSolvedLast", listOf({Root(-2.0, 2), Root(-0.0001)}), 1e-7, 1e-6},
        {"NearlyDoubleRootSolvedLast", listOf({Root(Complex(-0.05, 1e-9)), Root(-0.001)}), 1e-7,
         1e-6},
        // Newton refinement of the double root was thrown onto the root at -0.001 and answered
        // that one twice, as an exact refinement.
        {"DoubleRootNearAnother", listOf({Root(-0.3, 2), Root(-0.001)}), 1e-7, 1.0},
        // Poles of circuits with kiloohms and picofarads: the search's absolute tolerances
        // answered points that were not roots before the variable was scaled.
        {"RootsNearAGigahertz",
         listOf({Root(-1e9), Root(-2.5e9), Root(Complex(-3e9, 4e9)), Root(-7e9)}), 1e-13, 1e-14},
        {"RootsNearOneInANanosecond",
         listOf({Root(-1e-9), Root(-2.5e-9), Root(Complex(-3e-9, 4e-9)), Root(-7e-9)}), 1e-13,
         1e-14},
    };
}

} // namespace

class FactorKnownRoots : public ::testing::TestWithParam<KnownRoots>
{
};

TEST_P(FactorKnownRoots, RecoversEveryRootAndOrdersThemByRealPart)
{
    const KnownRoots &known = GetParam();
    const Polynom p = polynomialOf(known.roots);
    FactPolynom found;
    double accuracy = -1.0;
    EXPECT_EQ(found.factor(p, accuracy), Status::Factored);

    const std::vector<Complex> values = allRoots(found);
    ASSERT_EQ(values.size(), static_cast<std::size_t>(p.degree()));
    EXPECT_LE(worstRelativeError(allRoots(known.roots), values), known.rootTolerance);
    EXPECT_GE(accuracy, 0.0);
    EXPECT_LE(accuracy, known.accuracyBound);
    for (int i = found.roots().lowerIndex(); i < found.roots().upperIndex(); ++i)
        EXPECT_GE(found.roots()[i].value().real(), found.roots()[i + 1].value().real());
}

INSTANTIATE_TEST_SUITE_P(FactPolynom, FactorKnownRoots, ::testing::ValuesIn(knownRootSets()),
                         [](const auto &test) { return test.param.name; });

TEST(FactPolynom, SplitsOffRootsAtZeroOfAPowerOfS)
{
    FactPolynom found;
    double accuracy = -1.0;
    EXPECT_EQ(found.factor(Polynom{0.0, 0.0, 0.0, 1.0}, accuracy), Status::NotFactored);
    EXPECT_EQ(accuracy, 0.0);
    ASSERT_EQ(found.count(), 3);
    for (const Root &root : found.roots())
        EXPECT_EQ(root, Root(0.0, 1));
}

TEST(FactPolynom, SolvesDegreeOneAndTwoDirectly)
{
    FactPolynom found;
    double accuracy = 0.0;
    EXPECT_EQ(found.factor(Polynom{2.0, 3.0, 1.0}, accuracy), Status::Factored);
    EXPECT_EQ(accuracy, ComplexArith::epsilon);
    ASSERT_EQ(found.count(), 2);
    EXPECT_EQ(found.roots()[0], Root(-1.0, 1));
    EXPECT_EQ(found.roots()[1], Root(-2.0, 1));

    found.factor(Polynom{1.0, 0.0, 1.0}, accuracy);
    ASSERT_EQ(found.count(), 1);
    EXPECT_EQ(found.roots()[0], Root(Complex(0.0, 1.0), 1));

    found.factor(Polynom{1.0, 2.0, 1.0}, accuracy);
    ASSERT_EQ(found.count(), 1);
    EXPECT_EQ(found.roots()[0], Root(-1.0, 2));

    found.factor(Polynom{-4.0, 1.0}, accuracy);
    ASSERT_EQ(found.count(), 1);
    EXPECT_EQ(found.roots()[0], Root(4.0, 1));
}

TEST(FactPolynom, LeavesPolynomialsItCannotSearchWithoutRoots)
{
    FactPolynom found;
    found.append(Root(9.0));
    double accuracy = -1.0;
    EXPECT_EQ(found.factor(Polynom{1.0, 3.0, 2.0}, accuracy), Status::NotFactored);
    EXPECT_EQ(found.count(), 0);
    EXPECT_EQ(accuracy, 0.0);
    EXPECT_EQ(found.factor(Polynom(1.0), accuracy), Status::NotFactored);
    EXPECT_EQ(found.factor(Polynom(), accuracy), Status::NotFactored);
    EXPECT_EQ(found.factor(Polynom{Complex(1.0, 1.0), 1.0}, accuracy), Status::NotFactored);
    EXPECT_EQ(found.count(), 0);
}

TEST(FactPolynom, ReportsNonFiniteCoefficientsAsNoAccuracy)
{
    FactPolynom found;
    double accuracy = 0.0;
    EXPECT_EQ(found.factor(Polynom{NAN, 1.0, 1.0}, accuracy), Status::NotFactored);
    EXPECT_TRUE(std::isnan(accuracy));
    EXPECT_EQ(found.factor(Polynom{INFINITY, 1.0, 0.0, 1.0}, accuracy), Status::NotFactored);
    EXPECT_TRUE(std::isnan(accuracy));
    EXPECT_EQ(found.count(), 0);
}

TEST(FactPolynom, EndsOnOverflowingPolynomialsWithoutClaimingAccuracy)
{
    // Values near the largest double overflow inside the search; it must still end, cover the
    // degree and not report the roots as accurate.
    std::vector<Complex> huge(31, 1e300);
    huge.back() = 1.0;
    for (const Polynom &p : {Polynom(huge), Polynom{1.7976931348623157e308, 2.2250738585072014e-308,
                                                    1.7976931348623157e308, 1e-308, 1.0}}) {
        FactPolynom found;
        double accuracy = 0.0;
        found.factor(p, accuracy);
        EXPECT_EQ(allRoots(found).size(), static_cast<std::size_t>(p.degree()));
        EXPECT_FALSE(accuracy < 1e-3) << accuracy;
    }
}

TEST(RootSearch, RefinementMakesANearlyRealRootReal)
{
    const Polynom p = polynomialOf(listOf({Root(-1.0), Root(-2.0), Root(-3.0)}));
    const RootSearch::Refined refined = RootSearch::refineRoot(PolynomValues(p), {-2.0, 1e-9});
    EXPECT_EQ(refined.root.imag(), 0.0);
    EXPECT_NEAR(refined.root.real(), -2.0, 1e-15);
    EXPECT_LT(refined.accuracy, 1e-15);
}

TEST(FactPolynom, CancelsCommonRootsWithTheSharedMultiplicity)
{
    FactPolynom a = listOf({Root(-1.0, 2)});
    FactPolynom b = listOf({Root(-1.005, 1), Root(-3.0, 1)});
    FactPolynom p, q;
    p.append(Root(42.0));
    FactPolynom::cancelCommonRoots(a, b, p, q);
    ASSERT_EQ(p.count(), 1);
    ASSERT_EQ(q.count(), 1);
    EXPECT_EQ(p.roots()[0], Root(-1.0, 1));
    EXPECT_EQ(q.roots()[0], Root(-1.005, 1));
    ASSERT_EQ(a.count(), 1);
    EXPECT_EQ(a.roots()[0], Root(-1.0, 1));
    ASSERT_EQ(b.count(), 1);
    EXPECT_EQ(b.roots()[0], Root(-3.0, 1));
}

TEST(FactPolynom, CancelsOneRootAgainstSeveralAndKeepsDistinctOnes)
{
    FactPolynom a = listOf({Root(1.0), Root(-1.0, 3), Root(Complex(-2.0, 1.0))});
    FactPolynom b = listOf({Root(-1.0), Root(-5.0), Root(-1.001), Root(Complex(-2.0, -1.0), 2)});
    FactPolynom p, q;
    FactPolynom::cancelCommonRoots(a, b, p, q);
    ASSERT_EQ(p.count(), 3);
    EXPECT_EQ(p.roots()[0], Root(-1.0, 1));
    EXPECT_EQ(p.roots()[1], Root(-1.0, 1));
    EXPECT_EQ(p.roots()[2], Root(Complex(-2.0, 1.0), 1));
    ASSERT_EQ(q.count(), 3);
    EXPECT_EQ(q.roots()[1], Root(-1.001, 1));
    EXPECT_EQ(q.roots()[2], Root(Complex(-2.0, -1.0), 1));
    ASSERT_EQ(a.count(), 2);
    EXPECT_EQ(a.roots()[0], Root(1.0, 1));
    EXPECT_EQ(a.roots()[1], Root(-1.0, 1));
    ASSERT_EQ(b.count(), 2);
    EXPECT_EQ(b.roots()[0], Root(-5.0, 1));
    EXPECT_EQ(b.roots()[1], Root(Complex(-2.0, -1.0), 1));
}

namespace {

// The poles of an RC ladder of n equal sections with time constant tau, driven at one end and
// open at the other: -(4 / tau) sin²((2k - 1) π / (2 (2n + 1))), k = 1 ... n.
std::vector<Complex> ladderPoles(int sections, double tau)
{
    std::vector<Complex> poles;
    for (int k = 1; k <= sections; ++k) {
        const double x = std::sin((2 * k - 1) * std::numbers::pi / (2 * (2 * sections + 1)));
        poles.emplace_back(-4.0 / tau * x * x);
    }
    return poles;
}

// The monic polynomial with the given real roots, multiplied out exactly.
TransPolynom exactPolynomialOf(const std::vector<Complex> &roots)
{
    TransPolynom p{transDouble::one()};
    for (const Complex root : roots)
        p = p * TransPolynom{transDouble(-root.real()), transDouble::one()};
    return p;
}

} // namespace

// Double coefficients of a 40th-order ladder no longer determine its poles (a search on them
// answers a third of the roots as complex garbage); with the values taken from the exact
// coefficients every pole comes back to the last digits, at a nanosecond time constant too.
TEST(FactPolynom, FactorsAFortiethOrderLadderFromExactCoefficients)
{
    for (const double tau : {1.0, 1e-9}) {
        const std::vector<Complex> poles = ladderPoles(40, tau);
        FactPolynom found;
        double accuracy = -1.0;
        EXPECT_EQ(found.factor(exactPolynomialOf(poles), accuracy), Status::Factored);
        const std::vector<Complex> values = allRoots(found);
        ASSERT_EQ(values.size(), poles.size());
        for (const Complex value : values)
            EXPECT_EQ(value.imag(), 0.0);
        EXPECT_LE(worstRelativeError(poles, values), 1e-14) << tau;
        EXPECT_LE(accuracy, 1e-14);
    }
}

TEST(FactPolynom, KeepsTheRulesOfThePolynomialsItCannotSearchForExactCoefficients)
{
    FactPolynom found;
    double accuracy = -1.0;
    EXPECT_EQ(
        found.factor(TransPolynom{transDouble(2.0), transDouble(3.0), transDouble(2.0)}, accuracy),
        Status::NotFactored);
    EXPECT_EQ(found.count(), 0);
    EXPECT_EQ(
        found.factor(TransPolynom{transDouble::zero(), transDouble::zero(), transDouble::one()},
                     accuracy),
        Status::NotFactored);
    EXPECT_EQ(found.count(), 2);
    // Roots at 0 are split off before the scale is chosen from the constant term.
    EXPECT_EQ(found.factor(TransPolynom{transDouble::zero(), transDouble(2e18), transDouble(3e9),
                                        transDouble::one()},
                           accuracy),
              Status::Factored);
    const std::vector<Complex> values = allRoots(found);
    EXPECT_LE(worstRelativeError({0.0, -1e9, -2e9}, values), 1e-15);
}

namespace {

// The monic polynomial with the given roots (a complex root standing for its pair), multiplied
// out exactly.
TransPolynom exactPolynomialOfRoots(const std::vector<Complex> &roots)
{
    TransPolynom p{transDouble::one()};
    for (const Complex root : roots) {
        if (root.imag() == 0.0) {
            p = p * TransPolynom{transDouble(-root.real()), transDouble::one()};
            continue;
        }
        const transDouble re(root.real());
        const transDouble im(root.imag());
        p = p * TransPolynom{re * re + im * im, transDouble(-2.0) * re, transDouble::one()};
    }
    return p;
}

std::vector<Complex> withConjugates(const std::vector<Complex> &roots)
{
    std::vector<Complex> all;
    for (const Complex root : roots) {
        all.push_back(root);
        if (root.imag() != 0.0)
            all.push_back(std::conj(root));
    }
    return all;
}

} // namespace

// A root-by-root search took the two fastest poles of a 50-section ladder (0.3 % apart) for a
// complex pair, and lost a fifth of the poles of a 100-section one the same way; found all at
// once, every pole is real and right to the last digits.
TEST(FactPolynom, FactorsAHundredSectionLadderWithItsCloseFastPoles)
{
    for (const int sections : {50, 100}) {
        const std::vector<Complex> poles = ladderPoles(sections, 1e-6);
        FactPolynom found;
        double accuracy = -1.0;
        EXPECT_EQ(found.factor(exactPolynomialOf(poles), accuracy), Status::Factored);
        ASSERT_EQ(found.count(), sections);
        for (const Root &root : found.roots()) {
            EXPECT_TRUE(root.isReal());
            EXPECT_EQ(root.multiplicity(), 1);
        }
        EXPECT_LE(worstRelativeError(poles, allRoots(found)), 1e-14) << sections;
        EXPECT_LE(accuracy, 1e-14);
    }
}

// Roots at 0, a double real root, a double complex pair, a cluster of distinct roots 10^-4
// apart, and roots from 10^-10 to 10^10: each comes back with its multiplicity.
TEST(FactPolynom, FactorsMultipleRootsClustersAndTwentyDecades)
{
    const std::vector<Complex> distinct{-1e-10,      -3e-7,   {-2e-4, 5e-4},  -0.5,
                                        -0.50005,    -0.5001, {-40.0, 300.0}, -7e5,
                                        {-1e8, 1e9}, -1e10};
    std::vector<Complex> roots = distinct;
    for (const Complex repeated : {Complex(-2.0), Complex(-3.0, 4.0)}) {
        roots.push_back(repeated);
        roots.push_back(repeated);
    }
    TransPolynom p = exactPolynomialOfRoots(roots)
                     * TransPolynom{transDouble::zero(), transDouble::zero(), transDouble::zero(),
                                    transDouble::one()};
    FactPolynom found;
    double accuracy = -1.0;
    EXPECT_EQ(found.factor(p, accuracy), Status::Factored);
    std::vector<Complex> expected = withConjugates(roots);
    expected.insert(expected.end(), {0.0, 0.0, 0.0});
    EXPECT_LE(worstRelativeError(expected, allRoots(found)), 1e-12);
    int zeros = 0;
    for (const Root &root : found.roots()) {
        if (root.value() == Complex())
            zeros += root.multiplicity();
        else if (std::abs(root.value() - Complex(-2.0)) < 1e-6)
            EXPECT_EQ(root, Root(-2.0, 2));
        else if (std::abs(root.value() - Complex(-3.0, 4.0)) < 1e-6)
            EXPECT_EQ(root.multiplicity(), 2);
        else
            EXPECT_EQ(root.multiplicity(), 1) << root.value();
    }
    EXPECT_EQ(zeros, 3);
}

// A pole 0.25 % from a pole-zero pair that both polynomials share: refining the pole on the
// numerator runs to the shared root, which is common; the pole itself is not, and stays.
TEST(FactPolynom, CancelsTheSharedRootAndNotItsNeighbour)
{
    const TransPolynom numerator = exactPolynomialOfRoots({-1.0, -3.0});
    const TransPolynom denominator = exactPolynomialOfRoots({-0.9975, -1.0, -5.0});
    FactPolynom zeros, poles, cancelledZeros, cancelledPoles;
    double accuracy = 0.0;
    zeros.factor(numerator, accuracy);
    poles.factor(denominator, accuracy);
    FactPolynom::cancelCommonRoots(zeros, poles, cancelledZeros, cancelledPoles, numerator,
                                   denominator);
    EXPECT_LE(worstRelativeError({-3.0}, allRoots(zeros)), 1e-15);
    EXPECT_LE(worstRelativeError({-0.9975, -5.0}, allRoots(poles)), 1e-15);
    EXPECT_LE(worstRelativeError({-1.0}, allRoots(cancelledPoles)), 1e-15);
}
