#include "thelplink.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <optional>
#include <string_view>

namespace {

std::string asciiLower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// The text between the first pair of double quotes after the word; none when there is none.
std::optional<std::string_view> quotedAfter(std::string_view tag, std::string_view word)
{
    const std::size_t at = tag.find(word);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::size_t open = tag.find('"', at + word.size());
    if (open == std::string_view::npos)
        return std::nullopt;
    const std::size_t close = tag.find('"', open + 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    return tag.substr(open + 1, close - open - 1);
}

// A decimal integer from the leading characters (after blanks, with an optional sign), cut to
// the 32-bit range; 0 when there are no digits.
std::int32_t leadingInteger(std::string_view text)
{
    const std::string copy(text);
    const long long value = std::strtoll(copy.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

THelpLink THelpLink::read(const std::filesystem::path &page)
{
    THelpLink link;
    link.path = page;
    std::ifstream in(page, std::ios::binary);
    bool haveTitle = false;
    bool haveOrder = false;
    std::string line;
    while (!(haveTitle && haveOrder) && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string lower = asciiLower(line);
        const std::size_t open = lower.find('<');
        if (open == std::string::npos)
            continue;
        const std::size_t close = lower.find('>', open + 1);
        if (close == std::string::npos || close == open + 1)
            continue;
        const std::string_view tag = std::string_view(lower).substr(open + 1, close - open - 1);
        if (tag.find("title") != std::string_view::npos) {
            const std::size_t end = line.find('<', close + 1);
            const std::string text = line.substr(
                close + 1, end == std::string::npos ? std::string::npos : end - close - 1);
            if (!text.empty()) {
                link.title = text;
                haveTitle = true;
            }
        } else if (tag.find("meta") != std::string_view::npos
                   && tag.find("name") != std::string_view::npos
                   && tag.find("content") != std::string_view::npos) {
            const std::optional<std::string_view> name = quotedAfter(tag, "name");
            if (!name || name->find("order") == std::string_view::npos)
                continue;
            const std::optional<std::string_view> content = quotedAfter(tag, "content");
            link.order = content ? leadingInteger(*content) : 0;
            haveOrder = true;
        }
    }
    return link;
}
