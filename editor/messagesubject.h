#pragma once

#include <model/fwd.h>

#include <string_view>
#include <vector>

// The things a compile message is about. A message carries the name of its thing in place of
// its "%s"; the subject is the first word of the message (a run of letters and digits) that a
// thing of the document is named, and the answer is every thing of that name (two, when the
// message says that they share it), components first, then tags, then tools. Names compare as
// the compile's checks see them, normalized. Empty when the message names no thing.
std::vector<CircThing *> thingsNamedIn(const TCircuitDocument &document, std::string_view message);
