#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder below the system's temporary folder, removed with its content at the end.
class TempFolder
{
public:
    TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    ~TempFolder();

    const std::filesystem::path &path() const { return m_path; }
    std::filesystem::path file(const char *name) const { return m_path / name; }
    // The names of the entries in the folder, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path m_path;
};
