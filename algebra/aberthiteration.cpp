#include "aberthiteration.h"

#include <algebra/complexarith.h>
#include <algebra/exactcomplex.h>
#include <algebra/termbound.h>
#include <algebra/transpolynom.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace {

using Complex = std::complex<double>;
using ComplexArith::modulus;

// A converged root has a step below this many units of the last place.
constexpr double convergedStep = 4.0 * ComplexArith::epsilon;
// The sweeps run out only for roots that never settle: a dense cluster that starts on one
// circle settles after some 150 sweeps, and a multiple root converges linearly. Settled roots
// cost nothing more.
constexpr int maxSweeps = 500;
// The turn of the start circles against each other; any value that is no simple fraction of a
// full turn keeps a conjugate pair out of the start points.
constexpr double startAngle = 0.4;
// Radii of start circles stay within 256^±120, well inside the doubles.
constexpr double maxLogRadius = 120.0;
// Root-squaring steps before the Newton polygon is read: after ten, moduli a part in a thousand
// apart differ by a factor of 2.8, so that the roots of a dense cluster (the fast poles of a
// long ladder crowd below 4/RC) start on circles of their own sizes instead of one circle.
constexpr int squaringSteps = 10;
// A lone root of its size starts this angle off the real axis: root squaring can split roots of
// one size (a complex pair beside a real root of its modulus, as in a notch) into lone ones, and
// starts on the axis itself would never leave it.
constexpr double realStartTilt = 1e-4;
// Root squaring runs at the work precision up to this many digits, within the longest factor
// of a multiplication.
constexpr std::uint16_t longestSquaringPrecision = 1024;

struct HullPoint
{
    int k;
    double logMagnitude;
};

// The upper convex hull of (k, log256 |c_k|) over the non-zero coefficients, from k = 0 up.
std::vector<HullPoint> upperHull(const std::vector<transDouble> &c)
{
    std::vector<HullPoint> hull;
    for (std::size_t k = 0; k < c.size(); ++k) {
        if (c[k].isZero())
            continue;
        const HullPoint point{static_cast<int>(k), logBase256(c[k])};
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

// One root-squaring step (Dandelin–Graeffe): the coefficients, up to sign, of the polynomial
// whose roots are the squares of the roots of a, b_j = Σ_i (-1)^i a_i a_(2j-i). Nothing when a
// coefficient cancels to the rounding of its largest term (TermBound's measure): its size is
// then unknown, and the squaring has gone as far as the precision carries it.
std::optional<std::vector<transDouble>> squaredRoots(const std::vector<transDouble> &a)
{
    const int n = static_cast<int>(a.size()) - 1;
    std::vector<transDouble> b(a.size());
    for (int j = 0; j <= n; ++j) {
        transDouble sum;
        std::int32_t largestPoint = std::numeric_limits<std::int32_t>::min();
        for (int i = std::max(0, 2 * j - n); i <= std::min(2 * j, n); ++i) {
            const transDouble term
                = a[static_cast<std::size_t>(i)] * a[static_cast<std::size_t>(2 * j - i)];
            if (term.isZero())
                continue;
            largestPoint = std::max(largestPoint, term.point());
            if (i % 2 == 0)
                sum += term;
            else
                sum -= term;
        }
        if (largestPoint != std::numeric_limits<std::int32_t>::min()
            && (sum.isZero() || TermBound::isRoundingNoise(sum, largestPoint)))
            return std::nullopt;
        b[static_cast<std::size_t>(j)] = sum;
    }
    return b;
}

// The coefficients of the polynomial whose roots are the 2^steps-th powers of those of q, for
// as many steps up to squaringSteps as keep every coefficient known.
std::vector<transDouble> squaredRootsCoefficients(const TransPolynom &q, int &steps)
{
    const transDouble::PrecisionGuard guard;
    const bool rounded = transDouble::workPrecision() > longestSquaringPrecision;
    if (rounded)
        transDouble::setWorkPrecision(longestSquaringPrecision);
    std::vector<transDouble> coefficients;
    for (int k = 0; k <= q.degree(); ++k) {
        coefficients.push_back(q.coefficient(k));
        if (rounded)
            coefficients.back().normalize();
    }
    for (steps = 0; steps < squaringSteps; ++steps) {
        std::optional<std::vector<transDouble>> squared = squaredRoots(coefficients);
        if (!squared)
            break;
        coefficients = std::move(*squared);
    }
    return coefficients;
}

// For every edge of the upper hull of (k, log |c_k|), c the coefficients of the polynomial
// whose roots are the rootPower-th powers of those of q, as many points as the edge spans on the
// circle of the radius its slope gives. A lone root of its size is real; it starts next to the
// real axis on the side of 0 where the Newton step of q is the shorter. The points of an edge of
// more roots are spread around the circle, turned by an angle of no symmetry so that a conjugate
// pair of start points never has to become two real roots.
std::vector<Complex> pointsOnCircles(const std::vector<transDouble> &c, double rootPower,
                                     const PolynomialValues &values)
{
    const int n = static_cast<int>(c.size()) - 1;
    std::vector<Complex> points;
    points.reserve(static_cast<std::size_t>(std::max(n, 0)));
    const std::vector<HullPoint> hull = upperHull(c);
    for (std::size_t edge = 0; edge + 1 < hull.size(); ++edge) {
        const int span = hull[edge + 1].k - hull[edge].k;
        const double logRadius
            = std::clamp((hull[edge].logMagnitude - hull[edge + 1].logMagnitude) / span / rootPower,
                         -maxLogRadius, maxLogRadius);
        const double radius = std::exp2(8.0 * logRadius);
        if (span == 1) {
            const bool negative
                = !(modulus(values.newtonStepAt(radius)) < modulus(values.newtonStepAt(-radius)));
            points.push_back(
                std::polar(radius, negative ? std::numbers::pi - realStartTilt : realStartTilt));
            continue;
        }
        for (int i = 0; i < span; ++i) {
            const double angle = 2.0 * std::numbers::pi * i / span
                                 + 2.0 * std::numbers::pi * static_cast<double>(edge) / n
                                 + startAngle;
            points.push_back(std::polar(radius, angle));
        }
    }
    return points;
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

std::vector<Complex> startPoints(const TransPolynom &q, const PolynomialValues &values)
{
    int steps = 0;
    const std::vector<transDouble> coefficients = squaredRootsCoefficients(q, steps);
    return pointsOnCircles(coefficients, std::exp2(steps), values);
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
