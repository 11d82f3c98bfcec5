#include "limbfloat.h"

#include <algebra/scaledcomplex.h>
#include <algebra/transdouble.h>

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <complex>

namespace {

__extension__ typedef unsigned __int128 WideLimb;

// A part of a complex number as a double with the weight of its top limb's lowest bit.
struct LeadingPart
{
    double mantissa = 0.0;
    std::int64_t exponent = 0;
};

} // namespace

LimbFloat::LimbFloat(std::size_t limbs)
    : m_limbs(std::max<std::size_t>(limbs, 1) + 1, 0)
{
}

// The digits fill the guard limb too, so that the shift of normalize brings in true bits.
LimbFloat LimbFloat::from(const transDouble &value, std::size_t limbs)
{
    LimbFloat result(limbs);
    if (value.isZero())
        return result;
    const std::size_t totalBits = 64 * result.m_limbs.size();
    const std::size_t count = std::min<std::size_t>(value.length(), totalBits / 8);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t position = totalBits - 8 * (i + 1);
        result.m_limbs[position / 64] |= std::uint64_t{value.digit(i)} << (position % 64);
    }
    result.m_negative = value.isNegative();
    result.normalize(8 * std::int64_t{value.point()}
                     - 64 * static_cast<std::int64_t>(result.limbCount()));
    return result;
}

void LimbFloat::setProduct(const LimbFloat &a, double d)
{
    assert(this != &a && a.limbCount() == limbCount());
    if (a.m_zero || d == 0.0) {
        m_zero = true;
        return;
    }
    // |d| = factor × 2^binaryExponent from the bits of the double.
    const auto bits = std::bit_cast<std::uint64_t>(d);
    const auto biased = static_cast<int>((bits >> 52) & 0x7ff);
    constexpr std::uint64_t fractionMask = (std::uint64_t{1} << 52) - 1;
    const std::uint64_t factor
        = biased == 0 ? bits & fractionMask : (bits & fractionMask) | (std::uint64_t{1} << 52);
    const int binaryExponent = (biased == 0 ? 1 : biased) - 1075;
    const std::size_t n = limbCount();
    std::uint64_t carry = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        const WideLimb t = WideLimb{a.m_limbs[i]} * factor + carry;
        m_limbs[i - 1] = static_cast<std::uint64_t>(t);
        carry = static_cast<std::uint64_t>(t >> 64);
    }
    m_limbs[n] = carry;
    m_negative = a.m_negative != (d < 0.0);
    normalize(a.m_exponent + binaryExponent + 64);
}

void LimbFloat::setSum(const LimbFloat &a, const LimbFloat &b, bool subtract)
{
    assert(this != &a && this != &b && a.limbCount() == limbCount()
           && b.limbCount() == limbCount());
    const bool bNegative = b.m_negative != subtract;
    const int order = compareMagnitude(a, b);
    const LimbFloat &big = order >= 0 ? a : b;
    const LimbFloat &small = order >= 0 ? b : a;
    const bool bigNegative = order >= 0 ? a.m_negative : bNegative;
    const bool sameSign = a.m_negative == bNegative;
    if (big.m_zero) {
        m_zero = true;
        return;
    }
    if (small.m_zero) {
        std::copy(big.m_limbs.begin(), big.m_limbs.end(), m_limbs.begin());
        m_negative = bigNegative;
        m_zero = false;
        m_exponent = big.m_exponent;
        return;
    }
    if (order == 0 && !sameSign) {
        m_zero = true;
        return;
    }

    // The smaller operand shifted right into the window of the larger one, guard limb included
    // (a normalised number's guard limb is 0); the bits below the guard limb are dropped.
    const std::size_t n = limbCount();
    const std::uint64_t shift = static_cast<std::uint64_t>(big.m_exponent - small.m_exponent);
    std::fill(m_limbs.begin(), m_limbs.end(), 0);
    if (shift / 64 <= n) {
        const std::size_t limbShift = static_cast<std::size_t>(shift / 64);
        const unsigned bitShift = static_cast<unsigned>(shift % 64);
        const std::uint64_t *source = small.m_limbs.data() + limbShift;
        const std::size_t count = n + 1 - limbShift;
        if (bitShift == 0) {
            std::copy(source, source + count, m_limbs.begin());
        } else {
            for (std::size_t i = 0; i + 1 < count; ++i)
                m_limbs[i] = (source[i] >> bitShift) | (source[i + 1] << (64 - bitShift));
            m_limbs[count - 1] = source[count - 1] >> bitShift;
        }
    }

    const std::uint64_t *larger = big.m_limbs.data();
    std::int64_t exponent = big.m_exponent;
    if (sameSign) {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i <= n; ++i) {
            const WideLimb t = WideLimb{larger[i]} + m_limbs[i] + carry;
            m_limbs[i] = static_cast<std::uint64_t>(t);
            carry = static_cast<std::uint64_t>(t >> 64);
        }
        if (carry != 0) {
            for (std::size_t i = 0; i < n; ++i)
                m_limbs[i] = (m_limbs[i] >> 1) | (m_limbs[i + 1] << 63);
            m_limbs[n] = (m_limbs[n] >> 1) | (std::uint64_t{1} << 63);
            ++exponent;
        }
    } else {
        std::uint64_t borrow = 0;
        for (std::size_t i = 0; i <= n; ++i) {
            const WideLimb t = WideLimb{larger[i]} - m_limbs[i] - borrow;
            m_limbs[i] = static_cast<std::uint64_t>(t);
            borrow = static_cast<std::uint64_t>(t >> 64) & 1;
        }
    }
    m_negative = bigNegative;
    normalize(exponent);
}

