#include "apptestsupport.h"

#include <circuiteditormenus.h>
#include <palettetoolbar.h>
#include <recentfiles.h>
#include <tcircuitview.h>
#include <tdocmanager.h>
#include <tzenodynedecmdiframe.h>
#include <tzenodynemdiclient.h>

#include <editor/paletteentry.h>
#include <filepaths.h>
#include <model/tcircuitdocument.h>

#include <QAction>
#include <QDir>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace {

struct Item
{
    QString text;
    QString shortcut;
};

// The menu's items as text and shortcut; "-" for a separator.
std::vector<Item> itemsOf(const QMenu *menu)
{
    std::vector<Item> items;
    for (const QAction *action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            items.push_back({QStringLiteral("-"), {}});
        else
            items.push_back({action->text(), action->shortcut().toString()});
    }
    return items;
}

std::vector<QString> textsOf(const QMenu *menu)
{
    std::vector<QString> texts;
    for (const Item &item : itemsOf(menu))
        texts.push_back(item.text);
    return texts;
}

QStringList menuBarTitles(const TZenodyneDecMDIFrame &frame)
{
    QStringList titles;
    for (const QAction *action : frame.menuBar()->actions()) {
        if (action->isVisible())
            titles.append(action->text());
    }
    return titles;
}

