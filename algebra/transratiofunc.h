#pragma once

#include <algebra/transdouble.h>
#include <algebra/transpolynom.h>

// A transfer ratio: numerator over denominator, two polynomials in s. A default ratio is
// 0 / 1. The arithmetic cancels only what it can see cheaply: equal or exactly negated
// denominators, a denominator that divides the other exactly, common factors s, and in
// products and quotients a factor that divides its partner exactly. No greatest common
// divisor is computed.
class TransRatioFunc
{
public:
    TransRatioFunc();
    TransRatioFunc(TransPolynom numerator, TransPolynom denominator);

    // value / 1.
    void setConstant(const transDouble &value);

    const TransPolynom &numerator() const { return m_numerator; }
    const TransPolynom &denominator() const { return m_denominator; }
    TransPolynom &numerator() { return m_numerator; }
    TransPolynom &denominator() { return m_denominator; }

    TransRatioFunc &operator+=(const TransRatioFunc &other);
    TransRatioFunc &operator-=(const TransRatioFunc &other);
    TransRatioFunc &operator*=(const TransRatioFunc &other);
    // Dividing by a ratio that is zero, or whose denominator is zero, gives 0 / 1.
    TransRatioFunc &operator/=(const TransRatioFunc &other);
    friend TransRatioFunc operator*(const TransRatioFunc &a, const TransRatioFunc &b);

    // The numerator is zero.
    bool isZero() const { return m_numerator.isZero(); }

    // Strips both polynomials, then cancels common factors s.
    void reduce();

    // Sizes used to choose pivots: termCount strips both polynomials and answers 0 for a zero
    // ratio, else the number of numerator and denominator coefficients; digitMeasure adds the
    // smallest coefficient digit counts of numerator and denominator.
    int termCount();
    int digitMeasure() const;

    // Makes numerator and denominator monic (both stripped first) and answers the gain K with
    // ratio = K * monic numerator / monic denominator. A zero numerator gives K = 0 and the
    // numerator 1.
    transDouble normalizeMonic();

private:
    void accumulate(const TransRatioFunc &other, bool subtract);
    void multiplyReduced(const TransPolynom &n, const TransPolynom &d);
    void setZeroRatio();

    TransPolynom m_numerator;
    TransPolynom m_denominator;
};
