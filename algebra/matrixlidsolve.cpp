#include <algebra/matrixlid.h>

#include <compile/compilemessages.h>
#include <compile/cpoint.h>
#include <model/tcircuitdocument.h>

#include <vector>

namespace {

const char *const invalidCircuit = "The Components do not make a valid circuit";

} // namespace

void MatrixLid::setSolutionProgress(int progress)
{
    m_solutionProgress = progress;
    m_document.refreshCompileDialog();
}

// Gauss-Jordan elimination of the node columns. The columns are taken sparsest first and the
// pivots chosen small, to keep the ratios and their digit strings short.
void MatrixLid::solve()
{
    const int n = nodeCount();
    if (n == 0) {
        m_document.addMessage(CompileMessages::noNodeToSolve);
        return;
    }
    // The netlist gives one row per node to solve; anything else is no circuit to solve.
    if (m_matrix->rowCount() != n) {
        m_document.addMessage(invalidCircuit);
        return;
    }
    orderColumns();
    setSolutionProgress(10);
    for (int c = 0; c + 1 < n; ++c) {
        setSolutionProgress(10 + (80 / (n - 1)) * c);
        m_matrix->swapRows(c, choosePivot(c));
        if (!normalizePivotRow(c))
            return;
        eliminateBelow(c);
    }
    if (!normalizePivotRow(n - 1))
        return;
    setSolutionProgress(90);
    substituteBack();
    if (failed())
        return;
    setSolutionProgress(100);
}

int MatrixLid::zeroNodeEntries(int row) const
{
    int zeros = 0;
    for (int j = 0; j < nodeCount(); ++j) {
        if (m_matrix->entry(row, j).isZero())
            ++zeros;
    }
    return zeros;
}

// The node columns by their number of zero entries, most first (a selection sort, the first
// of equal columns kept in front); the nodes to solve follow their columns.
void MatrixLid::orderColumns()
{
    const int n = nodeCount();
    std::vector<int> zeros(static_cast<std::size_t>(n), 0);
    for (int r = 0; r < m_matrix->rowCount(); ++r) {
        for (int j = 0; j < n; ++j) {
            if (m_matrix->entry(r, j).isZero())
                ++zeros[static_cast<std::size_t>(j)];
        }
    }
    for (int i = 0; i + 1 < n; ++i) {
        int best = i;
        for (int k = i + 1; k < n; ++k) {
            if (zeros[static_cast<std::size_t>(best)] < zeros[static_cast<std::size_t>(k)])
                best = k;
        }
        if (best == i)
            continue;
        std::swap(zeros[static_cast<std::size_t>(i)], zeros[static_cast<std::size_t>(best)]);
        m_matrix->swapColumns(i, best);
        m_nodesToSolve.swapEntries(i, best);
    }
}

// Among the rows from the column's own on with a non-zero entry in it: the fewest terms, then
// the fewest digits, then the most zero node entries; the earlier row on a full tie.
int MatrixLid::choosePivot(int column)
{
    int chosen = -1;
    int chosenTerms = 0;
    int chosenDigits = 0;
    int chosenZeros = 0;
    for (int r = column; r < nodeCount(); ++r) {
        TransRatioFunc &entry = m_matrix->at(r, column);
        if (entry.isZero())
            continue;
        const int terms = entry.termCount();
        const int digits = entry.digitMeasure();
        bool better = chosen < 0 || terms < chosenTerms;
        if (!better && terms == chosenTerms) {
            better = digits < chosenDigits;
            if (!better && digits == chosenDigits)
                better = zeroNodeEntries(r) > chosenZeros;
        }
        if (better) {
            chosen = r;
            chosenTerms = terms;
            chosenDigits = digits;
            chosenZeros = zeroNodeEntries(r);
        }
    }
    return chosen < 0 ? column : chosen;
}

namespace {

// Divides the entries after the column by the row's own entry there, which becomes 1 / 1.
void normalizeRow(Matrix::Row &row, int column)
{
    const TransRatioFunc pivot = row.extendTo(column);
    for (int j = column + 1; j <= row.upperIndex(); ++j)
        row[j] /= pivot;
    row[column].setConstant(transDouble::one());
}

} // namespace

bool MatrixLid::normalizePivotRow(int column)
{
    if (m_matrix->at(column, column).isZero())
        m_document.addMessage(invalidCircuit);
    if (failed())
        return false;
    normalizeRow(m_matrix->row(column), column);
    return true;
}

// Every later row with an entry in the column is normalised by it and the pivot row taken
// off; normalised rows need no multiplication.
void MatrixLid::eliminateBelow(int column)
{
    const Matrix::Row &pivotRow = m_matrix->row(column);
    for (int r = column + 1; r < nodeCount(); ++r) {
        Matrix::Row &row = m_matrix->row(r);
        if (row.extendTo(column).isZero())
            continue;
        normalizeRow(row, column);
        row[column] = TransRatioFunc();
        for (int j = column + 1; j <= pivotRow.upperIndex(); ++j)
            row.extendTo(j) -= pivotRow[j];
    }
}

void MatrixLid::substituteBack()
{
    for (int c = nodeCount() - 1; c >= 1; --c) {
        if (failed())
            return;
        for (int r = c - 1; r >= 0; --r) {
            Matrix::Row &row = m_matrix->row(r);
            if (row.extendTo(c).isZero())
                continue;
            const TransRatioFunc factor = row[c];
            row[c] = TransRatioFunc();
            for (int j = c + 1; j <= row.upperIndex(); ++j) {
                const TransRatioFunc &above = m_matrix->entry(c, j);
                if (!above.isZero())
                    row[j] -= above * factor;
            }
        }
    }
}
