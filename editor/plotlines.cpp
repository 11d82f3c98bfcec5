#include "plotlines.h"

#include <tools/bodeplot.h>
#include <tools/signal.h>
#include <tools/timeplot.h>

#include <model/tcircuitdocument.h>

namespace {

void addTimeLines(std::vector<PlotLine> &lines, MArray<TPElemParam> &parameters,
                  const MPtrArray<SuperSigSolution> &solutions)
{
    for (int i = 0; i < std::min(parameters.count(), solutions.count()); ++i) {
        if (parameters[i].shown)
            lines.push_back(
                {std::string(parameters[i].title.view()), &parameters[i], solutions[i]});
    }
}

template<typename Tool>
std::optional<PlotHit> hitOn(Tool &tool, Point point, DrawSurface &surface)
{
    PlotHit hit{&tool, tool.makeGraph(surface), 0.0};
    if (!hit.graph.drawAxes(tool.name().view()))
        return std::nullopt;
    const std::optional<double> x = hit.graph.abscissaAt(point);
    if (!x)
        return std::nullopt;
    hit.x = *x;
    return hit;
}

std::optional<PlotHit> hitOnPlot(CircTool &tool, Point point, DrawSurface &surface)
{
    if (auto *plot = dynamic_cast<BodePlot *>(&tool))
        return hitOn(*plot, point, surface);
    if (auto *timePlot = dynamic_cast<TimePlot *>(&tool))
        return hitOn(*timePlot, point, surface);
    if (auto *signal = dynamic_cast<Signal *>(&tool))
        return hitOn(*signal, point, surface);
    return std::nullopt;
}

} // namespace

bool isPlot(const CircTool &tool)
{
    return dynamic_cast<const BodePlot *>(&tool) || dynamic_cast<const TimePlot *>(&tool)
           || dynamic_cast<const Signal *>(&tool);
}

std::vector<PlotLine> plotLinesOf(CircTool &tool)
{
    std::vector<PlotLine> lines;
    if (auto *plot = dynamic_cast<BodePlot *>(&tool)) {
        for (BPElemParam &element : plot->elements()) {
            for (const BodeLineKind kind : bodeLineKinds) {
                BodeLine &line = element.line(kind);
                if (line.parameters().shown)
                    lines.push_back(
                        {std::string(element.name.view()) + "." + std::string(bodeLineName(kind)),
                         &line.parameters(), &line});
            }
        }
    } else if (auto *timePlot = dynamic_cast<TimePlot *>(&tool)) {
        addTimeLines(lines, timePlot->outputLines(), timePlot->outputSolutions());
        addTimeLines(lines, timePlot->transferLines(), timePlot->transferSolutions());
    } else if (auto *signal = dynamic_cast<Signal *>(&tool)) {
        lines.push_back({std::string(signal->name().view()), &signal->line(), signal});
    }
    return lines;
}

std::optional<PlotHit> plotAt(const TCircuitDocument &document, Point sheetPoint,
                              DrawSurface &surface)
{
    const MPtrArray<CircTool> &tools = document.tools();
    for (int i = tools.upperIndex(); i >= tools.lowerIndex(); --i) {
        CircTool &tool = *tools[i];
        const Rect frame = tool.rect().normalized();
        if (sheetPoint.x < frame.left || sheetPoint.x > frame.right || sheetPoint.y < frame.top
            || sheetPoint.y > frame.bottom)
            continue;
        std::optional<PlotHit> hit = hitOnPlot(tool, sheetPoint, surface);
        if (hit)
            return hit;
    }
    return std::nullopt;
}
