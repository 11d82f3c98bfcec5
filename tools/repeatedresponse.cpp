#include "repeatedresponse.h"

#include <algebra/partfracfunc.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace RepeatedResponse {
namespace {

using Complex = std::complex<double>;

// The sums S_i = Σ_{j < n} (j·T)^i · r^j for i = 0 ... m over a block of n repetitions, and
// the block's length n·T. Two blocks joined give
// S_i(a + b) = S_i(a) + r^a · Σ_l C(i, l) · (a·T)^(i-l) · S_l(b).
struct Block
{
    std::vector<Complex> sums;
    double length = 0.0;
};

class PowerSums
{
public:
    PowerSums(Complex pole, double period, int power)
        : m_pole(pole)
        , m_period(period)
        , m_power(power)
    {
        for (int i = 0; i <= power; ++i) {
            m_binomial.emplace_back(static_cast<std::size_t>(i) + 1, 1.0);
            for (int l = 1; l < i; ++l)
                m_binomial[i][l] = m_binomial[i - 1][l - 1] + m_binomial[i - 1][l];
        }
    }

    // S_0 ... S_m over count repetitions, count >= 1, built from the binary digits of count.
    std::vector<Complex> over(std::uint64_t count) const
    {
        const Block one = single();
        int bit = 63;
        while (!(count >> bit & 1u))
            --bit;
        Block block = one;
        for (--bit; bit >= 0; --bit) {
            block = joined(block, block);
            if (count >> bit & 1u)
                block = joined(block, one);
        }
        return block.sums;
    }

private:
    Block single() const
    {
        Block block{std::vector<Complex>(static_cast<std::size_t>(m_power) + 1), m_period};
        block.sums[0] = 1.0; // (0·T)^0 = 1, every higher power of 0 is 0
        return block;
    }

    Block joined(const Block &a, const Block &b) const
    {
        const Complex shift = std::exp(m_pole * a.length);
        Block sum{a.sums, a.length + b.length};
        std::vector<double> offsetPowers(a.sums.size(), 1.0);
        for (std::size_t i = 1; i < offsetPowers.size(); ++i)
            offsetPowers[i] = offsetPowers[i - 1] * a.length;
        for (std::size_t i = 0; i < sum.sums.size(); ++i) {
            Complex shifted = 0.0;
            for (std::size_t l = 0; l <= i; ++l)
                shifted += m_binomial[i][l] * offsetPowers[i - l] * b.sums[l];
            sum.sums[i] += shift * shifted;
        }
        return sum;
    }

    Complex m_pole;
    double m_period;
    int m_power;
    std::vector<std::vector<double>> m_binomial;
};

// One fraction term summed: with m = n - 1 and τ_j = first + j·T,
// Σ τ_j^m e^(p τ_j) = e^(p·first) Σ_i C(m, i) first^(m-i) S_i, and the slope sum takes
// m·τ^(m-1) + p·τ^m in place of τ^m.
double termSum(const PartFrac &term, double first, double period, std::uint64_t count, bool slope)
{
    const int m = term.power() - 1;
    const Complex pole
        = term.isRealPole() ? Complex(term.pole().value().real(), 0.0) : term.pole().value();
    const std::vector<Complex> sums = PowerSums(pole, period, m).over(count);
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
    const Complex phase = std::polar(1.0, term.isRealPole() ? 0.0 : term.angle());
    return scale * (phase * std::exp(pole * first) * shape).real();
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
