#pragma once

namespace CLI {
class App;
}

// "import NETLIST -o OUT.crc": draws a SPICE netlist on a new circuit sheet and saves it. The
// command runs as the subcommand's callback and ends the parse with its exit status.
void addImportCommand(CLI::App &app);
