#pragma once

// Registers the persistent classes of the analysis tools, the signals, the time responses and
// the graph model with the object stream.
void registerToolStreamables();
