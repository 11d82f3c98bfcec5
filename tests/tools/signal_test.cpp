#include "toolstestsupport.h"

#include <tools/compndsig.h>
#include <tools/impulse.h>
#include <tools/signal.h>

#include <support/recordingsurface.h>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using Complex = std::complex<double>;
using P = CompndSig::Parameters;

std::unique_ptr<Signal> placedSignal(int width, double start, double end)
{
    auto signal = std::make_unique<Signal>();
    signal->place({0, 0}, {width, 200}, nullptr);
    signal->setWindow(textDouble(start), textDouble(end));
    return signal;
}

} // namespace

TEST(CompndSig, ValueIsTheDelayedDampedOscillatingPower)
{
    const CompndSig ramp(P{1.0, 1.0, 2.0, 0.0, 0.0, 0.0});
    EXPECT_EQ(0.0, ramp.value(0.5));
    EXPECT_EQ(0.0, ramp.value(1.0));
    EXPECT_EQ(1.0, ramp.value(2.0));
    EXPECT_EQ(9.0, ramp.value(4.0));
    const CompndSig full(P{0.5, 2.0, 1.5, 0.7, 3.0, 0.4});
    const double tau = 1.25;
    EXPECT_DOUBLE_EQ(2.0 * std::pow(tau, 1.5) * std::exp(-0.7 * tau) * std::cos(3 * tau + 0.4),
                     full.value(0.5 + tau));
    // Without a positive frequency there is no cosine, whatever the phase.
    EXPECT_DOUBLE_EQ(3.0 * std::exp(-2.0), CompndSig(P{0, 3.0, 0, 1.0, -1.0, 2.0}).value(2.0));
}

// The derivative against a central difference of the value, for integer, fractional and
// negative powers, with and without the cosine; 0 before the start.
TEST(CompndSig, DerivativeMatchesTheValuesSlope)
{
    for (const P &p : {P{1.0, 1.0, 2.0, 0.5, 0.0, 0.0}, P{1.0, 2.0, 0.0, 0.3, 4.0, 0.2},
                       P{0.0, 1.5, 1.0, 0.0, 2.0, -0.5}, P{0.0, 1.0, 0.5, 0.2, 3.0, 0.0},
                       P{0.0, 1.0, -0.5, 0.0, 0.0, 0.0}, P{0.0, 1.0, 2.7, 1.0, 1.0, 1.0}}) {
        const CompndSig element(p);
        for (const double t : {p.start + 0.3, p.start + 1.7}) {
            const double h = 1e-6;
            const double numeric = (element.value(t + h) - element.value(t - h)) / (2 * h);
            EXPECT_NEAR(numeric, element.derivative(t), 1e-6 * std::max(1.0, std::abs(numeric)))
                << "r=" << p.r << " w=" << p.w << " t=" << t;
        }
        EXPECT_EQ(0.0, element.derivative(p.start - 0.1));
    }
}

TEST(CompndSig, TransformOfAPowerIsItsFactorialOverAMultiplePole)
{
    Polynom numerator;
    FactPolynom poles;
    CompndSig(P{1.0, 1.0, 2.0, 0.0, 0.0, 0.0}).transform(numerator, poles);
    EXPECT_EQ(Polynom{Complex(2.0)}, numerator);
    ASSERT_EQ(1, poles.count());
    EXPECT_EQ(Root(0.0, 3), poles.roots()[0]);
    // A fractional power is truncated, a negative one taken as 0.
    CompndSig(P{0.0, 3.0, 3.9, 2.0, 0.0, 0.0}).transform(numerator, poles);
    EXPECT_EQ(Polynom{Complex(18.0)}, numerator);
    EXPECT_EQ(Root(-2.0, 4), poles.roots()[0]);
    CompndSig(P{0.0, 1.0, -3.0, 0.0, 0.0, 0.0}).transform(numerator, poles);
    EXPECT_EQ(Root(0.0, 1), poles.roots()[0]);
}

// K·cos(wτ + phi)·e^(-aτ) transforms to K·((s + a)·cos phi - w·sin phi) / ((s + a)² + w²).
TEST(CompndSig, TransformOfADampedCosineHasRealCoefficients)
{
    const double k = 2.0, a = 0.5, w = 3.0, phi = 0.7;
    Polynom numerator;
    FactPolynom poles;
    CompndSig(P{0.0, k, 0.0, a, w, phi}).transform(numerator, poles);
    ASSERT_EQ(1, poles.count());
    EXPECT_EQ(Root(Complex(-a, w), 1), poles.roots()[0]);
    ASSERT_EQ(1, numerator.degree());
    EXPECT_NEAR(k * (a * std::cos(phi) - w * std::sin(phi)), numerator.coefficient(0).real(),
                1e-12);
    EXPECT_NEAR(k * std::cos(phi), numerator.coefficient(1).real(), 1e-12);
    EXPECT_EQ(0.0, numerator.coefficient(0).imag());
    EXPECT_EQ(0.0, numerator.coefficient(1).imag());
}

