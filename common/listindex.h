#pragma once

// The index answered by the lists' indexOf() for an element that is not in the list.
inline constexpr int absentIndex = 2147483647;
