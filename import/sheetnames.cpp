#include "sheetnames.h"

#include <model/labelunit.h>

#include <algorithm>
#include <cctype>

bool SheetNames::isValid(const std::string &name)
{
    return !name.empty() && name.size() <= labelUnit::capacity
           && std::isalpha(static_cast<unsigned char>(name.front()))
           && std::all_of(name.begin(), name.end(),
                          [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

std::string SheetNames::programCharacters(std::string_view spiceName)
{
    std::string name;
    for (const char c : spiceName) {
        if (c == '+')
            name += 'p';
        else if (c == '-')
            name += 'm';
        else if (std::isalnum(static_cast<unsigned char>(c))
                 && static_cast<unsigned char>(c) < 0x80)
            name += c;
    }
    return name;
}

std::string SheetNames::hierarchicalName(std::string_view name, std::string_view instance)
{
    std::string hierarchical = programCharacters(name);
    while (!instance.empty()) {
        const std::size_t dot = instance.rfind('.');
        const std::size_t from = dot == std::string_view::npos ? 0 : dot + 1;
        hierarchical += programCharacters(instance.substr(from));
        instance = instance.substr(0, dot == std::string_view::npos ? 0 : dot);
    }
    return hierarchical.substr(0, labelUnit::capacity);
}

bool SheetNames::claimIfFree(const std::string &name)
{
    return isValid(name) && m_names.insert(name).second;
}

std::string SheetNames::claimUnique(const std::string &base)
{
    if (base.empty() || !std::isalpha(static_cast<unsigned char>(base.front())))
        return claimUnique("N" + base);
    std::string name = base.substr(0, labelUnit::capacity);
    for (int number = 2; contains(name) || !isValid(name); ++number)
        name = base.substr(0, labelUnit::capacity - 6) + std::to_string(number);
    m_names.insert(name);
    return name;
}
