#pragma once

#include <QDialog>

struct TranFuncDialogData;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Transfer Function": the tool's name, its output equation with the circuit's output labels
// that "<<" inserts at the caret, the input source and the two show flags.
class TranFuncDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TranFuncDialog(TranFuncDialogData &dialogData, QWidget *parent = nullptr);

    QLineEdit &nameEdit() const { return *m_name; }
    QPlainTextEdit &equationEdit() const { return *m_equation; }
    QListWidget &labelList() const { return *m_labels; }
    QPushButton &insertButton() const { return *m_insert; }
    QComboBox &sourceBox() const { return *m_source; }
    QCheckBox &showOIBox() const { return *m_showOI; }
    QCheckBox &showSDomainBox() const { return *m_showSDomain; }

    void accept() override;

private:
    void insertLabel();

    TranFuncDialogData &m_data;
    QLineEdit *m_name;
    QPlainTextEdit *m_equation;
    QListWidget *m_labels;
    QPushButton *m_insert;
    QComboBox *m_source;
    QCheckBox *m_showOI;
    QCheckBox *m_showSDomain;
};
