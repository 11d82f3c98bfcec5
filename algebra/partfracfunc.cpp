#include "partfracfunc.h"

#include <algebra/complexarith.h>
#include <algebra/factpolynom.h>
#include <algebra/polynom.h>
#include <algebra/scaledcomplex.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Complex = std::complex<double>;

struct Pole
{
    Complex value;
    int order;
};

// The poles of the list, each once, in the order of their first entry. Entries of exactly the
// same value, or of the conjugate value for a complex pole, stand for the same factor and are
// one pole of the summed order (a list that combines the poles of two ratios holds such
// entries, and so does a list with a repeated root at 0).
std::vector<Pole> distinctPoles(const FactPolynom &poles)
{
    std::vector<Pole> distinct;
    for (const Root &root : poles.roots()) {
        if (root.multiplicity() <= 0)
            continue;
        const Complex value = root.value();
        const auto same = std::find_if(distinct.begin(), distinct.end(), [&](const Pole &pole) {
            return pole.value == value || (!root.isReal() && pole.value == std::conj(value));
        });
        if (same == distinct.end())
            distinct.push_back({value, root.multiplicity()});
        else
            same->order = std::min(same->order + root.multiplicity(), Root::maxMultiplicity);
    }
    return distinct;
}

// A factor (p - r)^multiplicity of Q, by its distance u = p - r from the pole p.
struct Distance
{
    Complex u;
    int multiplicity;
};

// The first count Taylor coefficients N^(k)(p) / k! of the polynomial at p, by repeated
// synthetic division (the first one is Horner's value).
std::vector<Complex> taylorCoefficients(const Polynom &n, Complex p, int count)
{
    std::vector<Complex> b(n.coefficients().begin(), n.coefficients().end());
    std::vector<Complex> taylor(static_cast<std::size_t>(count));
    const int degree = n.degree();
    for (int k = 0; k < count && k <= degree; ++k) {
        for (int i = degree - 1; i >= k; --i)
            b[static_cast<std::size_t>(i)] += p * b[static_cast<std::size_t>(i) + 1];
        taylor[static_cast<std::size_t>(k)] = b[static_cast<std::size_t>(k)];
    }
    return taylor;
}

// The first count Taylor coefficients in h of Q(p) / Q(p + h) = Π (u / (u + h))^m over the
// distances of Q's factors. Its logarithmic derivative is L(h) = -Σ m / (u + h) = Σ_j l_j h^j
// with l_j = (-1)^(j+1) Σ m u^-(j+1), and G' = L G gives (k + 1) g_(k+1) = Σ_(j<=k) l_j g_(k-j).
// Working with the factors instead of the multiplied-out Q keeps every digit that the
// distances carry; the expanded polynomial loses them all for poles spread over decades.
std::vector<Complex> reciprocalSeries(const std::vector<Distance> &distances, int count)
{
    const std::size_t terms = static_cast<std::size_t>(count);
    std::vector<Complex> logSlope(terms - 1);
    for (const Distance &d : distances) {
        const Complex w = ComplexArith::divide(1.0, d.u);
        Complex power = w;
        for (std::size_t j = 0; j + 1 < terms; ++j) {
            const double sign = j % 2 == 0 ? -1.0 : 1.0;
            logSlope[j] += sign * d.multiplicity * power;
            power *= w;
        }
    }
    std::vector<Complex> g(terms);
    g[0] = 1.0;
    for (std::size_t k = 0; k + 1 < terms; ++k) {
        Complex sum;
        for (std::size_t j = 0; j <= k; ++j)
            sum += logSlope[j] * g[k - j];
        g[k + 1] = sum / static_cast<double>(k + 1);
    }
    return g;
}

// The factor Π (s - z)^m of the zeros near the pole p, as a series in h = s - p: its value
// Π u^m at p (u = p - z), scaled, and the first count coefficients of Π (1 + h / u)^m, a zero at
// p itself giving the factor h.
struct ZeroSeries
{
    ScaledComplex value{1.0};
    std::vector<Complex> series;
};

