#include "sheetnames.h"

#include "netlisterror.h"

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

void SheetNames::claim(const std::string &name, int line, const std::string &what)
{
    const std::string named = what.empty() ? name : name + " of " + what;
    if (!isValid(name))
        throw NetlistError(line, "the name " + named
                                     + " is not valid (letters and digits, starting with a "
                                       "letter, at most 63 characters)");
    const auto [owner, inserted] = m_owners.emplace(name, (what.empty() ? name : what) + " (line "
                                                              + std::to_string(line) + ")");
    if (!inserted)
        throw NetlistError(line, "the name " + named + " is taken by " + owner->second);
}

std::string SheetNames::claimUnique(const std::string &base)
{
    std::string name = base;
    for (int number = 2; contains(name) || !isValid(name); ++number)
        name = base.substr(0, labelUnit::capacity - 6) + std::to_string(number);
    m_owners.emplace(name, "the import");
    return name;
}
