#include "rootsearch.h"

#include <algebra/complexarith.h>

#include <cmath>
#include <limits>

namespace {

using Complex = std::complex<double>;
using ComplexArith::epsilon;
using ComplexArith::modulus;

// Best and previous residuals start out infinite, so that the first finite residual counts as
// an improvement whatever the scale of the polynomial. (A finite start such as 1e36 is never
// beaten by a polynomial whose values near its roots are that large in rounding noise alone,
// as a sixth-order filter with poles near 10^6 rad/s has, and the search then answers its
// start point.)
constexpr double initialResidual = std::numeric_limits<double>::infinity();
// Up to this size of |Re f| + |Im f| the squared residual cannot overflow.
const double squareSafeLimit = 1e-4 * std::sqrt(1.7976931348623157e308);
// Iterates whose degree-th power would pass this decimal exponent are pulled back.
const double overflowExponent = std::log10(squareSafeLimit) - 4.0;

constexpr int maxIterations = 150;
constexpr int maxSmallSteps = 5;
constexpr int halvingCountLimit = 1000;
constexpr double convergenceTolerance = 1e5 * epsilon;
constexpr double smallStepTolerance = 100.0 * epsilon;
constexpr double restartTolerance = 1e-5;

constexpr int maxNewtonSteps = 20;
constexpr int maxNewtonStalls = 5;
// √ε: a refined root with a smaller imaginary part is taken as real.
constexpr double realSnapTolerance = 1.4901161193847656e-08;

Complex unitTurn(int radians)
{
    return {std::cos(radians), std::sin(radians)};
}

// The size of a residual: its squared modulus while that cannot overflow, else the sum of the
// absolute values of its parts.
double residualMeasure(Complex f)
{
    const double sum = ComplexArith::absoluteSum(f);
    if (sum <= squareSafeLimit)
        return f.real() * f.real() + f.imag() * f.imag();
    return sum;
}

// The state of one search: the last three iterates x0, x1, x2 with their values, the last step
// h = x2 - x1 and the ratio q of the last two steps.
class MullerSearch
{
public:
    explicit MullerSearch(const PolynomialValues &p)
        : m_p(p)
        , m_degree(p.degree())
        , m_valueExponent(valueExponent(p))
    {
    }

    Complex run()
    {
        startAt(0.0, Complex(-1.0, -1.0) / std::sqrt(2.0), Complex(1.0, 1.0) / std::sqrt(2.0));
        m_h = m_x2 - m_x1;
        m_q = ComplexArith::divide(m_h, m_x1 - m_x0);
        m_best = m_x2;
        // A poor first answer gets one more search from other start points; the step and the
        // ratio carry over into it.
        for (int pass = 0; pass < 2; ++pass) {
            m_iterations = 0;
            m_converged = false;
            m_smallSteps = 0;
            while (m_iterations <= maxIterations && !m_converged && m_smallSteps <= maxSmallSteps)
                iterate();
            if (pass > 0 || !bestIsPoor())
                break;
            startAt(1.0, -1.0, 0.0);
        }
        return m_best;
    }

private:
    // The search's tolerances on residuals are absolute, made for values of size 1 near the
    // start point 0. The value at 0 is the product of the roots, which for a polynomial of
    // high degree is far from 1 even when the roots are not (forty roots near 0.5 make it
    // 10^-12, and every point near 0 then passes for a root). The values are therefore
    // multiplied by the power of two that brings |p(0)| nearest to 1: exactly, so a
    // polynomial whose value at 0 is near 1 is searched as it is.
    static int valueExponent(const PolynomialValues &p)
    {
        const double atZero = modulus(p.valueAt(0.0));
        if (!(atZero > 0.0) || !std::isfinite(atZero))
            return 0;
        return -static_cast<int>(std::lround(std::log2(atZero)));
    }

    Complex valueAt(Complex z) const
    {
        const Complex f = m_p.valueAt(z);
        return {std::ldexp(f.real(), m_valueExponent), std::ldexp(f.imag(), m_valueExponent)};
    }

    void startAt(Complex x0, Complex x1, Complex x2)
    {
        m_x0 = x0;
        m_x1 = x1;
        m_x2 = x2;
        m_f0 = valueAt(x0);
        m_f1 = valueAt(x1);
        m_f2 = valueAt(x2);
    }

    void iterate()
    {
        takeMullerStep();
        double measure = 0.0;
        for (;;) {
            pullBackFromOverflow();
            m_f2 = valueAt(m_x2);
            measure = residualMeasure(m_f2);
            ++m_iterations;
            // A residual that explodes means the step overshot: halve it and look again.
            if (measure > 100.0 * m_previousMeasure && modulus(m_h) > convergenceTolerance
                && m_iterations < maxIterations) {
                halveStep();
                continue;
            }
            break;
        }
        judgeResidual(measure);
        m_previousMeasure = measure;
        if (std::abs(modulus(m_best) - modulus(m_x2)) < smallStepTolerance * modulus(m_best))
            ++m_smallSteps;
    }

