#pragma once

#include <algebra/partfrac.h>

#include <common/marray.h>

class FactPolynom;
class Polynom;
class ScaledComplex;

// The pole terms of the partial-fraction expansion of N(s) / D(s), D known by its roots, and
// the time response they stand for.
class PartFracFunc : public TStreamableBase
{
    ZENODYNE_STREAMABLE(PartFracFunc, 1)

public:
    const MArray<PartFrac> &terms() const { return m_terms; }
    void append(const PartFrac &term) { m_terms.append(term); }

    // Replaces the terms by those of numerator / D, D the product of the factors of poles. A
    // pole p of order m gives the terms c_k / (s - p)^(m-k), k = 0 ... m-1, with c_k the k-th
    // Taylor coefficient of numerator / Q at p, Q = D / (s - p)^m; in list order, highest
    // power first. Entries of equal value (or conjugate value) in the list are one pole of the
    // summed order. A polynomial part of the ratio is not represented.
    void expand(const Polynom &numerator, const FactPolynom &poles);
    // The same for the numerator times gain × Π (s - z)^m over the zeros, its factors taken one
    // by one: the multiplied-out numerator of a high-order circuit loses the digits of its
    // roots and overflows with its gain.
    void expand(const Polynom &numerator, const ScaledComplex &gain, const FactPolynom &zeros,
                const FactPolynom &poles);

    // The inverse Laplace transform of the terms at t, and its time derivative; 0 for t < 0.
    double response(double t) const;
    double responseSlope(double t) const;

    // The largest angular frequency |Im p| among the poles, 0 when there is none.
    double largestImaginaryPart() const;

private:
    MArray<PartFrac> m_terms;
};
