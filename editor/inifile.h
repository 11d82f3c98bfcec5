#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A settings file of sections and "key=value" lines, as "ZENODYNE.INI" is written. Sections
// and keys are found regardless of case and keep the spelling and the order in which they
// first appear; values are kept as text. Lines that are neither a section header nor hold a
// "=" are ignored, and so are keys before the first section.
class IniFile
{
public:
    // A larger file is no settings file of ours; it reads as an empty one.
    static constexpr std::uintmax_t maximumFileSize = 1 << 20;

    IniFile() = default;
    // Reads the text of a file (lines end with "\n" or "\r\n").
    static IniFile parse(std::string_view text);
    // Reads a file; a missing, unreadable or oversized file gives an empty one.
    static IniFile load(const std::filesystem::path &path);

    // The text of the file: each section as "[name]" and its "key=value" lines, the sections
    // apart by an empty line.
    std::string text() const;
    // Writes the text atomically; answers the problem, empty when the file was written.
    [[nodiscard]] std::string save(const std::filesystem::path &path) const;

    // The value of a key with blanks at both ends removed; none when the key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value, or the default text when the key is absent.
    std::string text(std::string_view section, std::string_view key,
                     std::string_view defaultText) const;
    // The value as a decimal integer (optional sign, then leading digits; a value without
    // digits reads as 0, one beyond the 32-bit range saturates); the default when absent.
    std::int32_t integer(std::string_view section, std::string_view key,
                         std::int32_t defaultValue) const;
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    void setInteger(std::string_view section, std::string_view key, std::int32_t value);
    // Removes a key; answers whether it was there.
    bool remove(std::string_view section, std::string_view key);

    // The keys of a section in file order.
    std::vector<std::string> keys(std::string_view section) const;

private:
    struct Entry
    {
        std::string key;
        std::string value;
    };
    struct Section
    {
        std::string name;
        std::vector<Entry> entries;
    };

    const Section *findSection(std::string_view name) const;
    Section &sectionNamed(std::string_view name);

    std::vector<Section> m_sections;
};
