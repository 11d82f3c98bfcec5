#include "polynom.h"

#include <algebra/factpolynom.h>
#include <algebra/root.h>
#include <algebra/transpolynom.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>

namespace {

// 2π, the factor from hertz to radians per second.
constexpr double twoPi = 6.283185307179586;

// The real quadratic s² + linear s + constant of a complex root and its conjugate.
struct ConjugatePairFactor
{
    double linear;
    double constant;
};

// |r|² is formed from the parts: a squared modulus gains nothing from the overflow-safe
// modulus and would lose the last bit of exact values such as |1 + 2i|² = 5.
ConjugatePairFactor pairFactor(std::complex<double> root)
{
    return {-2.0 * root.real(), root.real() * root.real() + root.imag() * root.imag()};
}

} // namespace

Polynom::Polynom(const TransPolynom &exact)
{
    m_coefficients.reserve(static_cast<std::size_t>(exact.coefficientCount()));
    for (const transDouble &c : exact.coefficients())
        m_coefficients.emplace_back(c.toDouble(), 0.0);
}

Polynom::Complex Polynom::coefficient(int i) const
{
    if (i < 0 || i >= count())
        return {};
    return m_coefficients[static_cast<std::size_t>(i)];
}

void Polynom::setCoefficient(int i, Complex value)
{
    if (i < 0)
        return;
    if (i >= count())
        m_coefficients.resize(static_cast<std::size_t>(i) + 1);
    m_coefficients[static_cast<std::size_t>(i)] = value;
}

void Polynom::removeConstantTerm()
{
    if (!m_coefficients.empty())
        m_coefficients.erase(m_coefficients.begin());
}

Polynom operator+(const Polynom &a, const Polynom &b)
{
    const bool aIsLonger = a.count() >= b.count();
    Polynom sum = aIsLonger ? a : b;
    const Polynom &other = aIsLonger ? b : a;
    for (std::size_t i = 0; i < other.m_coefficients.size(); ++i)
        sum.m_coefficients[i] += other.m_coefficients[i];
    return sum;
}

Polynom operator-(const Polynom &a, const Polynom &b)
{
    Polynom difference = a;
    if (difference.count() < b.count())
        difference.m_coefficients.resize(b.m_coefficients.size());
    for (std::size_t i = 0; i < b.m_coefficients.size(); ++i)
        difference.m_coefficients[i] -= b.m_coefficients[i];
    return difference;
}

Polynom operator*(const Polynom &a, const Polynom &b)
{
    // A polynomial without coefficients is 0, and so is its product.
    if (a.m_coefficients.empty() || b.m_coefficients.empty())
        return Polynom(0.0);
    Polynom product;
    product.m_coefficients.resize(a.m_coefficients.size() + b.m_coefficients.size() - 1);
    for (std::size_t i = 0; i < a.m_coefficients.size(); ++i) {
        for (std::size_t j = 0; j < b.m_coefficients.size(); ++j)
            product.m_coefficients[i + j] += a.m_coefficients[i] * b.m_coefficients[j];
    }
    return product;
}

Polynom &Polynom::operator*=(const Polynom &other)
{
    *this = *this * other;
    return *this;
}

Polynom &Polynom::operator*=(Complex factor)
{
    for (Complex &c : m_coefficients)
        c *= factor;
    return *this;
}

Polynom &Polynom::operator*=(double factor)
{
    for (Complex &c : m_coefficients)
        c *= factor;
    return *this;
}

Polynom::Complex Polynom::evaluate(Complex s) const
{
    if (m_coefficients.empty())
        return {};
    auto it = m_coefficients.rbegin();
    Complex value = *it;
    for (++it; it != m_coefficients.rend(); ++it)
        value = value * s + *it;
    return value;
}

Polynom::ValueAndSlope Polynom::evaluateWithDerivative(Complex s) const
{
    if (m_coefficients.empty())
        return {};
    auto it = m_coefficients.rbegin();
    Complex value = *it;
    Complex derivative;
    for (++it; it != m_coefficients.rend(); ++it) {
        derivative = derivative * s + value;
        value = value * s + *it;
    }
    return {value, derivative};
}

Polynom::Complex Polynom::evaluateAtFrequency(double omega, bool radiansPerSecond) const
{
    return evaluate({0.0, radiansPerSecond ? omega : omega * twoPi});
}

