#pragma once

#include <string>
#include <string_view>

// Text from a file made safe for a terminal: valid UTF-8 passes, control characters and bytes
// that are not UTF-8 are written as \xHH, so that a name cannot send escape sequences.
std::string terminalText(std::string_view text);
