#include "clirun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <sstream>

namespace {

using Complex = std::complex<double>;

// The rows of an export, each a list of numbers; the header is left out.
std::vector<std::vector<double>> rowsOf(const std::string &text)
{
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    std::vector<std::vector<double>> rows;
    while (std::getline(in, line)) {
        std::vector<double> row;
        std::istringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ','))
            row.push_back(std::stod(field));
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(BodeCommand, WritesTheFourLinesOfTheExampleAtFullPrecision)
{
    const CliRun run
        = runCli({"bode", rcLowpassExample(), "--source", "V1", "--output", "Vout", "--start", "2",
                  "--decades", "4", "--points", "9", "--digits", "17"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "Log(rad/s),H.Magnitude,H.Phase,H.Real,H.Imaginary");
    const auto rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 9u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double x = 2.0 + 0.5 * static_cast<double>(i);
        const Complex h = 1.0 / Complex(1.0, std::pow(10.0, x) * rcLowpassTau);
        ASSERT_EQ(rows[i].size(), 5u);
        EXPECT_DOUBLE_EQ(rows[i][0], x);
        EXPECT_NEAR(rows[i][1], 20.0 * std::log10(std::abs(h)), 1e-12);
        EXPECT_NEAR(rows[i][2], std::arg(h), 1e-14);
        EXPECT_NEAR(rows[i][3], h.real(), 1e-15);
        EXPECT_NEAR(rows[i][4], h.imag(), 1e-15);
    }
}

TEST(BodeCommand, TakesHertzPlainFrequenciesAndTheModesOfTheLines)
{
    const CliRun run = runCli({"bode", rcLowpassExample(), "--source", "V1", "--output", "Vout",
                               "--hz", "--freq", "--magnitude", "1:1", "--phase", "DEG", "--start",
                               "3", "--decades", "1", "--points", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    // f = 1 kHz and 10 kHz: ωτ = 0.2π and 2π.
    EXPECT_EQ(run.out, "Hz,H.Magnitude,H.Phase,H.Real,H.Imaginary\n"
                       "1000,0.846733,-32.1419,0.716957,-0.450477\n"
                       "10000,0.157177,-80.9569,0.0247045,-0.155223\n");
}

TEST(BodeCommand, PlotsTheWholeFunctionOfAnImproperRatio)
{
    CircuitSketch sketch;
    capacitorCurrent(sketch);
    const CliRun run
        = runCli({"bode", saveInTempFolder(sketch.document, "capacitor.crc"), "--source", "V1",
                  "--output", "IC", "--magnitude", "1:1", "--points", "3", "--decades", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    // |I / V| = ωC, C = 1 µF, at 1, 10 and 100 rad/s; the phase leads by π/2.
    EXPECT_EQ(run.out, "Log(rad/s),H.Magnitude,H.Phase,H.Real,H.Imaginary\n"
                       "0,1e-06,1.5708,0,1e-06\n"
                       "1,1e-05,1.5708,0,1e-05\n"
                       "2,0.0001,1.5708,0,0.0001\n");
}

TEST(BodeCommand, RefusesBadModesAndStartsBetweenDecades)
{
    const std::vector<std::string> common{"bode", rcLowpassExample(), "--source",
                                          "V1",   "--output",         "Vout"};
    const auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> arguments = common;
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return runCli(arguments);
    };
    EXPECT_EQ(with({"--magnitude", "dB"}).status, 2);
    EXPECT_EQ(with({"--phase", "grad"}).status, 2);
    EXPECT_EQ(with({"--hz", "--rad"}).status, 2);
    const CliRun half = with({"--start", "1.5"});
    EXPECT_EQ(half.status, 2);
    EXPECT_EQ(half.err, "Error: --start of a Bode plot is a whole decade within -1000 ... 1000\n");
    EXPECT_EQ(with({"--start", "-1"}).status, 0);
}
