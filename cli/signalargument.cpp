#include "signalargument.h"

#include "commanderror.h"
#include "terminaltext.h"

#include <tools/compndsig.h>
#include <tools/impulse.h>

#include <common/numbertext.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

std::vector<std::string> fieldsOf(std::string_view argument)
{
    std::vector<std::string> fields;
    std::size_t from = 0;
    while (true) {
        const std::size_t colon = argument.find(':', from);
        fields.emplace_back(argument.substr(from, colon - from));
        if (colon == std::string_view::npos)
            return fields;
        from = colon + 1;
    }
}

[[noreturn]] void badArgument(std::string_view argument, const std::string &why)
{
    throw CommandError("bad signal \"" + terminalText(argument) + "\" (" + why
                       + "); write impulse:START:MAG or compound:T0:K:R:A:W:PHI");
}

// The numbers after the kind, exactly count of them.
std::vector<double> numbersOf(std::string_view argument, const std::vector<std::string> &fields,
                              std::size_t count)
{
    if (fields.size() != count + 1)
        badArgument(argument,
                    std::to_string(count) + " numbers expected after \"" + fields[0] + "\"");
    std::vector<double> numbers;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        std::size_t consumed = 0;
        const double value = parseLeadingDouble(fields[i].c_str(), &consumed);
        if (fields[i].empty() || consumed != fields[i].size() || !std::isfinite(value))
            badArgument(argument, "not a finite number: \"" + terminalText(fields[i]) + "\"");
        numbers.push_back(value);
    }
    return numbers;
}

} // namespace

std::unique_ptr<SigElement> parseSignalArgument(std::string_view argument)
{
    const std::vector<std::string> fields = fieldsOf(argument);
    if (fields[0] == "impulse") {
        const std::vector<double> n = numbersOf(argument, fields, 2);
        return std::make_unique<Impulse>(n[0], n[1]);
    }
    if (fields[0] == "compound") {
        const std::vector<double> n = numbersOf(argument, fields, 6);
        return std::make_unique<CompndSig>(
            CompndSig::Parameters{n[0], n[1], n[2], n[3], n[4], n[5]});
    }
    badArgument(argument, "unknown kind \"" + terminalText(fields[0]) + "\"");
}
