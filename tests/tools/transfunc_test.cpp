#include "toolcircuits.h"
#include "toolstestsupport.h"

#include <tools/evaluationclock.h>
#include <tools/transfunc.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <numbers>

namespace {

using Complex = std::complex<double>;

constexpr std::int64_t evaluationTime = 1234567890;

// Dates every evaluation at evaluationTime.
class TransFuncTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EvaluationClock::setSource([]() -> std::int64_t { return evaluationTime; });
    }
    void TearDown() override { EvaluationClock::setSource(nullptr); }

    // A tool named T1 for the equation, driven by V1, placed in the sketch and evaluated.
    static TransFunc &evaluated(CircuitSketch &sketch, const char *equation)
    {
        auto tool = std::make_unique<TransFunc>(equation, labelUnit("V1"), &sketch.document);
        tool->setName(labelUnit("T1"));
        tool->place({100, 300}, {300, 400}, &sketch.document);
        TransFunc &placed = *tool;
        sketch.document.appendTool(std::move(tool));
        placed.update();
        return placed;
    }
};

// The partial fractions summed at s: c / (s - p)^n, with c̄ / (s - p̄)^n for a complex pole.
Complex partialFractionsAt(const PartFracFunc &fractions, Complex s)
{
    Complex sum = 0.0;
    for (const PartFrac &term : fractions.terms()) {
        const Complex p = term.pole().value();
        sum += term.residue() / std::pow(s - p, term.power());
        if (!term.isRealPole())
            sum += std::conj(term.residue()) / std::pow(s - std::conj(p), term.power());
    }
    return sum;
}

// K · Π (s - z) / Π (s - p) over the tool's roots, conjugates included.
Complex rootFormAt(const TransFunc &tool, Complex s, double gain)
{
    const auto product = [s](const FactPolynom &roots) {
        Complex value = 1.0;
        for (const Root &root : roots.roots()) {
            Complex factor = s - root.value();
            if (!root.isReal())
                factor *= s - std::conj(root.value());
            value *= std::pow(factor, root.multiplicity());
        }
        return value;
    };
    return gain * product(tool.numeratorRoots()) / product(tool.denominatorRoots());
}

void expectNear(Complex expected, Complex actual, double relative = 1e-9)
{
    EXPECT_LE(std::abs(actual - expected), relative * std::abs(expected) + 1e-15)
        << actual << " instead of " << expected;
}

struct CircuitCase
{
    const char *name;
    std::function<void(CircuitSketch &)> draw;
    const char *equation;
    std::function<Complex(Complex)> expected;
};

class EvaluatedCircuit : public TransFuncTest, public ::testing::WithParamInterface<CircuitCase>
{
};

} // namespace

