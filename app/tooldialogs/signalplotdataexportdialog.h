#pragma once

#include "timewindowexportdialog.h"

struct SignalExportData;

// The data export of an input signal: "time," and the signal's name, then one row per point.
class SignalPlotDataExportDialog : public TimeWindowExportDialog
{
    Q_OBJECT

public:
    SignalPlotDataExportDialog(SignalExportData &dialogData, ExportPrompts &prompts,
                               QWidget *parent = nullptr);
};
