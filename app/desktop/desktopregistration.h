#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The registration of the program with the Linux desktop for the current user: its desktop
// entry (opening "*.crc" files), the MIME type "Zenodyne Document" and the icons of the
// program and the document type, written below the user's data folder (XDG_DATA_HOME,
// usually ~/.local/share), as an installation puts them below share/. After writing or
// removing them, the desktop's update commands run when they are present.
class DesktopRegistration
{
public:
    // Runs one update command (program, arguments); the default runs it when it is found on
    // the PATH.
    using Runner = std::function<void(const QString &program, const QStringList &arguments)>;

    static constexpr const char *desktopId = "org.zenodyne.Zenodyne";

    DesktopRegistration(const QString &dataFolder, const QString &programPath, Runner runner = {});

    // The user's data folder of the platform.
    static QString userDataFolder();

    // Writes the four files (the desktop entry starting the program at its full path);
    // answers the problem, empty when they were written.
    QString registerProgram() const;
    // Removes exactly the files that registerProgram writes.
    QString unregisterProgram() const;
    // The files, below the data folder.
    QStringList files() const;

private:
    QString desktopEntry() const;
    void runUpdates() const;

    QString m_dataFolder;
    QString m_programPath;
    Runner m_runner;
};