// The whole function (improper terms + ratio) is the circuit's, the ratio is the gain times
// the root factors, and the partial fractions sum back to the ratio.
TEST_P(EvaluatedCircuit, MatchesTheClosedFormInEveryForm)
{
    CircuitSketch sketch;
    GetParam().draw(sketch);
    const TransFunc &tool = evaluated(sketch, GetParam().equation);
    ASSERT_TRUE(sketch.messages().empty());
    EXPECT_TRUE(tool.isEvaluated());
    EXPECT_EQ(evaluationTime, tool.lastEvaluation());
    const RatioFunc &ratio = tool.ratio();
    const Complex gain = ratio.numerator().coefficient(ratio.numerator().degree());
    for (const Complex s : {Complex(0, 300), Complex(-200, 5000), Complex(0, 2e4)}) {
        expectNear(GetParam().expected(s), tool.improperTerms().evaluate(s) + ratio.evaluate(s));
        expectNear(GetParam().expected(s), tool.factoredRatio().evaluate(s));
        expectNear(ratio.evaluate(s), rootFormAt(tool, s, gain.real()));
        if (ratio.numerator().degree() < ratio.denominator().degree())
            expectNear(ratio.evaluate(s), partialFractionsAt(tool.partialFractions(), s));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Circuits, EvaluatedCircuit,
    ::testing::Values(
        CircuitCase{"Divider", ToolCircuits::divider, "Vout", [](Complex) { return 0.75; }},
        CircuitCase{"RcLowPass", ToolCircuits::rcLowPass, "Vout", ToolCircuits::rcLowPassAt},
        CircuitCase{"RlcBandPass", ToolCircuits::rlcBandPass, "Vout", ToolCircuits::rlcBandPassAt},
        CircuitCase{"Admittance", ToolCircuits::admittance, "IC+IR", ToolCircuits::admittanceAt},
        CircuitCase{"ConstantResistance", ToolCircuits::constantResistance, "IA+IB",
                    [](Complex) { return 1e-3; }}),
    [](const auto &param) { return std::string(param.param.name); });

// Forty poles between 10^5 and 4·10^7 rad/s: the tool factors the exact denominator, so every
// pole is right to the last digits and the gain gives H(0) = 1.
class LadderPoles : public TransFuncTest, public ::testing::WithParamInterface<int>
{
};

// The ladder's transfer function by its chain matrix, independent of any root: each section
// is [1 R; 0 1]·[1 0; sC 1], and the open end gives H = 1 / A.
Complex ladderByChainMatrix(int sections, Complex s)
{
    using Wide = std::complex<long double>;
    const Wide r = 1e3L, sc = Wide(s) * 100e-12L;
    Wide a = 1.0L, b = 0.0L, c = 0.0L, d = 1.0L;
    for (int i = 0; i < sections; ++i) {
        b += a * r;
        d += c * r;
        a += b * sc;
        c += d * sc;
    }
    const Wide h = 1.0L / a;
    return {static_cast<double>(h.real()), static_cast<double>(h.imag())};
}

// Forty poles between 10^5 and 4·10^7 rad/s: the tool factors the exact denominator, so every
// pole is right to the last digits and the gain gives H(0) = 1. Fifty make a constant term
// near 10^350 that no double holds: the tool keeps its ratio in s / 2^e and still answers in
// s, its formula with decimal exponents beyond the doubles, its frequency response and its
// residues right. A hundred poles need coefficients right to 10^-93, beyond the fewest
// significand bytes a user can set (25, 10^-60): the compile raises the precision for such an
// order.
TEST_P(LadderPoles, FactorsALadderOfKiloohmsAndPicofarads)
{
    const int sections = GetParam();
    CircuitSketch sketch;
    if (sections >= 100)
        sketch.document.setSignificandBytes(25);
    ToolCircuits::rcLadder(sketch, sections);
    const TransFunc &tool = evaluated(sketch, "Vout");
    std::vector<double> poles;
    for (const Root &root : tool.denominatorRoots().roots()) {
        EXPECT_EQ(root.value().imag(), 0.0);
        poles.push_back(root.value().real());
    }
    std::vector<double> expected = ToolCircuits::rcLadderPoles(sections);
    ASSERT_EQ(poles.size(), expected.size());
    std::sort(poles.begin(), poles.end());
    std::sort(expected.begin(), expected.end());
    for (std::size_t i = 0; i < poles.size(); ++i)
        EXPECT_NEAR(poles[i] / expected[i], 1.0, 1e-13) << i;
    EXPECT_LT(tool.denominatorRootAccuracy(), 1e-14);
    EXPECT_FALSE(tool.exceedsDoubleRange());
    EXPECT_EQ(tool.scaleExponent() != 0, sections > 40);

    const FactoredRatio h = tool.factoredRatio();
    for (const double omega : {0.0, 1e5, 1e6, 1e7, 4e7, 1e8}) {
        const Complex reference = ladderByChainMatrix(sections, {0.0, omega});
        EXPECT_NEAR(std::abs(h.evaluate({0.0, omega}) / reference - 1.0), 0.0, 1e-9) << omega;
    }
    // The residues against those of the closed-form poles: r_k = Π (-p_j) / Π_(j≠k) (p_k - p_j).
    std::map<double, double> residues;
    for (const PartFrac &term : tool.partialFractions().terms())
        residues[term.pole().value().real()] = term.residue().real();
    ASSERT_EQ(residues.size(), expected.size());
    auto term = residues.begin();
    for (std::size_t k = 0; k < expected.size(); ++k, ++term) {
        long double r = -static_cast<long double>(expected[k]);
        for (std::size_t j = 0; j < expected.size(); ++j) {
            if (j != k)
                r *= -static_cast<long double>(expected[j])
                     / (static_cast<long double>(expected[k]) - expected[j]);
        }
        EXPECT_NEAR(term->second / static_cast<double>(r), 1.0, 1e-9) << k;
    }
    // H(0) = 1: the numerator's constant is the denominator's, written alike.
    const std::string formula = tool.formulaText(TransFunc::TextSyntax::PowerCaret);
    const std::size_t open = formula.find("( ") + 2;
    const std::size_t constant = formula.find(" )/( ");
    ASSERT_NE(constant, std::string::npos);
    const std::string numerator = formula.substr(open, constant - open);
    EXPECT_EQ(formula.substr(constant + 5, numerator.size() + 3), numerator + " + ");
    long double logConstant = 0.0L;
    for (const double p : expected)
        logConstant += std::log10(-static_cast<long double>(p));
    EXPECT_NEAR(std::log10(std::stold(numerator)), logConstant, 1e-5);

    // Python and MATLAB read 1e+350 as infinity: beyond the doubles their texts hold the
    // ratio in s' = s / w0, every number finite, and say so.
    if (tool.scaleExponent() != 0) {
        const std::string w0 = std::to_string(tool.scaleExponent());
        const std::string matlab = tool.formulaText(TransFunc::TextSyntax::Matlab);
        EXPECT_NE(matlab.find("\nw0 = 2^" + w0 + ";\n"), std::string::npos);
        EXPECT_NE(matlab.find("_scaled = tf(["), std::string::npos);
        const std::string python = tool.formulaText(TransFunc::TextSyntax::Python);
        EXPECT_NE(python.find("\nw0 = 2.0 ** " + w0 + "\n"), std::string::npos);
        EXPECT_NE(python.find("_scaled = signal.TransferFunction("), std::string::npos);
        for (const std::string &text : {matlab, python}) {
            for (std::size_t at = text.find_first_of("0123456789"); at != std::string::npos;
                 at = text.find_first_of("0123456789", at)) {
                std::size_t length = 0;
                EXPECT_TRUE(std::isfinite(std::stod(text.substr(at), &length))) << text;
                at += length;
            }
        }
    }

    const auto copy = roundTrip(tool);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->scaleExponent(), tool.scaleExponent());
    EXPECT_EQ(copy->formulaText(TransFunc::TextSyntax::PowerCaret), formula);
}

