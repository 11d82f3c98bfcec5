#pragma once

#include <tools/transfunc.h>

#include <array>
#include <string>
#include <string_view>

// "Export Text from Transfer Function": the formula of the tool in the chosen syntax, for
// "Save Text As..." and "Copy Text".
struct TransFuncTextExportData
{
    // The radio buttons, in the order of TransFunc::TextSyntax.
    static constexpr std::array<std::string_view, 7> syntaxNames = {"Cn*s^n",
                                                                    "Cn*s**n",
                                                                    "Cn*pow(s,n)",
                                                                    "C0,C1, ... ,Cn",
                                                                    "LaTeX (\\frac)",
                                                                    "Python (NumPy, SciPy)",
                                                                    "MATLAB/Octave (tf)"};

    const TransFunc *tool = nullptr;
    // Each opening starts with "Cn*s^n".
    TransFunc::TextSyntax syntax = TransFunc::TextSyntax::PowerCaret;
    // The dialog writes 6 significant digits; a front end may ask for more.
    ExportNumberFormat number;

    std::string text() const { return tool ? tool->formulaText(syntax, number) : std::string(); }
};
