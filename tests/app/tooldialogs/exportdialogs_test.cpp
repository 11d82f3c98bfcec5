#include "tooldialogtestsupport.h"

#include <filepaths.h>
#include <tooldialogs/bodeplotdataexportdialog.h>
#include <tooldialogs/signalplotdataexportdialog.h>
#include <tooldialogs/timeplotdataexportdialog.h>
#include <tooldialogs/transfuncextendedviewdialog.h>
#include <tooldialogs/transfunctextexportdialog.h>

#include <support/tempfolder.h>

#include <tools/bodeplot.h>
#include <tools/bodeplotexportdata.h>
#include <tools/signal.h>
#include <tools/signalexportdata.h>
#include <tools/timeplot.h>
#include <tools/timeplotexportdata.h>
#include <tools/transfuncextendedviewdata.h>
#include <tools/transfunctextexportdata.h>

#include <common/filebytes.h>

#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::string fileText(const std::filesystem::path &path)
{
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(path, bytes).empty())
        return "(unreadable)";
    return {bytes.begin(), bytes.end()};
}

class ExportDialogTest : public testing::Test
{
protected:
    // Saves through the dialog's button and copies through the other; answers the saved text,
    // which must equal the clipboard's.
    std::string saveAndCopy(TextExportDialog &dialog, const char *name = "export.txt")
    {
        prompts.fileName = FilePaths::toQString(folder.file(name));
        clickButton(&dialog.saveButton());
        QGuiApplication::clipboard()->clear();
        clickButton(&dialog.copyButton());
        const std::string saved = fileText(folder.file(name));
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), saved);
        return saved;
    }

    TempFolder folder;
    ScriptedExportPrompts prompts;
};

TEST_F(ExportDialogTest, TransferFunctionTextInTheChosenSyntax)
{
    const auto document = openExample("rc-lowpass-bode.crc");
    TransFuncTextExportData data;
    data.tool = &toolOf<TransFunc>(*document);
    TransFuncTextExportDialog dialog(data, prompts);
    showDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Export Text from Transfer Function");
    EXPECT_EQ(dialog.saveButton().text(), "Save Text As...");
    EXPECT_EQ(dialog.copyButton().text(), "Copy Text");
    EXPECT_EQ(dialog.syntaxButtons().checkedButton()->text(), "Cn*s^n");
    EXPECT_EQ(saveAndCopy(dialog), "TF = ( 10000 )/( 10000 + 1*s )");
    EXPECT_EQ(prompts.captions, QStringList{"Save Text As..."});

    dialog.syntaxButtons().button(3)->click();
    EXPECT_EQ(saveAndCopy(dialog), "TF = ( 10000 )/( 10000,1 )");
    ASSERT_EQ(dialog.syntaxButtons().buttons().count(), 7);
    EXPECT_EQ(dialog.syntaxButtons().button(6)->text(), "MATLAB/Octave (tf)");
    dialog.syntaxButtons().button(6)->click();
    EXPECT_EQ(saveAndCopy(dialog), "TF = tf([10000], [1, 10000]);");
    clickButton(&dialog.doneButton());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ExportDialogTest, BodeDataFromTheFieldsAsTheyStand)
{
    const auto document = openExample("rc-lowpass-bode.crc");
    BodePlotExportData data = BodePlotExportData::from(toolOf<BodePlot>(*document));
    BodePlotDataExportDialog dialog(data, prompts);
    showDialog(dialog);
    EXPECT_EQ(dialog.dataPointsEdit().text(), "100");
    EXPECT_TRUE(dialog.logFrequencyButton().isChecked());
    dialog.startDecadeEdit().setText("3");
    dialog.decadesEdit().setText("2");
    dialog.dataPointsEdit().setText("3");
    clickButton(&dialog.radiansButton());
    clickButton(&dialog.frequencyButton());
    // The pole at 1e4 rad/s: -3.0103 dB and -45 degrees there.
    EXPECT_EQ(saveAndCopy(dialog), "rad/s,TF.Magnitude,TF.Phase\n"
                                   "1000,-0.0432137,-5.71059\n"
                                   "10000,-3.0103,-45\n"
                                   "100000,-20.0432,-84.2894\n");
}

TEST_F(ExportDialogTest, SavingReplacesAnExistingFileWhole)
{
    const auto document = openExample("sallen-key-lowpass.crc");
    TimePlotExportData data = TimePlotExportData::from(toolOf<TimePlot>(*document));
    TimePlotDataExportDialog dialog(data, prompts);
    showDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Export Data from Time Domain Plot");
    const std::string old(5000, 'x');
    ASSERT_TRUE(
        writeFileAtomically(folder.file("export.txt"),
                            {reinterpret_cast<const std::uint8_t *>(old.data()), old.size()})
            .empty());
    dialog.dataPointsEdit().setText("2");
    const std::string saved = saveAndCopy(dialog);
    EXPECT_EQ(saved.substr(0, saved.find('\n')), "time, Vout");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 3);
    EXPECT_EQ(saved, data.text());
}

TEST_F(ExportDialogTest, AFailedSaveIsReportedAndACancelledOneWritesNothing)
{
    Signal signal;
    signal.setName(labelUnit("S"));
    SignalExportData data = SignalExportData::from(signal);
    SignalPlotDataExportDialog dialog(data, prompts);
    showDialog(dialog);
    prompts.fileName = FilePaths::toQString(folder.file("missing") / "export.txt");
    clickButton(&dialog.saveButton());
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith("The data could not be saved to "));

    prompts.fileName.clear();
    clickButton(&dialog.saveButton());
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(folder.entries().empty());
}

TEST(TransFuncExtendedViewDialog, ShowsTheTextsOfTheRoots)
{
    TransFuncExtendedViewData data;
    data.name = "TF";
    data.lastEvaluation = "Wed Dec  9 08:00:00 2026";
    data.numeratorAccuracy = "Numerator Root Accuracy : 0.00000000e+00";
    data.denominatorAccuracy = "Denominator Root Accuracy : 1.00000000e-16";
    data.denominatorRoots = {"(-1.00000000e+04, 0.00000000e+00)^1"};
    data.cancelledNumeratorRoots = {"(-1.00000000e+00, 0.00000000e+00)^1"};
    TransFuncExtendedViewDialog dialog(data);
    showDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Transfer Function Extended View");
    EXPECT_EQ(dialog.nameLabel().text(), "TF");
    EXPECT_EQ(dialog.evaluationLabel().text(), "Wed Dec  9 08:00:00 2026");
    EXPECT_EQ(dialog.denominatorAccuracyLabel().text(),
              "Denominator Root Accuracy : 1.00000000e-16");
    EXPECT_EQ(dialog.numeratorRoots().count(), 0);
    EXPECT_EQ(dialog.cancelledNumeratorRoots().item(0)->text(),
              "(-1.00000000e+00, 0.00000000e+00)^1");
    ASSERT_EQ(dialog.denominatorRoots().count(), 1);
    EXPECT_EQ(dialog.denominatorRoots().item(0)->text(), "(-1.00000000e+04, 0.00000000e+00)^1");
    EXPECT_EQ(dialog.cancelledDenominatorRoots().count(), 0);
}

} // namespace
