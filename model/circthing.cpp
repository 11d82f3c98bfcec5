#include "circthing.h"

#include <model/sheetgeometry.h>
#include <model/tcircuitdocument.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>
#include <cmath>

void CircThing::place(Point first, Point second, TCircuitDocument *document)
{
    m_first = first;
    m_second = second;
    m_document = document;
    m_labelPoint = labelPointFor(first, second, 0, 0);
}

bool CircThing::editParameters(ParameterDialogs &)
{
    return false;
}

void CircThing::drawSegment(DrawSurface &surface, Point from, Point to) const
{
    surface.drawLine(from, to);
}

void CircThing::drawShifted(DrawSurface &surface, std::int32_t dx, std::int32_t dy) const
{
    drawSegment(surface, SheetGeometry::shifted(m_first, dx, dy),
                SheetGeometry::shifted(m_second, dx, dy));
}

// Moving goes through place, so that every kind of thing keeps its label point in step.
void CircThing::move(std::int32_t dx, std::int32_t dy)
{
    place(SheetGeometry::shifted(m_first, dx, dy), SheetGeometry::shifted(m_second, dx, dy),
          m_document);
}

void CircThing::drawTerminalDrag(DrawSurface &surface, Point at, std::int32_t dx,
                                 std::int32_t dy) const
{
    if (hitsTerminal(m_first, at))
        drawSegment(surface, SheetGeometry::shifted(m_first, dx, dy), m_second);
    else if (hitsTerminal(m_second, at))
        drawSegment(surface, m_first, SheetGeometry::shifted(m_second, dx, dy));
}

void CircThing::moveTerminal(Point at, std::int32_t dx, std::int32_t dy)
{
    if (hitsTerminal(m_first, at))
        place(SheetGeometry::shifted(m_first, dx, dy), m_second, m_document);
    else if (hitsTerminal(m_second, at))
        place(m_first, SheetGeometry::shifted(m_second, dx, dy), m_document);
}

void CircThing::applySelection(bool inside, bool extend)
{
    if (inside)
        m_selected = !(m_selected && extend);
    else
        m_selected = m_selected && extend;
}

void CircThing::selectAt(Point at, bool extend)
{
    applySelection(hitAt(at), extend);
}

void CircThing::selectInRect(const Rect &rect, bool extend)
{
    applySelection(SheetGeometry::contains(rect, midpoint()), extend);
}

void CircThing::check() {}

void CircThing::report(std::string_view pattern) const
{
    if (m_document != nullptr)
        m_document->addMessage(formatMessage(pattern, m_name.view()));
}

bool CircThing::hitAt(Point at) const
{
    return SheetGeometry::squaredDistance(midpoint(), at) <= hitDistance * hitDistance;
}

const char *CircThing::helpTopicTitle() const
{
    return "Zenodyne Help";
}

bool CircThing::terminalMoveCollapses(Point at, std::int32_t dx, std::int32_t dy) const
{
    if (hitsTerminal(m_first, at))
        return SheetGeometry::shifted(m_first, dx, dy) == m_second;
    if (hitsTerminal(m_second, at))
        return SheetGeometry::shifted(m_second, dx, dy) == m_first;
    return false;
}

