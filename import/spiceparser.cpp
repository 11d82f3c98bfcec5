#include "spiceparser.h"

#include "netlisterror.h"
#include "spicetext.h"
#include "spicevalue.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace {

struct LogicalLine
{
    int number = 0;
    std::string text;
};

bool isBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The title, then the netlist's lines without comments, continuations joined to the line they
// continue, each numbered by its first physical line.
std::vector<LogicalLine> logicalLines(std::string_view text, std::string &title)
{
    std::vector<LogicalLine> lines;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (number == 1) {
            title = trimmed(line);
            continue;
        }
        line = trimmed(line.substr(0, line.find(';')));
        if (line.empty() || line.front() == '*')
            continue;
        if (line.front() == '+') {
            if (lines.empty())
                throw NetlistError(number, "continuation line without a line to continue");
            lines.back().text.append(" ").append(line.substr(1));
            continue;
        }
        lines.push_back({number, std::string(line)});
    }
    return lines;
}

// The words of a line. Blanks and commas separate words; parentheses too, and are kept as
// words of their own when keepParentheses is set (the outputs of .print need them).
std::vector<std::string> wordsOf(std::string_view text, bool keepParentheses)
{
    std::vector<std::string> words;
    std::string word;
    auto flush = [&] {
        if (!word.empty())
            words.push_back(word);
        word.clear();
    };
    for (char c : text) {
        if (isBlank(c) || c == ',') {
            flush();
        } else if (c == '(' || c == ')') {
            flush();
            if (keepParentheses)
                words.emplace_back(1, c);
        } else {
            word += c;
        }
    }
    flush();
    return words;
}

std::string joined(const std::vector<std::string> &words, std::size_t from)
{
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i)
        text.append(text.empty() ? "" : " ").append(words[i]);
    return text;
}

class LineReader
{
public:
    explicit LineReader(SpiceNetlist &netlist)
        : m_netlist(netlist)
    {
    }

    // Reads one line; answers false at .end.
    bool read(const LogicalLine &line);

private:
    void readElement(const LogicalLine &line, const std::vector<std::string> &words);
    void readPassive(SpiceElement &element, const std::vector<std::string> &words);
    void readIndependent(SpiceElement &element, const std::vector<std::string> &words);
    void readControlled(SpiceElement &element, const std::vector<std::string> &words);
    void readCommand(const LogicalLine &line, const std::vector<std::string> &words);
    void readOutputs(const LogicalLine &line);
    double valueOf(const SpiceElement &element, const std::string &word) const;
    void note(int line, const std::string &text)
    {
        m_netlist.notes.push_back("line " + std::to_string(line) + ": " + text);
    }

    SpiceNetlist &m_netlist;
    // Element names in lower case (SPICE names ignore case) and the line of each.
    std::map<std::string, int> m_names;
    int m_controlBlockLine = 0;
};

bool LineReader::read(const LogicalLine &line)
{
    const std::vector<std::string> words = wordsOf(line.text, false);
    if (words.empty())
        return true;
    const std::string command = spiceLowerCase(words.front());
    if (m_controlBlockLine != 0) {
        if (command == ".endc")
            m_controlBlockLine = 0;
        return true;
    }
    if (command == ".end")
        return false;
    if (command.front() == '.')
        readCommand(line, words);
    else
        readElement(line, words);
    return true;
}

void LineReader::readElement(const LogicalLine &line, const std::vector<std::string> &words)
{
    SpiceElement element;
    element.kind = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0][0])));
    element.name = words[0];
    element.line = line.number;
    const auto [known, inserted] = m_names.emplace(spiceLowerCase(element.name), line.number);
    if (!inserted)
        throw NetlistError(line.number, element.name + " is defined twice (first on line "
                                            + std::to_string(known->second) + ")");
    if (m_netlist.elements.size() >= SpiceParser::maxElements)
        throw NetlistError(line.number,
                           "more than " + std::to_string(SpiceParser::maxElements) + " elements");
    switch (element.kind) {
    case 'R':
    case 'C':
    case 'L':
        readPassive(element, words);
        break;
    case 'V':
    case 'I':
        readIndependent(element, words);
        break;
    case 'E':
    case 'G':
    case 'F':
    case 'H':
        readControlled(element, words);
        break;
    default:
        throw NetlistError(line.number, element.name + ": element " + std::string(1, element.kind)
                                            + " is not supported (the import reads R, C, L, V, "
                                              "I, E, G, F and H)");
    }
    m_netlist.elements.push_back(element);
}

