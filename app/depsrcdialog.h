#pragma once

#include "parameterdialog.h"

#include <model/depsrcdialogdata.h>

class QListWidget;
class QListWidgetItem;

// "Dependent Source Parameters": name, the kind ("Voltage Dependent" or "Current
// Dependent"), the "Circuit Tags" list of the quantities of that kind that may control the
// source, the gain as numerator over denominator behind an "x", and the label position. A
// click on an entry, or Space on the current one, toggles its mark; a change of kind builds the
// list anew. OK stores the kind, the marks in list order and the gain texts; Cancel leaves the data
// as it was.
class DepSrcDialog : public ParameterDialog
{
public:
    explicit DepSrcDialog(DepSrcDialogData &sourceData, QWidget *parent = nullptr);

    QRadioButton &voltageDependentButton() const { return *m_voltage; }
    QRadioButton &currentDependentButton() const { return *m_current; }
    QListWidget &tagList() const { return *m_list; }
    QLineEdit &gainNumeratorEdit() const { return *m_numerator; }
    QLineEdit &gainDenominatorEdit() const { return *m_denominator; }

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createKindButtons();
    QWidget *createGain();
    void chooseKind();
    void toggle(QListWidgetItem *item);
    void showEntries();

    DepSrcDialogData &m_data;
    // The dialog's working copy: kind and marks change here until OK.
    DepSrcDialogData m_edited;
    QRadioButton *m_voltage;
    QRadioButton *m_current;
    QListWidget *m_list;
    QLineEdit *m_numerator;
    QLineEdit *m_denominator;
};
