#include "transfuncjson.h"

#include <tools/transfunc.h>

#include <cmath>
#include <complex>

namespace {

using json = nlohmann::ordered_json;

json complexPair(std::complex<double> value)
{
    return json::array({value.real(), value.imag()});
}

json complexObject(std::complex<double> value)
{
    return {{"re", value.real()}, {"im", value.imag()}};
}

json coefficients(const Polynom &p)
{
    json list = json::array();
    for (const std::complex<double> c : p.coefficients())
        list.push_back(complexPair(c));
    return list;
}

json roots(const FactPolynom &factored)
{
    json list = json::array();
    for (const Root &root : factored.roots()) {
        json entry = complexObject(root.value());
        entry["multiplicity"] = root.multiplicity();
        list.push_back(entry);
    }
    return list;
}

json partialFractions(const PartFracFunc &fractions)
{
    json list = json::array();
    for (const PartFrac &term : fractions.terms()) {
        list.push_back({{"pole", complexObject(term.pole().value())},
                        {"power", term.power()},
                        {"residue", complexObject(term.residue())}});
    }
    return list;
}

} // namespace

json transFuncJson(const TransFunc &tool, std::string_view source, std::string_view output,
                   const std::vector<std::string> &messages)
{
    return {
        {"source", source},
        {"output", output},
        {"messages", messages},
        {"frequency_scale", std::ldexp(1.0, tool.scaleExponent())},
        {"gain", tool.ratio().numerator().coefficient(tool.ratio().numerator().degree()).real()},
        {"numerator", coefficients(tool.ratio().numerator())},
        {"denominator", coefficients(tool.ratio().denominator())},
        {"improper", coefficients(tool.improperTerms())},
        {"zeros", roots(tool.numeratorRoots())},
        {"poles", roots(tool.denominatorRoots())},
        {"cancelled_zeros", roots(tool.cancelledNumeratorRoots())},
        {"cancelled_poles", roots(tool.cancelledDenominatorRoots())},
        {"zero_accuracy", tool.numeratorRootAccuracy()},
        {"pole_accuracy", tool.denominatorRootAccuracy()},
        {"partial_fractions", partialFractions(tool.partialFractions())},
    };
}

std::string jsonText(const json &value)
{
    return value.dump(2, ' ', false, json::error_handler_t::replace);
}
