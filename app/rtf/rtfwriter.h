#pragma once

#include <string>

class QTextDocument;

// Writes a rich-text document as a Rich Text Format document, in the subset that the text
// block's editor produces and RtfReader reads back: a font table and a colour table of the fonts
// and colours in use, then per paragraph its alignment ("\ql", "\qc", "\qr", "\qj") and its text
// with the changes of bold, italic, underline, font, size ("\fs", half-points) and colour
// ("\cf"); every paragraph ends with "\par". The text is 7-bit: other characters are "\uN?"
// escapes (surrogate pairs beyond the basic plane), "\", "{" and "}" are escaped, tabs and line
// breaks are "\tab" and "\line".
class RtfWriter
{
public:
    static std::string write(const QTextDocument &document);
};
