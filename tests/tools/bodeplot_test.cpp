#include "toolcircuits.h"
#include "toolstestsupport.h"

#include <support/recordingsurface.h>
#include <tools/bodeplot.h>
#include <tools/bodeplotdialogdata.h>
#include <tools/bodeplotexportdata.h>
#include <tools/bpepdialogdata.h>
#include <tools/graph/tpepdialogdata.h>
#include <tools/signal.h>
#include <tools/transfunc.h>

#include <common/drawcolors.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

namespace {

using Complex = std::complex<double>;

BPElemParam elementShowing(const char *name, std::initializer_list<BodeLineKind> kinds)
{
    BPElemParam element{labelUnit(name)};
    for (const BodeLineKind kind : kinds)
        element.line(kind).parameters().shown = true;
    return element;
}

MArray<BPElemParam> listOf(std::initializer_list<BPElemParam> elements)
{
    MArray<BPElemParam> list;
    for (const BPElemParam &element : elements)
        list.append(element);
    return list;
}

TransFunc &addTransFunc(CircuitSketch &sketch, const char *name, const char *equation)
{
    auto tool = std::make_unique<TransFunc>(equation, labelUnit("V1"), &sketch.document);
    tool->setName(labelUnit(name));
    TransFunc &placed = *tool;
    sketch.document.appendTool(std::move(tool));
    placed.update();
    return placed;
}

// A plot of the tool T1 with every line shown, frame width + 1 columns wide, from decade
// start over decades decades, updated and sampled.
BodePlot &addPlot(CircuitSketch &sketch, int width, int start, int decades)
{
    auto plot = std::make_unique<BodePlot>();
    plot->place({0, 0}, {width, 150}, &sketch.document);
    plot->setStartDecade(start);
    plot->setDecades(decades);
    plot->setElements(
        listOf({elementShowing("T1", {BodeLineKind::Magnitude, BodeLineKind::Phase,
                                      BodeLineKind::Real, BodeLineKind::Imaginary})}));
    BodePlot &placed = *plot;
    sketch.document.appendTool(std::move(plot));
    placed.update();
    placed.attach();
    return placed;
}

// A plot that is not in a document, its element's ratio given.
std::unique_ptr<BodePlot> plotOfRatio(const RatioFunc &ratio,
                                      std::initializer_list<BodeLineKind> shown)
{
    auto plot = std::make_unique<BodePlot>();
    plot->place({0, 0}, {200, 150}, nullptr);
    BPElemParam element = elementShowing("T1", shown);
    element.ratio = FactoredRatio::fromCoefficients(ratio);
    plot->setElements(listOf({element}));
    return plot;
}

struct ResponseCase
{
    const char *name;
    std::function<void(CircuitSketch &)> draw;
    const char *equation;
    std::function<Complex(Complex)> expected;
    bool radiansPerSecond;
};

class BodeResponse : public ::testing::TestWithParam<ResponseCase>
{
};

} // namespace

