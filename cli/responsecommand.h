#pragma once

#include "command.h"

#include <CLI/CLI.hpp>

// zenodyne-cli response FILE --source S --output EQ --signal SPEC [--signal SPEC ...]
// [--periodic [--window A:B]] --start A --end B --points N [--digits D]: the time response of
// the output equation to the signal applied at the source, as a time plot with that one
// signal computes it, written as the time plot's data export.
void addResponseCommand(CLI::App &app, Command &command);
