#include "dialogfields.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>

namespace DialogFields {

QLineEdit *lineEdit(const std::string &text, QWidget *parent, int maxLength)
{
    auto *edit = new QLineEdit(toQt(text), parent);
    edit->setMaxLength(maxLength);
    return edit;
}

QDialogButtonBox *okCancel(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace DialogFields
