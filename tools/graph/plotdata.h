#pragma once

#include <tools/graph/pdatapoint.h>

#include <common/marray.h>

#include <limits>

// A sampled curve with the extremes of its samples.
class plotData
{
public:
    static constexpr double emptyMaximum = -std::numeric_limits<double>::max();
    static constexpr double emptyMinimum = std::numeric_limits<double>::max();

    const MArray<pDataPoint> &points() const { return m_points; }
    double maximum() const { return m_maximum; }
    double minimum() const { return m_minimum; }

    // Appends the sample with its ends ordered and widens the extremes by both.
    void append(double low, double high);
    void clear();

private:
    MArray<pDataPoint> m_points;
    double m_maximum = emptyMaximum;
    double m_minimum = emptyMinimum;
};
