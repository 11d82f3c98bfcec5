#pragma once

#include <tools/polezeromap.h>

#include <string>
#include <vector>

class FactPolynom;
class Root;
class TransFunc;

// "Transfer Function Extended View": the texts the dialog shows, one line per root.
struct TransFuncExtendedViewData
{
    std::string name;
    // The last evaluation in the local time's date and time text.
    std::string lastEvaluation;
    // "Numerator Root Accuracy : %.8e" and "Denominator Root Accuracy : %.8e".
    std::string numeratorAccuracy;
    std::string denominatorAccuracy;
    std::vector<std::string> numeratorRoots;
    std::vector<std::string> cancelledNumeratorRoots;
    std::vector<std::string> denominatorRoots;
    std::vector<std::string> cancelledDenominatorRoots;
    // The roots in the s-plane, for the picture beside the texts.
    PoleZeroMap poleZeroMap;

    static TransFuncExtendedViewData from(const TransFunc &tool);
    // "(%.8e, %.8e)^%d": real part, imaginary part, multiplicity.
    static std::string rootLine(const Root &root);
    static std::vector<std::string> rootLines(const FactPolynom &roots);
};
