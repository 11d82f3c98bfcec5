#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

// A signed multi-precision floating-point number with base-256 digits:
//
//     value = (-1)^sign * sum over i of digit(i) * 256^(point - 1 - i)
//
// so 1 is the digit 0x01 with point 1, 0.5 is 0x80 with point 0 and 1/65536 is 0x01 with
// point -1. Every value is kept normalised: a non-zero first digit, no trailing zero digits,
// at least one digit; zero is always sign 0, the single digit 0, point 0. A normalised value
// has exactly one representation, so equality of representation is equality of value.
//
// Every arithmetic result is rounded to the work precision P (digits kept), a process-wide
// setting; the extended precision Q is always 2P. The reciprocal and the polynomial division
// raise both for their duration (see PrecisionGuard). The settings are not synchronised: all
// of this runs on one thread.
//
// A multiplication with an operand longer than longestFactor digits throws
// OversizedMultiplication and leaves its target unchanged.
class transDouble
{
public:
    // The longest operand a multiplication accepts.
    static constexpr std::size_t longestFactor = 2048;
    static constexpr std::uint16_t defaultWorkPrecision = 50;

    static std::uint16_t workPrecision();
    static std::uint16_t extendedPrecision();
    // Sets P (at least 1 digit, at most 32767 so that Q = 2P fits the setting) and Q = 2P.
    static void setWorkPrecision(std::uint16_t digits);

    // Saves P and Q on construction and restores both on destruction, also when an exception
    // passes through.
    class PrecisionGuard
    {
    public:
        PrecisionGuard();
        ~PrecisionGuard();
        PrecisionGuard(const PrecisionGuard &) = delete;
        PrecisionGuard &operator=(const PrecisionGuard &) = delete;

    private:
        std::uint16_t m_work;
        std::uint16_t m_extended;
    };

    // Shared constants.
    static const transDouble &zero();
    static const transDouble &one();
    static const transDouble &minusOne();
    static const transDouble &two();

    transDouble() = default;
    // Exact conversion, then rounded to P digits. NaN gives zero; an infinity gives the
    // largest finite double of its sign, so that it converts back to that double.
    explicit transDouble(double value);
    // Decimal text: blanks, an optional sign, digits, an optional fraction and an optional
    // exponent ("e" or "E", optional sign, digits). Reading stops at the first character that
    // does not fit; text without a digit reads as zero.
    static transDouble fromText(std::string_view text);
    // The value (-1)^negative * 0.d[0] d[1] ... * 256^point of a digit string (any digits,
    // leading or trailing zeros too), rounded to digitsKept digits (0 means P).
    static transDouble fromDigits(bool negative, const std::uint8_t *digits, std::size_t count,
                                  std::int32_t point, std::uint16_t digitsKept = 0);

    transDouble(const transDouble &other);
    transDouble(transDouble &&other) noexcept;
    transDouble &operator=(const transDouble &other);
    transDouble &operator=(transDouble &&other) noexcept;
    ~transDouble() = default;
    void swap(transDouble &other) noexcept;

    bool isNegative() const { return m_sign != 0; }
    std::uint32_t sign() const { return m_sign; }
    std::uint16_t length() const { return m_length; }
    std::int32_t point() const { return m_point; }
    std::uint8_t digit(std::size_t index) const { return digits()[index]; }
    const std::uint8_t *digits() const { return m_heap ? m_heap.get() : m_inline; }

    // Arithmetic, each result rounded to P digits.
    friend transDouble operator+(const transDouble &a, const transDouble &b);
    friend transDouble operator-(const transDouble &a, const transDouble &b);
    friend transDouble operator*(const transDouble &a, const transDouble &b);
    friend transDouble operator/(const transDouble &a, const transDouble &b);
    transDouble &operator+=(const transDouble &other);
    transDouble &operator-=(const transDouble &other);
    transDouble &operator*=(const transDouble &other);
    transDouble &operator/=(const transDouble &other);
    // Flips the sign; zero stays the canonical zero.
    transDouble operator-() const;

    // The product rounded to the given number of digits instead of P.
    static transDouble product(const transDouble &a, const transDouble &b, std::uint16_t digits);
    // 1 / value by Newton's iteration at raised precision, rounded to Q digits. The reciprocal
    // of zero is zero.
    transDouble reciprocal() const;

    // Representation equality: sign, point, length and every digit.
    friend bool operator==(const transDouble &a, const transDouble &b);
    // 1 when equal, -1 when equal but for the sign flag, 0 otherwise.
    static int signedEquality(const transDouble &a, const transDouble &b);
    // -1, 0 or 1 as |a| <, =, > |b|.
    static int compareMagnitude(const transDouble &a, const transDouble &b);
    bool isZero() const;

    // The nearest double by the summation of the first eight digits; saturates at
    // +-1.7976931348623157e308 above and +-2.2250738585072014e-308 below, never reaching 0
    // for a non-zero value.
    double toDouble() const;

    // Rounds to the given number of digits; 0 means P.
    void normalize(std::uint16_t digits = 0);

private:
    static constexpr std::size_t inlineCapacity = 56;

    std::uint8_t *mutableDigits() { return m_heap ? m_heap.get() : m_inline; }
    void reserve(std::size_t digitCount);
    void setZero();
    // Stores the exact value (-1)^negative * digits * 256^(point - count), rounded to
    // digitsKept digits.
    void assignRounded(bool negative, const std::uint8_t *digits, std::size_t count,
                       std::int64_t point, std::size_t digitsKept);
    void roundInPlace(std::size_t digitsKept);
    static void addOrSubtract(const transDouble &a, const transDouble &b, bool subtract,
                              transDouble &result);
    static void multiplyInto(const transDouble &a, const transDouble &b, std::size_t digitsKept,
                             transDouble &result);

    std::uint32_t m_sign = 0;
    std::uint16_t m_length = 1;
    std::uint16_t m_capacity = inlineCapacity;
    std::int32_t m_point = 0;
    std::unique_ptr<std::uint8_t[]> m_heap;
    std::uint8_t m_inline[inlineCapacity] = {};
};
