#pragma once

#include <string>
#include <string_view>

class UnitScale;

// What a passive component's value edit will store, in the base unit of its class: the text
// read as the number-text assignment reads it, times the factor of the chosen unit, e.g.
// "= 4.7e-09 F" for "4.7" in nF. The dialog shows it beside the edit while the user types, so
// that a suffix the number text drops ("4.7n") or a text that becomes 0 is no silent surprise.
std::string baseValueHint(std::string_view valueText, const UnitScale &units, int unitIndex);