// The label sits beside the segment's midpoint, offset perpendicular to the segment by half
// the text size (or by the default offset), on the side the label side chooses. The
// arithmetic is in single precision, and the sums are cut to whole units.
Point CircThing::labelPointFor(Point first, Point second, int textWidth, int textHeight) const
{
    if (first == second)
        return first;
    const std::int64_t differenceX = std::int64_t{second.x} - first.x;
    const std::int64_t differenceY = std::int64_t{second.y} - first.y;
    const auto dx = static_cast<float>(differenceX);
    const auto dy = static_cast<float>(differenceY);
    const float length = std::sqrt(dx * dx + dy * dy);
    const float ux = dx / length;
    const float uy = dy / length;
    int a = defaultLabelOffset;
    int b = defaultLabelOffset;
    if (textWidth > 0 && textHeight > 0) {
        a = textWidth / 2;
        b = textHeight / 2;
    }
    float ox = static_cast<float>(a) * uy;
    float oy = -(static_cast<float>(b) * ux);
    if (m_labelSide == LabelSide::Other) {
        ox = -ox;
        oy = -oy;
    }
    const float x = static_cast<float>(first.x) + ox + static_cast<float>(differenceX / 2);
    const float y = static_cast<float>(first.y) + oy + static_cast<float>(differenceY / 2);
    return {SheetGeometry::saturate(static_cast<double>(x)),
            SheetGeometry::saturate(static_cast<double>(y))};
}

bool CircThing::hitsTerminal(Point terminal, Point at)
{
    const double distance = std::sqrt(SheetGeometry::squaredDistance(terminal, at));
    return std::trunc(distance) < terminalHitDistance;
}

bool CircThing::hasTerminalAt(Point at) const
{
    return hitsTerminal(m_first, at) || hitsTerminal(m_second, at);
}

Rect CircThing::boundingRect() const
{
    return SheetGeometry::grown(SheetGeometry::spanned(m_first, m_second), boundingMargin);
}

bool CircThing::matches(const labelUnit &name, const TCircuitDocument *document) const
{
    return m_document == document && m_name == name;
}

Point CircThing::midpoint() const
{
    return SheetGeometry::midpoint(m_first, m_second);
}

bool CircThing::printing() const
{
    return m_document && m_document->isPrinting();
}

bool CircThing::showsNames() const
{
    return !m_document || m_document->showsComponentNames();
}

bool CircThing::showsValues() const
{
    return !m_document || m_document->showsComponentValues();
}

Color CircThing::roleColor(ColorRole role) const
{
    return DrawColors::current().color(role, printing());
}

Pen CircThing::bodyPen(ColorRole role, PenStyle style) const
{
    return Pen{roleColor(m_selected ? ColorRole::ComponentSelected : role), 1, style};
}

void CircThing::drawLabelLines(DrawSurface &surface, const std::vector<std::string> &lines) const
{
    if (lines.empty())
        return;
    const int lineHeight = surface.textMetrics().height;
    int width = 0;
    for (const std::string &line : lines)
        width = std::max(width, static_cast<int>(surface.textExtent(line).width));
    const int height = lineHeight * static_cast<int>(lines.size());
    const Point centre
        = labelPointFor(m_first, m_second, width + 2 * labelClearance, height + 2 * labelClearance);
    surface.setTextColor(roleColor(ColorRole::Font));
    std::int64_t top = std::int64_t{centre.y} - height / 2;
    for (const std::string &line : lines) {
        surface.drawText({centre.x, SheetGeometry::saturate(top)}, line, TextHAlign::Center,
                         TextVAlign::Top);
        top += lineHeight;
    }
}

void CircThing::write(opstream &os) const
{
    os.writeInt32(m_first.x);
    os.writeInt32(m_first.y);
    os.writeInt32(m_second.x);
    os.writeInt32(m_second.y);
    os.writeWord32(static_cast<std::uint32_t>(m_labelSide));
    os.writeInt32(m_labelPoint.x);
    os.writeInt32(m_labelPoint.y);
    os.writeObject(m_name);
}

// Version 1 records have no label side; it becomes the default side.
void CircThing::read(ipstream &is, std::uint32_t version)
{
    m_selected = false;
    m_first = {is.readInt32(), is.readInt32()};
    m_second = {is.readInt32(), is.readInt32()};
    m_labelSide = LabelSide::Default;
    if (version >= 2 && is.readWord32() == 1)
        m_labelSide = LabelSide::Other;
    m_labelPoint = {is.readInt32(), is.readInt32()};
    is.readObject(m_name);
}
