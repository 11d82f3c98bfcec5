#include <algebra/factpolynom.h>
#include <algebra/partfracfunc.h>
#include <algebra/polynom.h>
#include <algebra/transpolynom.h>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using Complex = std::complex<double>;

// Poles of a filter-like denominator of the given degree: complex pairs and real poles over
// three decades, and every fifth pole doubled when repeated is set.
FactPolynom filterPoles(int degree, bool repeated)
{
    FactPolynom poles;
    int placed = 0;
    for (int k = 0; placed < degree; ++k) {
        const double magnitude = std::pow(10.0, 3.0 * k / degree);
        const int multiplicity = repeated && k % 5 == 4 && placed + 2 <= degree ? 2 : 1;
        if (k % 2 == 0 && placed + 2 * multiplicity <= degree) {
            poles.append(Root(magnitude * Complex(-0.3, 0.95), multiplicity));
            placed += 2 * multiplicity;
        } else {
            poles.append(Root(-magnitude, multiplicity));
            placed += multiplicity;
        }
    }
    return poles;
}

Polynom polynomialOf(const FactPolynom &roots)
{
    Polynom p(1.0);
    p.multiplyByRoots(roots);
    return p;
}

template<typename Coefficients>
void timeFactoring(benchmark::State &state, const Coefficients &p)
{
    FactPolynom roots;
    double accuracy = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(roots.factor(p, accuracy));
        benchmark::ClobberMemory();
    }
    state.counters["accuracy"] = accuracy;
}

void factor(benchmark::State &state)
{
    const Polynom p = polynomialOf(filterPoles(static_cast<int>(state.range(0)), false));
    timeFactoring(state, p);
}

// The same polynomials with exact coefficients (multiplied out at the default work
// precision), as the transfer-function tool factors them: values in multi-precision.
void factorExact(benchmark::State &state)
{
    const FactPolynom poles = filterPoles(static_cast<int>(state.range(0)), false);
    TransPolynom p{transDouble::one()};
    for (const Root &root : poles.roots()) {
        const Complex r = root.value();
        p = root.isReal() ? p * TransPolynom{transDouble(-r.real()), transDouble::one()}
                          : p
                                * TransPolynom{transDouble(std::norm(r)),
                                               transDouble(-2.0 * r.real()), transDouble::one()};
    }
    timeFactoring(state, p);
}

void expand(benchmark::State &state)
{
    const FactPolynom poles = filterPoles(static_cast<int>(state.range(0)), state.range(1) != 0);
    const Polynom numerator{1.0, 2.0, 1.0};
    PartFracFunc expansion;
    for (auto _ : state) {
        expansion.expand(numerator, poles);
        benchmark::ClobberMemory();
    }
}

void response(benchmark::State &state)
{
    PartFracFunc expansion;
    expansion.expand(Polynom(1.0), filterPoles(static_cast<int>(state.range(0)), false));
    double t = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(expansion.response(t));
        t += 1e-4;
    }
}

} // namespace

BENCHMARK(factor)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMicrosecond);
BENCHMARK(factorExact)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMicrosecond);
BENCHMARK(expand)->Args({10, 0})->Args({20, 0})->Args({40, 0})->Args({20, 1})->Args({40, 1})->Unit(
    benchmark::kMicrosecond);
BENCHMARK(response)->Arg(10)->Arg(40)->Unit(benchmark::kNanosecond);