void Polynom::differentiate()
{
    if (m_coefficients.size() < 2) {
        setConstant(0.0);
        return;
    }
    for (std::size_t i = 1; i < m_coefficients.size(); ++i)
        m_coefficients[i] *= static_cast<double>(i);
    m_coefficients.erase(m_coefficients.begin());
}

bool Polynom::isZero() const
{
    return std::all_of(m_coefficients.begin(), m_coefficients.end(),
                       [](Complex c) { return c.real() == 0.0 && c.imag() == 0.0; });
}

// Synthetic division by (s - root): b[n-1] = a[n], b[i-1] = a[i] + root × b[i]; the remainder
// a[0] + root × b[0] is dropped. The quotient is built in place, one index down.
void Polynom::divideByLinear(Complex root)
{
    if (m_coefficients.size() < 2) {
        setConstant(0.0);
        return;
    }
    const std::size_t n = m_coefficients.size() - 1;
    Complex carried = m_coefficients[n];
    for (std::size_t i = n; i-- > 0;) {
        const Complex next = m_coefficients[i] + root * carried;
        m_coefficients[i] = carried;
        carried = next;
    }
    m_coefficients.pop_back();
}

// Synthetic division by s² + linear s + constant: b[k] = a[k+2] - linear b[k+1] - constant
// b[k+2]; the two remainder terms are dropped.
void Polynom::divideByQuadratic(double linear, double constant)
{
    if (m_coefficients.size() < 3) {
        setConstant(0.0);
        return;
    }
    const std::size_t n = m_coefficients.size() - 1;
    std::vector<Complex> quotient(n - 1);
    for (std::size_t k = n - 1; k-- > 0;) {
        Complex b = m_coefficients[k + 2];
        if (k + 1 < n - 1)
            b -= linear * quotient[k + 1];
        if (k + 2 < n - 1)
            b -= constant * quotient[k + 2];
        quotient[k] = b;
    }
    m_coefficients = std::move(quotient);
}

void Polynom::multiplyByLinear(Complex root)
{
    if (m_coefficients.empty())
        setConstant(0.0);
    m_coefficients.push_back(Complex());
    for (std::size_t i = m_coefficients.size() - 1; i > 0; --i)
        m_coefficients[i] = m_coefficients[i - 1] - root * m_coefficients[i];
    m_coefficients[0] = -root * m_coefficients[0];
}

void Polynom::multiplyByQuadratic(double linear, double constant)
{
    if (m_coefficients.empty())
        setConstant(0.0);
    m_coefficients.resize(m_coefficients.size() + 2);
    for (std::size_t i = m_coefficients.size() - 1; i > 1; --i) {
        m_coefficients[i]
            = m_coefficients[i - 2] + linear * m_coefficients[i - 1] + constant * m_coefficients[i];
    }
    m_coefficients[1] = linear * m_coefficients[0] + constant * m_coefficients[1];
    m_coefficients[0] = constant * m_coefficients[0];
}

void Polynom::deflate(const Root &root)
{
    if (root.isReal()) {
        for (int i = 0; i < root.multiplicity(); ++i)
            divideByLinear(root.value());
        return;
    }
    const ConjugatePairFactor factor = pairFactor(root.value());
    for (int i = 0; i < root.multiplicity(); ++i)
        divideByQuadratic(factor.linear, factor.constant);
}

void Polynom::multiplyByRoot(const Root &root)
{
    if (root.isReal()) {
        for (int i = 0; i < root.multiplicity(); ++i)
            multiplyByLinear(root.value());
        return;
    }
    const ConjugatePairFactor factor = pairFactor(root.value());
    for (int i = 0; i < root.multiplicity(); ++i)
        multiplyByQuadratic(factor.linear, factor.constant);
}

void Polynom::multiplyByRoots(const FactPolynom &roots)
{
    for (const Root &root : roots.roots())
        multiplyByRoot(root);
}

void Polynom::write(opstream &os) const
{
    os.writeWord32(static_cast<std::uint32_t>(m_coefficients.size()));
    for (const Complex &c : m_coefficients) {
        os.writeDouble(c.real());
        os.writeDouble(c.imag());
    }
}

void Polynom::read(ipstream &is, std::uint32_t)
{
    const std::uint32_t n = is.readCount(2 * sizeof(double));
    m_coefficients.clear();
    m_coefficients.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        const double re = is.readDouble();
        const double im = is.readDouble();
        m_coefficients.emplace_back(re, im);
    }
}
