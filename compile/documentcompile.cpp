#include "documentcompile.h"

#include <algebra/oversizedmultiplication.h>
#include <compile/compiledcircuit.h>
#include <compile/compilemessages.h>
#include <compile/compilemonitor.h>
#include <compile/ratioreceiver.h>
#include <model/tcircuitdocument.h>

#include <algorithm>

namespace {

// The work precision of a compile: the document's setting, raised for a network of high order.
// The roots of a polynomial in powers of s grow ill-conditioned with its degree: the poles of an
// RC ladder of n sections move by up to 10^(0.79 n) times a relative change of its coefficients
// (10^37 for 50 sections, 10^158 for 200), so that the coefficients of a 200-section ladder must
// be right to 10^-175 for poles right to the last digits of a double. Three bits per energy
// store, on 24 bytes of margin, hold that; up to 69 energy stores the default of 50 bytes does.
std::uint16_t workPrecisionFor(const TCircuitDocument &document)
{
    const int needed = 24 + (3 * document.energyStoreCount() + 7) / 8;
    const std::uint16_t setting = TCircuitDocument::workPrecisionFor(document.significandBytes());
    return TCircuitDocument::workPrecisionFor(
        static_cast<std::uint16_t>(std::clamp<int>(needed, setting, 4096)));
}

CompiledCircuit *compiledCircuit(const TCircuitDocument &document)
{
    return dynamic_cast<CompiledCircuit *>(document.compileResults());
}

// The document's results, made empty when it has none yet.
CompiledCircuit &resultsToFill(TCircuitDocument &document)
{
    if (CompiledCircuit *results = compiledCircuit(document))
        return *results;
    auto results = std::make_unique<CompiledCircuit>();
    CompiledCircuit &filled = *results;
    document.setCompileResults(std::move(results));
    return filled;
}

// Each stage runs only while no message is pending.
void runCompileStages(TCircuitDocument &document, CompiledCircuit &results)
{
    if (!results.circuitSolution) {
        results.circuitSolution = std::make_unique<CircuitSolution>(document);
        results.circuitSolution->build();
    }
    if (document.errorCount() == 0)
        results.circuitSolution->checkNames();
    if (document.errorCount() != 0 || results.matrixLid)
        return;
    results.matrixLid = std::make_unique<MatrixLid>(document);
    results.circuitSolution->exportTo(*results.matrixLid);
    if (document.errorCount() == 0)
        results.matrixLid->checkSourcesAndTags();
    if (document.errorCount() == 0)
        results.matrixLid->formulate();
    if (document.errorCount() == 0)
        results.matrixLid->solve();
}

} // namespace

void compileCircuit(TCircuitDocument &document)
{
    transDouble::setWorkPrecision(workPrecisionFor(document));
    document.clearMessages();
    const CompiledCircuit *existing = compiledCircuit(document);
    if (!existing || !existing->circuitSolution || !existing->matrixLid) {
        CompiledCircuit &results = resultsToFill(document);
        HeadlessCompileMonitor headless;
        CompileMonitor *frontEnd = document.compileMonitor();
        CompileMonitor &monitor = frontEnd ? *frontEnd : headless;
        results.runningMonitor = &monitor;
        monitor.started();
        try {
            runCompileStages(document, results);
        } catch (const OversizedMultiplication &) {
            // Values keep their state when the error passes through; the partial results go.
            document.addMessage(CompileMessages::precisionTooLarge);
        }
        results.runningMonitor = nullptr;
        monitor.finished();
    }
    if (document.errorCount() != 0) {
        document.discardResults();
        document.showMessageView();
    }
}

bool evaluateOutputEquation(TCircuitDocument &document, std::string_view sourceName,
                            std::string_view equation, RatioReceiver &receiver)
{
    compileCircuit(document);
    MatrixLid *lid = matrixLid(document);
    if (document.errorCount() != 0 || lid == nullptr) {
        receiver.reset();
        return false;
    }
    bool evaluated = false;
    try {
        evaluated = lid->parseOutputEquation(sourceName, equation, receiver);
    } catch (const OversizedMultiplication &) {
        document.addMessage(CompileMessages::precisionTooLarge);
    }
    if (document.errorCount() != 0) {
        document.showMessageView();
        receiver.reset();
    }
    return evaluated;
}

CircuitSolution *circuitSolution(const TCircuitDocument &document)
{
    const CompiledCircuit *results = compiledCircuit(document);
    return results ? results->circuitSolution.get() : nullptr;
}

MatrixLid *matrixLid(const TCircuitDocument &document)
{
    const CompiledCircuit *results = compiledCircuit(document);
    return results ? results->matrixLid.get() : nullptr;
}

void refreshCompileDialog(TCircuitDocument &document)
{
    CompiledCircuit *results = compiledCircuit(document);
    if (results == nullptr || results->runningMonitor == nullptr)
        return;
    CompileProgress progress;
    if (results->circuitSolution)
        progress.netlist = results->circuitSolution->progress();
    if (const MatrixLid *lid = results->matrixLid.get()) {
        progress.hasEquations = true;
        progress.nodesToSolve = lid->nodeCount();
        progress.independentSources = lid->independentCount();
        progress.dependentSources = lid->dependentCount();
        progress.formulation = lid->formulationProgress();
        progress.solution = lid->solutionProgress();
    }
    progress.errors = document.errorCount();
    results->runningMonitor->refresh(progress);
    // A cancelled monitor is gone: later reports of this compile show nothing.
    if (results->runningMonitor->interrupted()) {
        document.addMessage(CompileMessages::userInterrupt);
        results->runningMonitor = nullptr;
    }
}

void compileBeep(TCircuitDocument &document)
{
    if (const CompiledCircuit *results = compiledCircuit(document);
        results != nullptr && results->runningMonitor != nullptr)
        results->runningMonitor->beep();
}
