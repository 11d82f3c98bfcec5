#include "graphable.h"

#include <algorithm>
#include <cmath>

double Graphable::value(double) const
{
    return 0.0;
}

double Graphable::leftValue(double) const
{
    return 0.0;
}

void Graphable::range(double, double, double, double &, double &) const {}

double Graphable::slope(double x) const
{
    return numericalSlope(x);
}

double Graphable::highestFrequency(double) const
{
    return 0.0;
}

double Graphable::previousBreak(double x) const
{
    return x;
}

double Graphable::nextBreak(double x) const
{
    return x;
}

double Graphable::numericalSlope(double x) const
{
    double h = std::max(std::abs(x) * slopeStep, slopeStep);
    // The step the arithmetic really takes, so that the difference is divided by it.
    h = (x + h) - x;
    return (value(x + h) - value(x - h)) / (2.0 * h);
}
