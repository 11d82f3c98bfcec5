#include "signal.h"

#include <tools/breaks.h>
#include <tools/filtsigterm.h>
#include <tools/graph/graph.h>
#include <tools/listsums.h>
#include <tools/nonperiodicsigsolu.h>
#include <tools/periodicsigsolu.h>
#include <tools/sampling.h>
#include <tools/signaldialogdata.h>
#include <tools/signalexportdata.h>
#include <tools/tooldialogs.h>

#include <model/parameterdialogs.h>

#include <common/ipstream.h>
#include <common/opstream.h>
#include <common/streamformat.h>

#include <algorithm>
#include <cmath>

Signal::Signal()
    : m_graph(labelUnit("time [s]"))
{
}

Signal::~Signal() = default;

bool Signal::editParameters(ParameterDialogs &dialogs)
{
    ToolDialogs *tools = dialogs.toolDialogs();
    if (!tools)
        return false;
    SignalDialogData data = SignalDialogData::from(*this);
    if (!tools->signalDialog(data))
        return false;
    data.applyTo(*this);
    return true;
}

bool Signal::exportData(ParameterDialogs &dialogs)
{
    ToolDialogs *tools = dialogs.toolDialogs();
    if (!tools)
        return false;
    SignalExportData data = SignalExportData::from(*this);
    tools->signalExportDialog(data);
    return true;
}

void Signal::paint(DrawSurface &surface) const
{
    if (isSelected())
        CircTool::paint(surface);
    Graph graph = makeGraph(surface);
    if (graph.drawAxes(name().view()))
        graph.drawCurvesAndMarkers();
}

Graph Signal::makeGraph(DrawSurface &surface) const
{
    Graph graph(surface, rect(), m_graph, printing());
    graph.addCurve(m_curve, m_line);
    graph.setHorizontalRange(m_start.value(), m_end.value());
    return graph;
}

// Column i covers [t0 + i·dt, t0 + (i + 1)·dt): with auto sample its extremes, else its left
// end. A frame without width has no columns.
void Signal::update()
{
    m_curve.clear();
    const int columns = static_cast<int>(sampledColumns(rect().width(), maxColumns));
    if (columns >= 1) {
        const double t0 = m_start.value();
        const double dt = (m_end.value() - t0) / columns;
        for (int i = 0; i <= columns; ++i) {
            const double t = t0 + i * dt;
            double low = 0.0;
            double high = 0.0;
            if (m_autoSample)
                range(t, t0 + (i + 1) * dt, dt, low, high);
            else
                low = high = value(t);
            m_curve.append(low, high);
        }
    }
    m_line.recomputeMarkers(*this);
}

std::unique_ptr<SigSolution> Signal::makeResponse(const FactoredRatio &h) const
{
    std::unique_ptr<SigSolution> solution;
    if (m_periodic) {
        const double start = m_start.value();
        solution = std::make_unique<PeriodicSigSolu>(start, std::abs(m_end.value() - start));
    } else {
        solution = std::make_unique<NonPeriodicSigSolu>();
    }
    for (const SigElement *element : m_elements)
        solution->addTerm(std::make_unique<FiltSigTerm>(*element, h));
    return solution;
}

double Signal::value(double t) const
{
    return ListSums::sum(m_elements, [t](const SigElement &e) { return e.value(t); });
}

double Signal::leftValue(double t) const
{
    return ListSums::sum(
        m_elements, [t](const SigElement &e) { return e.startTime() != t ? e.value(t) : 0.0; });
}

void Signal::range(double t, double t2, double dt, double &low, double &high) const
{
    low = high = value(t);
    for (const SigElement *element : m_elements)
        Sampling::scanFrom(*this, element->startTime(), element->oversamplingCount(t, dt), t, t2,
                           dt, low, high);
    Sampling::widen(leftValue(t), low, high);
}

double Signal::slope(double t) const
{
    return ListSums::sum(m_elements, [t](const SigElement &e) { return e.derivative(t); });
}

double Signal::highestFrequency(double t) const
{
    return ListSums::largest(m_elements, [t](const SigElement &e) { return e.activeFrequency(t); });
}

double Signal::previousBreak(double t) const
{
    Breaks::Nearest nearest(t);
    for (const SigElement *element : m_elements)
        nearest.offer(element->startTime());
    return nearest.below();
}

double Signal::nextBreak(double t) const
{
    Breaks::Nearest nearest(t);
    for (const SigElement *element : m_elements)
        nearest.offer(element->startTime());
    return nearest.above();
}

std::string Signal::dataExportText(double start, double end, int points,
                                   const ExportNumberFormat &number) const
{
    std::string text = "time," + std::string(name().view()) + "\n";
    const double step = points >= 2 ? (end - start) / (points - 1) : 0.0;
    for (int i = 0; i < points; ++i) {
        const double t = start + i * step;
        text += number(t) + ", " + number(value(t)) + "\n";
    }
    return text;
}

void Signal::appendElement(std::unique_ptr<SigElement> element)
{
    m_elements.append(std::move(element));
}

void Signal::replaceElements(MPtrArray<SigElement> elements)
{
    m_elements = std::move(elements);
}

void Signal::setWindow(const textDouble &start, const textDouble &end)
{
    m_start = start;
    m_end = end;
}

void Signal::write(opstream &os) const
{
    os.writeBaseOf<CircTool>(*this);
    os.writeWord32(static_cast<std::uint32_t>(m_elements.count()));
    for (const SigElement *element : m_elements)
        os.writePointer(element);
    os.writeObject(m_start);
    os.writeObject(m_end);
    os.writeBool32(m_periodic);
    os.writeBool32(m_autoSample);
    os.writeObject(m_line);
    os.writeObject(m_graph);
}

void Signal::read(ipstream &is, std::uint32_t)
{
    is.readBaseOf<CircTool>(*this);
    m_elements.clear();
    // A pointer takes at least its kind byte.
    const std::uint32_t count = is.readCount(1);
    for (std::uint32_t i = 0; i < count && is.good(); ++i) {
        if (std::unique_ptr<SigElement> element = is.readOwnedPointer<SigElement>())
            m_elements.append(std::move(element));
    }
    is.readObject(m_start);
    is.readObject(m_end);
    m_periodic = is.readBool32();
    m_autoSample = is.readBool32();
    is.readObject(m_line);
    is.readObject(m_graph);
}
