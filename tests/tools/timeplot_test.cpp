#include "toolcircuits.h"
#include "toolstestsupport.h"

#include <support/recordingsurface.h>
#include <tools/compndsig.h>
#include <tools/graph/tpepdialogdata.h>
#include <tools/impulse.h>
#include <tools/signal.h>
#include <tools/timeplot.h>
#include <tools/timeplotdialogdata.h>
#include <tools/timeplotexportdata.h>
#include <tools/transfunc.h>

#include <common/drawcolors.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double tau = 1e-3;

Signal &addSignal(CircuitSketch &sketch, const char *name, std::unique_ptr<SigElement> element)
{
    auto signal = std::make_unique<Signal>();
    signal->setName(labelUnit(name));
    signal->appendElement(std::move(element));
    Signal &placed = *signal;
    sketch.document.appendTool(std::move(signal));
    return placed;
}

std::unique_ptr<SigElement> unitStep()
{
    return std::make_unique<CompndSig>(CompndSig::Parameters{0.0, 1.0, 0.0, 0.0, 0.0, 0.0});
}

void addTransFunc(CircuitSketch &sketch, const char *name, const char *equation)
{
    auto tool = std::make_unique<TransFunc>(equation, labelUnit("V1"), &sketch.document);
    tool->setName(labelUnit(name));
    tool->update();
    sketch.document.appendTool(std::move(tool));
}

MArray<TPElemParam> shownLines(std::initializer_list<const char *> titles)
{
    MArray<TPElemParam> lines;
    for (const char *title : titles) {
        TPElemParam line(labelUnit(title), Color{});
        line.shown = true;
        lines.append(line);
    }
    return lines;
}

// A plot 101 columns wide over [start, end] of the output and transfer-function lines, V1
// driven by the signal S1; rebuilt and sampled.
TimePlot &addPlot(CircuitSketch &sketch, std::initializer_list<const char *> outputs,
                  std::initializer_list<const char *> transfers, const char *start = "0",
                  const char *end = "0.005")
{
    auto plot = std::make_unique<TimePlot>();
    plot->place({0, 0}, {100, 100}, &sketch.document);
    plot->setLines(shownLines(outputs), shownLines(transfers));
    MArray<labelUnit> sources;
    sources.append(labelUnit("V1"));
    MArray<labelUnit> signals;
    signals.append(labelUnit("S1"));
    plot->setSignals(sources, signals);
    plot->setWindow(textDouble(start), textDouble(end));
    plot->setAutoSample(false);
    TimePlot &placed = *plot;
    sketch.document.appendTool(std::move(plot));
    placed.rebuildSolutions();
    placed.update();
    return placed;
}

} // namespace

// The step response of the RC low-pass, 1 - e^(-t/τ), as output line and as the line of a
// transfer-function tool, sampled at the 102 times k·dt, dt = (end - start) / 100.
TEST(TimePlotResponse, RcLowPassStepMatchesTheClosedForm)
{
    CircuitSketch sketch;
    ToolCircuits::rcLowPass(sketch);
    addSignal(sketch, "S1", unitStep());
    addTransFunc(sketch, "T1", "Vout");
    const TimePlot &plot = addPlot(sketch, {"Vout"}, {"T1"});
    ASSERT_EQ(1, plot.outputSolutions().count());
    ASSERT_EQ(1u, plot.outputCurves().size());
    ASSERT_EQ(1u, plot.transferCurves().size());
    const MArray<pDataPoint> &points = plot.outputCurves()[0].points();
    ASSERT_EQ(102, points.count());
    for (const int k : {0, 10, 50, 100, 101}) {
        const double t = k * 0.005 / 100;
        EXPECT_NEAR(1 - std::exp(-t / tau), points[k].high, 1e-9) << k;
        EXPECT_NEAR(points[k].high, plot.transferCurves()[0].points()[k].high, 1e-12);
    }
    EXPECT_FALSE(plot.omitsImproperTerms());
}

