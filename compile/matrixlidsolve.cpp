#include "matrixlid.h"

#include <algebra/fractionfreeelimination.h>
#include <compile/documentcompile.h>

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
    refreshCompileDialog(m_document);
}

// Elimination of the node columns. The columns are taken sparsest first and the pivots chosen
// small; the elimination itself is fraction-free on polynomial rows (see
// FractionFreeElimination), so that the entries stay as small as the circuit's own transfer
// ratios.
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
    FractionFreeElimination system(*m_matrix, n, columnCount());
    for (int c = 0; c < n; ++c) {
        if (c + 1 < n)
            setSolutionProgress(10 + (80 / (n - 1)) * c);
        if (failed())
            return;
        system.swapRows(c, choosePivot(system, c));
        system.preparePivotRow(c);
        if (system.isZero(c, c)) {
            m_document.addMessage(invalidCircuit);
            return;
        }
        if (c + 1 < n)
            system.eliminate(c);
    }
    setSolutionProgress(90);
    system.writeSolution(*m_matrix, nodeCount() + dependentCount());
    setSolutionProgress(100);
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

// Among the rows from the column's own on with a non-zero entry in it: the fewest
// coefficients, then the fewest digits, then the most zero node entries; the earlier row on a
// full tie.
int MatrixLid::choosePivot(const FractionFreeElimination &system, int column) const
{
    int chosen = -1;
    int chosenTerms = 0;
    int chosenDigits = 0;
    int chosenZeros = 0;
    for (int r = column; r < nodeCount(); ++r) {
        const TransPolynom &entry = system.entry(r, column);
        if (entry.isZero())
            continue;
        const int terms = entry.coefficientCount();
        const int digits = entry.smallestDigitLength();
        bool better = chosen < 0 || terms < chosenTerms;
        if (!better && terms == chosenTerms) {
            better = digits < chosenDigits;
            if (!better && digits == chosenDigits)
                better = system.zeroNodeEntries(r) > chosenZeros;
        }
        if (better) {
            chosen = r;
            chosenTerms = terms;
            chosenDigits = digits;
            chosenZeros = system.zeroNodeEntries(r);
        }
    }
    return chosen < 0 ? column : chosen;
}
