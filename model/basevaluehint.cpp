#include "basevaluehint.h"

#include <model/textdouble.h>
#include <model/unitscale.h>

#include <common/numbertext.h>

namespace {

// The base unit is the one whose factor is 1 (ohm, F, H).
std::string_view baseLabel(const UnitScale &units)
{
    for (int index = 0; index < units.count(); ++index) {
        if (units.factor(index) == 1.0)
            return units.label(index);
    }
    return {};
}

} // namespace

std::string baseValueHint(std::string_view valueText, const UnitScale &units, int unitIndex)
{
    const double value = textDouble(valueText).value() * units.factor(unitIndex);
    return "= " + formatGeneral(value, textDouble::digits) + " " + std::string(baseLabel(units));
}
