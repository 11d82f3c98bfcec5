#pragma once

#include <complex>

// A transfer function's value at one point jω of the imaginary axis, with the smallest
// magnitude its evaluation there can tell from 0: the rounding of the numerator's terms,
// ε · Σ |n_i| |s|^i / |D(s)|.
struct FrequencyResponse
{
    std::complex<double> value;
    double resolution = 0.0;
};
