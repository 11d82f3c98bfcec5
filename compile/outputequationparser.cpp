#include "outputequationparser.h"

#include <common/numbertext.h>
#include <compile/cpoint.h>
#include <compile/matrixlid.h>
#include <model/charclass.h>
#include <model/currenttag.h>
#include <model/tcircuitdocument.h>
#include <model/voltagetag.h>

#include <cmath>
#include <string>

namespace {

const char *const incorrectSyntax = "Incorrect equation syntax";

TransRatioFunc constantRatio(double value)
{
    TransRatioFunc ratio;
    ratio.setConstant(transDouble(value));
    return ratio;
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
        std::size_t end = at + 1;
        if (CharClass::isLetterOrDigit(text[at])) {
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

TransRatioFunc OutputEquationParser::expression()
{
    TransRatioFunc value = term();
    if (token() == "+") {
        advance();
        value += expression();
    } else if (token() == "-") {
        advance();
        value -= expression();
    }
    return value;
}

TransRatioFunc OutputEquationParser::term()
{
    TransRatioFunc value = signedFactor();
    if (token() == "*") {
        advance();
        value *= term();
    } else if (token() == "/") {
        advance();
        value /= term();
    }
    return value;
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
TransRatioFunc OutputEquationParser::tagValue(const labelUnit &name) const
{
    TransRatioFunc value;
    const CircTag *tag = nullptr;
    for (const CircTag *candidate : m_lid.document().tags()) {
        if (candidate->matches(name, &m_lid.document())) {
            tag = candidate;
            break;
        }
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
