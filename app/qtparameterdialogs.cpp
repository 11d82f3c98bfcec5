#include "qtparameterdialogs.h"

#include "circtagdialog.h"
#include "depsrcdialog.h"
#include "indepsrcdialog.h"
#include "passcompdialog.h"
#include "rtf/textboxeditordialog.h"
#include "tooldialogs/qttooldialogs.h"

#include <QApplication>

namespace {

// Answers whether OK stored the dialog's fields into the data.
template<typename Dialog, typename Data>
bool runModal(Data &data)
{
    Dialog dialog(data, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

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
