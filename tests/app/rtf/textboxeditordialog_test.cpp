#include "richtextdescription.h"

#include <model/textboxeditordata.h>
#include <rtf/textboxeditordialog.h>

#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

const std::string header = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil Arial;}}";

TEST(TextBoxEditorDialog, ShowsTheBlocksRichTextAndItsFormatAtTheCursor)
{
    TextBoxEditorData data{"{\\rtf1{\\fonttbl{\\f0 Arial;}}\\qr\\b\\fs28 Gain\\par}"};
    TextBoxEditorDialog dialog(data);

    EXPECT_EQ(describeRichText(*dialog.textEdit().document()), "right:[b Arial 14 auto]Gain\n");
    dialog.textEdit().moveCursor(QTextCursor::End);
    EXPECT_TRUE(dialog.boldAction().isChecked());
    EXPECT_FALSE(dialog.italicAction().isChecked());
    EXPECT_TRUE(dialog.alignAction(Qt::AlignRight).isChecked());
    EXPECT_EQ(dialog.sizeBox().currentText(), "14");
}

TEST(TextBoxEditorDialog, OkStoresTheTypedAndFormattedTextAsRtf)
{
    TextBoxEditorData data;
    TextBoxEditorDialog dialog(data);
    QTest::keyClicks(&dialog.textEdit(), QStringLiteral("Vout"));
    dialog.textEdit().selectAll();
    dialog.boldAction().trigger();
    dialog.alignAction(Qt::AlignHCenter).trigger();
    dialog.textEdit().moveCursor(QTextCursor::End);
    dialog.italicAction().trigger();
    dialog.applyColour(QColor(0, 0, 255));
    QTest::keyClicks(&dialog.textEdit(), QStringLiteral(" = 1"));
    dialog.sizeBox().setEditText(QStringLiteral("13.5"));
    dialog.textEdit().selectAll();
    emit dialog.sizeBox().textActivated(QStringLiteral("13.5"));

    dialog.accept();

    EXPECT_EQ(data.rtf, header
                            + "{\\colortbl ;\\red0\\green0\\blue255;}\n"
                              "\\pard\\qc\\f0\\fs27\\cf0\\b\\i0\\ulnone Vout\\cf1\\i  = 1\\par\n"
                              "}\n");
}

TEST(TextBoxEditorDialog, StoresPlainTextAsRtfAndCancelStoresNothing)
{
    TextBoxEditorData plain{"a {note}"};
    TextBoxEditorDialog confirmed(plain);
    confirmed.accept();
    EXPECT_EQ(plain.rtf,
              header + "\n\\pard\\ql\\f0\\fs20\\cf0\\b0\\i0\\ulnone a \\{note\\}\\par\n}\n");

    TextBoxEditorData kept{"{\\rtf1 kept}"};
    TextBoxEditorDialog cancelled(kept);
    QTest::keyClicks(&cancelled.textEdit(), QStringLiteral("typed"));
    cancelled.reject();
    EXPECT_EQ(kept.rtf, "{\\rtf1 kept}");
}

} // namespace
