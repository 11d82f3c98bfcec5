#include "sigelement.h"

#include <common/ipstream.h>
#include <common/opstream.h>

bool SigElement::edit(ToolDialogs &)
{
    return false;
}

double SigElement::value(double) const
{
    return 0.0;
}

double SigElement::derivative(double) const
{
    return 0.0;
}

int SigElement::oversamplingCount(double, double) const
{
    return 0;
}

std::unique_ptr<SigElement> SigElement::clone() const
{
    return std::unique_ptr<SigElement>(new SigElement(*this));
}

void SigElement::transform(Polynom &, FactPolynom &) const {}

double SigElement::startTime() const
{
    return 0.0;
}

double SigElement::activeFrequency(double) const
{
    return 0.0;
}

void SigElement::write(opstream &) const {}

void SigElement::read(ipstream &, std::uint32_t) {}
