#include "evalcommand.h"

#include "analysiscircuit.h"
#include "commanderror.h"
#include "commandoptions.h"
#include "terminaltext.h"

#include <tools/toolevaluation.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct EvalOptions
{
    std::string file;
    std::string tool;
    std::string output;
};

// "Transfer Function H1".
std::string toolTitle(const CircTool &tool)
{
    std::string title = tool.helpTopicTitle();
    if (!tool.name().isEmpty())
        title += " " + terminalText(tool.name().view());
    return title;
}

int runEval(const EvalOptions &options, std::ostream &out, std::ostream &err)
{
    AnalysisCircuit circuit(options.file);
    const std::vector<CircTool *> tools = options.tool.empty()
                                              ? evaluationOrder(circuit.document())
                                              : std::vector{&circuit.tool(options.tool)};
    int status = ExitStatus::success;
    for (CircTool *tool : tools) {
        evaluateTool(*tool);
        // Each evaluation starts with an empty message list, so the messages are taken here.
        for (const std::string &message : circuit.messages())
            err << toolTitle(*tool) << ": " << terminalText(message) << "\n";
        if (!circuit.messages().empty())
            status = ExitStatus::messages;
        out << "Evaluated " << toolTitle(*tool) << "\n";
    }
    if (status != ExitStatus::success) {
        err << "Not saved: the evaluation produced messages\n";
        return status;
    }
    TCircuitDocument &document = circuit.document();
    document.setPath(options.output.empty() ? options.file : options.output);
    const FileResult result = document.commit(true);
    if (!result.ok())
        throw CommandError("cannot save the circuit: " + result.reason);
    out << "Saved " << terminalText(document.path().string()) << "\n";
    return status;
}

} // namespace

void addEvalCommand(CLI::App &app, Command &command)
{
    CLI::App *eval = app.add_subcommand(
        "eval", "Evaluate the tools of a circuit as their dialogs do, and save it");
    auto options = std::make_shared<EvalOptions>();
    CommandOptions::addFile(*eval, options->file);
    eval->add_option("--tool", options->tool, "Evaluate only the tool of this name");
    eval->add_option("-o", options->output, "Save to this file instead of the circuit file")
        ->check(CommandOptions::nonEmptyFileName());
    CommandOptions::runOnParse(*eval, command, options, runEval);
}
