#pragma once

#include <algebra/transpolynom.h>

#include <complex>
#include <optional>

// Whether two exact polynomials truly share a root. Roots found in doubles are right to about
// 10^-15 at best, and less near multiple roots, so their distance cannot tell a common factor
// from a pole-zero doublet of a real amplifier (10^-3 ... 10^-8 apart, and closer). The exact
// polynomials can: a root of one, refined in multi-precision arithmetic, is a root of the other to
// within the rounding of its terms only when the factor is common.
namespace SharedRoot {

// Whether a and b (both of degree 1 or more) vanish at one point near z, where z is a root
// found of either, of the given multiplicity at most. Each is refined in turn on its own
// polynomial (Newton's iteration on p / p', which converges fast on multiple roots too) and both
// tested there: common when each has a root of some multiplicity k up to the given one within
// 10^-13 of the point (p(z) below |p^(k)(z) / k!| (10^-13 |z|)^k), and the refined root is still
// z (within 10^-6 of it), not another root of the same polynomial.
bool isCommonRoot(const TransPolynom &a, const TransPolynom &b, std::complex<double> z,
                  int multiplicity = 1);
// The common root itself, refined to the work precision and rounded to doubles; nothing when
// there is none near z.
std::optional<std::complex<double>> commonRoot(const TransPolynom &a, const TransPolynom &b,
                                               std::complex<double> z, int multiplicity = 1);

} // namespace SharedRoot
