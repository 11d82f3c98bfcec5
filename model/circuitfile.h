#pragma once

#include <model/fileresult.h>
#include <model/fwd.h>

#include <cstdint>
#include <filesystem>

class ipstream;
class opstream;

// The circuit file: after the object stream's header, the document record — document version,
// print settings, display flags, numeric parameters, then the components, the tags and the
// tools, each list as a count followed by object pointers in list order.
namespace CircuitFile {

// The version of the document record this program writes. Older records lack the printer
// settings (before 2) and the display flags and numeric parameters (before 3); a newer one is
// read as this version.
inline constexpr std::uint32_t documentVersion = 3;

void write(const TCircuitDocument &document, opstream &os);
// Reads the record into the document through its add operations. After a stream failure the
// document keeps everything read before it; the stream tells the reason and the offset.
void read(TCircuitDocument &document, ipstream &is);

[[nodiscard]] FileResult save(const TCircuitDocument &document, const std::filesystem::path &path);
[[nodiscard]] FileResult load(TCircuitDocument &document, const std::filesystem::path &path);

} // namespace CircuitFile
