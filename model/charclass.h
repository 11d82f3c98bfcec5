#pragma once

// Character classes of names and tokens: the ASCII letters and digits and the white space of
// the "C" locale, whatever locale the process runs in.
namespace CharClass {

inline bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool isLetterOrDigit(char c)
{
    return isLetter(c) || isDigit(c);
}

inline bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace CharClass
