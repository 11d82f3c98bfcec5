#include "transfuncextendedviewdata.h"

#include <tools/evaluationclock.h>
#include <tools/transfunc.h>

#include <common/numbertext.h>

namespace {

constexpr int digits = 8;

} // namespace

TransFuncExtendedViewData TransFuncExtendedViewData::from(const TransFunc &tool)
{
    TransFuncExtendedViewData data;
    data.name = tool.name().text();
    data.lastEvaluation = EvaluationClock::localText(tool.lastEvaluation());
    data.numeratorAccuracy
        = "Numerator Root Accuracy : " + formatScientific(tool.numeratorRootAccuracy(), digits);
    data.denominatorAccuracy
        = "Denominator Root Accuracy : " + formatScientific(tool.denominatorRootAccuracy(), digits);
    data.numeratorRoots = rootLines(tool.numeratorRoots());
    data.cancelledNumeratorRoots = rootLines(tool.cancelledNumeratorRoots());
    data.denominatorRoots = rootLines(tool.denominatorRoots());
    data.cancelledDenominatorRoots = rootLines(tool.cancelledDenominatorRoots());
    data.poleZeroMap = PoleZeroMap::from(tool);
    return data;
}

std::string TransFuncExtendedViewData::rootLine(const Root &root)
{
    return "(" + formatScientific(root.value().real(), digits) + ", "
           + formatScientific(root.value().imag(), digits) + ")^"
           + std::to_string(root.multiplicity());
}

std::vector<std::string> TransFuncExtendedViewData::rootLines(const FactPolynom &roots)
{
    std::vector<std::string> lines;
    for (const Root &root : roots.roots())
        lines.push_back(rootLine(root));
    return lines;
}
