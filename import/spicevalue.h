#pragma once

#include <optional>
#include <string_view>

// A number in SPICE notation: a decimal mantissa with an optional exponent, then an optional
// scale (f p n u m k meg g t, and mil, in any case) and unit letters, which are ignored
// ("10uF", "4.7K", "1MEG"). Like SPICE, "m" is milli and "f" femto whatever the case, so
// "1F" is a femtofarad. Answers nothing for any other text and for values that are not finite.
std::optional<double> parseSpiceValue(std::string_view text);
