#pragma once

// Registers the persistent classes of the circuit model (values, circuit objects, messages)
// with the stream registry, once; the model's loaders call it before they read.
void registerModelStreamables();
