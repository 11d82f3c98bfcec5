#include "qtparameterdialogs.h"

#include "rtf/textboxeditordialog.h"

#include <QApplication>

bool QtParameterDialogs::textBoxEditor(TextBoxEditorData &data)
{
    TextBoxEditorDialog dialog(data, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