double LineReader::valueOf(const SpiceElement &element, const std::string &word) const
{
    const std::optional<double> value = parseSpiceValue(word);
    if (!value)
        throw NetlistError(element.line, element.name + ": " + word + " is no value");
    return *value;
}

void LineReader::readPassive(SpiceElement &element, const std::vector<std::string> &words)
{
    if (words.size() < 4)
        throw NetlistError(element.line, element.name + " needs two nodes and a value");
    element.nodes = {words[1], words[2]};
    element.value = valueOf(element, words[3]);
    if (element.value <= 0.0)
        throw NetlistError(element.line, element.name + " needs a positive value");
    if (words.size() > 4)
        note(element.line, element.name + ": ignored " + joined(words, 4));
}

// "V1 a b", "V1 a b 1", "V1 a b DC 1", "V1 a b AC 1", "V1 a b DC 0 AC 1 0" and a time
// function after these, which the sheet does not use.
void LineReader::readIndependent(SpiceElement &element, const std::vector<std::string> &words)
{
    if (words.size() < 3)
        throw NetlistError(element.line, element.name + " needs two nodes");
    element.nodes = {words[1], words[2]};
    std::size_t i = 3;
    auto takeValue = [&] {
        if (i < words.size() && parseSpiceValue(words[i]))
            return *parseSpiceValue(words[i++]);
        return 1.0;
    };
    if (i < words.size() && spiceLowerCase(words[i]) == "dc")
        ++i;
    if (i < words.size() && parseSpiceValue(words[i]))
        ++i;
    if (i < words.size() && spiceLowerCase(words[i]) == "ac") {
        ++i;
        element.hasAc = true;
        element.acMagnitude = takeValue();
        if (i < words.size() && parseSpiceValue(words[i])) {
            if (*parseSpiceValue(words[i]) != 0.0)
                note(element.line, element.name + ": the AC phase is not used");
            ++i;
        }
    }
    if (i < words.size())
        note(element.line, element.name + ": ignored " + joined(words, i));
}

void LineReader::readControlled(SpiceElement &element, const std::vector<std::string> &words)
{
    const bool voltageControlled = element.kind == 'E' || element.kind == 'G';
    if (words.size() > 3 && spiceLowerCase(words[3]) == "poly")
        throw NetlistError(element.line, element.name + ": POLY sources are not supported");
    const std::size_t needed = voltageControlled ? 6 : 5;
    if (words.size() < needed)
        throw NetlistError(
            element.line,
            element.name
                + (voltageControlled
                       ? " needs two nodes, two controlling nodes and a gain"
                       : " needs two nodes, a controlling voltage source and a gain"));
    element.nodes = {words[1], words[2]};
    if (voltageControlled)
        element.controlNodes = {words[3], words[4]};
    else
        element.controlSource = words[3];
    element.value = valueOf(element, words[needed - 1]);
    if (words.size() > needed)
        note(element.line, element.name + ": ignored " + joined(words, needed));
}

void LineReader::readCommand(const LogicalLine &line, const std::vector<std::string> &words)
{
    const std::string command = spiceLowerCase(words[0]);
    if (command == ".ac") {
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
    } else if (command == ".include" || command == ".inc" || command == ".lib"
               || command == ".subckt" || command == ".param" || command == ".func") {
        // Each of these changes what the circuit is; leaving it out would import another one.
        throw NetlistError(line.number, words[0] + " is not supported");
    } else {
        note(line.number, words[0] + " is ignored");
    }
}

// ".print ac v(out) vdb(out) v(a,b) i(R1)"; .probe may leave out the analysis.
void LineReader::readOutputs(const LogicalLine &line)
{
    const std::vector<std::string> words = wordsOf(line.text, true);
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

} // namespace

SpiceNetlist SpiceParser::parse(std::string_view text)
{
    SpiceNetlist netlist;
    LineReader reader(netlist);
    for (const LogicalLine &line : logicalLines(text, netlist.title)) {
        if (!reader.read(line))
            break;
    }
    return netlist;
}
