#include "apptestsupport.h"

#include <drawingsettings.h>
#include <filepaths.h>
#include <tdocmanager.h>
#include <tzenodynedecmdiframe.h>

#include <common/drawcolors.h>
#include <editor/inifile.h>

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <fstream>

namespace {

void writeIni(const std::filesystem::path &path, const std::string &text)
{
    std::ofstream(path) << text;
}

class SettingsTest : public testing::Test
{
protected:
    SettingsTest()
        : saved(DrawColors::current())
    {
    }
    ~SettingsTest() override { DrawColors::current() = saved; }

    QString iniPath() const { return FilePaths::toQString(folder.file("ZENODYNE.INI")); }

    TempFolder folder;
    DrawColors saved;
};

TEST_F(SettingsTest, FirstDocumentLoadsColoursAndFontLowByteOfEachComponent)
{
    writeIni(folder.file("ZENODYNE.INI"), "[Display]\nBackGround=300,2,3\nFontName=DejaVu Sans\n"
                                          "FHeight=-20\nFWeight=700\nFItal=1\n");
    DrawingSettings settings(iniPath());
    settings.acquire();

    EXPECT_EQ(DrawColors::current().screen(ColorRole::Background), (Color{44, 2, 3}));
    EXPECT_EQ(settings.font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(settings.font().pixelSize(), 20);
    EXPECT_EQ(settings.font().weight(), QFont::Bold);
    EXPECT_TRUE(settings.font().italic());
}

TEST_F(SettingsTest, FontIsReadAgainAfterTheLastDocumentCloses)
{
    writeIni(folder.file("ZENODYNE.INI"), "[Display]\nFHeight=-14\n");
    DrawingSettings settings(iniPath());
    settings.acquire();
    settings.acquire();
    EXPECT_EQ(settings.font().pixelSize(), 14);

    writeIni(folder.file("ZENODYNE.INI"), "[Display]\nFHeight=-18\n");
    settings.release();
    settings.acquire();
    EXPECT_EQ(settings.font().pixelSize(), 14) << "a document was still open";

    settings.release();
    settings.release();
    settings.acquire();
    EXPECT_EQ(settings.font().pixelSize(), 18);
}

TEST_F(SettingsTest, ChosenFontIsWrittenKeyByKeyWithTheColours)
{
    DrawingSettings settings(iniPath());
    settings.acquire();
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(16);
    font.setUnderline(true);
    settings.setFont(font);

    const IniFile ini = IniFile::load(folder.file("ZENODYNE.INI"));
    const std::vector<std::pair<const char *, const char *>> display{
        {"FontName", "DejaVu Sans Mono"},
        {"FHeight", "-16"},
        {"FWeight", "400"},
        {"FPAndFam", "0"},
        {"FItal", "0"},
        {"FUnder", "1"},
        {"FStrike", "0"},
        {"FontColor", "255,255,255"},
        {"BackGround", "0,0,0"},
        {"GraphMain", "255,255,255"},
        {"GraphMinor", "128,128,128"},
        {"GraphDefaultLine", "255,255,0"},
        {"Component", "255,255,255"},
        {"ComponentSelected", "0,0,255"},
        {"Node", "255,0,0"},
        {"Connection", "0,0,255"},
        {"CircuitTag", "128,128,128"},
        {"Drag", "255,255,255"}};
    std::vector<std::string> keys;
    for (const auto &[key, value] : display) {
        keys.emplace_back(key);
        EXPECT_EQ(ini.value("Display", key), std::optional<std::string>(value)) << key;
    }
    EXPECT_EQ(ini.keys("Display"), keys);
    EXPECT_EQ(ini.keys("Printer"),
              (std::vector<std::string>{"FontColor", "BackGround", "GraphMain", "GraphMinor",
                                        "Component", "Node", "Connection", "CircuitTag"}));
    EXPECT_EQ(ini.value("Printer", "BackGround"), std::optional<std::string>("255,255,255"));
    EXPECT_EQ(ini.value("Printer", "GraphMinor"), std::optional<std::string>("80,80,80"));
}

// The main window's placement against the screen of the off-screen platform.
class PlacementTest : public SettingsTest
{
protected:
    QRect placed(const std::string &display)
    {
        writeIni(folder.file("ZENODYNE.INI"), "[Display]\n" + display);
        TZenodyneApp app(FilePaths::toQString(folder.path()), std::make_unique<ScriptedPrompts>());
        app.frame().restorePlacement();
        return QRect(app.frame().pos(), app.frame().size());
    }

    QSize screen = QGuiApplication::primaryScreen()->size();
};

TEST_F(PlacementTest, SmallSizesBecomeTheDefaultsAndTheWindowIsCentred)
{
    const QRect window = placed("Width=60\nHeight=61\n");
    EXPECT_EQ(window.size(), QSize(600, 61));
    EXPECT_EQ(window.topLeft(), QPoint((screen.width() - 600) / 2, (screen.height() - 61) / 2));
}

TEST_F(PlacementTest, WidthAboveTheScreenBecomesTheScreenLessTen)
{
    const QRect window = placed("Width=" + std::to_string(screen.width() + 100)
                                + "\nHeight=300\nXpos=50\n"
                                  "Ypos=40\n");
    EXPECT_EQ(window.width(), screen.width() - 10);
    EXPECT_EQ(window.topLeft(), QPoint(10, 40)) << "moved back onto the screen";
}

TEST_F(PlacementTest, XposGivenWithYposMinusOneCentresBothAxes)
{
    const QRect window = placed("Width=400\nHeight=300\nXpos=5\nYpos=-1\n");
    EXPECT_EQ(window.topLeft(), QPoint((screen.width() - 400) / 2, (screen.height() - 300) / 2));
}

TEST_F(PlacementTest, ClosingTheWindowWritesItsPlacement)
{
    {
        TZenodyneApp app(FilePaths::toQString(folder.path()), std::make_unique<ScriptedPrompts>());
        app.frame().move(30, 20);
        app.frame().resize(500, 350);
        app.frame().show();
        app.frame().close();
    }
    const IniFile ini = IniFile::load(folder.file("ZENODYNE.INI"));
    EXPECT_EQ(ini.value("Display", "Width"), std::optional<std::string>("500"));
    EXPECT_EQ(ini.value("Display", "Height"), std::optional<std::string>("350"));
    EXPECT_EQ(ini.value("Display", "Maximized"), std::optional<std::string>("0"));
}

} // namespace
