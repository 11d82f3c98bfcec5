#pragma once

#include <tools/graph/graphdialogs.h>

class BodePlotDialogData;
struct BodePlotExportData;
struct BPEPDialogData;
struct CompndSigDialogData;
struct ImpulseDialogData;
class SignalDialogData;
struct SignalExportData;
class TimePlotDialogData;
struct TimePlotExportData;
struct TranFuncDialogData;
struct TransFuncExtendedViewData;
struct TransFuncTextExportData;

// The dialogs of the analysis tools, as the front end provides them, with those of the graphs
// they draw. Each dialog shows the data it is given, lets the user change it and answers true
// for OK (the data then holds what the user entered) or false for Cancel; the tools fill the
// data before and apply it after a confirmed dialog.
class ToolDialogs : public GraphDialogs
{
public:
    // "Signal Designer".
    virtual bool signalDialog(SignalDialogData &data) = 0;
    // "Export Data from Time Domain Plot" for a signal: "Save Data As..." writes data.text() to
    // the chosen file, "Copy Data" puts it on the clipboard, "Done" closes.
    virtual void signalExportDialog(SignalExportData &data) = 0;
    // "Impulse Signal Parameters".
    virtual bool impulseDialog(ImpulseDialogData &data) = 0;
    // "Compound Signal Element Parameters".
    virtual bool compndSigDialog(CompndSigDialogData &data) = 0;
    // "Transfer Function".
    virtual bool tranFuncDialog(TranFuncDialogData &data) = 0;
    // "Export Text from Transfer Function": the syntax buttons set data.syntax, "Save Text
    // As..." writes data.text() to the chosen file, "Copy Text" puts it on the clipboard when
    // it is not empty, "Done" closes.
    virtual void transFuncTextExportDialog(TransFuncTextExportData &data) = 0;
    // "Transfer Function Extended View": shows the texts until closed.
    virtual void transFuncExtendedViewDialog(const TransFuncExtendedViewData &data) = 0;
    // "Bode Plot Parameters"; a double-click on a row calls data.editRow.
    virtual bool bodePlotDialog(BodePlotDialogData &data) = 0;
    // "Bode Plot Line Parameters"; each "Line Parameters..." button calls data.editLine.
    virtual bool bpepDialog(BPEPDialogData &data) = 0;
    // "Export Data from Bode Plot": "Save Data As..." and "Copy Data" take data.text().
    virtual void bodePlotDataExportDialog(BodePlotExportData &data) = 0;
    // "Time Domain Plot Parameters".
    virtual bool timePlotDialog(TimePlotDialogData &data) = 0;
    // "Export Data from Time Domain Plot" for a time plot.
    virtual void timePlotDataExportDialog(TimePlotExportData &data) = 0;

protected:
    ToolDialogs() = default;
};