ZeroSeries zeroSeries(const FactPolynom &zeros, Complex p, int count)
{
    ZeroSeries result;
    result.series.assign(static_cast<std::size_t>(count), Complex());
    result.series[0] = 1.0;
    std::vector<Complex> &series = result.series;
    const auto multiply = [&](Complex u, int multiplicity) {
        const Complex w = u == Complex() ? Complex() : ComplexArith::divide(1.0, u);
        for (int m = 0; m < multiplicity; ++m) {
            for (std::size_t i = series.size(); i-- > 1;)
                series[i] = u == Complex() ? series[i - 1] : series[i] + w * series[i - 1];
            if (u == Complex())
                series[0] = 0.0;
            else
                result.value *= u;
        }
    };
    for (const Root &zero : zeros.roots()) {
        multiply(p - zero.value(), zero.multiplicity());
        if (!zero.isReal())
            multiply(p - std::conj(zero.value()), zero.multiplicity());
    }
    return result;
}

} // namespace

void PartFracFunc::expand(const Polynom &numerator, const FactPolynom &poles)
{
    expand(numerator, ScaledComplex(1.0), FactPolynom(), poles);
}

void PartFracFunc::expand(const Polynom &numerator, const ScaledComplex &gain,
                          const FactPolynom &zeros, const FactPolynom &poles)
{
    m_terms.clear();
    const std::vector<Pole> distinct = distinctPoles(poles);
    std::vector<Distance> distances;
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        const Complex p = distinct[i].value;
        const int order = distinct[i].order;
        // Q = D / (s - p)^order: the other poles, with the conjugate half of a complex one, and
        // for a complex p the factor (s - p̄)^order of its own pair.
        distances.clear();
        for (std::size_t j = 0; j < distinct.size(); ++j) {
            const Complex r = distinct[j].value;
            if (j == i) {
                if (p.imag() != 0.0)
                    distances.push_back({p - std::conj(p), order});
                continue;
            }
            distances.push_back({p - r, distinct[j].order});
            if (r.imag() != 0.0)
                distances.push_back({p - std::conj(r), distinct[j].order});
        }
        ScaledComplex q;
        for (const Distance &d : distances) {
            for (int k = 0; k < d.multiplicity; ++k)
                q *= d.u;
        }
        const ZeroSeries z = zeroSeries(zeros, p, order);
        ScaledComplex top = gain;
        top *= z.value;

        // c_k = [Σ_j n_j g_(k-j)] / Q(p), the Taylor coefficients of N / Q at p, N the
        // numerator polynomial times the zeros' factor.
        const std::vector<Complex> polynomialPart = taylorCoefficients(numerator, p, order);
        std::vector<Complex> n(static_cast<std::size_t>(order));
        for (std::size_t k = 0; k < n.size(); ++k) {
            for (std::size_t j = 0; j <= k; ++j)
                n[k] += polynomialPart[j] * z.series[k - j];
        }
        const std::vector<Complex> g
            = order == 1 ? std::vector<Complex>{1.0} : reciprocalSeries(distances, order);
        for (int k = 0; k < order; ++k) {
            Complex sum;
            for (int j = 0; j <= k; ++j)
                sum += n[static_cast<std::size_t>(j)] * g[static_cast<std::size_t>(k - j)];
            ScaledComplex term = top;
            term *= sum;
            m_terms.append(PartFrac(p, order - k, ScaledComplex::quotient(term, q)));
        }
    }
}

double PartFracFunc::response(double t) const
{
    if (t < 0.0)
        return 0.0;
    double sum = 0.0;
    for (const PartFrac &term : m_terms)
        sum += term.response(t);
    return sum;
}

double PartFracFunc::responseSlope(double t) const
{
    if (t < 0.0)
        return 0.0;
    double sum = 0.0;
    for (const PartFrac &term : m_terms)
        sum += term.responseSlope(t);
    return sum;
}

// A complex pole may be stored with either sign of its imaginary part; the pair oscillates at
// |Im p| either way.
double PartFracFunc::largestImaginaryPart() const
{
    double largest = 0.0;
    for (const PartFrac &term : m_terms)
        largest = std::max(largest, std::abs(term.pole().value().imag()));
    return largest;
}

void PartFracFunc::write(opstream &os) const
{
    os.writeWord32(static_cast<std::uint32_t>(m_terms.count()));
    for (const PartFrac &term : m_terms)
        os.writeObject(term);
}

void PartFracFunc::read(ipstream &is, std::uint32_t)
{
    // A nested term takes at least its own 64-byte record.
    const std::uint32_t n = is.readCount(64);
    m_terms.clear();
    for (std::uint32_t i = 0; i < n && is.good(); ++i) {
        PartFrac term;
        if (is.readObject(term))
            m_terms.append(term);
    }
}
