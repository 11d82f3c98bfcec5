#pragma once

#include <stdexcept>
#include <string>

// A command that cannot run as asked: a bad argument, an unknown tool, source or output name,
// or a file that cannot be read or written. Its text is the whole message for the user.
class CommandError : public std::runtime_error
{
public:
    explicit CommandError(const std::string &text)
        : std::runtime_error(text)
    {
    }
};
