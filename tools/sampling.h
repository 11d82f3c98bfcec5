#pragma once

class Graphable;

// The rules shared by the signals and the time responses for sampling a column [t, t + dt)
// of a curve that oscillates or jumps.
namespace Sampling {

// A tenth of a half period per evaluation: the interval one evaluation covers at angular
// frequency f is this over f.
inline constexpr double radiansPerEvaluation = 0.314159265359;
// The most evaluations one element or term spends on one column.
inline constexpr int maxEvaluations = 20;

// How many evaluations [t, t + dt] needs for something that starts at start and oscillates at
// the angular frequency f: none unless it has started before t + dt and a column holds more
// than two evaluation intervals; then dt over one interval.
int oversamplingCount(double start, double frequency, double t, double dt);

// Widens low and high by the curve's values in [t, t2) that an element or term starting at
// start makes visible: count > 0 evaluates from max(start, t) in steps of dt / count (at most
// maxEvaluations of them); count == 0 evaluates at start when it lies inside [t, t2), which
// catches an impulse or a jump.
void scanFrom(const Graphable &curve, double start, int count, double t, double t2, double dt,
              double &low, double &high);

void widen(double value, double &low, double &high);

} // namespace Sampling
