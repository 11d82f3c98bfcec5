#pragma once

#include <model/circtag.h>

// Marks the current through the passive component that spans its two points, flowing from
// the first point to the second.
class CurrentTag : public CircTag
{
    ZENODYNE_STREAMABLE(CurrentTag, 1)

public:
    const char *helpTopicTitle() const override { return "Current Tag"; }
    // Also reports a tag that spans no passive component.
    void check() override;

    // The measured component, found by the netlist; null while there is none.
    Component *passComp = nullptr;

    // The measured component has both terminals on one node (a wire across it, or both ends
    // on ground): the netlist left it out, it carries no current, and the tag measures 0.
    bool measuresShortedComponent() const;

protected:
    // Also a tag on a shorted component: its current is 0.
    bool isDefined() const override;
    void drawMarker(DrawSurface &surface) const override;
};
