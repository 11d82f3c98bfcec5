#pragma once

#include <algebra/transratiofunc.h>
#include <common/marray.h>
#include <model/fwd.h>
#include <model/labelunit.h>

#include <string_view>

class CPoint;
class MatrixLid;

// Reads an output equation (an expression over tag names and numbers) into one transfer ratio
// from the selected source of the equation system. The tokens and the cursor are the
// equation system's; a syntax error is a message of the document and the parse runs on.
//
//     expression    := term [ ("+" | "-") expression ]
//     term          := signedFactor [ ("*" | "/") term ]
//     signedFactor  := { "+" | "-" } primary
//     primary       := "(" expression ")" | tag name | number
//
// The right operand of an operator is the whole rest of the chain, so a - b + c is
// a - (b + c) and a / b * c is a / (b * c). The parse ends where an expression finds no
// operator: tokens after that are left unread (2.5 reads as 2, 1e-3 as 1 - 3).
class OutputEquationParser
{
public:
    explicit OutputEquationParser(MatrixLid &lid);

    // Runs of letters and digits are tokens, and so is every other character but white space;
    // a token keeps at most a label's 63 characters.
    static void tokenize(std::string_view text, MArray<labelUnit> &tokens);

    // Parses an expression from the cursor.
    TransRatioFunc expression();

private:
    const labelUnit &token();
    void advance();
    TransRatioFunc term();
    TransRatioFunc signedFactor();
    TransRatioFunc primary();
    TransRatioFunc tagValue(const labelUnit &name) const;
    void addSolvedValue(TransRatioFunc &value, const CPoint *point, bool subtract) const;
    void syntaxError();

    MatrixLid &m_lid;
};
