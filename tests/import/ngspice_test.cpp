// Cross-check of the example netlists against ngspice's AC analysis, where ngspice is
// installed (it is not needed to build or test): the imported sheet's transfer ratio from the
// input source to the first .ac output must match ngspice's at a few frequencies.
#include <compile/documentcompile.h>
#include <import/spiceimport.h>

#include <common/filebytes.h>

#include <support/circuitsketch.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct CrossCheck
{
    const char *netlist;
    const char *source;
    const char *equation;
    const char *vector;
};

class NgspiceCrossCheck : public ::testing::TestWithParam<CrossCheck>
{
};

std::string readText(const std::filesystem::path &path)
{
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(readFileBytes(path, bytes), "") << path;
    return {bytes.begin(), bytes.end()};
}

bool isAnalysisLine(const std::string &line)
{
    std::string word = line.substr(0, line.find(' '));
    for (char &c : word)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char *analysis : {".ac", ".tran", ".print", ".plot", ".probe", ".op", ".end"}) {
        if (word == analysis)
            return true;
    }
    return false;
}

// The netlist without its analyses, outputs and end (subcircuits and parameters stay), with a
// control block that writes frequency, real and imaginary part of the vector at five
// frequencies per decade.
std::string controlledNetlist(const std::string &netlist, const std::string &vector,
                              const std::filesystem::path &data)
{
    std::istringstream lines(netlist);
    std::string line;
    std::string text;
    while (std::getline(lines, line)) {
        if (!isAnalysisLine(line))
            text += line + "\n";
    }
    return text + ".control\nac dec 5 10 1meg\nwrdata " + data.string() + " " + vector
           + "\n.endc\n.end\n";
}

TEST_P(NgspiceCrossCheck, AcValuesAgree)
{
    if (std::system("ngspice --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "ngspice is not installed";
    const CrossCheck &c = GetParam();
    const std::filesystem::path folder
        = std::string_view(c.netlist).find('/') == std::string_view::npos ? ZENODYNE_EXAMPLES_DIR
                                                                          : ZENODYNE_TESTS_DIR;
    const std::string netlist = readText(folder / c.netlist);
    const std::filesystem::path work
        = std::filesystem::path(::testing::TempDir())
          / ("ngspice-" + std::filesystem::path(c.netlist).filename().string());
    std::filesystem::create_directories(work);
    const std::filesystem::path data = work / "data.txt";
    std::ofstream(work / "check.cir") << controlledNetlist(netlist, c.vector, data);
    const std::string command = "cd '" + work.string() + "' && ngspice -b check.cir > log.txt 2>&1";
    [[maybe_unused]] const int status = std::system(command.c_str());

    TCircuitDocument document;
    document.openNew();
    ASSERT_TRUE(importSpiceNetlist(netlist, document).ok());
    RecordingReceiver receiver;
    ASSERT_TRUE(evaluateOutputEquation(document, c.source, c.equation, receiver));
    std::ifstream rows(data);
    double frequency = 0.0;
    double real = 0.0;
    double imaginary = 0.0;
    int compared = 0;
    while (rows >> frequency >> real >> imaginary) {
        const std::complex<double> spice(real, imaginary);
        const std::complex<double> ours
            = valueAt(receiver.ratio, {0.0, 2.0 * std::numbers::pi * frequency});
        // ngspice writes 9 significant digits.
        EXPECT_NEAR(std::abs(ours - spice), 0.0, 1e-7 * std::abs(spice) + 1e-12)
            << c.netlist << " at " << frequency << " Hz";
        ++compared;
    }
    EXPECT_EQ(compared, 26) << readText(work / "log.txt");
}

INSTANTIATE_TEST_SUITE_P(
    Examples, NgspiceCrossCheck,
    ::testing::Values(CrossCheck{"rc-lowpass-bode.cir", "V1", "Vout", "v(out)"},
                      CrossCheck{"sallen-key-lowpass.cir", "V1", "Vout", "v(out)"},
                      CrossCheck{"rlc-bandpass.cir", "V1", "Vout", "v(out)"},
                      CrossCheck{"common-emitter.cir", "Vs", "Vc", "v(c)"},
                      CrossCheck{"opamp-mfb-lowpass.cir", "V1", "Vout", "v(out)"},
                      CrossCheck{"rc-ladder-sections.cir", "V1", "Vout", "v(out)"},
                      CrossCheck{"decks/gyrator-resonator.cir", "V1", "Vtop", "v(top)"},
                      CrossCheck{"decks/nested-params.cir", "Vin", "vin-V1", "v(in)-v(1)"},
                      CrossCheck{"decks/current-sense.cir", "V1", "Vmon", "v(load)"}),
    [](const auto &test) {
        std::string name = std::filesystem::path(test.param.netlist).stem().string();
        std::erase(name, '/');
        std::erase(name, '-');
        return name;
    });

} // namespace