INSTANTIATE_TEST_SUITE_P(TransFunc, LadderPoles, ::testing::Values(40, 50, 100));

// H = K s / (s² + 2αs + ω0²) with K = R/L = 1e4, α = 5000, ω0 = 1e4: a zero at 0, one complex
// pole entry for the pair, and the impulse response K e^(-αt) (cos ωd t - α/ωd sin ωd t).
TEST_F(TransFuncTest, BandPassHasItsPolesZeroGainAndImpulseResponse)
{
    CircuitSketch sketch;
    ToolCircuits::rlcBandPass(sketch);
    const TransFunc &tool = evaluated(sketch, "Vout");
    ASSERT_EQ(1, tool.numeratorRoots().count());
    EXPECT_NEAR(0.0, std::abs(tool.numeratorRoots().roots()[0].value()), 1e-9);
    ASSERT_EQ(1, tool.denominatorRoots().count());
    const double alpha = 5000, wd = 5000 * std::sqrt(3.0);
    const Complex pole = tool.denominatorRoots().roots()[0].value();
    EXPECT_NEAR(-alpha, pole.real(), 1e-6);
    EXPECT_NEAR(wd, std::abs(pole.imag()), 1e-6);
    EXPECT_NEAR(1e4, tool.ratio().numerator().coefficient(1).real(), 1e-6);
    EXPECT_TRUE(tool.cancelledNumeratorRoots().roots().isEmpty());
    EXPECT_FALSE(tool.hasImproperTerms());
    for (const double t : {0.0, 1e-4, 3e-4, 1e-3}) {
        const double h
            = 1e4 * std::exp(-alpha * t) * (std::cos(wd * t) - alpha / wd * std::sin(wd * t));
        EXPECT_NEAR(h, tool.valueAt(t), 1e-6 * 1e4);
    }
    EXPECT_EQ(0.0, tool.valueAt(-1e-4));
}

