#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class SignalDialogData;
class SignalPicture;
class ToolDialogs;

// "Signal Designer": the name, "Periodic", "Auto Sample", the time window, the pictures of the
// whole signal and of its current element with the scroll bar that picks the element, and the
// buttons that add, edit and delete elements and edit the line and the graph. The elements are
// the data's working copies; OK stores the fields.
class SignalDialog : public QDialog
{
    Q_OBJECT

public:
    SignalDialog(SignalDialogData &dialogData, ToolDialogs &dialogs, QWidget *parent = nullptr);

    QLineEdit &nameEdit() const { return *m_name; }
    QCheckBox &periodicBox() const { return *m_periodic; }
    QCheckBox &autoSampleBox() const { return *m_autoSample; }
    QLineEdit &startEdit() const { return *m_start; }
    QLineEdit &endEdit() const { return *m_end; }
    QScrollBar &elementBar() const { return *m_bar; }
    QLabel &elementLabel() const { return *m_elementLabel; }
    QPushButton &addImpulseButton() const { return *m_addImpulse; }
    QPushButton &addCompoundButton() const { return *m_addCompound; }
    QPushButton &editButton() const { return *m_edit; }
    QPushButton &deleteButton() const { return *m_delete; }
    QPushButton &lineButton() const { return *m_line; }
    QPushButton &graphButton() const { return *m_graph; }

    void accept() override;

private:
    // The window and the sampling as the fields stand, for the pictures.
    void readWindow();
    void refresh();

    SignalDialogData &m_data;
    ToolDialogs &m_dialogs;
    QLineEdit *m_name;
    QCheckBox *m_periodic;
    QCheckBox *m_autoSample;
    QLineEdit *m_start;
    QLineEdit *m_end;
    SignalPicture *m_signal;
    SignalPicture *m_element;
    QScrollBar *m_bar;
    QLabel *m_elementLabel;
    QPushButton *m_addImpulse;
    QPushButton *m_addCompound;
    QPushButton *m_edit;
    QPushButton *m_delete;
    QPushButton *m_line;
    QPushButton *m_graph;
};
