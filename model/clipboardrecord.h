#pragma once

#include <model/fwd.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class ThingLists;

// The things that copy, cut, paste and duplicate carry: an object stream holding the component
// count and the components, the tag count and the tags, the tool count and the tools, each
// thing in the record form of the circuit file. The front end puts the bytes on the clipboard
// under the format named here.
namespace ClipboardRecord {

inline constexpr const char *formatName = "Circuit Objects";

// The document's selected things, each list in document order.
std::vector<std::uint8_t> writeSelected(const TCircuitDocument &document);

// Reads a block into the lists, which then own the things. A block that is damaged, holds a
// thing of another kind in a section, or goes on after the tools is refused whole: the answer
// tells why and the lists are left empty. The answer is empty for a good block.
[[nodiscard]] std::string read(std::span<const std::uint8_t> block, ThingLists &things);

} // namespace ClipboardRecord
