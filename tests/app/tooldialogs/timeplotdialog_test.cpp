#include "tooldialogtestsupport.h"

#include <tooldialogs/qttooldialogs.h>
#include <tooldialogs/timeplotdialog.h>
#include <tooldialogs/tpepdialog.h>

#include <tools/timeplot.h>

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class TimePlotDialogTest : public testing::Test
{
protected:
    TimePlotDialogTest()
        : document(openExample("sallen-key-lowpass.crc"))
        , data(TimePlotDialogData::from(toolOf<TimePlot>(*document)))
    {
    }

    static QStringList texts(const QListWidget &list)
    {
        QStringList rows;
        for (int i = 0; i < list.count(); ++i)
            rows << list.item(i)->text();
        return rows;
    }

    // Whether a row's picture holds a line sample (a row without one has an empty picture).
    static bool showsLine(const QListWidgetItem &item)
    {
        const QImage picture = item.icon().pixmap(item.listWidget()->iconSize()).toImage();
        return picture.pixelColor(picture.width() / 2, picture.height() / 2).alpha() > 0;
    }

    std::unique_ptr<TCircuitDocument> document;
    TimePlotDialogData data;
    QtToolDialogs dialogs;
};

TEST_F(TimePlotDialogTest, ShowsTagsToolsAndSourcesWithTheirSignals)
{
    TimePlotDialog dialog(data, dialogs);
    showDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Time Domain Plot Parameters");
    EXPECT_EQ(dialog.nameEdit().text(), "Response");
    QStringList tags;
    for (const TPElemParam &row : data.outputRows)
        tags << QString::fromUtf8(row.title.text());
    EXPECT_EQ(texts(dialog.outputList()), tags);
    EXPECT_TRUE(tags.contains("Vout"));
    EXPECT_EQ(texts(dialog.transferList()), QStringList{"TF"});
    const int vout = static_cast<int>(tags.indexOf("Vout"));
    EXPECT_TRUE(showsLine(*dialog.outputList().item(vout)));
    EXPECT_FALSE(showsLine(*dialog.outputList().item(0)));

    QTreeWidget &sources = dialog.sourceList();
    ASSERT_EQ(sources.topLevelItemCount(), 1);
    EXPECT_EQ(sources.topLevelItem(0)->text(0), "V1");
    EXPECT_EQ(sources.topLevelItem(0)->text(1), "Step");
    EXPECT_EQ(dialog.signalBox().itemText(0), "(None)");
    // The first source comes selected with its signal.
    EXPECT_TRUE(dialog.signalBox().isEnabled());
    EXPECT_EQ(dialog.signalBox().currentText(), "Step");
}

TEST_F(TimePlotDialogTest, OkStoresTheWindowTheShownRowsAndTheChosenSignals)
{
    TimePlotDialog dialog(data, dialogs);
    showDialog(dialog);
    const int va
        = static_cast<int>(std::find_if(data.outputRows.begin(), data.outputRows.end(),
                                        [](const TPElemParam &row) { return row.title == "Va"; })
                           - data.outputRows.begin());
    onNextDialog<TPEPDialog>([](TPEPDialog &line) {
        line.showLineBox().setChecked(true);
        line.accept();
    });
    QListWidget &outputs = dialog.outputList();
    doubleClickRow(outputs, va);
    EXPECT_TRUE(showsLine(*outputs.item(va)));

    dialog.sourceList().setCurrentItem(dialog.sourceList().topLevelItem(0));
    dialog.signalBox().setCurrentIndex(0);
    emit dialog.signalBox().activated(0);
    EXPECT_EQ(dialog.sourceList().topLevelItem(0)->text(1), "(None)");
    dialog.startEdit().setText("1e-3");
    dialog.endEdit().setText("2e-3");
    clickButton(&dialog.autoSampleBox());
    const bool autoSample = data.autoSample;
    dialog.accept();

    EXPECT_TRUE(data.outputRows[static_cast<std::size_t>(va)].shown);
    EXPECT_EQ(data.sourceRows[0].signal, "");
    EXPECT_EQ(data.start, "1e-3");
    EXPECT_EQ(data.end, "2e-3");
    EXPECT_NE(data.autoSample, autoSample);
}

TEST_F(TimePlotDialogTest, CancelKeepsTheSignalsAndRows)
{
    TimePlotDialog dialog(data, dialogs);
    showDialog(dialog);
    dialog.sourceList().setCurrentItem(dialog.sourceList().topLevelItem(0));
    emit dialog.signalBox().activated(0);
    dialog.reject();
    EXPECT_EQ(data.sourceRows[0].signal, "Step");
}

} // namespace
