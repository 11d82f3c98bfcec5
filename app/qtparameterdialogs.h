#pragma once

#include <model/parameterdialogs.h>

// The parameter dialogs of the desktop program. The text blocks' "Text Box Editor" exists;
// until the other dialogs do, they answer Cancel: a double click changes nothing, and an
// inserted tool keeps its defaults.
class QtParameterDialogs : public ParameterDialogs
{
public:
    bool passCompDialog(PassCompDialogData &) override { return false; }
    bool indepSrcDialog(NameSideDialogData &) override { return false; }
    bool depSrcDialog(DepSrcDialogData &) override { return false; }
    bool circTagDialog(NameSideDialogData &) override { return false; }
    // Opens the editor over the active window; answers whether OK stored the text.
    bool textBoxEditor(TextBoxEditorData &data) override;
};
