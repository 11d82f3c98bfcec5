#pragma once

#include "parameterdialog.h"

class QComboBox;
class QLabel;
struct PassCompDialogData;

// "Component Parameters" of resistors, capacitors and inductors: name, value (its whole text
// selected when the dialog opens, so that typing replaces it), the unit drop-down of the
// component's class and the label position. Beside the value it shows, while the user types,
// what will be stored in the base unit ("= 4.7e-09 F"); the hint blocks nothing.
class PassCompDialog : public ParameterDialog
{
public:
    explicit PassCompDialog(PassCompDialogData &componentData, QWidget *parent = nullptr);

    QLineEdit &valueEdit() const { return *m_value; }
    QComboBox &unitBox() const { return *m_unit; }
    QLabel &valueHint() const { return *m_hint; }

    void accept() override;

private:
    void showHint();

    PassCompDialogData &m_data;
    QLineEdit *m_value;
    QComboBox *m_unit;
    QLabel *m_hint;
};
