#include "toolstestsupport.h"

#include <tools/compndsig.h>
#include <tools/compndsigdialogdata.h>
#include <tools/graph/graphmarkerdialogdata.h>
#include <tools/graph/tgraphparamdialogdata.h>
#include <tools/graph/tpepdialogdata.h>
#include <tools/impulse.h>
#include <tools/impulsedialogdata.h>
#include <tools/signal.h>
#include <tools/signaldialogdata.h>
#include <tools/signalexportdata.h>

#include <common/drawcolors.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using P = CompndSig::Parameters;

std::unique_ptr<Signal> placedSignal()
{
    auto signal = std::make_unique<Signal>();
    signal->place({0, 0}, {20, 100}, nullptr);
    return signal;
}

} // namespace

// OK stores the name cut to 62 characters and normalized, the window texts as numbers, the
// flags, and copies of the working elements; then the curve is resampled.
TEST(SignalDialog, OkStoresEverythingAndResamples)
{
    const auto signalOwner = placedSignal();
    Signal &signal = *signalOwner;
    ScriptedToolDialogs dialogs;
    dialogs.signal = [](SignalDialogData &data) {
        data.name = "  In" + std::string(70, 'x');
        data.start = "1.5s";
        data.end = "abc";
        data.periodic = true;
        data.autoSample = false;
        return true;
    };
    dialogs.compndSig = [](CompndSigDialogData &data) {
        data.fields = {"0", "2", "0", "0", "0", "0"};
        return true;
    };
    dialogs.signal = [inner = dialogs.signal, &dialogs](SignalDialogData &data) {
        data.addCompound(dialogs);
        return inner(data);
    };
    ASSERT_TRUE(signal.editParameters(dialogs));
    // 62 characters read back, then the leading blanks go.
    EXPECT_EQ(60u, signal.name().length());
    EXPECT_EQ("In", std::string(signal.name().view().substr(0, 2)));
    EXPECT_EQ(labelUnit("1.5"), signal.start());
    EXPECT_EQ(labelUnit("0"), signal.end());
    EXPECT_TRUE(signal.isPeriodic());
    EXPECT_FALSE(signal.autoSample());
    ASSERT_EQ(1, signal.elements().count());
    EXPECT_EQ(2.0, signal.value(1.0));
    EXPECT_EQ(21, signal.curve().points().count());
    EXPECT_TRUE(signal.line().shown);
    EXPECT_EQ(DrawColors::current().screen(ColorRole::GraphDefaultLine), signal.line().colour);
}

TEST(SignalDialog, CancelLeavesTheSignalAlone)
{
    const auto signalOwner = placedSignal();
    Signal &signal = *signalOwner;
    signal.appendElement(std::make_unique<Impulse>());
    ScriptedToolDialogs dialogs;
    dialogs.signal = [&dialogs](SignalDialogData &data) {
        data.deleteCurrent();
        data.addImpulse(dialogs);
        return false;
    };
    EXPECT_FALSE(signal.editParameters(dialogs));
    EXPECT_EQ(1, signal.elements().count());
    EXPECT_FALSE(signal.line().shown);
}

// New elements stay even when their dialog is cancelled; deleting keeps the current index
// inside the list; the label counts from 1.
TEST(SignalDialog, ElementListFollowsAddDeleteAndSelect)
{
    Signal signal;
    ScriptedToolDialogs dialogs;
    SignalDialogData data = SignalDialogData::from(signal);
    EXPECT_EQ("Signal Element 0 of 0", data.elementLabel());
    data.deleteCurrent();
    EXPECT_FALSE(data.editCurrent(dialogs));
    data.addImpulse(dialogs);
    data.addCompound(dialogs);
    data.addImpulse(dialogs);
    EXPECT_EQ(3, dialogs.opened);
    EXPECT_EQ("Signal Element 3 of 3", data.elementLabel());
    data.select(1);
    EXPECT_NE(nullptr, dynamic_cast<const CompndSig *>(data.elements()[data.current()]));
    data.select(7);
    EXPECT_EQ(2, data.current());
    data.deleteCurrent();
    EXPECT_EQ("Signal Element 2 of 2", data.elementLabel());
    data.select(0);
    data.deleteCurrent();
    data.deleteCurrent();
    EXPECT_EQ("Signal Element 0 of 0", data.elementLabel());
}

TEST(SignalDialog, PreviewsSampleTheWorkingElements)
{
    Signal signal;
    signal.setWindow(textDouble(0.0), textDouble(1.0));
    signal.appendElement(std::make_unique<CompndSig>(P{0.0, 1.0, 0.0, 0.0, 0.0, 0.0}));
    signal.appendElement(std::make_unique<CompndSig>(P{0.0, 2.0, 0.0, 0.0, 0.0, 0.0}));
    SignalDialogData data = SignalDialogData::from(signal);
    data.select(1);
    const auto all = data.signalPreview({0, 0, 10, 50});
    const auto one = data.elementPreview({0, 0, 10, 50});
    EXPECT_EQ(11, all->curve().points().count());
    EXPECT_EQ(3.0, all->curve().maximum());
    EXPECT_EQ(2.0, one->curve().maximum());
}

