#include "parameterscope.h"

#include "spiceexpression.h"
#include "spicetext.h"

ParameterScope::ParameterScope()
    : m_chain(std::make_shared<int>(0))
{
}

ParameterScope::ParameterScope(const ParameterScope &outer, std::string instance)
    : m_outer(&outer)
    , m_instance(std::move(instance))
    , m_chain(outer.m_chain)
{
}

void ParameterScope::define(std::string_view name, std::string expression, int line)
{
    m_parameters[spiceLowerCase(name)] = {std::move(expression), line, State::Waiting, 0.0};
}

void ParameterScope::defineValue(std::string_view name, double value)
{
    m_parameters[spiceLowerCase(name)] = {{}, 0, State::Done, value};
}

bool ParameterScope::definesLocally(std::string_view name) const
{
    return m_parameters.count(spiceLowerCase(name)) != 0;
}

double ParameterScope::evaluate(std::string_view expression, int line) const
{
    return SpiceExpression::evaluate(expression, {line, m_instance},
                                     [this](const std::string &name) { return value(name); });
}

std::optional<double> ParameterScope::value(const std::string &lowerCaseName) const
{
    const auto found = m_parameters.find(lowerCaseName);
    if (found == m_parameters.end())
        return m_outer ? m_outer->value(lowerCaseName) : std::nullopt;
    Parameter &parameter = found->second;
    const SpiceLocation at{parameter.line, m_instance};
    switch (parameter.state) {
    case State::Done:
        return parameter.value;
    case State::Evaluating:
        throw NetlistError(at, "the parameter " + lowerCaseName + " depends on itself");
    case State::Waiting:
        break;
    }
    if (++*m_chain > maxChain)
        throw NetlistError(at, "the parameter " + lowerCaseName + " is reached through more than "
                                   + std::to_string(maxChain) + " other parameters");
    parameter.state = State::Evaluating;
    try {
        parameter.value = evaluate(parameter.expression, parameter.line);
    } catch (...) {
        *m_chain = 0;
        throw;
    }
    --*m_chain;
    parameter.state = State::Done;
    return parameter.value;
}
