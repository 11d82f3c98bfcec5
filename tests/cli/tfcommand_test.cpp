#include "clirun.h"

#include <import/spiceimport.h>

#include <tools/transfunc.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <complex>

namespace {

using Complex = std::complex<double>;
using nlohmann::json;

Complex complexOf(const json &object)
{
    return {object.at("re").get<double>(), object.at("im").get<double>()};
}

} // namespace

TEST(TfCommand, PrintsFormulaRootsAndPartialFractionsOfTheExample)
{
    const CliRun run = runCli({"tf", rcLowpassExample(), "--source", "V1", "--output", "Vout"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "H = ( 10000 )/( 10000 + 1*s )\n"
                       "Improper terms: none\n"
                       "Gain: 10000\n"
                       "Zeros: none\n"
                       "Poles:\n"
                       "  -10000\n"
                       "Cancelled zeros: none\n"
                       "Cancelled poles: none\n"
                       "Zero accuracy: 0\n"
                       "Pole accuracy: 2.22045e-16\n"
                       "Partial fractions:\n"
                       "  10000 / (s + 10000)\n");
}

TEST(TfCommand, WritesComplexRootsAsPairsAndTheImproperPartWithItsDigits)
{
    CircuitSketch band;
    rlcBandPass(band);
    const CliRun bandRun = runCli({"tf", saveInTempFolder(band.document, "band.crc"), "--source",
                                   "V1", "--output", "Vout", "--digits", "4"});
    EXPECT_EQ(bandRun.status, 0);
    EXPECT_NE(bandRun.out.find("Zeros:\n  0\nPoles:\n  -5000 +/- 8660j\n"), std::string::npos)
        << bandRun.out;
    // 1e4 p / (p - p̄) at p = -5000 + 8660j.
    EXPECT_NE(bandRun.out.find("  (5000 + 2887j) / (s - (-5000 + 8660j)) + conjugate\n"),
              std::string::npos)
        << bandRun.out;

    // All of the capacitor's current is the polynomial part.
    CircuitSketch capacitor;
    capacitorCurrent(capacitor);
    const CliRun run = runCli({"tf", saveInTempFolder(capacitor.document, "capacitor.crc"),
                               "--source", "V1", "--output", "IC"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find("Gain")),
              "H = ( 0 )/( 1 )\nImproper terms: 0 + 1e-06*s\n");
}

TEST(TfCommand, JsonHoldsTheToolsOwnNumbersAtFullPrecision)
{
    CircuitSketch sketch;
    rlcBandPass(sketch);
    const CliRun run = runCli({"tf", saveInTempFolder(sketch.document, "band.crc"), "--source",
                               "V1", "--output", "Vout", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json result = json::parse(run.out);

    TransFunc tool("Vout", labelUnit("V1"), &sketch.document);
    tool.update();
    ASSERT_EQ(tool.denominatorRoots().count(), 1);
    const Root pole = tool.denominatorRoots().roots()[0];
    EXPECT_EQ(result.at("source"), "V1");
    EXPECT_EQ(result.at("output"), "Vout");
    EXPECT_EQ(result.at("messages"), json::array());
    EXPECT_EQ(result.at("gain").get<double>(), tool.gain());
    EXPECT_EQ(result.at("pole_accuracy").get<double>(), tool.denominatorRootAccuracy());
    ASSERT_EQ(result.at("poles").size(), 1u);
    EXPECT_EQ(complexOf(result.at("poles")[0]), pole.value());
    EXPECT_EQ(result.at("poles")[0].at("multiplicity"), 1);
    const json &denominator = result.at("denominator");
    ASSERT_EQ(denominator.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Complex(denominator[i][0], denominator[i][1]),
                  tool.ratio().denominator().coefficient(i));
    }
    const json &fractions = result.at("partial_fractions");
    ASSERT_EQ(fractions.size(), 1u);
    EXPECT_EQ(complexOf(fractions[0].at("residue")), tool.partialFractions().terms()[0].residue());
    EXPECT_EQ(fractions[0].at("power"), 1);

    // And they are the closed form's.
    const Complex p(-5000.0, 5000.0 * std::sqrt(3.0));
    EXPECT_NEAR(std::abs(pole.value() - p) / std::abs(p), 0.0, 1e-12);
    EXPECT_NEAR(result.at("gain").get<double>(), 1e4, 1e-8);
    EXPECT_EQ(result.at("zeros")[0].at("re"), 0.0);
    const Complex residue = 1e4 * p / (p - std::conj(p));
    EXPECT_NEAR(std::abs(complexOf(fractions[0].at("residue")) - residue), 0.0, 1e-8);
}

TEST(TfCommand, MessagesGoToStandardErrorWithExitStatusOneAndJsonStillComes)
{
    const std::vector<std::string> arguments{"tf", rcLowpassExample(), "--source",
                                             "V1", "--output",         "Vout+"};
    const CliRun plain = runCli(arguments);
    EXPECT_EQ(plain.status, 1);
    EXPECT_EQ(plain.err, "Incorrect equation syntax\n");
    EXPECT_EQ(plain.out, "");

    std::vector<std::string> jsonArguments = arguments;
    jsonArguments.push_back("--json");
    // Bytes that are not UTF-8 in the equation are replaced, not refused.
    jsonArguments[5] = "Vout+\xFF";
    const CliRun run = runCli(jsonArguments);
    EXPECT_EQ(run.status, 1);
    const json result = json::parse(run.out);
    EXPECT_EQ(result.at("messages"), json::array({"Incorrect equation syntax"}));
    EXPECT_EQ(result.at("output"), "Vout+\xEF\xBF\xBD");
    EXPECT_EQ(result.at("gain"), 0.0);
    EXPECT_EQ(result.at("poles"), json::array());
}

TEST(TfCommand, RefusesSourcesAndOutputNamesThatTheCircuitLacks)
{
    const auto tf = [](const char *source, const char *output) {
        return runCli({"tf", rcLowpassExample(), "--source", source, "--output", output});
    };
    const CliRun source = tf("V2", "Vout");
    EXPECT_EQ(source.status, 2);
    EXPECT_EQ(source.err,
              "Error: unknown source \"V2\"; the independent sources of the circuit: V1\n");
    // A name that is no tag is an error of the arguments; numbers are fine.
    const CliRun output = tf("V1", "2*Vout - 3*Vuot");
    EXPECT_EQ(output.status, 2);
    EXPECT_EQ(output.err,
              "Error: output name \"Vuot\" is not a tag of the circuit; its tags: Vout\n");
    EXPECT_EQ(tf("V1", "2*Vout - 3").status, 0);
    EXPECT_EQ(tf("V1", "2.5e-1*Vout").status, 0) << "a number with fraction and exponent";
    const CliRun file = runCli({"tf", "missing.crc", "--source", "V1", "--output", "Vout"});
    EXPECT_EQ(file.status, 2);
    EXPECT_EQ(file.err.rfind("Error: cannot read the document: ", 0), 0u) << file.err;
}

namespace {

// A sheet imported from a netlist with a subcircuit: SPICE's output names go through the
// names the import kept on it.
std::string importedSheet()
{
    TCircuitDocument document;
    document.openNew();
    const SpiceImportResult result = importSpiceNetlist(
        "divider in a subcircuit\n.subckt half a b\nR1 a b 1k\nR2 b 0 1k\n.ends\n"
        "V1 in 0 AC 1\nRs in mid 1k\nX1 mid out half\nCo out 0 1u\n",
        document);
    EXPECT_TRUE(result.ok()) << result.error;
    return saveInTempFolder(document, "imported.crc");
}

} // namespace

TEST(TfCommand, TakesSpiceOutputNamesMixedWithTagsAndArithmetic)
{
    const std::string sheet = importedSheet();
    const auto tf = [&](const char *output) {
        return runCli({"tf", sheet, "--source", "V1", "--output", output});
    };
    const CliRun spice = tf("2*V(mid,out)+I(X1.R2)*1k");
    const CliRun tags = tf("2*(Vmid-Vout)+IR2X1*1k");
    EXPECT_EQ(spice.status, 0) << spice.err;
    EXPECT_EQ(spice.out, tags.out);
    EXPECT_EQ(tf("v(OUT)").out, tf("Vout").out);
    const CliRun unknown = tf("V(X1.zz)");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "Error: bad output equation: V(X1.zz) names no node of the netlist\n");
    const CliRun drawn = runCli({"tf", rcLowpassExample(), "--source", "V1", "--output", "V(out)"});
    EXPECT_EQ(drawn.status, 2);
    EXPECT_EQ(drawn.err, "Error: bad output equation: V(out): the circuit holds no SPICE names "
                         "(only an imported netlist has them)\n");
}
