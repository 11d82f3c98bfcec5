#pragma once

#include <QDialog>

class QAction;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class QTextEdit;
class QToolBar;
struct TextBoxEditorData;

// "Text Box Editor": the rich text of a text block in an editing area under a small format bar
// (bold, italic, underline, "Font", family, size, colour, alignment). The block's Rich Text
// Format text is read into the area, and OK stores the area's text back as Rich Text Format,
// also when the block held plain text before; Cancel stores nothing.
class TextBoxEditorDialog : public QDialog
{
public:
    TextBoxEditorDialog(TextBoxEditorData &editorData, QWidget *parent = nullptr);

    QTextEdit &textEdit() const { return *m_edit; }
    QAction &boldAction() const { return *m_bold; }
    QAction &italicAction() const { return *m_italic; }
    QAction &underlineAction() const { return *m_underline; }
    QAction &alignAction(Qt::Alignment alignment) const;
    QFontComboBox &familyBox() const { return *m_family; }
    QComboBox &sizeBox() const { return *m_size; }

    // The colour of the selection, or of the text typed next; the colour button asks for it.
    void applyColour(const QColor &colour);
    void accept() override;

private:
    void buildFormatBar(QToolBar *bar);
    QAction *addToggle(QToolBar *bar, const QString &text, const QKeySequence &shortcut);
    QAction *addAlignment(QToolBar *bar, const QString &text, Qt::Alignment alignment);
    void mergeFormat(const QTextCharFormat &format);
    void chooseFont();
    void chooseColour();
    void applySize(const QString &text);
    void showCharFormat(const QTextCharFormat &format);
    void showAlignment();

    TextBoxEditorData &m_data;
    QTextEdit *m_edit;
    QAction *m_bold = nullptr;
    QAction *m_italic = nullptr;
    QAction *m_underline = nullptr;
    QAction *m_left = nullptr;
    QAction *m_centre = nullptr;
    QAction *m_right = nullptr;
    QFontComboBox *m_family = nullptr;
    QComboBox *m_size = nullptr;
};
