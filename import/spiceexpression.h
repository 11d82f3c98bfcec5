#pragma once

#include <import/netlisterror.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The value of a parameter expression as netlists write them in braces: numbers in SPICE
// notation ("1k", "4n7"), parameter names, + - * / and ^ (or **, right-associative, binding
// tighter than unary minus), parentheses, the constant pi and the functions sqrt, exp, log
// (natural, also ln), log10, sin, cos, tan, atan, abs, min, max and pow. Names ignore case.
// A text that is no such expression, an unknown name or function, and a result that is not a
// finite number are a NetlistError at the given location.
class SpiceExpression
{
public:
    // The value of the parameter of a name in lower case; nothing when there is none.
    using Lookup = std::function<std::optional<double>(const std::string &name)>;

    static double evaluate(std::string_view text, const SpiceLocation &at, const Lookup &lookup);

    // Parentheses nested deeper than this are refused rather than recursed into.
    static constexpr int maxDepth = 100;
};
