#include "thinglists.h"

#include <model/tcircuitdocument.h>

#include <algorithm>
#include <optional>

ThingLists ThingLists::matching(const TCircuitDocument &document,
                                const std::function<bool(const CircThing &)> &keep)
{
    ThingLists lists;
    const auto collect = [&](CircThing &thing) {
        if (keep(thing))
            lists.add(&thing, false);
    };
    for (Component *component : document.components())
        collect(*component);
    for (CircTag *tag : document.tags())
        collect(*tag);
    for (CircTool *tool : document.tools())
        collect(*tool);
    return lists;
}

bool ThingLists::add(CircThing *thing, bool owns)
{
    if (auto *component = dynamic_cast<Component *>(thing)) {
        m_components.append(component, owns);
        return true;
    }
    if (auto *tag = dynamic_cast<CircTag *>(thing)) {
        m_tags.append(tag, owns);
        return true;
    }
    if (auto *tool = dynamic_cast<CircTool *>(thing)) {
        m_tools.append(tool, owns);
        return true;
    }
    return false;
}

void ThingLists::add(std::unique_ptr<CircThing> thing)
{
    if (add(thing.get(), true))
        thing.release();
}

bool ThingLists::contains(const CircThing *thing) const
{
    if (const auto *component = dynamic_cast<const Component *>(thing))
        return m_components.contains(component);
    if (const auto *tag = dynamic_cast<const CircTag *>(thing))
        return m_tags.contains(tag);
    if (const auto *tool = dynamic_cast<const CircTool *>(thing))
        return m_tools.contains(tool);
    return false;
}

void ThingLists::clear()
{
    m_components.clear();
    m_tags.clear();
    m_tools.clear();
}

Point ThingLists::topLeft() const
{
    std::optional<Point> corner;
    forEach([&](const CircThing &thing) {
        for (const Point p : {thing.firstPoint(), thing.secondPoint()})
            corner = corner ? Point{std::min(corner->x, p.x), std::min(corner->y, p.y)} : p;
    });
    return corner.value_or(Point{});
}
