#pragma once

#include <QDialog>

#include <functional>

class QFormLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct NameSideDialogData;

// What every parameter dialog of the circuit objects has: the name edit (at most 63
// characters) on top, the rows of the dialog's own controls below it, the "Label Position"
// group with "Default Side" and "Other Side", and OK, Cancel and Help. OK stores the name and
// the side into the dialog's data; the core cuts and normalizes the name when it applies it.
class ParameterDialog : public QDialog
{
public:
    QLineEdit &nameEdit() const { return *m_name; }
    QRadioButton &defaultSideButton() const { return *m_defaultSide; }
    QRadioButton &otherSideButton() const { return *m_otherSide; }
    QPushButton &helpButton() const { return *m_help; }

    void accept() override;
    // Enables Help, which then calls showHelp with the thing's help topic.
    void setHelp(const std::function<void(const QString &)> &showHelp);

protected:
    ParameterDialog(const QString &title, NameSideDialogData &label, QWidget *parent);
    void showEvent(QShowEvent *event) override;
    // The rows between the name and the label position.
    QFormLayout &form() const { return *m_form; }

private:
    void orderTabs();

    NameSideDialogData &m_label;
    QFormLayout *m_form;
    QLineEdit *m_name;
    QRadioButton *m_defaultSide;
    QRadioButton *m_otherSide;
    QPushButton *m_help = nullptr;
};
