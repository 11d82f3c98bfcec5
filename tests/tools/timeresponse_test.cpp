#include "toolstestsupport.h"

#include <algebra/factoredratio.h>
#include <algebra/ratiofunc.h>

#include <tools/compndsig.h>
#include <tools/filtsigterm.h>
#include <tools/impulse.h>
#include <tools/nonperiodicsigsolu.h>
#include <tools/periodicsigsolu.h>
#include <tools/signal.h>
#include <tools/supersigsolution.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

using Complex = std::complex<double>;
using Response = std::function<double(double)>;

FactPolynom polesOf(std::initializer_list<Root> roots)
{
    FactPolynom poles;
    for (const Root &root : roots)
        poles.append(root);
    return poles;
}

CompndSig step(double start, double k = 1.0)
{
    return CompndSig(CompndSig::Parameters{start, k, 0.0, 0.0, 0.0, 0.0});
}

std::unique_ptr<SigSolution> responseOf(const Signal &signal, const TransferFunction &h)
{
    const FactoredRatio numerator
        = FactoredRatio::fromCoefficients(RatioFunc(h.numerator, Polynom(1.0)));
    return signal.makeResponse(
        FactoredRatio(Polynom(0.0), numerator.gain(), numerator.zeros(), h.poles));
}

std::unique_ptr<SigSolution> responseOf(const std::unique_ptr<Signal> &signal,
                                        const TransferFunction &h)
{
    return responseOf(*signal, h);
}

void expectClose(double expected, double actual, double relative)
{
    EXPECT_NEAR(expected, actual, relative * std::max(1.0, std::abs(expected)));
}

// A section with its impulse and step responses in closed form.
struct Section
{
    const char *name;
    TransferFunction h;
    Response impulse;
    Response step;
};

Section firstOrder()
{
    return {"FirstOrder",
            {Polynom(2.0), polesOf({Root(-2.0)})},
            [](double t) { return 2 * std::exp(-2 * t); },
            [](double t) { return 1 - std::exp(-2 * t); }};
}

// ω0 = 3, ζ = 0.2: poles -0.6 ± j·3·sqrt(0.96).
Section underdamped()
{
    const double w0 = 3.0, zeta = 0.2, wd = w0 * std::sqrt(1 - zeta * zeta);
    return {"Underdamped",
            {Polynom(w0 * w0), polesOf({Root(Complex(-zeta * w0, wd))})},
            [=](double t) { return w0 * w0 / wd * std::exp(-zeta * w0 * t) * std::sin(wd * t); },
            [=](double t) {
                return 1
                       - std::exp(-zeta * w0 * t)
                             * (std::cos(wd * t) + zeta * w0 / wd * std::sin(wd * t));
            }};
}

Section criticallyDamped()
{
    return {"CriticallyDamped",
            {Polynom(4.0), polesOf({Root(-2.0, 2)})},
            [](double t) { return 4 * t * std::exp(-2 * t); },
            [](double t) { return 1 - std::exp(-2 * t) * (1 + 2 * t); }};
}

Section overdamped()
{
    return {"Overdamped",
            {Polynom(4.0), polesOf({Root(-1.0), Root(-4.0)})},
            [](double t) { return 4.0 / 3 * (std::exp(-t) - std::exp(-4 * t)); },
            [](double t) { return 1 - 4.0 / 3 * std::exp(-t) + 1.0 / 3 * std::exp(-4 * t); }};
}

class SectionResponse : public ::testing::TestWithParam<Section>
{
};

} // namespace

