#pragma once

#include <optional>
#include <string_view>

// A number in SPICE notation: a decimal mantissa with an optional exponent, then an optional
// scale (f p n u m k meg g t, and mil, in any case) and unit letters, which are ignored
// ("10uF", "4.7K", "1MEG"). Like SPICE, "m" is milli and "f" femto whatever the case, so
// "1F" is a femtofarad. RKM notation puts the scale in place of the decimal point of a whole
// number: "4k7" is 4.7k, "47p3" 47.3p, "4R7" 4.7. Answers nothing for any other text and for values
// that are not finite.
std::optional<double> parseSpiceValue(std::string_view text);
