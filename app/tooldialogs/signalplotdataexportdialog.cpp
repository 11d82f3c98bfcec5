#include "signalplotdataexportdialog.h"

#include <tools/signalexportdata.h>

SignalPlotDataExportDialog::SignalPlotDataExportDialog(SignalExportData &dialogData,
                                                       ExportPrompts &prompts, QWidget *parent)
    : TimeWindowExportDialog({dialogData.start, dialogData.end, dialogData.dataPoints,
                              [&dialogData] { return dialogData.text(); }},
                             prompts, parent)
{
}
