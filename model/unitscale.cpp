#include "unitscale.h"

#include <array>

namespace {

// The micro sign is written in UTF-8 (U+00B5).
constexpr std::array<std::string_view, 3> resistorLabels = {"ohm", "Kohm", "Mohm"};
constexpr std::array<double, 3> resistorFactors = {1.0, 1e3, 1e6};
constexpr std::array<std::string_view, 4> capacitorLabels = {"pF", "\u00B5F", "mF", "F"};
constexpr std::array<double, 4> capacitorFactors = {1e-12, 1e-6, 1e-3, 1.0};
constexpr std::array<std::string_view, 6> inductorLabels = {"pH", "\u00B5H", "mH", "H", "KH", "MH"};
constexpr std::array<double, 6> inductorFactors = {1e-12, 1e-6, 1e-3, 1.0, 1e3, 1e6};

} // namespace

const UnitScale &UnitScale::resistor()
{
    static constexpr UnitScale scale(resistorLabels, resistorFactors);
    return scale;
}

const UnitScale &UnitScale::capacitor()
{
    static constexpr UnitScale scale(capacitorLabels, capacitorFactors);
    return scale;
}

const UnitScale &UnitScale::inductor()
{
    static constexpr UnitScale scale(inductorLabels, inductorFactors);
    return scale;
}
