#include "drawingsettings.h"

#include "filepaths.h"
#include "fontconversion.h"

#include <editor/inifile.h>

DrawingSettings::DrawingSettings(const QString &iniPath, QObject *parent)
    : QObject(parent)
    , m_iniPath(iniPath)
{
    updateFont();
}

void DrawingSettings::acquire()
{
    const bool loads = !m_settings.font().has_value();
    m_settings.documentCreated(IniFile::load(FilePaths::toPath(m_iniPath)));
    if (loads) {
        updateFont();
        emit changed();
    }
}

void DrawingSettings::release()
{
    m_settings.documentDestroyed();
}

void DrawingSettings::updateFont()
{
    m_font = FontConversion::toQFont(m_settings.font().value_or(FontSettings{}));
}

void DrawingSettings::setFont(const QFont &font)
{
    m_settings.setFont(FontConversion::fromQFont(font));
    updateFont();
    save();
}

void DrawingSettings::save()
{
    IniFile ini = IniFile::load(FilePaths::toPath(m_iniPath));
    m_settings.SaveSettings(ini);
    // A settings file that cannot be written keeps the choice for this session only.
    (void)ini.save(FilePaths::toPath(m_iniPath));
    emit changed();
}
