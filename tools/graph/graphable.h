#pragma once

// A curve that can be sampled, searched by markers and scanned for its extremes: the signals,
// the time responses and the Bode lines. The defaults describe a curve without breaks.
class Graphable
{
public:
    // The smallest step of the numerical slope, also its relative step.
    static constexpr double slopeStep = 6.05504894658e-06;

    virtual ~Graphable() = default;

    virtual double value(double x) const;
    // The value just before a break at x.
    virtual double leftValue(double x) const;
    // Widens low and high by the extremes over [x, x2), sampled at the resolution dx.
    virtual void range(double x, double x2, double dx, double &low, double &high) const;
    // The central difference over a step scaled to x, made exactly representable.
    virtual double slope(double x) const;
    // The angular frequency that governs step sizes near x (0: none).
    virtual double highestFrequency(double x) const;
    // The largest break below x, or x when there is none.
    virtual double previousBreak(double x) const;
    // The smallest break above x, or x when there is none.
    virtual double nextBreak(double x) const;

protected:
    Graphable() = default;
    Graphable(const Graphable &) = default;
    Graphable &operator=(const Graphable &) = default;

    double numericalSlope(double x) const;
};
