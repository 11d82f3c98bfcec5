#pragma once

#include <QObject>
#include <QStringList>

// The recently used files, newest first, at most ten, kept in the settings file under
// "[Recent File List]" as "File1" to "File10". Every change is written at once, into the file
// as it is then, so that the other settings in it stay as they are.
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int maximumCount = 10;

    explicit RecentFiles(const QString &iniPath, QObject *parent = nullptr);

    const QStringList &files() const { return m_files; }
    // Puts a file at the front (moving it there when it is listed already).
    void add(const QString &path);
    void remove(const QString &path);

signals:
    void changed();

private:
    void save();

    QString m_iniPath;
    QStringList m_files;
};
