#include "plotreadout.h"

#include "boundssurface.h"
#include "plotlines.h"

#include <tools/bodeplot.h>

#include <common/numbertext.h>

#include <cmath>

namespace {

constexpr int readoutDigits = 6;

std::string number(double value)
{
    return formatGeneral(value, readoutDigits);
}

std::string positionText(const CircTool &tool, double x)
{
    if (const auto *plot = dynamic_cast<const BodePlot *>(&tool))
        return number(std::pow(10.0, x)) + (plot->radiansPerSecond() ? " rad/s" : " Hz");
    return "t = " + number(x) + " s";
}

} // namespace

std::string plotReadout(const TCircuitDocument &document, Point sheetPoint,
                        const DrawSurface &measuring)
{
    BoundsSurface surface(&measuring);
    const std::optional<PlotHit> hit = plotAt(document, sheetPoint, surface);
    if (!hit)
        return {};
    std::string text = positionText(*hit->tool, hit->x) + ":";
    const char *separator = " ";
    for (const PlotLine &line : plotLinesOf(*hit->tool)) {
        text += separator + line.title + " = " + number(line.curve->value(hit->x));
        separator = ", ";
    }
    return text;
}
