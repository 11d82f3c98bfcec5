#include "factpolynom.h"

#include <algebra/aberthiteration.h>
#include <algebra/complexarith.h>
#include <algebra/exactcomplex.h>
#include <algebra/polynom.h>
#include <algebra/polynomvalues.h>
#include <algebra/rootsearch.h>
#include <algebra/sharedroot.h>
#include <algebra/transpolynom.h>
#include <algebra/transpolynomvalues.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

using Complex = std::complex<double>;

// The larger of two accuracy figures; a NaN figure (a failed root) is never outweighed.
double worseAccuracy(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::numeric_limits<double>::quiet_NaN();
    return std::max(a, b);
}

// Newton refinement of a found root against the undeflated polynomial. Near a multiple root
// the derivative vanishes and the iteration can be thrown onto another root, which it then
// answers as a perfect refinement. A refinement that moved the root by more than 1 % has not
// refined it: the found root stays, with that move as its accuracy figure.
RootSearch::Refined refinedRoot(const PolynomialValues &q, Complex found)
{
    const RootSearch::Refined refined = RootSearch::refineRoot(q, found);
    const double move = ComplexArith::modulus(refined.root - found);
    const double size = ComplexArith::modulus(found);
    if (move <= 0.01 * size)
        return refined;
    return {found, size == 0.0 ? move : move / size};
}

// Polynomials whose roots have a geometric mean modulus within 2^-maxUnscaledExponent ...
// 2^maxUnscaledExponent are searched unscaled.
constexpr int maxUnscaledExponent = 4;

// The binary exponent of the geometric mean of the root moduli of the monic q with a non-zero
// constant term: log2 |q(0)| / deg q, rounded.
int rootScaleExponent(const Polynom &q)
{
    const double logMean = std::log2(ComplexArith::modulus(q.coefficient(0))) / q.degree();
    if (!std::isfinite(logMean))
        return 0;
    return static_cast<int>(std::lround(logMean));
}

// The coefficients of q(2^e u) / 2^(e n): monic again, with roots 2^-e times those of q.
Polynom scaledVariable(const Polynom &q, int exponent)
{
    Polynom scaled = q;
    const int n = q.degree();
    for (int k = 0; k < n; ++k) {
        const Complex c = q.coefficient(k);
        const int shift = exponent * (k - n);
        scaled.setCoefficient(k, {std::ldexp(c.real(), shift), std::ldexp(c.imag(), shift)});
    }
    return scaled;
}

// The coefficients of p(256^e u) / 256^(e n), each exact: only the points move. (Each is
// kept at one digit more than it has, so that the rounding's snap of a last digit next to 00
// or FF, meant for results at full precision, never touches it.)
TransPolynom scaledVariable(const TransPolynom &p, int exponent)
{
    TransPolynom scaled;
    const int n = p.degree();
    for (int k = 0; k <= n; ++k) {
        const transDouble &c = p.coefficient(k);
        // Points of absurd values (parsed exponents reach 10^8) stay within what a point holds.
        const std::int64_t point
            = std::clamp<std::int64_t>(c.point() + std::int64_t{exponent} * (k - n),
                                       -(std::int64_t{1} << 30), std::int64_t{1} << 30);
        scaled.coefficientAt(k)
            = c.isZero() ? c
                         : transDouble::fromDigits(c.isNegative(), c.digits(), c.length(),
                                                   static_cast<std::int32_t>(point),
                                                   static_cast<std::uint16_t>(c.length() + 1));
    }
    return scaled;
}

// p', exactly.
TransPolynom derivative(const TransPolynom &p)
{
    TransPolynom result;
    result.setZero();
    for (int k = 1; k <= p.degree(); ++k)
        result.coefficientAt(k - 1) = transDouble(static_cast<double>(k)) * p.coefficient(k);
    result.strip();
    return result;
}

