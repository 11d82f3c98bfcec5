#include "spiceelementreader.h"

#include "parameterscope.h"
#include "spicetext.h"
#include "spicevalue.h"

#include <cctype>

namespace {

std::string joined(const std::vector<std::string> &words, std::size_t from = 0)
{
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i)
        text.append(text.empty() ? "" : " ").append(words[i]);
    return text;
}

std::string upperCase(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool isTimeFunction(const std::string &lower)
{
    return lower == "sin" || lower == "pulse" || lower == "exp" || lower == "pwl" || lower == "sffm"
           || lower == "am" || lower == "trnoise" || lower == "trrandom";
}

} // namespace

SpiceElementReader::SpiceElementReader(const ParameterScope &scope, std::vector<std::string> &notes)
    : m_scope(scope)
    , m_notes(notes)
{
}

void SpiceElementReader::note(const SpiceElement &element, const std::string &text)
{
    m_notes.push_back(element.location().prefix() + element.name + ": " + text);
}

bool SpiceElementReader::isValue(const std::string &word) const
{
    return bracedExpression(word) || parseSpiceValue(word) || m_scope.value(spiceLowerCase(word));
}

double SpiceElementReader::valueOf(const SpiceElement &element, const std::string &word) const
{
    if (const auto expression = bracedExpression(word))
        return m_scope.evaluate(*expression, element.line);
    if (const auto value = parseSpiceValue(word))
        return *value;
    if (const auto value = m_scope.value(spiceLowerCase(word)))
        return *value;
    throw NetlistError(element.location(), element.name + ": " + word + " is no value");
}

void SpiceElementReader::splitKeywords(const std::vector<std::string> &words, std::size_t from,
                                       std::vector<std::string> &positional,
                                       std::vector<Keyword> &keywords)
{
    for (std::size_t i = from; i < words.size(); ++i) {
        if (i + 2 < words.size() && words[i + 1] == "=") {
            keywords.push_back({spiceLowerCase(words[i]), words[i + 2]});
            i += 2;
        } else if (words[i] != "=") {
            positional.push_back(words[i]);
        }
    }
}

std::optional<SpiceElement> SpiceElementReader::read(const SpiceLine &line,
                                                     const std::vector<std::string> &words)
{
    SpiceElement element;
    element.kind = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0][0])));
    element.name = words[0];
    element.line = line.number;
    element.instance = m_scope.instance();
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
        throw NetlistError(element.location(),
                           element.name + ": element " + std::string(1, element.kind)
                               + " is not supported (the import reads R, C, L, V, I, E, G, F, "
                                 "H and subcircuit instances X)");
    }
    if (element.kind == 'C' && element.value == 0.0) {
        note(element, "a capacitance of 0 is an open circuit; left out");
        return std::nullopt;
    }
    if (element.kind == 'L' && element.value == 0.0) {
        note(element, "an inductance of 0 is a short circuit; its nodes are joined");
        element.kind = 'W';
    }
    return element;
}

// "R1 a b 1k", "R1 a b R=1k", "R1 a b 1k ac=2k m=2", "C1 a b C=1n ic=0".
void SpiceElementReader::readPassive(SpiceElement &element, const std::vector<std::string> &words)
{
    if (words.size() < 4)
        throw NetlistError(element.location(), element.name + " needs two nodes and a value");
    element.nodes = {words[1], words[2]};
    std::vector<std::string> positional;
    std::vector<Keyword> keywords;
    splitKeywords(words, 3, positional, keywords);
    const std::string letter = spiceLowerCase(std::string(1, element.kind));
    const char *longName = element.kind == 'R'   ? "resistance"
                           : element.kind == 'C' ? "capacitance"
                                                 : "inductance";
    std::optional<double> value;
    std::optional<double> acValue;
    double copies = 1.0;
    std::vector<std::string> ignored;
    if (!positional.empty() && isValue(positional.front())) {
        value = valueOf(element, positional.front());
        positional.erase(positional.begin());
    }
    for (const Keyword &keyword : keywords) {
        if (keyword.name == letter || keyword.name == longName)
            value = valueOf(element, keyword.value);
        else if (keyword.name == "ac" && element.kind == 'R')
            acValue = valueOf(element, keyword.value);
        else if (keyword.name == "m")
            copies = valueOf(element, keyword.value);
        else
            ignored.push_back(keyword.name + "=" + keyword.value);
    }
    if (!value && !positional.empty())
        valueOf(element, positional.front());
    if (!value)
        throw NetlistError(element.location(), element.name + " needs two nodes and a value");
    if (!(copies > 0.0))
        throw NetlistError(element.location(), element.name + ": m needs a positive value");
    element.value = acValue.value_or(*value);
    if (element.value < 0.0 || (element.value == 0.0 && element.kind == 'R'))
        throw NetlistError(element.location(), element.name + " needs a positive value");
    // m copies in parallel.
    element.value = element.kind == 'C' ? element.value * copies : element.value / copies;
    positional.insert(positional.end(), ignored.begin(), ignored.end());
    if (!positional.empty())
        note(element, "ignored " + joined(positional));
}

// "V1 a b", "V1 a b 1", "V1 a b DC 1", "V1 a b AC 1", "V1 a b DC 0 AC 1 0", with a time
// function before or after these, which the sheet does not use.
void SpiceElementReader::readIndependent(SpiceElement &element,
                                         const std::vector<std::string> &words)
{
    if (words.size() < 3)
        throw NetlistError(element.location(), element.name + " needs two nodes");
    element.nodes = {words[1], words[2]};
    std::vector<std::string> ignored;
    std::size_t i = 3;
    auto takeValue = [&](double otherwise) {
        if (i < words.size() && isValue(words[i]))
            return valueOf(element, words[i++]);
        return otherwise;
    };
    while (i < words.size()) {
        const std::string word = spiceLowerCase(words[i]);
        if (word == "dc") {
            ++i;
            takeValue(0.0);
        } else if (word == "ac") {
            ++i;
            element.hasAc = true;
            element.acMagnitude = takeValue(1.0);
            if (takeValue(0.0) != 0.0)
                note(element, "the AC phase is not used");
        } else if (i == 3 && isValue(words[i])) {
            takeValue(0.0);
        } else if (isTimeFunction(word)) {
            ignored.push_back(words[i++]);
            while (i < words.size() && isValue(words[i]))
                ignored.push_back(words[i++]);
        } else {
            ignored.push_back(words[i++]);
        }
    }
    if (!ignored.empty())
        note(element, "ignored " + joined(ignored));
}

void SpiceElementReader::readControlled(SpiceElement &element,
                                        const std::vector<std::string> &words)
{
    const bool voltageControlled = element.kind == 'E' || element.kind == 'G';
    for (std::size_t i = 3; i < words.size(); ++i) {
        const std::string word = spiceLowerCase(words[i]);
        if (word == "poly" || word == "value" || word == "table" || word == "laplace"
            || word == "freq" || word == "vol" || word == "cur")
            throw NetlistError(element.location(), element.name + ": " + upperCase(word)
                                                       + " sources are not supported");
    }
    const std::size_t needed = voltageControlled ? 6 : 5;
    if (words.size() < needed)
        throw NetlistError(
            element.location(),
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
        note(element, "ignored " + joined(words, needed));
}
