#pragma once

#include <vector>

// The range of one axis and the ticks on it.
struct AxisScale
{
    double low = 0.0;
    double high = 0.0;
    std::vector<double> ticks;

    bool isEmpty() const { return !(high > low); }
    double span() const { return high - low; }

    // An empty range (nothing on the axis).
    static AxisScale none() { return {1.0, 0.0, {}}; }
    // The range low ... high, widened where it cannot be drawn: equal ends become end - 1 ...
    // end + 1 (-1 ... 1 at 0); a range still too narrow to tell apart in eight significant
    // digits grows by 10 % of its value on each side. Reversed ends are swapped; a range
    // whose span overflows is empty.
    static AxisScale widened(double low, double high);

    // Ticks at whole multiples of a step from the sequence 1, 2, 2.5, 5 times a power of ten,
    // starting from the power of ten below the span: the step is made finer while fewer than
    // three ticks fall into the range and coarser while more than maxTicks do (never below
    // three). With extend, the range first grows outward to whole steps.
    void placeLinearTicks(int maxTicks, bool extend);
    // One tick per whole decade inside the range.
    void placeDecadeTicks();
};