// Roots of a cluster lie this close to each other, relative to their size. The Aberth iteration
// on exact values brings the copies of a multiple root together to far below the doubles' last
// place (to the square root of the work precision for a double root), whereas two distinct
// roots that close stay apart: a pole pair of a ladder 10^-4 apart is two poles.
constexpr double clusterRadius = 1e-7;

// The root near z of multiplicity m: common to q and its (m-1)-th derivative.
std::optional<Complex> commonRootOfMultiplicity(const TransPolynom &q, Complex z, int m)
{
    TransPolynom slope = q;
    for (int k = 1; k < m; ++k)
        slope = derivative(slope);
    return SharedRoot::commonRoot(q, slope, z, m);
}

bool isNear(Complex z, Complex centre)
{
    const double reach = clusterRadius * ComplexArith::modulus(centre);
    return ComplexArith::modulus(z - centre) <= reach
           || ComplexArith::modulus(std::conj(z) - centre) <= reach;
}

} // namespace

FactPolynom::FactorStatus FactPolynom::factor(const TransPolynom &p, double &accuracy)
{
    accuracy = 0.0;
    m_roots.clear();
    TransPolynom q = p;
    q.strip();
    if (q.coefficientCount() < 2 || q.highestCoefficient() != transDouble::one())
        return FactorStatus::NotFactored;
    while (q.coefficientCount() > 0 && q.coefficient(0).isZero()) {
        q.removeConstantTerm();
        m_roots.append(Root(0.0, 1));
    }
    if (q.coefficientCount() < 2)
        return FactorStatus::NotFactored;
    // Beyond 2^±4000 every double root is 0 or infinite anyway.
    const int exponent = static_cast<int>(
        std::clamp(std::lround(logBase256(q.coefficient(0)) / q.degree()), -500L, 500L));
    const FactorStatus status = searchExactRoots(scaledVariable(q, exponent), accuracy);
    scaleRoots(8 * exponent);
    return status;
}

bool FactPolynom::operator==(const FactPolynom &other) const
{
    if (count() != other.count())
        return false;
    auto theirs = other.m_roots.begin();
    for (const Root &root : m_roots) {
        if (!(root == *theirs))
            return false;
        ++theirs;
    }
    return true;
}

FactPolynom::FactorStatus FactPolynom::factor(const Polynom &p, double &accuracy)
{
    accuracy = 0.0;
    m_roots.clear();
    if (p.count() < 2 || p.coefficient(p.degree()) != Complex(1.0, 0.0))
        return FactorStatus::NotFactored;
    for (const Complex &c : p.coefficients()) {
        if (!ComplexArith::isFinite(c)) {
            accuracy = std::numeric_limits<double>::quiet_NaN();
            return FactorStatus::NotFactored;
        }
        // Complex roots are kept as conjugate pairs, which only real coefficients have.
        if (c.imag() != 0.0)
            return FactorStatus::NotFactored;
    }

    Polynom q = p;
    while (q.count() > 0 && q.coefficient(0) == Complex()) {
        q.removeConstantTerm();
        m_roots.append(Root(0.0, 1));
    }
    if (q.count() < 2)
        return FactorStatus::NotFactored;

    const int exponent = rootScaleExponent(q);
    if (std::abs(exponent) <= maxUnscaledExponent)
        return searchRoots(q, accuracy);
    const FactorStatus status = searchRoots(scaledVariable(q, exponent), accuracy);
    scaleRoots(exponent);
    return status;
}

int FactPolynom::degree() const
{
    int sum = 0;
    for (const Root &root : m_roots)
        sum += root.degree();
    return sum;
}

void FactPolynom::scaleRoots(int binaryExponent)
{
    for (Root &root : m_roots) {
        const Complex z = root.value();
        root = Root({std::ldexp(z.real(), binaryExponent), std::ldexp(z.imag(), binaryExponent)},
                    root.multiplicity());
    }
}

