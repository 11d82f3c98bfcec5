#pragma once

#include <model/parameterdialogs.h>

#include <memory>

class QtToolDialogs;

// The parameter dialogs of the desktop program. The text blocks' "Text Box Editor" and the
// analysis tools' dialogs exist; until the other dialogs do, they answer Cancel: a double
// click changes nothing.
class QtParameterDialogs : public ParameterDialogs
{
public:
    QtParameterDialogs();
    ~QtParameterDialogs() override;

    bool passCompDialog(PassCompDialogData &) override { return false; }
    bool indepSrcDialog(NameSideDialogData &) override { return false; }
    bool depSrcDialog(DepSrcDialogData &) override { return false; }
    bool circTagDialog(NameSideDialogData &) override { return false; }
    // Opens the editor over the active window; answers whether OK stored the text.
    bool textBoxEditor(TextBoxEditorData &data) override;
    ToolDialogs *toolDialogs() override;
    QtToolDialogs &qtToolDialogs() const { return *m_toolDialogs; }

private:
    std::unique_ptr<QtToolDialogs> m_toolDialogs;
};
