#include "compndsig.h"

#include <tools/compndsigdialogdata.h>
#include <tools/sampling.h>
#include <tools/tooldialogs.h>

#include <algebra/factpolynom.h>
#include <algebra/polynom.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>
#include <cmath>
#include <complex>

namespace {

using Complex = std::complex<double>;

// (s - p)^power.
Polynom powerOfLinear(Complex p, int power)
{
    Polynom result(1.0);
    const Polynom linear{-p, Complex(1.0, 0.0)};
    for (int i = 0; i < power; ++i)
        result *= linear;
    return result;
}

} // namespace

bool CompndSig::edit(ToolDialogs &dialogs)
{
    CompndSigDialogData data = CompndSigDialogData::from(*this);
    if (!dialogs.compndSigDialog(data))
        return false;
    data.applyTo(*this);
    return true;
}

double CompndSig::value(double t) const
{
    const double tau = t - m_p.start;
    if (tau < 0.0)
        return 0.0;
    double v = m_p.K;
    if (m_p.r != 0.0)
        v = tau == 0.0 ? 0.0 : m_p.K * std::pow(tau, m_p.r);
    v *= std::exp(-m_p.a * tau);
    if (m_p.w > 0.0)
        v *= std::cos(m_p.w * tau + m_p.phi);
    return v;
}

// d/dτ of τ^r·e^(-aτ)·cos(wτ + phi) is e^(-aτ)·((r·τ^(r-1) - a·τ^r)·cos - w·τ^r·sin); for
// r = 0 the power is the constant 1. Every real power takes its true derivative, so that
// fractional and negative powers have slopes too.
double CompndSig::derivative(double t) const
{
    const double tau = t - m_p.start;
    if (tau < 0.0)
        return 0.0;
    const double power = m_p.r == 0.0 ? 1.0 : std::pow(tau, m_p.r);
    double d = m_p.r == 0.0 ? 0.0 : m_p.r * std::pow(tau, m_p.r - 1.0);
    d -= m_p.a * power;
    if (m_p.w > 0.0) {
        const double angle = m_p.w * tau + m_p.phi;
        d = d * std::cos(angle) - m_p.w * power * std::sin(angle);
    }
    return m_p.K * std::exp(-m_p.a * tau) * d;
}

int CompndSig::oversamplingCount(double t, double dt) const
{
    return Sampling::oversamplingCount(m_p.start, m_p.w, t, dt);
}

std::unique_ptr<SigElement> CompndSig::clone() const
{
    return std::make_unique<CompndSig>(*this);
}

// L{τ^n·e^(-aτ)} = n! / (s + a)^(n+1); with the cosine the two halves of
// cos = (e^(j(wτ+phi)) + e^(-j(wτ+phi))) / 2 give c·e^(j·phi) / (s - p)^(n+1) + its conjugate,
// p = -a + jw, c = K·n!/2, over the pole pair p, p̄ of order n + 1. The power n is r truncated
// toward zero, kept within 0 ... maxTransformPower.
void CompndSig::transform(Polynom &numerator, FactPolynom &poles) const
{
    const double truncated = std::isfinite(m_p.r) ? std::trunc(m_p.r) : 0.0;
    const int n = static_cast<int>(std::clamp(truncated, 0.0, double{maxTransformPower}));
    double factorial = 1.0;
    for (int i = 2; i <= n; ++i)
        factorial *= i;
    poles.clear();
    if (m_p.w > 0.0) {
        const Complex p(-m_p.a, m_p.w);
        const Complex c = 0.5 * m_p.K * factorial * std::polar(1.0, -m_p.phi);
        Polynom first = powerOfLinear(p, n + 1);
        first *= c;
        Polynom second = powerOfLinear(std::conj(p), n + 1);
        second *= std::conj(c);
        numerator = first + second;
        poles.append(Root(p, n + 1));
    } else {
        numerator.setConstant(m_p.K * factorial);
        poles.append(Root(Complex(-m_p.a, 0.0), n + 1));
    }
}

double CompndSig::activeFrequency(double t) const
{
    return t < m_p.start ? 0.0 : m_p.w;
}

void CompndSig::write(opstream &os) const
{
    os.writeBaseOf<SigElement>(*this);
    for (const double v : {m_p.start, m_p.K, m_p.r, m_p.a, m_p.w, m_p.phi})
        os.writeDouble(v);
}

void CompndSig::read(ipstream &is, std::uint32_t version)
{
    is.readBaseOf<SigElement>(*this);
    for (double *v : {&m_p.start, &m_p.K, &m_p.r, &m_p.a, &m_p.w, &m_p.phi})
        *v = is.readDouble();
    // The first records held one more number, which nothing uses.
    if (version <= 1)
        is.readDouble();
}
