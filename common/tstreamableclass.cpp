#include "tstreamableclass.h"

#include <map>
#include <string>

namespace {

std::map<std::string, TStreamableClass::Builder, std::less<>> &registry()
{
    static std::map<std::string, TStreamableClass::Builder, std::less<>> builders;
    return builders;
}

} // namespace

void TStreamableClass::add(std::string_view name, Builder builder)
{
    registry()[std::string(name)] = builder;
}

TStreamableClass::Builder TStreamableClass::find(std::string_view name)
{
    const auto &builders = registry();
    const auto it = builders.find(name);
    return it == builders.end() ? nullptr : it->second;
}
