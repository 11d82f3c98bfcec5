#include "plotmarkerdrag.h"

#include "boundssurface.h"
#include "plotlines.h"

#include <model/circtool.h>
#include <model/editmodificationaction.h>
#include <model/tcircuitdocument.h>

#include <common/numbertext.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The position as text, with as many digits as tell apart the abscissae of neighbouring
// sheet units (whose distance is the step): 3.2149... over steps of 0.01 reads 3.215.
std::string positionText(double x, double step)
{
    if (!(step > 0.0) || !std::isfinite(step))
        return formatGeneral(x, 6);
    const double quantum = std::pow(10.0, std::floor(std::log10(step)));
    const double rounded = std::round(x / quantum) * quantum;
    if (std::abs(rounded) < quantum / 2)
        return "0";
    const int digits = static_cast<int>(std::floor(std::log10(std::abs(rounded)))
                                        - std::floor(std::log10(quantum)))
                       + 1;
    return formatGeneral(rounded, std::clamp(digits, 1, 15));
}

} // namespace

PlotMarkerDrag::PlotMarkerDrag(TCircuitDocument &document)
    : m_document(document)
{
}

bool PlotMarkerDrag::press(Point sheet, const DrawSurface &measuring, double pickRadius)
{
    cancel();
    BoundsSurface surface(&measuring);
    const std::optional<PlotHit> hit = plotAt(m_document, sheet, surface);
    if (!hit)
        return false;
    const std::vector<PlotLine> lines = plotLinesOf(*hit->tool);
    if (lines.empty())
        return false;
    const Graph &graph = hit->graph;
    m_plotArea = graph.plotArea();
    m_left = graph.abscissaAt({m_plotArea.left, m_plotArea.top}).value_or(hit->x);
    m_right = graph.abscissaAt({m_plotArea.right, m_plotArea.top}).value_or(hit->x);
    m_tool = hit->tool;
    m_moved = false;
    m_pressColumn = sheet.x;
    m_startColumn = sheet.x;

    double nearest = pickRadius;
    m_original.reset();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const MArray<GraphMarker> &markers = lines[i].parameters->markers;
        for (int k = markers.lowerIndex(); k <= markers.upperIndex(); ++k) {
            if (!markers[k].visible)
                continue;
            const Point at = graph.pixelOf(markers[k].x, markers[k].y, *lines[i].parameters);
            const double distance = std::hypot(at.x - sheet.x, at.y - sheet.y);
            if (distance <= nearest) {
                nearest = distance;
                m_startColumn = at.x;
                m_line = i;
                m_marker = k;
                m_original = markers[k];
            }
        }
    }
    if (m_original)
        return true;

    // A new value marker on the line drawn nearest to the pointer at this abscissa.
    double closest = std::numeric_limits<double>::infinity();
    m_line = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Point at = graph.pixelOf(hit->x, lines[i].curve->value(hit->x), *lines[i].parameters);
        const double distance = std::abs(at.y - sheet.y);
        if (distance < closest) {
            closest = distance;
            m_line = i;
        }
    }
    GraphMarker marker;
    marker.kind = GraphMarker::ValueAt;
    marker.position = positionText(hit->x, (m_right - m_left) / std::max(1, m_plotArea.width()));
    marker.recompute(*lines[m_line].curve);
    // The label goes toward the middle of the plot area, where there is room for it.
    const Point at = graph.pixelOf(marker.x, marker.y, *lines[m_line].parameters);
    const Point middle{(m_plotArea.left + m_plotArea.right) / 2,
                       (m_plotArea.top + m_plotArea.bottom) / 2};
    marker.labelSide = at.x > middle.x ? GraphMarker::leftSide : GraphMarker::rightSide;
    marker.labelRow = at.y < middle.y ? GraphMarker::lowerRow : GraphMarker::upperRow;
    MArray<GraphMarker> &markers = lines[m_line].parameters->markers;
    markers.append(marker);
    m_marker = markers.upperIndex();
    return true;
}

GraphMarker *PlotMarkerDrag::liveMarker() const
{
    if (!m_tool)
        return nullptr;
    const std::vector<PlotLine> lines = plotLinesOf(*m_tool);
    if (m_line >= lines.size())
        return nullptr;
    MArray<GraphMarker> &markers = lines[m_line].parameters->markers;
    if (m_marker < markers.lowerIndex() || m_marker > markers.upperIndex())
        return nullptr;
    return &markers[m_marker];
}

// The marker keeps its distance to the pointer that the press found.
std::optional<double> PlotMarkerDrag::abscissaAt(Point sheet) const
{
    if (m_plotArea.width() <= 0)
        return std::nullopt;
    const int column
        = std::clamp(m_startColumn + (sheet.x - m_pressColumn), m_plotArea.left, m_plotArea.right);
    return m_left + (column - m_plotArea.left) * (m_right - m_left) / m_plotArea.width();
}

void PlotMarkerDrag::move(Point sheet)
{
    GraphMarker *marker = liveMarker();
    const std::optional<double> x = abscissaAt(sheet);
    if (!marker || !x || (!m_moved && sheet.x == m_pressColumn))
        return;
    const std::string text = positionText(*x, (m_right - m_left) / m_plotArea.width());
    if (text == marker->position.text())
        return;
    marker->position = text;
    const std::vector<PlotLine> lines = plotLinesOf(*m_tool);
    marker->recompute(*lines[m_line].curve);
    m_moved = true;
}

void PlotMarkerDrag::release(Point sheet)
{
    move(sheet);
    finish(true);
}

void PlotMarkerDrag::cancel()
{
    finish(false);
}

// The live tool gets its marker back as the press found it; the change goes to a copy of the
// tool that the edit action puts in its place.
void PlotMarkerDrag::finish(bool record)
{
    GraphMarker *marker = liveMarker();
    CircTool *tool = m_tool;
    m_tool = nullptr;
    if (!marker)
        return;
    const GraphMarker final = *marker;
    const std::optional<GraphMarker> original = m_original;
    if (original)
        *marker = *original;
    else
        plotLinesOf(*tool)[m_line].parameters->markers.removeLast();
    if (!record || (original && final == *original))
        return;
    const std::size_t lineIndex = m_line;
    const int markerIndex = m_marker;
    m_document.record(
        std::make_unique<EditModificationAction>(m_document, *tool, [&](CircThing &copy) {
            auto *copiedTool = dynamic_cast<CircTool *>(&copy);
            if (!copiedTool)
                return false;
            const std::vector<PlotLine> lines = plotLinesOf(*copiedTool);
            if (lineIndex >= lines.size())
                return false;
            MArray<GraphMarker> &markers = lines[lineIndex].parameters->markers;
            if (original)
                markers[markerIndex] = final;
            else
                markers.append(final);
            copiedTool->attach();
            return true;
        }));
}
