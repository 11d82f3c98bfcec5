#include "bodeplot.h"

#include <tools/bodeplotdialogdata.h>
#include <tools/bodeplotexportdata.h>
#include <tools/graph/graph.h>
#include <tools/tooldialogs.h>
#include <tools/transfunc.h>

#include <model/parameterdialogs.h>
#include <model/tcircuitdocument.h>

#include <common/ipstream.h>
#include <common/opstream.h>
#include <common/streamformat.h>

#include <algorithm>
#include <cmath>

BodePlot::BodePlot()
    : m_graph(labelUnit("Freq 10^x"), false)
{
}

bool BodePlot::editParameters(ParameterDialogs &dialogs)
{
    ToolDialogs *tools = dialogs.toolDialogs();
    if (!tools)
        return false;
    BodePlotDialogData data = BodePlotDialogData::from(*this);
    if (!tools->bodePlotDialog(data))
        return false;
    data.applyTo(*this);
    return true;
}

bool BodePlot::exportData(ParameterDialogs &dialogs)
{
    ToolDialogs *tools = dialogs.toolDialogs();
    if (!tools)
        return false;
    BodePlotExportData data = BodePlotExportData::from(*this);
    tools->bodePlotDataExportDialog(data);
    return true;
}

void BodePlot::paint(DrawSurface &surface) const
{
    if (isSelected())
        CircTool::paint(surface);
    Graph graph = makeGraph(surface);
    if (!graph.drawAxes(name().view()))
        return;
    for (int i = 0; i < graph.curveCount(); ++i)
        graph.drawCurve(i);
    for (int i = 0; i < graph.curveCount(); ++i)
        graph.drawMarkers(i);
}

Graph BodePlot::makeGraph(DrawSurface &surface) const
{
    Graph graph(surface, rect(), m_graph, printing());
    for (const BPElemParam &element : m_elements) {
        for (const BodeLineKind kind : bodeLineKinds) {
            const BodeLine &line = element.line(kind);
            if (line.parameters().shown)
                graph.addCurve(line.curve(), line.parameters());
        }
    }
    graph.setHorizontalRange(m_startDecade, static_cast<double>(m_startDecade) + m_decades);
    return graph;
}

void BodePlot::update()
{
    const TCircuitDocument *owner = document();
    if (!owner)
        return;
    for (BPElemParam &element : m_elements) {
        for (const CircTool *tool : owner->tools()) {
            const TransFunc *function = dynamic_cast<const TransFunc *>(tool);
            if (function && function->name() == element.name) {
                element.ratio = function->factoredRatio();
                break;
            }
        }
    }
}

// Each decade holds ceil(W / n) samples for a frame W columns wide; the right end of the
// range itself is not sampled.
void BodePlot::resample()
{
    const std::int64_t columns = sampledColumns(std::int64_t{rect().width()} + 1, maxColumns);
    const std::int64_t decades = std::clamp<std::int64_t>(m_decades, 0, maxDecades);
    const double samplesPerDecade
        = decades > 0 ? static_cast<double>(columns) / static_cast<double>(decades) : 0.0;
    for (BPElemParam &element : m_elements)
        element.resample(m_startDecade, decades, samplesPerDecade);
}

std::string BodePlot::dataExportText(std::int32_t start, std::int32_t decades, int points,
                                     bool radiansPerSecond, bool logFrequency,
                                     const ExportNumberFormat &number) const
{
    const std::string unit = radiansPerSecond ? "rad/s" : "Hz";
    std::string text = logFrequency ? "Log(" + unit + ")" : unit;
    for (const BPElemParam &element : m_elements) {
        for (const BodeLineKind kind : bodeLineKinds) {
            if (element.line(kind).parameters().shown)
                text += "," + std::string(element.name.view()) + "."
                        + std::string(bodeLineName(kind));
        }
    }
    text += "\n";
    const double step = points >= 2 ? static_cast<double>(decades) / (points - 1) : 0.0;
    for (int i = 0; i < points; ++i) {
        const double x = start + i * step;
        text += number(logFrequency ? x : std::pow(10.0, x));
        for (const BPElemParam &element : m_elements) {
            for (const BodeLineKind kind : bodeLineKinds) {
                const BodeLine &line = element.line(kind);
                if (line.parameters().shown)
                    text += "," + number(line.valueAt(x, radiansPerSecond));
            }
        }
        text += "\n";
    }
    return text;
}

void BodePlot::setElements(const MArray<BPElemParam> &elements)
{
    m_elements = elements;
    claimElements();
}

void BodePlot::claimElements()
{
    for (BPElemParam &element : m_elements)
        element.setOwner(this);
}

void BodePlot::write(opstream &os) const
{
    os.writeBaseOf<CircTool>(*this);
    os.writeWord32(static_cast<std::uint32_t>(m_elements.count()));
    for (const BPElemParam &element : m_elements)
        os.writeObject(element);
    os.writeInt32(m_startDecade);
    os.writeInt32(m_decades);
    os.writeBool32(m_radiansPerSecond);
    os.writeObject(m_graph);
}

// A version-1 record has no graph parameters: they are the plain defaults (no labels, a
// linear horizontal axis).
void BodePlot::read(ipstream &is, std::uint32_t version)
{
    is.readBaseOf<CircTool>(*this);
    m_elements.clear();
    const std::uint32_t count = is.readCount(StreamFormat::minimumObjectBytes);
    for (std::uint32_t i = 0; i < count && is.good(); ++i) {
        BPElemParam element;
        if (is.readObject(element))
            m_elements.append(element);
    }
    m_startDecade = is.readInt32();
    m_decades = is.readInt32();
    m_radiansPerSecond = is.readBool32();
    if (version >= 2)
        is.readObject(m_graph);
    else
        m_graph = TGraphParam();
    claimElements();
}