QAction *actionNamed(const QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

TEST(FrameMenus, FileWindowAndHelpHoldTheirCommandsInOrder)
{
    AppFixture fixture;
    const TZenodyneDecMDIFrame &frame = fixture.app().frame();
    EXPECT_EQ(menuBarTitles(frame), (QStringList{"&File", "&Window", "&Help"}));
    EXPECT_EQ(textsOf(frame.fileMenu()),
              (std::vector<QString>{"&New", "&Open...", "&Close", "C&lose All", "-", "&Save",
                                    "Save &As...", "-", "Import Netlist...", "Export &Images...",
                                    "-", "Print Pre&view...", "&Print...", "P&rint Setup...", "-",
                                    "Sen&d...", "-", "E&xit\tAlt+F4"}));
    EXPECT_EQ(actionNamed(frame.fileMenu(), "E&xit\tAlt+F4")->shortcut().toString(),
              QStringLiteral("Alt+F4"));
    EXPECT_EQ(textsOf(frame.windowMenu()),
              (std::vector<QString>{"&Cascade", "&Tile", "Arrange &Icons"}));
    EXPECT_EQ(textsOf(frame.helpMenu()),
              (std::vector<QString>{"&Contents", "&Using help", "Index", "-",
                                    "Zenodyne on the &Web", "-", "&About..."}));
    // Without a document the commands on one are greyed.
    for (const char *text :
         {"&Save", "Save &As...", "Print Pre&view...", "&Print...", "P&rint Setup...", "Sen&d..."})
        EXPECT_FALSE(actionNamed(frame.fileMenu(), text)->isEnabled()) << text;
}

TEST(FrameMenus, CircuitViewBringsEditViewAndOptionsWithTheirShortcuts)
{
    AppFixture fixture;
    fixture.app().docManager().createNew();
    const TZenodyneDecMDIFrame &frame = fixture.app().frame();
    const CircuitEditorMenus &menus = frame.editorMenus();

    EXPECT_EQ(menuBarTitles(frame),
              (QStringList{"&File", "&Edit", "&View", "&Options", "&Window", "&Help"}));
    const std::vector<Item> edit = itemsOf(menus.editMenu());
    const std::vector<std::pair<QString, QString>> expected{{"Undo\tCtrl+Z", "Ctrl+Z"},
                                                            {"Redo\tCtrl+Shift+Z", "Ctrl+Shift+Z"},
                                                            {"-", ""},
                                                            {"Cu&t\tCtrl+X", "Ctrl+X"},
                                                            {"&Copy\tCtrl+C", "Ctrl+C"},
                                                            {"&Paste\tCtrl+V", "Ctrl+V"},
                                                            {"&Duplicate\tCtrl+D", "Ctrl+D"},
                                                            {"D&elete\tDelete", "Del"},
                                                            {"Select &All\tCtrl+L", "Ctrl+L"}};
    ASSERT_EQ(edit.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(edit[i].text, expected[i].first);
        EXPECT_EQ(edit[i].shortcut, expected[i].second);
    }
    EXPECT_EQ(
        textsOf(menus.viewMenu()),
        (std::vector<QString>{"Component Names", "Component Values", "-", "&Messages", "-",
                              "Zoom &In\tCtrl+=", "Zoom &Out\tCtrl+-", "&Fit to Window\tCtrl+0"}));
    EXPECT_TRUE(menus.action(EditCommand::ComponentNames)->isChecked());
    EXPECT_EQ(textsOf(menus.optionsMenu()),
              (std::vector<QString>{"Font...", "Screen Colors...", "Printing Colors...", "-",
                                    "Document...", "Numeric..."}));
    // The pop-up menu: the "Object" sub-menu, then the edit commands.
    const QMenu *context = menus.contextMenu();
    ASSERT_NE(context->actions().at(0)->menu(), nullptr);
    EXPECT_EQ(context->actions().at(0)->text(), QStringLiteral("Object"));
    EXPECT_EQ(textsOf(context->actions().at(0)->menu()),
              (std::vector<QString>{"Parameters...", "Extended View...", "Export Data...", "-",
                                    "&Help"}));
    EXPECT_EQ(context->actions().mid(1), menus.editMenu()->actions());
}

TEST(FrameMenus, PaletteButtonsSplitTheirHintsAndShowTheirKeys)
{
    AppFixture fixture;
    PaletteToolBar &toolBar = fixture.app().frame().paletteToolBar();
    EXPECT_EQ(toolBar.windowTitle(), QStringLiteral("Toolbar"));
    const QAction *resistor = toolBar.actionFor(PaletteEntry::Resistor);
    EXPECT_EQ(resistor->statusTip(), QStringLiteral("Resistor"));
    EXPECT_EQ(resistor->toolTip(), QStringLiteral("Resistor (R)"));
    const QAction *source = toolBar.actionFor(PaletteEntry::DependentVoltageSource);
    EXPECT_EQ(source->statusTip(), QStringLiteral("Dependent Voltage Source"));
    EXPECT_EQ(source->toolTip(), QStringLiteral("Dep. Voltage Source (E)"));
    const QAction *insert = toolBar.actionFor(PaletteEntry::InsertCursor);
    EXPECT_EQ(insert->statusTip(), QStringLiteral("Insert Cursor- a soldering iron"));
    EXPECT_EQ(insert->toolTip(), QStringLiteral("Insert"));
    EXPECT_EQ(toolBar.actionFor(PaletteEntry::SelectCursor)->toolTip(),
              QStringLiteral("Select (Esc)"));
    for (const PaletteEntryInfo &info : paletteEntries())
        EXPECT_FALSE(toolBar.actionFor(info.entry)->icon().isNull()) << info.hint;
}

TEST(FrameDocuments, CaptionNamesTheDocumentAndMarksChanges)
{
    AppFixture fixture;
    TCircuitDocument *document = fixture.app().docManager().open(exampleFile("rc-lowpass.crc"));
    ASSERT_NE(document, nullptr);
    QMdiSubWindow *window = fixture.app().frame().client().activeSubWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Circuit Editor : rc-lowpass.crc[*]"));
    EXPECT_FALSE(window->isWindowModified());
    fixture.activeView()->run(EditCommand::ComponentNames);
    EXPECT_TRUE(window->isWindowModified());
}

TEST(FrameDocuments, LaterViewsOpenMaximizedOrCascadedAtThreeQuartersOfTheArea)
{
    AppFixture fixture;
    TZenodyneDecMDIFrame &frame = fixture.app().frame();
    fixture.app().docManager().open(exampleFile("rc-lowpass.crc"));
    fixture.app().docManager().open(exampleFile("rlc-bandpass.crc"));
    EXPECT_TRUE(frame.client().activeSubWindow()->isMaximized());

    QMdiSubWindow *previous = frame.client().activeSubWindow();
    previous->showNormal();
    const QSize area = frame.client().viewport()->size();
    EXPECT_EQ(previous->size(), QSize(area.width() * 3 / 4, area.height() * 3 / 4));
    previous->setGeometry(10, 20, 300, 200);
    fixture.app().docManager().open(exampleFile("sallen-key-lowpass.crc"));
    const QMdiSubWindow *opened = frame.client().activeSubWindow();
    ASSERT_NE(opened, previous);
    EXPECT_EQ(opened->size(), QSize(area.width() * 3 / 4, area.height() * 3 / 4));
    EXPECT_GT(opened->x(), 10);
    EXPECT_EQ(opened->x() - 10, opened->y() - 20);
}

TEST(FrameDocuments, DamagedFileShowsTheReadErrorAndOpensNothing)
{
    AppFixture fixture;
    const std::filesystem::path damaged = fixture.folder().file("damaged.crc");
    std::filesystem::copy_file(examplePath("rc-lowpass.crc"), damaged);
    std::filesystem::resize_file(damaged, std::filesystem::file_size(damaged) / 2);

    EXPECT_EQ(fixture.app().docManager().open(FilePaths::toQString(damaged)), nullptr);

    ASSERT_EQ(fixture.prompts().errors.size(), 1);
    EXPECT_TRUE(fixture.prompts().errors.at(0).startsWith("Document read error.\n\n"));
    EXPECT_TRUE(fixture.app().frame().client().subWindowList().isEmpty());
    EXPECT_TRUE(fixture.app().docManager().documents().empty());
    EXPECT_TRUE(fixture.app().recentFiles().files().isEmpty());
}

TEST(FrameDocuments, MissingFileIsUnableToOpen)
{
    AppFixture fixture;
    EXPECT_EQ(
        fixture.app().docManager().open(FilePaths::toQString(fixture.folder().file("none.crc"))),
        nullptr);
    ASSERT_EQ(fixture.prompts().errors.size(), 1);
    EXPECT_TRUE(fixture.prompts().errors.at(0).startsWith("Unable to open document."));
}

TEST(FrameDocuments, ClosingAChangedDocumentAsksAndCancelKeepsIt)
{
    AppFixture fixture;
    fixture.app().docManager().createNew();
    fixture.activeView()->run(EditCommand::ComponentValues);
    QMdiSubWindow *window = fixture.app().frame().client().activeSubWindow();

    fixture.prompts().saveAnswer = ShellPrompts::SaveAnswer::Cancel;
    window->close();
    EXPECT_EQ(fixture.prompts().saveQuestions, QStringList{"Untitled"});
    EXPECT_EQ(fixture.app().docManager().documents().size(), 1u);

    fixture.prompts().saveAnswer = ShellPrompts::SaveAnswer::Discard;
    window->close();
    EXPECT_EQ(fixture.prompts().saveQuestions.size(), 2);
    EXPECT_TRUE(fixture.app().docManager().documents().empty());
    EXPECT_TRUE(fixture.app().frame().client().subWindowList().isEmpty());
}

TEST(FrameDocuments, QuittingAsksForEachChangedDocumentAndSaveWritesIt)
{
    AppFixture fixture;
    fixture.app().docManager().createNew();
    fixture.activeView()->run(EditCommand::ComponentValues);
    fixture.app().docManager().createNew();

    const std::filesystem::path saved = fixture.folder().file("saved.crc");
    fixture.prompts().saveAnswer = ShellPrompts::SaveAnswer::Save;
    fixture.prompts().fileName = FilePaths::toQString(saved);
    EXPECT_TRUE(fixture.app().frame().close());

    EXPECT_EQ(fixture.prompts().saveQuestions, QStringList{"Untitled"});
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_TRUE(fixture.app().docManager().documents().empty());
    EXPECT_EQ(fixture.app().recentFiles().files(), QStringList{FilePaths::toQString(saved)});
}

TEST(FrameDocuments, RecentFilesListTheNewestFirstAndStayInTheSettings)
{
    AppFixture fixture;
    TDocManager &documents = fixture.app().docManager();
    const QString first = exampleFile("rc-lowpass.crc");
    const QString second = exampleFile("rlc-bandpass.crc");
    ASSERT_NE(documents.open(first), nullptr);
    ASSERT_NE(documents.open(second), nullptr);
    ASSERT_NE(documents.open(first), nullptr);

    EXPECT_EQ(fixture.app().recentFiles().files(), (QStringList{first, second}));
    const QMenu *file = fixture.app().frame().fileMenu();
    EXPECT_NE(actionNamed(file, "&1 " + QDir::toNativeSeparators(first)), nullptr);
    EXPECT_NE(actionNamed(file, "&2 " + QDir::toNativeSeparators(second)), nullptr);
    // Opening a file that is open already shows it, and opens no second document.
    EXPECT_EQ(documents.documents().size(), 2u);

    const RecentFiles reread(fixture.app().iniPath());
    EXPECT_EQ(reread.files(), (QStringList{first, second}));
}

TEST(FrameDocuments, RecentFilesKeepTen)
{
    TempFolder folder;
    RecentFiles files(FilePaths::toQString(folder.file("ZENODYNE.INI")));
    for (int index = 0; index < 12; ++index)
        files.add(QStringLiteral("/circuits/%1.crc").arg(index));
    ASSERT_EQ(files.files().size(), RecentFiles::maximumCount);
    EXPECT_EQ(files.files().first(), QStringLiteral("/circuits/11.crc"));
    EXPECT_EQ(files.files().last(), QStringLiteral("/circuits/2.crc"));
}

TEST(FrameDocuments, UnregisterOptionIsAnyPrefixOfTheWord)
{
    for (const char *option : {"-u", "--unreg", "-UNREGISTER", "-Unregister"})
        EXPECT_TRUE(TZenodyneApp::isUnregisterOption(option)) << option;
    for (const char *option : {"-", "-unregistered", "-x", "--settings"})
        EXPECT_FALSE(TZenodyneApp::isUnregisterOption(option)) << option;

    AppFixture fixture;
    fixture.app().processCommandLine(
        {exampleFile("rc-lowpass.crc"), "-unreg", exampleFile("rlc-bandpass.crc")});
    EXPECT_EQ(fixture.app().docManager().documents().size(), 1u);
}

TEST(FrameDocuments, StartWithoutFilesOpensOneNewCircuit)
{
    AppFixture fixture;
    fixture.app().processCommandLine({"--x"});
    const auto &documents = fixture.app().docManager().documents();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(fixture.app().docManager().title(*documents.front()), "Untitled");
    EXPECT_FALSE(documents.front()->isModified());

    // The first file opened takes the untouched new circuit's place; the next one opens beside.
    fixture.app().docManager().open(exampleFile("rc-lowpass.crc"));
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(fixture.app().docManager().title(*documents.front()), "rc-lowpass.crc");
    fixture.app().docManager().open(exampleFile("rlc-bandpass.crc"));
    EXPECT_EQ(documents.size(), 2u);
}

TEST(FrameDocuments, ANewCircuitThatWasChangedStaysWhenAFileOpens)
{
    AppFixture fixture;
    fixture.app().processCommandLine({});
    fixture.activeView()->run(EditCommand::ComponentValues);
    fixture.app().docManager().open(exampleFile("rc-lowpass.crc"));
    EXPECT_EQ(fixture.app().docManager().documents().size(), 2u);
}

} // namespace
