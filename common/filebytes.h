#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// Whole-file reading and writing. Both answer an empty text on success and the reason of the
// failure otherwise.

// Reads a regular file into memory; the amount read is bounded by the file's size.
[[nodiscard]] std::string readFileBytes(const std::filesystem::path &path,
                                        std::vector<std::uint8_t> &bytes);

// Writes the bytes to a temporary file in the target's folder and renames it over the target
// only once every byte is on disk, so that a failed write leaves the previous file as it was.
// The new file takes the permissions of the file it replaces; a symbolic link stays a link and
// its target is replaced.
[[nodiscard]] std::string writeFileAtomically(const std::filesystem::path &path,
                                              std::span<const std::uint8_t> bytes);
