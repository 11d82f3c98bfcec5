#include "sharedroot.h"

#include <algebra/exactcomplex.h>

#include <algorithm>

namespace {

// p, p' and p'' at z, with log256 of the largest term of p(z).
struct Evaluation
{
    ExactComplex value;
    ExactComplex slope;
    ExactComplex curvature;
    double largestTerm;
};

Evaluation evaluate(const TransPolynom &p, const ExactComplex &z)
{
    const ExactComplex zero{transDouble::zero(), transDouble::zero()};
    const int n = p.degree();
    Evaluation at{{p.coefficient(n), transDouble::zero()}, zero, zero, -1e30};
    const double logZ = z.logMagnitude();
    for (int k = n; k >= 0; --k) {
        if (!p.coefficient(k).isZero())
            at.largestTerm = std::max(at.largestTerm, logBase256(p.coefficient(k)) + k * logZ);
    }
    for (int k = n - 1; k >= 0; --k) {
        at.curvature = multiplyAdd(at.curvature, z, at.slope);
        at.slope = multiplyAdd(at.slope, z, at.value);
        at.value = multiplyAdd(at.value, z, p.coefficient(k));
    }
    // Horner's third row gives p''/2.
    at.curvature = at.curvature + at.curvature;
    return at;
}

double workDigits()
{
    return transDouble::workPrecision();
}

bool vanishes(const Evaluation &at)
{
    return at.value.logMagnitude() <= at.largestTerm - workDigits() / 3.0;
}

// Newton's iteration on p / p': z -= p p' / (p'² - p p''), quadratic also at a multiple root.
// Ends when the correction is below the rounding of z or after a fixed number of steps.
ExactComplex refined(const TransPolynom &p, ExactComplex z)
{
    constexpr int maxSteps = 12;
    for (int step = 0; step < maxSteps; ++step) {
        const Evaluation at = evaluate(p, z);
        if (at.value.logMagnitude() <= at.largestTerm - workDigits())
            break;
        const ExactComplex denominator = at.slope * at.slope - at.value * at.curvature;
        if (denominator.re.isZero() && denominator.im.isZero())
            break;
        const ExactComplex correction = at.value * at.slope / denominator;
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

std::optional<std::complex<double>>
sharedAfterRefining(const TransPolynom &own, const TransPolynom &other, std::complex<double> z)
{
    // A point that is a root to a third of the work precision already is not refined: at a
    // multiple root p, p' and p'' are all rounding noise there, and a step from noise jumps.
    const ExactComplex start = ExactComplex::from(z);
    const ExactComplex root = vanishes(evaluate(own, start)) ? start : refined(own, start);
    if (vanishes(evaluate(own, root)) && vanishes(evaluate(other, root))
        && isNear(root.rounded(), z))
        return root.rounded();
    return std::nullopt;
}

} // namespace

namespace SharedRoot {

std::optional<std::complex<double>> commonRoot(const TransPolynom &a, const TransPolynom &b,
                                               std::complex<double> z)
{
    if (a.degree() < 1 || b.degree() < 1)
        return std::nullopt;
    if (const auto root = sharedAfterRefining(a, b, z))
        return root;
    return sharedAfterRefining(b, a, z);
}

bool isCommonRoot(const TransPolynom &a, const TransPolynom &b, std::complex<double> z)
{
    return commonRoot(a, b, z).has_value();
}

} // namespace SharedRoot
