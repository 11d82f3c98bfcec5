#include "repeatedresponse.h"

#include <algebra/partfracfunc.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

namespace RepeatedResponse {
namespace {

using Complex = std::complex<double>;

constexpr std::size_t maxTerms = maxClosedFormPower + 1;
using Sums = std::array<Complex, maxTerms>;

// Binomial coefficients C(i, l) for i, l < maxTerms.
const std::array<std::array<double, maxTerms>, maxTerms> &binomials()
{
    static const auto table = [] {
        std::array<std::array<double, maxTerms>, maxTerms> c{};
        for (std::size_t i = 0; i < maxTerms; ++i) {
            c[i][0] = c[i][i] = 1.0;
            for (std::size_t l = 1; l < i; ++l)
                c[i][l] = c[i - 1][l - 1] + c[i - 1][l];
        }
        return c;
    }();
    return table;
}

// The sums S_i = Σ_{j < n} (j·T)^i · r^j for i = 0 ... m over a block of n repetitions, with
// the block's length n·T and r^n. Two blocks joined give
// S_i(a + b) = S_i(a) + r^a · Σ_l C(i, l) · (a·T)^(i-l) · S_l(b).
struct Block
{
    Sums sums{};
    double length = 0.0;
    Complex shift; // r^n
};

// Joins the block b onto the end of the block a, in place; the terms go from the highest power
// down, so that b may be a itself.
void join(Block &a, const Block &b, int m)
{
    const auto &c = binomials();
    std::array<double, maxTerms> offsetPowers;
    offsetPowers[0] = 1.0;
    for (int i = 1; i <= m; ++i)
        offsetPowers[i] = offsetPowers[i - 1] * a.length;
    for (int i = m; i >= 0; --i) {
        Complex shifted = 0.0;
        for (int l = 0; l <= i; ++l)
            shifted += c[i][l] * offsetPowers[i - l] * b.sums[l];
        a.sums[i] += a.shift * shifted;
    }
    a.length += b.length;
    a.shift *= b.shift;
}

// S_0 ... S_m over count >= 1 repetitions, built from the binary digits of count.
Sums powerSums(Complex pole, double period, int m, std::uint64_t count)
{
    const Complex r = std::exp(pole * period);
    // A simple pole away from r = 1: the geometric sum (1 - r^n) / (1 - r), where r^n is
    // left out once it has decayed below the last digit (|r^n| < e^-40).
    if (m == 0 && std::norm(1.0 - r) > 1e-6) {
        const double length = static_cast<double>(count) * period;
        const Complex rn = pole.real() * length < -40.0 ? 0.0 : std::exp(pole * length);
        Sums sums{};
        sums[0] = (1.0 - rn) / (1.0 - r);
        return sums;
    }
    if (m == 0 && pole == 0.0) {
        Sums sums{};
        sums[0] = static_cast<double>(count); // r = 1
        return sums;
    }
    Block one;
    one.sums[0] = 1.0; // (0·T)^0 = 1, every higher power of 0 is 0
    one.length = period;
    one.shift = r;
    int bit = 63;
    while (!(count >> bit & 1u))
        --bit;
    Block block = one;
    for (--bit; bit >= 0; --bit) {
        join(block, block, m);
        if (count >> bit & 1u)
            join(block, one, m);
    }
    return block.sums;
}

// One fraction term summed: with m = n - 1 and τ_j = first + j·T,
// Σ τ_j^m e^(p τ_j) = e^(p·first) Σ_i C(m, i) first^(m-i) S_i, and the slope sum takes
// m·τ^(m-1) + p·τ^m in place of τ^m.
double termSum(const PartFrac &term, double first, double period, std::uint64_t count, bool slope)
{
    const int m = term.power() - 1;
    const Complex pole
        = term.isRealPole() ? Complex(term.pole().value().real(), 0.0) : term.pole().value();
    const Sums sums = powerSums(pole, period, m, count);
    // powerSum[k] = Σ_j τ_j^k e^(p τ_j) / e^(p·first), for k = m - 1 and m.
    const auto powerSum = [&](int k) {
        Complex total = 0.0;
        double binomial = 1.0;
        for (int i = 0; i <= k; ++i) {
            total += binomial * std::pow(first, k - i) * sums[static_cast<std::size_t>(i)];
            binomial = binomial * (k - i) / (i + 1);
        }
        return total;
    };
    Complex shape = powerSum(m);
    if (slope)
        shape = pole * shape + (m > 0 ? static_cast<double>(m) * powerSum(m - 1) : 0.0);
    const double scale = (term.isRealPole() ? 1.0 : 2.0) * term.value() / term.factorial();
    // e^(j·angle) · e^(p·first) as one exponential.
    const double angle = term.isRealPole() ? 0.0 : term.angle();
    const Complex start = std::exp(Complex(pole.real() * first, pole.imag() * first + angle));
    return scale * (start * shape).real();
}

} // namespace

double sum(const PartFracFunc &fractions, double first, double period, std::uint64_t count,
           bool slope)
{
    if (count == 0)
        return 0.0;
    double total = 0.0;
    for (const PartFrac &term : fractions.terms()) {
        if (term.power() >= 1 && term.power() - 1 <= maxClosedFormPower) {
            total += termSum(term, first, period, count, slope);
            continue;
        }
        // Orders no circuit produces: the latest repetitions one by one, as many as bounded.
        const std::uint64_t summed = std::min<std::uint64_t>(count, maxRepetitionsOneByOne);
        for (std::uint64_t j = 0; j < summed; ++j) {
            const double t = first + static_cast<double>(j) * period;
            total += slope ? term.responseSlope(t) : term.response(t);
        }
    }
    return total;
}

} // namespace RepeatedResponse
