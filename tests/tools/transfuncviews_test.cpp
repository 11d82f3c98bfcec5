// What the transfer-function tool shows: its formula on the sheet, its text export, its
// extended view and the data of its dialog.

#include "toolcircuits.h"
#include "toolstestsupport.h"

#include <support/recordingsurface.h>
#include <support/tempfolder.h>
#include <tools/evaluationclock.h>
#include <tools/tranfuncdialogdata.h>
#include <tools/transfunc.h>
#include <tools/transfuncextendedviewdata.h>
#include <tools/transfuncformula.h>
#include <tools/transfunctextexportdata.h>

#include <common/numbertext.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace {

TransRatioFunc ratioOf(std::initializer_list<double> numerator,
                       std::initializer_list<double> denominator)
{
    const auto exact = [](std::initializer_list<double> coefficients) {
        TransPolynom p;
        int i = 0;
        for (const double c : coefficients)
            p.coefficientAt(i++) = transDouble(c);
        return p;
    };
    return TransRatioFunc(exact(numerator), exact(denominator));
}

// (3s² - 2s + 1) / (s² + 3s + 2): both rows have every kind of term.
std::unique_ptr<TransFunc> quadraticTool(const char *name)
{
    auto tool = std::make_unique<TransFunc>("Vout", labelUnit("V1"), nullptr);
    tool->setName(labelUnit(name));
    tool->setRatio(ratioOf({1, -2, 3}, {2, 3, 1}));
    return tool;
}

} // namespace

// name = O / I = numerator / denominator, laid out from the frame's top-left corner for a
// font 16 high (descent 3) and 8 wide; the frame follows the formula.
TEST(TransFuncFormula, LaysOutNameOutputOverInputAndTheSDomainRows)
{
    TransFunc tool("Vout", labelUnit("V1"), nullptr);
    tool.setName(labelUnit("T1"));
    tool.place({100, 200}, {300, 300}, nullptr);
    tool.setRatio(ratioOf({1}, {1, 1}));
    RecordingSurface surface;
    tool.paint(surface);
    EXPECT_EQ((std::vector<std::string>{
                  R"(text (108,232) left bottom "T1")", R"(text (124,216) left top " = ")",
                  R"(text (156,224) left bottom "Vout")", R"(text (156,225) left top "V1")",
                  R"(text (196,216) left top " = ")", R"(text (228,221) left baseline "1")",
                  R"(text (228,240) left baseline "1 + s")"}),
              surface.callsOf("text"));
    EXPECT_EQ((std::vector<std::string>{"line (148,224) (196,224)", "line (220,224) (276,224)"}),
              surface.callsOf("line"));
    EXPECT_TRUE(surface.callsOf("rect").empty());
    EXPECT_EQ(1, surface.pen().width);

    tool.fitFrame(surface);
    EXPECT_EQ((Rect{100, 200, 284, 248}), tool.rect());
    tool.setSelected(true);
    surface.clear();
    tool.paint(surface);
    EXPECT_EQ(std::vector<std::string>{"rect (100,200,284,248)"}, surface.callsOf("rect"));
}

// Exponents are raised (bottom on the baseline), a coefficient 1 before s is left out, a
// negative one follows " + "; without name and O/I the fraction starts the formula.
TEST(TransFuncFormula, RowsRaiseExponentsAndKeepSigns)
{
    const auto tool = quadraticTool("");
    tool->setShowsOI(false);
    tool->place({0, 0}, {10, 10}, nullptr);
    RecordingSurface surface({16, 13, 3, 8, 700});
    tool->paint(surface);
    EXPECT_EQ((std::vector<std::string>{R"(text (16,21) left baseline "1 + -2*s + 3*s")",
                                        R"(text (128,21) left bottom "2")",
                                        R"(text (16,40) left baseline "2 + 3*s + s")",
                                        R"(text (104,40) left bottom "2")"}),
              surface.callsOf("text"));
    EXPECT_EQ(std::vector<std::string>{"line (8,24) (144,24)"}, surface.callsOf("line"));
    // Bold: (8 / 16 + 1) × 2.
    EXPECT_EQ(2, surface.pen().width);
    EXPECT_EQ((Rect{0, 0, 152, 48}), tool->formula(surface).frame());

    // A zero numerator of degree 0 still writes its coefficient.
    tool->reset();
    surface.clear();
    tool->paint(surface);
    EXPECT_EQ((std::vector<std::string>{R"(text (16,21) left baseline "0")",
                                        R"(text (16,40) left baseline "1")"}),
              surface.callsOf("text"));
}

