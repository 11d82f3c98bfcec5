#include "tooldialogtestsupport.h"

#include <tooldialogs/colorbutton.h>
#include <tooldialogs/graphmarkerdialog.h>
#include <tooldialogs/qttooldialogs.h>
#include <tooldialogs/tgraphparamdialog.h>
#include <tooldialogs/tpepdialog.h>
#include <tooldialogs/tshowlinectrl.h>

#include <tools/graph/graphmarkerdialogdata.h>
#include <tools/graph/tgraphparamdialogdata.h>
#include <tools/graph/tpepdialogdata.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TPElemParam markedLine()
{
    TPElemParam line(labelUnit("Vout"), Color{0, 0, 255});
    line.style = 2;
    GraphMarker marker;
    marker.position = "1e4";
    line.markers.append(marker);
    return line;
}

TEST(TPEPDialog, EditsAxisColourStyleShowLineAndMarkers)
{
    QtToolDialogs dialogs;
    TPEPDialogData data = TPEPDialogData::from(markedLine(), true);
    TPEPDialog dialog(data, dialogs);
    showDialog(dialog);
    EXPECT_TRUE(dialog.leftAxisButton().isChecked());
    EXPECT_EQ(dialog.styleBox().currentText(), "Dot");
    EXPECT_EQ(dialog.sample().pen(), markedLine().pen());
    EXPECT_FALSE(dialog.showLineBox().isChecked());
    ASSERT_EQ(dialog.markerList().count(), 1);
    EXPECT_EQ(dialog.markerList().item(0)->text(), "Value at 1e4");

    clickButton(&dialog.showLineBox());
    clickButton(&dialog.rightAxisButton());
    dialog.styleBox().setCurrentIndex(1);
    onNextDialog<QColorDialog>([](QColorDialog &chooser) {
        chooser.setCurrentColor(QColor(200, 10, 20));
        chooser.accept();
    });
    clickButton(&dialog.colorButton());
    EXPECT_EQ(dialog.sample().pen().color, (Color{200, 10, 20}));
    EXPECT_EQ(dialog.sample().pen().style, PenStyle::Dash);

    onNextDialog<GraphMarkerDialog>([](GraphMarkerDialog &marker) {
        marker.positionEdit().setText("2");
        marker.kindButtons().button(GraphMarker::MaximumNear)->click();
        marker.accept();
    });
    clickButton(&dialog.addButton());
    dialog.markerList().setCurrentRow(0);
    clickButton(&dialog.deleteButton());
    ASSERT_EQ(dialog.markerList().count(), 1);
    EXPECT_EQ(dialog.markerList().item(0)->text(), "Maximum near 2");
    // A cancelled marker dialog changes nothing.
    onNextDialog<GraphMarkerDialog>([](GraphMarkerDialog &marker) {
        marker.positionEdit().setText("7");
        marker.reject();
    });
    clickButton(&dialog.editButton());
    dialog.accept();

    EXPECT_TRUE(data.line.shown);
    EXPECT_FALSE(data.line.leftAxis);
    EXPECT_EQ(data.line.style, 1);
    EXPECT_EQ(data.line.colour, (Color{200, 10, 20}));
    ASSERT_EQ(data.line.markers.count(), 1);
    EXPECT_EQ(data.line.markers[0].kind, GraphMarker::MaximumNear);
    EXPECT_STREQ(data.line.markers[0].position.text(), "2");
}

TEST(TPEPDialog, CancelKeepsTheLineAndTheSimpleDialogHasNoShowLine)
{
    QtToolDialogs dialogs;
    TPEPDialogData data = TPEPDialogData::from(markedLine(), true);
    TPEPDialog dialog(data, dialogs);
    showDialog(dialog);
    dialog.styleBox().setCurrentIndex(0);
    dialog.markerList().setCurrentRow(0);
    clickButton(&dialog.deleteButton());
    dialog.reject();
    EXPECT_EQ(data.line, markedLine());

    TPEPDialogData simple = TPEPDialogData::from(markedLine(), false);
    TPEPDialogSimple plain(simple, dialogs);
    showDialog(plain);
    EXPECT_TRUE(plain.findChildren<QCheckBox *>().isEmpty());
}

