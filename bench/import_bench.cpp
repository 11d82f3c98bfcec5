// The import and the listing of a large netlist: a chain of resistors, each element a column
// of its own on the sheet, so that any walk over the circuit per element shows as a square.
#include <import/spiceimport.h>

#include <circuitinfo.h>

#include <model/tcircuitdocument.h>
#include <tools/persistentclasses.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string chainNetlist(int elements)
{
    std::string text = "resistor chain\nV1 n0 0 AC 1\n";
    for (int i = 1; i < elements; ++i)
        text += "R" + std::to_string(i) + " n" + std::to_string(i - 1) + " n" + std::to_string(i)
                + " 1k\n";
    return text;
}

void BM_ImportChain(benchmark::State &state)
{
    const std::string netlist = chainNetlist(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TCircuitDocument document;
        document.openNew();
        benchmark::DoNotOptimize(importSpiceNetlist(netlist, document));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ImportChain)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->Complexity();

// Opening the imported sheet and listing it, as zenodyne-cli info does.
void BM_OpenAndListChain(benchmark::State &state)
{
    registerPersistentClasses();
    const std::filesystem::path file = std::filesystem::temp_directory_path()
                                       / ("zenodyne-bench-" + std::to_string(::getpid()) + ".crc");
    {
        TCircuitDocument document;
        document.openNew();
        importSpiceNetlist(chainNetlist(static_cast<int>(state.range(0))), document);
        document.setPath(file);
        if (!document.commit(true).ok())
            state.SkipWithError("cannot write the sheet");
    }
    for (auto _ : state) {
        TCircuitDocument document;
        if (!document.open(file).ok())
            state.SkipWithError("cannot read the sheet");
        benchmark::DoNotOptimize(circuitInfo(document));
    }
    std::filesystem::remove(file);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_OpenAndListChain)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
