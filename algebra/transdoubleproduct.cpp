#include <algebra/transdoubleproduct.h>

#include <algebra/transdoublewords.h>

#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

namespace digitproduct {

namespace {

// ---- Schoolbook on 64-bit limbs ---------------------------------------------------------

__extension__ typedef unsigned __int128 WideLimb;

constexpr std::size_t longestLimbCount = longestOperand / 8;

// Reads a digit string as little-endian 64-bit limbs; answers the limb count.
std::size_t toLimbs(const std::uint8_t *digits, std::size_t length, std::uint64_t *limbs)
{
    const std::size_t fullLimbs = length / 8;
    const std::uint8_t *end = digits + length;
    for (std::size_t k = 0; k < fullLimbs; ++k)
        limbs[k] = digitwords::load(end - 8 * (k + 1));
    const std::size_t rest = length - 8 * fullLimbs;
    if (rest == 0)
        return fullLimbs;
    std::uint64_t top = 0;
    for (std::size_t i = 0; i < rest; ++i)
        top = (top << 8) | digits[i];
    limbs[fullLimbs] = top;
    return fullLimbs + 1;
}

// Writes the lowest `length` bytes of the limbs as a big-endian digit string.
void fromLimbs(const std::uint64_t *limbs, std::uint8_t *digits, std::size_t length)
{
    const std::size_t fullLimbs = length / 8;
    for (std::size_t k = 0; k < fullLimbs; ++k)
        digitwords::store(limbs[k], digits + length - 8 * (k + 1));
    const std::size_t rest = length - 8 * fullLimbs;
    for (std::size_t i = 0; i < rest; ++i)
        digits[rest - 1 - i] = static_cast<std::uint8_t>(limbs[fullLimbs] >> (8 * i));
}

// Writes the first `count` digits of the length-digit string that the limbs hold: whole limbs
// as words, the digits of a partial limb at either end one by one.
void leadingFromLimbs(const std::uint64_t *limbs, std::size_t length, std::size_t count,
                      std::uint8_t *digits)
{
    const auto digitAt = [&](std::size_t p) {
        const std::size_t fromBottom = length - 1 - p;
        return static_cast<std::uint8_t>(limbs[fromBottom / 8] >> (8 * (fromBottom % 8)));
    };
    std::size_t p = 0;
    for (const std::size_t head = std::min(length % 8, count); p < head; ++p)
        digits[p] = digitAt(p);
    for (; p + 8 <= count; p += 8)
        digitwords::store(limbs[(length - p) / 8 - 1], digits + p);
    for (; p < count; ++p)
        digits[p] = digitAt(p);
}

// Two digit strings as limbs and the limbs of their product.
struct LimbOperands
{
    LimbOperands(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b,
                 std::size_t bLength)
        : aCount(toLimbs(a, aLength, aLimbs.data()))
        , bCount(toLimbs(b, bLength, bLimbs.data()))
    {
    }

    // Sums the limb products a_i b_j with i + j >= firstColumn into result[firstColumn ...],
    // exactly; the result limbs below firstColumn are not written.
    void multiplyFromColumn(std::size_t firstColumn)
    {
        std::fill(result.begin() + static_cast<std::ptrdiff_t>(firstColumn),
                  result.begin() + static_cast<std::ptrdiff_t>(aCount + bCount), 0);
        for (std::size_t i = 0; i < aCount; ++i) {
            const std::size_t firstJ = firstColumn > i ? firstColumn - i : 0;
            if (firstJ >= bCount)
                continue;
            std::uint64_t carry = 0;
            const WideLimb ai = aLimbs[i];
            for (std::size_t j = firstJ; j < bCount; ++j) {
                const WideLimb t = ai * bLimbs[j] + result[i + j] + carry;
                result[i + j] = static_cast<std::uint64_t>(t);
                carry = static_cast<std::uint64_t>(t >> 64);
            }
            result[i + bCount] = carry;
        }
    }

