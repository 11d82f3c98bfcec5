#pragma once

// Registers every persistent class of the program with the stream registry, once; the
// loaders call it before they read. Each module adds its own registration call here.
void registerPersistentClasses();
