#include "clirun.h"

#include <tools/bodeplot.h>
#include <tools/timeplot.h>
#include <tools/transfunc.h>

#include <common/filebytes.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

template<typename Tool>
const Tool &toolOf(const TCircuitDocument &document, int index)
{
    const auto *tool = dynamic_cast<const Tool *>(document.tools()[index]);
    EXPECT_NE(tool, nullptr);
    return *tool;
}

std::vector<std::uint8_t> bytesOf(const std::string &file)
{
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(readFileBytes(file, bytes), "");
    return bytes;
}

std::string sheetFile(const char *name, const char *equation)
{
    CircuitSketch sketch;
    rcLowpass(sketch);
    placeAnalysisTools(sketch, equation);
    return saveInTempFolder(sketch.document, name);
}

} // namespace

TEST(EvalCommand, EvaluatesTransferFunctionsBeforeThePlotsThatReadThemAndSaves)
{
    const std::string file = sheetFile("eval.crc", "Vout");
    const CliRun run = runCli({"eval", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Evaluated Transfer Function H1\nEvaluated Bode Plot B1\n"
                       "Evaluated Input Signal S1\nEvaluated Output Signal P1\nSaved "
                           + file + "\n");

    TCircuitDocument saved;
    ASSERT_TRUE(saved.open(file).ok());
    const TransFunc &function = toolOf<TransFunc>(saved, 1);
    ASSERT_TRUE(function.isEvaluated());
    ASSERT_EQ(function.denominatorRoots().count(), 1);
    EXPECT_NEAR(function.denominatorRoots().roots()[0].value().real(), -1.0 / rcLowpassTau, 1e-8);
    // The Bode plot comes first on the sheet and still has the fresh ratio.
    EXPECT_EQ(toolOf<BodePlot>(saved, 0).elements()[0].ratio, function.factoredRatio());
    const TimePlot &plot = toolOf<TimePlot>(saved, 3);
    ASSERT_EQ(plot.outputSolutions().count(), 1);
    EXPECT_NEAR(plot.outputSolutions()[0]->value(rcLowpassTau), 1.0 - std::exp(-1.0), 1e-12);
}

TEST(EvalCommand, SavesTheNamedToolToAnotherFileAndLeavesTheCircuitFile)
{
    const std::string file = sheetFile("eval-one.crc", "Vout");
    const std::vector<std::uint8_t> before = bytesOf(file);
    const std::string copy = file + ".out.crc";
    const CliRun run = runCli({"eval", file, "--tool", "H1", "-o", copy});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Evaluated Transfer Function H1\nSaved " + copy + "\n");
    EXPECT_EQ(bytesOf(file), before);
    TCircuitDocument saved;
    ASSERT_TRUE(saved.open(copy).ok());
    EXPECT_TRUE(toolOf<TransFunc>(saved, 1).isEvaluated());
    EXPECT_TRUE(toolOf<TimePlot>(saved, 3).outputSolutions().isEmpty());

    EXPECT_EQ(runCli({"eval", file, "--tool", "H2"}).status, 2);
}

TEST(EvalCommand, SavesNothingWhenAnEvaluationReportsMessages)
{
    const std::string file = sheetFile("eval-bad.crc", "Vout+");
    const std::vector<std::uint8_t> before = bytesOf(file);
    const CliRun run = runCli({"eval", file, "--tool", "H1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Transfer Function H1: Incorrect equation syntax\n"
                       "Not saved: the evaluation produced messages\n");
    EXPECT_EQ(bytesOf(file), before);
}

TEST(EvalCommand, RefusesAnEmptyOutputNameAndLeavesTheFile)
{
    const std::string file = sheetFile("empty-output.crc", "Vout");
    const std::vector<std::uint8_t> before = bytesOf(file);
    const CliRun run = runCli({"eval", file, "-o", ""});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("-o: an empty file name"), std::string::npos) << run.err;
    EXPECT_EQ(bytesOf(file), before);
}
