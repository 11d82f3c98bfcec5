#pragma once

#include <algebra/transratiofunc.h>
#include <model/circthing.h>
#include <model/netlistlinks.h>
#include <model/symbolframe.h>

#include <string>
#include <vector>

// An element of the circuit: wires, ground symbols, passive components and sources. It draws
// its symbol along the segment from the first to the second point.
class Component : public CircThing, public NetlistLinks
{
    ZENODYNE_STREAMABLE(Component, 1)

public:
    // Length of a symbol's body along the segment; the leads fill the rest.
    static constexpr double bodyLength = 40;

    void draw(DrawSurface &surface) const override;

    // Both terminals belong to one node (wires and ground symbols).
    virtual bool isConnector() const { return false; }
    virtual bool isSource() const { return false; }
    virtual bool isVoltageSource() const { return false; }
    virtual bool isCurrentSource() const { return false; }
    virtual bool isDependent() const { return false; }
    virtual bool isIndependent() const { return false; }

    // The impedance in s of a passive component; 0 / 1 for every other component.
    virtual TransRatioFunc impedance() const { return {}; }
    // The constant gain of a dependent source; 0 / 1 for every other component.
    virtual TransRatioFunc gain() const { return {}; }

    // The terminal positions the netlist joins: the two points, but all ground symbols share
    // one second terminal off the sheet.
    Point firstTerminal() const { return firstPoint(); }
    virtual Point secondTerminal() const { return secondPoint(); }
    // After a netlist build: both terminals lie on one node (a wire across the component), or
    // one of them lies on a node that nothing else touches (an open terminal).
    bool isShortedOrOpen() const;

    // The label's second line (a passive component's value with its unit); empty by default.
    virtual std::string valueLabel() const { return {}; }
    // The label lines as the owner shows them: the name when names are shown and it is not
    // empty, the value label when values are shown and there is one.
    std::vector<std::string> labelLines() const;

protected:
    Component() = default;

    // The symbol between the terminals, in the current pen.
    virtual void drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const = 0;
    virtual void drawTerminals(DrawSurface &surface) const;
    void drawTerminal(DrawSurface &surface, Point terminal) const;
};
