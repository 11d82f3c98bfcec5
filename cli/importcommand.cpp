#include "importcommand.h"

#include "commandoptions.h"
#include "terminaltext.h"

#include <import/spiceimport.h>

#include <common/filebytes.h>
#include <model/tcircuitdocument.h>

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

namespace {

// Exit status for a netlist that cannot be read or imported and for a file not written.
constexpr int failureStatus = 2;

struct ImportArguments
{
    std::string netlist;
    std::string output;
};

int runImport(const ImportArguments &arguments)
{
    std::vector<std::uint8_t> bytes;
    const std::string readError = readFileBytes(arguments.netlist, bytes);
    if (!readError.empty()) {
        std::cerr << "Cannot read the netlist: " << readError << "\n";
        return failureStatus;
    }
    TCircuitDocument document;
    document.openNew();
    const SpiceImportResult result = importSpiceNetlist(
        std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()), document);
    const std::string netlist = terminalText(arguments.netlist);
    if (!result.ok()) {
        std::cerr << netlist << ": " << terminalText(result.error) << "\n";
        return failureStatus;
    }
    for (const std::string &note : result.notes)
        std::cerr << netlist << ": " << terminalText(note) << "\n";
    document.setPath(arguments.output);
    const FileResult saved = document.commit(true);
    if (!saved.ok()) {
        std::cerr << "Cannot write the document: " << saved.reason << "\n";
        return failureStatus;
    }
    std::cout << terminalText(arguments.output) << ": " << document.components().count()
              << " components, " << document.tags().count() << " tags, " << document.tools().count()
              << " tools\n";
    std::cout << "SPICE names on the sheet:\n";
    for (const SpiceNameMap::Entry &entry : result.names.entries())
        std::cout << "  " << terminalText(entry.spice) << SpiceNameMap::arrow
                  << terminalText(entry.sheet) << "\n";
    return 0;
}

} // namespace

void addImportCommand(CLI::App &app)
{
    auto arguments = std::make_shared<ImportArguments>();
    CLI::App *command = app.add_subcommand(
        "import", "Draw a SPICE netlist on a new circuit sheet: node N gets the voltage tag VN, "
                  "R, C and L named X the current tag IX, sources keep their names; prints "
                  "every SPICE name with the name it got on the sheet");
    command->add_option("NETLIST", arguments->netlist, "The SPICE netlist")->required();
    command->add_option("-o,--output", arguments->output, "The circuit file to write")
        ->required()
        ->check(CommandOptions::nonEmptyFileName());
    // A RuntimeError carries the status out of the parse without a message of its own.
    command->callback([arguments] { throw CLI::RuntimeError(runImport(*arguments)); });
}
