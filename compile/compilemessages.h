#pragma once

// Messages of the compile driver and of the stages that share them.
namespace CompileMessages {

inline constexpr const char *userInterrupt = "User Interrupt";
inline constexpr const char *noIndependentSources = "The Circuit has no Independent Sources";
// No node other than the reference is left to solve for: the circuit has no essential node
// (a single loop without tags), or the reference is the only one.
inline constexpr const char *noNodeToSolve = "The Circuit has no node to solve";
// The significand bytes are too many for the multi-precision products.
inline constexpr const char *precisionTooLarge
    = "The number of bytes kept in significand is too large to compute with";

} // namespace CompileMessages
