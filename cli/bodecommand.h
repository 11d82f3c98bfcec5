#pragma once

#include "command.h"

#include <CLI/CLI.hpp>

// zenodyne-cli bode FILE --source S --output EQ [--start S] [--decades N] [--points N] [--hz]
// [--freq] [--magnitude 20log|10log|1:1] [--phase rad|deg] [--digits D]: the Bode data export
// of the transfer function from the source to the output equation (element "H", its
// magnitude, phase, real and imaginary lines), as a Bode plot of that transfer-function tool
// writes it.
void addBodeCommand(CLI::App &app, Command &command);