// Y = sC + 1/(R + sL): the quotient sC goes to the improper terms, 1/(s + 1000) stays.
TEST_F(TransFuncTest, ImproperRatioKeepsTheQuotientApart)
{
    CircuitSketch sketch;
    ToolCircuits::admittance(sketch);
    const TransFunc &tool = evaluated(sketch, "IC+IR");
    EXPECT_TRUE(tool.hasImproperTerms());
    ASSERT_EQ(1, tool.improperTerms().degree());
    EXPECT_NEAR(1e-6, tool.improperTerms().coefficient(1).real(), 1e-15);
    EXPECT_NEAR(0.0, tool.improperTerms().coefficient(0).real(), 1e-15);
    ASSERT_EQ(1, tool.denominatorRoots().count());
    EXPECT_NEAR(-1000.0, tool.denominatorRoots().roots()[0].value().real(), 1e-9);
    expectNear(1.0, tool.ratio().numerator().coefficient(0));
}

// L = R²C: numerator and denominator share the double root -1/(RC), which cancels whole.
TEST_F(TransFuncTest, ConstantResistanceCancelsTheSharedRoots)
{
    CircuitSketch sketch;
    ToolCircuits::constantResistance(sketch);
    const TransFunc &tool = evaluated(sketch, "IA+IB");
    EXPECT_TRUE(tool.numeratorRoots().roots().isEmpty());
    EXPECT_TRUE(tool.denominatorRoots().roots().isEmpty());
    const auto multiplicityAt = [](const FactPolynom &roots, double at) {
        int total = 0;
        for (const Root &root : roots.roots()) {
            EXPECT_NEAR(at, root.value().real(), 1e-3);
            total += root.multiplicity() * (root.isReal() ? 1 : 2);
        }
        return total;
    };
    EXPECT_EQ(2, multiplicityAt(tool.cancelledNumeratorRoots(), -1000.0));
    EXPECT_EQ(2, multiplicityAt(tool.cancelledDenominatorRoots(), -1000.0));
    EXPECT_TRUE(tool.partialFractions().terms().isEmpty());
}

// (s + 1)² / ((s + 1)(s + 3)(s + 4)): one factor s + 1 cancels, one stays in the numerator.
TEST_F(TransFuncTest, CancellationTakesTheSmallerMultiplicity)
{
    TransFunc tool;
    const transDouble one(1.0);
    tool.setRatio(TransRatioFunc({one, transDouble(2.0), one},
                                 {transDouble(12.0), transDouble(19.0), transDouble(8.0), one}));
    ASSERT_EQ(1, tool.numeratorRoots().count());
    EXPECT_EQ(Root(-1.0, 1), tool.numeratorRoots().roots()[0]);
    ASSERT_EQ(1, tool.cancelledNumeratorRoots().count());
    EXPECT_EQ(1, tool.cancelledNumeratorRoots().roots()[0].multiplicity());
    ASSERT_EQ(1, tool.cancelledDenominatorRoots().count());
    EXPECT_NEAR(-1.0, tool.cancelledDenominatorRoots().roots()[0].value().real(), 1e-12);
    ASSERT_EQ(2, tool.denominatorRoots().count());
    // (s + 1) / ((s + 3)(s + 4)) = -2 / (s + 3) + 3 / (s + 4).
    for (const double t : {0.0, 0.5, 2.0})
        EXPECT_NEAR(-2 * std::exp(-3 * t) + 3 * std::exp(-4 * t), tool.valueAt(t), 1e-12);
}

