#include "transfuncreport.h"

#include <tools/transfunc.h>

#include <complex>
#include <sstream>

namespace {

using Complex = std::complex<double>;

// "a + bj"; a complex root or pole stands for its conjugate pair, so it is written "a +/- bj".
std::string complexText(Complex value, const ExportNumberFormat &number, bool pair = false)
{
    if (value.imag() == 0.0)
        return number(value.real());
    const char *sign = pair ? " +/- " : (value.imag() < 0.0 ? " - " : " + ");
    return number(value.real()) + sign + number(std::abs(value.imag())) + "j";
}

void writeRoots(std::ostringstream &out, const char *heading, const FactPolynom &roots,
                const ExportNumberFormat &number)
{
    out << heading << ":";
    if (roots.count() == 0) {
        out << " none\n";
        return;
    }
    out << "\n";
    for (const Root &root : roots.roots()) {
        out << "  " << complexText(root.value(), number, true);
        if (root.multiplicity() != 1)
            out << " (multiplicity " << root.multiplicity() << ")";
        out << "\n";
    }
}

// "(s - p)", "(s + 3)" or "s", raised to the power when it is above 1.
std::string poleFactor(const PartFrac &term, const ExportNumberFormat &number)
{
    const Complex pole = term.pole().value();
    std::string factor;
    if (pole == Complex(0.0, 0.0))
        factor = "s";
    else if (pole.imag() == 0.0)
        factor = std::string("(s ") + (pole.real() < 0.0 ? "+ " : "- ")
                 + number(std::abs(pole.real())) + ")";
    else
        factor = "(s - (" + complexText(pole, number) + "))";
    return term.power() > 1 ? factor + "^" + std::to_string(term.power()) : factor;
}

void writePartialFractions(std::ostringstream &out, const PartFracFunc &fractions,
                           const ExportNumberFormat &number)
{
    out << "Partial fractions:";
    if (fractions.terms().isEmpty()) {
        out << " none\n";
        return;
    }
    out << "\n";
    for (const PartFrac &term : fractions.terms()) {
        const Complex residue = term.residue();
        out << "  ";
        if (term.isRealPole())
            out << number(residue.real());
        else
            out << "(" << complexText(residue, number) << ")";
        out << " / " << poleFactor(term, number);
        if (!term.isRealPole())
            out << " + conjugate";
        out << "\n";
    }
}

} // namespace

std::string transFuncReport(const TransFunc &tool, const ExportNumberFormat &number)
{
    using Syntax = TransFunc::TextSyntax;
    std::ostringstream out;
    out << tool.formulaText(Syntax::PowerCaret, number) << "\n";
    out << "Improper terms: "
        << (tool.hasImproperTerms()
                ? TransFunc::termsText(tool.improperTerms(), Syntax::PowerCaret, number)
                : std::string("none"))
        << "\n";
    const ScaledComplex gain = tool.scaledGain();
    out << "Gain: " << number(gain.mantissa().real(), gain.exponent()) << "\n";
    writeRoots(out, "Zeros", tool.numeratorRoots(), number);
    writeRoots(out, "Poles", tool.denominatorRoots(), number);
    writeRoots(out, "Cancelled zeros", tool.cancelledNumeratorRoots(), number);
    writeRoots(out, "Cancelled poles", tool.cancelledDenominatorRoots(), number);
    out << "Zero accuracy: " << number(tool.numeratorRootAccuracy()) << "\n";
    out << "Pole accuracy: " << number(tool.denominatorRootAccuracy()) << "\n";
    writePartialFractions(out, tool.partialFractions(), number);
    return out.str();
}
