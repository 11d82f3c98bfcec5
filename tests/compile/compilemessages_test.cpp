// Every message a compile can give, with its exact text and count, from circuits that have
// exactly that fault.

#include <compile/documentcompile.h>
#include <support/circuitsketch.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr Point a = at(0, 0);
constexpr Point b = at(1, 0);
constexpr Point g0 = at(0, 2);
constexpr Point g1 = at(1, 2);

// V1 from ground up to a, R1 from a to b, R2 from b down to ground, Vout across R2; each case
// adds or changes one thing.
struct Divider
{
    explicit Divider(CircuitSketch &c, const char *sourceName = "V1")
        : source(c.voltageSource(g0, a, sourceName))
        , r1(c.resistor(a, b, "R1", "1", 1))
        , r2(c.resistor(b, g1, "R2", "1", 1))
    {
        c.ground(g0);
        c.ground(g1);
        c.voltageTag(b, g1, "Vout");
    }

    VoltSource &source;
    Resistor &r1;
    Resistor &r2;
};

struct MessageCase
{
    const char *name;
    std::function<void(CircuitSketch &)> draw;
    std::vector<std::string> messages;
};

std::string caseName(const ::testing::TestParamInfo<MessageCase> &info)
{
    return info.param.name;
}

class CompileMessage : public ::testing::TestWithParam<MessageCase>
{
};

void valueOfR2(CircuitSketch &c, const char *value, int unit = 0)
{
    Divider d(c);
    d.r2.setValue(textDouble(value));
    d.r2.setUnitIndex(unit);
}

const std::vector<MessageCase> &messageCases()
{
    static const std::vector<MessageCase> cases = {
        {"ZeroResistance",
         [](CircuitSketch &c) { valueOfR2(c, "0"); },
         {"Resistor R2 has null value"}},
        {"NegativeResistance",
         [](CircuitSketch &c) { valueOfR2(c, "-5"); },
         {"Resistor R2 has null value"}},
        {"ResistanceThatIsNoNumber",
         [](CircuitSketch &c) { valueOfR2(c, "abc"); },
         {"Resistor R2 has null value"}},
        {"ResistanceTooLargeForTheBaseUnit",
         [](CircuitSketch &c) { valueOfR2(c, "1e306", 2); },
         {"Resistor R2 has a value out of range"}},
        {"ZeroCapacitance",
         [](CircuitSketch &c) {
             Divider d(c);
             c.capacitor(b, g1, "C1", "0.0");
         },
         {"Capacitor C1 has null value"}},
        {"ZeroInductance",
         [](CircuitSketch &c) {
             Divider d(c);
             c.inductor(b, g1, "L1", "0");
         },
         {"Inductor L1 has null value"}},
        {"SourceWithoutValidName",
         [](CircuitSketch &c) { Divider d(c, "1V"); },
         {"Voltage Source has no valid name"}},
        {"ShortedSourceWithoutValidName",
         [](CircuitSketch &c) {
             Divider d(c);
             c.voltageSource(a, b, "1V");
             c.wire(b, a);
         },
         {"Voltage Source has no valid name",
          "Voltage Source 1V is directly shorted or is not loaded"}},
        {"ShortedCurrentSource",
         [](CircuitSketch &c) {
             Divider d(c);
             c.currentSource(at(2, 0), at(2, 1), "I1");
             c.wire(at(2, 1), at(2, 0));
             c.currentSource(b, g1, "+I2");
         },
         {"Current Source I1 is directly shorted or is not loaded",
          "Current Source has no valid name"}},
        {"SourcesWithAnOpenTerminal",
         [](CircuitSketch &c) {
             Divider d(c);
             c.voltageSource(b, at(2, 0), "V2");
             c.dependentCurrentSource(at(3, 1), a, "F1", {"Vout"}, "2");
         },
         {"Voltage Source V2 is directly shorted or is not loaded",
          "Dependent Current Source F1 is directly shorted or is not loaded"}},
        {"DependentSourcesWithoutDivisorOrShorted",
         [](CircuitSketch &c) {
             Divider d(c);
             c.dependentVoltageSource(b, g1, "E1", {"Vout"}, "2", "0");
             c.dependentCurrentSource(at(2, 0), at(2, 1), "F1", {"Vout"}, "2", "-1");
             c.wire(at(2, 0), at(2, 1));
             c.dependentVoltageSource(at(3, 0), at(3, 1), "E2", {"Vout"}, "2");
             c.wire(at(3, 0), at(3, 1));
         },
         {"Dependent Voltage Source E1 has an erroneous dependency equation",
          "Dependent Current Source F1 has an erroneous dependency equation",
          "Dependent Current Source F1 is directly shorted or is not loaded",
          "Dependent Voltage Source E2 is directly shorted or is not loaded"}},
        {"TagsWithoutValidNameOrNodes",
         [](CircuitSketch &c) {
             Divider d(c);
             c.wire(at(2, 0), at(3, 0));
             c.voltageTag(at(2, 0), at(3, 0), "V2");
             c.voltageTag(a, b, "_x");
             c.currentTag(a, b, "9");
             c.currentTag(g0, a, "I3");
         },
         {"Voltage Tag V2 is undefined", "Voltage Tag has no valid name",
          "Current Tag has no valid name", "Current Tag I3 is undefined",
          "Current Tag I3 is not associated with a single passive component"}},
        {"NoIndependentSourceButFaultyDependentOnesAndTags",
         [](CircuitSketch &c) {
             c.dependentVoltageSource(g0, a, "E1", {"Vout"}, "1", "0");
             c.resistor(a, g1, "R1", "1");
             c.ground(g0);
             c.ground(g1);
             c.voltageTag(a, a, "Vout");
             c.voltageTag(a, g0, "Va");
         },
         {"The Circuit has no Independent Sources",
          "Dependent Voltage Source E1 has an erroneous dependency equation",
          "Voltage Tag Vout is undefined"}},
        {"ParallelVoltageSources",
         [](CircuitSketch &c) {
             Divider d(c);
             c.voltageSource(g0, a, "V2");
             c.voltageTag(a, g0, "Va");
         },
         {"Two or more Voltage Sources are shorted together"}},
        {"TwoCurrentSourcesInSeries",
         [](CircuitSketch &c) {
             Divider d(c);
             c.currentSource(b, at(2, 1), "I1");
             c.currentSource(at(2, 1), g1, "I2");
         },
         {"Essential Branch has more than one current source"}},
        {"NodeFedOnlyByCurrentSources",
         [](CircuitSketch &c) {
             Divider d(c);
             c.currentSource(g0, at(3, 0), "I1");
             c.currentSource(at(3, 0), g0, "I2");
             c.voltageTag(at(3, 0), g0, "Vi");
         },
         {"Essential Node has a current source in every branch"}},
        {"FloatingSubCircuit",
         [](CircuitSketch &c) {
             Divider d(c);
             c.resistor(at(4, 0), at(5, 0), "R3", "1");
             c.resistor(at(5, 0), at(4, 0), "R4", "1");
             c.voltageTag(at(4, 0), at(5, 0), "Vf");
         },
         {"The Components do not make a valid circuit"}},
        {"SharedNames",
         [](CircuitSketch &c) {
             Divider d(c);
             d.r2.setName(labelUnit("R1"));
             c.voltageTag(a, g0, "R1");
             c.tool(at(5, 5), at(6, 6), "R1");
             c.currentTag(a, b, "Vout");
             c.tool(at(7, 5), at(8, 6), "Vout");
             c.tool(at(9, 5), at(10, 6), "T");
             c.tool(at(11, 5), at(12, 6), "T");
             c.tool(at(13, 5), at(14, 6), "");
             c.wire(at(20, 0), at(21, 0));
         },
         {"Two or more Components are using the name : R1",
          "A Circuit Tag and a Component are using the name : R1",
          "A Circuit Tool and a Component are using the name : R1",
          "A Circuit Tag and a Component are using the name : R1",
          "A Circuit Tool and a Component are using the name : R1",
          "Two or more Circuit Tags are using the name : Vout",
          "A Circuit Tool and a Circuit Tag are using the name : Vout",
          "A Circuit Tool and a Circuit Tag are using the name : R1",
          "A Circuit Tool and a Circuit Tag are using the name : Vout",
          "Two or more Circuit Tools are using the name : T"}},
        {"SingleLoopWithoutTags",
         [](CircuitSketch &c) {
             c.voltageSource(g0, a, "V1");
             c.resistor(a, g0, "R1", "1");
         },
         {"The Circuit has no node to solve"}},
    };
    return cases;
}

} // namespace

