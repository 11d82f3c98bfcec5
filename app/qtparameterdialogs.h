#pragma once

#include <model/parameterdialogs.h>

// The parameter dialogs of the desktop program, each opened modally over the active window.
// The analysis tools' dialogs are not here yet: an inserted tool keeps its defaults.
class QtParameterDialogs : public ParameterDialogs
{
public:
    bool passCompDialog(PassCompDialogData &data) override;
    bool indepSrcDialog(NameSideDialogData &data) override;
    bool depSrcDialog(DepSrcDialogData &data) override;
    bool circTagDialog(NameSideDialogData &data) override;
    bool textBoxEditor(TextBoxEditorData &data) override;
};
