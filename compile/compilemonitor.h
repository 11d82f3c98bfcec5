#pragma once

// What a compile shows while it runs: the netlist progress, the sizes of the equation system,
// the progress of building and of solving the equations, and the error count.
struct CompileProgress
{
    int netlist = 0;
    // The equation system exists; the counts and the two progress values below are its own.
    bool hasEquations = false;
    int nodesToSolve = 0;
    int independentSources = 0;
    int dependentSources = 0;
    int formulation = 0;
    int solution = 0;
    int errors = 0;
};

// The front end's view of a running compile (the compile dialog): it is told when a compile
// starts and ends, shown every progress report, and asked after each report whether the user
// interrupted. A document without a monitor of its own compiles headless.
class CompileMonitor
{
public:
    virtual ~CompileMonitor() = default;

    virtual void started() = 0;
    // Shows the progress and lets the front end handle waiting input.
    virtual void refresh(const CompileProgress &progress) = 0;
    // Answers true once the user cancelled; the compile then stops with "User Interrupt".
    virtual bool interrupted() = 0;
    virtual void finished() = 0;
    // A branch with more than one current source was found (a warning sound in the dialog).
    virtual void beep() = 0;
};

// Compiling without a front end: nothing is shown and nothing interrupts.
class HeadlessCompileMonitor final : public CompileMonitor
{
public:
    void started() override {}
    void refresh(const CompileProgress &) override {}
    bool interrupted() override { return false; }
    void finished() override {}
    void beep() override {}
};
