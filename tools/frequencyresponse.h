#pragma once

#include <algebra/scaledcomplex.h>

#include <complex>

// A transfer function's value at one point jω of the imaginary axis, as a double and as a
// scaled number (whose magnitude in decibels stays right where the double underflows), with
// the smallest magnitude its evaluation there can tell from 0 (FactoredRatio::resolution).
struct FrequencyResponse
{
    std::complex<double> value;
    ScaledComplex scaled;
    double resolution = 0.0;
};
