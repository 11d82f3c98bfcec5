#pragma once

#include <cstdint>

// Which side of its segment a thing's label is drawn on.
enum class LabelSide : std::int32_t { Default = 0, Other = 1 };
