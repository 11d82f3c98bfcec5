#pragma once

#include "textexportdialog.h"

struct BodePlotExportData;
class QLineEdit;
class QRadioButton;

// "Export Data from Bode Plot": the decade range, "Data Points", the frequency unit and
// whether the first column is the logarithm of the frequency.
class BodePlotDataExportDialog : public TextExportDialog
{
    Q_OBJECT

public:
    BodePlotDataExportDialog(BodePlotExportData &dialogData, ExportPrompts &prompts,
                             QWidget *parent = nullptr);

    QLineEdit &startDecadeEdit() const { return *m_start; }
    QLineEdit &decadesEdit() const { return *m_decades; }
    QLineEdit &dataPointsEdit() const { return *m_points; }
    QRadioButton &radiansButton() const { return *m_radians; }
    QRadioButton &hertzButton() const { return *m_hertz; }
    QRadioButton &logFrequencyButton() const { return *m_log; }
    QRadioButton &frequencyButton() const { return *m_linear; }

    std::string exportText() override;

private:
    BodePlotExportData &m_data;
    QLineEdit *m_start;
    QLineEdit *m_decades;
    QLineEdit *m_points;
    QRadioButton *m_radians;
    QRadioButton *m_hertz;
    QRadioButton *m_log;
    QRadioButton *m_linear;
};
