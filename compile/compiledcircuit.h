#pragma once

#include <compile/circuitsolution.h>
#include <compile/matrixlid.h>
#include <model/compileresults.h>

#include <memory>

class CompileMonitor;

// The compile results a document owns: the netlist and the solved equation system, and the
// monitor of the compile that is filling them. The equations are declared last, so they go
// before the netlist they refer to.
class CompiledCircuit final : public CompileResults
{
public:
    void discardEquations() override { matrixLid.reset(); }

    std::unique_ptr<CircuitSolution> circuitSolution;
    std::unique_ptr<MatrixLid> matrixLid;
    // The monitor of the compile that is running; null at all other times.
    CompileMonitor *runningMonitor = nullptr;
};
