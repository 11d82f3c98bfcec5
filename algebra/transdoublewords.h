#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// Eight base-256 digits (most significant first) read and written as one 64-bit word, for the
// digit-string kernels of transDouble.
namespace digitwords {

inline std::uint64_t load(const std::uint8_t *digits)
{
    std::uint64_t word;
    std::memcpy(&word, digits, 8);
    if constexpr (std::endian::native == std::endian::little)
        word = __builtin_bswap64(word);
    return word;
}

inline void store(std::uint64_t word, std::uint8_t *digits)
{
    if constexpr (std::endian::native == std::endian::little)
        word = __builtin_bswap64(word);
    std::memcpy(digits, &word, 8);
}

} // namespace digitwords
