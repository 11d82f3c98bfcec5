#pragma once

#include <common/marray.h>
#include <model/component.h>
#include <model/tagdepcy.h>
#include <model/textdouble.h>

// A source whose value is the gain (numerator over denominator) times the sum of its
// controlling quantities: voltage tags and voltage sources when it is voltage dependent,
// current tags and current sources otherwise.
class DepSource : public Component
{
    ZENODYNE_STREAMABLE(DepSource, 3)

public:
    bool editParameters(ParameterDialogs &dialogs) override;
    bool isSource() const override { return true; }
    bool isDependent() const override { return true; }
    const char *helpTopicTitle() const override { return "Sources"; }
    // The gain divisor must be positive and the two terminals must lie on two different
    // nodes, neither of them open.
    void check() override;
    // Gain numerator over gain denominator, computed in double precision.
    TransRatioFunc gain() const override;

    bool isVoltageDependent() const { return m_voltageDependent; }
    void setVoltageDependent(bool voltageDependent) { m_voltageDependent = voltageDependent; }
    const MArray<TagDepcy> &dependencies() const { return m_dependencies; }
    MArray<TagDepcy> &dependencies() { return m_dependencies; }
    const textDouble &gainNumerator() const { return m_gainNumerator; }
    const textDouble &gainDenominator() const { return m_gainDenominator; }
    void setGainNumerator(const textDouble &value) { m_gainNumerator = value; }
    void setGainDenominator(const textDouble &value) { m_gainDenominator = value; }

protected:
    DepSource() = default;

private:
    bool m_voltageDependent = true;
    MArray<TagDepcy> m_dependencies;
    textDouble m_gainNumerator;
    textDouble m_gainDenominator;
};
