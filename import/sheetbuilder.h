#pragma once

#include <import/sheetnames.h>
#include <import/spicenamemap.h>
#include <import/spicenetlist.h>

#include <common/geometry.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Component;
class CircTag;
class TCircuitDocument;

// Draws the circuit of a netlist on an empty sheet, so that its netlist is exactly the SPICE
// one and its tags read what SPICE prints:
// - every node other than ground (0 or gnd) has a horizontal rail of wires, one row each from
//   the top; every element stands upright in a column of its own below the rails, its upper
//   terminal wired straight up to its rail, its lower terminal wired down, aside and up to
//   its rail, or ended by a ground symbol;
// - node N gets the voltage tag "V"+N against ground (SPICE's V(N)), in a column left of the
//   elements; R, C and L named X get the current tag "I"+X from X's first node to its second
//   (SPICE's I(X)); sources keep their names; all of them in the program's characters and
//   with the names of their instances (SheetNames::hierarchicalName). A name that is taken
//   goes first to the thing whose SPICE name needed no change, then in the order elements,
//   node tags, current tags; the others get, in that order, the tag's prefix in lower case
//   ("v1" for node 1 beside source V1), else the first number from 2 on after the name;
// - V, E and H have their second point (the + terminal) on SPICE's n+; I, G and F drive their
//   current from n+ through themselves to n-, as the program's current sources do;
// - a control that the program's dependent sources cannot name directly gets an extra tag
//   named by the import ("X" and the source's name): a voltage tag across the controlling
//   node pair of E and G, or a reversed current tag where the current of the voltage source
//   that controls F and H is summed from the currents of the components at one of its nodes.
// Every thing lies on the 20-unit grid with its terminals on cell centres.
class SheetBuilder
{
public:
    SheetBuilder(const SpiceNetlist &netlist, TCircuitDocument &document);

    // Places everything; a netlist the sheet cannot express is a NetlistError.
    void build();

    SheetNames &names() { return m_names; }
    // The name of the element of the netlist's index on the sheet.
    const std::string &sheetNameOf(std::size_t element) const { return m_elementNames[element]; }
    // Every element and node: SPICE's name and the sheet's.
    SpiceNameMap nameMap() const;
    // The right edge of the drawing, where tools can start.
    int rightEdge() const;

    static constexpr int grid = 20;

private:
    static constexpr int ground = -1;

    struct Node
    {
        std::string name;
        std::string tag;
        std::vector<int> taps;
    };
    struct Control
    {
        std::vector<std::string> dependencies;
        double gainSign = 1.0;
    };
    struct AuxVoltageTag
    {
        std::string name;
        int plus = 0;
        int minus = 0;
    };

    int nodeOf(const std::string &name) const;
    void collectNodes();
    void assignNames();
    Control voltageControl(int index);
    Control currentControl(const SpiceElement &source);
    struct CurrentTerm
    {
        int element = 0;
        // The element's current from its first node to its second counts as it is.
        bool straight = true;
    };
    // The terms of the controlling source's current summed at one of its nodes (into the node
    // or out of it); nothing when another element there is no passive component.
    std::optional<std::vector<CurrentTerm>> currentsAt(int node, bool into, int controller) const;
    const std::string &reversedTagOf(int element);
    void placeElement(int index);
    void placeComponent(int index, Point n1, Point n2);
    void placeTags();
    void placeRails();
    void joinToRail(int node, Point terminal, bool upper);

    template<typename Thing>
    Thing &add(Point first, Point second, const std::string &name = {}, bool labelLeft = false);

    int railY(int node) const { return 30 + 2 * grid * node; }
    int elementsTop() const;
    int elementsBottom() const { return elementsTop() + 6 * grid; }
    int tagX(int column) const { return 30 + 3 * grid * column; }
    int elementX(int index) const;

    const SpiceNetlist &m_netlist;
    TCircuitDocument &m_document;
    SheetNames m_names;
    std::vector<Node> m_nodes;
    std::map<std::string, int> m_nodeIndex;
    // The elements' names on the sheet and, for R, C and L, those of their current tags.
    std::vector<std::string> m_elementNames;
    std::vector<std::string> m_currentTags;
    // The elements by their SPICE names in lower case.
    std::map<std::string, int> m_elementIndex;
    std::map<int, Control> m_controls;
    std::vector<AuxVoltageTag> m_auxVoltageTags;
    std::map<int, std::string> m_reversedTags;
};
