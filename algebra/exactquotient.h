#pragma once

#include <algebra/transpolynom.h>

// The quotient a / b of two polynomials when b divides a exactly (the caller knows it does;
// any remainder is ignored). The lower half of the quotient's coefficients is found from its
// lowest power up and the upper half from the top down, so that every coefficient is formed
// against coefficients of its own size: a polynomial whose coefficients span many orders of
// magnitude (the time constants of a long ladder) keeps its small ones, which a division from
// the top alone would bury in rounding. Nothing is chopped. A zero divisor gives zero.
//
// Given lostDigits, it also receives how many digits the quotient has lost: the first
// coefficient of the upper half is found once more from below, and the two agree to the work
// precision less the digits that the rounding of a (inexact as it comes from earlier steps) and
// of both recurrences took, which is largest where they meet.
TransPolynom exactQuotient(const TransPolynom &a, const TransPolynom &b, int *lostDigits = nullptr);
