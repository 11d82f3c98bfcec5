#pragma once

#include <common/tstreamablebase.h>

#include <memory>

class FactPolynom;
class Polynom;
class ToolDialogs;

// One element of an input signal. The base element is zero everywhere and has no transform.
class SigElement : public TStreamableBase
{
    ZENODYNE_STREAMABLE(SigElement, 1)

public:
    SigElement() = default;

    // Runs the element's dialog; answers true on OK.
    virtual bool edit(ToolDialogs &dialogs);
    virtual double value(double t) const;
    virtual double derivative(double t) const;
    // How many evaluations the interval [t, t + dt] needs (0: none beyond its ends).
    virtual int oversamplingCount(double t, double dt) const;
    virtual std::unique_ptr<SigElement> clone() const;
    // Sets numerator and poles to the element's Laplace transform, without its delay: the
    // transform is numerator over the product of the poles' factors.
    virtual void transform(Polynom &numerator, FactPolynom &poles) const;
    virtual double startTime() const;
    // The angular frequency in force at t (0: none).
    virtual double activeFrequency(double t) const;

protected:
    SigElement(const SigElement &) = default;
    SigElement &operator=(const SigElement &) = default;
};
