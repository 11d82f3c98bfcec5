#include "timeplot.h"

#include <tools/graph/graph.h>
#include <tools/signal.h>
#include <tools/sigsolution.h>
#include <tools/timeplotdialogdata.h>
#include <tools/timeplotexportdata.h>
#include <tools/tooldialogs.h>
#include <tools/transfunc.h>

#include <model/parameterdialogs.h>
#include <model/tcircuitdocument.h>

#include <common/ipstream.h>
#include <common/opstream.h>
#include <common/streamformat.h>

#include <algorithm>

namespace {

void writeLines(opstream &os, const MArray<TPElemParam> &lines)
{
    os.writeWord32(static_cast<std::uint32_t>(lines.count()));
    for (const TPElemParam &line : lines)
        os.writeObject(line);
}

void readLines(ipstream &is, MArray<TPElemParam> &lines)
{
    lines.clear();
    const std::uint32_t count = is.readCount(StreamFormat::minimumObjectBytes);
    for (std::uint32_t i = 0; i < count && is.good(); ++i) {
        TPElemParam line;
        if (is.readObject(line))
            lines.append(line);
    }
}

void writeSolutions(opstream &os, const MPtrArray<SuperSigSolution> &solutions)
{
    os.writeWord32(static_cast<std::uint32_t>(solutions.count()));
    for (const SuperSigSolution *solution : solutions)
        os.writePointer(solution);
}

// A missing solution reads as an empty one, so that solution i stays that of line i.
void readSolutions(ipstream &is, MPtrArray<SuperSigSolution> &solutions)
{
    solutions.clear();
    const std::uint32_t count = is.readCount(1);
    for (std::uint32_t i = 0; i < count && is.good(); ++i) {
        std::unique_ptr<SuperSigSolution> solution = is.readOwnedPointer<SuperSigSolution>();
        solutions.append(solution ? std::move(solution) : std::make_unique<SuperSigSolution>());
    }
}

void writeNames(opstream &os, const MArray<labelUnit> &names)
{
    os.writeWord32(static_cast<std::uint32_t>(names.count()));
    for (const labelUnit &name : names)
        os.writeObject(name);
}

void readNames(ipstream &is, MArray<labelUnit> &names)
{
    names.clear();
    const std::uint32_t count = is.readCount(StreamFormat::minimumObjectBytes);
    for (std::uint32_t i = 0; i < count && is.good(); ++i) {
        labelUnit name;
        if (is.readObject(name))
            names.append(name);
    }
}

// Registers the curves that have a line.
void addCurves(Graph &graph, const std::vector<plotData> &curves, const MArray<TPElemParam> &lines)
{
    const int count = std::min(static_cast<int>(curves.size()), lines.count());
    for (int i = 0; i < count; ++i)
        graph.addCurve(curves[static_cast<std::size_t>(i)], lines[i]);
}

} // namespace

TimePlot::TimePlot()
    : m_graph(labelUnit("time [s]"))
{
}

TimePlot::~TimePlot() = default;

bool TimePlot::editParameters(ParameterDialogs &dialogs)
{
    ToolDialogs *tools = dialogs.toolDialogs();
    if (!tools)
        return false;
    TimePlotDialogData data = TimePlotDialogData::from(*this);
    if (!tools->timePlotDialog(data))
        return false;
    data.applyTo(*this);
    return true;
}

bool TimePlot::exportData(ParameterDialogs &dialogs)
{
    ToolDialogs *tools = dialogs.toolDialogs();
    if (!tools)
        return false;
    TimePlotExportData data = TimePlotExportData::from(*this);
    tools->timePlotDataExportDialog(data);
    return true;
}

void TimePlot::paint(DrawSurface &surface) const
{
    if (isSelected())
        CircTool::paint(surface);
    Graph graph = makeGraph(surface);
    if (graph.drawAxes(name().view()))
        graph.drawCurvesAndMarkers();
}

