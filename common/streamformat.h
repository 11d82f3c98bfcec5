#pragma once

#include <cstddef>
#include <cstdint>

// Framing of the object stream, shared by opstream and ipstream.
//
// A stream starts with the magic bytes "ZNDY" and the 32-bit format version. Every word is
// little-endian. A string is its byte length (32-bit) followed by its bytes. A full object is
// the byte ObjectBegin, the class name as a string, the class version (32-bit), the record and
// the byte ObjectEnd. An object pointer is PointerNull, or PointerNew followed by a full
// object, or PointerReference followed by the 32-bit index of an object written earlier
// through a pointer (counted from 0 in writing order).
namespace StreamFormat {

inline constexpr char magic[4] = {'Z', 'N', 'D', 'Y'};
inline constexpr std::uint32_t version = 1;

inline constexpr std::uint8_t ObjectBegin = 0x5B;
inline constexpr std::uint8_t ObjectEnd = 0x5D;
inline constexpr std::uint8_t PointerNull = 0;
inline constexpr std::uint8_t PointerNew = 1;
inline constexpr std::uint8_t PointerReference = 2;

// The fewest bytes a full object takes: begin byte, name length, version, end byte (with an
// empty name and an empty record). Readers use it to bound counts of objects.
inline constexpr std::size_t minimumObjectBytes = 1 + 4 + 4 + 1;

// Nesting of objects deeper than this is taken for a damaged stream.
inline constexpr int maxObjectDepth = 64;

} // namespace StreamFormat
