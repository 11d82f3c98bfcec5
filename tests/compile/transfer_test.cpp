// Transfer ratios of circuits whose answers are known from circuit theory, checked at several
// complex frequencies against the closed forms.

#include <compile/documentcompile.h>
#include <support/circuitsketch.h>

#include <gtest/gtest.h>

#include <complex>
#include <functional>
#include <string>
#include <vector>

namespace {

using Complex = std::complex<double>;

// Ground symbols stand along row 2 (y = 200).
constexpr Point g0 = at(0, 2);
constexpr Point g1 = at(1, 2);
constexpr Point g2 = at(2, 2);
constexpr Point g3 = at(3, 2);

struct TransferCase
{
    const char *name;
    std::function<void(CircuitSketch &)> draw;
    const char *source;
    const char *equation;
    std::function<Complex(Complex)> expected;
};

// A source from ground up to a, driving the circuit.
void drive(CircuitSketch &sketch, bool current = false)
{
    sketch.ground(g0);
    if (current)
        sketch.currentSource(g0, at(0, 0), "I1");
    else
        sketch.voltageSource(g0, at(0, 0), "V1");
}

const std::vector<TransferCase> &transferCases()
{
    static const std::vector<TransferCase> cases = {
        {"VoltageDivider",
         [](CircuitSketch &c) {
             drive(c);
             c.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
             c.resistor(at(1, 0), g1, "R2", "3", 1);
             c.ground(g1);
             c.voltageTag(at(1, 0), g1, "Vout");
         },
         "V1", "Vout", [](Complex) { return Complex(0.75); }},
        {"CurrentTagMeasuresFromFirstToSecondPoint",
         [](CircuitSketch &c) {
             drive(c);
             c.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
             c.resistor(at(1, 0), g1, "R2", "3", 1);
             c.ground(g1);
             c.currentTag(at(1, 0), at(0, 0), "Iback");
         },
         "V1", "Iback", [](Complex) { return Complex(-1.0 / 4000); }},
        {"RcLowPass",
         [](CircuitSketch &c) {
             drive(c);
             c.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
             c.capacitor(at(1, 0), g1, "C1", "1", 1);
             c.ground(g1);
             c.voltageTag(at(1, 0), g1, "Vout");
         },
         "V1", "Vout", [](Complex s) { return 1.0 / (1.0 + s * 1e-3); }},
        {"RcHighPass",
         [](CircuitSketch &c) {
             drive(c);
             c.capacitor(at(0, 0), at(1, 0), "C1", "2", 1);
             c.resistor(at(1, 0), g1, "R1", "5", 1);
             c.ground(g1);
             c.voltageTag(at(1, 0), g1, "Vout");
         },
         "V1", "Vout", [](Complex s) { return s * 1e-2 / (1.0 + s * 1e-2); }},
        {"SeriesRlcAcrossTheCapacitor",
         [](CircuitSketch &c) {
             drive(c);
             c.resistor(at(0, 0), at(1, 0), "R1", "100");
             c.inductor(at(1, 0), at(2, 0), "L1", "10", 2);
             c.capacitor(at(2, 0), g2, "C1", "1", 1);
             c.ground(g2);
             c.voltageTag(at(2, 0), g2, "Vc");
         },
         "V1", "Vc", [](Complex s) { return 1.0 / (1e-2 * 1e-6 * s * s + 100 * 1e-6 * s + 1.0); }},
        {"CurrentDrivenParallelTank",
         [](CircuitSketch &c) {
             drive(c, true);
             c.resistor(at(0, 0), at(1, 0), "R1", "2", 1);
             c.wire(at(1, 0), at(2, 0));
             c.wire(at(2, 0), at(3, 0));
             c.resistor(at(1, 0), g1, "R2", "1", 1);
             c.inductor(at(2, 0), g2, "L1", "1", 2);
             c.capacitor(at(3, 0), g3, "C1", "1", 1);
             c.ground(g1);
             c.ground(g2);
             c.ground(g3);
             c.voltageTag(at(3, 0), g3, "Vtank");
         },
         // The series resistor carries the source current and changes nothing.
         "I1", "Vtank",
         [](Complex s) { return 1.0 / (1.0 / 1000.0 + 1.0 / (1e-3 * s) + 1e-6 * s); }},
        {"TwoVoltageSourcesInSeries",
         [](CircuitSketch &c) {
             drive(c);
             c.voltageSource(at(0, 0), at(1, 0), "V2");
             c.resistor(at(1, 0), at(2, 0), "R1", "1", 1);
             c.resistor(at(2, 0), g2, "R2", "3", 1);
             c.ground(g2);
             c.voltageTag(at(2, 0), g2, "Vout");
         },
         "V2", "Vout", [](Complex) { return Complex(0.75); }},
        {"ReversedSeriesSourceSubtracts",
         [](CircuitSketch &c) {
             drive(c);
             c.voltageSource(at(1, 0), at(0, 0), "V2");
             c.resistor(at(1, 0), at(2, 0), "R1", "1", 1);
             c.resistor(at(2, 0), g2, "R2", "3", 1);
             c.ground(g2);
             c.voltageTag(at(2, 0), g2, "Vout");
         },
         "V2", "Vout", [](Complex) { return Complex(-0.75); }},
    };
    return cases;
}

void PrintTo(const TransferCase &c, std::ostream *stream)
{
    *stream << c.name;
}

class Transfer : public ::testing::TestWithParam<TransferCase>
{
};

std::string caseName(const ::testing::TestParamInfo<TransferCase> &param)
{
    return param.param.name;
}

// A floating voltage source V2 from b up to c: b and c form one supernode.
void drawFloatingSource(CircuitSketch &c)
{
    drive(c);
    c.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
    c.resistor(at(1, 0), g1, "R3", "3", 1);
    c.voltageSource(at(1, 0), at(2, 0), "V2");
    c.resistor(at(2, 0), g2, "R2", "2", 1);
    c.ground(g1);
    c.ground(g2);
    c.voltageTag(at(1, 0), g1, "Vb");
    c.voltageTag(at(2, 0), g2, "Vc");
}

// With the conductances G1, G2, G3: Vb (G1 + G2 + G3) = G1 V1 - G2 V2 and Vc = Vb + V2.
constexpr double G1 = 1 / 1000.0, G2 = 1 / 2000.0, G3 = 1 / 3000.0;
constexpr double sumG = G1 + G2 + G3;

} // namespace

