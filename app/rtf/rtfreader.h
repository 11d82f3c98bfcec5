#pragma once

#include <string_view>

class QTextDocument;

// Reads a Rich Text Format document into a rich-text document: what RtfWriter writes and what
// word processors commonly write. Understood are the font and colour tables, paragraphs
// ("\par", "\pard", alignment "\ql" "\qc" "\qr" "\qj"), the character attributes bold, italic,
// underline, font, size and colour (with their "0" forms and "\plain"), nested in groups, the
// escapes "\'hh" (code page 1252) and "\uN" with the fallback length of "\ucN", tabs and line
// breaks; destinations that hold no text of the document (style sheets, document information,
// pictures, objects, headers, "\*" destinations) are skipped, "\binN" data included. A final
// "\par" closes the last paragraph and opens none.
//
// Damaged input gives what can be read of it: a missing "}" closes the groups at the end,
// groups nested deeper than maxDepth are dropped with their content, parameters are clamped
// and the tables hold at most maxTableEntries entries.
class RtfReader
{
public:
    static constexpr int maxDepth = 128;
    static constexpr int maxTableEntries = 1024;

    // Replaces the content of the document. Text that is not RTF at all (no "{\rtf" at its
    // start) becomes the document's plain text, read as UTF-8, and the answer is false.
    static bool read(std::string_view rtf, QTextDocument &document);
};
