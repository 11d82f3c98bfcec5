#pragma once

#include <algebra/transdouble.h>
#include <common/marray.h>

#include <cstdint>
#include <initializer_list>

// A polynomial in s with multi-precision coefficients: index i of the list holds the
// coefficient of s^i. The stored degree is the upper index of the list; it can exceed the
// true degree while top coefficients are zero (strip() removes them). A new polynomial is
// empty; every operation that makes a polynomial leaves at least one coefficient, and the
// operations read an empty polynomial as the constant 0.
class TransPolynom
{
public:
    TransPolynom() = default;
    // The coefficients from the constant term up.
    TransPolynom(std::initializer_list<transDouble> coefficients);

    void setConstant(const transDouble &value);
    void setZero();

    // The stored degree; -1 for an empty polynomial.
    int degree() const { return m_coefficients.upperIndex(); }
    int coefficientCount() const { return m_coefficients.count(); }
    // The coefficient of s^power; zero outside 0 ... degree().
    const transDouble &coefficient(int power) const;
    // The coefficient of s^power for writing; zero coefficients are appended up to it.
    transDouble &coefficientAt(int power) { return m_coefficients.extendTo(power); }
    const transDouble &highestCoefficient() const { return coefficient(degree()); }
    const MArray<transDouble> &coefficients() const { return m_coefficients; }

    // Sum and difference coefficient by coefficient (top zeros are kept); the product term by
    // term, each product rounded before it is accumulated, of stored degree deg a + deg b.
    friend TransPolynom operator+(const TransPolynom &a, const TransPolynom &b);
    friend TransPolynom operator-(const TransPolynom &a, const TransPolynom &b);
    friend TransPolynom operator*(const TransPolynom &a, const TransPolynom &b);

    // Every coefficient is zero.
    bool isZero() const;
    // Removes zero top coefficients, keeping at least one coefficient.
    void strip();
    // Coefficients P or more digits below the largest one become zero; the others are rounded
    // to P digits.
    void chop();
    // Rounds every coefficient to the given number of digits (0 means P).
    void roundCoefficients(std::uint16_t digits);
    void removeConstantTerm() { m_coefficients.removeFirst(); }

    // The smallest and largest point among the non-zero coefficients; 0 when all are zero. A
    // zero coefficient has no magnitude, so its representation (point 0) takes no part.
    std::int32_t smallestPoint() const;
    std::int32_t largestPoint() const;
    // The smallest digit count among the coefficients (a zero coefficient counts 1 digit).
    std::uint16_t smallestDigitLength() const;

    // 0 unless both stored degrees are equal; then 1 when every coefficient pair is equal, -1
    // when every pair is equal but for the sign, 0 otherwise. Two zero coefficients count as
    // equal, so s and -s (zero constant terms) do not compare as exact negatives.
    static int compare(const TransPolynom &a, const TransPolynom &b);

    // Division with remainder: *this = quotient * divisor + remainder. When the divisor's true
    // degree exceeds this polynomial's stored degree, or the divisor is zero, the remainder is
    // this polynomial and the quotient is left untouched. The division runs at 2P (4P for the
    // quotient digits); a remainder whose largest coefficient lies P or more digits below this
    // polynomial's smallest coefficient is rounding noise and becomes zero.
    void divide(const TransPolynom &divisor, TransPolynom &quotient, TransPolynom &remainder) const;

    // Cancels p against q when one divides the other exactly (no common divisor is sought):
    // equal polynomials give 1 / 1, exact negatives -1 / 1, otherwise the larger one (by
    // degree, then by the magnitude of the top coefficient) is divided by the smaller and
    // replaced by the quotient, the smaller by 1, when the remainder is zero. Both are
    // stripped in any case; polynomials of degree 0 are left alone.
    static void reducePair(TransPolynom &p, TransPolynom &q);

private:
    MArray<transDouble> m_coefficients;
};
