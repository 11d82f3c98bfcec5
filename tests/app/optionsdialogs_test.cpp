#include "apptestsupport.h"

#include <colorlistdialog.h>
#include <documentoptionsdialog.h>
#include <drawingsettings.h>
#include <exportimagesdialog.h>
#include <filepaths.h>
#include <numericparametersdialog.h>
#include <support/tempfolder.h>

#include <editor/inifile.h>
#include <model/tcircuitdocument.h>

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

TEST(OptionsDialogs, NumericParametersStoreTheClampedEntryAndMarkTheDocument)
{
    TCircuitDocument document;
    document.openNew();
    NumericParametersDialog dialog(document);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Numeric Parameters"));
    EXPECT_EQ(dialog.significandBytesEdit().text(), QStringLiteral("50"));

    dialog.significandBytesEdit().setText(QStringLiteral("5000"));
    dialog.accept();
    EXPECT_EQ(document.significandBytes(), 4096);
    EXPECT_TRUE(document.isModified());
}

TEST(OptionsDialogs, DocumentOptionsClampThePageCountsAndStoreTheNumbering)
{
    TCircuitDocument document;
    document.openNew();
    DocumentOptionsDialog dialog(document);
    EXPECT_TRUE(dialog.leftToRightButton().isChecked());
    EXPECT_EQ(dialog.leftToRightButton().text(), QStringLiteral("Left to right"));

    dialog.startPageEdit().setText(QStringLiteral("-4"));
    dialog.pagesWideEdit().setText(QStringLiteral("-2"));
    dialog.pagesHighEdit().setText(QStringLiteral("25"));
    dialog.topToBottomButton().setChecked(true);
    dialog.accept();
    EXPECT_EQ(document.startPage(), -4);
    EXPECT_EQ(document.pageCount(), (Size{1, 20}));
    EXPECT_FALSE(document.numbersLeftToRight());
}

class ColorListTest : public testing::Test
{
protected:
    ColorListTest()
        : saved(DrawColors::current())
    {
    }
    ~ColorListTest() override { DrawColors::current() = saved; }

    TempFolder folder;
    DrawColors saved;
    DrawingSettings settings{FilePaths::toQString(folder.file("ZENODYNE.INI"))};
};

TEST_F(ColorListTest, PrinterListHoldsItsEightRolesInOrder)
{
    ColorListDialog dialog(settings, ColorListDialog::Set::Printer);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Circuit Editor Printer Colors"));
    QStringList labels;
    for (int row = 0; row < dialog.list().count(); ++row)
        labels.append(dialog.list().item(row)->text());
    EXPECT_EQ(labels, (QStringList{"Font Color", "Back Ground Color", "Graph Main Color",
                                   "Graph Minor Color", "Component Color", "Component End Color",
                                   "Component Connection Color", "Tag Color"}));
}

TEST_F(ColorListTest, ConfirmedChangeIsSavedAndCancelledChangeIsTakenBack)
{
    {
        ColorListDialog dialog(settings, ColorListDialog::Set::Screen);
        EXPECT_EQ(dialog.list().count(), 11);
        dialog.setRoleColor(1, Color{10, 20, 30});
        dialog.accept();
    }
    EXPECT_EQ(DrawColors::current().screen(ColorRole::Background), (Color{10, 20, 30}));
    EXPECT_EQ(IniFile::load(folder.file("ZENODYNE.INI")).value("Display", "BackGround"),
              std::optional<std::string>("10,20,30"));

    ColorListDialog dialog(settings, ColorListDialog::Set::Screen);
    dialog.setRoleColor(1, Color{200, 0, 0});
    dialog.reject();
    EXPECT_EQ(DrawColors::current().screen(ColorRole::Background), (Color{10, 20, 30}));
}

} // namespace

namespace {

TEST(OptionsDialogs, ExportImagesPreselectsTheObjectsAndPngApart)
{
    TempFolder folder;
    DrawingSettings settings(FilePaths::toQString(folder.file("ZENODYNE.INI")));
    TCircuitDocument document;
    ScriptedPrompts prompts;
    {
        ExportImagesDialog dialog(document, settings, prompts);
        EXPECT_TRUE(dialog.allObjectsButton().isChecked());
        EXPECT_FALSE(dialog.selectedObjectsButton().isEnabled());
        EXPECT_TRUE(dialog.pngButton().isChecked());
    }
    ASSERT_TRUE(document.open(examplePath("rc-lowpass.crc")).ok());
    document.components()[0]->setSelected(true);
    ExportImagesDialog dialog(document, settings, prompts);
    EXPECT_TRUE(dialog.selectedObjectsButton().isChecked());
    EXPECT_TRUE(dialog.pngButton().isChecked());

    // "Save Image As..." writes the chosen format to the chosen file.
    dialog.svgButton().setChecked(true);
    prompts.fileName = FilePaths::toQString(folder.file("part"));
    dialog.saveImageAs();
    EXPECT_TRUE(std::filesystem::exists(folder.file("part.svg")));
    EXPECT_TRUE(prompts.errors.isEmpty());
    // The suggestion lies beside the circuit's file.
    EXPECT_EQ(
        prompts.suggestedFileNames,
        QStringList{QFileInfo(exampleFile("rc-lowpass.crc")).absolutePath() + "/rc-lowpass.svg"});
}

} // namespace
