#pragma once

#include <algebra/assignmentbound.h>
#include <algebra/matrix.h>
#include <algebra/transpolynom.h>

#include <optional>
#include <vector>

// The node equations solved by fraction-free elimination on polynomial rows.
//
// Every row is first multiplied by a common multiple of its entries' denominators, which
// leaves a system of polynomials in s with the same solution. The elimination then follows
// Bareiss: at step k every row r below the pivot row that has an entry in column k becomes
//
//     (p_k * row_r - row_r[k] * pivot row) / p_last(r)
//
// where p_k is the pivot of step k and p_last(r) the pivot of the step at which row r last
// changed (1 before its first change). Every entry is then a minor of the polynomial matrix,
// so the division is exact and the degrees stay within those of the determinant; combining
// ratios by cross-multiplication instead lets common factors pile up step after step, and the
// degrees (and the time) grow exponentially with the size of the circuit. A row that a step
// leaves alone is not rescaled: the factor it would get telescopes into the divisor of its next
// change, or into the scaling that makes it current when it becomes the pivot row.
//
// Back substitution gives, for every source column, the numerators Z_i of the node values over
// the determinant det = p_(n-1).
//
// The determinant and every Z_i (the determinant with column i replaced by the source column)
// are sums of products along assignments of the columns to the rows, so no power of s outside
// the range that the assignments of the rows' own degrees reach can be in them. A coefficient
// there is rounding left by terms that cancel, however large it looks beside the true ones, and
// is set to zero.
class TermBound;

class FractionFreeElimination
{
public:
    // How far below the terms it came from a computed coefficient is taken for the rounding of
    // terms that cancel: by the work precision less a guard (Rounding), or by half of it
    // (Residual), which no growth of the rounding along the steps reaches once the precision is
    // high enough, while true coefficients that far below their terms need a higher one.
    enum class NoiseMargin { Rounding, Residual };

    // Takes the node rows 0 ... nodeCount - 1 of the formulated equations.
    FractionFreeElimination(const Matrix &matrix, int nodeCount, int columnCount,
                            NoiseMargin margin = NoiseMargin::Rounding);

    int nodeCount() const { return m_nodeCount; }
    const TransPolynom &entry(int row, int column) const;
    bool isZero(int row, int column) const { return entry(row, column).isZero(); }
    int zeroNodeEntries(int row) const;

    void swapRows(int a, int b);
    // Makes the row at the step's position current for the step, as its pivot row.
    void preparePivotRow(int step);
    // Eliminates the step's column from the rows below the pivot row (prepared, non-zero pivot).
    void eliminate(int step);
    // Writes the solved equations into the matrix: row i reads x_i + sum M[i][s] u_s = 0 with
    // M[i][s] = Z_i / det for the columns from firstSourceColumn on; every other entry is 0,
    // the diagonal 1. Known factors common to Z_i and det are cancelled. All steps must be done.
    void writeSolution(Matrix &matrix, int firstSourceColumn);
    // Whether a step set a coefficient to zero as the rounding of terms that cancel: a zero
    // pivot after that may be the work precision's, not the circuit's.
    bool hasCancelled() const { return m_cancelled; }
    // The most digits that an exact division of the steps and of the back substitution lost
    // (see exactQuotient): the solution is right to about the work precision less these.
    int lostDigits() const { return m_lostDigits; }

private:
    using Row = std::vector<TransPolynom>;

    void addRowFactor(const TransPolynom &factor);
    const TransPolynom *divisorOf(int row) const;
    TransPolynom trackedQuotient(const TransPolynom &a, const TransPolynom &b);
    TransRatioFunc solvedRatio(const TransPolynom &numerator, const TransPolynom &det) const;

    // Answers whether it set a coefficient to zero.
    bool dropNoise(const TermBound &bound, TransPolynom &value) const;
    void recordPowerPatterns();
    // Sets the coefficients outside the powers that the determinant with the given column
    // replaced (none: the determinant itself) can hold to zero.
    void keepPossiblePowers(TransPolynom &value, std::optional<int> column = std::nullopt,
                            int sourceColumn = 0) const;

    int m_nodeCount;
    int m_columnCount;
    std::vector<Row> m_rows;
    // The step at which each row last changed; -1 before its first change.
    std::vector<int> m_lastStep;
    NoiseMargin m_margin;
    bool m_cancelled = false;
    int m_lostDigits = 0;
    std::vector<TransPolynom> m_pivots;
    // The denominators of the entries, by degree: the rows were multiplied by them, so they are
    // the candidates for factors that the solution's numerators share with the determinant.
    std::vector<TransPolynom> m_rowFactors;
    // Over the node columns of the rows as formulated: assignments costed by the entries'
    // negated degrees and by their lowest powers, and the same costs of the other columns.
    std::optional<AssignmentBound> m_highestPowers;
    std::optional<AssignmentBound> m_lowestPowers;
    std::vector<AssignmentBound::Column> m_extraDegrees;
    std::vector<AssignmentBound::Column> m_extraLowestPowers;
};
