#include "../apptestsupport.h"
#include "tooldialogtestsupport.h"

#include <editor/paletteentry.h>
#include <messageview.h>
#include <palettetoolbar.h>
#include <tcircuitview.h>
#include <tdocmanager.h>
#include <tooldialogs/tranfuncdialog.h>
#include <tzenodynedecmdiframe.h>

#include <tools/tranfuncdialogdata.h>
#include <tools/transfunc.h>

#include <model/passcomp.h>
#include <model/tcircuitdocument.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TranFuncDialogData sampleData()
{
    TranFuncDialogData data;
    data.name = "H";
    data.outputEquation = "Va-";
    data.outputLabels = {"Va", "Vb"};
    data.inputSources = {"V1", "I2"};
    data.selectedSource = 1;
    data.showOI = false;
    return data;
}

TEST(TranFuncDialog, ShowsTheToolsFieldsAndOkStoresTheEdits)
{
    TranFuncDialogData data = sampleData();
    TranFuncDialog dialog(data);
    showDialog(dialog);
    EXPECT_EQ(dialog.nameEdit().text(), "H");
    EXPECT_EQ(dialog.nameEdit().maxLength(), 63);
    EXPECT_EQ(dialog.equationEdit().toPlainText(), "Va-");
    ASSERT_EQ(dialog.labelList().count(), 2);
    EXPECT_EQ(dialog.labelList().item(1)->text(), "Vb");
    EXPECT_EQ(dialog.sourceBox().currentText(), "I2");
    EXPECT_FALSE(dialog.showOIBox().isChecked());
    EXPECT_TRUE(dialog.showSDomainBox().isChecked());

    dialog.nameEdit().clear();
    QTest::keyClicks(&dialog.nameEdit(), "Gain");
    // "<<" puts the chosen label at the caret, which then stands after it.
    dialog.equationEdit().moveCursor(QTextCursor::End);
    dialog.labelList().setCurrentRow(1);
    clickButton(&dialog.insertButton());
    dialog.equationEdit().moveCursor(QTextCursor::Start);
    dialog.labelList().setCurrentRow(0);
    clickButton(&dialog.insertButton());
    QTest::keyClicks(&dialog.equationEdit(), "+");
    dialog.sourceBox().setCurrentIndex(0);
    clickButton(&dialog.showOIBox());
    clickButton(&dialog.showSDomainBox());
    dialog.accept();

    EXPECT_EQ(data.name, "Gain");
    EXPECT_EQ(data.outputEquation, "Va+Va-Vb");
    EXPECT_EQ(data.selectedSource, 0);
    EXPECT_TRUE(data.showOI);
    EXPECT_FALSE(data.showSDomain);
}

TEST(TranFuncDialog, CancelStoresNothing)
{
    TranFuncDialogData data = sampleData();
    TranFuncDialog dialog(data);
    showDialog(dialog);
    QTest::keyClicks(&dialog.nameEdit(), "x");
    QTest::keyClicks(&dialog.equationEdit(), "Vb");
    dialog.sourceBox().setCurrentIndex(0);
    dialog.reject();
    EXPECT_EQ(data.name, "H");
    EXPECT_EQ(data.outputEquation, "Va-");
    EXPECT_EQ(data.selectedSource, 1);
}

