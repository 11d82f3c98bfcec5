#pragma once

#include <algebra/root.h>

#include <common/marray.h>

class Polynom;

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

    // Replaces the roots by those of the monic real polynomial p. Roots at 0 are split off
    // exactly, a polynomial of degree 1 or 2 is solved directly, higher degrees root by root
    // with Muller's method on the deflated polynomial and Newton refinement on p itself.
    // accuracy receives the largest relative Newton correction of the refined roots (ε for a
    // directly solved polynomial, 0 when nothing was searched, NaN when p holds NaN or infinite
    // coefficients or a root came out non-finite).
    FactorStatus factor(const Polynom &p, double &accuracy);

    // Moves every root that a and b have in common (Root::isSameRoot) with the shared
    // multiplicity into cancelledA and cancelledB; roots left with multiplicity 0 are removed.
    static void cancelCommonRoots(FactPolynom &a, FactPolynom &b, FactPolynom &cancelledA,
                                  FactPolynom &cancelledB);

private:
    void solveDirectly(const Polynom &r, const Polynom *refineAgainst, double &accuracy);
    void sortByRealPartDescending();

    MArray<Root> m_roots;
};
