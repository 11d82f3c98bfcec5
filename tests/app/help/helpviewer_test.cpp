#include <app/apptestsupport.h>

#include <circuiteditormenus.h>
#include <help/helpviewer.h>
#include <help/thelptree.h>
#include <help/twbhdecframe.h>
#include <tcircuitview.h>
#include <tdocmanager.h>
#include <tzenodynedecmdiframe.h>

#include <filepaths.h>
#include <model/component.h>
#include <model/tcircuitdocument.h>

#include <QAction>
#include <QMenu>
#include <QSplitter>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <fstream>

namespace {

QString sourceHelpFolder()
{
    return QStringLiteral(ZENODYNE_SOURCE_DIR "/help");
}

void writePage(const std::filesystem::path &file, const std::string &title, int order)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "<html><head>\n<title>" << title << "</title>\n"
                        << "<meta name=\"order\" content=\"" << order << "\">\n"
                        << "</head><body><p>" << title << "</p></body></html>\n";
}

// Top, with the pages A, Folder (holding F1) and B below it, in this order.
class HelpFrameTest : public testing::Test
{
protected:
    HelpFrameTest()
    {
        const std::filesystem::path help = folder.path() / "help";
        writePage(help / "default.html", "Top", 0);
        writePage(help / "a.html", "A", 1);
        writePage(help / "folder" / "default.html", "Folder", 2);
        writePage(help / "folder" / "f1.html", "F1", 1);
        writePage(help / "b.html", "B", 3);
        frame = std::make_unique<TWBHDecFrame>(FilePaths::toQString(help));
    }

    QString shownTitle() const
    {
        const THelpLink *link = frame->tree().currentLink();
        return link ? QString::fromStdString(link->title) : QString();
    }
    QString shownFile() const { return frame->display().source().fileName(); }

    TempFolder folder;
    std::unique_ptr<TWBHDecFrame> frame;
};

TEST_F(HelpFrameTest, NextAndPreviousPageWalkTheTree)
{
    frame->showTopic(QStringLiteral("Top"));
    EXPECT_EQ(shownTitle(), "Top");
    EXPECT_FALSE(frame->previousPageAction()->isEnabled());

    const QStringList forward{"A", "Folder", "F1", "B"};
    const QStringList files{"a.html", "default.html", "f1.html", "b.html"};
    for (int step = 0; step < forward.size(); ++step) {
        ASSERT_TRUE(frame->nextPageAction()->isEnabled()) << step;
        frame->nextPageAction()->trigger();
        EXPECT_EQ(shownTitle(), forward.at(step));
        EXPECT_EQ(shownFile(), files.at(step));
    }
    EXPECT_FALSE(frame->nextPageAction()->isEnabled());

    // Back up: the previous sibling, else the parent.
    for (const char *title : {"Folder", "A", "Top"}) {
        ASSERT_TRUE(frame->previousPageAction()->isEnabled()) << title;
        frame->previousPageAction()->trigger();
        EXPECT_EQ(shownTitle(), title);
    }
    frame->showTopic(QStringLiteral("F1"));
    frame->previousPageAction()->trigger();
    EXPECT_EQ(shownTitle(), "Folder");
}

TEST_F(HelpFrameTest, BackAndForwardFollowTheDisplaysHistory)
{
    EXPECT_FALSE(frame->goBackAction()->isEnabled());
    EXPECT_FALSE(frame->refreshAction()->isEnabled());
    frame->showTopic(QStringLiteral("A"));
    EXPECT_TRUE(frame->refreshAction()->isEnabled());
    frame->showTopic(QStringLiteral("B"));
    ASSERT_TRUE(frame->goBackAction()->isEnabled());
    EXPECT_FALSE(frame->goForwardAction()->isEnabled());
    frame->goBackAction()->trigger();
    EXPECT_EQ(shownFile(), "a.html");
    // The tree follows the display.
    EXPECT_EQ(shownTitle(), "A");
    ASSERT_TRUE(frame->goForwardAction()->isEnabled());
    frame->goForwardAction()->trigger();
    EXPECT_EQ(shownFile(), "b.html");
    EXPECT_TRUE(frame->refreshAction()->isEnabled());
}

