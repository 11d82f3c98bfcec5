#include "spiceoutputsyntax.h"

#include "spicetext.h"

#include <cctype>
#include <vector>

namespace {

bool isNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> operandsOf(std::string_view list)
{
    std::vector<std::string_view> operands;
    while (true) {
        const std::size_t comma = list.find(',');
        operands.push_back(trimmed(list.substr(0, comma)));
        if (comma == std::string_view::npos)
            return operands;
        list.remove_prefix(comma + 1);
    }
}

} // namespace

SpiceOutputSyntax SpiceOutputSyntax::translate(std::string_view equation, const SpiceNameMap &names)
{
    SpiceOutputSyntax result;
    std::size_t i = 0;
    while (i < equation.size()) {
        const char c = equation[i];
        const bool standalone = i == 0 || !isNameCharacter(equation[i - 1]);
        std::size_t open = i + 1;
        while (open < equation.size() && std::isspace(static_cast<unsigned char>(equation[open])))
            ++open;
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (!standalone || (kind != 'V' && kind != 'I') || open >= equation.size()
            || equation[open] != '(') {
            result.equation += c;
            ++i;
            continue;
        }
        const std::size_t close = equation.find(')', open);
        const std::string_view whole = equation.substr(
            i, close == std::string_view::npos ? std::string_view::npos : close + 1 - i);
        if (close == std::string_view::npos)
            return {{}, std::string(whole) + " lacks its \")\""};
        if (names.isEmpty())
            return {{},
                    std::string(whole)
                        + ": the circuit holds no SPICE names (only an "
                          "imported netlist has them)"};
        const std::vector<std::string_view> operands
            = operandsOf(equation.substr(open + 1, close - open - 1));
        if (operands.size() > (kind == 'V' ? 2u : 1u) || operands.front().empty())
            return {{}, std::string(whole) + " is no SPICE output"};
        std::vector<std::string> tags;
        for (const std::string_view operand : operands) {
            if (kind == 'V' && isSpiceGround(operand)) {
                tags.emplace_back("0");
                continue;
            }
            const std::string spice = std::string(1, kind) + "(" + std::string(operand) + ")";
            const auto tag = names.find(spice);
            if (!tag)
                return {{},
                        std::string(whole)
                            + (kind == 'V' ? " names no node of the netlist"
                                           : " names no resistor, capacitor or "
                                             "inductor of the netlist")};
            tags.push_back(*tag);
        }
        result.equation += tags.size() == 1 ? tags[0] : "(" + tags[0] + "-" + tags[1] + ")";
        i = close + 1;
    }
    return result;
}
