#include "spiceexpression.h"

#include "spicetext.h"
#include "spicevalue.h"

#include <cctype>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

bool isNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool isNamePart(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

class ExpressionParser
{
public:
    ExpressionParser(std::string_view text, const SpiceLocation &at,
                     const SpiceExpression::Lookup &lookup)
        : m_text(text)
        , m_at(at)
        , m_lookup(lookup)
    {
    }

    double parse()
    {
        const double value = sum();
        skipBlanks();
        if (m_position < m_text.size())
            fail("unexpected \"" + std::string(m_text.substr(m_position)) + "\"");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string &why) const
    {
        throw NetlistError(m_at, "the expression " + std::string(m_text) + ": " + why);
    }

    void skipBlanks()
    {
        while (m_position < m_text.size()
               && std::isspace(static_cast<unsigned char>(m_text[m_position])))
            ++m_position;
    }

    // Takes the operator when it comes next.
    bool take(std::string_view op)
    {
        skipBlanks();
        if (m_text.substr(m_position, op.size()) != op)
            return false;
        m_position += op.size();
        return true;
    }

    double sum()
    {
        double value = product();
        while (true) {
            if (take("+"))
                value += product();
            else if (take("-"))
                value -= product();
            else
                return value;
        }
    }

    double product()
    {
        double value = unary();
        while (true) {
            if (take("*"))
                value *= unary();
            else if (take("/"))
                value /= unary();
            else
                return value;
        }
    }

    double unary()
    {
        if (take("-"))
            return -nested(&ExpressionParser::unary);
        if (take("+"))
            return nested(&ExpressionParser::unary);
        return power();
    }

    double power()
    {
        const double base = primary();
        if (take("^") || take("**"))
            return std::pow(base, nested(&ExpressionParser::unary));
        return base;
    }

    // Every recursion passes through here, so that nesting is bounded.
    double nested(double (ExpressionParser::*rule)())
    {
        if (++m_depth > SpiceExpression::maxDepth)
            fail("nested deeper than " + std::to_string(SpiceExpression::maxDepth) + " levels");
        const double value = (this->*rule)();
        --m_depth;
        return value;
    }

    double primary()
    {
        skipBlanks();
        if (m_position >= m_text.size())
            fail("a value is missing at the end");
        const char c = m_text[m_position];
        if (take("("))
            return closed(nested(&ExpressionParser::sum));
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.')
            return number();
        if (isNameStart(c))
            return named();
        fail("unexpected \"" + std::string(m_text.substr(m_position)) + "\"");
    }

    double closed(double value)
    {
        if (!take(")"))
            fail("a \")\" is missing");
        return value;
    }

    // Digits, a point, an exponent and letters: "2.5", "1e-3", "10k", "4k7".
    double number()
    {
        const std::size_t start = m_position;
        while (m_position < m_text.size()) {
            const char c = m_text[m_position];
            const bool exponentSign
                = (c == '+' || c == '-') && m_position > start
                  && (m_text[m_position - 1] == 'e' || m_text[m_position - 1] == 'E')
                  && exponentMayFollow(start, m_position - 1);
            if (!isNamePart(c) && c != '.' && !exponentSign)
                break;
            ++m_position;
        }
        const std::string_view word = m_text.substr(start, m_position - start);
        const std::optional<double> value = parseSpiceValue(word);
        if (!value)
            fail(std::string(word) + " is no number");
        return *value;
    }

    // An exponent's sign follows an "e" that ends a mantissa of digits and one point.
    bool exponentMayFollow(std::size_t start, std::size_t e) const
    {
        for (std::size_t i = start; i < e; ++i) {
            if (!std::isdigit(static_cast<unsigned char>(m_text[i])) && m_text[i] != '.')
                return false;
        }
        return true;
    }

    double named()
    {
        const std::size_t start = m_position;
        while (m_position < m_text.size() && isNamePart(m_text[m_position]))
            ++m_position;
        const std::string name = spiceLowerCase(m_text.substr(start, m_position - start));
        if (take("("))
            return function(name, arguments());
        if (const std::optional<double> value = m_lookup(name))
            return *value;
        if (name == "pi")
            return std::numbers::pi;
        fail("the parameter " + name + " is not defined");
    }

    std::vector<double> arguments()
    {
        std::vector<double> values;
        if (take(")"))
            return values;
        do
            values.push_back(nested(&ExpressionParser::sum));
        while (take(","));
        closed(0.0);
        return values;
    }

    double function(const std::string &name, const std::vector<double> &x)
    {
        struct Unary
        {
            const char *name;
            double (*apply)(double);
        };
        static const Unary unaries[] = {{"sqrt", [](double v) { return std::sqrt(v); }},
                                        {"exp", [](double v) { return std::exp(v); }},
                                        {"log", [](double v) { return std::log(v); }},
                                        {"ln", [](double v) { return std::log(v); }},
                                        {"log10", [](double v) { return std::log10(v); }},
                                        {"sin", [](double v) { return std::sin(v); }},
                                        {"cos", [](double v) { return std::cos(v); }},
                                        {"tan", [](double v) { return std::tan(v); }},
                                        {"atan", [](double v) { return std::atan(v); }},
                                        {"abs", [](double v) { return std::abs(v); }}};
        for (const Unary &unary : unaries) {
            if (name == unary.name) {
                requireCount(name, x, 1);
                return unary.apply(x[0]);
            }
        }
        if (name == "pow") {
            requireCount(name, x, 2);
            return std::pow(x[0], x[1]);
        }
        if (name == "min" || name == "max") {
            requireCount(name, x, 2);
            return name == "min" ? std::min(x[0], x[1]) : std::max(x[0], x[1]);
        }
        fail("unknown function " + name);
    }

    void requireCount(const std::string &name, const std::vector<double> &x,
                      std::size_t count) const
    {
        if (x.size() != count)
            fail(name + " takes " + std::to_string(count)
                 + (count == 1 ? " argument" : " arguments"));
    }

    std::string_view m_text;
    const SpiceLocation &m_at;
    const SpiceExpression::Lookup &m_lookup;
    std::size_t m_position = 0;
    int m_depth = 0;
};

} // namespace

double SpiceExpression::evaluate(std::string_view text, const SpiceLocation &at,
                                 const Lookup &lookup)
{
    const double value = ExpressionParser(text, at, lookup).parse();
    if (!std::isfinite(value))
        throw NetlistError(at, "the expression " + std::string(text) + " has no finite value");
    return value;
}
