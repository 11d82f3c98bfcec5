#pragma once

#include <algebra/factpolynom.h>

#include <initializer_list>

// A root list of the given roots, in the given order.
inline FactPolynom rootList(std::initializer_list<Root> roots)
{
    FactPolynom list;
    for (const Root &root : roots)
        list.append(root);
    return list;
}
