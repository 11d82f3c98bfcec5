#pragma once

#include <algebra/transpolynom.h>

#include <cstdint>
#include <vector>

// Per coefficient of a computed polynomial, the point of the largest term that went into it:
// a product's terms are the pairs a_i b_j, a sum's or difference's those of both operands.
//
// Sums of products cancel: where the exact coefficient is zero the rounded one is left with
// noise at the last digits of its largest term. Measured against its own size alone such noise
// cannot be told from a small true coefficient (a deep attenuation, a tiny time constant);
// measured against the terms it came from it can.
class TermBound
{
public:
    TermBound() = default;
    // The coefficients of p as the terms of themselves.
    static TermBound of(const TransPolynom &p);
    static TermBound ofProduct(const TransPolynom &a, const TransPolynom &b);

    // Takes in the terms of another operand of the same sum.
    void widen(const TermBound &other);

    // Digits of accumulated rounding that a result carries beyond the last digit of its largest
    // term: rounding at every product and sum along the elimination.
    static constexpr std::int32_t roundingGuardDigits = 8;
    // Sets to zero every coefficient of value that lies within the rounding of its largest term
    // (less than work precision minus the guard below it), then strips value. Answers whether
    // it set any. Terms that carry digits lost already (by the divisions of an elimination)
    // widen the guard by those, down to a quarter of the work precision.
    bool dropRoundingNoise(TransPolynom &value, std::int32_t lostDigits = 0) const;
    // The same with a margin of half the work precision: for residuals of a division, which
    // carry the larger noise of a quotient computed in steps.
    bool dropResidualNoise(TransPolynom &value) const;
    // Whether a non-zero value lies within the rounding of the largest term it was summed from
    // (the point of that term given), by the same measure as dropRoundingNoise.
    static bool isRoundingNoise(const transDouble &value, std::int32_t largestTermPoint);

private:
    bool dropBelow(TransPolynom &value, std::int32_t margin) const;

    std::vector<std::int32_t> m_points;
};
