#include "documentcompile.h"

#include <algebra/oversizedmultiplication.h>
#include <compile/compiledcircuit.h>
#include <compile/compilemessages.h>
#include <compile/compilemonitor.h>
#include <compile/ratioreceiver.h>
#include <model/tcircuitdocument.h>

namespace {

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
    transDouble::setWorkPrecision(TCircuitDocument::workPrecisionFor(document.significandBytes()));
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
