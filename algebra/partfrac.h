#pragma once

#include <algebra/root.h>

#include <complex>

// One term c / (s - p)^n of a partial-fraction expansion; a complex pole p stands for the
// conjugate pair, c / (s - p)^n + c̄ / (s - p̄)^n. The pole's multiplicity holds the power n.
// Besides the residue the term keeps the quantities its time response needs: the value (Re c
// for a real pole, |c| for a complex one), (n - 1)! and the angle of c.
class PartFrac : public TStreamableBase
{
    ZENODYNE_STREAMABLE(PartFrac, 1)

public:
    PartFrac() = default;
    PartFrac(std::complex<double> pole, int power, std::complex<double> residue);

    bool isRealPole() const { return m_realPole; }
    std::complex<double> residue() const { return m_residue; }
    const Root &pole() const { return m_pole; }
    int power() const { return m_pole.multiplicity(); }
    double value() const { return m_value; }
    double factorial() const { return m_factorial; }
    double angle() const { return m_angle; }

    // The inverse Laplace transform of the term at t >= 0, and its time derivative.
    double response(double t) const;
    double responseSlope(double t) const;

    // Terms are equal when their poles' values and their residues are exactly equal.
    bool operator==(const PartFrac &other) const
    {
        return m_pole.value() == other.m_pole.value() && m_residue == other.m_residue;
    }

private:
    bool m_realPole = true;
    std::complex<double> m_residue;
    Root m_pole;
    double m_value = 0.0;
    double m_factorial = 1.0;
    double m_angle = 0.0;
};
