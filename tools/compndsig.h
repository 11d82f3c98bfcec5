#pragma once

#include <tools/sigelement.h>

// A compound element: K·τ^r·e^(-a·τ)·cos(w·τ + phi) with τ = t - start, from the start on,
// without the cosine when w <= 0. A non-integer r enters the transform truncated toward zero.
class CompndSig : public SigElement
{
    ZENODYNE_STREAMABLE(CompndSig, 2)

public:
    struct Parameters
    {
        double start = 0.0;
        double K = 0.0;
        double r = 0.0;
        double a = 0.0;
        double w = 0.0;
        double phi = 0.0;

        bool operator==(const Parameters &) const = default;
    };

    // The largest power of τ in the transform: its factorial is the largest a double holds.
    static constexpr int maxTransformPower = 170;

    CompndSig() = default;
    explicit CompndSig(const Parameters &parameters)
        : m_p(parameters)
    {
    }

    bool edit(ToolDialogs &dialogs) override;
    double value(double t) const override;
    double derivative(double t) const override;
    int oversamplingCount(double t, double dt) const override;
    std::unique_ptr<SigElement> clone() const override;
    void transform(Polynom &numerator, FactPolynom &poles) const override;
    double startTime() const override { return m_p.start; }
    double activeFrequency(double t) const override;

    const Parameters &parameters() const { return m_p; }
    void setParameters(const Parameters &parameters) { m_p = parameters; }

private:
    Parameters m_p;
};
