#include "exportcommand.h"

#include "analysiscircuit.h"
#include "commanderror.h"
#include "commandoptions.h"
#include "terminaltext.h"

#include <tools/bodeplot.h>
#include <tools/bodeplotexportdata.h>
#include <tools/signal.h>
#include <tools/signalexportdata.h>
#include <tools/timeplot.h>
#include <tools/timeplotexportdata.h>
#include <tools/transfunc.h>
#include <tools/transfunctextexportdata.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>

namespace {

struct ExportOptions
{
    std::string file;
    std::string tool;
    TransFunc::TextSyntax syntax = TransFunc::TextSyntax::PowerCaret;
    CLI::Option *syntaxOption = nullptr;
    ExportFieldOptions fields;
    int digits = ExportNumberFormat::defaultDigits;
};

// Refuses options that the tool's export dialog does not have.
void requireFields(const ExportOptions &options, const CircTool &tool, int fields, bool takesSyntax)
{
    std::string outside = options.fields.optionOutside(fields);
    if (outside.empty() && !takesSyntax && options.syntaxOption->count() > 0)
        outside = options.syntaxOption->get_name();
    if (!outside.empty())
        throw CommandError(outside + " is no field of the export of " + tool.helpTopicTitle() + " "
                           + terminalText(tool.name().view()));
}

template<typename Data, typename Tool>
std::string windowExport(const ExportOptions &options, const Tool &tool)
{
    requireFields(options, tool, ExportFieldOptions::windowFields, false);
    return options.fields.exportText(Data::from(tool), options.digits);
}

std::string exportText(const ExportOptions &options, const CircTool &tool)
{
    if (const TransFunc *function = dynamic_cast<const TransFunc *>(&tool)) {
        requireFields(options, tool, 0, true);
        TransFuncTextExportData data;
        data.tool = function;
        data.syntax = options.syntax;
        data.number = ExportNumberFormat(options.digits);
        return data.text();
    }
    if (const auto *plot = dynamic_cast<const BodePlot *>(&tool)) {
        requireFields(options, tool, ExportFieldOptions::bodeFields, false);
        return options.fields.exportText(BodePlotExportData::from(*plot), options.digits);
    }
    if (const auto *signal = dynamic_cast<const Signal *>(&tool))
        return windowExport<SignalExportData>(options, *signal);
    if (const auto *timePlot = dynamic_cast<const TimePlot *>(&tool))
        return windowExport<TimePlotExportData>(options, *timePlot);
    throw CommandError(std::string(tool.helpTopicTitle()) + " " + terminalText(tool.name().view())
                       + " has no data export");
}

int runExport(const ExportOptions &options, std::ostream &out, std::ostream &)
{
    AnalysisCircuit circuit(options.file);
    const std::string text = exportText(options, circuit.tool(options.tool));
    // The formula export has no line end of its own; the terminal gets one.
    out << text << (text.empty() || text.back() != '\n' ? "\n" : "");
    return ExitStatus::success;
}

} // namespace

void addExportCommand(CLI::App &app, Command &command)
{
    CLI::App *exportCommand = app.add_subcommand(
        "export", "Write the data export of a tool, as its export dialog writes it");
    auto options = std::make_shared<ExportOptions>();
    CommandOptions::addFile(*exportCommand, options->file);
    exportCommand->add_option("--tool", options->tool, "The name of the tool")->required();
    using Syntax = TransFunc::TextSyntax;
    const std::map<std::string, Syntax> syntaxes{{"Cn*s^n", Syntax::PowerCaret},
                                                 {"caret", Syntax::PowerCaret},
                                                 {"Cn*s**n", Syntax::PowerStars},
                                                 {"stars", Syntax::PowerStars},
                                                 {"Cn*pow(s,n)", Syntax::PowFunction},
                                                 {"pow", Syntax::PowFunction},
                                                 {"C0,C1, ... ,Cn", Syntax::CoefficientList},
                                                 {"list", Syntax::CoefficientList},
                                                 {"latex", Syntax::Latex},
                                                 {"python", Syntax::Python},
                                                 {"matlab", Syntax::Matlab}};
    options->syntaxOption
        = exportCommand
              ->add_option("--syntax", options->syntax,
                           "Transfer function: caret (Cn*s^n, the default), stars (Cn*s**n), "
                           "pow (Cn*pow(s,n)), list (C0,C1, ... ,Cn), latex (\\frac), python "
                           "(numpy arrays and a scipy.signal system) or matlab (tf(num, den), "
                           "also Octave)")
              ->transform(CLI::CheckedTransformer(syntaxes).description(""));
    options->fields.addTo(*exportCommand,
                          ExportFieldOptions::bodeFields | ExportFieldOptions::windowFields);
    CommandOptions::addDigits(*exportCommand, options->digits);
    CommandOptions::runOnParse(*exportCommand, command, options, runExport);
}
