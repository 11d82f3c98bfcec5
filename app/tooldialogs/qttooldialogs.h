#pragma once

#include "exportprompts.h"

#include <tools/tooldialogs.h>

#include <memory>

// The analysis tools' dialogs of the desktop program, each run modally over the active window.
// The exports ask for their files through the prompts (dialogs unless a test sets its own).
class QtToolDialogs : public ToolDialogs
{
public:
    QtToolDialogs();
    ~QtToolDialogs() override;

    ExportPrompts &exportPrompts() const { return *m_prompts; }
    void setExportPrompts(std::unique_ptr<ExportPrompts> prompts);

    bool plotLineDialog(TPEPDialogData &dialogData) override;
    bool graphMarkerDialog(GraphMarkerDialogData &dialogData) override;
    bool graphParamDialog(TGraphParamDialogData &dialogData) override;

    bool signalDialog(SignalDialogData &dialogData) override;
    void signalExportDialog(SignalExportData &dialogData) override;
    bool impulseDialog(ImpulseDialogData &dialogData) override;
    bool compndSigDialog(CompndSigDialogData &dialogData) override;
    bool tranFuncDialog(TranFuncDialogData &dialogData) override;
    void transFuncTextExportDialog(TransFuncTextExportData &dialogData) override;
    void transFuncExtendedViewDialog(const TransFuncExtendedViewData &dialogData) override;
    bool bodePlotDialog(BodePlotDialogData &dialogData) override;
    bool bpepDialog(BPEPDialogData &dialogData) override;
    void bodePlotDataExportDialog(BodePlotExportData &dialogData) override;
    bool timePlotDialog(TimePlotDialogData &dialogData) override;
    void timePlotDataExportDialog(TimePlotExportData &dialogData) override;

private:
    std::unique_ptr<ExportPrompts> m_prompts;
};
