#pragma once

#include <algebra/transratiofunc.h>
#include <common/marray.h>
#include <model/fwd.h>
#include <model/labelunit.h>

#include <string>
#include <string_view>
#include <vector>

class CPoint;
class MatrixLid;

// Reads an output equation (an expression over tag names and numbers) into one transfer ratio
// from the selected source of the equation system. The tokens and the cursor are the
// equation system's; a fault is a message of the document and the parse runs on.
//
//     equation      := expression, with no token left over
//     expression    := term { ("+" | "-") term }
//     term          := signedFactor { ("*" | "/") signedFactor }
//     signedFactor  := { "+" | "-" } primary
//     primary       := "(" expression ")" | tag name | number
//
// Chains group from the left, as in arithmetic: a - b + c is (a - b) + c and a / b * c is
// (a / b) * c. A name that is no tag of the circuit and a division by zero are messages, so
// that a typing error never passes for a result.
class OutputEquationParser
{
public:
    explicit OutputEquationParser(MatrixLid &lid);

    // A decimal number with its fraction and exponent (2.5, .5, 1e-3, 2.5E+6) is one token,
    // together with the letters and digits that follow it (2k, 3V1); any other run of letters
    // and digits is a token, and so is every other character but white space. A token keeps
    // at most a label's 63 characters.
    static void tokenize(std::string_view text, MArray<labelUnit> &tokens);

    // Parses the whole equation from the cursor.
    TransRatioFunc equation();

private:
    const labelUnit &token();
    void advance();
    TransRatioFunc expression();
    TransRatioFunc term();
    TransRatioFunc signedFactor();
    TransRatioFunc primary();
    TransRatioFunc tagValue(const labelUnit &name);
    void addSolvedValue(TransRatioFunc &value, const CPoint *point, bool subtract) const;
    void syntaxError();
    int messageCount() const;

    MatrixLid &m_lid;
    // The names already reported as no tag, so that each is reported once.
    std::vector<std::string> m_unknownNames;
};
