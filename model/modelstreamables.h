#pragma once

// Registers the persistent classes of the circuit model (values, circuit objects) and the
// compile's Message with the stream registry.
void registerModelStreamables();
