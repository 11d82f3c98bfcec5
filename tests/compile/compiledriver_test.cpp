#include <algebra/transdouble.h>
#include <compile/documentcompile.h>
#include <support/circuitsketch.h>
#include <support/recordingmonitor.h>

#include <gtest/gtest.h>

namespace {

// An RC low-pass driven by V1, with Vout across the capacitor.
void drawLowPass(CircuitSketch &c)
{
    c.ground(at(0, 2));
    c.voltageSource(at(0, 2), at(0, 0), "V1");
    c.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
    c.capacitor(at(1, 0), at(1, 2), "C1", "1", 1);
    c.ground(at(1, 2));
    c.voltageTag(at(1, 0), at(1, 2), "Vout");
}

class CompileDriver : public ::testing::Test
{
protected:
    CompileDriver()
    {
        drawLowPass(sketch);
        sketch.document.setCompileMonitor(&monitor);
        sketch.document.setMessageViewHook([this](TCircuitDocument &) { ++shown; });
    }

    transDouble::PrecisionGuard guard;
    CircuitSketch sketch;
    RecordingMonitor monitor;
    int shown = 0;
};

} // namespace

TEST_F(CompileDriver, ACompiledDocumentIsNotCompiledAgain)
{
    compileCircuit(sketch.document);
    ASSERT_NE(matrixLid(sketch.document), nullptr);
    const CompileProgress last = monitor.reports.back();
    EXPECT_EQ(last.netlist, 100);
    EXPECT_EQ(last.nodesToSolve, 1);
    EXPECT_EQ(last.independentSources, 1);
    EXPECT_EQ(last.dependentSources, 0);
    EXPECT_EQ(last.formulation, 100);
    EXPECT_EQ(last.solution, 100);
    EXPECT_EQ(monitor.steps(&CompileProgress::netlist),
              (std::vector<int>{25, 50, 70, 80, 90, 100}));
    EXPECT_EQ(monitor.steps(&CompileProgress::formulation), (std::vector<int>{0, 40, 80, 100}));

    sketch.document.addMessage("left over");
    compileCircuit(sketch.document);
    EXPECT_EQ(monitor.starts, 1);
    EXPECT_EQ(monitor.finishes, 1);
    EXPECT_TRUE(sketch.messages().empty());
    EXPECT_EQ(shown, 0);
}

TEST_F(CompileDriver, SharedNamesStopTheCompileAfterTheNameCheck)
{
    sketch.voltageTag(at(0, 0), at(0, 2), "R1");
    compileCircuit(sketch.document);
    EXPECT_EQ(sketch.messages(),
              std::vector<std::string>{"A Circuit Tag and a Component are using the name : R1"});
    const CompileProgress last = monitor.reports.back();
    EXPECT_EQ(last.netlist, 90);
    EXPECT_EQ(last.errors, 1);
    EXPECT_FALSE(last.hasEquations);
    EXPECT_EQ(circuitSolution(sketch.document), nullptr);
    EXPECT_EQ(shown, 1);

    // Each failing compile shows the messages again.
    compileCircuit(sketch.document);
    EXPECT_EQ(shown, 2);
}

TEST_F(CompileDriver, CancelDuringTheSolutionLeavesOnlyTheInterrupt)
{
    monitor.interruptWhen = [](const CompileProgress &p) { return p.solution >= 10; };
    compileCircuit(sketch.document);
    EXPECT_EQ(sketch.messages(), std::vector<std::string>{"User Interrupt"});
    EXPECT_EQ(monitor.reports.back().solution, 10) << "no report after the cancel";
    EXPECT_EQ(circuitSolution(sketch.document), nullptr);
    EXPECT_EQ(matrixLid(sketch.document), nullptr);
    EXPECT_EQ(monitor.finishes, 1);
    EXPECT_EQ(shown, 1);

    RecordingReceiver receiver;
    monitor.interruptWhen = nullptr;
    EXPECT_TRUE(evaluateOutputEquation(sketch.document, "V1", "Vout", receiver));
}

