#pragma once

#include <common/geometry.h>
#include <common/mptrarray.h>
#include <model/circtag.h>
#include <model/circtool.h>
#include <model/component.h>

#include <functional>
#include <memory>

// Things sorted by kind into three lists (components, tags, tools), each entry with the
// ownership flag of its list. The edit actions keep what they add and what they take out of
// the document in such lists, and a clipboard block is read into one.
class ThingLists
{
public:
    MPtrArray<Component> &components() { return m_components; }
    const MPtrArray<Component> &components() const { return m_components; }
    MPtrArray<CircTag> &tags() { return m_tags; }
    const MPtrArray<CircTag> &tags() const { return m_tags; }
    MPtrArray<CircTool> &tools() { return m_tools; }
    const MPtrArray<CircTool> &tools() const { return m_tools; }

    // The document's things that the filter keeps, not owned, components then tags then tools.
    static ThingLists matching(const TCircuitDocument &document,
                               const std::function<bool(const CircThing &)> &keep);

    // Appends the thing to the list of its kind; a thing of none of the kinds is not taken
    // (and answers false).
    bool add(CircThing *thing, bool owns);
    // Appends and owns; a thing of none of the kinds is destroyed.
    void add(std::unique_ptr<CircThing> thing);
    bool contains(const CircThing *thing) const;
    int count() const { return m_components.count() + m_tags.count() + m_tools.count(); }
    bool isEmpty() const { return count() == 0; }
    void clear();

    // Visits components, then tags, then tools, each in list order.
    template<typename Visit>
    void forEach(Visit visit) const
    {
        for (Component *component : m_components)
            visit(static_cast<CircThing &>(*component));
        for (CircTag *tag : m_tags)
            visit(static_cast<CircThing &>(*tag));
        for (CircTool *tool : m_tools)
            visit(static_cast<CircThing &>(*tool));
    }

    // The smallest x and the smallest y over both points of every thing (the origin when there
    // is none).
    Point topLeft() const;

private:
    MPtrArray<Component> m_components;
    MPtrArray<CircTag> m_tags;
    MPtrArray<CircTool> m_tools;
};