// The line dialog without "Show Line" keeps the line shown; the graph dialog keeps the kind of
// horizontal axis and cuts its texts to 62 characters.
TEST(SignalDialog, LineAndGraphDialogsEditTheWorkingCopies)
{
    Signal signal;
    SignalDialogData data = SignalDialogData::from(signal);
    ScriptedToolDialogs dialogs;
    dialogs.plotLine = [](TPEPDialogData &line) {
        EXPECT_FALSE(line.hasShowLine);
        line.line.shown = false;
        line.line.style = 2;
        line.line.title = labelUnit("ignored");
        return true;
    };
    dialogs.graphParam = [](TGraphParamDialogData &graph) {
        EXPECT_EQ("time [s]", graph.horizontalLabel);
        graph.leftLabel = std::string(80, 'v');
        graph.leftMaximum = "5V";
        graph.flags.leftAutoRange = false;
        graph.flags.linearHorizontalAxis = false;
        return true;
    };
    ASSERT_TRUE(data.editLine(dialogs));
    ASSERT_TRUE(data.editGraph(dialogs));
    EXPECT_TRUE(data.line.shown);
    EXPECT_EQ(2, data.line.style);
    EXPECT_TRUE(data.line.title.isEmpty());
    EXPECT_EQ(62u, data.graph.leftLabel.length());
    EXPECT_EQ(labelUnit("5"), data.graph.leftMaximum);
    EXPECT_FALSE(data.graph.leftAutoRange);
    EXPECT_TRUE(data.graph.linearHorizontalAxis);
}

TEST(ElementDialogs, ShowAllDigitsAndReadDecimalText)
{
    Impulse impulse(0.1, 1.0 / 3.0);
    ImpulseDialogData data = ImpulseDialogData::from(impulse);
    EXPECT_EQ("0.10000000000000001", data.start);
    EXPECT_EQ("0.33333333333333331", data.magnitude);
    data.start = " 2.5e-3 s";
    data.magnitude = "none";
    data.applyTo(impulse);
    EXPECT_EQ(2.5e-3, impulse.startTime());
    EXPECT_EQ(0.0, impulse.magnitude());

    CompndSig element(P{1, 2, 3, 4, 5, 6});
    CompndSigDialogData fields = CompndSigDialogData::from(element);
    EXPECT_EQ("6", fields.fields[5]);
    fields.fields[2] = "0.5";
    EXPECT_EQ(0.5, fields.preview().parameters().r);
    EXPECT_EQ(3.0, element.parameters().r);
    fields.applyTo(element);
    EXPECT_EQ((P{1, 2, 0.5, 4, 5, 6}), element.parameters());
}

TEST(SignalExport, FieldsStartFromTheSignalAndBoundTheRows)
{
    Signal signal;
    signal.setName(labelUnit("V"));
    signal.setWindow(textDouble("0.5"), textDouble("2"));
    ScriptedToolDialogs dialogs;
    std::string text;
    dialogs.signalExport = [&](SignalExportData &data) {
        EXPECT_EQ("0.5", data.start);
        EXPECT_EQ("2", data.end);
        EXPECT_EQ("100", data.dataPoints);
        data.dataPoints = "2 rows";
        text = data.text();
    };
    EXPECT_TRUE(signal.exportData(dialogs));
    EXPECT_EQ("time,V\n0.5, 0\n2, 0\n", text);
    SignalExportData data = SignalExportData::from(signal);
    data.dataPoints = "-5";
    EXPECT_EQ("time,V\n", data.text());
    data.dataPoints = "99999999999999999999";
    const std::string bounded = data.text();
    EXPECT_EQ(SignalExportData::maxDataPoints + 1,
              std::count(bounded.begin(), bounded.end(), '\n'));
}

// Markers are added only when their dialog is confirmed; the list shows their labels.
TEST(PlotLineDialog, MarkersAreAddedEditedAndDeleted)
{
    TPElemParam line(labelUnit("out"), Color{9, 9, 9});
    TPEPDialogData data = TPEPDialogData::from(line, true);
    ScriptedToolDialogs dialogs;
    EXPECT_FALSE(data.addMarker(dialogs));
    dialogs.marker = [](GraphMarkerDialogData &marker) {
        marker.kind = GraphMarker::FindValue;
        marker.position = "2";
        marker.target = "0.5";
        return true;
    };
    EXPECT_TRUE(data.addMarker(dialogs));
    dialogs.marker = [](GraphMarkerDialogData &marker) {
        marker.kind = 9;
        marker.labelRow = 5;
        marker.labelSide = -7;
        marker.position = "x";
        return true;
    };
    EXPECT_TRUE(data.addMarker(dialogs));
    EXPECT_FALSE(data.editMarker(dialogs, 5));
    EXPECT_EQ((std::vector<std::string>{"Position at 0.5 near 2", "Value at 0"}),
              data.markerLabels());
    const GraphMarker &second = data.line.markers[1];
    EXPECT_EQ(GraphMarker::lowerRow, second.labelRow);
    EXPECT_EQ(GraphMarker::leftSide, second.labelSide);
    data.line.shown = true;
    data.deleteMarker(0);
    data.applyTo(line);
    EXPECT_TRUE(line.shown);
    ASSERT_EQ(1, line.markers.count());
    EXPECT_EQ(GraphMarker::ValueAt, line.markers[0].kind);
}
