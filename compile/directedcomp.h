#pragma once

#include <model/fwd.h>

// A component of a branch with the direction in which the branch crosses it: forward when the
// walk went from the node of its first terminal to the node of its second.
struct DirectedComp
{
    Component *component = nullptr;
    bool forward = false;

    bool operator==(const DirectedComp &other) const = default;
};
