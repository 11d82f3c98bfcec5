#pragma once

#include <cmath>
#include <complex>

// Complex arithmetic with the rounding and overflow behaviour that the double-precision algebra
// relies on. std::complex's operator/ and abs() round differently in the last bits and behave
// differently near overflow, so polynomials, roots and partial fractions use these instead.
namespace ComplexArith {

using Complex = std::complex<double>;

// The spacing of doubles at 1.0; the unit of every relative tolerance of the root finder.
inline constexpr double epsilon = 2.220446049250313e-16;

// a / b by Smith's method: the divisor is scaled by its larger part so that no intermediate
// square of b is formed. A zero divisor gives what the floating-point division gives.
inline Complex divide(Complex a, Complex b)
{
    if (std::abs(b.real()) < std::abs(b.imag())) {
        const double r = b.real() / b.imag();
        const double d = r * b.real() + b.imag();
        return {(r * a.real() + a.imag()) / d, (r * a.imag() - a.real()) / d};
    }
    const double r = b.imag() / b.real();
    const double d = r * b.imag() + b.real();
    return {(a.real() + r * a.imag()) / d, (a.imag() - r * a.real()) / d};
}

// |z| without overflow of the squares: larger part times sqrt(1 + (smaller / larger)^2).
inline double modulus(Complex z)
{
    const double a = std::abs(z.real());
    const double b = std::abs(z.imag());
    if (a == 0.0)
        return b;
    if (b == 0.0)
        return a;
    if (a >= b) {
        const double q = b / a;
        return a * std::sqrt(1.0 + q * q);
    }
    const double q = a / b;
    return b * std::sqrt(1.0 + q * q);
}

// The principal square root, with real part >= 0, formed from the larger of the two parts of
// the argument so that neither is squared.
inline Complex squareRoot(Complex d)
{
    const double x = d.real();
    const double y = d.imag();
    if (x == 0.0 && y == 0.0)
        return {0.0, 0.0};
    double w;
    if (std::abs(x) >= std::abs(y)) {
        const double t = y / x;
        w = std::sqrt(std::abs(x)) * std::sqrt((1.0 + std::sqrt(1.0 + t * t)) / 2.0);
    } else {
        const double t = x / y;
        w = std::sqrt(std::abs(y)) * std::sqrt((std::abs(t) + std::sqrt(1.0 + t * t)) / 2.0);
    }
    if (x >= 0.0)
        return {w, y / (2.0 * w)};
    const double v = y < 0.0 ? -w : w;
    return {y / (2.0 * v), v};
}

// The sum of the absolute values of both parts; a cheap size of a complex number.
inline double absoluteSum(Complex z)
{
    return std::abs(z.real()) + std::abs(z.imag());
}

inline bool isFinite(Complex z)
{
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

} // namespace ComplexArith
