#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TCircuitDocument;

// What the import named every element and node of a netlist on the sheet: "R1 -> R1",
// "X1.R3 -> R3X1" for the components, "I(X1.R3) -> IR3X1" for the current tags of the
// resistors, capacitors and inductors, "V(X1.n1) -> Vn1X1" for the voltage tags of the nodes.
// The import prints it and keeps it with the circuit as the text of a text block named
// blockName, one entry a line, so that SPICE's output names can be used on that circuit later.
class SpiceNameMap
{
public:
    struct Entry
    {
        std::string spice;
        std::string sheet;
    };

    static constexpr const char *blockName = "SpiceNames";
    // The separator between the two names of an entry's line.
    static constexpr std::string_view arrow = " -> ";

    void add(std::string spice, std::string sheet);
    const std::vector<Entry> &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.empty(); }

    // The sheet's name of a SPICE name, which ignores case; nothing when the map lacks it.
    std::optional<std::string> find(std::string_view spice) const;

    // The Rich Text Format text of the block: a heading line, then one entry a line.
    std::string rtf() const;
    // The entries of a block's plain text; lines that are no entry are skipped.
    static SpiceNameMap fromText(std::string_view plain);
    // The map kept on the document's sheet; empty when it has none.
    static SpiceNameMap ofDocument(const TCircuitDocument &document);

private:
    std::vector<Entry> m_entries;
    // The entries by their SPICE name in lower case.
    std::unordered_map<std::string, std::size_t> m_index;
};