// A user places a transfer-function tool on the RC low-pass (1 kOhm, 0.1 uF), picks the
// source and types the output tag in its dialog: the tool shows 1e4 / (s + 1e4).
TEST(TranFuncDialog, PlacedOnTheRcLowPassItEvaluatesTheChosenOutput)
{
    AppFixture fixture;
    fixture.app().docManager().open(exampleFile("rc-lowpass.crc"));
    TCircuitView *view = fixture.activeView();
    ASSERT_NE(view, nullptr);
    fixture.app().frame().paletteToolBar().actionFor(PaletteEntry::TransferFunction)->trigger();
    onNextDialog<TranFuncDialog>([](TranFuncDialog &dialog) {
        QTest::keyClicks(&dialog.nameEdit(), "H");
        dialog.sourceBox().setCurrentIndex(dialog.sourceBox().findText("V1"));
        QTest::keyClicks(&dialog.equationEdit(), "Vout");
        dialog.accept();
    });
    const QPoint corner = view->viewport()->rect().bottomRight();
    dragMouse(view->viewport(), corner - QPoint(300, 120), corner - QPoint(20, 20));

    const TCircuitDocument &document = view->document();
    ASSERT_EQ(document.tools().count(), 1);
    const auto &tool = dynamic_cast<const TransFunc &>(*document.tools()[0]);
    EXPECT_STREQ(tool.inputSource().text(), "V1");
    EXPECT_EQ(tool.formulaText(TransFunc::TextSyntax::PowerCaret), "H = ( 10000 )/( 10000 + 1*s )");
    EXPECT_TRUE(document.messages().isEmpty());
}

QStringList messageLines(TZenodyneDecMDIFrame &frame, const TCircuitDocument &document)
{
    QStringList lines;
    if (const MessageView *view = frame.messageViewFor(document)) {
        for (int row = 0; row < view->count(); ++row)
            lines.append(view->item(row)->text());
    }
    return lines;
}

// An evaluation that fails, through a bad equation or a faulty circuit, lists its messages in
// the message view and leaves the tool at 0 / 1 without roots; a good one lists none.
TEST(TranFuncDialog, AFailedEvaluationShowsItsMessagesAndResetsTheTool)
{
    AppFixture fixture;
    TZenodyneDecMDIFrame &frame = fixture.app().frame();
    TCircuitDocument &document = *fixture.app().docManager().open(exampleFile("rc-lowpass.crc"));
    TCircuitView *view = fixture.activeView();
    ASSERT_NE(view, nullptr);
    frame.paletteToolBar().actionFor(PaletteEntry::TransferFunction)->trigger();
    const auto typeEquation = [](const char *equation) {
        onNextDialog<TranFuncDialog>([equation](TranFuncDialog &dialog) {
            dialog.nameEdit().setText("H");
            dialog.sourceBox().setCurrentIndex(dialog.sourceBox().findText("V1"));
            dialog.equationEdit().setPlainText(equation);
            dialog.accept();
        });
    };
    typeEquation("Vout+");
    const QPoint corner = view->viewport()->rect().bottomRight();
    dragMouse(view->viewport(), corner - QPoint(300, 120), corner - QPoint(20, 20));
    const auto tool = [&]() -> const TransFunc & { return toolOf<TransFunc>(document); };
    EXPECT_EQ(messageLines(frame, document), QStringList{"Incorrect equation syntax"});
    EXPECT_EQ(tool().formulaText(TransFunc::TextSyntax::PowerCaret), "H = ( 0 )/( 1 )");

    typeEquation("Vout");
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, corner - QPoint(150, 70));
    EXPECT_EQ(messageLines(frame, document), QStringList{});
    EXPECT_EQ(tool().formulaText(TransFunc::TextSyntax::PowerCaret),
              "H = ( 10000 )/( 10000 + 1*s )");
    EXPECT_EQ(tool().denominatorRoots().count(), 1);

    for (Component *component : document.components()) {
        if (auto *resistor = dynamic_cast<PassComp *>(component);
            resistor && resistor->name() == labelUnit("R1"))
            resistor->setValue(textDouble(0.0));
    }
    document.circuitEdited();
    typeEquation("Vout");
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, corner - QPoint(150, 70));
    EXPECT_EQ(messageLines(frame, document), QStringList{"Resistor R1 has null value"});
    EXPECT_EQ(tool().formulaText(TransFunc::TextSyntax::PowerCaret), "H = ( 0 )/( 1 )");
    EXPECT_EQ(tool().denominatorRoots().count(), 0);
}

} // namespace
