#pragma once

#include <algorithm>

// Sums and maxima of a quantity over the objects of a pointer list (elements, terms, parts).
namespace ListSums {

template<typename List, typename Quantity>
double sum(const List &list, Quantity quantity)
{
    double total = 0.0;
    for (const auto *item : list)
        total += quantity(*item);
    return total;
}

// The largest value of the quantity, at least 0 (frequencies).
template<typename List, typename Quantity>
double largest(const List &list, Quantity quantity)
{
    double highest = 0.0;
    for (const auto *item : list)
        highest = std::max(highest, quantity(*item));
    return highest;
}

} // namespace ListSums
