#pragma once

#include <map>
#include <string>

// The names an imported sheet gives out. Every name must be valid in the program (letters and
// digits, starting with a letter, at most 63 characters) and used once, exactly as compared
// by the compile's name check.
class SheetNames
{
public:
    static bool isValid(const std::string &name);

    // Takes the name for what (a text such as "the voltage tag of node out", empty for an
    // element, which is its name) from the given line; a name that is not valid or that is
    // taken already is a NetlistError.
    void claim(const std::string &name, int line, const std::string &what);
    // Takes the base, or the base with the first number from 2 on that makes it free.
    std::string claimUnique(const std::string &base);
    bool contains(const std::string &name) const { return m_owners.count(name) != 0; }

private:
    std::map<std::string, std::string> m_owners;
};
