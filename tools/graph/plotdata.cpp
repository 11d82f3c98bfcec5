#include "plotdata.h"

#include <algorithm>

void plotData::append(double low, double high)
{
    if (high < low)
        std::swap(low, high);
    m_points.append({low, high});
    m_maximum = std::max({m_maximum, low, high});
    m_minimum = std::min({m_minimum, low, high});
}

void plotData::clear()
{
    m_points.clear();
    m_maximum = emptyMaximum;
    m_minimum = emptyMinimum;
}
