#include "plotreadout.h"

#include "boundssurface.h"

#include <tools/bodeplot.h>
#include <tools/signal.h>
#include <tools/timeplot.h>

#include <model/tcircuitdocument.h>

#include <common/numbertext.h>

#include <cmath>
#include <optional>

namespace {

constexpr int readoutDigits = 6;

std::string number(double value)
{
    return formatGeneral(value, readoutDigits);
}

// The abscissa under the point on the tool's graph, laid out as paint lays it out.
template<typename Tool>
std::optional<double> abscissa(const Tool &tool, Point point, const DrawSurface &measuring)
{
    BoundsSurface surface(&measuring);
    Graph graph = tool.makeGraph(surface);
    if (!graph.drawAxes(tool.name().view()))
        return std::nullopt;
    return graph.abscissaAt(point);
}

class Readout
{
public:
    explicit Readout(std::string position)
        : m_text(std::move(position) + ":")
    {
    }
    void add(std::string_view title, double value)
    {
        m_text += m_separator;
        m_text.append(title);
        m_text += " = " + number(value);
        m_separator = ", ";
    }
    const std::string &text() const { return m_text; }

private:
    std::string m_text;
    const char *m_separator = " ";
};

std::string bodeReadout(const BodePlot &plot, double x)
{
    Readout readout(number(std::pow(10.0, x)) + (plot.radiansPerSecond() ? " rad/s" : " Hz"));
    for (const BPElemParam &element : plot.elements()) {
        for (const BodeLineKind kind : bodeLineKinds) {
            const BodeLine &line = element.line(kind);
            if (line.parameters().shown)
                readout.add(std::string(element.name.view()) + "."
                                + std::string(bodeLineName(kind)),
                            line.value(x));
        }
    }
    return readout.text();
}

std::string timeReadout(const TimePlot &plot, double t)
{
    Readout readout("t = " + number(t) + " s");
    const auto addLines
        = [&](const MArray<TPElemParam> &lines, const MPtrArray<SuperSigSolution> &solutions) {
              for (int i = 0; i < std::min(lines.count(), solutions.count()); ++i) {
                  if (lines[i].shown)
                      readout.add(lines[i].title.view(), solutions[i]->value(t));
              }
          };
    addLines(plot.outputLines(), plot.outputSolutions());
    addLines(plot.transferLines(), plot.transferSolutions());
    return readout.text();
}

std::string signalReadout(const Signal &signal, double t)
{
    Readout readout("t = " + number(t) + " s");
    readout.add(signal.name().view(), signal.value(t));
    return readout.text();
}

} // namespace

std::string plotReadout(const TCircuitDocument &document, Point sheetPoint,
                        const DrawSurface &measuring)
{
    const MPtrArray<CircTool> &tools = document.tools();
    for (int i = tools.upperIndex(); i >= tools.lowerIndex(); --i) {
        const CircTool &tool = *tools[i];
        const Rect frame = tool.rect().normalized();
        if (sheetPoint.x < frame.left || sheetPoint.x > frame.right || sheetPoint.y < frame.top
            || sheetPoint.y > frame.bottom)
            continue;
        if (const auto *plot = dynamic_cast<const BodePlot *>(&tool)) {
            if (const auto x = abscissa(*plot, sheetPoint, measuring))
                return bodeReadout(*plot, *x);
        } else if (const auto *timePlot = dynamic_cast<const TimePlot *>(&tool)) {
            if (const auto t = abscissa(*timePlot, sheetPoint, measuring))
                return timeReadout(*timePlot, *t);
        } else if (const auto *signal = dynamic_cast<const Signal *>(&tool)) {
            if (const auto t = abscissa(*signal, sheetPoint, measuring))
                return signalReadout(*signal, *t);
        }
    }
    return {};
}
