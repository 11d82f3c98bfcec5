#include "outputequationparser.h"

#include <common/numbertext.h>
#include <compile/cpoint.h>
#include <compile/matrixlid.h>
#include <model/charclass.h>
#include <model/currenttag.h>
#include <model/message.h>
#include <model/tcircuitdocument.h>
#include <model/voltagetag.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const char *const incorrectSyntax = "Incorrect equation syntax";
const char *const noTag = "Output name %s is not a tag of the circuit";
const char *const divisionByZero = "Division by zero in the output equation";

TransRatioFunc constantRatio(double value)
{
    TransRatioFunc ratio;
    ratio.setConstant(transDouble(value));
    return ratio;
}

std::size_t digitsEnd(std::string_view text, std::size_t at)
{
    while (at < text.size() && CharClass::isDigit(text[at]))
        ++at;
    return at;
}

// The end of the decimal number that starts at the position: digits with an optional
// fraction, or a fraction alone, then an exponent when at least one digit follows its sign.
// The position itself when no number starts there.
std::size_t decimalNumberEnd(std::string_view text, std::size_t at)
{
    std::size_t end = digitsEnd(text, at);
    const bool wholePart = end > at;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = digitsEnd(text, end + 1);
        if (!wholePart && fractionEnd == end + 1)
            return at;
        end = fractionEnd;
    } else if (!wholePart) {
        return at;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = digitsEnd(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return end;
}

} // namespace

OutputEquationParser::OutputEquationParser(MatrixLid &lid)
    : m_lid(lid)
{
}

void OutputEquationParser::tokenize(std::string_view text, MArray<labelUnit> &tokens)
{
    tokens.clear();
    std::size_t at = 0;
    while (at < text.size()) {
        if (CharClass::isSpace(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = decimalNumberEnd(text, at);
        if (end == at && !CharClass::isLetterOrDigit(text[at])) {
            end = at + 1;
        } else {
            while (end < text.size() && CharClass::isLetterOrDigit(text[end]))
                ++end;
        }
        tokens.append(labelUnit(text.substr(at, end - at)));
        at = end;
    }
}

// Past the last token the list is extended with empty tokens, so the parse never runs off.
const labelUnit &OutputEquationParser::token()
{
    return m_lid.tokens().extendTo(m_lid.cursor());
}

void OutputEquationParser::advance()
{
    m_lid.setCursor(m_lid.cursor() + 1);
}

void OutputEquationParser::syntaxError()
{
    m_lid.document().addMessage(incorrectSyntax);
}

int OutputEquationParser::messageCount() const
{
    return m_lid.document().errorCount();
}

// Tokens left after a complete expression are a fault of their own; after a fault the parse
// already reported, they are part of it.
TransRatioFunc OutputEquationParser::equation()
{
    const int before = messageCount();
    TransRatioFunc value = expression();
    if (!token().isEmpty() && messageCount() == before)
        syntaxError();
    return value;
}

TransRatioFunc OutputEquationParser::expression()
{
    TransRatioFunc value = term();
    for (;;) {
        if (token() == "+") {
            advance();
            value += term();
        } else if (token() == "-") {
            advance();
            value -= term();
        } else {
            return value;
        }
    }
}

// A divisor that is 0 is reported, unless it is 0 because of a fault already reported in it.
TransRatioFunc OutputEquationParser::term()
{
    TransRatioFunc value = signedFactor();
    for (;;) {
        if (token() == "*") {
            advance();
            value *= signedFactor();
        } else if (token() == "/") {
            advance();
            const int before = messageCount();
            const TransRatioFunc divisor = signedFactor();
            if (divisor.isZero() && messageCount() == before)
                m_lid.document().addMessage(divisionByZero);
            value /= divisor;
        } else {
            return value;
        }
    }
}

TransRatioFunc OutputEquationParser::signedFactor()
{
    bool negative = false;
    while (token() == "+" || token() == "-") {
        negative = negative != (token() == "-");
        advance();
    }
    TransRatioFunc value = primary();
    if (negative)
        value *= constantRatio(-1);
    return value;
}

TransRatioFunc OutputEquationParser::primary()
{
    const labelUnit current = token();
    if (current == "(") {
        advance();
        TransRatioFunc value = expression();
        if (token() == ")")
            advance();
        else
            syntaxError();
        return value;
    }
    if (current.isValidName()) {
        advance();
        return tagValue(current);
    }
    if (current.isNumber()) {
        const double number = parseLeadingDouble(current.text());
        // A number too large for a double (1e999) is no number the equation can use.
        if (!std::isfinite(number)) {
            syntaxError();
            return {};
        }
        advance();
        return constantRatio(number);
    }
    syntaxError();
    return {};
}

// Sign conventions of the solved equations, as the rows are written:
// - a voltage source raises the potential from its first terminal to its second (the second
//   point is its + terminal): V(second) - V(first) = its value;
// - a current source drives its value through itself from its first terminal to its second,
//   so the current leaves it at its second point into that node;
// - the solved entry of a node is minus the node voltage per unit of the source, so for a
//   voltage tag X(cp2) - X(cp1) = V(cp1) - V(cp2): the potential of the tag's first point
//   against its second;
// - a current tag divides that voltage by the impedance of the component it spans: the
//   current through the component from the tag's first point to its second.
TransRatioFunc OutputEquationParser::tagValue(const labelUnit &name)
{
    TransRatioFunc value;
    const CircTag *tag = nullptr;
    for (const CircTag *candidate : m_lid.document().tags()) {
        if (candidate->matches(name, &m_lid.document())) {
            tag = candidate;
            break;
        }
    }
    if (tag == nullptr) {
        const std::string text(name.view());
        if (std::find(m_unknownNames.begin(), m_unknownNames.end(), text) == m_unknownNames.end()) {
            m_unknownNames.push_back(text);
            m_lid.document().addMessage(formatMessage(noTag, text));
        }
        return value;
    }
    const auto *currentTag = dynamic_cast<const CurrentTag *>(tag);
    if (dynamic_cast<const VoltageTag *>(tag) == nullptr
        && (currentTag == nullptr || currentTag->passComp == nullptr))
        return value;
    addSolvedValue(value, CPoint::of(tag->cp1), true);
    addSolvedValue(value, CPoint::of(tag->cp2), false);
    if (currentTag != nullptr)
        value /= currentTag->passComp->impedance();
    return value;
}

// Adds or subtracts the solved entry of a node at the selected column; the reference node and
// a node that is not solved for contribute nothing.
void OutputEquationParser::addSolvedValue(TransRatioFunc &value, const CPoint *point,
                                          bool subtract) const
{
    const int position = point ? m_lid.nodesToSolve().indexOf(point) : absentIndex;
    if (position == absentIndex)
        return;
    const TransRatioFunc &entry = m_lid.solvedEntry(position, m_lid.selectedColumn());
    if (subtract)
        value -= entry;
    else
        value += entry;
}
