#pragma once

#include <common/numbertext.h>

#include <algorithm>
#include <string>

// How the text exports write numbers: the general format with a number of significant digits,
// 6 (the default double formatting) unless the caller asks for others. 17 digits write a
// number that reads back as the same double.
class ExportNumberFormat
{
public:
    static constexpr int defaultDigits = 6;
    static constexpr int maxDigits = 17;

    ExportNumberFormat() = default;
    // The digits are kept within 1 ... maxDigits.
    explicit ExportNumberFormat(int digits)
        : m_digits(std::clamp(digits, 1, maxDigits))
    {
    }

    int digits() const { return m_digits; }
    std::string operator()(double value) const { return formatGeneral(value, m_digits); }
    // mantissa × 2^binaryExponent, also beyond the range of doubles.
    std::string operator()(double mantissa, long long binaryExponent) const
    {
        return formatGeneralScaled(mantissa, binaryExponent, m_digits);
    }

private:
    int m_digits = defaultDigits;
};
