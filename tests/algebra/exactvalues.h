#pragma once

#include <algebra/transdouble.h>
#include <algebra/transpolynom.h>
#include <algebra/transratiofunc.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

// Helpers for the algebra tests: numbers from digit lists, digit lists from numbers, random
// numbers and polynomials, and evaluation of polynomials and ratios in double precision.
namespace exactvalues {

using Digits = std::vector<std::uint8_t>;

// A test that restores the precision settings it changes.
class PrecisionRestoringTest : public ::testing::Test
{
protected:
    transDouble::PrecisionGuard m_guard;
};

inline transDouble number(const Digits &digits, std::int32_t point, bool negative = false,
                          std::uint16_t digitsKept = 0)
{
    return transDouble::fromDigits(negative, digits.data(), digits.size(), point, digitsKept);
}

inline Digits digitsOf(const transDouble &value)
{
    return Digits(value.digits(), value.digits() + value.length());
}

inline Digits randomDigits(std::mt19937_64 &random, std::size_t length)
{
    std::uniform_int_distribution<int> digit(0, 255);
    Digits digits(length);
    for (auto &d : digits)
        d = static_cast<std::uint8_t>(digit(random));
    digits.front() = static_cast<std::uint8_t>(digits.front() | 1);
    digits.back() = static_cast<std::uint8_t>(digits.back() | 1);
    return digits;
}

// A random normalised number of exactly `length` digits.
inline transDouble randomNumber(std::mt19937_64 &random, std::size_t length, int pointRange = 10)
{
    std::uniform_int_distribution<int> point(-pointRange, pointRange);
    std::bernoulli_distribution negative(0.5);
    const Digits digits = randomDigits(random, length);
    return number(digits, point(random), negative(random), static_cast<std::uint16_t>(length));
}

inline TransPolynom polynomial(std::initializer_list<double> coefficients)
{
    TransPolynom result;
    int power = 0;
    for (double c : coefficients)
        result.coefficientAt(power++) = transDouble(c);
    return result;
}

inline TransRatioFunc ratio(std::initializer_list<double> numerator,
                            std::initializer_list<double> denominator)
{
    return TransRatioFunc(polynomial(numerator), polynomial(denominator));
}

// Small integer coefficients, top coefficient non-zero.
inline TransPolynom randomPolynomial(std::mt19937_64 &random, int degree)
{
    std::uniform_int_distribution<int> coefficient(-9, 9);
    TransPolynom result;
    for (int i = 0; i <= degree; ++i)
        result.coefficientAt(i) = transDouble(static_cast<double>(coefficient(random)));
    if (result.coefficient(degree).isZero())
        result.coefficientAt(degree) = transDouble(3.0);
    return result;
}

inline double evaluate(const TransPolynom &p, double s)
{
    double value = 0.0;
    for (int i = p.degree(); i >= 0; --i)
        value = value * s + p.coefficient(i).toDouble();
    return value;
}

inline double evaluate(const TransRatioFunc &r, double s)
{
    return evaluate(r.numerator(), s) / evaluate(r.denominator(), s);
}

inline std::vector<double> coefficientsOf(const TransPolynom &p)
{
    std::vector<double> result;
    for (int i = 0; i <= p.degree(); ++i)
        result.push_back(p.coefficient(i).toDouble());
    return result;
}

} // namespace exactvalues
