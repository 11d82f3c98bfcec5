#pragma once

#include <model/fwd.h>

#include <vector>

// Evaluating tools as confirming their dialogs does, for callers without a dialog (the command
// line, the checks of stored circuits).

// What confirming the tool's dialog runs after its parameters are stored: a Bode plot updates
// and samples its lines anew, a time plot rebuilds its responses, any other tool updates.
void evaluateTool(CircTool &tool);

// The document's tools in the order that lets every tool read fresh results: the
// transfer-function tools first, then the others, each group in the document's order.
std::vector<CircTool *> evaluationOrder(const TCircuitDocument &document);
