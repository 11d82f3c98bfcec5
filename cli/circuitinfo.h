#pragma once

#include <model/fwd.h>

#include <string>

// A description of a document for the terminal: its settings, then every component, tag and
// tool with kind, name, value or parameters and points, one per line.
std::string circuitInfo(const TCircuitDocument &document);
