#pragma once

#include <model/labelunit.h>

#include <string_view>

// A number kept as its decimal text. Assigning a number writes it with 14 significant digits;
// assigning text keeps the number at the start of the text and drops what follows it, and a
// text that does not start with a (finite) number becomes "0".
class textDouble : public labelUnit
{
    ZENODYNE_STREAMABLE(textDouble, 1)

public:
    static constexpr int digits = 14;

    textDouble()
        : labelUnit("0")
    {
    }
    textDouble(double value) { *this = value; }
    textDouble(std::string_view text) { *this = text; }
    textDouble &operator=(double value);
    textDouble &operator=(std::string_view text);

    // The number at the start of the text; 0 when there is none or when it is not finite, so
    // that "inf" or "1e999" count as a missing value.
    double value() const;
};
