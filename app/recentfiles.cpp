#include "recentfiles.h"

#include "filepaths.h"

#include <editor/inifile.h>

namespace {

constexpr const char *section = "Recent File List";

std::string keyOf(int index)
{
    return "File" + std::to_string(index + 1);
}

} // namespace

RecentFiles::RecentFiles(const QString &iniPath, QObject *parent)
    : QObject(parent)
    , m_iniPath(iniPath)
{
    const IniFile ini = IniFile::load(FilePaths::toPath(m_iniPath));
    for (int index = 0; index < maximumCount; ++index) {
        const std::optional<std::string> file = ini.value(section, keyOf(index));
        if (file && !file->empty())
            m_files.append(QString::fromStdString(*file));
    }
}

void RecentFiles::add(const QString &path)
{
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > maximumCount)
        m_files.removeLast();
    save();
}

void RecentFiles::remove(const QString &path)
{
    if (m_files.removeAll(path) > 0)
        save();
}

void RecentFiles::save()
{
    IniFile ini = IniFile::load(FilePaths::toPath(m_iniPath));
    for (int index = 0; index < maximumCount; ++index) {
        if (index < m_files.size())
            ini.setValue(section, keyOf(index), m_files.at(index).toStdString());
        else
            ini.remove(section, keyOf(index));
    }
    // A settings file that cannot be written keeps the list for this session only.
    (void)ini.save(FilePaths::toPath(m_iniPath));
    emit changed();
}