// The impulse response of the RLC band-pass, K e^(-αt) (cos ωd t - α/ωd sin ωd t).
TEST(TimePlotResponse, RlcImpulseMatchesTheClosedForm)
{
    CircuitSketch sketch;
    ToolCircuits::rlcBandPass(sketch);
    addSignal(sketch, "S1", std::make_unique<Impulse>(0.0, 1.0));
    const TimePlot &plot = addPlot(sketch, {"Vout"}, {});
    const SuperSigSolution &response = *plot.outputSolutions()[0];
    const double alpha = 5000, wd = 5000 * std::sqrt(3.0);
    for (const double t : {1e-5, 1e-4, 4e-4, 2e-3}) {
        const double h
            = 1e4 * std::exp(-alpha * t) * (std::cos(wd * t) - alpha / wd * std::sin(wd * t));
        EXPECT_NEAR(h, response.value(t), 1e-6 * 1e4) << t;
    }
}

// Only the proper part of an improper function responds, and the plot says so.
TEST(TimePlotResponse, ImproperTermsAreLeftOutAndReported)
{
    CircuitSketch sketch;
    ToolCircuits::admittance(sketch);
    addSignal(sketch, "S1", unitStep());
    addTransFunc(sketch, "Y", "IC+IR");
    const TimePlot &plot = addPlot(sketch, {}, {"Y"});
    EXPECT_TRUE(plot.omitsImproperTerms());
    // The step response of 1 / (s + 1000): (1 - e^(-1000 t)) / 1000.
    EXPECT_NEAR((1 - std::exp(-1.0)) / 1000, plot.transferSolutions()[0]->value(1e-3), 1e-12);
}

// An empty window has no curves; a line without a signal at its source plots 0; one column
// gives two samples at the start.
TEST(TimePlotSampling, EdgeCases)
{
    CircuitSketch sketch;
    ToolCircuits::rcLowPass(sketch);
    addSignal(sketch, "S1", unitStep());
    TimePlot &plot = addPlot(sketch, {"Vout"}, {"Missing"}, "0", "0");
    EXPECT_TRUE(plot.outputCurves().empty());
    EXPECT_EQ("time, Vout, Missing\n", plot.dataExportText(0, 0, 5));
    RecordingSurface surface;
    plot.paint(surface);
    EXPECT_TRUE(surface.callsOf("polyline").empty());

    plot.setWindow(textDouble("1e-3"), textDouble("2e-3"));
    plot.update();
    ASSERT_EQ(1u, plot.transferCurves().size());
    EXPECT_EQ(0.0, plot.transferCurves()[0].maximum());
    EXPECT_EQ(0.0, plot.transferCurves()[0].minimum());
    const std::vector<plotData> single = plot.sampled(1e-3, 2e-3, 1, false);
    ASSERT_EQ(2u, single.size());
    ASSERT_EQ(2, single[0].points().count());
    EXPECT_EQ(single[0].points()[0], single[0].points()[1]);
    EXPECT_EQ("time, Vout, Missing\n0.001, 0.632121, 0\n", plot.dataExportText(1e-3, 2e-3, 1));
}

// Header and rows character for character; the dialog's fields come from the plot.
TEST(TimePlotExport, WritesHeaderAndRows)
{
    CircuitSketch sketch;
    ToolCircuits::rcLowPass(sketch);
    addSignal(sketch, "S1", unitStep());
    addTransFunc(sketch, "T1", "Vout");
    const TimePlot &plot = addPlot(sketch, {"Vout"}, {"T1"}, "0.001", "0.002");
    EXPECT_EQ("time, Vout, T1\n"
              "0.001, 0.632121, 0.632121\n"
              "0.0015, 0.77687, 0.77687\n"
              "0.002, 0.864665, 0.864665\n",
              plot.dataExportText(1e-3, 2e-3, 3));
    TimePlotExportData data = TimePlotExportData::from(plot);
    EXPECT_EQ("0.001", data.start);
    EXPECT_EQ("100", data.dataPoints);
    data.dataPoints = "0";
    EXPECT_EQ("time, Vout, T1\n", data.text());

    RecordingSurface surface;
    plot.paint(surface);
    EXPECT_EQ(2u, surface.callsOf("polyline").size());
}

