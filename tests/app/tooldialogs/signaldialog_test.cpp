#include "tooldialogtestsupport.h"

#include <tooldialogs/compndsigdialog.h>
#include <tooldialogs/impulsedialog.h>
#include <tooldialogs/qttooldialogs.h>
#include <tooldialogs/signaldialog.h>

#include <tools/compndsig.h>
#include <tools/impulse.h>
#include <tools/impulsedialogdata.h>
#include <tools/signal.h>
#include <tools/signaldialogdata.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using P = CompndSig::Parameters;

TEST(SignalDialog, AddsEditsAndDeletesElementsAndOkStoresTheFields)
{
    Signal signal;
    signal.setName(labelUnit("In"));
    signal.setWindow(textDouble("0"), textDouble("1"));
    SignalDialogData data = SignalDialogData::from(signal);
    QtToolDialogs dialogs;
    SignalDialog dialog(data, dialogs);
    showDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Signal Designer");
    EXPECT_EQ(dialog.nameEdit().text(), "In");
    EXPECT_EQ(dialog.endEdit().text(), "1");
    EXPECT_EQ(dialog.elementLabel().text(), "Signal Element 0 of 0");
    EXPECT_FALSE(dialog.deleteButton().isEnabled());

    onNextDialog<ImpulseDialog>([](ImpulseDialog &impulse) {
        EXPECT_EQ(impulse.startEdit().text(), "0");
        EXPECT_EQ(impulse.magnitudeEdit().text(), "1");
        impulse.startEdit().setText("0.5");
        impulse.magnitudeEdit().setText("2");
        impulse.accept();
    });
    clickButton(&dialog.addImpulseButton());
    // A compound element stays even when its dialog is cancelled.
    onNextDialog<CompndSigDialog>([](CompndSigDialog &element) { element.reject(); });
    clickButton(&dialog.addCompoundButton());
    EXPECT_EQ(dialog.elementLabel().text(), "Signal Element 2 of 2");
    EXPECT_EQ(dialog.elementBar().value(), 1);

    onNextDialog<CompndSigDialog>([](CompndSigDialog &element) {
        element.field(1).setText("3");
        element.field(3).setText("10");
        element.accept();
    });
    clickButton(&dialog.editButton());
    dialog.elementBar().setValue(0);
    EXPECT_EQ(dialog.elementLabel().text(), "Signal Element 1 of 2");
    clickButton(&dialog.deleteButton());
    EXPECT_EQ(dialog.elementLabel().text(), "Signal Element 1 of 1");

    dialog.nameEdit().setText("Burst");
    dialog.endEdit().setText("2e-3");
    clickButton(&dialog.periodicBox());
    dialog.accept();
    EXPECT_EQ(data.name, "Burst");
    EXPECT_EQ(data.end, "2e-3");
    EXPECT_TRUE(data.periodic);
    ASSERT_EQ(data.elements().count(), 1);
    const auto *left = dynamic_cast<const CompndSig *>(data.elements()[0]);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->parameters(), (P{0, 3, 0, 10, 0, 0}));
}

TEST(SignalDialog, ElementDialogsStoreOnOkOnly)
{
    ImpulseDialogData impulse = ImpulseDialogData::from(Impulse(0.25, 1));
    ImpulseDialog cancelled(impulse);
    showDialog(cancelled);
    cancelled.magnitudeEdit().setText("9");
    cancelled.reject();
    EXPECT_EQ(impulse.magnitude, "1");

    CompndSigDialogData fields = CompndSigDialogData::from(CompndSig(P{1, 2, 3, 4, 5, 6}));
    CompndSigDialog element(fields);
    showDialog(element);
    EXPECT_EQ(element.field(5).text(), "6");
    element.field(2).setText("0.5");
    // "Update Graph" takes the fields into the preview, not into the element.
    clickButton(&element.updateButton());
    EXPECT_EQ(element.previewFields().fields[2], "0.5");
    EXPECT_EQ(fields.fields[2], "3");
    element.accept();
    EXPECT_EQ(fields.fields[2], "0.5");
}

} // namespace
