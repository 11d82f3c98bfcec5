#pragma once

#include "timewindowexportdialog.h"

struct TimePlotExportData;

// The data export of a time plot: "time" and the titles of its lines, then one row per point
// of the responses sampled anew.
class TimePlotDataExportDialog : public TimeWindowExportDialog
{
    Q_OBJECT

public:
    TimePlotDataExportDialog(TimePlotExportData &dialogData, ExportPrompts &prompts,
                             QWidget *parent = nullptr);
};
