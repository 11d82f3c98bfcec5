#pragma once

#include <common/tstreamablebase.h>

#include <complex>
#include <initializer_list>
#include <span>
#include <vector>

class FactPolynom;
class Root;
class TransPolynom;

// A polynomial in s with complex double coefficients; index i holds the coefficient of s^i.
// The stored degree is the highest index held, zeros included (it is not reduced). A default
// polynomial holds no coefficient and acts as 0; every operation that builds a polynomial
// leaves at least one coefficient.
class Polynom : public TStreamableBase
{
    ZENODYNE_STREAMABLE(Polynom, 1)

public:
    using Complex = std::complex<double>;

    // Value and first derivative at one point.
    struct ValueAndSlope
    {
        Complex value;
        Complex derivative;
    };

    Polynom() = default;
    explicit Polynom(double constant)
        : m_coefficients{Complex(constant, 0.0)}
    {
    }
    explicit Polynom(Complex constant)
        : m_coefficients{constant}
    {
    }
    // Coefficients from the constant term upward.
    Polynom(std::initializer_list<Complex> coefficients)
        : m_coefficients(coefficients)
    {
    }
    explicit Polynom(std::vector<Complex> coefficients)
        : m_coefficients(std::move(coefficients))
    {
    }
    // Every coefficient converted to the nearest double (imaginary part 0), same order and
    // stored degree: zero coefficients stay in place.
    explicit Polynom(const TransPolynom &exact);

    void setConstant(Complex constant) { m_coefficients.assign(1, constant); }

    int count() const { return static_cast<int>(m_coefficients.size()); }
    // The stored degree: count() - 1, so -1 for a polynomial without coefficients.
    int degree() const { return count() - 1; }
    // Coefficient i, 0 outside the stored range.
    Complex coefficient(int i) const;
    // Sets coefficient i, appending zero coefficients up to it first.
    void setCoefficient(int i, Complex value);
    std::span<const Complex> coefficients() const { return m_coefficients; }
    // Drops the constant term: the polynomial divided by s, for a constant term of 0.
    void removeConstantTerm();

    friend Polynom operator+(const Polynom &a, const Polynom &b);
    friend Polynom operator-(const Polynom &a, const Polynom &b);
    friend Polynom operator*(const Polynom &a, const Polynom &b);
    Polynom &operator*=(const Polynom &other);
    Polynom &operator*=(Complex factor);
    Polynom &operator*=(double factor);

    // Horner's scheme from the highest coefficient down.
    Complex evaluate(Complex s) const;
    ValueAndSlope evaluateWithDerivative(Complex s) const;
    // Value at s = jω; ω is in hertz unless radiansPerSecond is set.
    Complex evaluateAtFrequency(double omega, bool radiansPerSecond) const;

    // Coefficient i becomes i × coefficient i and the constant term goes; a constant becomes 0.
    void differentiate();
    // True when every coefficient is exactly 0.
    bool isZero() const;

    // Divides by the factor of the root, multiplicity times, dropping the remainders.
    void deflate(const Root &root);
    // Multiplies by the factor of the root, multiplicity times.
    void multiplyByRoot(const Root &root);
    // Multiplies by the factors of every root, in list order; from 1 this builds the polynomial
    // of the roots.
    void multiplyByRoots(const FactPolynom &roots);

    bool operator==(const Polynom &other) const { return m_coefficients == other.m_coefficients; }

private:
    void divideByLinear(Complex root);
    void divideByQuadratic(double linear, double constant);
    void multiplyByLinear(Complex root);
    void multiplyByQuadratic(double linear, double constant);

    std::vector<Complex> m_coefficients;
};
