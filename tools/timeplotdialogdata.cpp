#include "timeplotdialogdata.h"

#include <tools/graph/dialogtext.h>
#include <tools/graph/tgraphparamdialogdata.h>
#include <tools/graph/tpepdialogdata.h>
#include <tools/timeplot.h>
#include <tools/tooldialogs.h>
#include <tools/transfunc.h>

#include <model/tcircuitdocument.h>

#include <common/drawcolors.h>

#include <algorithm>

namespace {

// The plot's line of the title, or a new one in the default line colour.
TPElemParam rowLine(const MArray<TPElemParam> &lines, const labelUnit &title)
{
    for (const TPElemParam &line : lines) {
        if (line.title == title)
            return line;
    }
    return TPElemParam(title, DrawColors::current().screen(ColorRole::GraphDefaultLine));
}

MArray<TPElemParam> shownLines(const std::vector<TPElemParam> &rows)
{
    MArray<TPElemParam> lines;
    for (const TPElemParam &row : rows) {
        if (row.shown)
            lines.append(row);
    }
    return lines;
}

bool editLine(ToolDialogs &dialogs, std::vector<TPElemParam> &rows, int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return false;
    TPElemParam &line = rows[static_cast<std::size_t>(row)];
    TPEPDialogData data = TPEPDialogData::from(line, true);
    if (!dialogs.plotLineDialog(data))
        return false;
    data.applyTo(line);
    return true;
}

} // namespace

TimePlotDialogData TimePlotDialogData::from(const TimePlot &plot)
{
    TimePlotDialogData data;
    data.name = plot.name().text();
    data.start = plot.start().text();
    data.end = plot.end().text();
    data.autoSample = plot.autoSample();
    data.graph = plot.graph();
    data.signalChoices.emplace_back(noSignal);
    const TCircuitDocument *document = plot.document();
    if (!document)
        return data;
    for (const CircTag *tag : document->tags()) {
        if (!tag->name().isEmpty())
            data.outputRows.push_back(rowLine(plot.outputLines(), tag->name()));
    }
    for (const CircTool *tool : document->tools()) {
        if (dynamic_cast<const TransFunc *>(tool) && !tool->name().isEmpty())
            data.transferRows.push_back(rowLine(plot.transferLines(), tool->name()));
        if (tool->isSignal() && !tool->name().isEmpty())
            data.signalChoices.emplace_back(tool->name().view());
    }
    const int pairs = std::min(plot.sourceNames().count(), plot.signalNames().count());
    for (const Component *component : document->components()) {
        if (!component->isIndependent() || component->name().isEmpty())
            continue;
        SourceRow row{std::string(component->name().view()), {}};
        for (int i = 0; i < pairs; ++i) {
            if (plot.sourceNames()[i] == component->name()) {
                const std::string signal(plot.signalNames()[i].view());
                if (std::find(data.signalChoices.begin() + 1, data.signalChoices.end(), signal)
                    != data.signalChoices.end())
                    row.signal = signal;
                break;
            }
        }
        data.sourceRows.push_back(row);
    }
    return data;
}

bool TimePlotDialogData::editOutputRow(ToolDialogs &dialogs, int row)
{
    return editLine(dialogs, outputRows, row);
}

bool TimePlotDialogData::editTransferRow(ToolDialogs &dialogs, int row)
{
    return editLine(dialogs, transferRows, row);
}

bool TimePlotDialogData::editGraph(ToolDialogs &dialogs)
{
    TGraphParamDialogData data = TGraphParamDialogData::from(graph);
    if (!dialogs.graphParamDialog(data))
        return false;
    data.applyTo(graph);
    return true;
}

void TimePlotDialogData::selectSource(int row)
{
    m_selectedSource = row >= 0 && static_cast<std::size_t>(row) < sourceRows.size() ? row : -1;
}

int TimePlotDialogData::selectedSignal() const
{
    if (m_selectedSource < 0)
        return 0;
    const std::string &signal = sourceRows[static_cast<std::size_t>(m_selectedSource)].signal;
    const auto match = std::find(signalChoices.begin() + 1, signalChoices.end(), signal);
    return match == signalChoices.end() ? 0 : static_cast<int>(match - signalChoices.begin());
}

void TimePlotDialogData::chooseSignal(int choice)
{
    if (m_selectedSource < 0 || choice < 0
        || static_cast<std::size_t>(choice) >= signalChoices.size())
        return;
    sourceRows[static_cast<std::size_t>(m_selectedSource)].signal
        = choice == 0 ? std::string() : signalChoices[static_cast<std::size_t>(choice)];
}

void TimePlotDialogData::applyTo(TimePlot &plot) const
{
    labelUnit label = DialogText::readLabel(name);
    label.normalize();
    plot.setName(label);
    plot.setLines(shownLines(outputRows), shownLines(transferRows));
    MArray<labelUnit> sources;
    MArray<labelUnit> signals;
    for (const SourceRow &row : sourceRows) {
        if (row.signal.empty())
            continue;
        sources.append(labelUnit(row.source));
        signals.append(labelUnit(row.signal));
    }
    plot.setSignals(sources, signals);
    plot.setWindow(textDouble(start), textDouble(end));
    plot.setAutoSample(autoSample);
    plot.setGraph(graph);
    plot.rebuildSolutions();
    plot.update();
}
