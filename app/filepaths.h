#pragma once

#include <QString>

#include <filesystem>

// Conversions between the file names of the interface and the paths of the core (UTF-8).
namespace FilePaths {

inline std::filesystem::path toPath(const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t *>(utf8.constData()),
                                               static_cast<std::size_t>(utf8.size())));
}

inline QString toQString(const std::filesystem::path &path)
{
    const std::u8string utf8 = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char *>(utf8.data()),
                             static_cast<qsizetype>(utf8.size()));
}

} // namespace FilePaths
