#pragma once

#include <cstdint>
#include <vector>

class ScaledComplex;
class transDouble;

// A binary floating-point number of a fixed count of 64-bit limbs, the arithmetic of Horner's
// rule at a double point:
//
//     value = (-1)^negative × mantissa × 2^exponent,   mantissa's top bit set,
//
// with each result truncated to the count of limbs. A double has 53 bits, so the product of a
// number with a double costs one pass over the limbs, and sums align by a shift; results are
// written into numbers sized once, so an evaluation of a polynomial allocates nothing per step.
// The operands of one operation have the same count of limbs and are not its target.
class LimbFloat
{
public:
    // Zero with the given count of limbs (at least 1).
    explicit LimbFloat(std::size_t limbs);
    // The value truncated to the given count of limbs.
    static LimbFloat from(const transDouble &value, std::size_t limbs);

    bool isZero() const { return m_zero; }
    std::size_t limbCount() const { return m_limbs.size() - 1; }

    // this = a × d, exactly before the truncation.
    void setProduct(const LimbFloat &a, double d);
    // this = a + b, or a − b when subtract is set.
    void setSum(const LimbFloat &a, const LimbFloat &b, bool subtract = false);

    // The complex number re + i im to about 16 significant digits, whatever its exponent.
    friend ScaledComplex toScaledComplex(const LimbFloat &re, const LimbFloat &im);

private:
    static int compareMagnitude(const LimbFloat &a, const LimbFloat &b);
    // Shifts the work limbs left until the top bit is set, clears the guard limb and sets the
    // exponent of the value that the limbs held with their lowest value limb at 2^exponent.
    void normalize(std::int64_t exponent);

    bool m_negative = false;
    bool m_zero = true;
    // The weight of the lowest bit of the lowest value limb.
    std::int64_t m_exponent = 0;
    // Least significant first: a guard limb for the work of an operation, then the value limbs.
    std::vector<std::uint64_t> m_limbs;
};
