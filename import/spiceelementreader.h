#pragma once

#include <import/spicelines.h>
#include <import/spicenetlist.h>

#include <optional>
#include <string>
#include <vector>

class ParameterScope;

// Reads the element lines that map onto the sheet: R, C and L ("R1 a b 1k", "R1 a b R=1k",
// with ac= the resistance of the AC analysis, m= parallel copies), the independent sources V
// and I, and the controlled sources E, G, F and H. Values are numbers in SPICE notation,
// expressions in braces or names of parameters, evaluated in the scope. Nodes stay as the
// line names them. What the sheet cannot express is a NetlistError.
class SpiceElementReader
{
public:
    SpiceElementReader(const ParameterScope &scope, std::vector<std::string> &notes);

    // The element of the line, or nothing when the line leaves it out (a capacitor of 0 F,
    // which is an open circuit), with a note.
    std::optional<SpiceElement> read(const SpiceLine &line, const std::vector<std::string> &words);

private:
    struct Keyword
    {
        std::string name;
        std::string value;
    };

    void readPassive(SpiceElement &element, const std::vector<std::string> &words);
    void readIndependent(SpiceElement &element, const std::vector<std::string> &words);
    void readControlled(SpiceElement &element, const std::vector<std::string> &words);
    // The positional words after the nodes and the keywords "name = value" among them.
    static void splitKeywords(const std::vector<std::string> &words, std::size_t from,
                              std::vector<std::string> &positional, std::vector<Keyword> &keywords);
    bool isValue(const std::string &word) const;
    double valueOf(const SpiceElement &element, const std::string &word) const;
    void note(const SpiceElement &element, const std::string &text);

    const ParameterScope &m_scope;
    std::vector<std::string> &m_notes;
};
