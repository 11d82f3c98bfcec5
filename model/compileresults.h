#pragma once

// What a compile leaves in its document: the netlist and, once solved, the equations. The
// compile makes and reads it; the document owns it without knowing its content, drops it when
// the circuit changes, and drops only the equations when a numeric setting changes.
class CompileResults
{
public:
    virtual ~CompileResults() = default;
    CompileResults(const CompileResults &) = delete;
    CompileResults &operator=(const CompileResults &) = delete;

    // The solved equations go; the netlist stays.
    virtual void discardEquations() = 0;

protected:
    CompileResults() = default;
};