TEST_F(HelpFrameTest, AnUnknownTitleChangesNothing)
{
    frame->showTopic(QStringLiteral("A"));
    frame->showTopic(QStringLiteral("Nowhere"));
    frame->showTopic(QString());
    EXPECT_EQ(shownTitle(), "A");
    EXPECT_EQ(shownFile(), "a.html");
    EXPECT_FALSE(frame->tree().selectTopic(QStringLiteral("a")));
}

TEST_F(HelpFrameTest, FrameShowsItsCaptionHintsAndAQuarterForTheTree)
{
    EXPECT_EQ(frame->windowTitle(), "Zenodyne Help");
    const std::vector<std::pair<QAction *, QString>> buttons{
        {frame->goBackAction(), "Go Back"},
        {frame->goForwardAction(), "Go Forward"},
        {frame->refreshAction(), "Refresh"},
        {frame->previousPageAction(), "Previous Page"},
        {frame->nextPageAction(), "Next Page"}};
    for (const auto &[action, hint] : buttons) {
        EXPECT_EQ(action->statusTip(), hint);
        EXPECT_EQ(action->toolTip(), hint) << qPrintable(hint);
    }
    frame->show();
    const QList<int> sizes = frame->panes().sizes();
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_NEAR(static_cast<double>(sizes.at(0)) / (sizes.at(0) + sizes.at(1)), 0.25, 0.01);
}

QAction *objectHelpAction(const CircuitEditorMenus &menus)
{
    for (QAction *item : menus.contextMenu()->actions()) {
        if (item->menu()) {
            for (QAction *action : item->menu()->actions()) {
                if (action->text() == QStringLiteral("&Help"))
                    return action;
            }
        }
    }
    return nullptr;
}

TEST(HelpViewer, MenusOpenOneFrameAtTheirTopics)
{
    AppFixture fixture;
    HelpViewer &help = fixture.app().helpViewer();
    help.setFolder(sourceHelpFolder());
    QMenu *menu = fixture.app().frame().helpMenu();
    const QList<QAction *> items = menu->actions();
    const std::vector<std::pair<int, QString>> topics{
        {0, "Zenodyne Help"}, {1, "How To Use This Help System"}, {2, "Help Index"}};
    TWBHDecFrame *first = nullptr;
    for (const auto &[index, title] : topics) {
        items.at(index)->trigger();
        ASSERT_NE(help.frame(), nullptr);
        if (!first)
            first = help.frame();
        EXPECT_EQ(help.frame(), first);
        ASSERT_NE(help.frame()->tree().currentLink(), nullptr);
        EXPECT_EQ(QString::fromStdString(help.frame()->tree().currentLink()->title), title);
    }

    // "&Help" of the pop-up menu shows the first selected thing's topic.
    ASSERT_NE(fixture.app().docManager().open(exampleFile("rc-lowpass.crc")), nullptr);
    TCircuitView *view = fixture.activeView();
    ASSERT_NE(view, nullptr);
    view->run(EditCommand::SelectAll);
    fixture.app().frame().editorMenus().update();
    QAction *objectHelp = objectHelpAction(fixture.app().frame().editorMenus());
    ASSERT_NE(objectHelp, nullptr);
    ASSERT_TRUE(objectHelp->isEnabled());
    objectHelp->trigger();
    const Component *firstThing = view->document().components().first();
    EXPECT_EQ(help.frame()->tree().currentLink()->title, firstThing->helpTopicTitle());
    EXPECT_EQ(help.frame(), first);

    // Closing the main window closes the help with it, so that the program can end.
    EXPECT_TRUE(fixture.app().frame().close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(help.frame(), nullptr);
}

TEST(HelpViewer, FindsThePagesNextToTheProgramOrInTheInstalledDataFolder)
{
    TempFolder folder;
    const std::filesystem::path root = folder.path();
    writePage(root / "bin" / "help" / "default.html", "Built", 0);
    writePage(root / "usr" / "share" / "zenodyne" / "help" / "default.html", "Installed", 0);
    std::filesystem::create_directories(root / "usr" / "bin");
    EXPECT_EQ(HelpViewer::folderFor(FilePaths::toQString(root / "bin")),
              FilePaths::toQString(root / "bin" / "help"));
    EXPECT_EQ(HelpViewer::folderFor(FilePaths::toQString(root / "usr" / "bin")),
              FilePaths::toQString(root / "usr" / "share" / "zenodyne" / "help"));
}

} // namespace
