#pragma once

#include <model/parameterdialogs.h>

// The parameter dialogs of the desktop program. Until the dialogs exist every one of them
// answers Cancel: a double click changes nothing, and an inserted tool keeps its defaults.
class QtParameterDialogs : public ParameterDialogs
{
public:
    bool passCompDialog(PassCompDialogData &) override { return false; }
    bool indepSrcDialog(NameSideDialogData &) override { return false; }
    bool depSrcDialog(DepSrcDialogData &) override { return false; }
    bool circTagDialog(NameSideDialogData &) override { return false; }
    bool textBoxEditor(TextBoxEditorData &) override { return false; }
};
