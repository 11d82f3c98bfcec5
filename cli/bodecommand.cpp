#include "bodecommand.h"

#include "analysiscircuit.h"
#include "commandoptions.h"

#include <tools/bodeplot.h>
#include <tools/bodeplotexportdata.h>
#include <tools/transfunc.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>

namespace {

struct BodeOptions
{
    std::string file;
    std::string source;
    std::string output;
    ExportFieldOptions fields;
    std::int32_t magnitudeMode = BPElemParam::TwentyLog;
    std::int32_t phaseMode = BPElemParam::Radians;
    int digits = ExportNumberFormat::defaultDigits;
};

int runBode(const BodeOptions &options, std::ostream &out, std::ostream &err)
{
    AnalysisCircuit circuit(options.file);
    const std::unique_ptr<TransFunc> tool
        = circuit.transferFunction(options.source, options.output);
    const int status = circuit.reportMessages(err);
    if (status != ExitStatus::success)
        return status;

    // The element takes the whole transfer function, as a Bode plot's update copies it.
    BPElemParam element(tool->name());
    element.ratio = tool->factoredRatio();
    element.magnitudeMode = options.magnitudeMode;
    element.phaseMode = options.phaseMode;
    for (const BodeLineKind kind : bodeLineKinds)
        element.line(kind).parameters().shown = true;
    MArray<BPElemParam> elements;
    elements.append(element);
    BodePlot plot;
    plot.setElements(elements);

    out << options.fields.exportText(BodePlotExportData::from(plot), options.digits);
    return status;
}

} // namespace

void addBodeCommand(CLI::App &app, Command &command)
{
    CLI::App *bode = app.add_subcommand(
        "bode", "Bode data of the transfer function from a source to an output equation: "
                "magnitude, phase, real and imaginary part over frequency");
    auto options = std::make_shared<BodeOptions>();
    CommandOptions::addFile(*bode, options->file);
    CommandOptions::addSourceAndOutput(*bode, options->source, options->output);
    options->fields.addTo(*bode, ExportFieldOptions::bodeFields);
    const std::map<std::string, std::int32_t> magnitudeModes{{"20log", BPElemParam::TwentyLog},
                                                             {"10log", BPElemParam::TenLog},
                                                             {"1:1", BPElemParam::OneToOne}};
    bode->add_option("--magnitude", options->magnitudeMode,
                     "The magnitude as 20log (dB, the default), 10log or 1:1")
        ->transform(CLI::CheckedTransformer(magnitudeModes, CLI::ignore_case).description(""));
    const std::map<std::string, std::int32_t> phaseModes{{"rad", BPElemParam::Radians},
                                                         {"deg", BPElemParam::Degrees}};
    bode->add_option("--phase", options->phaseMode, "The phase in rad (the default) or deg")
        ->transform(CLI::CheckedTransformer(phaseModes, CLI::ignore_case).description(""));
    CommandOptions::addDigits(*bode, options->digits);
    CommandOptions::runOnParse(*bode, command, options, runBode);
}
