#include "richtextdescription.h"

#include <rtf/rtfreader.h>

#include <QTextDocument>

#include <gtest/gtest.h>

#include <string>

namespace {

QString readRtf(const std::string &rtf)
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    EXPECT_TRUE(RtfReader::read(rtf, document));
    return describeRichText(document);
}

TEST(RtfReader, ReadsWhatWordPadWrites)
{
    const std::string rtf
        = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{"
          "\\f0\\fnil\\fcharset0"
          " Calibri;}{\\f1\\fswiss\\fprq2\\fcharset0 Arial;}}\r\n"
          "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
          "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
          "\\pard\\sa200\\sl276\\slmult1\\qc\\b\\f0\\fs22\\lang9 Title\\b0\\par\r\n"
          "\\pard\\sa200\\sl276\\slmult1\\cf1\\i Red italic\\cf0\\i0  and \\ul under\\ulnone  and"
          " \\f1\\fs28 Arial 14\\f0\\fs22\\par\r\n"
          "\\pard\\sa200\\sl276\\slmult1\\qr caf\\'e9 \\u8364?\\par\r\n"
          "}\r\n";

    EXPECT_EQ(readRtf(rtf), QString::fromUtf8("center:[b Calibri 11 auto]Title\n"
                                              "left:[i Calibri 11 #ff0000]Red italic"
                                              "[Calibri 11 auto] and [u Calibri 11 auto]under"
                                              "[Calibri 11 auto] and [Arial 14 auto]Arial 14\n"
                                              "right:[Calibri 11 auto]caf\xC3\xA9 \xE2\x82\xAC\n"));
}

TEST(RtfReader, ReadsWhatAWordProcessorWritesWithStylesInformationAndFallbacks)
{
    const std::string rtf
        = "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff0\\deff0\\stshfdbch0\\deflang1033"
          "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}"
          "Times New Roman;}{\\f37\\fbidi \\fswiss\\fcharset0\\fprq2{\\*\\panose "
          "020f0502020204030204}Calibri{\\*\\falt Arial};}}\n"
          "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\n"
          "{\\*\\defchp \\fs22\\loch\\af31506 }\n"
          "{\\stylesheet{\\ql \\li0\\ri0\\sa160\\widctlpar \\fs22\\lang1033 \\snext0 \\sqformat "
          "Normal;}{\\*\\cs10 \\additive Default Paragraph Font;}}\n"
          "{\\info{\\title Notes}{\\author Someone}{\\creatim\\yr2024\\mo1\\dy2\\hr3\\min4}}\n"
          "{\\*\\rsidtbl \\rsid1}\n"
          "\\paperw12240\\paperh15840\\margl1440\\margr1440\n"
          "\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\sa160\\widctlpar\\rtlch\\fcs1 \\af0\\afs22 "
          "\\ltrch\\fcs0 \\f37\\fs22\\lang1033 {\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\b\\insrsid1 "
          "Gain }{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\cf2\\insrsid1 \\u945\\'3f}{\\rtlch\\fcs1 "
          "\\ltrch\\fcs0 \\insrsid1 : \\uc2\\u8804\\'a3\\'fd 2}{\\*\\bkmkstart x}{\\*\\bkmkend x}"
          "\\par\n"
          "\\pard\\plain\\qc \\f37\\fs22 {\\uc0\\u-10179\\u-8704 smile}\\par\n"
          "{\\*\\themedata 0102abcdef}\n"
          "{\\*\\datastore 0105000002000000}}";

    EXPECT_EQ(readRtf(rtf), QString::fromUtf8("left:[b Calibri 11 auto]Gain [Calibri 11 #0000ff]"
                                              "\xCE\xB1[Calibri 11 auto]: \xE2\x89\xA4 2\n"
                                              "center:[Calibri 11 auto]\xF0\x9F\x98\x80smile\n"));
}

TEST(RtfReader, ReadsWhatTextEditWritesWithOldFontTablesAndEscapedLineEnds)
{
    const std::string rtf
        = "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2639\n"
          "\\cocoatextscaling0\\cocoaplatform0{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;"
          "\\f1\\fnil\\fcharset0 Menlo-Regular;}\n"
          "{\\colortbl;\\red255\\green255\\blue255;\\red0\\green128\\blue0;}\n"
          "{\\*\\expandedcolortbl;;\\cssrgb\\c0\\c50196\\c0;}\n"
          "\\paperw11900\\paperh16840\\vieww11520\\viewh8400\\viewkind0\n"
          "\\pard\\tx566\\tx1133\\pardirnatural\\partightenfactor0\n"
          "\n"
          "\\f0\\fs24 \\cf0 First\\tab line\\\n"
          "\\cf2 green \\f1 code\\\n"
          "\\pard\\qr\\f0 r\\'e9sum\\'e9}";

    EXPECT_EQ(readRtf(rtf),
              QString::fromUtf8("left:[Helvetica 12 auto]First\tline\n"
                                "left:[Helvetica 12 #008000]green "
                                "[Menlo-Regular 12 #008000]code\n"
                                "right:[Helvetica 12 #008000]r\xC3\xA9sum\xC3\xA9\n"));
}

TEST(RtfReader, GroupsKeepTheirFormatAndPlainAndPardReset)
{
    EXPECT_EQ(readRtf("{\\rtf1\\qr a{\\b b{\\i\\ul c}d\\plain e}f\\pard g\\par\\b\\i h}"),
              "left:[DejaVu Sans 12 auto]a[b DejaVu Sans 12 auto]b[b i u DejaVu Sans 12 auto]c"
              "[b DejaVu Sans 12 auto]d[DejaVu Sans 12 auto]efg\n"
              "left:[b i DejaVu Sans 12 auto]h\n");
}

TEST(RtfReader, AFinalParOpensNoParagraphButTwoLeaveAnEmptyOne)
{
    EXPECT_EQ(readRtf("{\\rtf1 one\\par}"), "left:[DejaVu Sans 12 auto]one\n");
    EXPECT_EQ(readRtf("{\\rtf1 one\\par\\fs40\\par}"),
              "left:[DejaVu Sans 12 auto]one\nleft:[DejaVu Sans 20 auto]\n");
    EXPECT_EQ(readRtf("{\\rtf1}"), "left:[DejaVu Sans 12 auto]\n");
}

TEST(RtfReader, SkipsBinaryDataAndTextAfterTheDocument)
{
    EXPECT_EQ(readRtf("{\\rtf1 a{\\pict\\bin4 }}{x}b}c} after"), "left:[DejaVu Sans 12 auto]ab\n");
}

TEST(RtfReader, TextThatIsNotRtfBecomesPlainText)
{
    QTextDocument document;
    EXPECT_FALSE(RtfReader::read("R1 = 4.7k \xE2\x84\xA6\n{not rtf}", document));
    EXPECT_EQ(document.toPlainText(), QString::fromUtf8("R1 = 4.7k \xE2\x84\xA6\n{not rtf}"));
}

TEST(RtfReader, DropsGroupsNestedTooDeepAndReadsOnAfterThem)
{
    const std::string deep = std::string(100000, '{') + "lost" + std::string(100000, '}');
    EXPECT_EQ(readRtf("{\\rtf1 a" + deep + " b}"), "left:[DejaVu Sans 12 auto]a b\n");

    const std::string limit = std::string(RtfReader::maxDepth - 1, '{') + "kept"
                              + std::string(RtfReader::maxDepth - 1, '}');
    EXPECT_EQ(readRtf("{\\rtf1 " + limit + "}"), "left:[DejaVu Sans 12 auto]kept\n");
}

TEST(RtfReader, ClampsHugeParametersAndCutsHugeControlWords)
{
    EXPECT_EQ(readRtf("{\\rtf1\\fs99999999999999999999 big\\fs-5 small\\fs0 x}"),
              "left:[DejaVu Sans 1638 auto]big[DejaVu Sans 1 auto]smallx\n");
    EXPECT_EQ(readRtf("{\\rtf1\\cf99999999999 a\\u99999999999?b\\u-99999?c}"),
              QString::fromUtf8("left:[DejaVu Sans 12 auto]a\xEF\xBF\xBD"
                                "b\xEF\xBF\xBD"
                                "c\n"));
    EXPECT_EQ(readRtf("{\\rtf1 a\\" + std::string(1000000, 'x') + " b\\bin99999999999999 gone}"),
              "left:[DejaVu Sans 12 auto]ab\n");
    EXPECT_EQ(readRtf("{\\rtf1\\uc99999999\\u955" + std::string(20, '?') + "}"),
              QString::fromUtf8("left:[DejaVu Sans 12 auto]\xCE\xBB????\n"));
}

TEST(RtfReader, BoundsTheColourTable)
{
    std::string table = "{\\colortbl ;";
    for (int entry = 1; entry < 3000; ++entry)
        table += "\\red" + std::to_string(entry % 256) + ";";
    EXPECT_EQ(readRtf("{\\rtf1" + table + "}\\cf1000 a\\cf2000 b}"),
              "left:[DejaVu Sans 12 #e80000]a[DejaVu Sans 12 auto]b\n");
}

TEST(RtfReader, ReadsTruncatedDocumentsAsFarAsTheyGo)
{
    EXPECT_EQ(readRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\qc{\\b bold\\'e"),
              "center:[b Arial 12 auto]bold\n");
    EXPECT_EQ(readRtf("{\\rtf1{\\fonttbl{\\f0 Ari"), "left:[DejaVu Sans 12 auto]\n");
    EXPECT_EQ(readRtf("{\\rtf1 x\\"), "left:[DejaVu Sans 12 auto]x\n");
}

} // namespace
