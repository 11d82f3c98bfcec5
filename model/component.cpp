#include "component.h"

#include <model/netlistnode.h>
#include <model/sheetgeometry.h>

#include <common/ipstream.h>
#include <common/opstream.h>

namespace {

// Half the side of the square that marks a terminal.
constexpr std::int32_t terminalMark = 2;

} // namespace

void Component::draw(DrawSurface &surface) const
{
    surface.setPen(bodyPen(ColorRole::Component));
    surface.setBrush(Brush{});
    drawSymbol(surface, SymbolFrame(firstPoint(), secondPoint()));
    drawTerminals(surface);
    drawLabelLines(surface, labelLines());
}

bool Component::isShortedOrOpen() const
{
    return cp1 == cp2 || (cp1 != nullptr && cp1->degree() < 2)
           || (cp2 != nullptr && cp2->degree() < 2);
}

std::vector<std::string> Component::labelLines() const
{
    std::vector<std::string> lines;
    if (showsNames() && !name().isEmpty())
        lines.emplace_back(name().view());
    if (showsValues()) {
        std::string value = valueLabel();
        if (!value.empty())
            lines.push_back(std::move(value));
    }
    return lines;
}

void Component::drawTerminals(DrawSurface &surface) const
{
    drawTerminal(surface, firstPoint());
    drawTerminal(surface, secondPoint());
}

void Component::drawTerminal(DrawSurface &surface, Point terminal) const
{
    const Color color = roleColor(ColorRole::Node);
    surface.setPen(Pen{color});
    surface.setBrush(Brush{color, false});
    surface.drawRect(SheetGeometry::around(terminal, terminalMark));
}

void Component::write(opstream &os) const
{
    os.writeBaseOf<CircThing>(*this);
}

void Component::read(ipstream &is, std::uint32_t)
{
    is.readBaseOf<CircThing>(*this);
    clearNetlistLinks();
}
