#include <compile/circuitsolution.h>
#include <compile/documentcompile.h>
#include <compile/matrixlid.h>
#include <support/circuitsketch.h>
#include <support/recordingmonitor.h>

#include <gtest/gtest.h>

namespace {

// An RC ladder of the given number of sections driven by V1, a tag on every section node.
void drawLadder(CircuitSketch &c, int sections)
{
    c.ground(at(0, 2));
    c.voltageSource(at(0, 2), at(0, 0), "V1");
    for (int i = 0; i < sections; ++i) {
        c.resistor(at(i, 0), at(i + 1, 0), "", "1", 1);
        c.capacitor(at(i + 1, 0), at(i + 1, 2), "", "1", 1);
        c.ground(at(i + 1, 2));
        const std::string name = "V" + std::to_string(i + 2);
        c.voltageTag(at(i + 1, 0), at(i + 1, 2), name.c_str());
    }
}

// The compile's stages up to the formulation, run by hand.
struct Formulated
{
    explicit Formulated(CircuitSketch &c)
        : netlist(c.document)
        , lid(c.document)
    {
        netlist.build();
        netlist.exportTo(lid);
        lid.formulate();
    }

    CircuitSolution netlist;
    MatrixLid lid;
};

bool isConstant(const TransRatioFunc &entry, double value)
{
    TransRatioFunc copy(entry);
    copy.reduce();
    return copy.numerator().degree() == 0 && copy.denominator().degree() == 0
           && copy.numerator().coefficient(0).toDouble()
                      / copy.denominator().coefficient(0).toDouble()
                  == value;
}

} // namespace

TEST(MatrixLid, FormulationSubstitutesEveryDependentSourceAway)
{
    CircuitSketch c;
    drawLadder(c, 2);
    c.dependentVoltageSource(at(5, 2), at(5, 0), "E1", {"V3"}, "2");
    c.resistor(at(5, 0), at(5, 2), "R9", "1");
    c.dependentCurrentSource(at(1, 0), at(6, 0), "G1", {"V1", "V2"}, "1", "1000");
    c.resistor(at(6, 0), at(2, 0), "R8", "1");
    c.voltageTag(at(5, 0), at(5, 2), "Ve");
    Formulated f(c);
    ASSERT_TRUE(c.messages().empty());
    const MatrixLid &lid = f.lid;
    ASSERT_EQ(lid.dependentCount(), 2);
    EXPECT_EQ(lid.matrix().rowCount(), lid.nodeCount());
    EXPECT_EQ(lid.formulationProgress(), 100);
    for (int r = 0; r < lid.matrix().rowCount(); ++r) {
        for (int k = 0; k < lid.dependentCount(); ++k)
            EXPECT_TRUE(lid.matrix().entry(r, lid.nodeCount() + k).isZero()) << r << " " << k;
    }
}

TEST(MatrixLid, VoltageRowsHoldTheSourcesWithTheirDirection)
{
    CircuitSketch c;
    c.ground(at(0, 2));
    c.voltageSource(at(0, 2), at(0, 0), "V1");
    c.voltageSource(at(1, 0), at(0, 0), "V2");
    c.resistor(at(1, 0), at(1, 2), "R1", "1");
    c.ground(at(1, 2));
    c.voltageTag(at(0, 0), at(0, 2), "Va");
    c.voltageTag(at(1, 0), at(1, 2), "Vb");
    Formulated f(c);
    ASSERT_TRUE(c.messages().empty());
    const MatrixLid &lid = f.lid;
    ASSERT_EQ(lid.nodeCount(), 2);
    ASSERT_EQ(lid.matrix().rowCount(), 2);
    // Ground is the reference; the supernode ground, a, b gives two voltage rows:
    // -V_a + V1 = 0 (ground to a through V1 forward) and V_a - V_b - V2 = 0.
    ASSERT_EQ(lid.nodesToSolve()[0], c.document.tags()[0]->cp1);
    const int v1 = lid.nodeCount();
    EXPECT_TRUE(isConstant(lid.matrix().entry(0, 0), -1));
    EXPECT_TRUE(lid.matrix().entry(0, 1).isZero());
    EXPECT_TRUE(isConstant(lid.matrix().entry(0, v1), 1));
    EXPECT_TRUE(isConstant(lid.matrix().entry(1, 0), 1));
    EXPECT_TRUE(isConstant(lid.matrix().entry(1, 1), -1));
    EXPECT_TRUE(isConstant(lid.matrix().entry(1, v1 + 1), -1));
}

