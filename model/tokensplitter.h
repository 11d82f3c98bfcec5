#pragma once

#include <common/marray.h>
#include <model/labelunit.h>
#include <model/vstring.h>

// Splits an output equation into tokens, appended to the list in order: white space separates
// tokens, a run of letters and digits is one token (cut at 63 characters), and any other
// character is a token of its own. "2*V1+ 3.5" gives 2, *, V1, +, 3, ., 5.
void splitTokens(const VString &text, MArray<labelUnit> &tokens);
