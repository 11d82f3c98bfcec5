#pragma once

#include <tools/sigsolution.h>

// The response to a signal that happens once: the plain sum of its terms.
class NonPeriodicSigSolu : public SigSolution
{
    ZENODYNE_STREAMABLE(NonPeriodicSigSolu, 1)
};
