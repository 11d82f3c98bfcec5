#pragma once

class Graphable;

// The searches behind the markers. Every search walks from a start position with a growing
// step to bracket what it looks for, then narrows the bracket; all loops are bounded, so a
// search ends on flat, broken or non-finite curves too (answering the best point it saw).
namespace MarkerSearch {

// Growth of the walking step after each move.
inline constexpr double stepGrowth = 1.618034;
// The step that starts a walk, relative to the position.
inline constexpr double relativeStartStep = 1e-10;
// The largest step is this over the highest frequency in force, or capWithoutFrequency.
inline constexpr double capPerFrequency = 0.628318530718;
inline constexpr double capWithoutFrequency = 0.1;
// The golden-section ratios and its relative stopping width.
inline constexpr double goldenRatio = 0.61803399;
inline constexpr double goldenComplement = 1.0 - goldenRatio;
inline constexpr double goldenTolerance = 1e-10;
// False position: at most this many steps, stopping when a step moves the point by less than
// the tolerance (relative to the bracket it started from).
inline constexpr int falsePositionSteps = 30;
inline constexpr double falsePositionTolerance = 1e-08;
// Bounds of the walk: moves, and attempts to make the first step change the value.
inline constexpr int maxMoves = 4000;
inline constexpr int maxFirstStepTries = 80;

// The position of the local minimum (or maximum) of the curve nearest to x0 in the direction
// in which the curve falls (rises) from x0; x0 itself when the curve is flat or already has
// its extremum there.
double extremumNear(const Graphable &curve, double x0, bool maximum);

// The position near x0 where the curve takes the target value. When the curve turns before
// reaching it, the position of its closest approach.
double positionOfValue(const Graphable &curve, double x0, double target);

} // namespace MarkerSearch