    std::array<std::uint64_t, longestLimbCount> aLimbs;
    std::array<std::uint64_t, longestLimbCount> bLimbs;
    std::array<std::uint64_t, 2 * longestLimbCount + 1> result;
    std::size_t aCount;
    std::size_t bCount;
};

// ---- Real-input transform ---------------------------------------------------------------

struct Complex
{
    double re;
    double im;
};

Complex operator+(Complex a, Complex b)
{
    return {a.re + b.re, a.im + b.im};
}
Complex operator-(Complex a, Complex b)
{
    return {a.re - b.re, a.im - b.im};
}
Complex operator*(Complex a, Complex b)
{
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
Complex conj(Complex a)
{
    return {a.re, -a.im};
}
Complex timesI(Complex a)
{
    return {-a.im, a.re};
}

// Samples are 16-bit words (two digits), so a product of 2048 digits needs a real transform of
// 2048 points, done as a complex transform of 1024 points.
constexpr std::size_t largestRealLength = longestOperand;

// rootTable()[h + k] = e^(-i pi k / h) for k < h and h a power of two below largestRealLength:
// the roots of every butterfly stage lie side by side. Each root comes from its own cosine and
// sine rather than from a recurrence, so every one is within an ulp; the error bound below
// relies on that.
const std::vector<Complex> &rootTable()
{
    static const std::vector<Complex> table = [] {
        std::vector<Complex> roots(largestRealLength);
        for (std::size_t h = 1; h < largestRealLength; h <<= 1) {
            for (std::size_t k = 0; k < h; ++k) {
                const double angle
                    = -std::numbers::pi * static_cast<double>(k) / static_cast<double>(h);
                roots[h + k] = {std::cos(angle), std::sin(angle)};
            }
        }
        return roots;
    }();
    return table;
}

// In-place iterative radix-2 transform of a power-of-two length. The inverse uses the
// conjugate roots and does not scale.
template<bool Inverse>
void complexTransform(std::vector<Complex> &z)
{
    const std::size_t n = z.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(z[i], z[j]);
    }
    const Complex *roots = rootTable().data();
    for (std::size_t half = 1; half < n; half <<= 1) {
        const Complex *stageRoots = roots + half;
        for (std::size_t start = 0; start < n; start += 2 * half) {
            Complex *low = z.data() + start;
            Complex *high = low + half;
            for (std::size_t k = 0; k < half; ++k) {
                const Complex w = Inverse ? conj(stageRoots[k]) : stageRoots[k];
                const Complex v = high[k] * w;
                high[k] = low[k] - v;
                low[k] = low[k] + v;
            }
        }
    }
}

// The 16-bit word j (least significant first) of a digit string.
double word(const std::uint8_t *digits, std::size_t length, std::size_t j)
{
    const std::size_t low = length - 1 - 2 * j;
    const unsigned high = 2 * j + 1 < length ? digits[low - 1] : 0;
    return static_cast<double>((high << 8) | digits[low]);
}

// Spectrum X[0..n] of 2n real samples (the words of the digit string, zero padded) through one
// complex transform of length n: even samples in the real parts, odd ones in the imaginary.
std::vector<Complex> realSpectrum(const std::uint8_t *digits, std::size_t length, std::size_t n)
{
    std::vector<Complex> z(n, Complex{0.0, 0.0});
    const std::size_t words = (length + 1) / 2;
    for (std::size_t j = 0; j < words; ++j) {
        if (j % 2 == 0)
            z[j / 2].re = word(digits, length, j);
        else
            z[j / 2].im = word(digits, length, j);
    }
    complexTransform<false>(z);
    const Complex *roots = rootTable().data() + n; // e^(-2 pi i k / 2n)
    std::vector<Complex> spectrum(n + 1);
    for (std::size_t k = 0; k <= n; ++k) {
        const Complex zk = z[k % n];
        const Complex zMirror = conj(z[(n - k) % n]);
        const Complex even = {0.5 * (zk.re + zMirror.re), 0.5 * (zk.im + zMirror.im)};
        const Complex oddTimesTwoI = zk - zMirror;
        const Complex odd = {0.5 * oddTimesTwoI.im, -0.5 * oddTimesTwoI.re};
        const Complex root = k < n ? roots[k] : Complex{-1.0, 0.0};
        spectrum[k] = even + root * odd;
    }
    return spectrum;
}

// The 2n real samples whose spectrum is X[0..n], times 2n (the transform is not scaled), as
// pairs: sample 2j in the real part of entry j, sample 2j + 1 in its imaginary part.
std::vector<Complex> realSamples(const std::vector<Complex> &spectrum, std::size_t n)
{
    const Complex *roots = rootTable().data() + n;
    std::vector<Complex> z(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Complex ck = spectrum[k];
        const Complex cMirror = conj(spectrum[n - k]);
        const Complex even = ck + cMirror;
        const Complex odd = (ck - cMirror) * conj(roots[k]);
        z[k] = even + timesI(odd);
    }
    complexTransform<true>(z);
    return z;
}

} // namespace

void schoolbook(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b,
                std::size_t bLength, std::uint8_t *product)
{
    assert(aLength >= 1 && bLength >= 1);
    assert(aLength <= longestOperand && bLength <= longestOperand);
    LimbOperands operands(a, aLength, b, bLength);
    operands.multiplyFromColumn(0);
    fromLimbs(operands.result.data(), product, aLength + bLength);
}

// Only the columns of limb products from firstColumn up are summed, two limbs below the lowest
// limb that holds a wanted digit. The columns left out add E < m 2^(64 (firstColumn + 1)) to
// the truncated sum T, m being the shorter operand's limb count (each column has at most m
// products below 2^128). That cannot carry into the wanted limbs while T's limb at
// firstColumn + 1 is at most 2^64 - 1 - m; otherwise, about once in 2^64 / m, the full product
// is formed. Either way the wanted digits are those of the exact product, so that rounding
// them gives the same result, digit for digit, as rounding the full product.
void leading(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b, std::size_t bLength,
             std::size_t count, std::uint8_t *product)
{
    assert(count >= 1 && count <= aLength + bLength);
    const std::size_t length = aLength + bLength;
    if (aLength * bLength >= transformCrossover * transformCrossover) {
        std::array<std::uint8_t, 2 * longestOperand> full;
        transform(a, aLength, b, bLength, full.data());
        std::memcpy(product, full.data(), count);
        return;
    }
    LimbOperands operands(a, aLength, b, bLength);
    const std::size_t lowestWantedLimb = (length - count) / 8;
    const std::size_t shorter = std::min(operands.aCount, operands.bCount);
    bool settled = false;
    if (lowestWantedLimb >= 2) {
        const std::size_t firstColumn = lowestWantedLimb - 2;
        operands.multiplyFromColumn(firstColumn);
        settled = operands.result[firstColumn + 1] <= ~std::uint64_t{0} - shorter;
    }
    if (!settled)
        operands.multiplyFromColumn(0);
    leadingFromLimbs(operands.result.data(), length, count, product);
}

// The words of the operands are convolved: every term is an integer below
// 1024 * 65535^2 < 2^42. With roots accurate to an ulp the rounding error of a double transform
// of 2^k points is below |a| |b| * ((1 + e)^3k (1 + e sqrt 5)^(3k + 1) (1 + e)^3k - 1) with
// e = 2^-53 and |.| the Euclidean norm (Percival's bound); for 1024 words of 65535 (|a| <=
// 65535 * 32) and k = 11 that is below 0.07, and the pre- and post-passes of the real
// transform add a few ulps of the largest term more. Rounding each term to the nearest integer
// therefore gives the exact convolution; the tests compare with the schoolbook product on
// random and all-0xFF operands of every length up to the longest.
void transform(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b,
               std::size_t bLength, std::uint8_t *product)
{
    assert(aLength >= 1 && bLength >= 1);
    assert(aLength <= longestOperand && bLength <= longestOperand);
    const std::size_t words = (std::max(aLength, bLength) + 1) / 2;
    const std::size_t n = std::bit_ceil(words); // 2n real samples hold the whole convolution
    std::vector<Complex> spectrum = realSpectrum(a, aLength, n);
    const std::vector<Complex> other = realSpectrum(b, bLength, n);
    for (std::size_t k = 0; k <= n; ++k)
        spectrum[k] = spectrum[k] * other[k];
    const std::vector<Complex> samples = realSamples(spectrum, n);

    const std::size_t length = aLength + bLength;
    const double scale = 1.0 / static_cast<double>(2 * n);
    std::uint64_t carry = 0;
    for (std::size_t j = 0; 2 * j < length; ++j) {
        const Complex pair = samples[j / 2];
        const double term = (j % 2 == 0 ? pair.re : pair.im) * scale;
        carry += static_cast<std::uint64_t>(std::llround(term));
        product[length - 1 - 2 * j] = static_cast<std::uint8_t>(carry);
        if (2 * j + 1 < length)
            product[length - 2 - 2 * j] = static_cast<std::uint8_t>(carry >> 8);
        carry >>= 16;
    }
    assert(carry == 0);
}

void multiply(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b,
              std::size_t bLength, std::uint8_t *product)
{
    if (aLength * bLength >= transformCrossover * transformCrossover)
        transform(a, aLength, b, bLength, product);
    else
        schoolbook(a, aLength, b, bLength, product);
}

} // namespace digitproduct
