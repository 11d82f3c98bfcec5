#include "qtparameterdialogs.h"

#include "circtagdialog.h"
#include "depsrcdialog.h"
#include "indepsrcdialog.h"
#include "parameterdialog.h"
#include "passcompdialog.h"
#include "rtf/textboxeditordialog.h"
#include "tooldialogs/qttooldialogs.h"

#include <QApplication>

#include <type_traits>

// Answers whether OK stored the dialog's fields into the data. The dialog blocks its own
// window only, so that the help frame its Help button opens can be read beside it.
template<typename Dialog, typename Data>
bool QtParameterDialogs::runModal(Data &data)
{
    Dialog dialog(data, QApplication::activeWindow());
    if constexpr (std::is_base_of_v<ParameterDialog, Dialog>) {
        dialog.setHelp(m_showHelp);
        if (dialog.parentWidget())
            dialog.setWindowModality(Qt::WindowModal);
    }
    return dialog.exec() == QDialog::Accepted;
}

QtParameterDialogs::QtParameterDialogs()
    : m_toolDialogs(std::make_unique<QtToolDialogs>())
{
}

QtParameterDialogs::~QtParameterDialogs() = default;

ToolDialogs *QtParameterDialogs::toolDialogs()
{
    return m_toolDialogs.get();
}

bool QtParameterDialogs::passCompDialog(PassCompDialogData &data)
{
    return runModal<PassCompDialog>(data);
}

bool QtParameterDialogs::indepSrcDialog(NameSideDialogData &data)
{
    return runModal<IndepSrcDialog>(data);
}

bool QtParameterDialogs::depSrcDialog(DepSrcDialogData &data)
{
    return runModal<DepSrcDialog>(data);
}

bool QtParameterDialogs::circTagDialog(NameSideDialogData &data)
{
    return runModal<CircTagDialog>(data);
}

bool QtParameterDialogs::textBoxEditor(TextBoxEditorData &data)
{
    return runModal<TextBoxEditorDialog>(data);
}
