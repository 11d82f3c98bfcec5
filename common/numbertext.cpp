#include "numbertext.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace {

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

double parseLeadingDouble(const char *text, std::size_t *consumed)
{
    char *end = nullptr;
    const double value = strtod_l(text, &end, cLocale());
    const auto length = static_cast<std::size_t>(end - text);
    if (consumed)
        *consumed = length;
    return length == 0 ? 0.0 : value;
}

std::string formatGeneral(double value, int precision)
{
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, precision);
    return std::string(buffer, result.ptr);
}

std::string formatGeneralScaled(double mantissa, long long binaryExponent, int precision)
{
    const int e = static_cast<int>(std::clamp(binaryExponent, -5000LL, 5000LL));
    const double value = std::ldexp(mantissa, e);
    if (mantissa == 0.0 || !std::isfinite(mantissa)
        || (std::isfinite(value) && std::abs(value) >= std::numeric_limits<double>::min()))
        return formatGeneral(value, precision);
    // log10 |value| split into a decade and a leading factor in [1, 10).
    const double decimal
        = std::log10(std::abs(mantissa)) + static_cast<double>(binaryExponent) * std::log10(2.0);
    long long decade = static_cast<long long>(std::floor(decimal));
    double leading = std::pow(10.0, decimal - static_cast<double>(decade));
    std::string digits = formatScientific(leading, std::clamp(precision, 1, 17) - 1);
    // Rounding may carry the leading factor to 10.
    if (digits.ends_with("e+01")) {
        ++decade;
        leading /= 10.0;
        digits = formatScientific(leading, std::clamp(precision, 1, 17) - 1);
    }
    std::string significand = digits.substr(0, digits.find('e'));
    if (significand.find('.') != std::string::npos) {
        while (significand.back() == '0')
            significand.pop_back();
        if (significand.back() == '.')
            significand.pop_back();
    }
    const std::string sign = decade < 0 ? "-" : "+";
    return std::string(mantissa < 0.0 ? "-" : "") + significand + "e" + sign
           + std::to_string(std::abs(decade));
}

std::string formatScientific(double value, int precision)
{
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, precision);
    return std::string(buffer, result.ptr);
}
