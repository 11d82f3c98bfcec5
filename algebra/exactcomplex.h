#pragma once

#include <algebra/transdouble.h>

#include <complex>

// A complex number with exact parts, for Horner's rule and Newton's iteration on exact
// polynomials at complex points.
struct ExactComplex
{
    transDouble re;
    transDouble im;

    static ExactComplex from(std::complex<double> z)
    {
        return {transDouble(z.real()), transDouble(z.imag())};
    }
    std::complex<double> rounded() const { return {re.toDouble(), im.toDouble()}; }
    // log256 of the larger part's magnitude; a very negative number for 0.
    double logMagnitude() const;
};

// log256 |c| of an exact number, from its point and first two digits; a very negative number
// for 0.
double logBase256(const transDouble &c);

ExactComplex operator+(const ExactComplex &a, const ExactComplex &b);
ExactComplex operator-(const ExactComplex &a, const ExactComplex &b);
ExactComplex operator*(const ExactComplex &a, const ExactComplex &b);
ExactComplex operator/(const ExactComplex &a, const ExactComplex &b);
// a × z + c for a real c; the imaginary part of z is zero for a real point.
ExactComplex multiplyAdd(const ExactComplex &a, const ExactComplex &z, const transDouble &c);
ExactComplex multiplyAdd(const ExactComplex &a, const ExactComplex &z, const ExactComplex &c);
