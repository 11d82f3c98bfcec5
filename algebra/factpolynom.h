#pragma once

#include <algebra/root.h>

#include <common/marray.h>

#include <complex>
#include <functional>
#include <vector>

class Polynom;
class PolynomialValues;
class TransPolynom;

// A polynomial known by its roots with their multiplicities (a complex root standing for its
// conjugate pair), as factoring finds them: in the order of their real parts, largest first.
class FactPolynom : public TStreamableBase
{
    ZENODYNE_STREAMABLE(FactPolynom, 1)

public:
    enum class FactorStatus {
        // Every root was found by the full search.
        Factored = 0,
        // Nothing to search: fewer than two coefficients, not monic, not real, or nothing left
        // after the roots at 0 (which stay in the list).
        NotFactored = 1,
    };

    const MArray<Root> &roots() const { return m_roots; }
    MArray<Root> &roots() { return m_roots; }
    int count() const { return m_roots.count(); }
    void append(const Root &root) { m_roots.append(root); }
    void clear() { m_roots.clear(); }
    // The degree of the polynomial of the roots.
    int degree() const;
    // Multiplies every root by 2^binaryExponent, exactly (the roots at 0 stay); the order by
    // real parts is kept.
    void scaleRoots(int binaryExponent);
    // The same roots with the same multiplicities in the same order.
    bool operator==(const FactPolynom &other) const;

    // Replaces the roots by those of the monic real polynomial p. Roots at 0 are split off
    // exactly, a polynomial of degree 1 or 2 is solved directly, higher degrees root by root
    // with Muller's method on the deflated polynomial and Newton refinement on p itself.
    // accuracy receives the largest relative Newton correction of the refined roots (ε for a
    // directly solved polynomial, 0 when nothing was searched, NaN when p holds NaN or infinite
    // coefficients or a root came out non-finite).
    //
    // The search works on the polynomial in u = s / σ, where σ is a power of two near the
    // geometric mean of the root moduli (the constant term's n-th root), whenever that mean
    // lies outside 1/16 ... 16. The search's tolerances are absolute, fitted to roots of
    // moduli near 1: a circuit with poles at 10^6 rad/s or 10^12 rad/s (kiloohms and
    // picofarads) would otherwise come back with roots that are not roots at all. Powers of
    // two scale the coefficients and roots exactly, and polynomials of ordinary scale are
    // searched as they are.
    FactorStatus factor(const Polynom &p, double &accuracy);
    // The same for exact coefficients: every root at once by the Aberth iteration, its steps
    // taken from the exact coefficients in multi-precision arithmetic (TransPolynomValues), so
    // that close roots and clusters come apart without any coefficient being deflated or rounded:
    // double coefficients of a polynomial of degree 20 and more no longer determine its roots.
    // The scale here is a power of 256 divided out of s before anything is rounded to doubles,
    // so that the coefficients of a high-order circuit with fast poles (s^40 + ... + 10^480,
    // say) neither overflow nor underflow on the way.
    FactorStatus factor(const TransPolynom &p, double &accuracy);

    // Moves every root that a and b have in common (Root::isSameRoot) with the shared
    // multiplicity into cancelledA and cancelledB; roots left with multiplicity 0 are removed.
    static void cancelCommonRoots(FactPolynom &a, FactPolynom &b, FactPolynom &cancelledA,
                                  FactPolynom &cancelledB);
    // The same for the roots of the exact polynomials exactA and exactB: a pair of roots near
    // each other (Root::isSameRoot) is cancelled only when the two polynomials truly share it
    // (SharedRoot::isCommonRoot), so that pole-zero doublets stay.
    static void cancelCommonRoots(FactPolynom &a, FactPolynom &b, FactPolynom &cancelledA,
                                  FactPolynom &cancelledB, const TransPolynom &exactA,
                                  const TransPolynom &exactB);

private:
    static void cancelMatching(FactPolynom &a, FactPolynom &b, FactPolynom &cancelledA,
                               FactPolynom &cancelledB,
                               const std::function<bool(const Root &, const Root &)> &isShared);
    FactorStatus searchRoots(const Polynom &q, double &accuracy);
    FactorStatus searchExactRoots(const TransPolynom &q, double &accuracy);
    void appendConjugatePairs(const std::vector<std::complex<double>> &roots,
                              const std::vector<double> &steps);
    FactorStatus finishSearch(double &accuracy);
    void mergeMultipleRoots(const TransPolynom &q);
    void solveDirectly(const Polynom &r, const PolynomialValues *refineAgainst, double &accuracy);
    void sortByRealPartDescending();

    MArray<Root> m_roots;
};
