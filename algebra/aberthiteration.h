#pragma once

#include <algebra/polynomialvalues.h>

#include <complex>
#include <vector>

class TransPolynom;

// All roots of an exact polynomial at once, by the Aberth–Ehrlich iteration: each root
// approximation takes the Newton step of p corrected by the pull of all the others,
//   z_k <- z_k - N_k / (1 - N_k Σ_{j≠k} 1 / (z_k - z_j)),   N_k = p(z_k) / p'(z_k).
// The others act as an exact deflation that never rounds a coefficient, so close roots, clusters
// and two real roots that a root-by-root search took for a complex pair come apart, and roots
// spread over many decades converge from start points on the circles of the Newton polygon of
// the coefficients' magnitudes. The Newton steps come from the polynomial's own values (in
// multi-precision for exact coefficients), so the roots are those of the exact polynomial.
namespace AberthIteration {

// n start points for the monic q of degree n ≥ 1 with q(0) ≠ 0, on the circles of the Newton
// polygon of the polynomial whose roots are powers of those of q (by root squaring), so that
// roots of nearly one size start apart: a lone root of its size on the real axis, the roots that
// share a size spread around their circle.
std::vector<std::complex<double>> startPoints(const TransPolynom &q,
                                              const PolynomialValues &values);

// Iterates on every root of roots (all deg q of them, conjugates separately) until its step is
// within a few units of the last place, or the sweeps run out; a root whose step is no longer
// finite stops where it is. Answers each root's last step relative to the root (absolute for a
// root at 0).
std::vector<double> refine(const PolynomialValues &q, std::vector<std::complex<double>> &roots);

} // namespace AberthIteration
