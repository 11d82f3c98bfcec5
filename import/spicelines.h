#pragma once

#include <import/netlisterror.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One statement of a netlist: its lines without comments, continuations joined, numbered by
// its first line.
struct SpiceLine
{
    int number = 0;
    std::string text;
};

// A "name=value" of a .param line, a subcircuit's parameter list or an element's keywords.
struct SpiceAssignment
{
    std::string name;
    std::string value;
};

// The statements after the title line, which goes to title. CR, LF and CR LF all end a line;
// a line starting with * is a comment, and so is the rest of a line after ";" or after a "$"
// that starts a word; a line starting with + continues the statement before it.
std::vector<SpiceLine> spiceLogicalLines(std::string_view text, std::string &title);

// The words of a statement. Blanks and commas separate words, and parentheses too, which are
// kept as words of their own when keepParentheses is set (the outputs of .print need them);
// "=" is a word of its own; an expression in braces or single quotes is one word with them.
std::vector<std::string> spiceWords(const SpiceLine &line, bool keepParentheses = false);

// The assignments of a .param line after its keyword: "a=1 b = {a*2} c=2*(a+b)". A value runs
// to the next "name =" or the end of the line, so it may hold blanks and parentheses; braces
// or quotes around a whole value are taken off.
std::vector<SpiceAssignment> spiceAssignments(std::string_view text, const SpiceLocation &at);

// The expression of a value written in braces or quotes, without them; nothing for others.
std::optional<std::string_view> bracedExpression(std::string_view word);
