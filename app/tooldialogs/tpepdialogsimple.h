#pragma once

#include <tools/graph/tpepdialogdata.h>

#include <QDialog>

class ColorButton;
class GraphDialogs;
class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class TShowLineCtrl;

// "Plot Line Parameters" without the "Show Line" box: the axis, the colour, the style with a
// sample of the line, and the markers. It edits a working copy that OK hands back.
class TPEPDialogSimple : public QDialog
{
    Q_OBJECT

public:
    TPEPDialogSimple(TPEPDialogData &dialogData, GraphDialogs &dialogs, QWidget *parent = nullptr);

    QRadioButton &leftAxisButton() const { return *m_leftAxis; }
    QRadioButton &rightAxisButton() const { return *m_rightAxis; }
    ColorButton &colorButton() const { return *m_colour; }
    QComboBox &styleBox() const { return *m_style; }
    TShowLineCtrl &sample() const { return *m_sample; }
    QListWidget &markerList() const { return *m_markers; }
    QPushButton &addButton() const { return *m_add; }
    QPushButton &editButton() const { return *m_edit; }
    QPushButton &deleteButton() const { return *m_delete; }

    void accept() override;

protected:
    QVBoxLayout &mainLayout() const { return *m_layout; }
    TPEPDialogData &work() { return m_work; }

private:
    void refreshSample();
    void refreshMarkers(int selected);

    TPEPDialogData &m_data;
    TPEPDialogData m_work;
    GraphDialogs &m_dialogs;
    QVBoxLayout *m_layout;
    QRadioButton *m_leftAxis;
    QRadioButton *m_rightAxis;
    ColorButton *m_colour;
    QComboBox *m_style;
    TShowLineCtrl *m_sample;
    QListWidget *m_markers;
    QPushButton *m_add;
    QPushButton *m_edit;
    QPushButton *m_delete;
};