TEST(GraphMarkerDialog, ShowsTheMarkerAndOkStoresEveryField)
{
    GraphMarkerDialogData data;
    data.position = "3";
    data.target = "-3";
    data.kind = GraphMarker::FindValue;
    GraphMarkerDialog dialog(data);
    showDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Plot Marker Parameters");
    EXPECT_EQ(dialog.kindButtons().checkedId(), GraphMarker::FindValue);
    EXPECT_EQ(dialog.targetEdit().text(), "-3");
    EXPECT_EQ(dialog.rowButtons().checkedButton()->text(), "Upper");
    EXPECT_TRUE(dialog.visibleBox().isChecked());
    EXPECT_FALSE(dialog.horizontalLineBox().isChecked());

    dialog.positionEdit().setText("1e4");
    dialog.targetEdit().setText("-6");
    dialog.rowButtons().button(2)->click();
    dialog.sideButtons().button(0)->click();
    for (QCheckBox *box :
         {&dialog.visibleBox(), &dialog.horizontalLineBox(), &dialog.verticalLineBox(),
          &dialog.showValueBox(), &dialog.showPositionBox()})
        clickButton(box);
    dialog.accept();

    EXPECT_EQ(data.position, "1e4");
    EXPECT_EQ(data.target, "-6");
    EXPECT_EQ(data.kind, GraphMarker::FindValue);
    EXPECT_EQ(data.labelRow, GraphMarker::lowerRow);
    EXPECT_EQ(data.labelSide, GraphMarker::leftSide);
    EXPECT_FALSE(data.visible);
    EXPECT_TRUE(data.lineToHorizontalAxis);
    EXPECT_TRUE(data.lineToVerticalAxis);
    EXPECT_FALSE(data.showValue);
    EXPECT_FALSE(data.showPosition);
}

TEST(TGraphParamDialog, OkStoresLabelsRangesAndFlagsAndCancelNothing)
{
    TGraphParam params(labelUnit("time [s]"));
    params.leftMaximum = textDouble("5");
    TGraphParamDialogData data = TGraphParamDialogData::from(params);
    TGraphParamDialog dialog(data);
    showDialog(dialog);
    EXPECT_EQ(dialog.horizontal().label->text(), "time [s]");
    EXPECT_EQ(dialog.horizontal().minimum, nullptr);
    EXPECT_EQ(dialog.horizontal().autoRange, nullptr);
    EXPECT_EQ(dialog.left().maximum->text(), "5");
    EXPECT_EQ(dialog.left().label->maxLength(), 62);
    EXPECT_TRUE(dialog.left().autoRange->isChecked());
    EXPECT_FALSE(dialog.right().showScale->isChecked());

    TGraphParamDialogData kept = data;
    TGraphParamDialog cancelled(kept);
    showDialog(cancelled);
    cancelled.left().label->setText("ignored");
    cancelled.reject();
    EXPECT_EQ(kept.leftLabel, "");

    dialog.left().label->setText("V");
    dialog.right().minimum->setText("-2");
    clickButton(dialog.left().autoRange);
    clickButton(dialog.right().showScale);
    clickButton(dialog.horizontal().showLines);
    dialog.accept();
    EXPECT_EQ(data.leftLabel, "V");
    EXPECT_EQ(data.rightMinimum, "-2");
    EXPECT_FALSE(data.flags.leftAutoRange);
    EXPECT_TRUE(data.flags.rightShowScale);
    EXPECT_FALSE(data.flags.horizontalShowLines);
    EXPECT_TRUE(data.flags.horizontalShowScale);
}

} // namespace
