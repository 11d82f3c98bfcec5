#pragma once

#include "textexportdialog.h"

#include <functional>

class QLineEdit;

// "Export Data from Time Domain Plot": "Start", "End" and "Data Points" of a signal's or a time
// plot's export; the fields are written into the export's strings before its text is taken.
class TimeWindowExportDialog : public TextExportDialog
{
    Q_OBJECT

public:
    QLineEdit &startEdit() const { return *m_start; }
    QLineEdit &endEdit() const { return *m_end; }
    QLineEdit &dataPointsEdit() const { return *m_points; }

    std::string exportText() override;

protected:
    struct Fields
    {
        std::string &start;
        std::string &end;
        std::string &dataPoints;
        std::function<std::string()> text;
    };

    TimeWindowExportDialog(Fields fields, ExportPrompts &prompts, QWidget *parent);

private:
    Fields m_target;
    QLineEdit *m_start;
    QLineEdit *m_end;
    QLineEdit *m_points;
};
