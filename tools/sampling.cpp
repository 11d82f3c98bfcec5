#include "sampling.h"

#include <tools/graph/graphable.h>

#include <algorithm>
#include <cmath>

namespace Sampling {

int oversamplingCount(double start, double frequency, double t, double dt)
{
    if (!(start < t + dt) || !(frequency > 0.0))
        return 0;
    const double interval = radiansPerEvaluation / frequency;
    if (!(2.0 * interval < dt))
        return 0;
    // Only the first maxEvaluations are used; the bound keeps the conversion defined.
    return static_cast<int>(std::min(dt / interval, 1e9));
}

void scanFrom(const Graphable &curve, double start, int count, double t, double t2, double dt,
              double &low, double &high)
{
    if (count > 0) {
        const double from = std::max(start, t);
        for (int k = 0; k < maxEvaluations && k < count; ++k) {
            const double x = from + dt * k / count;
            if (!(x < t2))
                break;
            widen(curve.value(x), low, high);
        }
    } else if (t <= start && start < t2) {
        widen(curve.value(start), low, high);
    }
}

void widen(double value, double &low, double &high)
{
    low = std::min(low, value);
    high = std::max(high, value);
}

} // namespace Sampling
