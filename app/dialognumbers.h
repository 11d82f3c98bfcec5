#pragma once

#include <QString>

#include <cstdint>

// How the option dialogs read their numbers: as the C library's decimal conversion does —
// blanks, an optional sign, then the leading digits; text without digits reads as 0, and a
// number beyond the 64-bit range saturates.
namespace DialogNumbers {

std::int64_t leadingInteger(const QString &text);

// "Pages Wide" and "Pages High": a negative entry becomes 1, one above 20 becomes 20.
std::int32_t pageCountEntry(const QString &text);
// The significand bytes: the number cut to 16 bits, then brought into 25 to 4096.
std::uint16_t significandBytesEntry(const QString &text);
// "Start Page": any number of the 32-bit range (beyond it, the nearest end).
std::int32_t startPageEntry(const QString &text);

} // namespace DialogNumbers