// Finds the roots of the monic q of degree 1 or more with a non-zero constant term and
// appends them to those at 0. Roots are searched on r, which loses each root found, and
// refined on q, so that the errors of earlier roots do not carry into later ones.
FactPolynom::FactorStatus FactPolynom::searchRoots(const Polynom &q, double &accuracy)
{
    Polynom r = q;
    if (r.degree() <= 2) {
        solveDirectly(r, nullptr, accuracy);
        accuracy = ComplexArith::epsilon;
    } else {
        const PolynomValues undeflated(q);
        while (r.degree() > 2) {
            const RootSearch::Refined found
                = refinedRoot(undeflated, RootSearch::mullerRoot(PolynomValues(r)));
            const Root root(found.root, 1);
            m_roots.append(root);
            accuracy = worseAccuracy(accuracy, found.accuracy);
            r.deflate(root);
        }
        solveDirectly(r, &undeflated, accuracy);
    }
    return finishSearch(accuracy);
}

// The same for exact coefficients: all roots at once by the Aberth iteration on the values of q,
// from the start points of its Newton polygon, then gathered into real roots and conjugate
// pairs.
FactPolynom::FactorStatus FactPolynom::searchExactRoots(const TransPolynom &q, double &accuracy)
{
    if (q.degree() <= 2) {
        solveDirectly(Polynom(q), nullptr, accuracy);
        accuracy = ComplexArith::epsilon;
        return finishSearch(accuracy);
    }
    const TransPolynomValues values(q);
    std::vector<Complex> roots = AberthIteration::startPoints(q, values);
    const std::vector<double> steps = AberthIteration::refine(values, roots);
    for (const double step : steps)
        accuracy = worseAccuracy(accuracy, step);
    appendConjugatePairs(roots, steps);
    mergeMultipleRoots(q);
    return finishSearch(accuracy);
}

// The roots of a real polynomial, each found on its own, as Roots: one whose imaginary part is
// within its own accuracy (and a few units of the last place) of 0 is real, the others are
// paired with their conjugates, the pair standing as the mean of the two (on the imaginary axis
// when its real part is within their accuracy of 0). Should the two
// half-planes hold different counts (a root stopped before it converged), the nearly real ones of
// the larger side count as real until they balance.
void FactPolynom::appendConjugatePairs(const std::vector<Complex> &roots,
                                       const std::vector<double> &steps)
{
    struct Candidate
    {
        Complex value;
        double flatness;
        double tolerance;
    };
    std::vector<Candidate> upper, lower;
    for (std::size_t k = 0; k < roots.size(); ++k) {
        const Complex z = roots[k];
        const double size = ComplexArith::modulus(z);
        const double tolerance = std::max(64.0 * ComplexArith::epsilon, 4.0 * steps[k]) * size;
        if (!(std::abs(z.imag()) > tolerance)) {
            m_roots.append(Root(Complex(z.real()), 1));
            continue;
        }
        (z.imag() > 0.0 ? upper : lower).push_back({z, std::abs(z.imag()) / size, tolerance});
    }
    auto byFlatness
        = [](const Candidate &a, const Candidate &b) { return a.flatness < b.flatness; };
    std::sort(upper.begin(), upper.end(), byFlatness);
    std::sort(lower.begin(), lower.end(), byFlatness);
    auto makeRealUntilBalanced = [&](std::vector<Candidate> &larger, std::size_t count) {
        std::size_t taken = 0;
        while (larger.size() - taken > count) {
            m_roots.append(Root(Complex(larger[taken].value.real()), 1));
            ++taken;
        }
        larger.erase(larger.begin(), larger.begin() + static_cast<std::ptrdiff_t>(taken));
    };
    if (upper.size() > lower.size())
        makeRealUntilBalanced(upper, lower.size());
    else
        makeRealUntilBalanced(lower, upper.size());
    std::vector<bool> used(lower.size(), false);
    for (const Candidate &z : upper) {
        std::size_t nearest = lower.size();
        for (std::size_t j = 0; j < lower.size(); ++j) {
            if (!used[j]
                && (nearest == lower.size()
                    || ComplexArith::modulus(std::conj(lower[j].value) - z.value)
                           < ComplexArith::modulus(std::conj(lower[nearest].value) - z.value)))
                nearest = j;
        }
        used[nearest] = true;
        Complex pair = (z.value + std::conj(lower[nearest].value)) / 2.0;
        if (!(std::abs(pair.real()) > std::max(z.tolerance, lower[nearest].tolerance)))
            pair.real(0.0);
        m_roots.append(Root(pair, 1));
    }
}

