#pragma once

#include <tools/bodeplotdialogdata.h>

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class ToolDialogs;

// "Bode Plot Parameters": the name, the decade range, the frequency unit, the graph parameters
// and the "Transfer Functions" of the circuit with a sample of each shown line under its
// column; a double click on a row edits that transfer function's lines. It edits a working
// copy that OK hands back.
class BodePlotDialog : public QDialog
{
    Q_OBJECT

public:
    BodePlotDialog(BodePlotDialogData &dialogData, ToolDialogs &dialogs, QWidget *parent = nullptr);

    QLineEdit &nameEdit() const { return *m_name; }
    QLineEdit &startDecadeEdit() const { return *m_start; }
    QLineEdit &decadesEdit() const { return *m_decades; }
    QRadioButton &radiansButton() const { return *m_radians; }
    QRadioButton &hertzButton() const { return *m_hertz; }
    QPushButton &graphButton() const { return *m_graph; }
    QTreeWidget &transferList() const { return *m_list; }

    void accept() override;

private:
    void refreshRow(int row);

    BodePlotDialogData &m_data;
    BodePlotDialogData m_work;
    ToolDialogs &m_dialogs;
    QLineEdit *m_name;
    QLineEdit *m_start;
    QLineEdit *m_decades;
    QRadioButton *m_radians;
    QRadioButton *m_hertz;
    QPushButton *m_graph;
    QTreeWidget *m_list;
};
