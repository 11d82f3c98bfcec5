#include <algebra/fractionfreeelimination.h>

#include <algebra/exactquotient.h>
#include <algebra/termbound.h>
#include <algebra/transratiofunc.h>

#include <algorithm>

namespace {

TransPolynom stripped(TransPolynom p)
{
    p.strip();
    return p;
}

TransPolynom cleanProduct(const TransPolynom &a, const TransPolynom &b)
{
    TransPolynom product = a * b;
    TermBound::ofProduct(a, b).dropRoundingNoise(product);
    return product;
}

// Whether the divisor divides p: the quotient times the divisor must give p back to within the
// noise of the products. (The division's own remainder test compares the remainder with p's
// smallest coefficient, which fails for polynomials whose coefficients span many orders of
// magnitude, as those of circuits with small time constants do.)
bool divides(const TransPolynom &divisor, const TransPolynom &p, TransPolynom *quotient = nullptr)
{
    if (divisor.degree() > p.degree())
        return false;
    TransPolynom q = exactQuotient(p, divisor);
    TransPolynom residual = p - q * divisor;
    TermBound bound = TermBound::ofProduct(q, divisor);
    bound.widen(TermBound::of(p));
    bound.dropResidualNoise(residual);
    if (!residual.isZero())
        return false;
    if (quotient)
        *quotient = std::move(q);
    return true;
}

// The power of the lowest non-zero coefficient of a non-zero polynomial.
int lowestPower(const TransPolynom &p)
{
    for (int k = 0; k <= p.degree(); ++k) {
        if (!p.coefficient(k).isZero())
            return k;
    }
    return 0;
}

// Zero entries are kept as empty polynomials.
void storeEntry(TransPolynom &target, TransPolynom value)
{
    value.strip();
    if (value.isZero())
        target = TransPolynom();
    else
        target = std::move(value);
}

} // namespace

FractionFreeElimination::FractionFreeElimination(const Matrix &matrix, int nodeCount,
                                                 int columnCount, NoiseMargin margin)
    : m_nodeCount(nodeCount)
    , m_columnCount(columnCount)
    , m_rows(static_cast<std::size_t>(nodeCount), Row(static_cast<std::size_t>(columnCount)))
    , m_lastStep(static_cast<std::size_t>(nodeCount), -1)
    , m_margin(margin)
{
    for (int r = 0; r < nodeCount; ++r) {
        // A common multiple of the row's denominators: the product of those that do not
        // divide it already.
        TransPolynom multiple{transDouble::one()};
        for (int c = 0; c < columnCount; ++c) {
            const TransRatioFunc &ratio = matrix.entry(r, c);
            if (ratio.isZero())
                continue;
            const TransPolynom denominator = stripped(ratio.denominator());
            if (denominator.degree() < 1)
                continue;
            addRowFactor(denominator);
            if (!divides(denominator, multiple))
                multiple = stripped(multiple * denominator);
        }
        Row &row = m_rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columnCount; ++c) {
            const TransRatioFunc &ratio = matrix.entry(r, c);
            if (ratio.isZero())
                continue;
            const TransPolynom denominator = stripped(ratio.denominator());
            const TransPolynom scale
                = denominator.degree() < 1
                      ? multiple * TransPolynom{denominator.coefficient(0).reciprocal()}
                      : exactQuotient(multiple, denominator);
            storeEntry(row[static_cast<std::size_t>(c)], cleanProduct(ratio.numerator(), scale));
        }
    }
    recordPowerPatterns();
}

void FractionFreeElimination::recordPowerPatterns()
{
    std::vector<AssignmentBound::Column> degrees(static_cast<std::size_t>(m_columnCount));
    std::vector<AssignmentBound::Column> lowest(static_cast<std::size_t>(m_columnCount));
    for (int r = 0; r < m_nodeCount; ++r) {
        for (int c = 0; c < m_columnCount; ++c) {
            const TransPolynom &value = entry(r, c);
            if (value.isZero())
                continue;
            degrees[static_cast<std::size_t>(c)].push_back({r, -value.degree()});
            lowest[static_cast<std::size_t>(c)].push_back({r, lowestPower(value)});
        }
    }
    m_extraDegrees.assign(degrees.begin() + m_nodeCount, degrees.end());
    m_extraLowestPowers.assign(lowest.begin() + m_nodeCount, lowest.end());
    degrees.resize(static_cast<std::size_t>(m_nodeCount));
    lowest.resize(static_cast<std::size_t>(m_nodeCount));
    m_highestPowers.emplace(std::move(degrees));
    m_lowestPowers.emplace(std::move(lowest));
}