// A root of multiplicity m is found as m roots around it, close together (a complex pair for
// a real double root). Partial fractions of such neighbours, taken as distinct, are absurd
// (residues of 10^29 for a triple pole). A cluster of roots is one multiple root exactly when
// q and its (m-1)-th derivative share the cluster's centre; a cluster of close but distinct
// roots stays as it is.
void FactPolynom::mergeMultipleRoots(const TransPolynom &q)
{
    for (int i = m_roots.lowerIndex(); i <= m_roots.upperIndex(); ++i) {
        const Complex first = m_roots[i].value();
        if (first == Complex())
            continue;
        std::vector<int> members{i};
        int degree = m_roots[i].degree();
        bool allComplex = !m_roots[i].isReal();
        Complex sum = first;
        for (int j = i + 1; j <= m_roots.upperIndex(); ++j) {
            const Complex z = m_roots[j].value();
            if (!isNear(z, first))
                continue;
            members.push_back(j);
            degree += m_roots[j].degree();
            allComplex = allComplex && !m_roots[j].isReal();
            sum += std::imag(z) * std::imag(first) < 0.0 ? std::conj(z) : z;
        }
        if (degree < 2)
            continue;
        // Complex members stand for their pairs: a cluster of them is a multiple pair, one
        // with a real member a multiple real root. A real root of even multiplicity may also be
        // found as pairs a rounding apart from the axis: pairs that close to it are first
        // tried as the real root.
        Complex centre = sum / static_cast<double>(members.size());
        const bool nearAxis = allComplex && isNear(std::conj(centre), centre);
        std::optional<Complex> common;
        int multiplicity = degree;
        if (!allComplex || nearAxis)
            common = commonRootOfMultiplicity(q, Complex(centre.real()), degree);
        if (common) {
            centre = Complex(common->real());
        } else if (allComplex) {
            multiplicity = degree / 2;
            common = commonRootOfMultiplicity(q, centre, multiplicity);
            if (!common)
                continue;
            centre = *common;
        } else {
            continue;
        }
        for (auto it = members.rbegin(); it != members.rend() - 1; ++it)
            m_roots.removeAt(*it);
        m_roots[i] = Root(centre, multiplicity);
    }
}

// Overflow on the way can leave a root infinite or NaN; its accuracy is none at all.
FactPolynom::FactorStatus FactPolynom::finishSearch(double &accuracy)
{
    for (const Root &root : m_roots) {
        if (!ComplexArith::isFinite(root.value()))
            accuracy = std::numeric_limits<double>::quiet_NaN();
    }
    sortByRealPartDescending();
    return FactorStatus::Factored;
}

// Solves the monic r of degree 1 or 2, refining the roots against refineAgainst when given.
void FactPolynom::solveDirectly(const Polynom &r, const PolynomialValues *refineAgainst,
                                double &accuracy)
{
    auto refined = [&](Complex z) {
        if (!refineAgainst)
            return z;
        const RootSearch::Refined found = refinedRoot(*refineAgainst, z);
        accuracy = worseAccuracy(accuracy, found.accuracy);
        return found.root;
    };

    if (r.degree() == 1) {
        m_roots.append(Root(refined(-r.coefficient(0)), 1));
        return;
    }
    if (r.degree() != 2)
        return;
    const Complex b = r.coefficient(1);
    const Complex c = r.coefficient(0);
    const Complex rootOfDiscriminant = ComplexArith::squareRoot(b * b - 4.0 * c);
    const Complex z1 = refined((-b + rootOfDiscriminant) / 2.0);
    const Complex z2 = refined((-b - rootOfDiscriminant) / 2.0);
    // A complex z1 stands for the pair. When refinement has made it real (an imaginary part
    // below √ε), it stands for one root only, and z2 must be kept as well.
    if (rootOfDiscriminant.imag() != 0.0 && z1.imag() != 0.0) {
        m_roots.append(Root(z1, 1));
    } else if (z1 == z2) {
        m_roots.append(Root(z1, 2));
    } else {
        m_roots.append(Root(z1, 1));
        m_roots.append(Root(z2, 1));
    }
}

