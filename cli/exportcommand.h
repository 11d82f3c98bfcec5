#pragma once

#include "command.h"

#include <CLI/CLI.hpp>

// zenodyne-cli export FILE --tool NAME [options]: the text the tool's export dialog writes,
// with the dialog's fields as options (defaults as the dialog fills them): --syntax of a
// transfer-function tool; --start, --decades, --points, --hz/--rad and --freq/--log of a
// Bode plot; --start, --end and --points of a signal or a time plot; --digits for all.
void addExportCommand(CLI::App &app, Command &command);
