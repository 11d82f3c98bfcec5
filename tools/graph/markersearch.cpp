#include "markersearch.h"

#include <tools/graph/graphable.h>

#include <cmath>
#include <functional>
#include <utility>

namespace MarkerSearch {
namespace {

using Function = std::function<double(double)>;

// The first step of a walk from x. At 0, where a relative step is 0, it is the same fraction
// of the step cap, so that the walk still moves.
double startStep(double x, double cap)
{
    const double step = std::abs(x * relativeStartStep);
    return step > 0.0 ? step : cap * relativeStartStep;
}

double stepCap(const Graphable &curve, double x)
{
    const double frequency = curve.highestFrequency(x);
    return frequency > 0.0 && std::isfinite(frequency) ? capPerFrequency / frequency
                                                       : capWithoutFrequency;
}

// A walk in one direction with a growing step that stops at every break of the curve: the
// step never passes a break, and from a break it starts small again with the cap in force
// there.
class Walk
{
public:
    Walk(const Graphable &curve, double from, double direction)
        : m_curve(curve)
        , m_direction(direction)
    {
        restartAt(from);
    }

    // The three points of the walk: a behind b, b the best so far, c the point ahead, with
    // the function's values at b and c.
    double a = 0.0;
    double b = 0.0;
    double fb = 0.0;
    double c = 0.0;
    double fc = 0.0;

    // Takes the first step from x0, growing it while it makes no progress by the measure
    // progress(fb, fc); answers whether it made some.
    template<typename Progress>
    bool begin(const Function &f, double x0, double f0, Progress progress)
    {
        a = b = x0;
        fb = f0;
        c = next(b);
        fc = f(c);
        for (int tries = 0; !progress(fb, fc) && tries < maxFirstStepTries && canGrow(); ++tries) {
            grow();
            c = next(b);
            fc = f(c);
        }
        return progress(fb, fc);
    }
    // Moves on: c becomes the best point and a new point ahead is taken.
    void advance(const Function &f)
    {
        a = b;
        b = c;
        fb = fc;
        moved();
        c = next(b);
        fc = f(c);
    }

    // The next point beyond from.
    double next(double from)
    {
        const double brk = m_direction > 0 ? m_curve.nextBreak(from) : m_curve.previousBreak(from);
        double to = from + m_direction * m_step;
        m_atBreak = brk != from && (to - brk) * m_direction >= 0.0;
        if (m_atBreak)
            to = brk;
        m_last = to;
        return to;
    }
    // The point proposed last was taken: grow the step, or start anew at a break.
    void moved()
    {
        if (m_atBreak)
            restartAt(m_last);
        else
            grow();
    }
    // The first step changed nothing: try a longer one from the same place.
    void grow() { m_step = std::min(m_step * stepGrowth, m_cap); }
    bool canGrow() const { return m_step < m_cap; }

private:
    void restartAt(double x)
    {
        m_cap = stepCap(m_curve, x);
        m_step = std::min(startStep(x, m_cap), m_cap);
    }

