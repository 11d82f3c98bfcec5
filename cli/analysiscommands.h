#pragma once

#include "command.h"

#include <CLI/CLI.hpp>

// Adds the analysis commands tf, bode, response, eval and export; the one parsed sets command.
void addAnalysisCommands(CLI::App &app, Command &command);