// Selection sort: each position takes the first of the remaining roots with the largest real
// part, swapped into place.
void FactPolynom::sortByRealPartDescending()
{
    for (int i = m_roots.lowerIndex(); i < m_roots.upperIndex(); ++i) {
        int largest = i;
        for (int j = i + 1; j <= m_roots.upperIndex(); ++j) {
            if (m_roots[largest].value().real() < m_roots[j].value().real())
                largest = j;
        }
        if (largest != i)
            std::swap(m_roots[i], m_roots[largest]);
    }
}

void FactPolynom::cancelCommonRoots(FactPolynom &a, FactPolynom &b, FactPolynom &cancelledA,
                                    FactPolynom &cancelledB)
{
    cancelMatching(a, b, cancelledA, cancelledB,
                   [](const Root &x, const Root &y) { return x.isSameRoot(y.value()); });
}

void FactPolynom::cancelCommonRoots(FactPolynom &a, FactPolynom &b, FactPolynom &cancelledA,
                                    FactPolynom &cancelledB, const TransPolynom &exactA,
                                    const TransPolynom &exactB)
{
    cancelMatching(a, b, cancelledA, cancelledB, [&](const Root &x, const Root &y) {
        const int most = std::max(x.multiplicity(), y.multiplicity());
        return x.isSameRoot(y.value()) && SharedRoot::isCommonRoot(exactA, exactB, x.value(), most)
               && SharedRoot::isCommonRoot(exactA, exactB, y.value(), most);
    });
}

void FactPolynom::cancelMatching(FactPolynom &a, FactPolynom &b, FactPolynom &cancelledA,
                                 FactPolynom &cancelledB,
                                 const std::function<bool(const Root &, const Root &)> &isShared)
{
    cancelledA.clear();
    cancelledB.clear();
    int i = a.m_roots.lowerIndex();
    while (i <= a.m_roots.upperIndex()) {
        Root &x = a.m_roots[i];
        bool xRemoved = false;
        // Every match brings one of the two multiplicities to 0 and removes that root, so
        // this ends.
        for (;;) {
            int match = b.m_roots.lowerIndex();
            while (match <= b.m_roots.upperIndex() && !isShared(x, b.m_roots[match]))
                ++match;
            if (match > b.m_roots.upperIndex())
                break;
            Root &y = b.m_roots[match];
            const int shared = std::min(x.multiplicity(), y.multiplicity());
            cancelledA.append(Root(x.value(), shared));
            cancelledB.append(Root(y.value(), shared));
            x.setMultiplicity(x.multiplicity() - shared);
            y.setMultiplicity(y.multiplicity() - shared);
            if (y.multiplicity() == 0)
                b.m_roots.removeAt(match);
            if (x.multiplicity() == 0) {
                a.m_roots.removeAt(i);
                xRemoved = true;
                break;
            }
        }
        if (!xRemoved)
            ++i;
    }
}

void FactPolynom::write(opstream &os) const
{
    os.writeWord32(static_cast<std::uint32_t>(m_roots.count()));
    for (const Root &root : m_roots)
        os.writeObject(root);
}

void FactPolynom::read(ipstream &is, std::uint32_t)
{
    // A nested root takes at least its own 20-byte record.
    const std::uint32_t n = is.readCount(20);
    m_roots.clear();
    for (std::uint32_t i = 0; i < n && is.good(); ++i) {
        Root root;
        if (is.readObject(root))
            m_roots.append(root);
    }
}
