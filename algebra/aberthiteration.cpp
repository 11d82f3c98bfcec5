#include "aberthiteration.h"

#include <algebra/complexarith.h>
#include <algebra/exactcomplex.h>
#include <algebra/transpolynom.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using Complex = std::complex<double>;
using ComplexArith::modulus;

// A converged root has a step below this many units of the last place.
constexpr double convergedStep = 4.0 * ComplexArith::epsilon;
// The sweeps run out only for roots that never settle: the fast poles of a 200-section ladder,
// a dense cluster that starts on one circle, settle after some 150 sweeps, and a multiple root
// converges linearly. Settled roots cost nothing more.
constexpr int maxSweeps = 500;
// The turn of the start circles against each other; any value that is no simple fraction of a
// full turn keeps a conjugate pair out of the start points.
constexpr double startAngle = 0.4;
// Radii of start circles stay within 256^±120, well inside the doubles.
constexpr double maxLogRadius = 120.0;

struct HullPoint
{
    int k;
    double logMagnitude;
};

// The upper convex hull of (k, log256 |q_k|) over the non-zero coefficients, from k = 0 up.
std::vector<HullPoint> upperHull(const TransPolynom &q)
{
    std::vector<HullPoint> hull;
    for (int k = 0; k <= q.degree(); ++k) {
        if (q.coefficient(k).isZero())
            continue;
        const HullPoint point{k, logBase256(q.coefficient(k))};
        // Drops the last point while it lies on or below the chord from its predecessor.
        while (hull.size() >= 2) {
            const HullPoint &a = hull[hull.size() - 2];
            const HullPoint &b = hull.back();
            const double cross = (b.k - a.k) * (point.logMagnitude - a.logMagnitude)
                                 - (b.logMagnitude - a.logMagnitude) * (point.k - a.k);
            if (cross < 0.0)
                break;
            hull.pop_back();
        }
        hull.push_back(point);
    }
    return hull;
}

// Σ 1 / (z_k - z_j) over the other roots; a root that sits on z_k exactly is left out.
Complex pullOfOthers(const std::vector<Complex> &roots, std::size_t k)
{
    Complex sum;
    for (std::size_t j = 0; j < roots.size(); ++j) {
        const Complex difference = roots[k] - roots[j];
        if (j != k && difference != Complex())
            sum += ComplexArith::divide(1.0, difference);
    }
    return sum;
}

} // namespace

namespace AberthIteration {

std::vector<Complex> startPoints(const TransPolynom &q)
{
    const int n = q.degree();
    std::vector<Complex> points;
    points.reserve(static_cast<std::size_t>(std::max(n, 0)));
    const std::vector<HullPoint> hull = upperHull(q);
    for (std::size_t edge = 0; edge + 1 < hull.size(); ++edge) {
        const int span = hull[edge + 1].k - hull[edge].k;
        const double logRadius
            = std::clamp((hull[edge].logMagnitude - hull[edge + 1].logMagnitude) / span,
                         -maxLogRadius, maxLogRadius);
        const double radius = std::exp2(8.0 * logRadius);
        for (int i = 0; i < span; ++i) {
            const double angle = 2.0 * std::numbers::pi * i / span
                                 + 2.0 * std::numbers::pi * static_cast<double>(edge) / n
                                 + startAngle;
            points.push_back(std::polar(radius, angle));
        }
    }
    return points;
}

std::vector<double> refine(const PolynomialValues &q, std::vector<Complex> &roots)
{
    std::vector<double> lastStep(roots.size(), 1.0);
    std::vector<bool> settled(roots.size(), false);
    for (int sweep = 0; sweep < maxSweeps; ++sweep) {
        bool moved = false;
        for (std::size_t k = 0; k < roots.size(); ++k) {
            if (settled[k])
                continue;
            const Complex newton = q.newtonStepAt(roots[k]);
            if (!ComplexArith::isFinite(newton)) {
                settled[k] = true;
                continue;
            }
            const Complex denominator = 1.0 - newton * pullOfOthers(roots, k);
            Complex step = ComplexArith::divide(newton, denominator);
            if (!ComplexArith::isFinite(step))
                step = newton;
            roots[k] -= step;
            const double size = modulus(roots[k]);
            lastStep[k] = size == 0.0 ? modulus(step) : modulus(step) / size;
            settled[k] = !(lastStep[k] > convergedStep);
            moved = true;
        }
        if (!moved)
            break;
    }
    return lastStep;
}

} // namespace AberthIteration