TEST(MatrixLid, SolutionLeavesTheIdentityInTheNodeColumns)
{
    CircuitSketch c;
    drawLadder(c, 4);
    RecordingMonitor monitor;
    c.document.setCompileMonitor(&monitor);
    compileCircuit(c.document);
    ASSERT_TRUE(c.messages().empty());
    const MatrixLid &lid = *matrixLid(c.document);
    ASSERT_EQ(lid.nodeCount(), 4);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j)
            EXPECT_TRUE(isConstant(lid.solvedEntry(i, j), i == j ? 1 : 0)) << i << " " << j;
    }
    // 80 div 3 = 26 per column.
    EXPECT_EQ(monitor.steps(&CompileProgress::solution),
              (std::vector<int>{0, 10, 36, 62, 90, 100}));
}

TEST(MatrixLid, ASingleNodeIsOnlyNormalised)
{
    CircuitSketch c;
    drawLadder(c, 1);
    RecordingMonitor monitor;
    c.document.setCompileMonitor(&monitor);
    compileCircuit(c.document);
    ASSERT_TRUE(c.messages().empty());
    EXPECT_EQ(monitor.steps(&CompileProgress::solution), (std::vector<int>{0, 10, 90, 100}));
    // -M[0][V1] = 1 / (1 + RC s) with RC = 1 ms.
    const TransRatioFunc &entry = matrixLid(c.document)->solvedEntry(0, 1);
    const std::complex<double> s(0, 1000);
    EXPECT_NEAR(std::abs(valueAt(entry, s) + 1.0 / (1.0 + s * 1e-3)), 0, 1e-12);
}

TEST(MatrixLid, NodesFollowTheirColumnsWhenTheColumnsAreOrdered)
{
    // a (held by V1 in the ground's supernode), b, c and d are solved for. Breadth-first from
    // the node of fewest neighbours, a, whose row holds only its own column, the columns go a,
    // b, c, d; the nodes follow, so every tag reads its own node.
    CircuitSketch c;
    c.ground(at(0, 2));
    c.voltageSource(at(0, 2), at(0, 0), "V1");
    c.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
    c.resistor(at(1, 0), at(1, 2), "R2", "1", 1);
    c.resistor(at(1, 0), at(2, 0), "R3", "1", 1);
    c.resistor(at(2, 0), at(2, 2), "R4", "1", 1);
    c.resistor(at(0, 0), at(3, 0), "R5", "1", 1);
    c.resistor(at(3, 0), at(3, 2), "R6", "1", 1);
    c.ground(at(1, 2));
    c.ground(at(2, 2));
    c.ground(at(3, 2));
    c.voltageTag(at(2, 0), at(2, 2), "Vc");
    c.voltageTag(at(3, 0), at(3, 2), "Vd");
    RecordingReceiver receiver;
    ASSERT_TRUE(evaluateOutputEquation(c.document, "V1", "Vc", receiver));
    const MatrixLid &lid = *matrixLid(c.document);
    EXPECT_EQ(lid.nodesToSolve()[1], c.document.components()[1]->cp2);
    EXPECT_EQ(lid.nodesToSolve()[2], c.document.tags()[0]->cp1);
    EXPECT_EQ(lid.nodesToSolve()[3], c.document.tags()[1]->cp1);
    // b: (V1 - Vb) = Vb + Vb / 2, so Vb = 0.4 V1 and Vc = 0.2 V1.
    EXPECT_NEAR(valueAt(receiver.ratio, 0).real(), 0.2, 1e-12);
    ASSERT_TRUE(evaluateOutputEquation(c.document, "V1", "Vd", receiver));
    EXPECT_NEAR(valueAt(receiver.ratio, 0).real(), 0.5, 1e-12);
}
