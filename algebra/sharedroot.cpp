#include "sharedroot.h"

#include <algebra/exactcomplex.h>
#include <algebra/termbound.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The Taylor coefficients p^(k)(z) / k! for k = 0 ... order (at least 2) by repeated synthetic
// division, with log256 of the largest term of p(z).
struct Evaluation
{
    std::vector<ExactComplex> taylor;
    double largestTerm;

    const ExactComplex &value() const { return taylor[0]; }
    const ExactComplex &slope() const { return taylor[1]; }
    ExactComplex curvature() const { return taylor[2] + taylor[2]; }
};

Evaluation evaluate(const TransPolynom &p, const ExactComplex &z, int order = 2)
{
    const int n = p.degree();
    Evaluation at{std::vector<ExactComplex>(static_cast<std::size_t>(std::max(order, 2)) + 1,
                                            ExactComplex{transDouble::zero(), transDouble::zero()}),
                  -1e30};
    const double logZ = z.logMagnitude();
    for (int k = n; k >= 0; --k) {
        if (!p.coefficient(k).isZero())
            at.largestTerm = std::max(at.largestTerm, logBase256(p.coefficient(k)) + k * logZ);
    }
    std::vector<ExactComplex> &rows = at.taylor;
    rows[0] = {p.coefficient(n), transDouble::zero()};
    for (int k = n - 1; k >= 0; --k) {
        for (std::size_t j = std::min(rows.size() - 1, static_cast<std::size_t>(n - k)); j >= 1;
             --j)
            rows[j] = multiplyAdd(rows[j], z, rows[j - 1]);
        rows[0] = multiplyAdd(rows[0], z, p.coefficient(k));
    }
    return at;
}

double workDigits()
{
    return transDouble::workPrecision();
}

bool vanishes(const Evaluation &at)
{
    return at.value().logMagnitude() <= at.largestTerm - workDigits() / 3.0;
}

// Newton's iteration on p / p': z -= p p' / (p'² - p p''), quadratic also at a multiple root.
// Ends when the correction is below the rounding of z or after a fixed number of steps.
ExactComplex refined(const TransPolynom &p, ExactComplex z)
{
    constexpr int maxSteps = 12;
    for (int step = 0; step < maxSteps; ++step) {
        const Evaluation at = evaluate(p, z);
        if (at.value().logMagnitude() <= at.largestTerm - workDigits())
            break;
        const ExactComplex denominator = at.slope() * at.slope() - at.value() * at.curvature();
        if (denominator.re.isZero() && denominator.im.isZero())
            break;
        const ExactComplex correction = at.value() * at.slope() / denominator;
        z = z - correction;
        if (correction.logMagnitude() <= z.logMagnitude() - workDigits() + 2.0)
            break;
    }
    return z;
}

// A found root is right to far better than this, relative to its size; the refinement ending
// farther away has run to another root of own, which may be common while z is not (a pole 0.25 %
// from a cancelled pole-zero pair).
constexpr double nearness = 1e-6;

bool isNear(std::complex<double> root, std::complex<double> z)
{
    const double reach = nearness * std::abs(z);
    return std::abs(root - z) <= reach || std::abs(std::conj(root) - z) <= reach;
}

// Two roots closer than this, relative to their size, are one. The point tested is refined to
// the work precision, and the rounding that each polynomial carries is accepted by the test
// against its largest term below; the distance is the margin for a polynomial that lost digits
// in its solve (a six-fold root of one that holds 37 digits is split by about 10^-15). Pole-zero
// doublets of real circuits lie 10^-8 apart and more, and a weak element beside an otherwise
// cancelling pair gives 10^-11: those stay.
constexpr double sameRootDistance = 1e-13;

// Whether p has a root of some multiplicity k <= most within sameRootDistance of z: for a k-fold
// root at distance h, |p(z)| is about |p^(k)(z) / k!| h^k, so p(z) must lie below that at
// h = sameRootDistance |z|. Or p(z) is within the rounding that p carries (the work precision
// less the guard, below its largest term), as at the centre of a multiple root that the rounding
// of the coefficients has split into a cluster wider than sameRootDistance.
//
// Smallness against the largest term at a coarser measure cannot tell: inside the range of its
// roots, p(z) lies far below its largest term at any z (a product of many factors
// |z - root| / (|z| + |root|)), so that a point between two roots of a long ladder looked like a
// root of both. Newton's step alone misleads at the centre of a split cluster, where p'
// vanishes too.
bool isRootOf(const TransPolynom &p, const ExactComplex &z, int most)
{
    const Evaluation at = evaluate(p, z, most);
    const double value = at.value().logMagnitude();
    if (value <= at.largestTerm - (workDigits() - TermBound::roundingGuardDigits))
        return true;
    if (z.re.isZero() && z.im.isZero())
        return false;
    const double reach = z.logMagnitude() + std::log(sameRootDistance) / std::log(256.0);
    for (int k = 1; k <= most; ++k) {
        const ExactComplex &term = at.taylor[static_cast<std::size_t>(k)];
        if ((!term.re.isZero() || !term.im.isZero()) && value <= term.logMagnitude() + k * reach)
            return true;
    }
    return false;
}

std::optional<std::complex<double>> sharedAfterRefining(const TransPolynom &own,
                                                        const TransPolynom &other,
                                                        std::complex<double> z, int multiplicity)
{
    // A point that is a root to a third of the work precision already is not refined: at a
    // multiple root p, p' and p'' are all rounding noise there, and a step from noise jumps.
    const ExactComplex start = ExactComplex::from(z);
    const ExactComplex root = vanishes(evaluate(own, start)) ? start : refined(own, start);
    if (isRootOf(own, root, multiplicity) && isRootOf(other, root, multiplicity)
        && isNear(root.rounded(), z))
        return root.rounded();
    return std::nullopt;
}

} // namespace

namespace SharedRoot {

std::optional<std::complex<double>> commonRoot(const TransPolynom &a, const TransPolynom &b,
                                               std::complex<double> z, int multiplicity)
{
    if (a.degree() < 1 || b.degree() < 1)
        return std::nullopt;
    if (const auto root = sharedAfterRefining(a, b, z, multiplicity))
        return root;
    return sharedAfterRefining(b, a, z, multiplicity);
}

bool isCommonRoot(const TransPolynom &a, const TransPolynom &b, std::complex<double> z,
                  int multiplicity)
{
    return commonRoot(a, b, z, multiplicity).has_value();
}

} // namespace SharedRoot
