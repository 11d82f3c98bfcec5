#include "inifile.h"

#include <common/filebytes.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <system_error>

namespace {

bool sameName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x))
               == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::int32_t leadingInteger(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(value * 10 + (text[i] - '0'), limit);
    value = negative ? -value : value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

IniFile IniFile::parse(std::string_view text)
{
    IniFile file;
    Section *current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &file.sectionNamed(trimmed(line.substr(1, line.size() - 2)));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos)
            continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        if (key.empty())
            continue;
        const std::string_view value = trimmed(line.substr(equals + 1));
        auto &entries = current->entries;
        const auto existing = std::ranges::find_if(
            entries, [&](const Entry &entry) { return sameName(entry.key, key); });
        if (existing == entries.end())
            entries.push_back({std::string(key), std::string(value)});
    }
    return file;
}

IniFile IniFile::load(const std::filesystem::path &path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > maximumFileSize)
        return {};
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(path, bytes).empty())
        return {};
    return parse(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}

std::string IniFile::text() const
{
    std::string out;
    for (const Section &section : m_sections) {
        if (!out.empty())
            out += '\n';
        out += '[' + section.name + "]\n";
        for (const Entry &entry : section.entries)
            out += entry.key + '=' + entry.value + '\n';
    }
    return out;
}

std::string IniFile::save(const std::filesystem::path &path) const
{
    const std::string content = text();
    return writeFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t *>(content.data()), content.size()));
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const Section *found = findSection(section);
    if (!found)
        return std::nullopt;
    for (const Entry &entry : found->entries) {
        if (sameName(entry.key, key))
            return entry.value;
    }
    return std::nullopt;
}

std::string IniFile::text(std::string_view section, std::string_view key,
                          std::string_view defaultText) const
{
    return value(section, key).value_or(std::string(defaultText));
}

std::int32_t IniFile::integer(std::string_view section, std::string_view key,
                              std::int32_t defaultValue) const
{
    const std::optional<std::string> text = value(section, key);
    return text ? leadingInteger(*text) : defaultValue;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    auto &entries = sectionNamed(section).entries;
    const auto existing = std::ranges::find_if(
        entries, [&](const Entry &entry) { return sameName(entry.key, key); });
    if (existing != entries.end())
        existing->value = std::string(value);
    else
        entries.push_back({std::string(key), std::string(value)});
}

void IniFile::setInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    setValue(section, key, std::to_string(value));
}

bool IniFile::remove(std::string_view section, std::string_view key)
{
    for (Section &candidate : m_sections) {
        if (sameName(candidate.name, section))
            return std::erase_if(candidate.entries,
                                 [&](const Entry &entry) { return sameName(entry.key, key); })
                   > 0;
    }
    return false;
}

std::vector<std::string> IniFile::keys(std::string_view section) const
{
    std::vector<std::string> names;
    if (const Section *found = findSection(section)) {
        for (const Entry &entry : found->entries)
            names.push_back(entry.key);
    }
    return names;
}

const IniFile::Section *IniFile::findSection(std::string_view name) const
{
    const auto found = std::ranges::find_if(
        m_sections, [&](const Section &section) { return sameName(section.name, name); });
    return found == m_sections.end() ? nullptr : &*found;
}

IniFile::Section &IniFile::sectionNamed(std::string_view name)
{
    for (Section &section : m_sections) {
        if (sameName(section.name, name))
            return section;
    }
    m_sections.push_back({std::string(name), {}});
    return m_sections.back();
}
