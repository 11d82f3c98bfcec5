#include <commandline.h>

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, SettingsFolderAndFilesInOrder)
{
    const CommandLine line = CommandLine::parse({"a.crc", "--settings", "/s", "b.crc", "-unreg"});
    EXPECT_EQ(line.error, QString());
    EXPECT_EQ(line.settingsFolder, QStringLiteral("/s"));
    EXPECT_EQ(line.arguments, (QStringList{"a.crc", "b.crc", "-unreg"}));
    EXPECT_FALSE(line.exportImage);
    EXPECT_EQ(CommandLine::parse({"--settings=/t"}).settingsFolder, QStringLiteral("/t"));
}

TEST(CommandLine, ExportImageTakesACircuitAndAnImage)
{
    const CommandLine line = CommandLine::parse({"--export-image", "in.crc", "out.svg"});
    EXPECT_TRUE(line.exportImage);
    EXPECT_EQ(line.error, QString());
    EXPECT_EQ(line.arguments, (QStringList{"in.crc", "out.svg"}));
    EXPECT_EQ(CommandLine::parse({"--export-image", "in.crc"}).error,
              QStringLiteral("--export-image needs a circuit file and an image file"));
    EXPECT_EQ(CommandLine::parse({"--settings"}).error,
              QStringLiteral("--settings needs a folder"));
}

TEST(CommandLine, EnvironmentNamesTheSettingsFolderWhenTheOptionDoesNot)
{
    qputenv("ZENODYNE_SETTINGS", "/from/environment");
    EXPECT_EQ(CommandLine::parse({}).settingsFolder, QStringLiteral("/from/environment"));
    EXPECT_EQ(CommandLine::parse({"--settings", "/given"}).settingsFolder,
              QStringLiteral("/given"));
    qunsetenv("ZENODYNE_SETTINGS");
    EXPECT_NE(CommandLine::parse({}).settingsFolder, QStringLiteral("/from/environment"));
}

} // namespace
