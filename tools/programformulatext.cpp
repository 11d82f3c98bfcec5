#include "programformulatext.h"

#include <algebra/scaledcomplex.h>

#include <cctype>
#include <cmath>
#include <string>

namespace {

using Syntax = TransFunc::TextSyntax;
using Coefficients = std::vector<ScaledComplex>;

// Letters, digits and underscores, not starting with a digit.
std::string identifier(std::string_view name)
{
    std::string text;
    for (const char c : name)
        text += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    if (text.empty())
        return "H";
    if (std::isdigit(static_cast<unsigned char>(text.front())))
        text.insert(0, "H_");
    return text;
}

std::string latexName(std::string_view name)
{
    std::string text;
    for (const char c : name) {
        if (std::string_view("_%&#${}").find(c) != std::string_view::npos)
            text += '\\';
        text += c;
    }
    return text.empty() ? "H" : text;
}

// The general format with its exponent raised: 1.5e-06 is 1.5 \cdot 10^{-6}.
std::string latexNumber(double value, long long exponent, const ExportNumberFormat &number)
{
    if (std::isnan(value))
        return "\\mathrm{NaN}";
    if (std::isinf(value))
        return value < 0.0 ? "-\\infty" : "\\infty";
    const std::string text = number(value, exponent);
    const std::size_t e = text.find('e');
    if (e == std::string::npos)
        return text;
    return text.substr(0, e) + " \\cdot 10^{" + std::to_string(std::stoll(text.substr(e + 1)))
           + "}";
}

std::string latexRow(const Coefficients &p, const ExportNumberFormat &number)
{
    std::string text;
    for (std::size_t n = 0; n < p.size(); ++n) {
        const double c = p[n].mantissa().real();
        if (c == 0.0)
            continue;
        if (text.empty())
            text += c < 0.0 ? "-" : "";
        else
            text += c < 0.0 ? " - " : " + ";
        const bool unit = n > 0 && std::abs(p[n].value().real()) == 1.0;
        if (!unit)
            text += latexNumber(std::abs(c), p[n].exponent(), number);
        if (n > 0)
            text += std::string(unit ? "" : " ") + "s";
        if (n > 1)
            text += "^{" + std::to_string(n) + "}";
    }
    return text.empty() ? "0" : text;
}

std::string programNumber(const ScaledComplex &coefficient, Syntax syntax,
                          const ExportNumberFormat &number)
{
    const double value = coefficient.mantissa().real();
    const bool python = syntax == Syntax::Python;
    if (std::isnan(value))
        return python ? "np.nan" : "NaN";
    if (std::isinf(value))
        return std::string(value < 0.0 ? "-" : "") + (python ? "np.inf" : "Inf");
    return number(value, coefficient.exponent());
}

// "[c_n, ..., c_1, c_0]": the coefficients from the highest stored power down.
std::string descendingList(const Coefficients &p, Syntax syntax, const ExportNumberFormat &number)
{
    std::string text = "[";
    for (std::size_t n = p.size(); n-- > 0;) {
        text += programNumber(p[n], syntax, number);
        if (n > 0)
            text += ", ";
    }
    return text + "]";
}

} // namespace

bool isProgramSyntax(Syntax syntax)
{
    return syntax == Syntax::Latex || syntax == Syntax::Python || syntax == Syntax::Matlab;
}

std::string programFormulaText(std::string_view name, const Coefficients &numerator,
                               const Coefficients &denominator, Syntax syntax,
                               const ExportNumberFormat &number, int scaleExponent)
{
    if (syntax == Syntax::Latex)
        return latexName(name) + " = \\frac{" + latexRow(numerator, number) + "}{"
               + latexRow(denominator, number) + "}";
    const std::string h = identifier(name);
    const std::string num = descendingList(numerator, syntax, number);
    const std::string den = descendingList(denominator, syntax, number);
    const std::string exponent = std::to_string(scaleExponent);
    if (syntax == Syntax::Matlab) {
        if (scaleExponent == 0)
            return h + " = tf(" + num + ", " + den + ");";
        return "% " + h + "(s) is " + h + "_scaled(s / w0): its coefficients in s pass the range "
               + "of doubles\nw0 = 2^" + exponent + ";\n" + h + "_scaled = tf(" + num + ", " + den
               + ");";
    }
    const std::string arrays
        = h + "_num = np.array(" + num + ")\n" + h + "_den = np.array(" + den + ")\n";
    const std::string system = " = signal.TransferFunction(" + h + "_num, " + h + "_den)\n";
    const std::string header = "import numpy as np\n"
                               "from scipy import signal\n"
                               "\n";
    if (scaleExponent == 0)
        return header + "# The coefficients of " + h + "(s), highest power of s first\n" + arrays
               + h + system;
    return header + "# " + h + "(s) is " + h + "_scaled(s / w0): its coefficients in s pass the "
           + "range of floating-point numbers.\n# The coefficients of " + h
           + "_scaled, highest power first\nw0 = 2.0 ** " + exponent + "\n" + arrays + h + "_scaled"
           + system;
}