TEST_P(Transfer, MatchesTheClosedFormAtSeveralFrequencies)
{
    const TransferCase &c = GetParam();
    CircuitSketch sketch;
    c.draw(sketch);
    RecordingReceiver receiver;
    const bool evaluated = evaluateOutputEquation(sketch.document, c.source, c.equation, receiver);
    EXPECT_EQ(sketch.messages(), std::vector<std::string>{});
    ASSERT_TRUE(evaluated);
    for (const Complex s : {Complex(0.0), Complex(0, 500), Complex(-300, 2000), Complex(7e4, 0)}) {
        const Complex expected = c.expected(s);
        const Complex got = valueAt(receiver.ratio, s);
        EXPECT_LT(std::abs(got - expected), 1e-9 * std::abs(expected) + 1e-15)
            << "at s = " << s << ": " << got << " instead of " << expected;
    }
}

INSTANTIATE_TEST_SUITE_P(KnownCircuits, Transfer, ::testing::ValuesIn(transferCases()), caseName);

namespace {

std::vector<TransferCase> floatingSourceCases()
{
    return {
        {"FirstSourceToUpperNode", drawFloatingSource, "V1", "Vc",
         [](Complex) { return Complex(G1 / sumG); }},
        {"FloatingSourceToUpperNode", drawFloatingSource, "V2", "Vc",
         [](Complex) { return Complex(1 - G2 / sumG); }},
        {"FloatingSourceToLowerNode", drawFloatingSource, "V2", "Vb",
         [](Complex) { return Complex(-G2 / sumG); }},
        {"DifferenceOfTwoTags", drawFloatingSource, "V2", "Vc - Vb",
         [](Complex) { return Complex(1.0); }},
        {"TagScaledByANumber", drawFloatingSource, "V1", "Vc * 3",
         [](Complex) { return Complex(3 * G1 / sumG); }},
        {"ScaledDifferenceInParentheses", drawFloatingSource, "V1", "(Vb - Vc) * 2",
         [](Complex) { return Complex(0.0); }},
        {"CurrentTagOnTheUpperResistor",
         [](CircuitSketch &c) {
             drawFloatingSource(c);
             c.currentTag(at(2, 0), g2, "Ir2");
         },
         "V2", "Ir2", [](Complex) { return Complex((1 - G2 / sumG) * G2); }},
    };
}

} // namespace

INSTANTIATE_TEST_SUITE_P(FloatingSource, Transfer, ::testing::ValuesIn(floatingSourceCases()),
                         caseName);

namespace {

// V1 drives a divider of two 1 kohm resistors with Vx across the lower one; the dependent
// source stands from ground up to c and drives R3.
void drawControlledStage(CircuitSketch &c)
{
    drive(c);
    c.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
    c.resistor(at(1, 0), g1, "R2", "1", 1);
    c.ground(g1);
    c.voltageTag(at(1, 0), g1, "Vx");
    c.currentTag(at(1, 0), g1, "Ix");
    c.resistor(at(2, 0), g2, "R3", "2", 1);
    c.ground(g2);
    c.voltageTag(at(2, 0), g2, "Vout");
}

std::vector<TransferCase> dependentSourceCases()
{
    return {
        {"VoltageControlledVoltageSource",
         [](CircuitSketch &c) {
             drawControlledStage(c);
             c.dependentVoltageSource(g2, at(2, 0), "E1", {"Vx"}, "10", "2");
         },
         "V1", "Vout", [](Complex) { return Complex(2.5); }},
        {"VoltageSourceControlledByAnIndependentSource",
         [](CircuitSketch &c) {
             drawControlledStage(c);
             c.dependentVoltageSource(g2, at(2, 0), "E1", {"V1"}, "3");
         },
         "V1", "Vout", [](Complex) { return Complex(3.0); }},
        {"CurrentControlledCurrentSource",
         [](CircuitSketch &c) {
             drawControlledStage(c);
             c.dependentCurrentSource(g2, at(2, 0), "F1", {"Ix"}, "3", "1", false);
         },
         // Ix = V1 / 2 kohm; F1 pushes 3 Ix into c through R3 = 2 kohm.
         "V1", "Vout", [](Complex) { return Complex(3.0); }},
        {"VoltageControlledCurrentSource",
         [](CircuitSketch &c) {
             drawControlledStage(c);
             c.dependentCurrentSource(g2, at(2, 0), "G1", {"Vx"}, "1", "1000");
         },
         "V1", "Vout", [](Complex) { return Complex(1.0); }},
    };
}

} // namespace

