#pragma once

#include <QString>

class QWidget;

// The questions and messages of the document commands: the save prompt, the error messages
// and the file choosers. The program asks through message boxes and file dialogs; tests answer
// in their place.
class ShellPrompts
{
public:
    enum class SaveAnswer { Save, Discard, Cancel };

    virtual ~ShellPrompts() = default;

    // "The document has been changed.\n\nDo you want to save the changes?" for one document.
    virtual SaveAnswer askSaveChanges(const QString &documentTitle) = 0;
    virtual void showError(const QString &text) = 0;
    // The file to open or to save to; empty when the user cancels.
    virtual QString openFileName(const QString &caption, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &filter,
                                 const QString &suggested)
        = 0;

protected:
    ShellPrompts() = default;
};