TEST(Impulse, ValueOnlyAtItsStartAndTransformIsItsMagnitude)
{
    const Impulse impulse(0.5, 3.0);
    EXPECT_EQ(3.0, impulse.value(0.5));
    EXPECT_EQ(0.0, impulse.value(0.5000001));
    Polynom numerator;
    FactPolynom poles;
    poles.append(Root(-1.0));
    impulse.transform(numerator, poles);
    EXPECT_EQ(Polynom{Complex(3.0)}, numerator);
    EXPECT_EQ(0, poles.count());
}

TEST(Signal, SumsItsElementsWithBreaksAtTheirStarts)
{
    Signal signal;
    EXPECT_EQ(0.0, signal.value(1.0));
    EXPECT_EQ(1.0, signal.previousBreak(1.0));
    signal.appendElement(std::make_unique<Impulse>(1.0, 2.0));
    signal.appendElement(std::make_unique<CompndSig>(P{0.5, 1.0, 0.0, 0.0, 5.0, 0.0}));
    signal.appendElement(std::make_unique<CompndSig>(P{2.0, 1.0, 1.0, 0.0, 2.0, 0.0}));
    EXPECT_DOUBLE_EQ(2.0 + std::cos(2.5), signal.value(1.0));
    EXPECT_DOUBLE_EQ(std::cos(2.5), signal.leftValue(1.0));
    EXPECT_DOUBLE_EQ(-5 * std::sin(2.5), signal.slope(1.0));
    EXPECT_EQ(5.0, signal.highestFrequency(1.0));
    EXPECT_EQ(0.0, signal.highestFrequency(0.4));
    EXPECT_EQ(0.5, signal.previousBreak(1.0));
    EXPECT_EQ(2.0, signal.nextBreak(1.0));
    EXPECT_EQ(3.0, signal.nextBreak(3.0));
    EXPECT_TRUE(signal.isSignal());
    EXPECT_EQ(signal.value(1.7), signal.valueAt(1.7));
}

// An impulse at 0.5 shows in the auto-sampled column whose interval holds it; point samples
// only see it where a column starts exactly there.
TEST(Signal, AutoSampleCatchesAnImpulseInsideAColumn)
{
    const auto signalOwner = placedSignal(10, 0.0, 1.0);
    Signal &signal = *signalOwner;
    signal.appendElement(std::make_unique<Impulse>(0.55, 1.0));
    signal.update();
    ASSERT_EQ(11, signal.curve().points().count());
    EXPECT_EQ((pDataPoint{0.0, 1.0}), signal.curve().points()[5]);
    EXPECT_EQ((pDataPoint{0.0, 0.0}), signal.curve().points()[6]);
    EXPECT_EQ(1.0, signal.curve().maximum());
    signal.setAutoSample(false);
    signal.update();
    EXPECT_EQ(0.0, signal.curve().maximum());
    signal.replaceElements({});
    signal.appendElement(std::make_unique<Impulse>(0.5, 1.0));
    signal.update();
    EXPECT_EQ((pDataPoint{1.0, 1.0}), signal.curve().points()[5]);
}

namespace {

class CountingElement : public SigElement
{
public:
    explicit CountingElement(int *evaluations)
        : m_evaluations(evaluations)
    {
    }
    double value(double) const override { return ++*m_evaluations; }
    int oversamplingCount(double, double) const override { return 1000; }

private:
    int *m_evaluations;
};

} // namespace

// A fast element is evaluated 20 times in the column, besides its value at the column start.
TEST(Signal, RangeEvaluatesAFastElementAtMostTwentyTimes)
{
    int evaluations = 0;
    Signal signal;
    signal.appendElement(std::make_unique<CountingElement>(&evaluations));
    double low = 0, high = 0;
    signal.range(0.0, 1.0, 1.0, low, high);
    // The element starts at the column start, so the value just before leaves it out.
    EXPECT_EQ(21, evaluations);
    EXPECT_EQ(0.0, low);
    EXPECT_EQ(21.0, high);
}

