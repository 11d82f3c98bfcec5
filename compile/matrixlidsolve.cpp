#include "matrixlid.h"

#include <algebra/fractionfreeelimination.h>
#include <compile/documentcompile.h>

#include <compile/compilemessages.h>
#include <compile/cpoint.h>
#include <model/tcircuitdocument.h>

#include <algebra/exactcomplex.h>

#include <algorithm>
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
    using Margin = FractionFreeElimination::NoiseMargin;
    bool precisionShort = false;
    std::optional<Matrix> solved = solvedAtWorkPrecision(Margin::Rounding, precisionShort);
    if (!solved && !precisionShort)
        return;
    // A network of many energy stores may lose more digits to its cancellations than the work
    // precision holds (a symmetric mesh whose modes cancel at its far corner): it keeps the
    // rounding of terms that cancel as coefficients, so that its solution has more poles than
    // the circuit has capacitors and inductors, or loses a pivot to the cancellation. It is
    // solved again at twice the precision, taking only what lies within half the precision of
    // its terms, until two solutions agree. The work precision stays raised for the evaluations
    // that follow.
    if (!solved || !hasPossibleDegrees(*solved)) {
        bool agree = false;
        while (!agree && transDouble::workPrecision() < mostConfirmingPrecision) {
            transDouble::setWorkPrecision(static_cast<std::uint16_t>(
                std::min(2 * transDouble::workPrecision(), int{mostConfirmingPrecision})));
            std::optional<Matrix> again = solvedAtWorkPrecision(Margin::Residual, precisionShort);
            if (!again && !precisionShort)
                return;
            agree = solved && again && solutionsAgree(*solved, *again);
            solved = std::move(again);
        }
        if (!solved) {
            m_document.addMessage(invalidCircuit);
            return;
        }
    }
    *m_matrix = std::move(*solved);
    setSolutionProgress(100);
}

std::optional<Matrix> MatrixLid::solvedAtWorkPrecision(FractionFreeElimination::NoiseMargin margin,
                                                       bool &precisionShort)
{
    precisionShort = false;
    const int n = nodeCount();
    setSolutionProgress(10);
    FractionFreeElimination system(*m_matrix, n, columnCount(), margin);
    for (int c = 0; c < n; ++c) {
        if (c + 1 < n)
            setSolutionProgress(10 + (80 / (n - 1)) * c);
        if (failed())
            return std::nullopt;
        system.swapRows(c, choosePivot(system, c));
        system.preparePivotRow(c);
        if (system.isZero(c, c)) {
            // A pivot that a cancellation may have taken is tried again at a higher precision.
            precisionShort = system.hasCancelled();
            if (!precisionShort)
                m_document.addMessage(invalidCircuit);
            return std::nullopt;
        }
        if (c + 1 < n)
            system.eliminate(c);
    }
    setSolutionProgress(90);
    Matrix solved = *m_matrix;
    system.writeSolution(solved, nodeCount() + dependentCount());
    return solved;
}

namespace {

// Whether two polynomials have the same degree and agree in every coefficient to within a
// quarter of the lower work precision.
bool agree(const TransPolynom &a, const TransPolynom &b, double digits)
{
    TransPolynom x = a;
    TransPolynom y = b;
    x.strip();
    y.strip();
    if (x.degree() != y.degree())
        return false;
    for (int k = 0; k <= x.degree(); ++k) {
        const transDouble &p = x.coefficient(k);
        const transDouble &q = y.coefficient(k);
        if (p.isZero() != q.isZero())
            return false;
        if (p.isZero())
            continue;
        const transDouble difference = p - q;
        if (!difference.isZero()
            && logBase256(difference) > std::max(logBase256(p), logBase256(q)) - digits)
            return false;
    }
    return true;
}

} // namespace

bool MatrixLid::hasPossibleDegrees(const Matrix &solved) const
{
    const int stores = m_document.energyStoreCount();
    for (int i = 0; i < nodeCount(); ++i) {
        for (int s = nodeCount() + dependentCount(); s < columnCount(); ++s) {
            TransPolynom denominator = solved.entry(i, s).denominator();
            denominator.strip();
            if (denominator.degree() > stores)
                return false;
        }
    }
    return true;
}

// Solved at two precisions, an entry may come out as the same ratio with numerator and
// denominator both multiplied by one constant (pivots chosen in another order give the opposite
// sign): the lower solution's entry is brought to the higher one's scale by the ratio of the
// denominators' top coefficients before the coefficients are compared.
bool MatrixLid::solutionsAgree(const Matrix &lower, const Matrix &higher) const
{
    const double digits = transDouble::workPrecision() / 8.0;
    for (int i = 0; i < nodeCount(); ++i) {
        for (int s = nodeCount() + dependentCount(); s < columnCount(); ++s) {
            const TransRatioFunc &a = lower.entry(i, s);
            const TransRatioFunc &b = higher.entry(i, s);
            TransPolynom aDenominator = a.denominator();
            TransPolynom bDenominator = b.denominator();
            aDenominator.strip();
            bDenominator.strip();
            if (aDenominator.isZero() != bDenominator.isZero())
                return false;
            if (aDenominator.isZero())
                continue;
            const TransPolynom scale{bDenominator.highestCoefficient()
                                     / aDenominator.highestCoefficient()};
            if (!agree(scale * a.numerator(), b.numerator(), digits)
                || !agree(scale * aDenominator, bDenominator, digits))
                return false;
        }
    }
    return true;
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
