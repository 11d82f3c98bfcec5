#include <editor/inifile.h>

#include <support/tempfolder.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

TEST(IniFile, FindsSectionsAndKeysRegardlessOfCase)
{
    const IniFile file = IniFile::parse("[Display]\r\nFontName = Courier New \r\n"
                                        "junk line\r\n[printer]\r\nDrag=1,2,3\r\n");
    EXPECT_EQ(file.value("display", "FONTNAME"), "Courier New");
    EXPECT_EQ(file.value("Printer", "drag"), "1,2,3");
    EXPECT_EQ(file.value("Display", "Drag"), std::nullopt);
    EXPECT_EQ(file.value("Other", "Drag"), std::nullopt);
    EXPECT_EQ(file.keys("Display"), std::vector<std::string>{"FontName"});
}

TEST(IniFile, KeysBeforeTheFirstSectionAndRepeatedKeysAreIgnored)
{
    const IniFile file = IniFile::parse("Width=1\n[Display]\nWidth=2\nwidth=3\n=4\n");
    EXPECT_EQ(file.text(), "[Display]\nWidth=2\n");
}

TEST(IniFile, IntegersReadTheirLeadingDigits)
{
    const IniFile file = IniFile::parse("[S]\na=12abc\nb=abc\nc=-7\nd=99999999999\ne=\n");
    EXPECT_EQ(file.integer("S", "a", 5), 12);
    EXPECT_EQ(file.integer("S", "b", 5), 0);
    EXPECT_EQ(file.integer("S", "c", 5), -7);
    EXPECT_EQ(file.integer("S", "d", 5), 2147483647);
    EXPECT_EQ(file.integer("S", "e", 5), 0);
    EXPECT_EQ(file.integer("S", "missing", 5), 5);
}

TEST(IniFile, SettingKeepsTheOrderOfFirstAppearance)
{
    IniFile file;
    file.setValue("Display", "Width", "1");
    file.setInteger("Printer", "Drag", -2);
    file.setValue("display", "WIDTH", "3");
    file.setValue("Display", "Height", "4");
    EXPECT_EQ(file.text(), "[Display]\nWidth=3\nHeight=4\n\n[Printer]\nDrag=-2\n");
    EXPECT_TRUE(file.remove("Display", "width"));
    EXPECT_FALSE(file.remove("Display", "width"));
    EXPECT_EQ(file.text(), "[Display]\nHeight=4\n\n[Printer]\nDrag=-2\n");
}

TEST(IniFile, SavedFilesLoadBackAndMissingOrHugeFilesAreEmpty)
{
    TempFolder folder;
    IniFile file;
    file.setValue("Display", "FontName", "Arial");
    ASSERT_EQ(file.save(folder.file("ZENODYNE.INI")), "");
    EXPECT_EQ(IniFile::load(folder.file("ZENODYNE.INI")).text(), "[Display]\nFontName=Arial\n");

    EXPECT_EQ(IniFile::load(folder.file("absent.ini")).text(), "");
    {
        std::ofstream huge(folder.file("huge.ini"), std::ios::binary);
        huge << "[Display]\nFontName=Arial\n" << std::string(IniFile::maximumFileSize, ' ');
    }
    EXPECT_EQ(IniFile::load(folder.file("huge.ini")).text(), "");
}

} // namespace
