#include "spicelines.h"

#include <cctype>
#include <optional>

namespace {

bool isBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The line without its comment tail.
std::string_view withoutComment(std::string_view line)
{
    line = line.substr(0, line.find(';'));
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '$' && (i == 0 || isBlank(line[i - 1])))
            return line.substr(0, i);
    }
    return line;
}

// The end of the braced or quoted group that starts at from, just after its closing mark.
std::size_t groupEnd(std::string_view text, std::size_t from, int line)
{
    if (text[from] == '\'') {
        const std::size_t close = text.find('\'', from + 1);
        if (close == std::string_view::npos)
            throw NetlistError(line, "a quote ' is not closed");
        return close + 1;
    }
    int depth = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '{')
            ++depth;
        else if (text[i] == '}' && --depth == 0)
            return i + 1;
    }
    throw NetlistError(line, "a brace { is not closed");
}

bool isNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

} // namespace

std::vector<SpiceLine> spiceLogicalLines(std::string_view text, std::string &title)
{
    std::vector<SpiceLine> lines;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end != std::string_view::npos && text[end] == '\r' && next < text.size()
            && text[next] == '\n')
            ++next;
        text.remove_prefix(next);
        ++number;
        if (number == 1) {
            title = trimmed(line);
            continue;
        }
        line = trimmed(withoutComment(line));
        if (line.empty() || line.front() == '*')
            continue;
        if (line.front() == '+') {
            if (lines.empty())
                throw NetlistError(number, "continuation line without a line to continue");
            lines.back().text.append(" ").append(line.substr(1));
            continue;
        }
        lines.push_back({number, std::string(line)});
    }
    return lines;
}

std::vector<std::string> spiceWords(const SpiceLine &line, bool keepParentheses)
{
    const std::string_view text = line.text;
    std::vector<std::string> words;
    std::string word;
    auto flush = [&] {
        if (!word.empty())
            words.push_back(word);
        word.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{' || c == '\'') {
            const std::size_t end = groupEnd(text, i, line.number);
            word.append(text.substr(i, end - i));
            i = end - 1;
        } else if (isBlank(c) || c == ',') {
            flush();
        } else if (c == '(' || c == ')' || c == '=') {
            flush();
            if (keepParentheses || c == '=')
                words.emplace_back(1, c);
        } else {
            word += c;
        }
    }
    flush();
    return words;
}

std::vector<SpiceAssignment> spiceAssignments(std::string_view text, const SpiceLocation &at)
{
    std::vector<SpiceAssignment> assignments;
    std::size_t i = 0;
    auto skipBlanks = [&](std::size_t from) {
        while (from < text.size() && (isBlank(text[from]) || text[from] == ','))
            ++from;
        return from;
    };
    // The position after "name =" when one starts at from.
    auto assignmentAt = [&](std::size_t from, std::string *name) -> std::optional<std::size_t> {
        std::size_t end = from;
        while (end < text.size() && isNameCharacter(text[end]))
            ++end;
        const std::size_t equals = skipBlanks(end);
        if (end == from || equals >= text.size() || text[equals] != '=')
            return std::nullopt;
        if (name)
            *name = text.substr(from, end - from);
        return equals + 1;
    };
    i = skipBlanks(i);
    while (i < text.size()) {
        SpiceAssignment assignment;
        const std::optional<std::size_t> valueStart = assignmentAt(i, &assignment.name);
        if (!valueStart)
            throw NetlistError(at, "\"" + std::string(trimmed(text.substr(i)))
                                       + "\" is no assignment name=value");
        std::size_t end = *valueStart;
        int depth = 0;
        while (end < text.size()) {
            const char c = text[end];
            if (c == '{' || c == '\'') {
                end = groupEnd(text, end, at.line);
                continue;
            }
            depth += c == '(' ? 1 : c == ')' ? -1 : 0;
            if (depth == 0 && (isBlank(c) || c == ',') && assignmentAt(skipBlanks(end), nullptr))
                break;
            ++end;
        }
        const std::string_view value = trimmed(text.substr(*valueStart, end - *valueStart));
        assignment.value = bracedExpression(value).value_or(value);
        if (assignment.value.empty())
            throw NetlistError(at, assignment.name + " has no value");
        assignments.push_back(assignment);
        i = skipBlanks(end);
    }
    return assignments;
}

std::optional<std::string_view> bracedExpression(std::string_view word)
{
    if (word.size() >= 2
        && ((word.front() == '{' && word.back() == '}')
            || (word.front() == '\'' && word.back() == '\'')))
        return word.substr(1, word.size() - 2);
    return std::nullopt;
}
