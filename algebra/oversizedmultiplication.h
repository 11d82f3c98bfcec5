#pragma once

#include <exception>

// Thrown by a multi-precision multiplication whose operands are too long for the product
// transform (an operand longer than transDouble::longestFactor digits). The compile catches it
// and reports it to the user; nothing in the algebra leaves a half-updated value behind when
// it passes through. The code character 'p' is the value callers test for.
class OversizedMultiplication : public std::exception
{
public:
    static constexpr char errorCode = 'p';

    char code() const noexcept { return errorCode; }
    const char *what() const noexcept override
    {
        return "multi-precision operand too long to multiply";
    }
};
