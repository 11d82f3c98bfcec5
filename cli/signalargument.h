#pragma once

#include <memory>
#include <string_view>

class SigElement;

// A signal element written on the command line: "impulse:START:MAG" (an impulse of the
// magnitude at the start time) or "compound:T0:K:R:A:W:PHI" (K·τ^R·e^(-A·τ)·cos(W·τ + PHI),
// τ = t - T0, from T0 on). Every field is a finite decimal number; anything else is a
// CommandError that shows the two forms.
std::unique_ptr<SigElement> parseSignalArgument(std::string_view argument);
