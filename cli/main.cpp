// zenodyne-cli: the command-line front end.

#include "analysiscommands.h"
#include "circuitinfo.h"
#include "command.h"
#include "importcommand.h"

#include <model/tcircuitdocument.h>
#include <tools/persistentclasses.h>

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>

namespace {

constexpr int failureStatus = ExitStatus::failure;

int printInfo(const std::string &file)
{
    TCircuitDocument document;
    const FileResult result = document.open(file);
    switch (result.status) {
    case FileResult::Status::Ok:
        std::cout << circuitInfo(document);
        return 0;
    case FileResult::Status::Damaged:
        std::cerr << "Document read error.\n"
                  << result.reason << " (at byte " << result.offset << ")\n";
        std::cout << "Read before the error:\n" << circuitInfo(document);
        return failureStatus;
    case FileResult::Status::Unreadable:
    case FileResult::Status::Unwritable:
        break;
    }
    std::cerr << "Cannot read the document: " << result.reason << "\n";
    return failureStatus;
}

} // namespace

int main(int argc, char **argv)
{
    registerPersistentClasses();
    CLI::App app{"Zenodyne analyses linear analog circuits in the Laplace domain.", "zenodyne-cli"};
    app.require_subcommand(1);
    std::string file;
    CLI::App *info = app.add_subcommand("info", "Print the circuit stored in a .crc file");
    info->add_option("FILE", file, "The circuit file")->required();
    addImportCommand(app);
    Command command;
    addAnalysisCommands(app, command);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        return app.exit(error) == 0 ? 0 : failureStatus;
    }
    if (info->parsed())
        return printInfo(file);
    if (command)
        return runCommand(command, std::cout, std::cerr);
    return failureStatus;
}
