#pragma once

#include <set>
#include <string>
#include <string_view>

// The names an imported sheet gives out. Every name must be valid in the program (letters and
// digits, starting with a letter, at most 63 characters) and used once, exactly as compared
// by the compile's name check.
class SheetNames
{
public:
    static bool isValid(const std::string &name);
    // A SPICE name in the characters the program allows: letters and digits stay, case kept,
    // "+" becomes "p" and "-" becomes "m" (so that in+ and in- stay apart), everything else
    // is dropped: "in_1" gives in1, "N$1" N1, "V+" Vp.
    static std::string programCharacters(std::string_view spiceName);
    // The name of a thing of a subcircuit instance: its own name, then the names of the
    // instances from the innermost out ("R3" of "X1.X2" gives R3X2X1), in program characters
    // and cut to the longest name.
    static std::string hierarchicalName(std::string_view name, std::string_view instance);

    // Takes the name when it is valid and free.
    bool claimIfFree(const std::string &name);
    // Takes the base, or the base with the first number from 2 on that makes it free; a base
    // that does not start with a letter gets an N in front.
    std::string claimUnique(const std::string &base);
    bool contains(const std::string &name) const { return m_names.count(name) != 0; }

private:
    std::set<std::string> m_names;
};