// Equal degrees are not divided; zero top coefficients do not count as degree.
TEST_F(TransFuncTest, DividesOnlyWhenTheTrueNumeratorDegreeIsHigher)
{
    TransFunc biproper;
    biproper.setRatio(
        TransRatioFunc({transDouble(0.0), transDouble(1.0)}, {transDouble(2.0), transDouble(1.0)}));
    EXPECT_FALSE(biproper.hasImproperTerms());
    EXPECT_EQ(1, biproper.ratio().numerator().degree());

    // s² / (s + 1 + 0·s²): the stored degrees are equal, the true ones are not.
    TransFunc improper;
    improper.setRatio(TransRatioFunc({transDouble(0.0), transDouble(0.0), transDouble(1.0)},
                                     {transDouble(1.0), transDouble(1.0), transDouble(0.0)}));
    EXPECT_TRUE(improper.hasImproperTerms());
    expectNear(Complex(4.0 / 3.0), improper.factoredRatio().evaluate(2.0), 1e-12);
    EXPECT_LT(improper.ratio().numerator().degree(), improper.ratio().denominator().degree());
}

// A faulty equation resets the ratio and the roots but keeps the date and the improper
// terms; a source that does not exist changes nothing.
TEST_F(TransFuncTest, ErrorsResetAndUnknownSourcesLeaveTheToolAlone)
{
    CircuitSketch sketch;
    ToolCircuits::admittance(sketch);
    TransFunc &tool = evaluated(sketch, "IC+IR");
    EvaluationClock::setSource([]() -> std::int64_t { return 1; });

    tool.setInputSource(labelUnit("V9"));
    tool.update();
    EXPECT_EQ(1, tool.denominatorRoots().count());
    EXPECT_TRUE(sketch.messages().empty());

    tool.setInputSource(labelUnit("V1"));
    tool.setOutputEquation("IC+");
    tool.update();
    EXPECT_EQ(std::vector<std::string>{"Incorrect equation syntax"}, sketch.messages());
    EXPECT_EQ(Polynom(0.0), tool.ratio().numerator());
    EXPECT_EQ(Polynom(1.0), tool.ratio().denominator());
    EXPECT_TRUE(tool.denominatorRoots().roots().isEmpty());
    EXPECT_TRUE(tool.partialFractions().terms().isEmpty());
    EXPECT_TRUE(tool.hasImproperTerms());
    EXPECT_TRUE(tool.isEvaluated());
    EXPECT_EQ(evaluationTime, tool.lastEvaluation());
}

namespace {

std::vector<std::uint8_t> recordOf(const TStreamableBase &object)
{
    opstream os;
    os.writeObject(object);
    return os.takeBytes();
}

} // namespace

TEST_F(TransFuncTest, RecordRoundTripsEveryField)
{
    CircuitSketch sketch;
    ToolCircuits::constantResistance(sketch);
    TransFunc &tool = evaluated(sketch, "IA+IB");
    tool.setShowsOI(false);
    const auto copy = roundTrip(tool);
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(recordOf(tool), recordOf(*copy));
    EXPECT_EQ("IA+IB", copy->outputEquation());
    EXPECT_FALSE(copy->showsOI());
    EXPECT_EQ(evaluationTime, copy->lastEvaluation());
    EXPECT_EQ(2, copy->cancelledDenominatorRoots().roots()[0].multiplicity()
                     * (copy->cancelledDenominatorRoots().count()));
}

