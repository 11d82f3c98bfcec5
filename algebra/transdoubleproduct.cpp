#include <algebra/transdoubleproduct.h>

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

std::uint64_t fromBigEndian(std::uint64_t word)
{
    if constexpr (std::endian::native == std::endian::little)
        return __builtin_bswap64(word);
    else
        return word;
}

// Reads a digit string as little-endian 64-bit limbs; answers the limb count.
std::size_t toLimbs(const std::uint8_t *digits, std::size_t length, std::uint64_t *limbs)
{
    const std::size_t fullLimbs = length / 8;
    const std::uint8_t *end = digits + length;
    for (std::size_t k = 0; k < fullLimbs; ++k) {
        std::uint64_t word;
        std::memcpy(&word, end - 8 * (k + 1), 8);
        limbs[k] = fromBigEndian(word);
    }
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
    for (std::size_t k = 0; k < fullLimbs; ++k) {
        const std::uint64_t word = fromBigEndian(limbs[k]);
        std::memcpy(digits + length - 8 * (k + 1), &word, 8);
    }
    const std::size_t rest = length - 8 * fullLimbs;
    for (std::size_t i = 0; i < rest; ++i)
        digits[rest - 1 - i] = static_cast<std::uint8_t>(limbs[fullLimbs] >> (8 * i));
}

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

constexpr std::size_t largestTransformLog = 13;

// The roots e^(-2 pi i k / size) for k < size / 2, each from its own cosine and sine rather
// than by recurrence, so every twiddle is within an ulp; the exactness bound below needs that.
const std::vector<Complex> &twiddles(std::size_t size)
{
    static thread_local std::array<std::vector<Complex>, largestTransformLog + 1> cache;
    const int log = std::countr_zero(size);
    std::vector<Complex> &table = cache[static_cast<std::size_t>(log)];
    if (table.empty()) {
        table.resize(std::max<std::size_t>(size / 2, 1));
        for (std::size_t k = 0; k < table.size(); ++k) {
            const double angle
                = -2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(size);
            table[k] = {std::cos(angle), std::sin(angle)};
        }
    }
    return table;
}

// In-place iterative radix-2 transform of a power-of-two length; `inverse` uses the conjugate
// roots and does not scale.
void complexTransform(std::vector<Complex> &z, bool inverse)
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
    const std::vector<Complex> &roots = twiddles(n);
    for (std::size_t half = 1; half < n; half <<= 1) {
        const std::size_t stride = n / (2 * half);
        for (std::size_t start = 0; start < n; start += 2 * half) {
            for (std::size_t k = 0; k < half; ++k) {
                const Complex w = inverse ? conj(roots[k * stride]) : roots[k * stride];
                const Complex u = z[start + k];
                const Complex v = z[start + k + half] * w;
                z[start + k] = u + v;
                z[start + k + half] = u - v;
            }
        }
    }
}

// Spectrum X[0..n] of 2n real samples (digits least significant first, zero padded) through
// one complex transform of length n: even samples in the real parts, odd in the imaginary.
std::vector<Complex> realSpectrum(const std::uint8_t *digits, std::size_t length, std::size_t n)
{
    std::vector<Complex> z(n, Complex{0.0, 0.0});
    for (std::size_t i = 0; i < length; ++i) {
        const double digit = digits[length - 1 - i];
        if (i % 2 == 0)
            z[i / 2].re = digit;
        else
            z[i / 2].im = digit;
    }
    complexTransform(z, false);
    const std::vector<Complex> &roots = twiddles(2 * n);
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

// The 2n real samples whose spectrum is X[0..n], times 2n (the transform is not scaled).
std::vector<Complex> realSamples(const std::vector<Complex> &spectrum, std::size_t n)
{
    const std::vector<Complex> &roots = twiddles(2 * n);
    std::vector<Complex> z(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Complex ck = spectrum[k];
        const Complex cMirror = conj(spectrum[n - k]);
        const Complex even = ck + cMirror;
        const Complex odd = (ck - cMirror) * conj(roots[k]);
        z[k] = even + timesI(odd);
    }
    complexTransform(z, true);
    return z;
}

} // namespace

void schoolbook(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b,
                std::size_t bLength, std::uint8_t *product)
{
    assert(aLength >= 1 && bLength >= 1);
    assert(aLength <= longestOperand && bLength <= longestOperand);
    std::array<std::uint64_t, longestLimbCount> aLimbs;
    std::array<std::uint64_t, longestLimbCount> bLimbs;
    std::array<std::uint64_t, 2 * longestLimbCount + 1> result;
    const std::size_t aCount = toLimbs(a, aLength, aLimbs.data());
    const std::size_t bCount = toLimbs(b, bLength, bLimbs.data());
    std::fill_n(result.begin(), aCount + bCount, 0);
    for (std::size_t i = 0; i < aCount; ++i) {
        std::uint64_t carry = 0;
        const WideLimb ai = aLimbs[i];
        for (std::size_t j = 0; j < bCount; ++j) {
            const WideLimb t = ai * bLimbs[j] + result[i + j] + carry;
            result[i + j] = static_cast<std::uint64_t>(t);
            carry = static_cast<std::uint64_t>(t >> 64);
        }
        result[i + bCount] = carry;
    }
    fromLimbs(result.data(), product, aLength + bLength);
}

// Every convolution term is an integer below 2048 * 255^2 < 2^28. With accurate roots the
// rounding error of a double transform of 2^k points is below
// |a| |b| * 3k * (1 + sqrt 5 + 1) * 2^-53 (Percival's bound; |.| the Euclidean norm), which
// for 2048 digits of 255 and k = 12 is about 2.4e-6: rounding to the nearest integer gives
// the exact term.
void transform(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b,
               std::size_t bLength, std::uint8_t *product)
{
    assert(aLength >= 1 && bLength >= 1);
    assert(aLength <= longestOperand && bLength <= longestOperand);
    const std::size_t n = std::bit_ceil(std::max(aLength, bLength));
    std::vector<Complex> spectrum = realSpectrum(a, aLength, n);
    const std::vector<Complex> other = realSpectrum(b, bLength, n);
    for (std::size_t k = 0; k <= n; ++k)
        spectrum[k] = spectrum[k] * other[k];
    const std::vector<Complex> samples = realSamples(spectrum, n);

    const std::size_t length = aLength + bLength;
    const double scale = 1.0 / static_cast<double>(2 * n);
    std::uint64_t carry = 0;
    for (std::size_t k = 0; k < length; ++k) {
        const Complex pair = samples[k / 2];
        const double term = (k % 2 == 0 ? pair.re : pair.im) * scale;
        carry += static_cast<std::uint64_t>(std::llround(term));
        product[length - 1 - k] = static_cast<std::uint8_t>(carry & 0xFF);
        carry >>= 8;
    }
    assert(carry == 0);
}

void multiply(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b,
              std::size_t bLength, std::uint8_t *product)
{
    if (std::max(aLength, bLength) >= transformCrossover)
        transform(a, aLength, b, bLength, product);
    else
        schoolbook(a, aLength, b, bLength, product);
}

} // namespace digitproduct
