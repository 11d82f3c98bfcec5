// Compile-and-solve of an RC ladder: N sections of a series resistor and a capacitor to
// ground, driven by a voltage source, with a voltage tag on every section node so that each
// node is solved for.

#include <compile/documentcompile.h>
#include <compile/matrixlid.h>
#include <compile/ratioreceiver.h>
#include <model/capacitor.h>
#include <model/grounder.h>
#include <model/resistor.h>
#include <model/tcircuitdocument.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

template<typename T>
T &place(TCircuitDocument &document, Point a, Point b, const std::string &name)
{
    auto thing = std::make_unique<T>();
    thing->place(a, b, &document);
    thing->setName(labelUnit(name));
    T &placed = *thing;
    if constexpr (std::is_base_of_v<Component, T>)
        document.appendComponent(std::move(thing));
    else
        document.appendTag(std::move(thing));
    return placed;
}

void drawLadder(TCircuitDocument &document, int sections)
{
    const auto at = [](int column, int row) { return Point{column * 100, row * 100}; };
    place<Grounder>(document, at(0, 2), at(0, 3), "");
    place<VoltSource>(document, at(0, 2), at(0, 0), "V1");
    for (int i = 0; i < sections; ++i) {
        const std::string index = std::to_string(i + 1);
        place<Resistor>(document, at(i, 0), at(i + 1, 0), "R" + index).setValue(textDouble("1"));
        place<Capacitor>(document, at(i + 1, 0), at(i + 1, 2), "C" + index)
            .setValue(textDouble("100"));
        place<Grounder>(document, at(i + 1, 2), at(i + 1, 3), "");
        place<VoltageTag>(document, at(i + 1, 0), at(i + 1, 2), "Vn" + index);
    }
}

class DiscardingReceiver : public RatioReceiver
{
public:
    void setRatio(const TransRatioFunc &) override {}
    void reset() override {}
};

void BM_CompileRcLadder(benchmark::State &state)
{
    const int sections = static_cast<int>(state.range(0));
    DiscardingReceiver receiver;
    const std::string last = "Vn" + std::to_string(sections);
    for (auto _ : state) {
        state.PauseTiming();
        auto document = std::make_unique<TCircuitDocument>();
        drawLadder(*document, sections);
        state.ResumeTiming();
        if (!evaluateOutputEquation(*document, "V1", last, receiver)) {
            state.SkipWithError(document->errorCount() != 0
                                    ? document->messages().first()->text().view().data()
                                    : "the ladder did not solve");
            break;
        }
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_CompileRcLadder)
    ->Arg(5)
    ->Arg(10)
    ->Arg(20)
    ->Arg(40)
    ->Arg(80)
    ->Unit(benchmark::kMillisecond);