// Version 2 has no numerator roots, cancelled lists, accuracies or date: it reads as
// evaluated now. Version 1 holds its output equation as a label.
TEST_F(TransFuncTest, OlderRecordsReadAsEvaluatedNow)
{
    TransFunc base;
    base.place({10, 20}, {30, 40}, nullptr);
    FactPolynom poles;
    poles.append(Root(-2.0));
    for (const std::uint32_t version : {1u, 2u}) {
        const OldRecord old("TransFunc", version, [&](opstream &os) {
            os.writeBaseOf<CircTool>(base);
            if (version == 1)
                os.writeObject(labelUnit("Va-Vb"));
            else
                os.writeObject(VString("Va-Vb"));
            os.writeObject(labelUnit("V1"));
            os.writeBool32(false);
            os.writeBool32(true);
            os.writePointer(nullptr);
            const RatioFunc ratio(Polynom(4.0), Polynom{2.0, 1.0});
            os.writePointer(&ratio);
            os.writePointer(&poles);
            os.writePointer(nullptr);
        });
        TransFunc tool;
        ASSERT_TRUE(readOldRecord(old, tool)) << version;
        EXPECT_EQ("Va-Vb", tool.outputEquation());
        EXPECT_EQ((Rect{10, 20, 30, 40}), tool.rect());
        EXPECT_FALSE(tool.showsOI());
        EXPECT_EQ((Polynom{2.0, 1.0}), tool.ratio().denominator());
        EXPECT_EQ(1, tool.denominatorRoots().count());
        EXPECT_TRUE(tool.numeratorRoots().roots().isEmpty());
        EXPECT_TRUE(tool.cancelledNumeratorRoots().roots().isEmpty());
        EXPECT_EQ(0.0, tool.denominatorRootAccuracy());
        EXPECT_TRUE(tool.isEvaluated());
        EXPECT_EQ(evaluationTime, tool.lastEvaluation());
        // Missing objects are there, empty.
        EXPECT_FALSE(tool.hasImproperTerms());
        EXPECT_TRUE(tool.partialFractions().terms().isEmpty());
    }
}

// Version 3 holds its ratio in s itself: it reads unscaled.
TEST_F(TransFuncTest, VersionThreeRecordsReadUnscaled)
{
    FactPolynom poles;
    poles.append(Root(-2.0));
    const OldRecord old("TransFunc", 3, [&](opstream &os) {
        os.writeBaseOf<CircTool>(TransFunc());
        os.writeObject(VString("Vout"));
        os.writeObject(labelUnit("V1"));
        os.writeBool32(true);
        os.writeBool32(true);
        os.writePointer(nullptr);
        const RatioFunc ratio(Polynom(4.0), Polynom{2.0, 1.0});
        os.writePointer(&ratio);
        os.writePointer(nullptr);
        os.writePointer(&poles);
        os.writePointer(nullptr);
        os.writePointer(nullptr);
        os.writeDouble(0.0);
        os.writeDouble(1e-16);
        os.writeBool32(true);
        os.writeWord32(0);
        os.writeWord32(0);
        os.writePointer(nullptr);
    });
    TransFunc tool;
    ASSERT_TRUE(readOldRecord(old, tool));
    EXPECT_EQ(0, tool.scaleExponent());
    expectNear(Complex(2.0), tool.factoredRatio().evaluate(0.0), 1e-15);
    EXPECT_EQ(" = ( 4 )/( 2 + 1*s )", tool.formulaText(TransFunc::TextSyntax::PowerStars));
}

namespace {

// The product of the factors (s + a) over the given a, exactly.
TransPolynom fromNegatedRoots(std::initializer_list<transDouble> negatedRoots)
{
    TransPolynom product{transDouble::one()};
    for (const transDouble &a : negatedRoots)
        product = product * TransPolynom{a, transDouble::one()};
    return product;
}

class PoleZeroDoublet : public TransFuncTest, public ::testing::WithParamInterface<double>
{
};

} // namespace