Graph TimePlot::makeGraph(DrawSurface &surface) const
{
    Graph graph(surface, rect(), m_graph, printing());
    addCurves(graph, m_outputCurves, m_outputLines);
    addCurves(graph, m_transferCurves, m_transferLines);
    graph.setHorizontalRange(m_start.value(), m_end.value());
    return graph;
}

void TimePlot::update()
{
    const int columns
        = static_cast<int>(sampledColumns(std::int64_t{rect().width()} + 1, maxColumns));
    std::vector<plotData> curves = sampled(m_start.value(), m_end.value(), columns, m_autoSample);
    m_outputCurves.clear();
    m_transferCurves.clear();
    if (curves.empty())
        return;
    const auto split = curves.begin() + m_outputSolutions.count();
    m_outputCurves.assign(curves.begin(), split);
    m_transferCurves.assign(split, curves.end());
    recomputeMarkers(m_outputLines, m_outputSolutions);
    recomputeMarkers(m_transferLines, m_transferSolutions);
}

void TimePlot::recomputeMarkers(MArray<TPElemParam> &lines,
                                const MPtrArray<SuperSigSolution> &solutions)
{
    const int count = std::min(lines.count(), solutions.count());
    for (int i = 0; i < count; ++i)
        lines[i].recomputeMarkers(*solutions[i]);
}

std::vector<plotData> TimePlot::sampled(double start, double end, int columns,
                                        bool autoSample) const
{
    std::vector<plotData> curves;
    if (!(end - start > 0.0) || columns < 1)
        return curves;
    const double dt = columns >= 2 ? (end - start) / (columns - 1) : 0.0;
    const auto sample = [&](const SuperSigSolution &solution) {
        plotData curve;
        for (int k = 0; k <= columns; ++k) {
            const double t = start + k * dt;
            double low = 0.0;
            double high = 0.0;
            if (autoSample)
                solution.range(t, start + (k + 1) * dt, dt, low, high);
            else
                low = high = solution.value(t);
            curve.append(low, high);
        }
        curves.push_back(std::move(curve));
    };
    for (const SuperSigSolution *solution : m_outputSolutions)
        sample(*solution);
    for (const SuperSigSolution *solution : m_transferSolutions)
        sample(*solution);
    return curves;
}

// Rows need a sampled curve for every line; an empty window (or a plot whose responses do not
// match its lines) has none, and its export is the header alone.
std::string TimePlot::dataExportText(double start, double end, int points,
                                     const ExportNumberFormat &number) const
{
    std::string text = "time";
    for (const TPElemParam &line : m_outputLines)
        text += ", " + std::string(line.title.view());
    for (const TPElemParam &line : m_transferLines)
        text += ", " + std::string(line.title.view());
    text += "\n";
    const std::vector<plotData> curves = sampled(start, end, points, false);
    const auto lines = static_cast<std::size_t>(m_outputLines.count() + m_transferLines.count());
    if (curves.empty() || curves.size() != lines)
        return text;
    const double dt = points >= 2 ? (end - start) / (points - 1) : 0.0;
    for (int i = 0; i < points; ++i) {
        text += number(start + i * dt);
        for (const plotData &curve : curves)
            text += ", " + number(curve.points()[i].high);
        text += "\n";
    }
    return text;
}

const Signal *TimePlot::signalNamed(const labelUnit &name) const
{
    const TCircuitDocument *owner = document();
    if (!owner)
        return nullptr;
    for (const CircTool *tool : owner->tools()) {
        if (tool->name() == name)
            return dynamic_cast<const Signal *>(tool);
    }
    return nullptr;
}

const Signal *TimePlot::signalOfSource(const labelUnit &source) const
{
    const int pairs = std::min(m_sourceNames.count(), m_signalNames.count());
    for (int i = 0; i < pairs; ++i) {
        if (m_sourceNames[i] == source)
            return signalNamed(m_signalNames[i]);
    }
    return nullptr;
}

