#pragma once

#include <model/parameterdialogs.h>

#include <QString>

#include <functional>
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
    // What the Help buttons of the parameter dialogs call with the thing's help topic.
    void setHelp(std::function<void(const QString &)> showHelp)
    {
        m_showHelp = std::move(showHelp);
    }

private:
    template<typename Dialog, typename Data>
    bool runModal(Data &data);

    std::unique_ptr<QtToolDialogs> m_toolDialogs;
    std::function<void(const QString &)> m_showHelp;
};
