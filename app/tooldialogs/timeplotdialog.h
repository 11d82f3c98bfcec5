#pragma once

#include <tools/timeplotdialogdata.h>

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class ToolDialogs;

// "Time Domain Plot Parameters": the name, the time window, "Auto Sample", the graph
// parameters, the tags and transfer-function tools to plot (a double click edits a row's
// line, whose "Show Line" picks it), and the signal of each independent source. It edits a
// working copy that OK hands back.
class TimePlotDialog : public QDialog
{
    Q_OBJECT

public:
    TimePlotDialog(TimePlotDialogData &dialogData, ToolDialogs &dialogs, QWidget *parent = nullptr);

    QLineEdit &nameEdit() const { return *m_name; }
    QLineEdit &startEdit() const { return *m_start; }
    QLineEdit &endEdit() const { return *m_end; }
    QCheckBox &autoSampleBox() const { return *m_autoSample; }
    QPushButton &graphButton() const { return *m_graph; }
    QListWidget &outputList() const { return *m_outputs; }
    QListWidget &transferList() const { return *m_transfers; }
    QTreeWidget &sourceList() const { return *m_sources; }
    QComboBox &signalBox() const { return *m_signals; }

    void accept() override;

private:
    static void refreshRow(QListWidget &list, int row, const TPElemParam &line);
    void refreshSource(int row);

    TimePlotDialogData &m_data;
    TimePlotDialogData m_work;
    ToolDialogs &m_dialogs;
    QLineEdit *m_name;
    QLineEdit *m_start;
    QLineEdit *m_end;
    QCheckBox *m_autoSample;
    QPushButton *m_graph;
    QListWidget *m_outputs;
    QListWidget *m_transfers;
    QTreeWidget *m_sources;
    QComboBox *m_signals;
};