// The responses are stored: a copy answers the same values and samples once attached.
TEST(TimePlotRecords, RoundTripKeepsTheResponses)
{
    CircuitSketch sketch;
    ToolCircuits::rcLowPass(sketch);
    addSignal(sketch, "S1", unitStep());
    TimePlot &plot = addPlot(sketch, {"Vout"}, {});
    plot.setName(labelUnit("P1"));
    const auto copy = roundTrip(plot);
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(labelUnit("P1"), copy->name());
    EXPECT_EQ(plot.outputLines()[0], copy->outputLines()[0]);
    EXPECT_EQ(labelUnit("S1"), copy->signalNames()[0]);
    EXPECT_EQ(labelUnit("0.005"), copy->end());
    EXPECT_FALSE(copy->autoSample());
    EXPECT_EQ(plot.graph(), copy->graph());
    ASSERT_EQ(1, copy->outputSolutions().count());
    EXPECT_EQ(plot.outputSolutions()[0]->value(2e-3), copy->outputSolutions()[0]->value(2e-3));
    EXPECT_TRUE(copy->outputCurves().empty());
    copy->attach();
    EXPECT_EQ(plot.outputCurves()[0].points()[50], copy->outputCurves()[0].points()[50]);
}

// Rows for the named tags and transfer-function tools (the plot's line or a new one in the
// default colour) and the named sources with their signal while it is still a signal; OK
// keeps the shown rows and the sources with a signal, rebuilds and samples.
TEST(TimePlotDialog, RowsSignalsAndOk)
{
    CircuitSketch sketch;
    ToolCircuits::rcLowPass(sketch);
    sketch.voltageTag({0, 0}, {100, 0}, "Vr");
    Signal &s1 = addSignal(sketch, "S1", unitStep());
    addSignal(sketch, "S2", std::make_unique<Impulse>());
    addTransFunc(sketch, "T1", "Vout");
    TimePlot &plot = addPlot(sketch, {"Vout"}, {});
    TPElemParam kept = plot.outputLines()[0];
    kept.colour = Color{1, 2, 3};
    MArray<TPElemParam> lines;
    lines.append(kept);
    plot.setLines(lines, {});

    TimePlotDialogData data = TimePlotDialogData::from(plot);
    ASSERT_EQ(2u, data.outputRows.size());
    EXPECT_EQ(kept, data.outputRows[0]);
    EXPECT_EQ(labelUnit("Vr"), data.outputRows[1].title);
    EXPECT_FALSE(data.outputRows[1].shown);
    EXPECT_EQ(DrawColors::current().screen(ColorRole::GraphDefaultLine), data.outputRows[1].colour);
    ASSERT_EQ(1u, data.transferRows.size());
    EXPECT_EQ((std::vector<std::string>{"(None)", "S1", "S2"}), data.signalChoices);
    ASSERT_EQ(1u, data.sourceRows.size());
    EXPECT_EQ("S1", data.sourceRows[0].signal);
    data.selectSource(0);
    EXPECT_EQ(1, data.selectedSignal());

    ScriptedToolDialogs dialogs;
    dialogs.plotLine = [](TPEPDialogData &line) {
        line.line.shown = true;
        return true;
    };
    ASSERT_TRUE(data.editTransferRow(dialogs, 0));
    data.outputRows[0].shown = false;
    data.chooseSignal(2);
    data.end = "0.002";
    data.applyTo(plot);
    EXPECT_EQ(0, plot.outputLines().count());
    ASSERT_EQ(1, plot.transferLines().count());
    EXPECT_EQ(labelUnit("S2"), plot.signalNames()[0]);
    // The impulse response of 1 / (1 + sτ): e^(-t/τ) / τ.
    EXPECT_NEAR(std::exp(-1.0) / tau, plot.transferSolutions()[0]->value(1e-3), 1e-6);
    EXPECT_EQ(102, plot.transferCurves()[0].points().count());

    data.chooseSignal(0);
    data.applyTo(plot);
    EXPECT_EQ(0, plot.sourceNames().count());
    EXPECT_EQ(0.0, plot.transferSolutions()[0]->value(1e-3));

    // A signal renamed since is no longer offered for its source.
    plot.setSignals(plot.sourceNames(), {});
    data.chooseSignal(1);
    data.applyTo(plot);
    s1.setName(labelUnit("S9"));
    EXPECT_EQ("", TimePlotDialogData::from(plot).sourceRows[0].signal);
}
