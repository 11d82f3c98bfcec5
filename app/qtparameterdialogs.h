#pragma once

#include <model/parameterdialogs.h>

#include <memory>

class QtToolDialogs;

// The parameter dialogs of the desktop program and those of the analysis tools, each opened
// modally over the active window.
class QtParameterDialogs : public ParameterDialogs
{
public:
    QtParameterDialogs();
    ~QtParameterDialogs() override;

    bool passCompDialog(PassCompDialogData &data) override;
    bool indepSrcDialog(NameSideDialogData &data) override;
    bool depSrcDialog(DepSrcDialogData &data) override;
    bool circTagDialog(NameSideDialogData &data) override;
    bool textBoxEditor(TextBoxEditorData &data) override;
    ToolDialogs *toolDialogs() override;
    QtToolDialogs &qtToolDialogs() const { return *m_toolDialogs; }

private:
    std::unique_ptr<QtToolDialogs> m_toolDialogs;
};
