#pragma once

#include <model/component.h>

#include <algebra/transdouble.h>
#include <model/textdouble.h>
#include <model/unitscale.h>

#include <string>

// A resistor, capacitor or inductor: a value as decimal text and a unit from the class's table.
class PassComp : public Component
{
    ZENODYNE_STREAMABLE(PassComp, 1)

public:
    bool editParameters(ParameterDialogs &dialogs) override;

    const textDouble &value() const { return m_value; }
    void setValue(const textDouble &value) { m_value = value; }
    int unitIndex() const { return m_unitIndex; }
    void setUnitIndex(int index) { m_unitIndex = index; }
    virtual const UnitScale &units() const = 0;
    // The value in the base unit: the number of the text times the unit's factor.
    double scaledValue() const { return m_value.value() * units().factor(m_unitIndex); }
    // The same as an exact number: the decimal text as written times the unit's power of ten,
    // rounded only at the work precision. The double of 1 µF is not 10^-6, and a circuit that
    // its decimal values balance (R²C = L, R1 C1 = R2 C2) would be out of balance by 10^-17,
    // which splits a shared double root by 10^-8. A text that is no plain decimal (a
    // hexadecimal number) gives the double value.
    transDouble exactScaledValue() const;
    // The value text and the unit label, as "%s %s".
    std::string valueLabel() const override;
    // A value that is not positive, or that does not make a finite non-zero number in the base
    // unit (1e306 Mohm), cannot enter the equations.
    void check() override;

protected:
    PassComp() = default;

private:
    textDouble m_value;
    int m_unitIndex = 0;
};