    // The next iterate from the parabola through the last three points. Of the two roots of
    // the parabola the one nearer to x2 is taken (the larger denominator); a vanishing
    // denominator turns the step by the iteration count instead.
    void takeMullerStep()
    {
        const Complex a = m_q * (m_q * m_f0 - (1.0 + m_q) * m_f1 + m_f2);
        const Complex b = (m_f2 - m_f1) + m_q * (2.0 * (m_f2 - m_f1) + m_q * (m_f0 - m_f1));
        const Complex c = (1.0 + m_q) * m_f2;
        const Complex root = ComplexArith::squareRoot(b * b - 4.0 * a * c);
        const Complex plus = b + root;
        const Complex minus = b - root;
        const Complex denominator = modulus(plus) > modulus(minus) ? plus : minus;
        if (modulus(denominator) <= epsilon)
            m_q = unitTurn(m_iterations);
        else
            m_q = ComplexArith::divide(-2.0 * c, denominator);

        m_x0 = m_x1;
        m_x1 = m_x2;
        m_f0 = m_f1;
        m_f1 = m_f2;
        const double previousLength = modulus(m_h);
        m_h *= m_q;
        const double length = modulus(m_h);
        if (length > 1000.0 * previousLength) {
            const double shrink = 1000.0 / length;
            m_q *= shrink;
            m_h *= shrink;
        }
        m_x2 += m_h;
    }

    void halveStep()
    {
        m_h *= 0.5;
        m_q *= 0.5;
        m_x2 -= m_h;
    }

    // Keeps |x2|^degree representable. The halvings are counted over the whole search; each
    // time the count reaches the limit it starts again from 0 and this pull-back ends with the
    // step as it is, so a point that cannot be pulled back costs at most that many halvings.
    void pullBackFromOverflow()
    {
        while (modulus(m_x2) > 1.0
               && std::abs(m_degree * std::log10(modulus(m_x2))) > overflowExponent) {
            if (++m_halvings >= halvingCountLimit) {
                m_halvings = 0;
                return;
            }
            halveStep();
        }
    }

    // Records a better point, tests convergence, and kicks a search whose residual no longer
    // moves (a turned and doubled step).
    void judgeResidual(double measure)
    {
        const bool changed
            = measure < 0.99 * m_previousMeasure || measure > 1.01 * m_previousMeasure;
        if (changed) {
            if (measure < m_bestResidual) {
                m_best = m_x2;
                m_bestResidual = measure;
                m_smallSteps = 0;
                if (std::sqrt(measure) < convergenceTolerance
                    && modulus(m_h) / modulus(m_x2) < convergenceTolerance)
                    m_converged = true;
            }
        } else if (modulus(m_h) >= 0.01) {
            const Complex turn = unitTurn(m_iterations);
            m_h = 2.0 * m_h * turn;
            m_q = 2.0 * turn;
        }
    }

    // Whether the best point is too far from a root by its Newton correction relative to its
    // size.
    bool bestIsPoor() const
    {
        if (!(m_bestResidual > 0.0))
            return false;
        const PolynomialValues::ValueAndSlope at = m_p.valueAndSlopeAt(m_best);
        return modulus(at.value) / (modulus(m_best) * modulus(at.derivative)) > restartTolerance;
    }

    const PolynomialValues &m_p;
    const int m_degree;
    const int m_valueExponent;
    Complex m_x0, m_x1, m_x2;
    Complex m_f0, m_f1, m_f2;
    Complex m_h, m_q;
    // Until a finite residual is seen, the best point is the first start point.
    Complex m_best;
    double m_bestResidual = initialResidual;
    double m_previousMeasure = initialResidual;
    int m_iterations = 0;
    int m_smallSteps = 0;
    int m_halvings = 0;
    bool m_converged = false;
};

} // namespace

namespace RootSearch {

std::complex<double> mullerRoot(const PolynomialValues &p)
{
    return MullerSearch(p).run();
}

Refined refineRoot(const PolynomialValues &p, std::complex<double> z)
{
    // Until a finite residual is seen, the best point is the given root.
    Complex best = z;
    double bestResidual = initialResidual;
    Complex correction(1.0, 0.0);
    double accuracy = 1.0;
    int stalls = 0;
    for (int step = 0; step < maxNewtonSteps; ++step) {
        const PolynomialValues::ValueAndSlope at = p.valueAndSlopeAt(z);
        const double residual = modulus(at.value);
        if (residual < bestResidual) {
            best = z;
            bestResidual = residual;
            stalls = 0;
        }
        if (modulus(at.derivative) != 0.0) {
            const Complex newton = ComplexArith::divide(at.value, at.derivative);
            // A correction that grows fivefold is a jump away from the root: keep the last one.
            if (modulus(newton) < 5.0 * accuracy) {
                correction = newton;
                accuracy = modulus(newton);
            }
        }
        const double bestSize = modulus(best);
        if (bestSize != 0.0 && (accuracy / bestSize < epsilon || stalls == maxNewtonStalls))
            break;
        z -= correction;
        ++stalls;
    }
    if (std::abs(best.imag()) < realSnapTolerance)
        best.imag(0.0);
    const double bestSize = modulus(best);
    if (bestSize != 0.0)
        accuracy /= bestSize;
    return {best, accuracy};
}

} // namespace RootSearch
