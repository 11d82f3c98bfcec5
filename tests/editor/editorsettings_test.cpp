#include <editor/colorrolesetting.h>
#include <editor/colortext.h>
#include <editor/editorsettings.h>
#include <editor/inifile.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char *defaultText = "[Display]\n"
                                    "FontName=Courier New\n"
                                    "FHeight=-12\n"
                                    "FWeight=400\n"
                                    "FPAndFam=0\n"
                                    "FItal=0\n"
                                    "FUnder=0\n"
                                    "FStrike=0\n"
                                    "FontColor=255,255,255\n"
                                    "BackGround=0,0,0\n"
                                    "GraphMain=255,255,255\n"
                                    "GraphMinor=128,128,128\n"
                                    "GraphDefaultLine=255,255,0\n"
                                    "Component=255,255,255\n"
                                    "ComponentSelected=0,0,255\n"
                                    "Node=255,0,0\n"
                                    "Connection=0,0,255\n"
                                    "CircuitTag=128,128,128\n"
                                    "Drag=255,255,255\n"
                                    "\n"
                                    "[Printer]\n"
                                    "FontColor=0,0,0\n"
                                    "BackGround=255,255,255\n"
                                    "GraphMain=0,0,0\n"
                                    "GraphMinor=80,80,80\n"
                                    "Component=0,0,0\n"
                                    "Node=0,0,0\n"
                                    "Connection=0,0,0\n"
                                    "CircuitTag=0,0,0\n";

TEST(EditorSettings, AnEmptyFileGivesTheDefaultsWhichSaveKeyByKey)
{
    DrawColors colors;
    colors.setScreen(ColorRole::Drag, Color{1, 2, 3});
    EditorSettings settings(colors);
    settings.LoadSettings(IniFile());
    EXPECT_EQ(settings.font(), FontSettings());

    IniFile written;
    settings.SaveSettings(written);
    EXPECT_EQ(written.text(), defaultText);
    // The defaults of the colour record itself agree with the file's.
    const DrawColors fresh;
    for (const ColorRoleSetting &setting : colorRoleSettings()) {
        EXPECT_EQ(formatColour(fresh.screen(setting.role)), setting.screenDefault) << setting.key;
        if (setting.printerDefault) {
            EXPECT_EQ(formatColour(fresh.printer(setting.role)), setting.printerDefault)
                << setting.key;
        }
    }
}

TEST(EditorSettings, LoadsFontAndColoursAsWritten)
{
    DrawColors colors;
    EditorSettings settings(colors);
    settings.LoadSettings(IniFile::parse("[Display]\nFontName=" + std::string(90, 'F')
                                         + "\nFHeight=-20\nFWeight=700\nFPAndFam=49\nFItal=1\n"
                                           "FUnder=0\nFStrike=2\nComponent=300,0,0\n"
                                           "[Printer]\nNode=1,2\nDrag=9,9,9\n"));
    ASSERT_TRUE(settings.font());
    EXPECT_EQ(*settings.font(),
              (FontSettings{std::string(80, 'F'), -20, 700, 49, true, false, true}));
    EXPECT_EQ(colors.screen(ColorRole::Component), (Color{44, 0, 0}));
    EXPECT_EQ(colors.screen(ColorRole::Node), (Color{255, 0, 0}));
    EXPECT_EQ(colors.printer(ColorRole::Node), (Color{1, 2, 0}));
    // The drag outline has no printer colour; a stray key in the printer section is not read.
    EXPECT_EQ(colors.printer(ColorRole::Drag), DrawColors().printer(ColorRole::Drag));
}

TEST(EditorSettings, WritesNoFontKeysWithoutAFontAndKeepsOtherKeys)
{
    DrawColors colors;
    EditorSettings settings(colors);
    IniFile file = IniFile::parse("[Display]\nWidth=800\n");
    settings.SaveSettings(file);
    EXPECT_EQ(file.keys("Display").size(), 12u);
    EXPECT_EQ(file.value("Display", "Width"), "800");
    EXPECT_EQ(file.value("Display", "FontName"), std::nullopt);
}

TEST(EditorSettings, SavedSettingsLoadBackKeyByKey)
{
    DrawColors colors;
    EditorSettings settings(colors);
    settings.setFont(FontSettings{"Arial", -15, 700, 2, true, true, false});
    colors.setScreen(ColorRole::GraphMain, Color{7, 8, 9});
    colors.setPrinter(ColorRole::CircuitTag, Color{10, 11, 12});
    IniFile written;
    settings.SaveSettings(written);

    DrawColors reread;
    EditorSettings loaded(reread);
    loaded.LoadSettings(IniFile::parse(written.text()));
    EXPECT_EQ(loaded.font(), settings.font());
    for (const ColorRoleSetting &setting : colorRoleSettings()) {
        EXPECT_EQ(reread.screen(setting.role), colors.screen(setting.role)) << setting.key;
        EXPECT_EQ(reread.printer(setting.role), colors.printer(setting.role)) << setting.key;
    }
}

TEST(EditorSettings, TheFontIsReadAgainAfterTheLastDocumentCloses)
{
    DrawColors colors;
    EditorSettings settings(colors);
    settings.documentCreated(IniFile::parse("[Display]\nFontName=Arial\n"));
    settings.documentCreated(IniFile::parse("[Display]\nFontName=Times\n"));
    EXPECT_EQ(settings.font()->faceName, "Arial");

    settings.documentDestroyed();
    EXPECT_EQ(settings.font()->faceName, "Arial");
    settings.documentDestroyed();
    EXPECT_FALSE(settings.font());
    EXPECT_EQ(settings.documentCount(), 0);

    settings.documentCreated(IniFile::parse("[Display]\nFontName=Times\nDrag=1,1,1\n"));
    EXPECT_EQ(settings.font()->faceName, "Times");
    EXPECT_EQ(colors.screen(ColorRole::Drag), (Color{1, 1, 1}));
}

} // namespace
