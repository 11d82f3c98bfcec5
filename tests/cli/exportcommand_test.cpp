#include "clirun.h"

#include <gtest/gtest.h>

namespace {

// The sheet of the tool tests, evaluated.
std::string evaluatedSheet()
{
    CircuitSketch sketch;
    rcLowpass(sketch);
    placeAnalysisTools(sketch, "Vout");
    const std::string file = saveInTempFolder(sketch.document, "export.crc");
    EXPECT_EQ(runCli({"eval", file}).status, 0);
    return file;
}

CliRun exportOf(const std::string &file, std::vector<std::string> extra)
{
    std::vector<std::string> arguments{"export", file, "--tool"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return runCli(arguments);
}

} // namespace

TEST(ExportCommand, WritesEachToolsExportWithTheDialogsFields)
{
    const std::string file = evaluatedSheet();
    EXPECT_EQ(exportOf(file, {"H1"}).out, "H1 = ( 10000 )/( 10000 + 1*s )\n");
    EXPECT_EQ(exportOf(file, {"H1", "--syntax", "list"}).out, "H1 = ( 10000 )/( 10000,1 )\n");
    EXPECT_EQ(exportOf(file, {"H1", "--syntax", "Cn*pow(s,n)", "--digits", "2"}).out,
              "H1 = ( 1e+04 )/( 1e+04 + 1*s )\n");
    // The texts of other programs; the Python one ends in a line end of its own.
    EXPECT_EQ(exportOf(file, {"H1", "--syntax", "latex"}).out, "H1 = \\frac{10000}{10000 + s}\n");
    EXPECT_EQ(exportOf(file, {"H1", "--syntax", "matlab"}).out, "H1 = tf([10000], [1, 10000]);\n");
    EXPECT_EQ(exportOf(file, {"H1", "--syntax", "python"}).out,
              "import numpy as np\nfrom scipy import signal\n\n"
              "# The coefficients of H1(s), highest power of s first\n"
              "H1_num = np.array([10000])\nH1_den = np.array([1, 10000])\n"
              "H1 = signal.TransferFunction(H1_num, H1_den)\n");
    // The plot's decades and unit, 100 rows, unless the options say otherwise.
    const CliRun bode = exportOf(file, {"B1"});
    EXPECT_EQ(bode.out.substr(0, bode.out.find('\n', 30)), "Log(rad/s),H1.Magnitude\n3,-0.0432137");
    EXPECT_EQ(std::count(bode.out.begin(), bode.out.end(), '\n'), 101);
    EXPECT_EQ(
        exportOf(file, {"B1", "--start", "4", "--decades", "1", "--points", "2", "--hz", "--freq"})
            .out,
        "Hz,H1.Magnitude\n10000,-16.0722\n100000,-35.9647\n");
    EXPECT_EQ(exportOf(file, {"S1", "--start", "-1", "--end", "1", "--points", "3"}).out,
              "time,S1\n-1, 0\n0, 1\n1, 1\n");
    // The window of the plot: 0 ... 1 ms, 1 - e^(-10) at its end.
    EXPECT_EQ(exportOf(file, {"P1", "--points", "2"}).out, "time, Vout\n0, 0\n0.001, 0.999955\n");
}

TEST(ExportCommand, RefusesFieldsThatTheToolsDialogLacks)
{
    const std::string file = evaluatedSheet();
    const CliRun syntax = exportOf(file, {"B1", "--syntax", "list"});
    EXPECT_EQ(syntax.status, 2);
    EXPECT_EQ(syntax.err, "Error: --syntax is no field of the export of Bode Plot B1\n");
    EXPECT_EQ(exportOf(file, {"S1", "--decades", "2"}).status, 2);
    EXPECT_EQ(exportOf(file, {"H1", "--points", "2"}).status, 2);
    EXPECT_EQ(exportOf(file, {"P1", "--hz"}).status, 2);
    EXPECT_EQ(exportOf(file, {"B1", "--syntax", "Cn*s^7"}).status, 2);
    EXPECT_EQ(exportOf(file, {"X1"}).err,
              "Error: unknown tool \"X1\"; the tools of the circuit: B1, H1, S1, P1\n");
}
