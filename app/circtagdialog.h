#pragma once

#include "parameterdialog.h"

// "Label Parameters": the name and label position of voltage and current tags.
class CircTagDialog : public ParameterDialog
{
public:
    explicit CircTagDialog(NameSideDialogData &label, QWidget *parent = nullptr);
};
