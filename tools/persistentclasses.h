#pragma once

// Registers every persistent class of the core with the stream registry, once: those of the
// algebra, of the circuit model and of the analysis tools. The programs call it at start,
// before they read a circuit; the model's own loaders register only the model's classes, so a
// stream that holds tools needs this call first.
void registerPersistentClasses();
