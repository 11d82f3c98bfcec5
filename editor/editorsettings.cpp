#include "editorsettings.h"

#include "colorrolesetting.h"
#include "colortext.h"
#include "inifile.h"

namespace {

constexpr const char *fontSection = "Display";

} // namespace

EditorSettings::EditorSettings(DrawColors &colors)
    : m_colors(colors)
{
}

void EditorSettings::LoadSettings(const IniFile &file)
{
    const FontSettings defaults;
    FontSettings font;
    font.faceName = file.text(fontSection, "FontName", defaults.faceName)
                        .substr(0, FontSettings::maximumNameLength);
    font.height = file.integer(fontSection, "FHeight", defaults.height);
    font.weight = file.integer(fontSection, "FWeight", defaults.weight);
    font.pitchAndFamily = file.integer(fontSection, "FPAndFam", defaults.pitchAndFamily);
    font.italic = file.integer(fontSection, "FItal", 0) != 0;
    font.underline = file.integer(fontSection, "FUnder", 0) != 0;
    font.strikeOut = file.integer(fontSection, "FStrike", 0) != 0;
    m_font = font;

    for (const ColorRoleSetting &setting : colorRoleSettings()) {
        m_colors.setScreen(setting.role, ParseColour(file.text(screenColorSection, setting.key,
                                                               setting.screenDefault)));
        if (setting.printerDefault)
            m_colors.setPrinter(
                setting.role,
                ParseColour(file.text(printerColorSection, setting.key, setting.printerDefault)));
    }
}

void EditorSettings::SaveSettings(IniFile &file) const
{
    if (m_font) {
        file.setValue(fontSection, "FontName", m_font->faceName);
        file.setInteger(fontSection, "FHeight", m_font->height);
        file.setInteger(fontSection, "FWeight", m_font->weight);
        file.setInteger(fontSection, "FPAndFam", m_font->pitchAndFamily);
        file.setInteger(fontSection, "FItal", m_font->italic);
        file.setInteger(fontSection, "FUnder", m_font->underline);
        file.setInteger(fontSection, "FStrike", m_font->strikeOut);
    }
    for (const ColorRoleSetting &setting : colorRoleSettings())
        file.setValue(screenColorSection, setting.key, formatColour(m_colors.screen(setting.role)));
    for (const ColorRoleSetting &setting : colorRoleSettings()) {
        if (setting.printerDefault)
            file.setValue(printerColorSection, setting.key,
                          formatColour(m_colors.printer(setting.role)));
    }
}

void EditorSettings::documentCreated(const IniFile &file)
{
    ++m_documents;
    if (!m_font)
        LoadSettings(file);
}

void EditorSettings::documentDestroyed()
{
    if (m_documents > 0)
        --m_documents;
    if (m_documents == 0)
        releaseFont();
}
