#pragma once

#include <import/netlisterror.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The parameters a netlist's values can name: those of .param lines at the top (the global
// scope) or, for one expanded instance of a subcircuit, its parameters and the .param lines of
// its body, in front of the global ones. A parameter is evaluated when first asked for, in the
// scope that defines it, so it may refer to any other one there or outside, wherever its line
// stands; one that depends on itself, through any chain, is a NetlistError naming its line.
class ParameterScope
{
public:
    // The global scope.
    ParameterScope();
    // The scope of one instance, in front of the given one.
    ParameterScope(const ParameterScope &outer, std::string instance);

    const std::string &instance() const { return m_instance; }

    // Defines or redefines the parameter (name in any case) as an expression.
    void define(std::string_view name, std::string expression, int line);
    // Defines the parameter as a value computed elsewhere (an instance's override).
    void defineValue(std::string_view name, double value);
    bool definesLocally(std::string_view name) const;

    // The value of an expression in this scope, at the given line of this scope's netlist.
    double evaluate(std::string_view expression, int line) const;
    // The value of a parameter of this scope or an outer one; nothing when none has it.
    std::optional<double> value(const std::string &lowerCaseName) const;

    // Chains of parameters through other parameters deeper than this are refused.
    static constexpr int maxChain = 200;

private:
    enum class State { Waiting, Evaluating, Done };
    struct Parameter
    {
        std::string expression;
        int line = 0;
        State state = State::Waiting;
        double value = 0.0;
    };

    const ParameterScope *m_outer = nullptr;
    std::string m_instance;
    mutable std::map<std::string, Parameter> m_parameters;
    // The length of the chain being evaluated, shared by every scope of a netlist.
    std::shared_ptr<int> m_chain;
};
