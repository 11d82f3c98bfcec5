// The imported sheet compiles to SPICE's AC transfer ratios: every source kind with both
// polarities, controls against ground and across a node pair, and currents of controlling
// sources summed at either of their nodes.
#include <compile/documentcompile.h>
#include <import/spiceimport.h>

#include <support/circuitsketch.h>

#include <gtest/gtest.h>

#include <complex>
#include <functional>
#include <string>

namespace {

using Complex = std::complex<double>;

struct PolarityCase
{
    const char *title;
    const char *netlist;
    const char *source;
    const char *equation;
    std::function<Complex(Complex)> expected;
};

std::string messagesOf(const TCircuitDocument &document)
{
    std::string text;
    for (const Message *message : document.messages())
        text += std::string(message->text().text()) + "\n";
    return text;
}

class ImportedRatio : public ::testing::TestWithParam<PolarityCase>
{
};

TEST_P(ImportedRatio, EqualsSpiceTransferRatio)
{
    const PolarityCase &c = GetParam();
    TCircuitDocument document;
    document.openNew();
    const SpiceImportResult result = importSpiceNetlist(c.netlist, document);
    ASSERT_TRUE(result.ok()) << result.error;
    RecordingReceiver receiver;
    ASSERT_TRUE(evaluateOutputEquation(document, c.source, c.equation, receiver))
        << messagesOf(document);
    for (const Complex s :
         {Complex(0.0, 0.0), Complex(150.0, 0.0), Complex(-40.0, 3e3), Complex(0.0, 2e4)}) {
        const Complex expected = c.expected(s);
        const Complex actual = valueAt(receiver.ratio, s);
        EXPECT_NEAR(std::abs(actual - expected), 0.0, 1e-9 * (1.0 + std::abs(expected)))
            << c.equation << " at s = " << s << ": " << actual << " instead of " << expected;
    }
}

const char *dividerNetlist = "divider\nV1 in 0 AC 1\nR1 in out 1k\nR2 out 0 3k\n";
const char *sensedNetlist = "sensed current: 1 mA from mid through Vs to ground\n"
                            "V1 in 0 AC 1\nR1 in mid 1k\nVs mid 0 0\nRL out 0 1k\n";

std::string withLine(const char *netlist, const char *line)
{
    return std::string(netlist) + line + "\n";
}

const std::string flippedSense = "sensed current, R1 reversed: 1 mA from mid through Vs to 0\n"
                                 "V1 in 0 AC 1\nR1 mid in 1k\nVs mid 0 0\nRL out 0 1k\n";
const std::string senseAtMinus = "sensed at n-: 1 mA from in through Vs to mid\n"
                                 "V1 in 0 AC 1\nVs in mid 0\nR1 mid 0 1k\nRL out 0 1k\n";
const std::string fNetlist = withLine(sensedNetlist, "F1 0 out Vs 2");
const std::string fFlipped = flippedSense + "F1 out 0 Vs 2\n";
const std::string fAtMinus = senseAtMinus + "F1 0 out Vs 2\n";
const std::string hNetlist = withLine(sensedNetlist, "H1 out 0 Vs 500");
const std::string hAtMinus = senseAtMinus + "H1 0 out Vs 500\n";
const std::string controlNetlist = "control pair a,b: V(a,b) = 0.5\n"
                                   "V1 a 0 AC 1\nR1 a b 1k\nR2 b 0 1k\nRL out 0 1k\n";
const std::string eAcross = controlNetlist + "E1 out 0 a b 5\n";
const std::string eFromGround = controlNetlist + "E1 out 0 0 b 5\n";
const std::string eReversed = controlNetlist + "E1 0 out b 0 2\n";
const std::string gIntoOut = controlNetlist + "G1 0 out a 0 1m\n";
const std::string gAcross = controlNetlist + "G1 out 0 a b 1m\n";

Complex constant(double value, Complex)
{
    return value;
}

using namespace std::placeholders;

INSTANTIATE_TEST_SUITE_P(
    SourceKinds, ImportedRatio,
    ::testing::Values(
        PolarityCase{"VoltageDivider", dividerNetlist, "V1", "Vout", std::bind(constant, 0.75, _1)},
        PolarityCase{"CurrentFromFirstNode", dividerNetlist, "V1", "IR1",
                     std::bind(constant, 2.5e-4, _1)},
        PolarityCase{"DifferenceOfTags", dividerNetlist, "V1", "Vin-Vout",
                     std::bind(constant, 0.25, _1)},
        PolarityCase{"VoltageSourceFromGround", "v\nV1 0 in AC 1\nR1 in 0 1k\n", "V1", "Vin",
                     std::bind(constant, -1.0, _1)},
        PolarityCase{"CurrentSourceIntoNode", "i\nI1 0 a AC 1\nR1 a 0 2k\n", "I1", "Va",
                     std::bind(constant, 2e3, _1)},
        PolarityCase{"CurrentSourceOutOfNode", "i\nI1 a 0 AC 1\nR1 a 0 2k\n", "I1", "Va",
                     std::bind(constant, -2e3, _1)},
        PolarityCase{"CurrentSourceResistorCurrent", "i\nI1 0 a AC 1\nR1 0 a 2k\n", "I1", "IR1",
                     std::bind(constant, -1.0, _1)},
        PolarityCase{"RcLowPass", "rc\nV1 in 0 AC 1\nR1 in out 1k\nC1 out 0 100n\n", "V1", "Vout",
                     [](Complex s) { return 1.0 / (1.0 + s * 1e-4); }},
        PolarityCase{"CapacitorCurrent", "rc\nV1 in 0 AC 1\nR1 in out 1k\nC1 out 0 100n\n", "V1",
                     "IC1", [](Complex s) { return s * 1e-7 / (1.0 + s * 1e-4); }},
        PolarityCase{"RlHighPass", "rl\nV1 in 0 AC 1\nR1 in out 1k\nL1 out 0 10m\n", "V1", "Vout",
                     [](Complex s) { return s * 1e-2 / (1e3 + s * 1e-2); }},
        PolarityCase{"VcvsAcrossNodePair", eAcross.c_str(), "V1", "Vout",
                     std::bind(constant, 2.5, _1)},
        PolarityCase{"VcvsControlledFromGround", eFromGround.c_str(), "V1", "Vout",
                     std::bind(constant, -2.5, _1)},
        PolarityCase{"VcvsReversedOutput", eReversed.c_str(), "V1", "Vout",
                     std::bind(constant, -1.0, _1)},
        PolarityCase{"VccsIntoNode", gIntoOut.c_str(), "V1", "Vout", std::bind(constant, 1.0, _1)},
        PolarityCase{"VccsAcrossNodePair", gAcross.c_str(), "V1", "Vout",
                     std::bind(constant, -0.5, _1)},
        PolarityCase{"CccsIntoNode", fNetlist.c_str(), "V1", "Vout", std::bind(constant, 2.0, _1)},
        PolarityCase{"CccsReversedSenseTag", fFlipped.c_str(), "V1", "Vout",
                     std::bind(constant, -2.0, _1)},
        PolarityCase{"CccsSensedAtMinusNode", fAtMinus.c_str(), "V1", "Vout",
                     std::bind(constant, 2.0, _1)},
        PolarityCase{"Ccvs", hNetlist.c_str(), "V1", "Vout", std::bind(constant, 0.5, _1)},
        PolarityCase{"CcvsSensedAtMinusNode", hAtMinus.c_str(), "V1", "Vout",
                     std::bind(constant, -0.5, _1)}),
    [](const ::testing::TestParamInfo<PolarityCase> &param) { return param.param.title; });

} // namespace
