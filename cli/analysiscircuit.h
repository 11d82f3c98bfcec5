#pragma once

#include <model/tcircuitdocument.h>

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TransFunc;

// A circuit read for the analysis commands: the document of a file, with the checks a command
// makes of its arguments before it evaluates anything on it.
class AnalysisCircuit
{
public:
    // The name of the transfer-function tool that the commands evaluate; the Bode data and the
    // formula carry it.
    static constexpr const char *toolName = "H";

    // Reads the file; a file that cannot be read, or is damaged, is a CommandError.
    explicit AnalysisCircuit(const std::string &path);
    AnalysisCircuit(const AnalysisCircuit &) = delete;
    AnalysisCircuit &operator=(const AnalysisCircuit &) = delete;

    TCircuitDocument &document() { return m_document; }

    // A CommandError unless an independent source of the circuit has the name; the tools would
    // silently leave their transfer function as it was.
    void requireSource(std::string_view name) const;
    // The output equation over the circuit's tags: SPICE's output names in it (V(out),
    // I(X1.R3)) turned into the tags an import gave them (SpiceOutputSyntax). A CommandError
    // when one of those names nothing, or unless every name in the result is that of a voltage
    // or current tag: the evaluation reports such a name as a message too; refused here, it is
    // an error of the arguments and the message lists the tags there are.
    std::string outputEquation(std::string_view equation) const;

    // The first tool of the name; a CommandError when there is none.
    CircTool &tool(std::string_view name);

    // A transfer-function tool named toolName for the source and output equation (as
    // outputEquation makes it), evaluated
    // exactly as a tool placed on the sheet evaluates itself (compile, parse, set ratio), once
    // both have passed the checks above. It belongs to the document but is not on its tool
    // list.
    std::unique_ptr<TransFunc> transferFunction(std::string_view source, std::string_view equation);

    // The texts of the messages the last evaluation left, in order, then those of the command:
    // a transfer function whose double form overflows.
    std::vector<std::string> messages() const;
    // Writes those messages to err, one a line; answers ExitStatus::messages when there were
    // any, else ExitStatus::success.
    int reportMessages(std::ostream &err) const;

private:
    TCircuitDocument m_document;
    std::vector<std::string> m_notes;
};
