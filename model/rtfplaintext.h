#pragma once

#include <string>
#include <string_view>

// The plain text of a Rich Text Format document in UTF-8, for drawing a text block without a
// rich-text renderer: control words and the groups that hold no text (font and colour
// tables, style sheets, document information, pictures, "\*" destinations) are dropped,
// paragraph and line breaks become '\n', tabs '\t', and escaped characters ("\'hh" in the
// Windows code page 1252, "\uN" Unicode with its fallback skipped, "\\", "\{", "\}", "\~") are
// decoded. Text that is not RTF at all comes back unchanged.
std::string rtfPlainText(std::string_view rtf);