int LimbFloat::compareMagnitude(const LimbFloat &a, const LimbFloat &b)
{
    if (a.m_zero || b.m_zero)
        return a.m_zero == b.m_zero ? 0 : (a.m_zero ? -1 : 1);
    if (a.m_exponent != b.m_exponent)
        return a.m_exponent < b.m_exponent ? -1 : 1;
    for (std::size_t i = a.limbCount(); i >= 1; --i) {
        if (a.m_limbs[i] != b.m_limbs[i])
            return a.m_limbs[i] < b.m_limbs[i] ? -1 : 1;
    }
    return 0;
}

void LimbFloat::normalize(std::int64_t exponent)
{
    const std::size_t n = limbCount();
    std::size_t top = n + 1;
    while (top > 0 && m_limbs[top - 1] == 0)
        --top;
    if (top == 0) {
        m_zero = true;
        return;
    }
    const std::size_t limbShift = n + 1 - top;
    const int bitShift = std::countl_zero(m_limbs[top - 1]);
    if (limbShift > 0) {
        for (std::size_t i = n + 1; i-- > 0;)
            m_limbs[i] = i >= limbShift ? m_limbs[i - limbShift] : 0;
    }
    if (bitShift > 0) {
        for (std::size_t i = n; i > 0; --i)
            m_limbs[i] = (m_limbs[i] << bitShift) | (m_limbs[i - 1] >> (64 - bitShift));
        m_limbs[0] <<= bitShift;
    }
    m_limbs[0] = 0;
    m_zero = false;
    m_exponent = exponent - 64 * static_cast<std::int64_t>(limbShift) - bitShift;
}

ScaledComplex toScaledComplex(const LimbFloat &re, const LimbFloat &im)
{
    const auto leading = [](const LimbFloat &x) {
        LeadingPart part;
        if (x.m_zero)
            return part;
        const std::size_t n = x.limbCount();
        part.mantissa = static_cast<double>(x.m_limbs[n]);
        if (x.m_negative)
            part.mantissa = -part.mantissa;
        part.exponent = x.m_exponent + 64 * static_cast<std::int64_t>(n - 1);
        return part;
    };
    const LeadingPart real = leading(re);
    const LeadingPart imaginary = leading(im);
    if (re.m_zero && im.m_zero)
        return ScaledComplex(0.0);
    const std::int64_t exponent = re.m_zero   ? imaginary.exponent
                                  : im.m_zero ? real.exponent
                                              : std::max(real.exponent, imaginary.exponent);
    // A part more than 2^2000 below the other is 0 at the precision of a double.
    const auto below = [exponent](const LeadingPart &part) {
        return std::ldexp(part.mantissa, static_cast<int>(std::max<std::int64_t>(
                                             part.exponent - exponent, -2000)));
    };
    return ScaledComplex(std::complex<double>(below(real), below(imaginary)), exponent);
}
