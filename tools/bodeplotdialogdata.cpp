#include "bodeplotdialogdata.h"

#include <tools/bodeplot.h>
#include <tools/bpepdialogdata.h>
#include <tools/graph/dialogtext.h>
#include <tools/graph/tgraphparamdialogdata.h>
#include <tools/tooldialogs.h>
#include <tools/transfunc.h>

#include <model/tcircuitdocument.h>

namespace {

const BPElemParam *elementNamed(const BodePlot &plot, const labelUnit &name)
{
    for (const BPElemParam &element : plot.elements()) {
        if (element.name == name)
            return &element;
    }
    return nullptr;
}

} // namespace

BodePlotDialogData BodePlotDialogData::from(const BodePlot &plot)
{
    BodePlotDialogData data;
    data.name = plot.name().text();
    data.startDecade = std::to_string(plot.startDecade());
    data.decades = std::to_string(plot.decades());
    data.radiansPerSecond = plot.radiansPerSecond();
    data.graph = plot.graph();
    if (const TCircuitDocument *document = plot.document()) {
        for (const CircTool *tool : document->tools()) {
            if (!dynamic_cast<const TransFunc *>(tool) || tool->name().isEmpty())
                continue;
            const BPElemParam *existing = elementNamed(plot, tool->name());
            data.rows.append(existing ? *existing : BPElemParam(tool->name()));
        }
    }
    return data;
}

const TPElemParam *BodePlotDialogData::shownLine(int row, BodeLineKind kind) const
{
    if (row < rows.lowerIndex() || row > rows.upperIndex())
        return nullptr;
    const TPElemParam &line = rows[row].line(kind).parameters();
    return line.shown ? &line : nullptr;
}

bool BodePlotDialogData::editRow(ToolDialogs &dialogs, int row)
{
    if (row < rows.lowerIndex() || row > rows.upperIndex())
        return false;
    BPEPDialogData data = BPEPDialogData::from(rows[row]);
    if (!dialogs.bpepDialog(data))
        return false;
    data.applyTo(rows[row]);
    return true;
}

bool BodePlotDialogData::editGraph(ToolDialogs &dialogs)
{
    TGraphParamDialogData data = TGraphParamDialogData::from(graph);
    if (!dialogs.graphParamDialog(data))
        return false;
    data.applyTo(graph);
    return true;
}

void BodePlotDialogData::applyTo(BodePlot &plot) const
{
    labelUnit label = DialogText::readLabel(name);
    label.normalize();
    plot.setName(label);
    MArray<BPElemParam> plotted;
    for (const BPElemParam &row : rows) {
        if (row.hasShownLine())
            plotted.append(row);
    }
    plot.setElements(plotted);
    plot.setStartDecade(
        DialogText::readInteger(startDecade, -BodePlot::maxDecades, BodePlot::maxDecades));
    plot.setDecades(DialogText::readInteger(decades, 0, BodePlot::maxDecades));
    plot.setRadiansPerSecond(radiansPerSecond);
    plot.setGraph(graph);
    plot.update();
    plot.attach();
}