void FractionFreeElimination::keepPossiblePowers(TransPolynom &value, std::optional<int> column,
                                                 int sourceColumn) const
{
    std::optional<long long> highest = m_highestPowers->cost();
    std::optional<long long> lowest = m_lowestPowers->cost();
    if (!highest || !lowest)
        return;
    if (column) {
        const auto extra = static_cast<std::size_t>(sourceColumn - m_nodeCount);
        highest = m_highestPowers->costWithColumn(*column, m_extraDegrees[extra]);
        lowest = m_lowestPowers->costWithColumn(*column, m_extraLowestPowers[extra]);
    }
    if (!highest || !lowest) {
        value.setZero();
        return;
    }
    for (int k = 0; k <= value.degree(); ++k) {
        if (k < *lowest || k > -*highest)
            value.coefficientAt(k) = transDouble::zero();
    }
    value.strip();
}

TransPolynom FractionFreeElimination::trackedQuotient(const TransPolynom &a, const TransPolynom &b)
{
    int lost = 0;
    TransPolynom quotient = exactQuotient(a, b, &lost);
    m_lostDigits = std::max(m_lostDigits, lost);
    return quotient;
}

bool FractionFreeElimination::dropNoise(const TermBound &bound, TransPolynom &value) const
{
    return m_margin == NoiseMargin::Residual ? bound.dropResidualNoise(value)
                                             : bound.dropRoundingNoise(value, m_lostDigits);
}

void FractionFreeElimination::addRowFactor(const TransPolynom &factor)
{
    for (const TransPolynom &known : m_rowFactors) {
        if (TransPolynom::compare(known, factor) != 0)
            return;
    }
    // Kept by degree, so that the single admittances of branches (the off-diagonal entries) are
    // tried before the products that the sums on the diagonal hold.
    auto it = m_rowFactors.begin();
    while (it != m_rowFactors.end() && it->degree() <= factor.degree())
        ++it;
    m_rowFactors.insert(it, factor);
}

