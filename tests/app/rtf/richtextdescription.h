#pragma once

#include <QString>

class QTextDocument;

// A rich-text document as text, for comparing documents character for character: one line per
// paragraph, its alignment, then its runs of equal attributes as "[attributes]text", the
// attributes resolved against the document's default font: "b", "i", "u" when set, the font
// family, the size in points and the colour ("auto" when none is set). An empty paragraph
// shows the attributes of its paragraph mark.
QString describeRichText(const QTextDocument &document);
