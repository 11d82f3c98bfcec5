#pragma once

// One sample column of a curve: the extremes of the curve over the column (low == high for a
// point sample).
struct pDataPoint
{
    double low = 0.0;
    double high = 0.0;

    bool operator==(const pDataPoint &) const = default;
};