TEST_P(CompileMessage, IsReportedWithItsTextAndCount)
{
    CircuitSketch sketch;
    GetParam().draw(sketch);
    int shown = 0;
    sketch.document.setMessageViewHook([&shown](TCircuitDocument &) { ++shown; });
    compileCircuit(sketch.document);
    EXPECT_EQ(sketch.messages(), GetParam().messages);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(circuitSolution(sketch.document), nullptr);
    EXPECT_EQ(matrixLid(sketch.document), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Faults, CompileMessage, ::testing::ValuesIn(messageCases()), caseName);

TEST(CompileMessage, ChecksStoreTheNormalisedNameBack)
{
    CircuitSketch c;
    Divider d(c, " V1 in");
    VoltageTag &tag = c.voltageTag(a, g0, "Vin*2");
    compileCircuit(c.document);
    EXPECT_TRUE(c.messages().empty());
    EXPECT_EQ(d.source.name(), "V1");
    EXPECT_EQ(tag.name(), "Vin");
}

TEST(CompileMessage, SmallPositiveValuesPass)
{
    CircuitSketch c;
    valueOfR2(c, "1e-3");
    c.capacitor(b, g1, "C1", "0.0", 1).setValue(textDouble("2"));
    compileCircuit(c.document);
    EXPECT_TRUE(c.messages().empty());
}

TEST(CompileMessage, DependencyOnAnUnknownNameAddsNothing)
{
    CircuitSketch c;
    Divider d(c);
    c.dependentVoltageSource(at(2, 2), at(2, 0), "E1", {"Nothing"}, "5");
    c.resistor(at(2, 0), at(2, 2), "R3", "1");
    c.ground(at(2, 2));
    c.voltageTag(at(2, 0), at(2, 2), "Ve");
    RecordingReceiver receiver;
    ASSERT_TRUE(evaluateOutputEquation(c.document, "V1", "Ve", receiver));
    EXPECT_TRUE(receiver.ratio.isZero());
}
