#pragma once

#include <functional>
#include <iosfwd>

// The exit statuses of every command.
namespace ExitStatus {
inline constexpr int success = 0;
// The analysis ran but the circuit or the output equation produced messages.
inline constexpr int messages = 1;
// Bad arguments, unknown tools or sources, unreadable or unwritable files.
inline constexpr int failure = 2;
} // namespace ExitStatus

// What a parsed subcommand runs: it writes its result to out, its messages and errors to err,
// and answers the exit status.
using Command = std::function<int(std::ostream &out, std::ostream &err)>;

// Runs the command; a CommandError it raises is written to err and gives the failure status.
int runCommand(const Command &command, std::ostream &out, std::ostream &err);