TEST(TransFuncTextExport, WritesTheFourSyntaxes)
{
    const auto tool = quadraticTool("H");
    using S = TransFunc::TextSyntax;
    EXPECT_EQ("H = ( 1 - 2*s + 3*s^2 )/( 2 + 3*s + 1*s^2 )", tool->formulaText(S::PowerCaret));
    EXPECT_EQ("H = ( 1 - 2*s + 3*s**2 )/( 2 + 3*s + 1*s**2 )", tool->formulaText(S::PowerStars));
    EXPECT_EQ("H = ( 1 - 2*s + 3*pow(s,2) )/( 2 + 3*s + 1*pow(s,2) )",
              tool->formulaText(S::PowFunction));
    EXPECT_EQ("H = ( 1,-2,3 )/( 2,3,1 )", tool->formulaText(S::CoefficientList));

    // Zero coefficients are written too; the dialog opens on the first syntax.
    tool->setRatio(ratioOf({1}, {1, 0, 1}));
    ScriptedToolDialogs dialogs;
    std::string exported;
    dialogs.transFuncExport
        = [&exported](TransFuncTextExportData &data) { exported = data.text(); };
    ASSERT_TRUE(tool->exportData(dialogs));
    EXPECT_EQ("H = ( 1 )/( 1 + 0*s + 1*s^2 )", exported);
}

// The texts of other programs, against hand-written forms: coefficient arrays run from the
// highest power down, LaTeX rows leave out zero terms and raise exponents of numbers.
TEST(TransFuncTextExport, WritesLatexPythonAndMatlab)
{
    const auto tool = quadraticTool("H");
    using S = TransFunc::TextSyntax;
    EXPECT_EQ(R"(H = \frac{1 - 2 s + 3 s^{2}}{2 + 3 s + s^{2}})", tool->formulaText(S::Latex));
    EXPECT_EQ("H = tf([3, -2, 1], [1, 3, 2]);", tool->formulaText(S::Matlab));
    EXPECT_EQ("import numpy as np\n"
              "from scipy import signal\n"
              "\n"
              "# The coefficients of H(s), highest power of s first\n"
              "H_num = np.array([3, -2, 1])\n"
              "H_den = np.array([1, 3, 2])\n"
              "H = signal.TransferFunction(H_num, H_den)\n",
              tool->formulaText(S::Python));

    // Names become identifiers; small numbers keep their exponents.
    tool->setName(labelUnit("2_b"));
    tool->setRatio(ratioOf({-1e-6}, {1, 0, 1}));
    EXPECT_EQ(R"(2\_b = \frac{-1 \cdot 10^{-6}}{1 + s^{2}})", tool->formulaText(S::Latex));
    EXPECT_EQ("H_2_b = tf([-1e-06], [1, 0, 1]);", tool->formulaText(S::Matlab));
    EXPECT_NE(tool->formulaText(S::Python).find("H_2_b_num = np.array([-1e-06])\n"),
              std::string::npos);
}

