#include "dialognumbers.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

std::int64_t DialogNumbers::leadingInteger(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    return std::strtoll(bytes.constData(), nullptr, 10);
}

std::int32_t DialogNumbers::pageCountEntry(const QString &text)
{
    const std::int64_t value = leadingInteger(text);
    if (value < 0)
        return 1;
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, 20));
}

std::uint16_t DialogNumbers::significandBytesEntry(const QString &text)
{
    const auto cut = static_cast<std::uint16_t>(leadingInteger(text));
    return std::clamp<std::uint16_t>(cut, 25, 4096);
}

std::int32_t DialogNumbers::startPageEntry(const QString &text)
{
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(leadingInteger(text), std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}
