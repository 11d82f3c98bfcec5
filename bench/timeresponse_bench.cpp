#include <tools/compndsig.h>
#include <tools/impulse.h>
#include <tools/signal.h>
#include <tools/supersigsolution.h>

#include <algebra/factoredratio.h>
#include <algebra/factpolynom.h>
#include <algebra/polynom.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

using Complex = std::complex<double>;

// A tenth-order Butterworth low-pass at 1 rad/s: five pole pairs on the unit circle.
FactPolynom butterworthPoles()
{
    FactPolynom poles;
    for (int k = 0; k < 5; ++k) {
        const double angle = std::numbers::pi * (2 * k + 11) / 20;
        poles.append(Root(Complex(std::cos(angle), std::abs(std::sin(angle)))));
    }
    return poles;
}

// A square wave (+1 at the start, -1 at half the period) with a damped burst riding on it.
std::unique_ptr<Signal> testSignal(double period, bool periodic)
{
    auto signal = std::make_unique<Signal>();
    signal->setWindow(textDouble(0.0), textDouble(period));
    signal->setPeriodic(periodic);
    signal->appendElement(std::make_unique<CompndSig>(CompndSig::Parameters{0, 1, 0, 0, 0, 0}));
    signal->appendElement(
        std::make_unique<CompndSig>(CompndSig::Parameters{period / 2, -1, 0, 0, 0, 0}));
    signal->appendElement(
        std::make_unique<CompndSig>(CompndSig::Parameters{period / 4, 0.2, 1, 0.5, 20, 0}));
    signal->appendElement(std::make_unique<Impulse>(period / 8, 0.5));
    return signal;
}

// One sampling pass as the time plot makes it: a range scan per column.
void sampleColumns(benchmark::State &state, bool periodic, double window, double period)
{
    const auto signal = testSignal(period, periodic);
    SuperSigSolution response;
    response.add(signal->makeResponse(
        FactoredRatio(Polynom(0.0), ScaledComplex(1.0), FactPolynom(), butterworthPoles())));
    const int columns = 1000;
    const double dt = window / (columns - 1);
    for (auto _ : state) {
        double sum = 0.0;
        for (int k = 0; k <= columns; ++k) {
            double low = 0.0, high = 0.0;
            response.range(k * dt, (k + 1) * dt, dt, low, high);
            sum += high - low;
        }
        benchmark::DoNotOptimize(sum);
    }
}

// A 10-pole response to a signal that happens once, over 1000 columns.
void tenPoleResponse(benchmark::State &state)
{
    sampleColumns(state, false, 40.0, 20.0);
}
BENCHMARK(tenPoleResponse)->Unit(benchmark::kMillisecond);

// The same signal repeated: a window of 1000 periods over 1000 columns.
void periodicThousandPeriods(benchmark::State &state)
{
    sampleColumns(state, true, 1000 * 20.0, 20.0);
}
BENCHMARK(periodicThousandPeriods)->Unit(benchmark::kMillisecond);

} // namespace
