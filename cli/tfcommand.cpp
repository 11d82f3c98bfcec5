#include "tfcommand.h"

#include "analysiscircuit.h"
#include "commandoptions.h"
#include "transfuncjson.h"
#include "transfuncreport.h"

#include <tools/transfunc.h>

#include <memory>
#include <ostream>
#include <string>

namespace {

struct TfOptions
{
    std::string file;
    std::string source;
    std::string output;
    bool json = false;
    int digits = ExportNumberFormat::defaultDigits;
};

int runTf(const TfOptions &options, std::ostream &out, std::ostream &err)
{
    AnalysisCircuit circuit(options.file);
    const std::unique_ptr<TransFunc> tool
        = circuit.transferFunction(options.source, options.output);
    const int status = circuit.reportMessages(err);
    if (options.json)
        out << jsonText(transFuncJson(*tool, options.source, options.output, circuit.messages()))
            << "\n";
    else if (status == ExitStatus::success)
        out << transFuncReport(*tool, ExportNumberFormat(options.digits));
    return status;
}

} // namespace

void addTfCommand(CLI::App &app, Command &command)
{
    CLI::App *tf = app.add_subcommand(
        "tf", "The transfer function from a source to an output equation: formula, poles, zeros "
              "and partial fractions");
    auto options = std::make_shared<TfOptions>();
    CommandOptions::addFile(*tf, options->file);
    CommandOptions::addSourceAndOutput(*tf, options->source, options->output);
    CLI::Option *json
        = tf->add_flag("--json", options->json, "One JSON object, numbers at full precision");
    CommandOptions::addDigits(*tf, options->digits)->excludes(json);
    CommandOptions::runOnParse(*tf, command, options, runTf);
}
