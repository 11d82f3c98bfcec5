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

// Elimination of the node columns. The columns are taken in breadth-first order over the nodes
// and the pivots chosen small; the elimination itself is fraction-free on polynomial rows (see
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
    // The solution must hold three quarters of the precision chosen for the circuit. The exact
    // divisions of the elimination and the back substitution lose digits, most in networks of
    // many energy stores, about three bits for each (a 200-section ladder towards its input 73
    // bytes, a 10 x 10 mesh 46, a 4 x 4 mesh of inductors and capacitors 12): the first solution
    // is made with that loss and a guard added, so that such networks are solved once. A
    // solution that lost more is solved again with its loss added, and a quarter more, as the
    // loss grows a little with the precision, and the guard. The work precision is then what the
    // raised solution holds, at most the chosen one: the rounding that later steps take for
    // noise, and the tests of common and multiple roots, measure against it.
    constexpr int guard = 2;
    const int chosen = transDouble::workPrecision();
    const int required = chosen - chosen / 4;
    const int expectedLoss = (3 * m_document.energyStoreCount() + 7) / 8;
    if (!rewrittenAt(std::max(
            chosen, std::min(chosen + expectedLoss + guard, int{mostConfirmingPrecision}))))
        return;
    bool precisionShort = false;
    int lost = 0;
    std::optional<Matrix> solved = solvedAtWorkPrecision(Margin::Rounding, precisionShort, lost);
    if (!solved && !precisionShort)
        return;
    const auto held = [&lost] { return transDouble::workPrecision() - lost - guard; };
    int heldBefore = held();
    while (solved && held() < required && transDouble::workPrecision() < mostConfirmingPrecision) {
        if (!rewrittenAt(
                std::min(required + lost + lost / 4 + guard, int{mostConfirmingPrecision})))
            return;
        solved = solvedAtWorkPrecision(Margin::Rounding, precisionShort, lost);
        if (!solved && !precisionShort)
            return;
        // A loss that grows with the precision is rounding taken for coefficients, which only
        // the confirmation below removes.
        if (held() <= heldBefore)
            break;
        heldBefore = held();
    }
    const bool holdsRequired = solved && held() >= required;
    const bool raised = transDouble::workPrecision() > chosen;
    transDouble::setWorkPrecision(
        static_cast<std::uint16_t>(holdsRequired && raised ? std::min(held(), chosen) : chosen));
    // A network of many energy stores may lose more digits to its cancellations than the work
    // precision holds (a symmetric mesh whose modes cancel at its far corner, a mesh of
    // inductors): it keeps the rounding of terms that cancel as coefficients, so that its
    // solution has more poles than the circuit has capacitors and inductors, or loses a pivot to
    // the cancellation, or all its digits. It is solved again from the chosen precision at twice
    // that, taking only what lies within half the precision of its terms, until two solutions
    // agree. The work precision stays raised for the evaluations that follow.
    if (!holdsRequired || !hasPossibleDegrees(*solved)) {
        bool agree = false;
        while (!agree && transDouble::workPrecision() < mostConfirmingPrecision) {
            if (!rewrittenAt(
                    std::min(2 * transDouble::workPrecision(), int{mostConfirmingPrecision})))
                return;
            std::optional<Matrix> again
                = solvedAtWorkPrecision(Margin::Residual, precisionShort, lost);
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
    roundSolution(*solved);
    *m_matrix = std::move(*solved);
    setSolutionProgress(100);
}

// Every solution reads the component values at its own precision. Rows written once at the
// chosen precision hold the values to that precision only, and relations between them too: the
// branch factors 100 ohm + s 2 mH and 200 ohm + s 4 mH share their root only to within the
// rounding of 2 mH and 4 mH. Eliminated at a higher precision, the two count as distinct roots a
// rounding apart, and the exact divisions by their near-square lose every digit. The columns
// keep the order already chosen: the nodes to solve are in it.
bool MatrixLid::rewrittenAt(int digits)
{
    transDouble::setWorkPrecision(static_cast<std::uint16_t>(digits));
    m_matrix = std::make_unique<Matrix>();
    writeRows(false);
    return !failed();
}

// A solution made at a raised precision is rounded to the work precision of the steps that
// follow. Kept longer, the first sum of two solved values would round the one denominator and
// not the other, and the two would no longer be found equal: every sum of node voltages would
// multiply its denominators.
void MatrixLid::roundSolution(Matrix &solved) const
{
    const std::uint16_t digits = transDouble::workPrecision();
    for (int i = 0; i < nodeCount(); ++i) {
        for (int s = nodeCount() + dependentCount(); s < columnCount(); ++s) {
            TransRatioFunc &entry = solved.row(i)[s];
            entry.numerator().roundCoefficients(digits);
            entry.denominator().roundCoefficients(digits);
        }
    }
}

std::optional<Matrix> MatrixLid::solvedAtWorkPrecision(FractionFreeElimination::NoiseMargin margin,
                                                       bool &precisionShort, int &lostDigits)
{
    precisionShort = false;
    lostDigits = 0;
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
    lostDigits = system.lostDigits();
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

namespace {

// Breadth-first from a node of fewest neighbours, the neighbours of each node taken fewest
// first, one component of the graph after the other.
std::vector<int> cuthillMcKeeOrder(const std::vector<std::vector<int>> &neighbours)
{
    const int n = static_cast<int>(neighbours.size());
    const auto fewerNeighbours = [&neighbours](int a, int b) {
        const std::size_t da = neighbours[static_cast<std::size_t>(a)].size();
        const std::size_t db = neighbours[static_cast<std::size_t>(b)].size();
        return da != db ? da < db : a < b;
    };
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(n));
    std::vector<bool> placed(static_cast<std::size_t>(n), false);
    while (static_cast<int>(order.size()) < n) {
        int start = -1;
        for (int j = 0; j < n; ++j) {
            if (!placed[static_cast<std::size_t>(j)] && (start < 0 || fewerNeighbours(j, start)))
                start = j;
        }
        placed[static_cast<std::size_t>(start)] = true;
        order.push_back(start);
        for (std::size_t next = order.size() - 1; next < order.size(); ++next) {
            std::vector<int> fresh;
            for (int j : neighbours[static_cast<std::size_t>(order[next])]) {
                if (!placed[static_cast<std::size_t>(j)])
                    fresh.push_back(j);
            }
            std::sort(fresh.begin(), fresh.end(), fewerNeighbours);
            for (int j : fresh) {
                placed[static_cast<std::size_t>(j)] = true;
                order.push_back(j);
            }
        }
    }
    return order;
}

} // namespace

// The node columns in breadth-first order over the node graph (two nodes adjacent when the row
// of either has an entry in the column of the other), from a node of fewest neighbours, the
// neighbours of each node taken fewest first (Cuthill and McKee), one component after the other;
// the nodes to solve follow their columns. Every node after the first of its component is
// adjacent to one before it, so the leading block of the elimination stays connected. Taken apart
// (the corners and edges of a mesh first, as they have the fewest entries), separated nodes
// multiply their pivots into powers of the same factors, such as (G + sC)^k, and the exact
// divisions by them lose digits by the binomials of k; a mesh of 8 x 8 lost them all. The
// elimination also fills in no farther than the profile of this order.
void MatrixLid::orderColumns()
{
    const int n = nodeCount();
    std::vector<std::vector<int>> neighbours(static_cast<std::size_t>(n));
    for (int r = 0; r < std::min(n, m_matrix->rowCount()); ++r) {
        for (int j = 0; j < n; ++j) {
            if (j == r || m_matrix->entry(r, j).isZero())
                continue;
            neighbours[static_cast<std::size_t>(r)].push_back(j);
            neighbours[static_cast<std::size_t>(j)].push_back(r);
        }
    }
    for (std::vector<int> &list : neighbours) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    const std::vector<int> order = cuthillMcKeeOrder(neighbours);
    // The permutation by swaps: column i takes the node order[i] from where it is now.
    std::vector<int> positionOf(static_cast<std::size_t>(n));
    std::vector<int> nodeAt(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j) {
        positionOf[static_cast<std::size_t>(j)] = j;
        nodeAt[static_cast<std::size_t>(j)] = j;
    }
    for (int i = 0; i < n; ++i) {
        const int from = positionOf[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])];
        if (from == i)
            continue;
        m_matrix->swapColumns(i, from);
        m_nodesToSolve.swapEntries(i, from);
        std::swap(nodeAt[static_cast<std::size_t>(i)], nodeAt[static_cast<std::size_t>(from)]);
        positionOf[static_cast<std::size_t>(nodeAt[static_cast<std::size_t>(i)])] = i;
        positionOf[static_cast<std::size_t>(nodeAt[static_cast<std::size_t>(from)])] = from;
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
