#pragma once

#include <QDialogButtonBox>
#include <QString>

#include <string>

class QDialog;
class QLineEdit;
class QWidget;

// How the tool dialogs put the core's texts into their fields and take them back.
namespace DialogFields {

inline QString toQt(const std::string &text)
{
    return QString::fromStdString(text);
}
inline std::string toStd(const QString &text)
{
    return text.toStdString();
}
// A one-line field holding the text; typing stops at maxLength characters.
QLineEdit *lineEdit(const std::string &text, QWidget *parent, int maxLength = 32767);
// "OK" and "Cancel", connected to the dialog's accept and reject.
QDialogButtonBox *okCancel(QDialog *dialog);

} // namespace DialogFields
