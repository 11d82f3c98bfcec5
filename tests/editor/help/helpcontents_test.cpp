#include <editor/help/helpcontents.h>
#include <editor/help/helptopics.h>
#include <editor/paletteentry.h>

#include <model/circthing.h>
#include <support/tempfolder.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>

namespace {

void writePage(const std::filesystem::path &file, const std::string &head)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "<html>\n<head>\n" << head << "</head>\n<body>\n</body>\n</html>\n";
}

std::string titled(const std::string &title, const char *order = nullptr)
{
    std::string head = "<title>" + title + "</title>\n";
    if (order)
        head += std::string("<meta name=\"order\" content=\"") + order + "\">\n";
    return head;
}

// The tree as text: one line per entry, indented by depth, folders marked with "+".
void describe(const std::vector<HelpContents::Entry> &entries, int depth, std::string &out)
{
    for (const HelpContents::Entry &entry : entries) {
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + (entry.folder ? "+" : "-")
               + entry.link->title + "\n";
        describe(entry.children, depth + 1, out);
    }
}

std::string describe(const HelpContents &contents)
{
    std::string out;
    describe(contents.entries(), 0, out);
    return out;
}

TEST(HelpContents, FoldersNeedADefaultPageAndEntriesSortByOrder)
{
    TempFolder folder;
    const std::filesystem::path help = folder.path() / "help";
    writePage(help / "default.html", titled("Top"));
    writePage(help / "ten.html", titled("Ten", "10"));
    writePage(help / "three.html", titled("Three", "3"));
    writePage(help / "none.html", titled("None"));
    writePage(help / "default.htm", titled("Old Default", "4"));
    writePage(help / "notes.txt", titled("Not A Page"));
    writePage(help / "orphans" / "page.html", titled("Orphan", "1"));
    writePage(help / "parts" / "default.html", titled("", "5"));
    writePage(help / "parts" / "untitled.html", "<meta name=\"order\" content=\"2\">\n");
    writePage(help / "parts" / "b.html", titled("Bee", "1"));

    const HelpContents contents(help, "help");
    EXPECT_EQ(describe(contents), "+Top\n"
                                  "  -None\n"
                                  "  -Three\n"
                                  "  -Old Default\n"
                                  "  +parts\n"
                                  "    -Bee\n"
                                  "    -untitled\n"
                                  "  -Ten\n");
    EXPECT_EQ(contents.find("parts")->order, 5);
    EXPECT_EQ(contents.find("Orphan"), nullptr);
    EXPECT_EQ(contents.find(""), nullptr);
    EXPECT_EQ(contents.find("top"), nullptr);
}

TEST(HelpContents, AFolderWithoutADefaultPageGivesNoContents)
{
    TempFolder folder;
    writePage(folder.path() / "page.html", titled("Page"));
    EXPECT_TRUE(HelpContents(folder.path(), "help").entries().empty());
    EXPECT_TRUE(HelpContents(folder.path() / "missing", "help").entries().empty());
}

TEST(THelpLink, ReadsTheFirstTagOfEachLineWithoutRegardToCase)
{
    TempFolder folder;
    const std::filesystem::path page = folder.file("page.html");
    const auto read = [&](const std::string &head) {
        writePage(page, head);
        return THelpLink::read(page);
    };

    THelpLink link = read("<TITLE>Capacitor</TITLE>\r\n<META NAME=\"Order\" CONTENT=\"12th\">\n");
    EXPECT_EQ(link.title, "Capacitor");
    EXPECT_EQ(link.order, 12);
    EXPECT_EQ(link.path, page);

    // Title and meta on one line: only the title counts.
    link = read("<title>Both</title><meta name=\"order\" content=\"7\">\n");
    EXPECT_EQ(link.title, "Both");
    EXPECT_EQ(link.order, 0);
    link = read("<meta name=\"order\" content=\"7\"><title>Both</title>\n");
    EXPECT_EQ(link.title, "");
    EXPECT_EQ(link.order, 7);

    // Content without digits, a name that is no order, an empty title.
    link = read("<meta name=\"order\" content=\"first\">\n<title></title>\n");
    EXPECT_EQ(link.order, 0);
    EXPECT_EQ(link.title, "");
    link = read("<meta name=\"author\" content=\"9\">\n<meta name=\"sortorder\" content=\"-2\">\n");
    EXPECT_EQ(link.order, -2);

    // The first title and order found win.
    link = read(titled("One", "1") + titled("Two", "2"));
    EXPECT_EQ(link.title, "One");
    EXPECT_EQ(link.order, 1);

    EXPECT_EQ(THelpLink::read(folder.file("missing.html")).title, "");
}

// Every title that the program opens the help at has its page in the help folder.
TEST(HelpPages, EveryHelpTopicOfTheProgramHasAPage)
{
    const HelpContents contents(std::filesystem::path(ZENODYNE_SOURCE_DIR) / "help", "help");
    std::set<std::string> titles{HelpTopics::contents, HelpTopics::usingHelp, HelpTopics::index,
                                 "Sources", "Circuit Tags"};
    for (const PaletteEntryInfo &info : paletteEntries()) {
        if (const std::unique_ptr<CircThing> thing = createPaletteThing(info.entry))
            titles.insert(thing->helpTopicTitle());
    }
    EXPECT_EQ(titles.size(), 21u);
    for (const std::string &title : titles)
        EXPECT_NE(contents.find(title), nullptr) << title;
}

// Every picture and every link of a page names a file of the help folder.
TEST(HelpPages, PicturesAndLinksNameExistingFiles)
{
    const std::regex reference(R"((?:src|href)="([^":#]+)(?:#[^"]*)?")");
    std::size_t references = 0;
    for (const auto &item : std::filesystem::recursive_directory_iterator(
             std::filesystem::path(ZENODYNE_SOURCE_DIR) / "help")) {
        if (item.path().extension() != ".html")
            continue;
        std::ifstream page(item.path());
        const std::string text((std::istreambuf_iterator<char>(page)),
                               std::istreambuf_iterator<char>());
        for (auto match = std::sregex_iterator(text.begin(), text.end(), reference);
             match != std::sregex_iterator(); ++match, ++references) {
            EXPECT_TRUE(
                std::filesystem::is_regular_file(item.path().parent_path() / (*match)[1].str()))
                << item.path().filename() << ": " << (*match)[1];
        }
    }
    EXPECT_GT(references, 100u);
}

} // namespace
