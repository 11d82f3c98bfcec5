#pragma once

#include <gtest/gtest.h>

// A netlist that the import refuses, with the message it must give: the cases of the
// parameterised ImportError test, which both the element and the subcircuit tests instantiate.
struct SheetErrorCase
{
    const char *netlist;
    const char *message;
};

class ImportError : public ::testing::TestWithParam<SheetErrorCase>
{
};
