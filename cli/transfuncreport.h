#pragma once

#include <tools/exportnumberformat.h>

#include <string>

class TransFunc;

// An evaluated transfer-function tool for the terminal: the formula as the text export writes
// it ("Cn*s^n"), the improper terms, the gain, the zeros and poles with the cancelled ones,
// the root accuracies and the partial fractions, numbers in the given format.
std::string transFuncReport(const TransFunc &tool, const ExportNumberFormat &number);
