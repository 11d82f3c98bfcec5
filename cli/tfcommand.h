#pragma once

#include "command.h"

#include <CLI/CLI.hpp>

// zenodyne-cli tf FILE --source S --output EQ [--json] [--digits D]: the transfer function from
// the source to the output equation, evaluated as a transfer-function tool evaluates it.
// Plain, the formula and the roots in readable form; with --json one object of full
// precision, written even when the evaluation produced messages.
void addTfCommand(CLI::App &app, Command &command);