// An impulse of magnitude 2 at 0.5 and a step at 1 through each section: the responses are
// the closed forms, delayed and scaled, and nothing before the element starts.
TEST_P(SectionResponse, ImpulseAndStepMatchClosedForms)
{
    const Section &section = GetParam();
    Signal impulseSignal;
    impulseSignal.appendElement(std::make_unique<Impulse>(0.5, 2.0));
    Signal stepSignal;
    stepSignal.appendElement(std::make_unique<CompndSig>(step(1.0)));
    const auto impulse = responseOf(impulseSignal, section.h);
    const auto stepResponse = responseOf(stepSignal, section.h);
    for (const double t : {0.0, 0.4, 0.5, 0.7, 1.0, 1.3, 2.0, 3.5, 7.0}) {
        expectClose(t < 0.5 ? 0.0 : 2 * section.impulse(t - 0.5), impulse->value(t), 1e-10);
        expectClose(t < 1.0 ? 0.0 : section.step(t - 1.0), stepResponse->value(t), 1e-10);
    }
    // The slope of the step response is the impulse response.
    for (const double t : {1.2, 2.0, 4.0})
        expectClose(section.impulse(t - 1.0), stepResponse->slope(t), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Sections, SectionResponse,
                         ::testing::Values(firstOrder(), underdamped(), criticallyDamped(),
                                           overdamped()),
                         [](const auto &test) { return std::string(test.param.name); });

// sin(wt) from 0 through 1/(1 + sRC): steady state of amplitude 1/sqrt(1 + (wRC)²) lagging by
// atan(wRC), plus a transient that starts the output at 0.
TEST(TimeResponse, SineThroughRcLowPassHasSteadyStateAndTransient)
{
    const double rc = 0.5, a = 1 / rc, w = 3.0;
    Signal sine;
    sine.appendElement(std::make_unique<CompndSig>(
        CompndSig::Parameters{0.0, 1.0, 0.0, 0.0, w, -std::numbers::pi / 2}));
    const auto response = responseOf(sine, {Polynom(a), polesOf({Root(-a)})});
    const double d = a * a + w * w;
    for (const double t : {0.0, 0.1, 0.5, 1.0, 2.5, 10.0}) {
        const double expected
            = a / d * (a * std::sin(w * t) - w * std::cos(w * t)) + a * w / d * std::exp(-a * t);
        expectClose(expected, response->value(t), 1e-10);
    }
    EXPECT_NEAR(0.0, response->value(0.0), 1e-14);
}

TEST(TimeResponse, EmptySolutionIsZeroWithBreaksAtT)
{
    const SuperSigSolution none;
    EXPECT_EQ(0.0, none.value(3.0));
    EXPECT_EQ(3.0, none.previousBreak(3.0));
    EXPECT_EQ(3.0, none.nextBreak(3.0));
    const NonPeriodicSigSolu noTerms;
    EXPECT_EQ(0.0, noTerms.value(1.0));
    EXPECT_EQ(1.0, noTerms.nextBreak(1.0));
}

// Two steps at 1 and 2 through H = 1: the breaks are the delays, the left value at a delay
// leaves out the term that starts there, and the sum over sources adds up.
TEST(TimeResponse, BreaksLeftValuesAndSumsOverSources)
{
    Signal steps;
    steps.appendElement(std::make_unique<CompndSig>(step(1.0)));
    steps.appendElement(std::make_unique<CompndSig>(step(2.0, 2.0)));
    const TransferFunction unit{Polynom(1.0), {}};
    SuperSigSolution sum;
    sum.add(responseOf(steps, unit));
    sum.add(responseOf(steps, unit));
    EXPECT_DOUBLE_EQ(6.0, sum.value(2.0));
    EXPECT_DOUBLE_EQ(2.0, sum.leftValue(2.0));
    EXPECT_EQ(1.0, sum.previousBreak(1.5));
    EXPECT_EQ(2.0, sum.nextBreak(1.5));
    EXPECT_EQ(2.0, sum.nextBreak(1.0));
    EXPECT_EQ(2.5, sum.nextBreak(2.5));
}

// A step at 0.5 through H = 1 inside the column [0.4, 0.6): the column spans both levels.
TEST(TimeResponse, RangeCatchesAJumpInsideAColumn)
{
    Signal jump;
    jump.appendElement(std::make_unique<CompndSig>(step(0.5)));
    SuperSigSolution curve;
    curve.add(responseOf(jump, {Polynom(1.0), {}}));
    double low = 0, high = 0;
    curve.range(0.4, 0.6, 0.2, low, high);
    EXPECT_EQ(0.0, low);
    EXPECT_EQ(1.0, high);
}

namespace {

class CountingCurve : public Graphable
{
public:
    mutable int evaluations = 0;
    double value(double) const override { return ++evaluations; }
};

} // namespace

// A term oscillating far faster than the column is evaluated at most 20 times in it.
TEST(TimeResponse, FastTermIsEvaluatedAtMostTwentyTimesPerColumn)
{
    Signal fast;
    fast.appendElement(
        std::make_unique<CompndSig>(CompndSig::Parameters{0.0, 1.0, 0.0, 0.0, 1000.0, 0.0}));
    const auto solution = responseOf(fast, {Polynom(1.0), {}});
    CountingCurve counter;
    double low = 0, high = 0;
    solution->rangeScan(counter, 0.0, 1.0, 1.0, low, high);
    EXPECT_EQ(20, counter.evaluations);
    EXPECT_EQ(0.0, low);
    EXPECT_EQ(20.0, high);
}

namespace {

// The periodic value as the plain definition states it: every repetition at t, t - T, ...
// down to the start, each term's response at that time.
double plainPeriodicSum(const SigSolution &solution, double start, double period, double t,
                        bool slope = false)
{
    double sum = 0.0;
    for (int k = 0; t - k * period >= start; ++k) {
        for (const FiltSigTerm *term : solution.terms())
            sum += slope ? term->slope(t - k * period) : term->value(t - k * period);
    }
    return sum;
}

std::unique_ptr<Signal> squareWave(double period)
{
    auto square = std::make_unique<Signal>();
    square->setWindow(textDouble(0.0), textDouble(period));
    square->setPeriodic(true);
    square->appendElement(std::make_unique<CompndSig>(step(0.0)));
    square->appendElement(std::make_unique<CompndSig>(step(period / 2, -1.0)));
    return square;
}

} // namespace

// With period T and start 0, the value at 2.5·T sums the element responses at 2.5·T, 1.5·T
// and 0.5·T.
TEST(PeriodicResponse, SumsTheRepetitionsSinceTheStart)
{
    Signal pulse;
    pulse.setWindow(textDouble(0.0), textDouble(2.0));
    pulse.setPeriodic(true);
    pulse.appendElement(std::make_unique<Impulse>(0.0, 1.0));
    const auto response = responseOf(pulse, firstOrder().h);
    const Response h = firstOrder().impulse;
    EXPECT_NEAR(h(5.0) + h(3.0) + h(1.0), response->value(5.0), 1e-14);
    EXPECT_EQ(0.0, response->value(-0.1));
}

// A square wave (steps +1 at 0 and -1 at T/2, repeated) through a first-order low-pass: after
// many periods the output is the periodic steady state, 1 - e^(-aτ) / (1 + e^(-aT/2)) in the
// high half.
TEST(PeriodicResponse, SquareWaveReachesItsSteadyState)
{
    const double period = 2.0, a = 2.0;
    const auto response = responseOf(squareWave(period), firstOrder().h);
    const double q = std::exp(-a * period / 2);
    for (const double tau : {0.0, 0.3, 0.9}) {
        const double t = 200 * period + tau;
        expectClose(1 - std::exp(-a * tau) / (1 + q), response->value(t), 1e-9);
        expectClose(plainPeriodicSum(*response, 0.0, period, t), response->value(t), 1e-9);
    }
}

namespace {

struct PeriodicCase
{
    const char *name;
    std::unique_ptr<Signal> (*signal)(double period);
    TransferFunction h;
};

std::unique_ptr<Signal> impulseTrain(double period)
{
    auto train = std::make_unique<Signal>();
    train->setWindow(textDouble(0.25), textDouble(0.25 + period));
    train->setPeriodic(true);
    train->appendElement(std::make_unique<Impulse>(0.25, 1.0));
    train->appendElement(
        std::make_unique<CompndSig>(CompndSig::Parameters{0.5, 1.0, 1.0, 3.0, 40.0, 0.3}));
    return train;
}

class PeriodicAgainstPlainSum : public ::testing::TestWithParam<PeriodicCase>
{
};

} // namespace

// Far from the start (up to 1000 periods) value, left value and slope equal the plain sum of
// the repetitions, for simple, repeated, oscillating and integrating poles.
TEST_P(PeriodicAgainstPlainSum, AgreesFarFromTheStart)
{
    const PeriodicCase &c = GetParam();
    const double period = 0.125; // exact, so that repetitions fall exactly on the starts
    const auto response = responseOf(c.signal(period), c.h);
    const double start = c.signal(period)->start().value();
    for (const double t : {0.31, 3.27, 47.3, 99.97, start + 900 * period}) {
        expectClose(plainPeriodicSum(*response, start, period, t), response->value(t), 1e-9);
        expectClose(plainPeriodicSum(*response, start, period, t, true), response->slope(t), 1e-9);
    }
    // At a repetition of the first element's start the left value leaves that one out.
    const double at = start + 500 * period;
    const double leftOut = response->terms()[0]->value(start);
    expectClose(response->value(at) - leftOut, response->leftValue(at), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Poles, PeriodicAgainstPlainSum,
    ::testing::Values(PeriodicCase{"Square", squareWave, firstOrder().h},
                      PeriodicCase{"TrainUnderdamped", impulseTrain, underdamped().h},
                      PeriodicCase{"TrainRepeated", impulseTrain, criticallyDamped().h},
                      PeriodicCase{
                          "TrainIntegrator", impulseTrain, {Polynom(1.0), polesOf({Root(0.0)})}}),
    [](const auto &test) { return std::string(test.param.name); });

// An impulse train through 1/s counts the impulses so far.
TEST(PeriodicResponse, IntegratorCountsTheRepetitions)
{
    Signal train;
    train.setWindow(textDouble(0.0), textDouble(1.0));
    train.setPeriodic(true);
    train.appendElement(std::make_unique<Impulse>(0.0, 1.0));
    const auto response = responseOf(train, {Polynom(1.0), polesOf({Root(0.0)})});
    EXPECT_DOUBLE_EQ(1001.0, response->value(1000.5));
    EXPECT_DOUBLE_EQ(1000.0, response->leftValue(1000.0));
}

// A window of zero length gives period 0; the solution then acts once, as a plain one.
TEST(PeriodicResponse, ZeroPeriodBehavesAsNonPeriodic)
{
    Signal once;
    once.setPeriodic(true);
    once.appendElement(std::make_unique<CompndSig>(step(1.0)));
    const auto response = responseOf(once, firstOrder().h);
    ASSERT_NE(nullptr, dynamic_cast<PeriodicSigSolu *>(response.get()));
    EXPECT_DOUBLE_EQ(firstOrder().step(2.0), response->value(3.0));
    EXPECT_EQ(1.0, response->previousBreak(3.0));
    EXPECT_EQ(3.0, response->nextBreak(3.0));
}

TEST(PeriodicResponse, BreaksRepeatEveryPeriod)
{
    PeriodicSigSolu solution(0.0, 2.0);
    solution.addTerm(std::make_unique<FiltSigTerm>(std::make_unique<PartFracFunc>(), 0.5));
    solution.addTerm(std::make_unique<FiltSigTerm>(std::make_unique<PartFracFunc>(), 1.0));
    EXPECT_EQ(1.0, solution.previousBreak(2.5));
    EXPECT_EQ(4.5, solution.nextBreak(3.0));
    EXPECT_EQ(4.5, solution.nextBreak(4.0));
    EXPECT_EQ(5.0, solution.nextBreak(4.5));
    EXPECT_EQ(2000.5, solution.previousBreak(2001.0));
    EXPECT_EQ(0.5, solution.nextBreak(0.0));
    EXPECT_EQ(0.4, solution.previousBreak(0.4));
}

TEST(TimeResponseRecords, SolutionsRoundTripWithTheirTerms)
{
    const auto signalOwner = squareWave(2.0);
    Signal &signal = *signalOwner;
    const auto periodic = responseOf(signal, underdamped().h);
    signal.setPeriodic(false);
    SuperSigSolution sum;
    sum.add(responseOf(signal, underdamped().h));
    sum.add(responseOf(squareWave(2.0), criticallyDamped().h));
    const auto copy = roundTrip(sum);
    ASSERT_NE(nullptr, copy);
    ASSERT_EQ(2, copy->parts().count());
    EXPECT_NE(nullptr, dynamic_cast<NonPeriodicSigSolu *>(copy->parts()[0]));
    const auto *part = dynamic_cast<PeriodicSigSolu *>(copy->parts()[1]);
    ASSERT_NE(nullptr, part);
    EXPECT_EQ(2.0, part->period());
    for (const double t : {0.5, 1.5, 7.25})
        EXPECT_EQ(sum.value(t), copy->value(t));
    const auto term = roundTrip(*periodic->terms()[1]);
    ASSERT_NE(nullptr, term);
    EXPECT_EQ(1.0, term->delay());
    EXPECT_EQ(periodic->terms()[1]->value(2.0), term->value(2.0));
}
