#include "spiceparser.h"

#include "netlisterror.h"
#include "spicedeck.h"
#include "spicetext.h"
#include "spicevalue.h"
#include "subcircuitexpander.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

std::string afterKeyword(const SpiceLine &line)
{
    const std::size_t blank = line.text.find_first_of(" \t");
    return blank == std::string::npos ? std::string() : line.text.substr(blank);
}

// Sorts the statements into the deck's bodies and subcircuits, and the analyses and outputs
// into the netlist.
class DeckReader
{
public:
    DeckReader(SpiceDeck &deck, SpiceNetlist &netlist)
        : m_deck(deck)
        , m_netlist(netlist)
    {
    }

    // Reads one statement; answers false at .end.
    bool read(const SpiceLine &line);
    // The end of the netlist: every .subckt must have been closed.
    void finish() const;

private:
    SpiceBody &body() { return m_open.empty() ? m_deck.top : m_open.back().body; }
    void readCommand(const SpiceLine &line, const std::vector<std::string> &words);
    void openSubcircuit(const SpiceLine &line, const std::vector<std::string> &words);
    void closeSubcircuit(const SpiceLine &line);
    void readOutputs(const SpiceLine &line);
    void note(int line, const std::string &text)
    {
        m_netlist.notes.push_back("line " + std::to_string(line) + ": " + text);
    }

    SpiceDeck &m_deck;
    SpiceNetlist &m_netlist;
    // The subcircuits being read, the innermost last.
    std::vector<SubcircuitDefinition> m_open;
    int m_controlBlockLine = 0;
};

bool DeckReader::read(const SpiceLine &line)
{
    const std::vector<std::string> words = spiceWords(line);
    if (words.empty())
        return true;
    const std::string command = spiceLowerCase(words.front());
    if (m_controlBlockLine != 0) {
        if (command == ".endc")
            m_controlBlockLine = 0;
        return true;
    }
    if (command == ".end") {
        finish();
        return false;
    }
    if (command.front() == '.')
        readCommand(line, words);
    else
        body().elements.push_back(line);
    return true;
}

void DeckReader::finish() const
{
    if (!m_open.empty())
        throw NetlistError(m_open.back().line, ".subckt " + m_open.back().name + " has no .ends");
}

void DeckReader::readCommand(const SpiceLine &line, const std::vector<std::string> &words)
{
    const std::string command = spiceLowerCase(words[0]);
    if (command == ".subckt") {
        openSubcircuit(line, words);
    } else if (command == ".ends") {
        closeSubcircuit(line);
    } else if (command == ".param") {
        for (SpiceAssignment &assignment : spiceAssignments(afterKeyword(line), {line.number, {}}))
            body().parameters.push_back({line.number, std::move(assignment)});
    } else if (command == ".global") {
        for (std::size_t i = 1; i < words.size(); ++i)
            m_deck.globalNodes.insert(spiceLowerCase(words[i]));
    } else if (command == ".include" || command == ".inc" || command == ".lib"
               || command == ".func") {
        // Each of these changes what the circuit is; leaving it out would import another one.
        throw NetlistError(line.number, words[0] + " is not supported");
    } else if (!m_open.empty()) {
        note(line.number, words[0] + " in .subckt " + m_open.back().name + " is ignored");
    } else if (command == ".ac") {
        // .ac dec|oct|lin points fstart fstop: the plot covers whole decades around the range.
        const auto start = words.size() > 3 ? parseSpiceValue(words[3]) : std::nullopt;
        const auto stop = words.size() > 4 ? parseSpiceValue(words[4]) : std::nullopt;
        if (start && stop && *start > 0.0 && *stop > *start)
            m_netlist.ac = SpiceAcAnalysis{line.number, *start, *stop};
        else
            note(line.number, ".ac needs a frequency range 0 < fstart < fstop; ignored");
    } else if (command == ".tran") {
        const auto stop = words.size() > 2 ? parseSpiceValue(words[2]) : std::nullopt;
        if (stop && *stop > 0.0)
            m_netlist.tran = SpiceTranAnalysis{line.number, *stop};
        else
            note(line.number, ".tran needs a positive stop time; ignored");
    } else if (command == ".print" || command == ".plot" || command == ".probe") {
        readOutputs(line);
    } else if (command == ".control") {
        m_controlBlockLine = line.number;
        note(line.number, "the .control block is ignored");
    } else {
        note(line.number, words[0] + " is ignored");
    }
}

