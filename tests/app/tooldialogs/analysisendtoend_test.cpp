// Whole analyses of the RC low-pass as a user does them in the desktop program: tools placed
// from the palette, set up through their dialogs, read from the sheet and exported.

#include "../apptestsupport.h"
#include "tooldialogtestsupport.h"

#include <editor/paletteentry.h>
#include <palettetoolbar.h>
#include <tcircuitview.h>
#include <tdocmanager.h>
#include <tooldialogs/bodeplotdialog.h>
#include <tooldialogs/bpepdialog.h>
#include <tooldialogs/compndsigdialog.h>
#include <tooldialogs/graphmarkerdialog.h>
#include <tooldialogs/signaldialog.h>
#include <tooldialogs/timeplotdataexportdialog.h>
#include <tooldialogs/timeplotdialog.h>
#include <tooldialogs/tpepdialog.h>
#include <tooldialogs/tranfuncdialog.h>
#include <tzenodynedecmdiframe.h>

#include <tools/bodeplot.h>
#include <tools/timeplot.h>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class AnalysisEndToEnd : public testing::Test
{
protected:
    AnalysisEndToEnd()
    {
        fixture.app().docManager().open(exampleFile("rc-lowpass.crc"));
        view = fixture.activeView();
    }

    // Chooses the palette entry, arms the script for the tool's dialog and drags the frame.
    template<typename Dialog>
    void place(PaletteEntry entry, QRect frame, std::function<void(Dialog &)> script)
    {
        fixture.app().frame().paletteToolBar().actionFor(entry)->trigger();
        onNextDialog<Dialog>(std::move(script));
        dragMouse(view->viewport(), frame.topLeft(), frame.bottomRight());
    }

    // The transfer-function tool "H" = Vout / V1 in the lower right corner.
    void placeTransferFunction()
    {
        const QPoint corner = view->viewport()->rect().bottomRight();
        place<TranFuncDialog>(
            PaletteEntry::TransferFunction,
            QRect(corner - QPoint(300, 100), corner - QPoint(20, 20)), [](TranFuncDialog &dialog) {
                dialog.nameEdit().setText("H");
                dialog.sourceBox().setCurrentIndex(dialog.sourceBox().findText("V1"));
                dialog.equationEdit().setPlainText("Vout");
                dialog.accept();
            });
    }

    // A frame of the lower left quarter of the view, below the circuit.
    QRect lowerLeft() const
    {
        const QSize size = view->viewport()->size();
        return QRect(QPoint(10, size.height() / 2), QPoint(size.width() / 2, size.height() - 10));
    }

    AppFixture fixture;
    TCircuitView *view = nullptr;
};

// A Bode plot of H over 10^3 ... 10^5 rad/s whose magnitude line carries a marker that finds
// -3 dB from 10^4 rad/s on: it lands where 20 log10 |1 / (1 + jω / 10^4)| = -3.
TEST_F(AnalysisEndToEnd, BodePlotFindsTheMinus3DecibelPoint)
{
    ASSERT_NE(view, nullptr);
    placeTransferFunction();
    place<BodePlotDialog>(PaletteEntry::BodePlot, lowerLeft(), [](BodePlotDialog &dialog) {
        dialog.nameEdit().setText("Bode");
        dialog.startDecadeEdit().setText("3");
        dialog.decadesEdit().setText("2");
        onNextDialog<BPEPDialog>([](BPEPDialog &lines) {
            onNextDialog<TPEPDialog>([](TPEPDialog &line) {
                line.showLineBox().setChecked(true);
                onNextDialog<GraphMarkerDialog>([](GraphMarkerDialog &marker) {
                    marker.kindButtons().button(1)->click();
                    marker.positionEdit().setText("4");
                    marker.targetEdit().setText("-3");
                    marker.accept();
                });
                clickButton(&line.addButton());
                line.accept();
            });
            clickButton(&lines.lineButton(BodeLineKind::Magnitude));
            lines.accept();
        });
        ASSERT_EQ(dialog.transferList().topLevelItem(0)->text(0), "H");
        doubleClickRow(dialog.transferList(), 0);
        dialog.accept();
    });

    const BodePlot &plot = toolOf<BodePlot>(view->document());
    ASSERT_EQ(plot.elements().count(), 1);
    const BodeLine &magnitude = plot.elements()[0].line(BodeLineKind::Magnitude);
    EXPECT_FALSE(magnitude.curve().points().isEmpty());
    ASSERT_EQ(magnitude.parameters().markers.count(), 1);
    const GraphMarker &marker = magnitude.parameters().markers[0];
    EXPECT_EQ(marker.kind, GraphMarker::FindValue);
    EXPECT_NEAR(marker.x, std::log10(1e4 * std::sqrt(std::pow(10.0, 0.3) - 1)), 1e-7);
    EXPECT_NEAR(marker.y, -3, 1e-7);
    EXPECT_TRUE(view->document().messages().isEmpty());
}

