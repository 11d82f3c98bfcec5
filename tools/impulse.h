#pragma once

#include <tools/sigelement.h>

// A Dirac impulse of the given magnitude at the start time. Its value is the magnitude at the
// start time exactly and 0 elsewhere.
class Impulse : public SigElement
{
    ZENODYNE_STREAMABLE(Impulse, 1)

public:
    Impulse() = default;
    Impulse(double startTime, double magnitude)
        : m_start(startTime)
        , m_magnitude(magnitude)
    {
    }

    bool edit(ToolDialogs &dialogs) override;
    double value(double t) const override;
    std::unique_ptr<SigElement> clone() const override;
    // The magnitude over no poles.
    void transform(Polynom &numerator, FactPolynom &poles) const override;
    double startTime() const override { return m_start; }

    double magnitude() const { return m_magnitude; }
    void setStart(double start) { m_start = start; }
    void setMagnitude(double magnitude) { m_magnitude = magnitude; }

private:
    double m_start = 0.0;
    double m_magnitude = 1.0;
};
