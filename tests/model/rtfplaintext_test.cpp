#include <model/rtfplaintext.h>

#include <gtest/gtest.h>

#include <string>

TEST(RtfPlainText, DropsControlWordsAndTableGroups)
{
    const std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                            "{\\colortbl ;\\red255\\green0\\blue0;}"
                            "{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1\\pard\\f0\\fs20 "
                            "Low-pass {\\b filter}\\par second line\\line third\\tab end\\par\n}";
    EXPECT_EQ(rtfPlainText(rtf), "Low-pass filter\nsecond line\nthird\tend\n");
}

TEST(RtfPlainText, DecodesEscapedCharacters)
{
    EXPECT_EQ(rtfPlainText("{\\rtf1 caf\\'e9 \\'80 \\\\ \\{x\\} a\\~b}"),
              "caf\xC3\xA9 \xE2\x82\xAC \\ {x} a\xC2\xA0"
              "b");
    // Unicode with its one-character fallback, and a pair of surrogates.
    EXPECT_EQ(rtfPlainText("{\\rtf1 \\u8364?5 \\uc2\\u-10179??\\u-8704?"
                           "?!}"),
              "\xE2\x82\xAC"
              "5 \xF0\x9F\x98\x80!");
    EXPECT_EQ(rtfPlainText("{\\rtf1 \\ldblquote x\\rdblquote \\emdash}"),
              "\xE2\x80\x9Cx\xE2\x80\x9D\xE2\x80\x94");
}

TEST(RtfPlainText, PlainTextComesBackUnchanged)
{
    EXPECT_EQ(rtfPlainText("V1 = 5 V"), "V1 = 5 V");
    EXPECT_EQ(rtfPlainText(""), "");
}

TEST(RtfPlainText, DamagedRichTextStillGivesItsText)
{
    EXPECT_EQ(rtfPlainText("{\\rtf1 unclosed {\\b bold"), "unclosed bold");
    EXPECT_EQ(rtfPlainText("}}text{"), "text");
    EXPECT_EQ(rtfPlainText("end\\"), "end");
    EXPECT_EQ(rtfPlainText("x\\'4"), "x4");
    EXPECT_EQ(rtfPlainText(std::string("a\0b", 3)), "a");
    EXPECT_EQ(rtfPlainText("\\u-99999999999999999999?x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(rtfPlainText("\\u55357?x"), "\xEF\xBF\xBDx");
}

TEST(RtfPlainText, DeepNestingIsReadWithoutGrowingWithoutBound)
{
    const std::string deep
        = std::string(100000, '{') + "{\\fonttbl x}deep" + std::string(100000, '}') + "after";
    EXPECT_EQ(rtfPlainText(deep), "deepafter");
}
