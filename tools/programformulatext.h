#pragma once

#include <tools/exportnumberformat.h>
#include <tools/transfunc.h>

#include <string>
#include <string_view>
#include <vector>

class ScaledComplex;

// Whether the syntax is the text of another program rather than one of the coefficient forms.
bool isProgramSyntax(TransFunc::TextSyntax syntax);

// A transfer function as the text of another program, each the same H(s) = N(s) / D(s):
// - Latex: "H = \frac{1 - 2 s + 3 s^{2}}{2 + 3 s + s^{2}}", powers rising as on the sheet,
//   zero terms left out, exponents of numbers as "\cdot 10^{-6}";
// - Python: numpy coefficient arrays (highest power first, as numpy and scipy order them) and
//   a scipy.signal.TransferFunction, one statement a line;
// - Matlab (MATLAB and Octave): "H = tf([3, -2, 1], [1, 3, 2]);", highest power first.
// The name becomes an identifier of the language (letters, digits and underscores, "H" when
// it is empty); a coefficient that is no finite number is written as the language names it.
// The coefficients run from power 0 up.
//
// A non-zero scaleExponent says that the coefficients are those of the ratio in
// s' = s / w0, w0 = 2^scaleExponent, because those in s pass the range of doubles (which
// Python and MATLAB would read as infinities): their texts then define w0 and the system in s',
// named with "_scaled", so that H(s) is that system at s / w0. LaTeX always takes the
// coefficients in s, written with decimal exponents of any size.
std::string programFormulaText(std::string_view name, const std::vector<ScaledComplex> &numerator,
                               const std::vector<ScaledComplex> &denominator,
                               TransFunc::TextSyntax syntax, const ExportNumberFormat &number,
                               int scaleExponent = 0);
