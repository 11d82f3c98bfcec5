#pragma once

#include <model/fwd.h>

#include <string_view>

class CircuitSolution;
class MatrixLid;
class RatioReceiver;

// The compile of a circuit document and the evaluation of output equations over its result.

// Sets the working precision from the document's significand bytes, clears its messages and,
// when a result is missing, builds the netlist and the solved equations, each stage only while
// no message is pending. A compile that reports messages leaves no results behind and shows
// the messages.
void compileCircuit(TCircuitDocument &document);

// Compiles when needed, then evaluates the output equation (an expression over tag names) for
// the named independent source and hands the ratio to the receiver; errors reset the receiver
// and show the messages. A source name that names no independent source leaves the receiver
// untouched. Answers whether the receiver got a ratio.
bool evaluateOutputEquation(TCircuitDocument &document, std::string_view sourceName,
                            std::string_view equation, RatioReceiver &receiver);

// The results of the document's last compile; null where there are none.
CircuitSolution *circuitSolution(const TCircuitDocument &document);
MatrixLid *matrixLid(const TCircuitDocument &document);

// Shows the running compile's progress to its monitor, which may interrupt it; does nothing
// outside a compile.
void refreshCompileDialog(TCircuitDocument &document);
// A running compile found a branch with more than one current source.
void compileBeep(TCircuitDocument &document);
