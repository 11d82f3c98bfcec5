#include "numbertext.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
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

std::string formatScientific(double value, int precision)
{
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, precision);
    return std::string(buffer, result.ptr);
}
