#include "circtagdialog.h"

CircTagDialog::CircTagDialog(NameSideDialogData &label, QWidget *parent)
    : ParameterDialog(QStringLiteral("Label Parameters"), label, parent)
{
}
