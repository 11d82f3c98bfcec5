#include "messagesubject.h"

#include "sheetthings.h"

#include <model/tokensplitter.h>

namespace {

std::vector<CircThing *> thingsNamed(const TCircuitDocument &document, const labelUnit &word)
{
    std::vector<CircThing *> named;
    forEachSheetThing(document, [&](CircThing &thing) {
        labelUnit name = thing.name();
        name.normalize();
        if (!name.view().empty() && name == word)
            named.push_back(&thing);
    });
    return named;
}

} // namespace

std::vector<CircThing *> thingsNamedIn(const TCircuitDocument &document, std::string_view message)
{
    MArray<labelUnit> words;
    splitTokens(VString(message), words);
    for (const labelUnit &word : words) {
        std::vector<CircThing *> named = thingsNamed(document, word);
        if (!named.empty())
            return named;
    }
    return {};
}
