#include "analysiscircuit.h"

#include "command.h"
#include "commanderror.h"
#include "terminaltext.h"

#include <import/spiceoutputsyntax.h>

#include <compile/outputequationparser.h>
#include <model/currenttag.h>
#include <model/voltagetag.h>
#include <tools/transfunc.h>

#include <ostream>

namespace {

// "A, B, C", or "none".
template<typename T, typename Accept>
std::string namesOf(const MPtrArray<T> &things, Accept accept)
{
    std::string names;
    for (const T *thing : things) {
        if (!accept(*thing) || thing->name().isEmpty())
            continue;
        names += (names.empty() ? "" : ", ") + terminalText(thing->name().view());
    }
    return names.empty() ? "none" : names;
}

bool isIndependentSource(const Component &component)
{
    return component.isSource() && component.isIndependent();
}

bool isOutputTag(const CircTag &tag)
{
    return dynamic_cast<const VoltageTag *>(&tag) || dynamic_cast<const CurrentTag *>(&tag);
}

template<typename T, typename Accept>
bool hasNamed(const MPtrArray<T> &things, Accept accept, std::string_view name)
{
    for (const T *thing : things) {
        if (accept(*thing) && thing->name() == name)
            return true;
    }
    return false;
}

} // namespace

AnalysisCircuit::AnalysisCircuit(const std::string &path)
{
    const FileResult result = m_document.open(path);
    switch (result.status) {
    case FileResult::Status::Ok:
        return;
    case FileResult::Status::Damaged:
        throw CommandError("document read error: " + result.reason + " (at byte "
                           + std::to_string(result.offset) + ") in " + terminalText(path));
    case FileResult::Status::Unreadable:
    case FileResult::Status::Unwritable:
        break;
    }
    throw CommandError("cannot read the document: " + result.reason);
}

void AnalysisCircuit::requireSource(std::string_view name) const
{
    if (hasNamed(m_document.components(), isIndependentSource, name))
        return;
    throw CommandError("unknown source \"" + terminalText(name)
                       + "\"; the independent sources of the circuit: "
                       + namesOf(m_document.components(), isIndependentSource));
}

std::string AnalysisCircuit::outputEquation(std::string_view equation) const
{
    const SpiceOutputSyntax translated
        = SpiceOutputSyntax::translate(equation, SpiceNameMap::ofDocument(m_document));
    if (!translated.error.empty())
        throw CommandError("bad output equation: " + terminalText(translated.error));
    MArray<labelUnit> tokens;
    OutputEquationParser::tokenize(translated.equation, tokens);
    for (const labelUnit &token : tokens) {
        if (!token.isValidName() || hasNamed(m_document.tags(), isOutputTag, token.view()))
            continue;
        throw CommandError("output name \"" + terminalText(token.view())
                           + "\" is not a tag of the circuit; its tags: "
                           + namesOf(m_document.tags(), isOutputTag));
    }
    return translated.equation;
}

CircTool &AnalysisCircuit::tool(std::string_view name)
{
    for (CircTool *tool : m_document.tools()) {
        if (tool->name() == name)
            return *tool;
    }
    throw CommandError("unknown tool \"" + terminalText(name) + "\"; the tools of the circuit: "
                       + namesOf(m_document.tools(), [](const CircTool &) { return true; }));
}

std::unique_ptr<TransFunc> AnalysisCircuit::transferFunction(std::string_view source,
                                                             std::string_view equation)
{
    requireSource(source);
    auto tool
        = std::make_unique<TransFunc>(outputEquation(equation), labelUnit(source), &m_document);
    tool->setName(labelUnit(toolName));
    tool->update();
    if (tool->exceedsDoubleRange())
        m_notes.emplace_back("The coefficients of the transfer function exceed the range of double "
                             "numbers: its poles and zeros are right, its formula, gain, partial "
                             "fractions and responses are not");
    return tool;
}

std::vector<std::string> AnalysisCircuit::messages() const
{
    std::vector<std::string> texts;
    for (const Message *message : m_document.messages())
        texts.emplace_back(message->text().view());
    texts.insert(texts.end(), m_notes.begin(), m_notes.end());
    return texts;
}

int AnalysisCircuit::reportMessages(std::ostream &err) const
{
    const std::vector<std::string> texts = messages();
    for (const std::string &text : texts)
        err << terminalText(text) << "\n";
    return texts.empty() ? ExitStatus::success : ExitStatus::messages;
}
