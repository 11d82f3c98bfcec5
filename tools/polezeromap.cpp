#include "polezeromap.h"

#include <tools/transfunc.h>

#include <algebra/factpolynom.h>

#include <common/drawcolors.h>
#include <common/numbertext.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The marks keep this share of the half size free at the edge.
constexpr double edgeRoom = 0.12;
// Half the size of a mark, in device units.
constexpr int markSize = 4;

} // namespace

PoleZeroMap PoleZeroMap::from(const TransFunc &tool)
{
    PoleZeroMap map;
    map.add(tool.numeratorRoots(), false, false);
    map.add(tool.denominatorRoots(), true, false);
    map.add(tool.cancelledNumeratorRoots(), false, true);
    map.add(tool.cancelledDenominatorRoots(), true, true);
    return map;
}

void PoleZeroMap::add(const FactPolynom &roots, bool pole, bool cancelled)
{
    for (const Root &root : roots.roots()) {
        m_marks.push_back({root.value(), root.multiplicity(), pole, cancelled});
        if (!root.isReal())
            m_marks.push_back({std::conj(root.value()), root.multiplicity(), pole, cancelled});
    }
}

std::pair<double, double> PoleZeroMap::moduli() const
{
    double least = 0.0;
    double largest = 0.0;
    for (const Mark &mark : m_marks) {
        const double r = std::abs(mark.value);
        if (r == 0.0 || !std::isfinite(r))
            continue;
        least = least == 0.0 ? r : std::min(least, r);
        largest = std::max(largest, r);
    }
    return least == 0.0 ? std::pair{1.0, 1.0} : std::pair{least, largest};
}

bool PoleZeroMap::isLogarithmic() const
{
    const auto [least, largest] = moduli();
    return largest > 100.0 * least;
}

Point PoleZeroMap::place(std::complex<double> value, const Rect &frame) const
{
    const Rect f = frame.normalized();
    const double half = std::min(f.width(), f.height()) / 2.0 * (1.0 - edgeRoom);
    const auto [least, largest] = moduli();
    const double r = std::abs(value);
    double radius = 0.0;
    if (r > 0.0 && std::isfinite(r)) {
        if (isLogarithmic()) {
            const double decades = std::log10(largest) - std::log10(least) + 1.0;
            radius = std::max(std::log10(r) - std::log10(least) + 1.0, 0.0) / decades * half;
        } else {
            radius = r / largest * half;
        }
    }
    const double angle = r > 0.0 ? std::arg(value) : 0.0;
    const double cx = (f.left + f.right) / 2.0;
    const double cy = (f.top + f.bottom) / 2.0;
    return {static_cast<std::int32_t>(std::lround(cx + radius * std::cos(angle))),
            static_cast<std::int32_t>(std::lround(cy - radius * std::sin(angle)))};
}

void PoleZeroMap::draw(DrawSurface &surface, const Rect &frame) const
{
    const Rect f = frame.normalized();
    const DrawColors &colours = DrawColors::current();
    const Color main = colours.screen(ColorRole::GraphMain);
    const Color minor = colours.screen(ColorRole::GraphMinor);
    const Point origin = place(0.0, f);
    surface.setPen(Pen{minor});
    surface.drawLine({f.left, origin.y}, {f.right, origin.y});
    surface.drawLine({origin.x, f.top}, {origin.x, f.bottom});
    const auto [least, largest] = moduli();
    surface.setTextColor(main);
    const std::string scale = isLogarithmic() ? "|s| " + formatGeneral(least, 3) + " ... "
                                                    + formatGeneral(largest, 3) + " (log)"
                                              : "|s| up to " + formatGeneral(largest, 3);
    surface.drawText({f.left + 2, f.top + 2}, scale, TextHAlign::Left, TextVAlign::Top);
    surface.setBrush(Brush{});
    // The cancelled marks first, so that a remaining root drawn on one stays in front.
    for (const bool cancelled : {true, false}) {
        for (const Mark &mark : m_marks) {
            if (mark.cancelled != cancelled)
                continue;
            const Point p = place(mark.value, f);
            const Color colour = cancelled ? minor : main;
            surface.setPen(Pen{colour, 2});
            if (mark.pole) {
                surface.drawLine({p.x - markSize, p.y - markSize},
                                 {p.x + markSize, p.y + markSize});
                surface.drawLine({p.x - markSize, p.y + markSize},
                                 {p.x + markSize, p.y - markSize});
            } else {
                surface.drawEllipse(
                    {p.x - markSize, p.y - markSize, p.x + markSize, p.y + markSize});
            }
            if (mark.multiplicity > 1) {
                surface.setTextColor(colour);
                surface.drawText({p.x + markSize + 1, p.y - markSize},
                                 std::to_string(mark.multiplicity), TextHAlign::Left,
                                 TextVAlign::Bottom);
            }
        }
    }
}