TEST_F(CompileDriver, ANewPrecisionKeepsTheNetlistAndRebuildsTheEquations)
{
    compileCircuit(sketch.document);
    const CircuitSolution *netlist = circuitSolution(sketch.document);
    monitor.reports.clear();
    sketch.document.setSignificandBytes(80);
    EXPECT_EQ(matrixLid(sketch.document), nullptr);
    compileCircuit(sketch.document);
    EXPECT_EQ(circuitSolution(sketch.document), netlist);
    ASSERT_NE(matrixLid(sketch.document), nullptr);
    EXPECT_EQ(monitor.steps(&CompileProgress::netlist), (std::vector<int>{90, 100}));
    EXPECT_EQ(transDouble::workPrecision(), 80);
}

TEST_F(CompileDriver, SignificandBytesOutsideTheDialogRangeAreClamped)
{
    sketch.document.setSignificandBytes(0);
    compileCircuit(sketch.document);
    EXPECT_EQ(transDouble::workPrecision(), 25);
    EXPECT_EQ(transDouble::extendedPrecision(), 50);
    sketch.document.setSignificandBytes(60000);
    compileCircuit(sketch.document);
    EXPECT_EQ(transDouble::workPrecision(), 4096);
}

TEST_F(CompileDriver, APrecisionTooLargeToMultiplyIsReportedAndTheDocumentStaysUsable)
{
    // A second section makes the elimination divide polynomials, whose reciprocals run at
    // four times the precision.
    sketch.resistor(at(1, 0), at(2, 0), "R2", "1", 1);
    sketch.capacitor(at(2, 0), at(2, 2), "C2", "1", 1);
    sketch.ground(at(2, 2));
    sketch.voltageTag(at(2, 0), at(2, 2), "Vend");
    sketch.document.setSignificandBytes(4096);
    RecordingReceiver receiver;
    EXPECT_FALSE(evaluateOutputEquation(sketch.document, "V1", "Vout", receiver));
    EXPECT_EQ(sketch.messages(),
              std::vector<std::string>{
                  "The number of bytes kept in significand is too large to compute with"});
    EXPECT_EQ(receiver.resets, 1);
    EXPECT_EQ(circuitSolution(sketch.document), nullptr);

    sketch.document.setSignificandBytes(50);
    EXPECT_TRUE(evaluateOutputEquation(sketch.document, "V1", "Vout", receiver));
    // Vout / V1 = (1 + sT) / (1 + 3 sT + (sT)^2) with T = 1 ms, here at sT = j.
    const std::complex<double> sT(0, 1);
    const std::complex<double> expected = (1.0 + sT) / (1.0 + 3.0 * sT + sT * sT);
    EXPECT_NEAR(std::abs(valueAt(receiver.ratio, sT * 1000.0) - expected), 0, 1e-12);
}

TEST_F(CompileDriver, EveryBranchWithTwoCurrentSourcesBeeps)
{
    sketch.currentSource(at(1, 0), at(2, 1), "I1");
    sketch.currentSource(at(2, 1), at(1, 2), "I2");
    compileCircuit(sketch.document);
    EXPECT_EQ(monitor.beeps, 2) << "the branch is built once from each end";
    EXPECT_EQ(sketch.messages(),
              std::vector<std::string>{"Essential Branch has more than one current source"});
}

TEST(CompileDriverHeadless, CompilesWithoutAMonitorAndReportsNothingOutsideACompile)
{
    CircuitSketch sketch;
    drawLowPass(sketch);
    refreshCompileDialog(sketch.document);
    EXPECT_TRUE(sketch.messages().empty());
    RecordingReceiver receiver;
    EXPECT_TRUE(evaluateOutputEquation(sketch.document, "V1", "Vout", receiver));
    // An edit discards both results and the netlist fields of the things.
    sketch.resistor(at(5, 5), at(6, 5), "R9", "1");
    EXPECT_EQ(circuitSolution(sketch.document), nullptr);
    EXPECT_EQ(sketch.document.components()[2]->cp1, nullptr);
    EXPECT_EQ(sketch.document.tags()[0]->cp1, nullptr);
}
