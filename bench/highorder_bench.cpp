// Transfer functions of networks of many sections, from the netlist to the poles, zeros,
// partial fractions and a 1000-point Bode plot of the tool: RC ladders of N sections (1 kΩ, 1 nF)
// and square RC meshes driven through 1 kΩ at one corner, output at the other.

#include <algebra/factoredratio.h>
#include <algebra/scaledcomplex.h>
#include <import/spiceimport.h>

#include <model/tcircuitdocument.h>
#include <tools/persistentclasses.h>
#include <tools/transfunc.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string ladderNetlist(int sections)
{
    std::string text = "ladder\nV1 n0 0 AC 1\n";
    for (int k = 1; k <= sections; ++k) {
        const std::string node = "n" + std::to_string(k);
        text += "R" + std::to_string(k) + " n" + std::to_string(k - 1) + " " + node + " 1k\n";
        text += "C" + std::to_string(k) + " " + node + " 0 1n\n";
    }
    return text;
}

std::string meshNetlist(int size)
{
    const auto node = [size](int index) { return "m" + std::to_string(index); };
    std::string text = "mesh\nV1 in 0 AC 1\nRin in m0 1k\n";
    for (int index = 0; index < size * size; ++index) {
        text += "C" + std::to_string(index) + " " + node(index) + " 0 1n\n";
        if (index % size + 1 < size)
            text += "Rh" + std::to_string(index) + " " + node(index) + " " + node(index + 1)
                    + " 1k\n";
        if (index + size < size * size)
            text += "Rv" + std::to_string(index) + " " + node(index) + " " + node(index + size)
                    + " 1k\n";
    }
    return text;
}

// The magnitudes and phases of a 1000-point Bode plot over six decades from 10 rad/s, as the
// Bode tool takes them from the factors.
std::vector<ScaledComplex> bodeData(const FactoredRatio &ratio)
{
    constexpr int points = 1000;
    std::vector<ScaledComplex> values;
    values.reserve(points);
    for (int i = 0; i < points; ++i)
        values.push_back(ratio.scaledValue({0.0, std::pow(10.0, 1.0 + 6.0 * i / (points - 1))}));
    return values;
}

void evaluate(benchmark::State &state, const std::string &netlist, const std::string &output)
{
    registerPersistentClasses();
    for (auto _ : state) {
        TCircuitDocument document;
        document.openNew();
        if (!importSpiceNetlist(netlist, document).ok()) {
            state.SkipWithError("the netlist did not import");
            break;
        }
        auto tool = std::make_unique<TransFunc>(output, labelUnit("V1"), &document);
        TransFunc &placed = *tool;
        document.appendTool(std::move(tool));
        placed.update();
        if (document.errorCount() != 0) {
            state.SkipWithError("the circuit did not solve");
            break;
        }
        benchmark::DoNotOptimize(placed.partialFractions());
        benchmark::DoNotOptimize(bodeData(placed.factoredRatio()));
    }
    state.SetComplexityN(state.range(0));
}

void BM_LadderTransferFunction(benchmark::State &state)
{
    const int sections = static_cast<int>(state.range(0));
    evaluate(state, ladderNetlist(sections), "Vn" + std::to_string(sections));
}
BENCHMARK(BM_LadderTransferFunction)
    ->Arg(25)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_MeshTransferFunction(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    evaluate(state, meshNetlist(size), "Vm" + std::to_string(size * size - 1));
}
BENCHMARK(BM_MeshTransferFunction)
    ->Arg(4)
    ->Arg(6)
    ->Arg(7)
    ->Arg(8)
    ->Arg(9)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond);

} // namespace
