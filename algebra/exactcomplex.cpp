#include "exactcomplex.h"

#include <algorithm>
#include <cmath>

double logBase256(const transDouble &c)
{
    if (c.isZero())
        return -1e30;
    const double leading = c.digit(0) + (c.length() > 1 ? c.digit(1) / 256.0 : 0.0);
    return (c.point() - 1) + std::log2(leading) / 8.0;
}

double ExactComplex::logMagnitude() const
{
    return std::max(logBase256(re), logBase256(im));
}

ExactComplex operator+(const ExactComplex &a, const ExactComplex &b)
{
    return {a.re + b.re, a.im + b.im};
}

ExactComplex operator*(const ExactComplex &a, const ExactComplex &b)
{
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

ExactComplex operator-(const ExactComplex &a, const ExactComplex &b)
{
    return {a.re - b.re, a.im - b.im};
}

ExactComplex operator/(const ExactComplex &a, const ExactComplex &b)
{
    const transDouble inverseNorm = (b.re * b.re + b.im * b.im).reciprocal();
    return {(a.re * b.re + a.im * b.im) * inverseNorm, (a.im * b.re - a.re * b.im) * inverseNorm};
}

ExactComplex multiplyAdd(const ExactComplex &a, const ExactComplex &z, const transDouble &c)
{
    if (z.im.isZero())
        return {a.re * z.re + c, a.im * z.re};
    return {a.re * z.re - a.im * z.im + c, a.re * z.im + a.im * z.re};
}

ExactComplex multiplyAdd(const ExactComplex &a, const ExactComplex &z, const ExactComplex &c)
{
    ExactComplex sum = multiplyAdd(a, z, c.re);
    sum.im += c.im;
    return sum;
}
