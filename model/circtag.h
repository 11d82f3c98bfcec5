#pragma once

#include <model/circthing.h>
#include <model/netlistlinks.h>

// A mark on the circuit for a quantity to compute, named so that output equations can refer
// to it. Its two points lie on the nodes it measures between.
class CircTag : public CircThing, public NetlistLinks
{
    ZENODYNE_STREAMABLE(CircTag, 1)

public:
    // Placing a tag also forgets where the last netlist put it.
    void place(Point first, Point second, TCircuitDocument *document) override;
    bool editParameters(ParameterDialogs &dialogs) override;
    void draw(DrawSurface &surface) const override;
    const char *helpTopicTitle() const override { return "Circuit Tags"; }
    // The name must be usable in output equations (it is normalised in place), and the tag
    // must lie between two different nodes of the netlist.
    void check() override;

protected:
    CircTag() = default;

    // Whether the netlist gave the tag something to measure: two different nodes.
    virtual bool isDefined() const;

    // The tag's marker along its segment, in the current pen.
    virtual void drawMarker(DrawSurface &surface) const = 0;
};