// Regression: a zero 10^-3 ... 10^-8 from a pole (the doublets of real amplifiers) was taken for
// the pole within 1 % and cancelled; the exact polynomials share no factor, and both stay. So do
// doublets 10^-11 and 10^-12 apart, as a weak element beside an otherwise cancelling pair of a
// random RLC network gives them.
TEST_P(PoleZeroDoublet, KeepsAZeroNextToAPole)
{
    const double zero = 1000.0 * (1.0 + GetParam());
    TransFunc tool;
    tool.setRatio(TransRatioFunc(
        fromNegatedRoots({transDouble(zero), transDouble(2e4)}),
        fromNegatedRoots({transDouble(1000.0), transDouble(5e3), transDouble(1e5)})));
    EXPECT_TRUE(tool.cancelledNumeratorRoots().roots().isEmpty());
    EXPECT_TRUE(tool.cancelledDenominatorRoots().roots().isEmpty());
    ASSERT_EQ(2, tool.numeratorRoots().count());
    ASSERT_EQ(3, tool.denominatorRoots().count());
    EXPECT_NEAR(-zero, tool.numeratorRoots().roots()[0].value().real(), 1e-12 * zero);
    EXPECT_NEAR(-1000.0, tool.denominatorRoots().roots()[0].value().real(), 1e-12);
    const auto expected = [zero](Complex s) {
        return (s + zero) * (s + 2e4) / ((s + 1000.0) * (s + 5e3) * (s + 1e5));
    };
    for (const Complex s : {Complex(0.0), Complex(0, 1000), Complex(-200, 3e4)})
        expectNear(expected(s), tool.ratio().evaluate(s));
}

INSTANTIATE_TEST_SUITE_P(RelativeDistances, PoleZeroDoublet,
                         ::testing::Values(1e-3, 1e-5, 1e-8, 1e-11, 1e-12));

// Regression: a zero at 0 against a pole at -5.1e-7 (a very low corner) passed as the same
// root, which lost a pole and made H eight times too large at low frequencies.
TEST_F(TransFuncTest, KeepsAZeroAtTheOriginBesideAVerySlowPole)
{
    TransFunc tool;
    tool.setRatio(TransRatioFunc(fromNegatedRoots({transDouble(0.0), transDouble(1.0)}),
                                 fromNegatedRoots({transDouble(5.1e-7), transDouble(2.0),
                                                   transDouble(3.0), transDouble(4.0)})));
    EXPECT_TRUE(tool.cancelledNumeratorRoots().roots().isEmpty());
    EXPECT_EQ(4, tool.denominatorRoots().count());
    const Complex s(0, 1e-6);
    expectNear(s * (s + 1.0) / ((s + 5.1e-7) * (s + 2.0) * (s + 3.0) * (s + 4.0)),
               tool.factoredRatio().evaluate(s));
}

// A factor s + 1/3, rounded at the work precision, that the numerator and the denominator were
// both multiplied by, is common: it cancels.
TEST_F(TransFuncTest, CancelsAFactorThatBothShare)
{
    const transDouble third = transDouble(1.0) / transDouble(3.0);
    TransFunc tool;
    tool.setRatio(TransRatioFunc(fromNegatedRoots({third, transDouble(2.0)}),
                                 fromNegatedRoots({third, transDouble(5.0), transDouble(7.0)})));
    ASSERT_EQ(1, tool.cancelledNumeratorRoots().count());
    EXPECT_NEAR(-1.0 / 3, tool.cancelledNumeratorRoots().roots()[0].value().real(), 1e-15);
    ASSERT_EQ(1, tool.cancelledDenominatorRoots().count());
    ASSERT_EQ(1, tool.numeratorRoots().count());
    ASSERT_EQ(2, tool.denominatorRoots().count());
    // (s + 2) / ((s + 5)(s + 7)) = -3/2 / (s + 5) + 5/2 / (s + 7).
    for (const double t : {0.0, 0.3})
        EXPECT_NEAR(-1.5 * std::exp(-5 * t) + 2.5 * std::exp(-7 * t), tool.valueAt(t), 1e-12);
}

