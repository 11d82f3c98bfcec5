#include "tooldialogtestsupport.h"

#include <tooldialogs/bodeplotdialog.h>
#include <tooldialogs/bpepdialog.h>
#include <tooldialogs/qttooldialogs.h>
#include <tooldialogs/tpepdialog.h>
#include <tooldialogs/tshowlinectrl.h>

#include <tools/bodeplot.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class BodePlotDialogTest : public testing::Test
{
protected:
    BodePlotDialogTest()
        : document(openExample("rlc-bandpass.crc"))
        , data(BodePlotDialogData::from(toolOf<BodePlot>(*document)))
    {
    }

    // Double-clicks a row of the list and, in its line dialog, switches the phase line on in
    // degrees with the magnitude in "10Log".
    static void showPhaseInDegrees(BodePlotDialog &dialog, int row)
    {
        onNextDialog<BPEPDialog>([](BPEPDialog &lines) {
            lines.magnitudeButtons().button(1)->click();
            lines.phaseButtons().button(1)->click();
            onNextDialog<TPEPDialog>([](TPEPDialog &line) {
                line.showLineBox().setChecked(true);
                line.accept();
            });
            clickButton(&lines.lineButton(BodeLineKind::Phase));
            EXPECT_TRUE(lines.sample(BodeLineKind::Phase).hasLine());
            lines.accept();
        });
        doubleClickRow(dialog.transferList(), row);
    }

    std::unique_ptr<TCircuitDocument> document;
    BodePlotDialogData data;
    QtToolDialogs dialogs;
};

TEST_F(BodePlotDialogTest, ListsTheTransferFunctionsWithSamplesOfTheirShownLines)
{
    BodePlotDialog dialog(data, dialogs);
    showDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Bode Plot Parameters");
    EXPECT_EQ(dialog.nameEdit().text(), "Bode");
    EXPECT_EQ(dialog.startDecadeEdit().text(), QString::fromStdString(data.startDecade));
    QTreeWidget &list = dialog.transferList();
    EXPECT_EQ(list.headerItem()->text(1), "Magnitude");
    EXPECT_EQ(list.headerItem()->text(4), "Imaginary");
    ASSERT_EQ(list.topLevelItemCount(), 2);
    EXPECT_EQ(list.topLevelItem(0)->text(0), "TF");
    EXPECT_EQ(list.topLevelItem(1)->text(0), "TF2");
    for (int row = 0; row < 2; ++row) {
        for (int column = 1; column <= 4; ++column) {
            const bool shown = data.shownLine(row, bodeLineKinds[column - 1]) != nullptr;
            EXPECT_EQ(!list.topLevelItem(row)->icon(column).isNull(), shown) << row << column;
        }
    }
}

TEST_F(BodePlotDialogTest, OkStoresTheFieldsAndTheRowsEditedThroughTheLineDialogs)
{
    BodePlotDialog dialog(data, dialogs);
    showDialog(dialog);
    showPhaseInDegrees(dialog, 1);
    EXPECT_FALSE(dialog.transferList().topLevelItem(1)->icon(2).isNull());
    dialog.nameEdit().setText("Response");
    dialog.startDecadeEdit().setText("-1");
    dialog.decadesEdit().setText("4");
    clickButton(&dialog.hertzButton());
    dialog.accept();

    EXPECT_EQ(data.name, "Response");
    EXPECT_EQ(data.startDecade, "-1");
    EXPECT_EQ(data.decades, "4");
    EXPECT_FALSE(data.radiansPerSecond);
    const BPElemParam &row = data.rows[1];
    EXPECT_EQ(row.magnitudeMode, BPElemParam::TenLog);
    EXPECT_EQ(row.phaseMode, BPElemParam::Degrees);
    EXPECT_TRUE(row.line(BodeLineKind::Phase).parameters().shown);
    EXPECT_STREQ(row.line(BodeLineKind::Phase).parameters().title.text(), "TF2 Phase Plot");
}

TEST_F(BodePlotDialogTest, CancelStoresNothingEvenAfterRowEdits)
{
    const BodePlotDialogData before = data;
    BodePlotDialog dialog(data, dialogs);
    showDialog(dialog);
    showPhaseInDegrees(dialog, 0);
    dialog.decadesEdit().setText("9");
    dialog.reject();
    EXPECT_EQ(data.decades, before.decades);
    EXPECT_EQ(data.rows[0].phaseMode, before.rows[0].phaseMode);
    EXPECT_EQ(data.rows[0].line(BodeLineKind::Phase).parameters(),
              before.rows[0].line(BodeLineKind::Phase).parameters());
}

} // namespace
