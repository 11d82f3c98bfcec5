#include "timeplotdataexportdialog.h"

#include <tools/timeplotexportdata.h>

TimePlotDataExportDialog::TimePlotDataExportDialog(TimePlotExportData &dialogData,
                                                   ExportPrompts &prompts, QWidget *parent)
    : TimeWindowExportDialog({dialogData.start, dialogData.end, dialogData.dataPoints,
                              [&dialogData] { return dialogData.text(); }},
                             prompts, parent)
{
}
