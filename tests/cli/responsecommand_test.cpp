#include "clirun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

namespace {

// The rows "t, value" of a time export; the header is checked and left out.
std::vector<std::pair<double, double>> rowsOf(const std::string &text)
{
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "time, Vout");
    std::vector<std::pair<double, double>> rows;
    double t = 0.0;
    double value = 0.0;
    char comma = 0;
    while (in >> t >> comma >> value)
        rows.emplace_back(t, value);
    return rows;
}

CliRun response(std::vector<std::string> extra)
{
    std::vector<std::string> arguments{"response", rcLowpassExample(), "--source", "V1", "--output",
                                       "Vout",     "--digits",         "17"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return runCli(arguments);
}

void expectRows(const CliRun &run, std::size_t count, const std::function<double(double)> &y)
{
    ASSERT_EQ(run.status, 0) << run.err;
    const auto rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), count);
    for (const auto &[t, value] : rows)
        EXPECT_NEAR(value, y(t), 1e-9 * (1.0 + std::abs(y(t)))) << "t = " << t;
}

constexpr double tau = rcLowpassTau;

} // namespace

TEST(ResponseCommand, StepAndImpulseResponsesOfTheExample)
{
    expectRows(response({"--signal", "compound:0:1:0:0:0:0", "--start", "0", "--end", "5e-4",
                         "--points", "11"}),
               11, [](double t) { return 1.0 - std::exp(-t / tau); });
    expectRows(
        response({"--signal", "impulse:0:1", "--start", "0", "--end", "5e-4", "--points", "6"}), 6,
        [](double t) { return std::exp(-t / tau) / tau; });
}

TEST(ResponseCommand, SumsDelayedElements)
{
    // An impulse at 0 and a step of 2 from 0.2 ms on.
    expectRows(response({"--signal", "impulse:0:1", "--signal", "compound:2e-4:2:0:0:0:0",
                         "--start", "0", "--end", "6e-4", "--points", "7"}),
               7, [](double t) {
                   const double step = t < 2e-4 ? 0.0 : 2.0 * (1.0 - std::exp(-(t - 2e-4) / tau));
                   return std::exp(-t / tau) / tau + step;
               });
}

TEST(ResponseCommand, PeriodicSignalRepeatsOverItsWindow)
{
    // An impulse every T = τ: y(t) = (1/τ) Σ e^(-(t - kT)/τ) over the impulses up to t, taken
    // between the impulses.
    constexpr double period = tau;
    expectRows(response({"--signal", "impulse:0:1", "--periodic", "--window", "0:1e-4", "--start",
                         "5e-5", "--end", "4.5e-4", "--points", "5"}),
               5, [](double t) {
                   double sum = 0.0;
                   for (int k = 0; k * period <= t; ++k)
                       sum += std::exp(-(t - k * period) / tau);
                   return sum / tau;
               });
}

TEST(ResponseCommand, ReportsThePolynomialPartItLeavesOut)
{
    CircuitSketch sketch;
    capacitorCurrent(sketch);
    const CliRun run = runCli({"response", saveInTempFolder(sketch.document, "capacitor.crc"),
                               "--source", "V1", "--output", "IC", "--signal", "impulse:0:1",
                               "--start", "0", "--end", "1", "--points", "3"});
    // I = sC·V is all polynomial part: the proper part's response is 0 throughout. The note
    // tells what the output is; it is no failure.
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "time, IC\n0, 0\n0.5, 0\n1, 0\n");
    EXPECT_EQ(run.err, "Note: the transfer function is improper; its polynomial part is left out "
                       "of the response\n");
}

class ResponseCommandBadArguments : public ::testing::TestWithParam<std::vector<std::string>>
{
};

TEST_P(ResponseCommandBadArguments, AreRefusedWithStatusTwo)
{
    const CliRun run = response(GetParam());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Signals, ResponseCommandBadArguments,
    ::testing::Values(std::vector<std::string>{"--signal", "impulse:0", "--start", "0", "--end",
                                               "1", "--points", "3"},
                      std::vector<std::string>{"--signal", "impulse:0:1:2", "--start", "0", "--end",
                                               "1", "--points", "3"},
                      std::vector<std::string>{"--signal", "compound:0:1:0:0:0:x", "--start", "0",
                                               "--end", "1", "--points", "3"},
                      std::vector<std::string>{"--signal", "impulse:nan:1", "--start", "0", "--end",
                                               "1", "--points", "3"},
                      std::vector<std::string>{"--signal", "step:0:1", "--start", "0", "--end", "1",
                                               "--points", "3"},
                      std::vector<std::string>{"--signal", "impulse:0:1", "--start", "1", "--end",
                                               "1", "--points", "3"},
                      std::vector<std::string>{"--signal", "impulse:0:1", "--start", "0", "--end",
                                               "inf", "--points", "3"},
                      std::vector<std::string>{"--signal", "impulse:0:1", "--start", "0", "--end",
                                               "1", "--points", "-1"},
                      std::vector<std::string>{"--signal", "impulse:0:1", "--periodic", "--window",
                                               "1:1", "--start", "0", "--end", "1", "--points",
                                               "3"},
                      std::vector<std::string>{"--signal", "impulse:0:1", "--window", "0:1",
                                               "--start", "0", "--end", "1", "--points", "3"},
                      std::vector<std::string>{"--start", "0", "--end", "1", "--points", "3"}));
