#pragma once

#include <editor/editorsettings.h>

#include <QFont>
#include <QObject>
#include <QString>

// The drawing font and colours of the desktop program, kept in the settings file. The first
// circuit document of a session reads them (and the first after all were closed reads them
// anew); the font and colour commands write them when confirmed, and the views repaint.
class DrawingSettings : public QObject
{
    Q_OBJECT

public:
    explicit DrawingSettings(const QString &iniPath, QObject *parent = nullptr);

    // A circuit document was made or destroyed.
    void acquire();
    void release();

    // The font that the views draw in (the default font while no document exists).
    const QFont &font() const { return m_font; }
    // The font chooser's choice: becomes the drawing font and is saved.
    void setFont(const QFont &font);
    // Writes font and colours to the settings file and repaints the views.
    void save();

    const EditorSettings &editorSettings() const { return m_settings; }
    const QString &iniPath() const { return m_iniPath; }

signals:
    void changed();

private:
    void updateFont();

    QString m_iniPath;
    EditorSettings m_settings;
    QFont m_font;
};