// The Python text, run by python3 where it is installed: it parses, and where numpy and
// scipy are there too, its system has the tool's values.
TEST(TransFuncTextExport, PythonTextRunsInPython)
{
    if (std::system("python3 --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "python3 is not installed";
    const auto tool = quadraticTool("H");
    const TempFolder folder;
    const std::filesystem::path script = folder.path() / "h.py";
    const auto python = [&](const std::string &text, const char *options) {
        std::ofstream(script) << text;
        return std::system(
            ("python3 " + std::string(options) + script.string() + " > /dev/null 2>&1").c_str());
    };
    const std::string text = tool->formulaText(TransFunc::TextSyntax::Python,
                                               ExportNumberFormat(ExportNumberFormat::maxDigits));
    // Compiled without running, so that it needs neither numpy nor scipy.
    EXPECT_EQ(0, python(text, "-m py_compile "));
    if (python("import numpy, scipy.signal\n", "") != 0)
        GTEST_SKIP() << "numpy or scipy is not installed";
    // H(2j) = (1 - 4j - 12) / (2 + 6j - 4) = (-11 - 4j) / (-2 + 6j).
    EXPECT_EQ(0, python(text
                            + "w, h = signal.freqresp(H, [2.0])\n"
                              "assert abs(h[0] - (-11 - 4j) / (-2 + 6j)) < 1e-12, h\n",
                        ""));
}

TEST(TransFuncExtendedView, ListsRootsAccuraciesAndTheLocalDate)
{
    const char *zone = std::getenv("TZ");
    const std::string savedZone = zone ? zone : "";
    setenv("TZ", "UTC0", 1);
    tzset();
    EvaluationClock::setSource([]() -> std::int64_t { return 1234567890; });
    TransFunc tool;
    tool.setName(labelUnit("T2"));
    tool.setRatio(ratioOf({1, 2, 1}, {12, 19, 8, 1}));
    const TransFuncExtendedViewData view = TransFuncExtendedViewData::from(tool);
    EvaluationClock::setSource(nullptr);
    EXPECT_EQ("Fri Feb 13 23:31:30 2009", view.lastEvaluation);
    if (zone)
        setenv("TZ", savedZone.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();

    EXPECT_EQ("T2", view.name);
    const std::vector<std::string> minusOne{"(-1.00000000e+00, 0.00000000e+00)^1"};
    EXPECT_EQ(minusOne, view.numeratorRoots);
    EXPECT_EQ(minusOne, view.cancelledNumeratorRoots);
    EXPECT_EQ(minusOne, view.cancelledDenominatorRoots);
    EXPECT_EQ((std::vector<std::string>{"(-3.00000000e+00, 0.00000000e+00)^1",
                                        "(-4.00000000e+00, 0.00000000e+00)^1"}),
              view.denominatorRoots);
    EXPECT_EQ("Numerator Root Accuracy : " + formatScientific(tool.numeratorRootAccuracy(), 8),
              view.numeratorAccuracy);
    EXPECT_EQ("(2.50000000e-01, -1.00000000e+00)^3",
              TransFuncExtendedViewData::rootLine(Root({0.25, -1.0}, 3)));
}

// The lists name the tags and independent sources that have names; the tool's source is
// selected, or the only one; "<<" inserts at the caret.
TEST(TranFuncDialog, ListsLabelsAndSourcesAndInsertsAtTheCaret)
{
    CircuitSketch sketch;
    ToolCircuits::rcLowPass(sketch);
    sketch.voltageTag({100, 0}, {0, 0}, "");
    sketch.currentTag({0, 0}, {100, 0}, "IR");
    TransFunc tool("2*", labelUnit("Vx"), &sketch.document);
    TranFuncDialogData data = TranFuncDialogData::from(tool);
    EXPECT_EQ((std::vector<std::string>{"Vout", "IR"}), data.outputLabels);
    EXPECT_EQ(std::vector<std::string>{"V1"}, data.inputSources);
    EXPECT_EQ(0, data.selectedSource);
    EXPECT_EQ(6u, data.insertLabel(0, 2));
    EXPECT_EQ("2*Vout", data.outputEquation);
    EXPECT_EQ(8u, data.insertLabel(1, 99));
    EXPECT_EQ("2*VoutIR", data.outputEquation);
    EXPECT_EQ(3u, data.insertLabel(5, 3));

    sketch.currentSource({0, 400}, {0, 300}, "I2");
    tool.setInputSource(labelUnit("I2"));
    EXPECT_EQ(1, TranFuncDialogData::from(tool).selectedSource);
    tool.setInputSource(labelUnit("Vx"));
    EXPECT_EQ(-1, TranFuncDialogData::from(tool).selectedSource);
}

// OK stores the texts cut to 62 characters, the name normalized, and evaluates; Cancel
// changes nothing.
TEST(TranFuncDialog, OkStoresAndEvaluatesCancelKeeps)
{
    CircuitSketch sketch;
    ToolCircuits::rcLowPass(sketch);
    TransFunc tool("", labelUnit(""), &sketch.document);
    ScriptedToolDialogs dialogs;
    EXPECT_FALSE(tool.editParameters(dialogs));
    EXPECT_FALSE(tool.isEvaluated());

    dialogs.tranFunc = [](TranFuncDialogData &data) {
        data.name = "  T7 low pass";
        data.outputEquation = "Vout" + std::string(70, ' ');
        data.showOI = false;
        return true;
    };
    ASSERT_TRUE(tool.editParameters(dialogs));
    EXPECT_EQ(labelUnit("T7"), tool.name());
    EXPECT_EQ(62u, tool.outputEquation().length());
    EXPECT_EQ(labelUnit("V1"), tool.inputSource());
    EXPECT_FALSE(tool.showsOI());
    EXPECT_TRUE(tool.showsSDomain());
    EXPECT_TRUE(tool.isEvaluated());
    ASSERT_EQ(1, tool.denominatorRoots().count());
    EXPECT_NEAR(-1000.0, tool.denominatorRoots().roots()[0].value().real(), 1e-9);
}