void TimePlot::clearSolutions()
{
    m_outputSolutions.clear();
    m_transferSolutions.clear();
    m_outputCurves.clear();
    m_transferCurves.clear();
    m_omitsImproperTerms = false;
}

void TimePlot::rebuildSolutions()
{
    clearSolutions();
    if (m_sourceNames.isEmpty() && !(m_end.value() - m_start.value() > 0.0))
        return;
    for (const TPElemParam &line : m_outputLines)
        m_outputSolutions.append(outputResponse(line));
    for (const TPElemParam &line : m_transferLines)
        m_transferSolutions.append(transferResponse(line));
}

// The sum over the sources with a signal of the response through the transfer function from
// the source to the tag, each evaluated as a transfer-function tool evaluates it.
std::unique_ptr<SuperSigSolution> TimePlot::outputResponse(const TPElemParam &line)
{
    auto response = std::make_unique<SuperSigSolution>();
    TCircuitDocument *owner = document();
    const int pairs = std::min(m_sourceNames.count(), m_signalNames.count());
    for (int i = 0; owner && i < pairs; ++i) {
        const Signal *signal = signalNamed(m_signalNames[i]);
        if (!signal)
            continue;
        TransFunc function(line.title.view(), m_sourceNames[i], owner);
        function.update();
        addResponse(*response, *signal, function);
    }
    return response;
}

// The response of the named transfer-function tool to the signal at its input source; empty
// when the tool or the signal is missing.
std::unique_ptr<SuperSigSolution> TimePlot::transferResponse(const TPElemParam &line)
{
    auto response = std::make_unique<SuperSigSolution>();
    const TCircuitDocument *owner = document();
    if (!owner)
        return response;
    for (const CircTool *tool : owner->tools()) {
        const TransFunc *function = dynamic_cast<const TransFunc *>(tool);
        if (!function || !(function->name() == line.title))
            continue;
        if (const Signal *signal = signalOfSource(function->inputSource()))
            addResponse(*response, *signal, *function);
        break;
    }
    return response;
}

// The proper part of the function enters; the improper terms are noted as left out.
void TimePlot::addResponse(SuperSigSolution &response, const Signal &signal,
                           const TransFunc &function)
{
    if (std::unique_ptr<SigSolution> part = signal.makeResponse(function.factoredRatio()))
        response.add(std::move(part));
    m_omitsImproperTerms = m_omitsImproperTerms || function.hasImproperTerms();
}

void TimePlot::setLines(const MArray<TPElemParam> &outputLines,
                        const MArray<TPElemParam> &transferLines)
{
    m_outputLines = outputLines;
    m_transferLines = transferLines;
}

void TimePlot::setSignals(const MArray<labelUnit> &sourceNames,
                          const MArray<labelUnit> &signalNames)
{
    m_sourceNames = sourceNames;
    m_signalNames = signalNames;
}

void TimePlot::setWindow(const textDouble &start, const textDouble &end)
{
    m_start = start;
    m_end = end;
}

void TimePlot::write(opstream &os) const
{
    os.writeBaseOf<CircTool>(*this);
    writeLines(os, m_outputLines);
    writeLines(os, m_transferLines);
    writeSolutions(os, m_outputSolutions);
    writeSolutions(os, m_transferSolutions);
    writeNames(os, m_sourceNames);
    writeNames(os, m_signalNames);
    os.writeObject(m_start);
    os.writeObject(m_end);
    os.writeBool32(m_autoSample);
    os.writeObject(m_graph);
}

void TimePlot::read(ipstream &is, std::uint32_t)
{
    is.readBaseOf<CircTool>(*this);
    readLines(is, m_outputLines);
    readLines(is, m_transferLines);
    readSolutions(is, m_outputSolutions);
    readSolutions(is, m_transferSolutions);
    readNames(is, m_sourceNames);
    readNames(is, m_signalNames);
    is.readObject(m_start);
    is.readObject(m_end);
    m_autoSample = is.readBool32();
    is.readObject(m_graph);
    m_outputCurves.clear();
    m_transferCurves.clear();
}
