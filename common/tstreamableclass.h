#pragma once

#include <common/tstreamablebase.h>

#include <memory>
#include <string_view>

// The registry of streamable classes: maps a class name found in a stream to a builder that
// creates an empty instance for reading. Every module registers its classes explicitly (no
// static initialisers, so that nothing is lost when the core is linked as a static library).
class TStreamableClass
{
public:
    using Builder = std::unique_ptr<TStreamableBase> (*)();

    static void add(std::string_view name, Builder builder);
    template<typename T>
    static void add()
    {
        add(T::className, [] { return std::unique_ptr<TStreamableBase>(new T()); });
    }

    // Answers null for a name that was never registered.
    static Builder find(std::string_view name);
};