// A signal "Step" (a unit step at 0) at V1 and a time plot of Vout over 0 ... 0.5 ms: its
// data export is, character for character, what zenodyne-cli response writes for the circuit.
TEST_F(AnalysisEndToEnd, TimePlotExportEqualsTheCommandLinesResponse)
{
    ASSERT_NE(view, nullptr);
    const QRect signalFrame = lowerLeft();
    place<SignalDialog>(PaletteEntry::InputSignal, signalFrame, [](SignalDialog &dialog) {
        dialog.nameEdit().setText("Step");
        onNextDialog<CompndSigDialog>([](CompndSigDialog &element) {
            for (std::size_t i = 0; i < 6; ++i)
                element.field(i).setText(i == 1 ? "1" : "0");
            element.accept();
        });
        clickButton(&dialog.addCompoundButton());
        dialog.accept();
    });
    const QPoint corner = view->viewport()->rect().bottomRight();
    const QRect plotFrame(QPoint(signalFrame.right() + 20, signalFrame.top()),
                          corner - QPoint(10, 10));
    place<TimePlotDialog>(PaletteEntry::OutputSignal, plotFrame, [](TimePlotDialog &dialog) {
        dialog.nameEdit().setText("Response");
        dialog.startEdit().setText("0");
        dialog.endEdit().setText("0.0005");
        const QList<QListWidgetItem *> vout
            = dialog.outputList().findItems("Vout", Qt::MatchExactly);
        ASSERT_EQ(vout.size(), 1);
        onNextDialog<TPEPDialog>([](TPEPDialog &line) {
            line.showLineBox().setChecked(true);
            line.accept();
        });
        doubleClickRow(dialog.outputList(), dialog.outputList().row(vout.front()));
        dialog.sourceList().setCurrentItem(dialog.sourceList().topLevelItem(0));
        const int step = dialog.signalBox().findText("Step");
        dialog.signalBox().setCurrentIndex(step);
        emit dialog.signalBox().activated(step);
        dialog.accept();
    });
    const TimePlot &plot = toolOf<TimePlot>(view->document());
    ASSERT_EQ(plot.outputCurves().size(), 1u);

    // "Export Data..." of the object menu on the plot.
    view->editor().rightClick({plotFrame.center().x(), plotFrame.center().y()});
    onNextDialog<TimePlotDataExportDialog>([](TimePlotDataExportDialog &dialog) {
        dialog.dataPointsEdit().setText("11");
        clickButton(&dialog.copyButton());
        clickButton(&dialog.doneButton());
    });
    view->run(ObjectCommand::ExportData);
    const QString exported = QGuiApplication::clipboard()->text();

    QProcess cli;
    cli.start(ZENODYNE_CLI, {"response", exampleFile("rc-lowpass.crc"), "--source", "V1",
                             "--output", "Vout", "--signal", "compound:0:1:0:0:0:0", "--start", "0",
                             "--end", "0.0005", "--points", "11"});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_EQ(exported, QString::fromUtf8(cli.readAllStandardOutput()));
    EXPECT_TRUE(exported.startsWith("time, Vout\n0, 0\n5e-05, 0.393469\n"))
        << exported.toStdString();
}

} // namespace
