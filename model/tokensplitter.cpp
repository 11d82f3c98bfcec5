#include "tokensplitter.h"

#include <model/charclass.h>

void splitTokens(const VString &text, MArray<labelUnit> &tokens)
{
    const std::string_view rest = text.view();
    std::size_t position = 0;
    while (position < rest.size()) {
        const char c = rest[position];
        if (CharClass::isSpace(c)) {
            ++position;
            continue;
        }
        std::size_t end = position + 1;
        if (CharClass::isLetterOrDigit(c)) {
            while (end < rest.size() && CharClass::isLetterOrDigit(rest[end]))
                ++end;
        }
        tokens.append(labelUnit(rest.substr(position, end - position)));
        position = end;
    }
}