// ".subckt NAME pins... [params:] [k=v ...]".
void DeckReader::openSubcircuit(const SpiceLine &line, const std::vector<std::string> &words)
{
    if (words.size() < 2)
        throw NetlistError(line.number, ".subckt needs a name");
    SubcircuitDefinition definition;
    definition.name = words[1];
    definition.line = line.number;
    std::size_t i = 2;
    for (; i < words.size() && words[i] != "=" && spiceLowerCase(words[i]) != "params:"; ++i) {
        if (i + 1 < words.size() && words[i + 1] == "=")
            break;
        definition.pins.push_back(words[i]);
    }
    if (i < words.size() && spiceLowerCase(words[i]) == "params:")
        ++i;
    for (; i < words.size(); i += 3) {
        if (i + 2 >= words.size() || words[i + 1] != "=")
            throw NetlistError(line.number, ".subckt " + definition.name + ": " + words[i]
                                                + " is no parameter name=value");
        definition.parameters.push_back({words[i], words[i + 2]});
    }
    m_open.push_back(std::move(definition));
}

void DeckReader::closeSubcircuit(const SpiceLine &line)
{
    if (m_open.empty())
        throw NetlistError(line.number, ".ends without .subckt");
    SubcircuitDefinition definition = std::move(m_open.back());
    m_open.pop_back();
    const int opened = definition.line;
    const auto [known, inserted]
        = m_deck.subcircuits.emplace(spiceLowerCase(definition.name), std::move(definition));
    if (!inserted)
        throw NetlistError(opened, ".subckt " + known->second.name
                                       + " is defined twice (first on line "
                                       + std::to_string(known->second.line) + ")");
}

// ".print ac v(out) vdb(out) v(a,b) i(R1)"; .probe may leave out the analysis.
void DeckReader::readOutputs(const SpiceLine &line)
{
    const std::vector<std::string> words = spiceWords(line, true);
    std::size_t i = 1;
    std::string analysis = i < words.size() ? spiceLowerCase(words[i]) : "";
    if (analysis == "ac" || analysis == "tran")
        ++i;
    else if (spiceLowerCase(words[0]) == ".probe")
        analysis.clear();
    else {
        note(line.number, words[0] + " without ac or tran is ignored");
        return;
    }
    while (i < words.size()) {
        const std::string function = spiceLowerCase(words[i]);
        std::vector<std::string> operands;
        std::size_t next = i + 1;
        if (next < words.size() && words[next] == "(") {
            for (++next; next < words.size() && words[next] != ")"; ++next)
                operands.push_back(words[next]);
            ++next;
        }
        const char kind = function.empty() ? ' ' : function.front();
        const bool known = (kind == 'v' || kind == 'i') && function.size() <= 3 && !operands.empty()
                           && operands.size() <= (kind == 'v' ? 2u : 1u);
        if (!known) {
            note(line.number, "output " + words[i] + " is ignored");
        } else {
            SpiceOutput output{
                line.number, kind, {operands[0], operands.size() > 1 ? operands[1] : ""}};
            if (analysis != "tran")
                m_netlist.acOutputs.push_back(output);
            if (analysis != "ac")
                m_netlist.tranOutputs.push_back(output);
        }
        i = next;
    }
}

// The line a note begins with ("line 12: ..."), 0 for none.
int lineOfNote(const std::string &note)
{
    return note.starts_with("line ") ? std::atoi(note.c_str() + 5) : 0;
}

} // namespace

SpiceNetlist SpiceParser::parse(std::string_view text)
{
    SpiceNetlist netlist;
    SpiceDeck deck;
    DeckReader reader(deck, netlist);
    bool ended = false;
    for (const SpiceLine &line : spiceLogicalLines(text, netlist.title)) {
        if (!reader.read(line)) {
            ended = true;
            break;
        }
    }
    if (!ended)
        reader.finish();
    const bool written = !deck.top.elements.empty();
    SubcircuitExpander(deck, netlist).expand();
    // The elements are read after the commands; their notes go in line order with the others.
    std::stable_sort(
        netlist.notes.begin(), netlist.notes.end(),
        [](const std::string &a, const std::string &b) { return lineOfNote(a) < lineOfNote(b); });
    if (netlist.elements.empty())
        throw NetlistError(0, written ? "no element is left once those that do nothing are "
                                        "left out; the netlist has no circuit"
                                      : "the netlist holds no elements");
    return netlist;
}
