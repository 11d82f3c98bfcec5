#include "qttooldialogs.h"

#include "bodeplotdataexportdialog.h"
#include "bodeplotdialog.h"
#include "bpepdialog.h"
#include "compndsigdialog.h"
#include "dialogexportprompts.h"
#include "graphmarkerdialog.h"
#include "impulsedialog.h"
#include "signaldialog.h"
#include "signalplotdataexportdialog.h"
#include "tgraphparamdialog.h"
#include "timeplotdataexportdialog.h"
#include "timeplotdialog.h"
#include "tpepdialog.h"
#include "tranfuncdialog.h"
#include "transfuncextendedviewdialog.h"
#include "transfunctextexportdialog.h"

#include <QApplication>

namespace {

// Runs a dialog modally over the active window; answers whether it was confirmed.
template<typename Dialog, typename... Arguments>
bool run(Arguments &&...arguments)
{
    Dialog dialog(std::forward<Arguments>(arguments)..., QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

QtToolDialogs::QtToolDialogs()
    : m_prompts(std::make_unique<DialogExportPrompts>())
{
}

QtToolDialogs::~QtToolDialogs() = default;

void QtToolDialogs::setExportPrompts(std::unique_ptr<ExportPrompts> prompts)
{
    m_prompts = std::move(prompts);
}

bool QtToolDialogs::plotLineDialog(TPEPDialogData &dialogData)
{
    if (dialogData.hasShowLine)
        return run<TPEPDialog>(dialogData, *this);
    return run<TPEPDialogSimple>(dialogData, *this);
}

bool QtToolDialogs::graphMarkerDialog(GraphMarkerDialogData &dialogData)
{
    return run<GraphMarkerDialog>(dialogData);
}

bool QtToolDialogs::graphParamDialog(TGraphParamDialogData &dialogData)
{
    return run<TGraphParamDialog>(dialogData);
}

bool QtToolDialogs::signalDialog(SignalDialogData &dialogData)
{
    return run<SignalDialog>(dialogData, *this);
}

void QtToolDialogs::signalExportDialog(SignalExportData &dialogData)
{
    run<SignalPlotDataExportDialog>(dialogData, *m_prompts);
}

bool QtToolDialogs::impulseDialog(ImpulseDialogData &dialogData)
{
    return run<ImpulseDialog>(dialogData);
}

bool QtToolDialogs::compndSigDialog(CompndSigDialogData &dialogData)
{
    return run<CompndSigDialog>(dialogData);
}

bool QtToolDialogs::tranFuncDialog(TranFuncDialogData &dialogData)
{
    return run<TranFuncDialog>(dialogData);
}

void QtToolDialogs::transFuncTextExportDialog(TransFuncTextExportData &dialogData)
{
    run<TransFuncTextExportDialog>(dialogData, *m_prompts);
}

void QtToolDialogs::transFuncExtendedViewDialog(const TransFuncExtendedViewData &dialogData)
{
    run<TransFuncExtendedViewDialog>(dialogData);
}

bool QtToolDialogs::bodePlotDialog(BodePlotDialogData &dialogData)
{
    return run<BodePlotDialog>(dialogData, *this);
}

bool QtToolDialogs::bpepDialog(BPEPDialogData &dialogData)
{
    return run<BPEPDialog>(dialogData, *this);
}

void QtToolDialogs::bodePlotDataExportDialog(BodePlotExportData &dialogData)
{
    run<BodePlotDataExportDialog>(dialogData, *m_prompts);
}

bool QtToolDialogs::timePlotDialog(TimePlotDialogData &dialogData)
{
    return run<TimePlotDialog>(dialogData, *this);
}

void QtToolDialogs::timePlotDataExportDialog(TimePlotExportData &dialogData)
{
    run<TimePlotDataExportDialog>(dialogData, *m_prompts);
}
