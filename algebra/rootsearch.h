#pragma once

#include <algebra/polynomialvalues.h>

// The two numerical kernels of factoring: a root search by Muller's method on the deflated
// polynomial, and Newton refinement of a found root against the undeflated one. Both run a
// bounded number of steps whatever the polynomial holds (also NaN or infinite values) and
// always answer a point.
namespace RootSearch {

// One root of p (degree 1 or more) by Muller's quadratic interpolation through the last three
// iterates, with guards against overflow, residual blow-up and stalling.
std::complex<double> mullerRoot(const PolynomialValues &p);

struct Refined
{
    std::complex<double> root;
    // The last accepted Newton correction relative to the root (absolute for a root at 0).
    double accuracy;
};

// At most 20 safeguarded Newton steps on p from z; the best point found is answered, with an
// imaginary part below √ε set to exactly 0.
Refined refineRoot(const PolynomialValues &p, std::complex<double> z);

} // namespace RootSearch
