#include "circtag.h"

#include <model/namesidedialogdata.h>
#include <model/parameterdialogs.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <string>

void CircTag::place(Point first, Point second, TCircuitDocument *document)
{
    CircThing::place(first, second, document);
    clearNetlistLinks();
}

bool CircTag::editParameters(ParameterDialogs &dialogs)
{
    return runParameterDialog(dialogs, &ParameterDialogs::circTagDialog, *this);
}

// A tag is drawn dashed in the tag colour with its name, whether or not the owner shows
// component names: the name is what output equations refer to.
void CircTag::draw(DrawSurface &surface) const
{
    surface.setPen(bodyPen(ColorRole::CircuitTag, PenStyle::Dash));
    surface.drawLine(firstPoint(), secondPoint());
    surface.setPen(bodyPen(ColorRole::CircuitTag));
    drawMarker(surface);
    if (!name().isEmpty())
        drawLabelLines(surface, {std::string(name().view())});
}

// The class title (Voltage Tag, Current Tag) names the tag in the messages.
void CircTag::check()
{
    const std::string kind = helpTopicTitle();
    if (!name().normalizeAndCheckName())
        report(kind + " has no valid name");
    if (!isDefined())
        report(kind + " %s is undefined");
}

bool CircTag::isDefined() const
{
    return cp1 != nullptr && cp2 != nullptr && cp1 != cp2;
}

void CircTag::write(opstream &os) const
{
    os.writeBaseOf<CircThing>(*this);
}

void CircTag::read(ipstream &is, std::uint32_t)
{
    is.readBaseOf<CircThing>(*this);
    clearNetlistLinks();
}