const TransPolynom &FractionFreeElimination::entry(int row, int column) const
{
    return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

int FractionFreeElimination::zeroNodeEntries(int row) const
{
    int zeros = 0;
    for (int j = 0; j < m_nodeCount; ++j) {
        if (isZero(row, j))
            ++zeros;
    }
    return zeros;
}

void FractionFreeElimination::swapRows(int a, int b)
{
    if (a == b)
        return;
    std::swap(m_rows[static_cast<std::size_t>(a)], m_rows[static_cast<std::size_t>(b)]);
    std::swap(m_lastStep[static_cast<std::size_t>(a)], m_lastStep[static_cast<std::size_t>(b)]);
}

const TransPolynom *FractionFreeElimination::divisorOf(int row) const
{
    const int last = m_lastStep[static_cast<std::size_t>(row)];
    return last < 0 ? nullptr : &m_pivots[static_cast<std::size_t>(last)];
}

void FractionFreeElimination::preparePivotRow(int step)
{
    const int target = step - 1;
    if (target >= 0 && m_lastStep[static_cast<std::size_t>(step)] < target) {
        // The row as the skipped steps would have left it: times p_target / p_last.
        const TransPolynom &scale = m_pivots[static_cast<std::size_t>(target)];
        const TransPolynom *divisor = divisorOf(step);
        for (TransPolynom &value : m_rows[static_cast<std::size_t>(step)]) {
            if (value.isZero())
                continue;
            const TransPolynom scaled = cleanProduct(value, scale);
            storeEntry(value, divisor ? trackedQuotient(scaled, *divisor) : scaled);
        }
        m_lastStep[static_cast<std::size_t>(step)] = target;
    }
    m_pivots.push_back(entry(step, step));
}

void FractionFreeElimination::eliminate(int step)
{
    const Row &pivotRow = m_rows[static_cast<std::size_t>(step)];
    const TransPolynom &pivot = pivotRow[static_cast<std::size_t>(step)];
    for (int r = step + 1; r < m_nodeCount; ++r) {
        Row &row = m_rows[static_cast<std::size_t>(r)];
        if (row[static_cast<std::size_t>(step)].isZero())
            continue;
        const TransPolynom factor = std::move(row[static_cast<std::size_t>(step)]);
        row[static_cast<std::size_t>(step)] = TransPolynom();
        const TransPolynom *divisor = divisorOf(r);
        for (int j = step + 1; j < m_columnCount; ++j) {
            const TransPolynom &own = row[static_cast<std::size_t>(j)];
            const TransPolynom &above = pivotRow[static_cast<std::size_t>(j)];
            if (own.isZero() && above.isZero())
                continue;
            TransPolynom value{transDouble::zero()};
            TermBound bound;
            if (!own.isZero()) {
                value = pivot * own;
                bound = TermBound::ofProduct(pivot, own);
            }
            if (!above.isZero()) {
                value = value - factor * above;
                bound.widen(TermBound::ofProduct(factor, above));
            }
            m_cancelled = dropNoise(bound, value) || m_cancelled;
            storeEntry(row[static_cast<std::size_t>(j)],
                       divisor && !value.isZero() ? trackedQuotient(value, *divisor) : value);
        }
        m_lastStep[static_cast<std::size_t>(r)] = step;
    }
}

TransRatioFunc FractionFreeElimination::solvedRatio(const TransPolynom &numerator,
                                                    const TransPolynom &det) const
{
    if (numerator.isZero())
        return TransRatioFunc();
    TransRatioFunc ratio(numerator, det);
    for (const TransPolynom &factor : m_rowFactors) {
        TransPolynom reducedNumerator;
        TransPolynom reducedDenominator;
        while (divides(factor, ratio.denominator(), &reducedDenominator)
               && divides(factor, ratio.numerator(), &reducedNumerator)) {
            ratio.numerator() = stripped(std::move(reducedNumerator));
            ratio.denominator() = stripped(std::move(reducedDenominator));
        }
    }
    ratio.reduce();
    return ratio;
}

void FractionFreeElimination::writeSolution(Matrix &matrix, int firstSourceColumn)
{
    const int n = m_nodeCount;
    TransPolynom det = m_pivots[static_cast<std::size_t>(n - 1)];
    keepPossiblePowers(det);
    for (int i = 0; i < n; ++i) {
        Matrix::Row &row = matrix.row(i);
        row.clear();
        row.extendTo(m_columnCount - 1);
        row[i].setConstant(transDouble::one());
    }
    std::vector<TransPolynom> z(static_cast<std::size_t>(n));
    for (int s = firstSourceColumn; s < m_columnCount; ++s) {
        // Z_i = (U[i][s] det - sum over j > i of U[i][j] Z_j) / U[i][i], exactly.
        for (int i = n - 1; i >= 0; --i) {
            TransPolynom sum{transDouble::zero()};
            TermBound bound;
            if (!isZero(i, s)) {
                sum = entry(i, s) * det;
                bound = TermBound::ofProduct(entry(i, s), det);
            }
            for (int j = i + 1; j < n; ++j) {
                const TransPolynom &zj = z[static_cast<std::size_t>(j)];
                if (!isZero(i, j) && !zj.isZero()) {
                    sum = sum - entry(i, j) * zj;
                    bound.widen(TermBound::ofProduct(entry(i, j), zj));
                }
            }
            dropNoise(bound, sum);
            TransPolynom value
                = sum.isZero() ? sum : trackedQuotient(sum, m_pivots[static_cast<std::size_t>(i)]);
            keepPossiblePowers(value, i, s);
            storeEntry(z[static_cast<std::size_t>(i)], std::move(value));
        }
        for (int i = 0; i < n; ++i)
            matrix.row(i)[s] = solvedRatio(z[static_cast<std::size_t>(i)], det);
    }
}
