#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

class TransFunc;

// An evaluated transfer-function tool as one JSON object: "source", "output", "messages",
// "gain", "numerator" and "denominator" of the proper ratio and "improper" (arrays of
// [re, im] in ascending powers of s), "zeros", "poles", "cancelled_zeros", "cancelled_poles"
// ({"re", "im", "multiplicity"}; a complex entry stands for its conjugate pair),
// "zero_accuracy", "pole_accuracy" and "partial_fractions" ({"pole": {"re", "im"}, "power",
// "residue": {"re", "im"}}). A number that is not finite becomes null.
nlohmann::ordered_json transFuncJson(const TransFunc &tool, std::string_view source,
                                     std::string_view output,
                                     const std::vector<std::string> &messages);

// The text of a JSON value, indented by two; numbers read back to the same double, and bytes
// of strings that are not UTF-8 are replaced rather than refused.
std::string jsonText(const nlohmann::ordered_json &value);