// The twin-T notch of 10 kΩ, 10 nF (5 kΩ and 20 nF in the legs) has the factor s + 10^4 in
// numerator and denominator: it cancels, and (s² + 10^8) / (s² + 4·10^4 s + 10^8) is left, the
// poles at -10^4 (2 ± √3).
TEST_F(TransFuncTest, TwinTNotchCancelsItsCommonFactor)
{
    CircuitSketch sketch;
    sketch.ground(at(0, 2));
    sketch.voltageSource(at(0, 2), at(0, 0), "V1");
    sketch.resistor(at(0, 0), at(1, 0), "R1", "10", 1);
    sketch.resistor(at(1, 0), at(2, 0), "R2", "10", 1);
    sketch.capacitor(at(1, 0), at(1, 2), "C3", "0.02", 1);
    sketch.ground(at(1, 2));
    sketch.capacitor(at(0, 0), at(1, 1), "C1", "0.01", 1);
    sketch.capacitor(at(1, 1), at(2, 0), "C2", "0.01", 1);
    sketch.resistor(at(1, 1), at(2, 2), "R3", "5", 1);
    sketch.ground(at(2, 2));
    sketch.voltageTag(at(2, 0), at(2, 2), "Vout");
    const TransFunc &tool = evaluated(sketch, "Vout");
    ASSERT_TRUE(sketch.messages().empty());
    ASSERT_EQ(1, tool.cancelledNumeratorRoots().count());
    EXPECT_NEAR(-1e4, tool.cancelledNumeratorRoots().roots()[0].value().real(), 1e-8);
    ASSERT_EQ(2, tool.denominatorRoots().count());
    EXPECT_NEAR(-1e4 * (2 - std::sqrt(3.0)), tool.denominatorRoots().roots()[0].value().real(),
                1e-8);
    EXPECT_NEAR(-1e4 * (2 + std::sqrt(3.0)), tool.denominatorRoots().roots()[1].value().real(),
                1e-7);
    for (const Complex s : {Complex(0, 1e3), Complex(0, 1e4), Complex(-500, 2e4)})
        expectNear((s * s + 1e8) / (s * s + 4e4 * s + 1e8), tool.factoredRatio().evaluate(s));
    // The notch's zeros lie on the imaginary axis: the formula has no s term at all, not the
    // rounding of one (-5.7e-18 s).
    EXPECT_EQ(tool.ratio().numerator().coefficient(1), Complex(0.0));
    EXPECT_DOUBLE_EQ(tool.numeratorRoots().roots()[0].value().real(), 0.0);
}

// Regression: a triple pole (three buffered equal RC sections) came out as three neighbouring
// simple poles, and the partial fractions as residues of 10^29. Close but distinct poles (10^-6
// apart) stay distinct.
TEST_F(TransFuncTest, MultiplePolesAreOneRootOfTheirMultiplicity)
{
    const transDouble a(1000.0);
    TransFunc tool;
    tool.setRatio(TransRatioFunc(TransPolynom{transDouble(1e9)},
                                 fromNegatedRoots({a, a, a, transDouble(5.0)})));
    ASSERT_EQ(2, tool.denominatorRoots().count());
    EXPECT_EQ(Root(-5.0, 1), tool.denominatorRoots().roots()[0]);
    EXPECT_EQ(3, tool.denominatorRoots().roots()[1].multiplicity());
    EXPECT_NEAR(-1000.0, tool.denominatorRoots().roots()[1].value().real(), 1e-9);
    for (const Complex s : {Complex(0.0), Complex(0, 1000), Complex(-300, 5e3)})
        expectNear(1e9 / (std::pow(s + 1000.0, 3) * (s + 5.0)),
                   partialFractionsAt(tool.partialFractions(), s));

    TransFunc close;
    close.setRatio(TransRatioFunc(TransPolynom{transDouble::one()},
                                  fromNegatedRoots({a, transDouble(1000.001), transDouble(7.0)})));
    ASSERT_EQ(3, close.denominatorRoots().count());
    EXPECT_NEAR(-1000.0, close.denominatorRoots().roots()[1].value().real(), 1e-10);
    EXPECT_NEAR(-1000.001, close.denominatorRoots().roots()[2].value().real(), 1e-10);
}
