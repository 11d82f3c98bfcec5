#pragma once

#include "parameterdialog.h"

// "Independent Source Parameters": the name and label position of voltage and current sources.
class IndepSrcDialog : public ParameterDialog
{
public:
    explicit IndepSrcDialog(NameSideDialogData &label, QWidget *parent = nullptr);
};
