#pragma once

#include "command.h"

#include <CLI/CLI.hpp>

// zenodyne-cli eval FILE [--tool NAME] [-o OUT]: evaluates every tool of the circuit (or the
// one named) as the program does when the tool's dialog is confirmed, the transfer-function
// tools first so that the plots read their fresh results, and saves the circuit to OUT or in
// place. When an evaluation produces messages nothing is saved.
void addEvalCommand(CLI::App &app, Command &command);
