#include "responsecommand.h"

#include "analysiscircuit.h"
#include "commanderror.h"
#include "commandoptions.h"
#include "signalargument.h"
#include "terminaltext.h"

#include <tools/graph/dialogtext.h>
#include <tools/signal.h>
#include <tools/timeplot.h>
#include <tools/timeplotexportdata.h>

#include <common/numbertext.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct ResponseOptions
{
    std::string file;
    std::string source;
    std::string output;
    std::vector<std::string> signals;
    bool periodic = false;
    std::string window;
    ExportFieldOptions fields;
    int digits = ExportNumberFormat::defaultDigits;
};

struct Window
{
    double start = 0.0;
    double end = 0.0;
};

// "A:B" with A < B, both finite.
Window parseWindow(const std::string &text)
{
    const std::size_t colon = text.find(':');
    std::size_t startLength = 0;
    std::size_t endLength = 0;
    Window window;
    if (colon != std::string::npos) {
        window.start = parseLeadingDouble(text.substr(0, colon).c_str(), &startLength);
        window.end = parseLeadingDouble(text.substr(colon + 1).c_str(), &endLength);
    }
    const bool whole = colon != std::string::npos && startLength == colon && startLength > 0
                       && endLength == text.size() - colon - 1 && endLength > 0;
    if (!whole || !std::isfinite(window.start) || !std::isfinite(window.end)
        || !(window.end > window.start))
        throw CommandError("bad --window \"" + terminalText(text) + "\"; write A:B with A < B");
    return window;
}

// A tool name that no tool of the document has.
std::string unusedToolName(const TCircuitDocument &document, const std::string &stem)
{
    const auto used = [&](const std::string &name) {
        for (const CircTool *tool : document.tools()) {
            if (tool->name() == name)
                return true;
        }
        return false;
    };
    std::string name = stem;
    for (int i = 1; used(name); ++i)
        name = stem + std::to_string(i);
    return name;
}

// The input signal of the response, on the document's tool list, where the time plot looks
// its signals up by name. Answers its name.
std::string addSignal(TCircuitDocument &document, const ResponseOptions &options, Window window)
{
    auto signal = std::make_unique<Signal>();
    signal->setDocument(&document);
    const std::string name = unusedToolName(document, "Input");
    signal->setName(labelUnit(name));
    for (const std::string &argument : options.signals)
        signal->appendElement(parseSignalArgument(argument));
    signal->setWindow(textDouble(DialogText::number(window.start)),
                      textDouble(DialogText::number(window.end)));
    signal->setPeriodic(options.periodic);
    document.appendTool(std::move(signal));
    return name;
}

int runResponse(const ResponseOptions &options, std::ostream &out, std::ostream &err)
{
    if (!(options.fields.end() > options.fields.start()))
        throw CommandError("--end must lie after --start");
    const Window window = options.window.empty()
                              ? Window{options.fields.start(), options.fields.end()}
                              : parseWindow(options.window);
    AnalysisCircuit circuit(options.file);
    circuit.requireSource(options.source);
    const std::string equation = circuit.outputEquation(options.output);
    // A time plot's line is titled with its output equation, which a label holds.
    if (equation.size() > labelUnit::capacity)
        throw CommandError("the output equation of a response has at most "
                           + std::to_string(labelUnit::capacity) + " characters");
    TCircuitDocument &document = circuit.document();
    const std::string signalName = addSignal(document, options, window);

    TimePlot plot;
    plot.setDocument(&document);
    TPElemParam line{labelUnit(equation), Color()};
    line.shown = true;
    MArray<TPElemParam> outputLines;
    outputLines.append(line);
    plot.setLines(outputLines, {});
    MArray<labelUnit> sources;
    sources.append(labelUnit(options.source));
    MArray<labelUnit> signals;
    signals.append(labelUnit(signalName));
    plot.setSignals(sources, signals);
    plot.setWindow(textDouble(DialogText::number(options.fields.start())),
                   textDouble(DialogText::number(options.fields.end())));
    plot.rebuildSolutions();

    const int status = circuit.reportMessages(err);
    if (status != ExitStatus::success)
        return status;
    out << options.fields.exportText(TimePlotExportData::from(plot), options.digits);
    if (!plot.omitsImproperTerms())
        return ExitStatus::success;
    // The response of the proper part is written, as the time plot draws it; the derivative
    // and impulse terms of the input that the polynomial part would add are not in it. That
    // is the response as designed, so the note informs and the status stays a success.
    err << "Note: the transfer function is improper; its polynomial part is left out of the "
           "response\n";
    return ExitStatus::success;
}

} // namespace

void addResponseCommand(CLI::App &app, Command &command)
{
    CLI::App *response = app.add_subcommand(
        "response", "The time response of an output equation to an input signal at a source");
    auto options = std::make_shared<ResponseOptions>();
    CommandOptions::addFile(*response, options->file);
    CommandOptions::addSourceAndOutput(*response, options->source, options->output);
    response
        ->add_option("--signal", options->signals,
                     "A signal element: impulse:START:MAG or compound:T0:K:R:A:W:PHI "
                     "(K*tau^R*exp(-A*tau)*cos(W*tau+PHI), tau = t-T0); repeat for a sum")
        ->required()
        ->expected(1)
        ->take_all();
    CLI::Option *periodic = response->add_flag("--periodic", options->periodic,
                                               "Repeat the signal every window length");
    response
        ->add_option("--window", options->window,
                     "The window A:B of a periodic signal (default: --start:--end)")
        ->needs(periodic);
    options->fields.addTo(*response, ExportFieldOptions::windowFields, true);
    CommandOptions::addDigits(*response, options->digits);
    CommandOptions::runOnParse(*response, command, options, runResponse);
}