TEST(Signal, UpdateSamplesEveryColumnAndRecomputesMarkers)
{
    const auto signalOwner = placedSignal(4, 0.0, 2.0);
    Signal &signal = *signalOwner;
    signal.setAutoSample(false);
    signal.appendElement(std::make_unique<CompndSig>(P{0.0, 1.0, 2.0, 0.0, 0.0, 0.0}));
    TPElemParam line = signal.line();
    GraphMarker marker;
    marker.position = textDouble("1.5");
    line.markers.append(marker);
    signal.setLine(line);
    signal.update();
    ASSERT_EQ(5, signal.curve().points().count());
    EXPECT_EQ(2.25, signal.curve().points()[3].high);
    EXPECT_EQ(4.0, signal.curve().maximum());
    EXPECT_EQ(2.25, signal.line().markers[0].y);
    // A frame without width has no columns.
    const auto narrowOwner = placedSignal(0, 0.0, 1.0);
    Signal &narrow = *narrowOwner;
    narrow.update();
    EXPECT_EQ(0, narrow.curve().points().count());
}

TEST(Signal, ExportWritesHeaderAndRowsWithSixDigits)
{
    Signal signal;
    signal.setName(labelUnit("In1"));
    signal.appendElement(std::make_unique<CompndSig>(P{0.0, 1.0, 0.0, 1.0, 0.0, 0.0}));
    EXPECT_EQ("time,In1\n0, 1\n0.5, 0.606531\n1, 0.367879\n", signal.dataExportText(0, 1, 3));
    EXPECT_EQ("time,In1\n2, 0.135335\n", signal.dataExportText(2, 5, 1));
    EXPECT_EQ("time,In1\n", signal.dataExportText(0, 1, 0));
}

// The paint draws the graph of the sampled curve with the name as title.
TEST(Signal, PaintDrawsTheTitledGraphOfItsCurve)
{
    const auto signalOwner = placedSignal(400, 0.0, 2.0);
    Signal &signal = *signalOwner;
    signal.setName(labelUnit("Step"));
    signal.appendElement(std::make_unique<CompndSig>(P{1.0, 1.0, 0.0, 0.0, 0.0, 0.0}));
    signal.update();
    RecordingSurface surface;
    signal.draw(surface);
    const auto texts = surface.callsOf("text");
    EXPECT_NE(texts.end(),
              std::find(texts.begin(), texts.end(), "text (200,0) center top \"Step\""));
    EXPECT_NE(texts.end(),
              std::find(texts.begin(), texts.end(), "text (212,180) center top \"time [s]\""));
    const auto curves = surface.callsOf("polyline");
    ASSERT_EQ(1u, curves.size());
    // Low from the left edge until t = 1, where the column holding the step is a stroke from
    // the value before it (0, the plot bottom) to the value after it (1, the plot top).
    EXPECT_EQ(0u, curves[0].find("polyline (32,160) (33,160)"));
    EXPECT_NE(std::string::npos, curves[0].find(" (211,160) (212,160) (212,24) (213,24) "));
    EXPECT_NE(std::string::npos, curves[0].find(" (391,24)"));
}

TEST(SignalRecords, ElementsAndSignalRoundTrip)
{
    const auto signalOwner = placedSignal(50, 0.5, 3.0);
    Signal &signal = *signalOwner;
    signal.setName(labelUnit("S1"));
    signal.setPeriodic(true);
    signal.setAutoSample(false);
    signal.appendElement(std::make_unique<Impulse>(0.75, -2.0));
    signal.appendElement(std::make_unique<CompndSig>(P{1.0, 2.0, 1.5, 0.25, 6.0, -0.5}));
    TPElemParam line(labelUnit("S1"), Color{1, 2, 3});
    line.shown = true;
    signal.setLine(line);
    const auto copy = roundTrip(signal);
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(labelUnit("S1"), copy->name());
    EXPECT_EQ(Rect({0, 0, 50, 200}), copy->rect());
    EXPECT_EQ(labelUnit("0.5"), copy->start());
    EXPECT_EQ(labelUnit("3"), copy->end());
    EXPECT_TRUE(copy->isPeriodic());
    EXPECT_FALSE(copy->autoSample());
    EXPECT_EQ(line, copy->line());
    EXPECT_EQ(signal.graph(), copy->graph());
    ASSERT_EQ(2, copy->elements().count());
    EXPECT_EQ(-2.0, dynamic_cast<Impulse &>(*copy->elements()[0]).magnitude());
    EXPECT_EQ((P{1.0, 2.0, 1.5, 0.25, 6.0, -0.5}),
              dynamic_cast<CompndSig &>(*copy->elements()[1]).parameters());
}

TEST(SignalRecords, FirstCompoundRecordDropsItsSeventhNumber)
{
    const OldRecord old("CompndSig", 1, [](opstream &os) {
        os.writeWord32(SigElement::classVersion);
        for (const double v : {1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 99.0})
            os.writeDouble(v);
    });
    CompndSig element;
    ASSERT_TRUE(readOldRecord(old, element));
    EXPECT_EQ((P{1.0, 2.0, 3.0, 4.0, 5.0, 6.0}), element.parameters());
}
