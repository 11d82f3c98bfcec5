// The compile operations of the circuit document: the compile driver with its stages, the
// progress reports of a running compile, and the evaluation of output equations.

#include <algebra/matrixlid.h>
#include <algebra/oversizedmultiplication.h>
#include <compile/circuitsolution.h>
#include <compile/compilemessages.h>
#include <compile/compilemonitor.h>
#include <compile/ratioreceiver.h>
#include <model/currenttag.h>
#include <model/tcircuitdocument.h>

#include <algorithm>

namespace {

// The range the numeric options dialog accepts. A file may hold any value (0 would keep no
// digit at all), so the compile takes the nearest value within it.
constexpr std::uint16_t fewestSignificandBytes = 25;
constexpr std::uint16_t mostSignificandBytes = 4096;

} // namespace

std::uint16_t TCircuitDocument::workPrecisionFor(std::uint16_t significandBytes)
{
    return std::clamp(significandBytes, fewestSignificandBytes, mostSignificandBytes);
}

void TCircuitDocument::discardResults()
{
    discardMatrixLid();
    m_circuitSolution.reset();
    for (Component *component : m_components)
        component->clearNetlistLinks();
    for (CircTag *tag : m_tags) {
        tag->clearNetlistLinks();
        if (auto *currentTag = dynamic_cast<CurrentTag *>(tag))
            currentTag->passComp = nullptr;
    }
}

void TCircuitDocument::discardMatrixLid()
{
    m_matrixLid.reset();
}

void TCircuitDocument::compileCircuit()
{
    transDouble::setWorkPrecision(workPrecisionFor(significandBytes()));
    clearMessages();
    if (!m_circuitSolution || !m_matrixLid) {
        HeadlessCompileMonitor headless;
        CompileMonitor &monitor = m_compileMonitor ? *m_compileMonitor : headless;
        m_runningMonitor = &monitor;
        monitor.started();
        try {
            runCompileStages();
        } catch (const OversizedMultiplication &) {
            // Values keep their state when the error passes through; the partial results go.
            addMessage(CompileMessages::precisionTooLarge);
        }
        m_runningMonitor = nullptr;
        monitor.finished();
    }
    if (errorCount() != 0) {
        discardResults();
        showMessageView();
    }
}

// Each stage runs only while no message is pending.
void TCircuitDocument::runCompileStages()
{
    if (!m_circuitSolution) {
        m_circuitSolution = std::make_unique<CircuitSolution>(*this);
        m_circuitSolution->build();
    }
    if (errorCount() == 0)
        m_circuitSolution->checkNames();
    if (errorCount() != 0 || m_matrixLid)
        return;
    m_matrixLid = std::make_unique<MatrixLid>(*this);
    m_circuitSolution->exportTo(*m_matrixLid);
    if (errorCount() == 0)
        m_matrixLid->checkSourcesAndTags();
    if (errorCount() == 0)
        m_matrixLid->formulate();
    if (errorCount() == 0)
        m_matrixLid->solve();
}

void TCircuitDocument::refreshCompileDialog()
{
    if (m_runningMonitor == nullptr)
        return;
    CompileProgress progress;
    if (m_circuitSolution)
        progress.netlist = m_circuitSolution->progress();
    if (m_matrixLid) {
        progress.hasEquations = true;
        progress.nodesToSolve = m_matrixLid->nodeCount();
        progress.independentSources = m_matrixLid->independentCount();
        progress.dependentSources = m_matrixLid->dependentCount();
        progress.formulation = m_matrixLid->formulationProgress();
        progress.solution = m_matrixLid->solutionProgress();
    }
    progress.errors = errorCount();
    m_runningMonitor->refresh(progress);
    // A cancelled monitor is gone: later reports of this compile show nothing.
    if (m_runningMonitor->interrupted()) {
        addMessage(CompileMessages::userInterrupt);
        m_runningMonitor = nullptr;
    }
}

void TCircuitDocument::compileBeep()
{
    if (m_runningMonitor != nullptr)
        m_runningMonitor->beep();
}

bool TCircuitDocument::evaluateOutputEquation(std::string_view sourceName,
                                              std::string_view equation, RatioReceiver &receiver)
{
    compileCircuit();
    if (errorCount() != 0 || !m_circuitSolution || !m_matrixLid) {
        receiver.reset();
        return false;
    }
    bool evaluated = false;
    try {
        evaluated = m_matrixLid->parseOutputEquation(sourceName, equation, receiver);
    } catch (const OversizedMultiplication &) {
        addMessage(CompileMessages::precisionTooLarge);
    }
    if (errorCount() != 0) {
        showMessageView();
        receiver.reset();
    }
    return evaluated;
}
