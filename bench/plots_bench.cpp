#include <tools/bodeplot.h>
#include <tools/compndsig.h>
#include <tools/impulse.h>
#include <tools/signal.h>
#include <tools/timeplot.h>
#include <tools/transfunc.h>

#include <algebra/ratiofunc.h>
#include <algebra/transratiofunc.h>
#include <model/tcircuitdocument.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

using Complex = std::complex<double>;

// The denominator of an order-n Butterworth low-pass at 1 rad/s, from its poles on the unit
// circle.
Polynom butterworthDenominator(int order)
{
    Polynom denominator(1.0);
    for (int k = 0; k < order; ++k) {
        const double angle = std::numbers::pi * (2 * k + order + 1) / (2 * order);
        denominator *= Polynom{-Complex(std::cos(angle), std::sin(angle)), 1.0};
    }
    return denominator;
}

TransPolynom exact(const Polynom &p)
{
    TransPolynom result;
    for (int i = 0; i <= p.degree(); ++i)
        result.coefficientAt(i) = transDouble(p.coefficient(i).real());
    return result;
}

// A Bode plot 1000 columns wide over 6 decades of a 20th-order ratio with zeros at ±2j, all
// four lines shown: one resampling as attach makes it.
void bodeResampling(benchmark::State &state)
{
    BPElemParam element{labelUnit("T1")};
    element.ratio = FactoredRatio::fromCoefficients(
        RatioFunc(Polynom{4.0, 0.0, 1.0}, butterworthDenominator(20)));
    for (const BodeLineKind kind : bodeLineKinds)
        element.line(kind).parameters().shown = true;
    MArray<BPElemParam> elements;
    elements.append(element);
    BodePlot plot;
    plot.place({0, 0}, {999, 400}, nullptr);
    plot.setStartDecade(-3);
    plot.setDecades(6);
    plot.setElements(elements);
    for (auto _ : state) {
        plot.attach();
        benchmark::DoNotOptimize(plot.elements()[0].line(BodeLineKind::Phase).curve().maximum());
    }
}
BENCHMARK(bodeResampling)->Unit(benchmark::kMillisecond);

// A time plot 1000 columns wide with auto sample of a 10-pole transfer function's response to
// a step, a delayed step back, a damped burst and an impulse: one sampling as update makes it.
void timePlotSampling(benchmark::State &state)
{
    TCircuitDocument document;
    document.openNew();
    auto function = std::make_unique<TransFunc>("", labelUnit("V1"), &document);
    function->setName(labelUnit("T1"));
    function->setRatio(TransRatioFunc(exact(Polynom(1.0)), exact(butterworthDenominator(10))));
    document.appendTool(std::move(function));
    auto signal = std::make_unique<Signal>();
    signal->setName(labelUnit("S1"));
    signal->appendElement(std::make_unique<CompndSig>(CompndSig::Parameters{0, 1, 0, 0, 0, 0}));
    signal->appendElement(std::make_unique<CompndSig>(CompndSig::Parameters{10, -1, 0, 0, 0, 0}));
    signal->appendElement(
        std::make_unique<CompndSig>(CompndSig::Parameters{5, 0.2, 1, 0.5, 20, 0}));
    signal->appendElement(std::make_unique<Impulse>(2.5, 0.5));
    document.appendTool(std::move(signal));
    auto owned = std::make_unique<TimePlot>();
    TimePlot &plot = *owned;
    document.appendTool(std::move(owned));
    plot.place({0, 0}, {999, 400}, &document);
    TPElemParam line(labelUnit("T1"), Color{});
    line.shown = true;
    MArray<TPElemParam> lines;
    lines.append(line);
    plot.setLines({}, lines);
    MArray<labelUnit> sources;
    sources.append(labelUnit("V1"));
    MArray<labelUnit> signals;
    signals.append(labelUnit("S1"));
    plot.setSignals(sources, signals);
    plot.setWindow(textDouble(0.0), textDouble(40.0));
    plot.rebuildSolutions();
    for (auto _ : state) {
        plot.update();
        benchmark::DoNotOptimize(plot.transferCurves()[0].maximum());
    }
}
BENCHMARK(timePlotSampling)->Unit(benchmark::kMillisecond);

} // namespace
