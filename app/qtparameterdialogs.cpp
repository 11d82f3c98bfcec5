#include "qtparameterdialogs.h"

#include "rtf/textboxeditordialog.h"
#include "tooldialogs/qttooldialogs.h"

#include <QApplication>

QtParameterDialogs::QtParameterDialogs()
    : m_toolDialogs(std::make_unique<QtToolDialogs>())
{
}

QtParameterDialogs::~QtParameterDialogs() = default;

ToolDialogs *QtParameterDialogs::toolDialogs()
{
    return m_toolDialogs.get();
}

bool QtParameterDialogs::textBoxEditor(TextBoxEditorData &data)
{
    TextBoxEditorDialog dialog(data, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
