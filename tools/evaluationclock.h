#pragma once

#include <cstdint>
#include <string>

// The clock that dates the evaluations of the transfer-function tools. A moment is kept as
// whole seconds since 1970-01-01 00:00 UTC, which is also how the tool's record stores it.
namespace EvaluationClock {

using Source = std::int64_t (*)();

// The current moment from the source set last, or from the system clock.
std::int64_t now();
// Replaces the system clock (tests date their evaluations with it); null restores it.
void setSource(Source source);

// The moment in the local time zone, as the C library's date and time representation of the
// process's locale (strftime "%c"); "?" for a moment the C library cannot convert.
std::string localText(std::int64_t secondsSinceEpoch);

} // namespace EvaluationClock