// The four lines against H(jkω) in closed form, k = 1 for rad/s and 2π for Hz; for an
// improper function (an input admittance) the whole function, not only its proper part.
TEST_P(BodeResponse, LinesFollowTheClosedForm)
{
    const ResponseCase &c = GetParam();
    CircuitSketch sketch;
    c.draw(sketch);
    addTransFunc(sketch, "T1", c.equation);
    BodePlot &plot = addPlot(sketch, 200, 1, 4);
    plot.setRadiansPerSecond(c.radiansPerSecond);
    const BPElemParam &element = plot.elements()[0];
    const double k = c.radiansPerSecond ? 1.0 : 2 * std::numbers::pi;
    for (const double x : {1.0, 2.5, 3.0, 4.0, 4.75}) {
        const Complex h = c.expected(Complex(0.0, k * std::pow(10.0, x)));
        const auto at = [&](BodeLineKind kind) { return element.line(kind).value(x); };
        EXPECT_NEAR(20 * std::log10(std::abs(h)), at(BodeLineKind::Magnitude), 1e-8) << x;
        EXPECT_NEAR(std::arg(h), at(BodeLineKind::Phase), 1e-9) << x;
        EXPECT_NEAR(h.real(), at(BodeLineKind::Real), 1e-9 * std::abs(h)) << x;
        EXPECT_NEAR(h.imag(), at(BodeLineKind::Imaginary), 1e-9 * std::abs(h)) << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Circuits, BodeResponse,
                         ::testing::Values(ResponseCase{"RcLowPass", ToolCircuits::rcLowPass,
                                                        "Vout", ToolCircuits::rcLowPassAt, true},
                                           ResponseCase{"RcLowPassInHertz", ToolCircuits::rcLowPass,
                                                        "Vout", ToolCircuits::rcLowPassAt, false},
                                           ResponseCase{"RlcBandPass", ToolCircuits::rlcBandPass,
                                                        "Vout", ToolCircuits::rlcBandPassAt, true},
                                           ResponseCase{"Admittance", ToolCircuits::admittance,
                                                        "IC+IR", ToolCircuits::admittanceAt, true}),
                         [](const auto &param) { return std::string(param.param.name); });

// At the band centre |H| = 1 and the phase is 0; the modes scale the same value.
TEST(BodeLines, ModesScaleMagnitudeAndPhase)
{
    const RatioFunc ratio(Polynom{0.0, 1.0}, Polynom{1.0, 1.0});
    const auto plot = plotOfRatio(ratio, {});
    MArray<BPElemParam> elements = plot->elements();
    BPElemParam &element = elements[0];
    element.magnitudeMode = BPElemParam::TenLog;
    element.phaseMode = BPElemParam::Degrees;
    // s / (s + 1) at ω = 1: (1 + j) / 2.
    EXPECT_NEAR(10 * std::log10(std::sqrt(0.5)), element.line(BodeLineKind::Magnitude).value(0),
                1e-12);
    EXPECT_NEAR(45.0, element.line(BodeLineKind::Phase).value(0), 1e-12);
    element.magnitudeMode = BPElemParam::OneToOne;
    EXPECT_NEAR(std::sqrt(0.5), element.line(BodeLineKind::Magnitude).value(0), 1e-15);
}

// |H| = 0 exactly has no logarithm: the value is the evaluation's resolution there (ε times
// the numerator's terms over |D|), or the smallest normal double for a ratio 0 / 1; the phase
// is 0 and "1:1" gives 0.
TEST(BodeLines, ZeroMagnitudeStaysFinite)
{
    // (s² + 1) / (s² + s + 1) at ω = 1: N = 0 exactly, |D| = 1, the terms of N add up to 2.
    const auto notch = plotOfRatio(RatioFunc(Polynom{1.0, 0.0, 1.0}, Polynom{1.0, 1.0, 1.0}),
                                   {BodeLineKind::Magnitude, BodeLineKind::Phase});
    notch->setStartDecade(-1);
    notch->attach();
    const BPElemParam &element = notch->elements()[0];
    const double floor = 20 * std::log10(2 * std::numeric_limits<double>::epsilon());
    EXPECT_DOUBLE_EQ(floor, element.line(BodeLineKind::Magnitude).value(0));
    EXPECT_EQ(0.0, element.line(BodeLineKind::Phase).value(0));
    // x = 0 is the first sample of the second decade.
    EXPECT_DOUBLE_EQ(floor, element.line(BodeLineKind::Magnitude).curve().points()[101].high);
    EXPECT_EQ("Log(rad/s),T1.Magnitude,T1.Phase\n0,-307.051,0\n",
              notch->dataExportText(0, 2, 1, true, true));

    const auto zero = plotOfRatio(RatioFunc(), {BodeLineKind::Magnitude});
    EXPECT_DOUBLE_EQ(20 * std::log10(std::numeric_limits<double>::min()),
                     zero->elements()[0].line(BodeLineKind::Magnitude).value(1.5));
}

// 201 columns over 2 decades: p = 100.5, so each decade holds 101 samples from its start;
// the last lies at S + 2 - 1/201. The real part of -s² at jω is ω², which gives x back.
TEST(BodeResampling, SamplesCeilingOfColumnsPerDecade)
{
    const auto plot
        = plotOfRatio(RatioFunc(Polynom{0.0, 0.0, -1.0}, Polynom(1.0)), {BodeLineKind::Real});
    plot->setStartDecade(-1);
    plot->attach();
    const MArray<pDataPoint> &points
        = plot->elements()[0].line(BodeLineKind::Real).curve().points();
    ASSERT_EQ(202, points.count());
    const auto xOf = [&](int i) { return std::log10(points[i].high) / 2; };
    EXPECT_NEAR(-1.0, xOf(0), 1e-14);
    EXPECT_NEAR(-1.0 + 1 / 100.5, xOf(1), 1e-14);
    EXPECT_NEAR(0.0, xOf(101), 1e-14);
    EXPECT_NEAR(1.0 - 1 / 201.0, xOf(201), 1e-14);
    EXPECT_EQ(plot->elements()[0].line(BodeLineKind::Real).curve().maximum(), points[201].high);

    plot->setDecades(0);
    plot->attach();
    EXPECT_EQ(0, plot->elements()[0].line(BodeLineKind::Real).curve().points().count());
}

// Header and rows character for character, with 3, 1 and 0 data points, in both units.
TEST(BodeExport, WritesHeaderAndRows)
{
    const auto plot = plotOfRatio(RatioFunc(Polynom(1.0), Polynom{1.0, 1.0}),
                                  {BodeLineKind::Magnitude, BodeLineKind::Phase});
    EXPECT_EQ("Log(rad/s),T1.Magnitude,T1.Phase\n"
              "0,-3.0103,-0.785398\n"
              "1,-20.0432,-1.47113\n"
              "2,-40.0004,-1.5608\n",
              plot->dataExportText(0, 2, 3, true, true));
    MArray<BPElemParam> elements = plot->elements();
    elements[0].line(BodeLineKind::Phase).parameters().shown = false;
    elements[0].line(BodeLineKind::Real).parameters().shown = true;
    plot->setElements(elements);
    EXPECT_EQ("Hz,T1.Magnitude,T1.Real\n"
              "1,-16.0722,0.0247045\n"
              "10,-35.9647,0.000253239\n"
              "100,-55.9636,2.53302e-06\n",
              plot->dataExportText(0, 2, 3, false, false));
    EXPECT_EQ("Log(Hz),T1.Magnitude,T1.Real\n2,-55.9636,2.53302e-06\n",
              plot->dataExportText(2, 5, 1, false, true));
    EXPECT_EQ("rad/s,T1.Magnitude,T1.Real\n", plot->dataExportText(2, 5, 0, true, false));

    // The dialog's fields come from the plot, with 100 data points.
    plot->setStartDecade(-3);
    plot->setRadiansPerSecond(false);
    BodePlotExportData data = BodePlotExportData::from(*plot);
    EXPECT_EQ("-3", data.startDecade);
    EXPECT_EQ("2", data.decades);
    EXPECT_FALSE(data.radiansPerSecond);
    EXPECT_EQ(plot->dataExportText(-3, 2, 100, false, true), data.text());
}

// Markers are found on the resampled lines: the -3 dB crossing of the RC low-pass lies at
// ω = 1/τ, the band-pass magnitude peaks at ω0.
TEST(BodeMarkers, FindTheCornerAndThePeak)
{
    CircuitSketch sketch;
    ToolCircuits::rcLowPass(sketch);
    addTransFunc(sketch, "T1", "Vout");
    BodePlot &plot = addPlot(sketch, 300, 1, 4);
    MArray<BPElemParam> elements = plot.elements();
    GraphMarker crossing;
    crossing.kind = GraphMarker::FindValue;
    crossing.position = textDouble("2.5");
    crossing.target = textDouble(-10 * std::log10(2.0));
    elements[0].line(BodeLineKind::Magnitude).parameters().markers.append(crossing);
    plot.setElements(elements);
    plot.attach();
    const GraphMarker &found
        = plot.elements()[0].line(BodeLineKind::Magnitude).parameters().markers[0];
    EXPECT_NEAR(3.0, found.x, 1e-7);
    EXPECT_NEAR(-10 * std::log10(2.0), found.y, 1e-7);

    CircuitSketch bandSketch;
    ToolCircuits::rlcBandPass(bandSketch);
    addTransFunc(bandSketch, "T1", "Vout");
    BodePlot &band = addPlot(bandSketch, 300, 2, 4);
    elements = band.elements();
    GraphMarker peak;
    peak.kind = GraphMarker::MaximumNear;
    peak.position = textDouble("3.6");
    elements[0].line(BodeLineKind::Magnitude).parameters().markers.append(peak);
    band.setElements(elements);
    band.attach();
    const GraphMarker &top
        = band.elements()[0].line(BodeLineKind::Magnitude).parameters().markers[0];
    EXPECT_NEAR(4.0, top.x, 1e-6);
    EXPECT_NEAR(0.0, top.y, 1e-9);
}

// Shown lines are drawn as curves under the plot's name; a plot over no decade draws nothing.
TEST(BodePaint, DrawsTheShownLines)
{
    const auto plot
        = plotOfRatio(RatioFunc(Polynom(1.0), Polynom{1.0, 1.0}), {BodeLineKind::Magnitude});
    plot->setName(labelUnit("B1"));
    plot->place({0, 0}, {400, 300}, nullptr);
    plot->attach();
    RecordingSurface surface;
    plot->paint(surface);
    EXPECT_FALSE(surface.callsOf("polyline").empty());
    EXPECT_EQ(1, std::count(surface.calls().begin(), surface.calls().end(),
                            R"(text (200,0) center top "B1")"));
    plot->setDecades(0);
    surface.clear();
    plot->paint(surface);
    EXPECT_TRUE(surface.calls().empty());
}

TEST(BodeRecords, CurrentRecordsRoundTripAndClaimTheirLines)
{
    auto plot = plotOfRatio(RatioFunc(Polynom{1.0, 2.0}, Polynom{3.0, 4.0, 5.0}),
                            {BodeLineKind::Phase, BodeLineKind::Imaginary});
    MArray<BPElemParam> elements = plot->elements();
    elements[0].magnitudeMode = BPElemParam::OneToOne;
    elements[0].phaseMode = BPElemParam::Degrees;
    elements[0].line(BodeLineKind::Phase).parameters().markers.append(GraphMarker());
    elements.append(elementShowing("T2", {BodeLineKind::Magnitude}));
    plot->setElements(elements);
    plot->setStartDecade(-2);
    plot->setDecades(5);
    plot->setRadiansPerSecond(false);
    const auto copy = roundTrip(*plot);
    ASSERT_NE(nullptr, copy);
    ASSERT_EQ(2, copy->elements().count());
    const BPElemParam &first = copy->elements()[0];
    EXPECT_EQ(plot->elements()[0].ratio, first.ratio);
    EXPECT_EQ(BPElemParam::OneToOne, first.magnitudeMode);
    EXPECT_EQ(BPElemParam::Degrees, first.phaseMode);
    for (const BodeLineKind kind : bodeLineKinds) {
        EXPECT_EQ(plot->elements()[0].line(kind).parameters(), first.line(kind).parameters());
        EXPECT_EQ(&first, first.line(kind).element());
    }
    EXPECT_FALSE(first.line(BodeLineKind::Phase).parameters().leftAxis);
    EXPECT_EQ(copy.get(), first.owner());
    EXPECT_EQ(-2, copy->startDecade());
    EXPECT_EQ(5, copy->decades());
    EXPECT_FALSE(copy->radiansPerSecond());
    EXPECT_EQ(plot->graph(), copy->graph());
    EXPECT_EQ(labelUnit("Freq 10^x"), copy->graph().horizontalLabel);
}

// A first element record holds the name and the ratio; a first plot record no graph
// parameters, which keep the plain defaults.
TEST(BodeRecords, FirstRecordsKeepDefaults)
{
    const RatioFunc ratio(Polynom(2.0), Polynom{1.0, 1.0});
    const OldRecord element("BPElemParam", 1, [&](opstream &os) {
        os.writeObject(labelUnit("T3"));
        os.writeObject(ratio);
    });
    BodePlot base;
    const OldRecord plot("BodePlot", 1, [&](opstream &os) {
        os.writeBaseOf<CircTool>(base);
        os.writeWord32(1);
        os.writeObject(element);
        os.writeInt32(1);
        os.writeInt32(3);
        os.writeBool32(true);
    });
    BodePlot read;
    ASSERT_TRUE(readOldRecord(plot, read));
    EXPECT_EQ(TGraphParam(), read.graph());
    EXPECT_EQ(3, read.decades());
    ASSERT_EQ(1, read.elements().count());
    const BPElemParam &first = read.elements()[0];
    EXPECT_EQ(labelUnit("T3"), first.name);
    EXPECT_EQ(FactoredRatio::fromCoefficients(ratio), first.ratio);
    EXPECT_EQ(BPElemParam::TwentyLog, first.magnitudeMode);
    EXPECT_EQ(BPElemParam::Radians, first.phaseMode);
    EXPECT_FALSE(first.hasShownLine());
    EXPECT_FALSE(first.line(BodeLineKind::Phase).parameters().leftAxis);
    EXPECT_TRUE(first.line(BodeLineKind::Real).parameters().leftAxis);
    EXPECT_EQ(&read, first.owner());
}

// The rows are the named transfer-function tools in tool order, with the plot's element of
// the name or a new one; OK keeps the rows that show a line, copies the ratios and samples.
// A tool renamed later is not found by update and is listed anew under its new name.
TEST(BodePlotDialog, RowsLineEditsAndOk)
{
    CircuitSketch sketch;
    ToolCircuits::rcLowPass(sketch);
    TransFunc &t1 = addTransFunc(sketch, "T1", "Vout");
    addTransFunc(sketch, "", "Vout");
    sketch.document.appendTool(std::make_unique<Signal>());
    addTransFunc(sketch, "T2", "2*Vout");
    auto owned = std::make_unique<BodePlot>();
    BodePlot &plot = *owned;
    plot.place({0, 0}, {200, 100}, &sketch.document);
    sketch.document.appendTool(std::move(owned));
    BPElemParam t2 = elementShowing("T2", {BodeLineKind::Magnitude});
    t2.magnitudeMode = BPElemParam::TenLog;
    plot.setElements(listOf({t2, elementShowing("Gone", {BodeLineKind::Real})}));

    BodePlotDialogData data = BodePlotDialogData::from(plot);
    ASSERT_EQ(2, data.rows.count());
    EXPECT_EQ(labelUnit("T1"), data.rows[0].name);
    EXPECT_FALSE(data.rows[0].hasShownLine());
    EXPECT_EQ(BPElemParam::TenLog, data.rows[1].magnitudeMode);
    EXPECT_NE(nullptr, data.shownLine(1, BodeLineKind::Magnitude));
    EXPECT_EQ(nullptr, data.shownLine(1, BodeLineKind::Phase));
    EXPECT_EQ(nullptr, data.shownLine(7, BodeLineKind::Magnitude));

    ScriptedToolDialogs dialogs;
    dialogs.plotLine = [](TPEPDialogData &line) {
        EXPECT_EQ(labelUnit("T1 Phase Plot"), line.line.title);
        EXPECT_EQ(DrawColors::current().screen(ColorRole::GraphDefaultLine), line.line.colour);
        line.line.shown = true;
        return true;
    };
    dialogs.bpep = [&dialogs](BPEPDialogData &element) {
        EXPECT_EQ("T1", element.elementName);
        element.phaseMode = BPElemParam::Degrees;
        return element.editLine(dialogs, BodeLineKind::Phase);
    };
    ASSERT_TRUE(data.editRow(dialogs, 0));
    EXPECT_EQ(BPElemParam::Degrees, data.rows[0].phaseMode);
    EXPECT_NE(nullptr, data.shownLine(0, BodeLineKind::Phase));

    data.name = "  B1 plot";
    data.startDecade = " -2";
    data.decades = "4 decades";
    data.applyTo(plot);
    EXPECT_EQ(labelUnit("B1"), plot.name());
    EXPECT_EQ(-2, plot.startDecade());
    EXPECT_EQ(4, plot.decades());
    ASSERT_EQ(2, plot.elements().count());
    EXPECT_EQ(labelUnit("T1"), plot.elements()[0].name);
    EXPECT_EQ(labelUnit("T2"), plot.elements()[1].name);
    EXPECT_EQ(t1.factoredRatio(), plot.elements()[0].ratio);
    // 201 columns over 4 decades: 51 samples a decade.
    EXPECT_EQ(204, plot.elements()[0].line(BodeLineKind::Phase).curve().points().count());

    t1.setName(labelUnit("T1b"));
    plot.update();
    EXPECT_EQ(t1.factoredRatio(), plot.elements()[0].ratio);
    const BodePlotDialogData renamed = BodePlotDialogData::from(plot);
    EXPECT_EQ(labelUnit("T1b"), renamed.rows[0].name);
    EXPECT_FALSE(renamed.rows[0].hasShownLine());
}
