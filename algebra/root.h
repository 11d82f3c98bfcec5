#pragma once

#include <common/tstreamablebase.h>

#include <complex>
#include <cstdint>

// A root of a real polynomial with its multiplicity. A root whose imaginary part is exactly 0 is
// real and stands for the factor (s - r); any other root stands for the conjugate pair r, r̄,
// that is for the real quadratic factor s² - 2 Re(r) s + |r|².
class Root : public TStreamableBase
{
    ZENODYNE_STREAMABLE(Root, 1)

public:
    // The largest multiplicity a root can hold. Far beyond anything a circuit or a signal needs
    // (the factorials of the response terms overflow from order 171 on), it bounds the work of
    // every operation that repeats a factor multiplicity times, whatever a file holds.
    static constexpr int maxMultiplicity = 1000;

    Root() = default;
    // The multiplicity is kept within 0 ... maxMultiplicity.
    explicit Root(std::complex<double> value, int multiplicity = 1);

    std::complex<double> value() const { return m_value; }
    void setValue(std::complex<double> value) { m_value = value; }
    int multiplicity() const { return m_multiplicity; }
    void setMultiplicity(int multiplicity);

    bool isReal() const { return m_value.imag() == 0.0; }
    // The degree of the factor the root stands for: twice its multiplicity for a complex root,
    // which stands for its conjugate pair.
    int degree() const { return (isReal() ? 1 : 2) * m_multiplicity; }

    // Whether this root and the value b are the same root within the tolerances used to cancel
    // poles against zeros: 1 % of the larger magnitude of the part that dominates, 0.001 absolute
    // for roots close to the origin on an axis, conjugates counting as equal; roots on opposite
    // sides of the imaginary axis (beyond rounding noise) never match.
    bool isSameRoot(std::complex<double> b) const;

    bool operator==(const Root &other) const
    {
        return m_value == other.m_value && m_multiplicity == other.m_multiplicity;
    }

private:
    std::complex<double> m_value;
    std::int32_t m_multiplicity = 1;
};
