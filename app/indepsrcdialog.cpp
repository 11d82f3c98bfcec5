#include "indepsrcdialog.h"

IndepSrcDialog::IndepSrcDialog(NameSideDialogData &label, QWidget *parent)
    : ParameterDialog(QStringLiteral("Independent Source Parameters"), label, parent)
{
}