INSTANTIATE_TEST_SUITE_P(DependentSources, Transfer, ::testing::ValuesIn(dependentSourceCases()),
                         caseName);

namespace {

// V1 drives R1 = 1 kohm into out, R2 = 3 kohm from out to ground; out stands at 0.75 V1.
void drawLoadedDivider(CircuitSketch &c, bool tagged = true)
{
    drive(c);
    c.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
    c.resistor(at(1, 0), g1, "R2", "3", 1);
    c.ground(g1);
    if (tagged)
        c.voltageTag(at(1, 0), g1, "Vout");
}

// Off an untagged out: R3 to a junction j, then R4 to the tagged end b and R5 to an open end.
// Cut from j and then from out, the tree still gives b the voltage of out.
void drawDanglingTree(CircuitSketch &c)
{
    drawLoadedDivider(c, false);
    c.resistor(at(1, 0), at(2, 0), "R3", "1", 1);
    c.resistor(at(2, 0), at(3, 0), "R4", "1", 1);
    c.resistor(at(2, 0), at(2, 1), "R5", "1", 1);
    c.voltageTag(at(3, 0), g3, "Vb");
    c.ground(g3);
}

// A chain hanging off out, open at its far end: R3 from out to a, C1 from a to b, L1 from b to
// c. It carries no current, so every node on it stands at Vout.
void drawDanglingChain(CircuitSketch &c, bool tagged)
{
    drawLoadedDivider(c);
    c.resistor(at(1, 0), at(2, 0), "R3", "2", 1);
    c.capacitor(at(2, 0), at(3, 0), "C1", "1", 1);
    c.inductor(at(3, 0), at(4, 0), "L1", "1", 2);
    if (!tagged)
        return;
    c.currentTag(at(2, 0), at(3, 0), "IC1");
    c.voltageTag(at(2, 0), g2, "Va");
    c.voltageTag(at(3, 0), g2, "Vb");
    c.voltageTag(at(4, 0), g2, "Vc");
    c.ground(g2);
}

// Two components with both terminals on one node, each with a current tag: C0 from ground to
// ground and Rs from out to out, bridged by a wire. They carry no current.
void drawShortedComponents(CircuitSketch &c)
{
    drawLoadedDivider(c);
    c.capacitor(g2, g3, "C0", "1", 1);
    c.ground(g2);
    c.ground(g3);
    c.currentTag(g2, g3, "IC0");
    c.resistor(at(1, 0), at(2, 0), "Rs", "1", 1);
    c.wire(at(2, 0), at(1, 0));
    c.currentTag(at(1, 0), at(2, 0), "IRs");
}

std::vector<TransferCase> passiveOddityCases()
{
    const auto divider = [](Complex) { return Complex(0.75); };
    const auto zero = [](Complex) { return Complex(0.0); };
    const auto untagged = [](CircuitSketch &c) { drawDanglingChain(c, false); };
    const auto tagged = [](CircuitSketch &c) { drawDanglingChain(c, true); };
    return {
        {"UntaggedDanglingChainLeavesTheOutput", untagged, "V1", "Vout", divider},
        {"TaggedDanglingChainLeavesTheOutput", tagged, "V1", "Vout", divider},
        {"FarEndOfADanglingChainStandsAtItsNode", tagged, "V1", "Vc", divider},
        {"NoVoltageAlongADanglingChain", tagged, "V1", "Va - Vb", zero},
        {"NoCurrentInADanglingChain", tagged, "V1", "IC1", zero},
        {"TaggedEndOfOneDanglingResistor",
         [](CircuitSketch &c) {
             drawLoadedDivider(c, false);
             c.resistor(at(1, 0), at(2, 0), "R3", "1", 1);
             c.voltageTag(at(2, 0), g2, "Vb");
             c.ground(g2);
         },
         "V1", "Vb", divider},
        {"TaggedEndOfADanglingTree", drawDanglingTree, "V1", "Vb", divider},
        {"CapacitorFromGroundToGroundChangesNothing", drawShortedComponents, "V1", "Vout", divider},
        {"CurrentOfACapacitorFromGroundToGround", drawShortedComponents, "V1", "IC0 + Vout",
         divider},
        {"CurrentOfAResistorBridgedByAWire", drawShortedComponents, "V1", "IRs", zero},
    };
}

} // namespace

INSTANTIATE_TEST_SUITE_P(PassiveOddities, Transfer, ::testing::ValuesIn(passiveOddityCases()),
                         caseName);
