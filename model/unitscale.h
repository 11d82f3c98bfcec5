#pragma once

#include <span>
#include <string_view>

// The units offered for the value of a passive component: labels with their factors to the
// base unit (ohm, farad, henry). Index 0 is the unit of a new component.
class UnitScale
{
public:
    constexpr UnitScale(std::span<const std::string_view> labels, std::span<const double> factors)
        : m_labels(labels)
        , m_factors(factors)
    {
    }

    int count() const { return static_cast<int>(m_labels.size()); }
    std::span<const std::string_view> labels() const { return m_labels; }
    // Label and factor of a unit index; an index outside the table is clamped to it (a damaged
    // file may hold any index), like every list read of the program.
    std::string_view label(int index) const { return m_labels[clamped(index)]; }
    double factor(int index) const { return m_factors[clamped(index)]; }

    static const UnitScale &resistor();
    static const UnitScale &capacitor();
    static const UnitScale &inductor();

private:
    std::size_t clamped(int index) const
    {
        if (index <= 0)
            return 0;
        return index >= count() ? m_labels.size() - 1 : static_cast<std::size_t>(index);
    }

    std::span<const std::string_view> m_labels;
    std::span<const double> m_factors;
};
