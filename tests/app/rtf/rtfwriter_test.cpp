#include "richtextdescription.h"

#include <model/rtfplaintext.h>
#include <rtf/rtfreader.h>
#include <rtf/rtfwriter.h>

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

QTextCharFormat formatOf(const QString &family, double points, bool bold, bool italic,
                         bool underline, QColor colour = {})
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setFontUnderline(underline);
    if (colour.isValid())
        format.setForeground(colour);
    return format;
}

QTextBlockFormat aligned(Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    return format;
}

// A short note: a centred title of two runs, an empty right-aligned paragraph.
void writeShortNote(QTextDocument &document)
{
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    QTextCursor cursor(&document);
    cursor.setBlockFormat(aligned(Qt::AlignHCenter));
    cursor.insertText(QStringLiteral("Plain "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("bold"), bold);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    cursor.insertText(QString::fromUtf8("\xC3\xA9"), red);
    cursor.insertBlock(aligned(Qt::AlignRight), QTextCharFormat());
    cursor.insertBlock(aligned(Qt::AlignLeft), QTextCharFormat());
    cursor.insertText(QStringLiteral("{x}\\\t") + QChar(QChar::LineSeparator) + QStringLiteral(";"),
                      formatOf(QStringLiteral("DejaVu Serif"), 10.5, false, true, true));
}

// Every attribute the editor offers, each on and off, and characters that need escapes.
void writeEveryAttribute(QTextDocument &document)
{
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QTextCursor cursor(&document);
    const QString sans = QStringLiteral("DejaVu Sans");
    const QString serif = QStringLiteral("Liberation Serif");
    cursor.insertText(QStringLiteral("default "));
    cursor.insertText(QStringLiteral("bold "), formatOf(sans, 9, true, false, false));
    cursor.insertText(QStringLiteral("italic "), formatOf(sans, 9, false, true, false));
    cursor.insertText(QStringLiteral("under "), formatOf(sans, 9, false, false, true));
    cursor.insertText(QStringLiteral("all"), formatOf(sans, 9, true, true, true));
    cursor.insertBlock(aligned(Qt::AlignHCenter), formatOf(serif, 24, false, false, false));
    cursor.insertText(QStringLiteral("big serif "), formatOf(serif, 24, false, false, false));
    cursor.insertText(QStringLiteral("blue"),
                      formatOf(serif, 24, false, false, false, QColor(1, 2, 250)));
    cursor.insertBlock(aligned(Qt::AlignRight), formatOf(sans, 72, true, false, false));
    cursor.insertBlock(aligned(Qt::AlignJustify), QTextCharFormat());
    cursor.insertText(QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC \xCE\xB1\xE2\x89\xA4"
                                        "\xF0\x9F\x98\x80 ~"),
                      formatOf(QString::fromUtf8("Font \xC3\xA9;{x}"), 7.5, false, true, false,
                               QColor(0, 128, 0)));
    cursor.insertText(QStringLiteral(" back"), formatOf(sans, 9, false, false, false));
}

TEST(RtfWriter, WritesTheTablesParagraphsAndChangesOfAttributes)
{
    QTextDocument document;
    writeShortNote(document);

    EXPECT_EQ(RtfWriter::write(document),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil DejaVu Sans;}"
              "{\\f1\\fnil DejaVu Serif;}}{\\colortbl ;\\red255\\green0\\blue0;}\n"
              "\\pard\\qc\\f0\\fs20\\cf0\\b0\\i0\\ulnone Plain \\b bold\\cf1\\b0\\u233?\\par\n"
              "\\pard\\qr\\cf0\\par\n"
              "\\pard\\ql\\f1\\fs21\\i\\ul\\{x\\}\\\\\\tab\\line ;\\par\n"
              "}\n");
}

TEST(RtfWriter, ItsTextIsWhatTheCoreDrawsWithoutARenderer)
{
    QTextDocument document;
    writeShortNote(document);

    EXPECT_EQ(rtfPlainText(RtfWriter::write(document)), "Plain bold\xC3\xA9\n\n{x}\\\t\n;\n");
}

TEST(RtfWriter, AnEmptyDocumentIsOneEmptyParagraph)
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 12));

    EXPECT_EQ(RtfWriter::write(document), "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0"
                                          "\\fnil DejaVu Sans;}}\n"
                                          "\\pard\\ql\\f0\\fs24\\cf0\\b0\\i0\\ulnone\\par\n"
                                          "}\n");
}

class RtfRoundTrip : public testing::TestWithParam<void (*)(QTextDocument &)>
{
};

TEST_P(RtfRoundTrip, KeepsEveryCharacterWithItsAttributes)
{
    QTextDocument original;
    GetParam()(original);
    const std::string rtf = RtfWriter::write(original);

    QTextDocument read;
    read.setDefaultFont(QFont(QStringLiteral("Other"), 30));
    ASSERT_TRUE(RtfReader::read(rtf, read));

    EXPECT_EQ(describeRichText(read), describeRichText(original));
    EXPECT_EQ(RtfWriter::write(read), rtf);
}

// Named by their place, since CTest finds each case by a name that must not change between runs.
INSTANTIATE_TEST_SUITE_P(Documents, RtfRoundTrip,
                         testing::Values(&writeShortNote, &writeEveryAttribute),
                         [](const testing::TestParamInfo<void (*)(QTextDocument &)> &document) {
                             return document.index == 0 ? "ShortNote" : "EveryAttribute";
                         });

TEST(RtfRoundTrip, DescribesTheAttributesItKeeps)
{
    QTextDocument document;
    writeEveryAttribute(document);

    EXPECT_EQ(describeRichText(document),
              QString::fromUtf8("left:[DejaVu Sans 9 auto]default [b DejaVu Sans 9 auto]bold "
                                "[i DejaVu Sans 9 auto]italic [u DejaVu Sans 9 auto]under "
                                "[b i u DejaVu Sans 9 auto]all\n"
                                "center:[Liberation Serif 24 auto]big serif "
                                "[Liberation Serif 24 #0102fa]blue\n"
                                "right:[b DejaVu Sans 72 auto]\n"
                                "justify:[i Font \xC3\xA9;{x} 7.5 #008000]caf\xC3\xA9 "
                                "\xE2\x82\xAC \xCE\xB1\xE2\x89\xA4\xF0\x9F\x98\x80 ~"
                                "[DejaVu Sans 9 auto] back\n"));
}

} // namespace
