#include "evaluationclock.h"

#include <chrono>
#include <ctime>

namespace EvaluationClock {

namespace {

Source currentSource = nullptr;

} // namespace

std::int64_t now()
{
    if (currentSource)
        return currentSource();
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void setSource(Source source)
{
    currentSource = source;
}

std::string localText(std::int64_t secondsSinceEpoch)
{
    const auto seconds = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    if (static_cast<std::int64_t>(seconds) != secondsSinceEpoch || !localtime_r(&seconds, &local))
        return "?";
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%c", &local);
    return length == 0 ? "?" : std::string(buffer, length);
}

} // namespace EvaluationClock
