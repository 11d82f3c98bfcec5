#pragma once

#include <algebra/root.h>

#include <ostream>

// Readable failure messages for the algebra's value classes.
inline void PrintTo(const Root &root, std::ostream *os)
{
    *os << root.value() << "^" << root.multiplicity();
}
