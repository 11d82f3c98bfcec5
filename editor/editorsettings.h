#pragma once

#include <editor/fontsettings.h>

#include <common/drawcolors.h>

#include <optional>

class IniFile;

// The drawing font and the two colour sets, shared by every circuit document and view, and
// kept in the settings file "ZENODYNE.INI". The font exists while circuit documents do: the
// first document loads font and colours from the file, and the last one releases the font, so
// that the next document reads both anew. Colours go to a colour record (the process-wide one
// unless another is given), which the drawing code uses.
class EditorSettings
{
public:
    static constexpr const char *fileName = "ZENODYNE.INI";

    explicit EditorSettings(DrawColors &colors = DrawColors::current());

    const std::optional<FontSettings> &font() const { return m_font; }
    void setFont(const FontSettings &font) { m_font = font; }
    void releaseFont() { m_font.reset(); }
    DrawColors &colors() const { return m_colors; }

    // Reads font and all colours; missing keys give the defaults, a face name is cut to 80
    // characters.
    void LoadSettings(const IniFile &file);
    // Writes the font keys when there is a font, then the eleven screen colours and the eight
    // printer colours in list order.
    void SaveSettings(IniFile &file) const;

    // A circuit document was created: the first (while there is no font) loads the settings.
    void documentCreated(const IniFile &file);
    // A circuit document was destroyed: the last releases the font.
    void documentDestroyed();
    int documentCount() const { return m_documents; }

private:
    DrawColors &m_colors;
    std::optional<FontSettings> m_font;
    int m_documents = 0;
};
