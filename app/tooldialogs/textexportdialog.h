#pragma once

#include <QDialog>

#include <string>

class ExportPrompts;
class QFormLayout;
class QPushButton;

// The frame of the export dialogs: the fields a subclass adds, then "Save ... As..." (the text
// written whole to a chosen "Text Data (*.txt)" file, which it then replaces), "Copy ..." (the
// text on the clipboard as plain text, when there is any) and "Done".
class TextExportDialog : public QDialog
{
    Q_OBJECT

public:
    static QString fileFilter() { return QStringLiteral("Text Data (*.txt)"); }

    QPushButton &saveButton() const { return *m_save; }
    QPushButton &copyButton() const { return *m_copy; }
    QPushButton &doneButton() const { return *m_done; }

    // What the buttons take, from the fields as they stand.
    virtual std::string exportText() = 0;
    // Writes the text to the file; false (with the reason told to the user) when it fails.
    bool saveTo(const QString &fileName);
    void copyToClipboard();

protected:
    // "Text" or "Data" names what the buttons produce.
    TextExportDialog(const QString &title, const QString &what, ExportPrompts &prompts,
                     QWidget *parent);
    QFormLayout &fields() const { return *m_fields; }

private:
    void save();

    ExportPrompts &m_prompts;
    QString m_saveCaption;
    QFormLayout *m_fields;
    QPushButton *m_save;
    QPushButton *m_copy;
    QPushButton *m_done;
};
