#pragma once

#include <cstdint>

class PartFracFunc;

// The sum of a response over evenly spaced repetitions, in closed form: the cost grows with
// the logarithm of the number of repetitions, not with the number itself.
namespace RepeatedResponse {

// The highest power of t in a term that the closed form takes; terms of higher order are
// summed one repetition at a time.
inline constexpr int maxClosedFormPower = 32;
// The most repetitions of such a term that are summed, the latest ones.
inline constexpr std::uint64_t maxRepetitionsOneByOne = 1000000;

// Σ over j = 0 ... count - 1 of the response of the fractions (or of its slope) at
// first + j·period, first >= 0 and period > 0 (j = 0 is the latest repetition).
double sum(const PartFracFunc &fractions, double first, double period, std::uint64_t count,
           bool slope);

} // namespace RepeatedResponse