    const Graphable &m_curve;
    double m_direction;
    double m_step = 0.0;
    double m_cap = 0.0;
    double m_last = 0.0;
    bool m_atBreak = false;
};

// Golden-section search for the minimum of f between a and c.
double goldenSection(const Function &f, double a, double c)
{
    double lo = std::min(a, c);
    double hi = std::max(a, c);
    double x1 = lo + goldenComplement * (hi - lo);
    double x2 = lo + goldenRatio * (hi - lo);
    double f1 = f(x1);
    double f2 = f(x2);
    // Each step keeps 0.618 of the bracket: 3000 steps exhaust any double bracket.
    for (int i = 0; i < 3000 && std::abs(x2 - x1) > goldenTolerance * std::abs((x1 + x2) / 2);
         ++i) {
        if (f1 < f2) {
            hi = x2;
            x2 = x1;
            f2 = f1;
            x1 = lo + goldenComplement * (hi - lo);
            f1 = f(x1);
        } else {
            lo = x1;
            x1 = x2;
            f1 = f2;
            x2 = lo + goldenRatio * (hi - lo);
            f2 = f(x2);
        }
    }
    return f1 < f2 ? x1 : x2;
}

bool straddles(double fa, double fb)
{
    return (fa <= 0.0 && fb >= 0.0) || (fa >= 0.0 && fb <= 0.0);
}

// False position (Illinois variant, which keeps both ends moving) for a zero of f between a
// and b. When the ends do not straddle zero, the end closer to it is the answer.
double falsePosition(const Function &f, double a, double b)
{
    double fa = f(a);
    double fb = f(b);
    if (!straddles(fa, fb) || std::isnan(fa) || std::isnan(fb))
        return std::abs(fa) <= std::abs(fb) ? a : b;
    if (fa == 0.0)
        return a;
    if (fb == 0.0)
        return b;
    const double tolerance = falsePositionTolerance * std::abs(b - a);
    double x = b;
    int kept = 0;
    for (int i = 0; i < falsePositionSteps; ++i) {
        const double next = b - fb * (b - a) / (fb - fa);
        if (!std::isfinite(next))
            break;
        const double fn = f(next);
        const double moved = std::abs(next - x);
        x = next;
        if (fn == 0.0 || moved < tolerance || std::isnan(fn))
            break;
        if (straddles(fn, fb)) {
            a = b;
            fa = fb;
            kept = 0;
        } else if (++kept >= 2) {
            fa /= 2;
        }
        b = next;
        fb = fn;
    }
    return x;
}

double signOf(double v)
{
    return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0);
}

} // namespace

double extremumNear(const Graphable &curve, double x0, bool maximum)
{
    const double sign = maximum ? -1.0 : 1.0;
    const Function g = [&](double x) { return sign * curve.value(x); };
    const double g0 = g(x0);
    double direction = -signOf(sign * curve.slope(x0));
    if (direction == 0.0) {
        const double h = startStep(x0, stepCap(curve, x0));
        const double before = g(x0 - h);
        const double after = g(x0 + h);
        if (!(before < g0) && !(after < g0))
            return x0; // flat, or the extremum is at x0
        direction = before < after ? -1.0 : 1.0;
    }

    Walk walk(curve, x0, direction);
    if (!walk.begin(g, x0, g0, [](double gb, double gc) { return gc < gb; }))
        return x0;
    for (int moves = 0; walk.fc < walk.fb && moves < maxMoves; ++moves)
        walk.advance(g);
    if (walk.fc < walk.fb)
        return walk.c; // the walk ran out of moves while the curve kept improving
    return goldenSection(g, walk.a, walk.c);
}

double positionOfValue(const Graphable &curve, double x0, double target)
{
    const Function f = [&](double x) { return curve.value(x) - target; };
    const double f0 = f(x0);
    if (f0 == 0.0 || std::isnan(f0))
        return x0;
    // Toward the target: downhill from above it, uphill from below.
    double direction = signOf(curve.slope(x0)) * (f0 > 0.0 ? -1.0 : 1.0);
    if (direction == 0.0) {
        const double h = startStep(x0, stepCap(curve, x0));
        direction = std::abs(f(x0 - h)) < std::abs(f(x0 + h)) ? -1.0 : 1.0;
    }

    Walk walk(curve, x0, direction);
    const auto approaches
        = [](double fb, double fc) { return std::abs(fc) < std::abs(fb) || straddles(fb, fc); };
    if (!walk.begin(f, x0, f0, approaches))
        return x0;
    for (int moves = 0; moves < maxMoves; ++moves) {
        if (straddles(walk.fb, walk.fc))
            return falsePosition(f, walk.b, walk.c);
        if (!(std::abs(walk.fc) < std::abs(walk.fb))) {
            // The curve turned away before reaching the target: its closest approach is the
            // extremum between a and c, where the slope changes sign.
            const double extremum
                = falsePosition([&](double x) { return curve.slope(x); }, walk.a, walk.c);
            return std::abs(f(extremum)) < std::abs(walk.fb) ? extremum : walk.b;
        }
        walk.advance(f);
    }
    return std::abs(walk.fc) < std::abs(walk.fb) ? walk.c : walk.b;
}

} // namespace MarkerSearch
