#include "textdouble.h"

#include <common/ipstream.h>
#include <common/numbertext.h>
#include <common/opstream.h>

#include <cmath>
#include <string>

textDouble &textDouble::operator=(double value)
{
    assign(std::isfinite(value) ? formatGeneral(value, digits) : std::string("0"));
    return *this;
}

textDouble &textDouble::operator=(std::string_view text)
{
    assign(text);
    const std::string kept(view());
    std::size_t consumed = 0;
    const double number = parseLeadingDouble(kept.c_str(), &consumed);
    if (consumed == 0 || !std::isfinite(number))
        assign("0");
    else
        assign(std::string_view(kept).substr(0, consumed));
    return *this;
}

double textDouble::value() const
{
    const double number = parseLeadingDouble(text());
    return std::isfinite(number) ? number : 0.0;
}

ZENODYNE_BASE_RECORD(textDouble, labelUnit)
