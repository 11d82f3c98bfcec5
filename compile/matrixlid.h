#pragma once

#include <algebra/fractionfreeelimination.h>
#include <algebra/matrix.h>
#include <algebra/transratiofunc.h>
#include <common/marray.h>
#include <common/mptrarray.h>
#include <model/fwd.h>
#include <model/labelunit.h>

#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>

class CPoint;
class SNode;
class Branch;
class RatioReceiver;

// The network equations of a compiled circuit and their solution. The unknowns are the
// voltages of the nodes to solve (columns 0 ... N-1), then the values of the dependent sources
// (N ... N+D-1) and of the independent sources (N+D ... N+D+I-1); every row states that the
// sum of its entries times the unknowns is zero. After solve(), row i reads
// x_i + sum over s of M[i][s] u_s = 0 for the independent sources s, so the voltage of node i
// per unit of source s is -M[i][s]. Problems are messages of the document; every stage stops
// at the first look at a non-zero error count.
class MatrixLid
{
public:
    explicit MatrixLid(TCircuitDocument &document);
    MatrixLid(const MatrixLid &) = delete;
    MatrixLid &operator=(const MatrixLid &) = delete;
    ~MatrixLid();

    // Filled by the netlist's hand-over; none of the lists owns its entries.
    MPtrArray<SNode> &supernodes() { return m_supernodes; }
    MPtrArray<Component> &dependentSources() { return m_dependentSources; }
    MPtrArray<CPoint> &nodesToSolve() { return m_nodesToSolve; }
    MPtrArray<Component> &independentSources() { return m_independentSources; }
    const MPtrArray<CPoint> &nodesToSolve() const { return m_nodesToSolve; }
    const MPtrArray<Component> &independentSources() const { return m_independentSources; }
    const MPtrArray<Component> &dependentSources() const { return m_dependentSources; }
    int nodeCount() const { return m_nodesToSolve.count(); }
    int dependentCount() const { return m_dependentSources.count(); }
    int independentCount() const { return m_independentSources.count(); }
    int columnCount() const { return nodeCount() + dependentCount() + independentCount(); }

    // Reports a circuit without independent sources, then checks every source and tag.
    void checkSourcesAndTags();
    // Writes the current-balance rows, the voltage rows, and substitutes the dependent
    // sources away.
    void formulate();
    // Solves for the node columns: afterwards row i reads x_i + sum M[i][s] u_s = 0.
    void solve();
    // A solution solved again at a raised precision stops raising it here.
    static constexpr std::uint16_t mostConfirmingPrecision = 512;

    int formulationProgress() const { return m_formulationProgress; }
    int solutionProgress() const { return m_solutionProgress; }
    const Matrix &matrix() const { return *m_matrix; }
    // The solved entry of the node at a position of the nodes to solve, in a column.
    const TransRatioFunc &solvedEntry(int nodePosition, int column) const
    {
        return m_matrix->entry(nodePosition, column);
    }

    // Evaluates an output equation over the document's tags for the named independent source
    // and hands the ratio to the receiver; answers whether it did. Its faults are messages.
    bool parseOutputEquation(std::string_view sourceName, std::string_view equation,
                             RatioReceiver &receiver);
    // The parse state of the last output equation.
    int selectedColumn() const { return m_selectedColumn; }
    void setSelectedColumn(int column) { m_selectedColumn = column; }
    int cursor() const { return m_cursor; }
    void setCursor(int cursor) { m_cursor = cursor; }
    MArray<labelUnit> &tokens() { return m_tokens; }
    TCircuitDocument &document() const { return m_document; }

private:
    bool failed() const;
    // The node columns eliminated at the current work precision, written into a copy of the
    // matrix; nothing when the solution stops, with its message, or without one and with
    // precisionShort set when a pivot vanished after terms had cancelled; lostDigits receives
    // the digits that its exact divisions lost.
    std::optional<Matrix> solvedAtWorkPrecision(FractionFreeElimination::NoiseMargin margin,
                                                bool &precisionShort, int &lostDigits);
    // Sets the work precision to the given digits and writes the rows again from the component
    // values at it, for a solution there; answers whether that went without a message.
    bool rewrittenAt(int digits);
    bool solutionsAgree(const Matrix &lower, const Matrix &higher) const;
    void roundSolution(Matrix &solved) const;
    // Whether no solved ratio has more poles than the circuit has capacitors and inductors.
    bool hasPossibleDegrees(const Matrix &solved) const;
    void setFormulationProgress(int progress);
    void setSolutionProgress(int progress);
    void indexColumns();
    int nodeColumn(const CPoint *point) const;
    int sourceColumn(const Component *source) const;
    // The rows at the current work precision; the compile reports the progress of the first
    // writing only.
    void writeRows(bool reportProgress);
    bool writeCurrentBalance(const SNode &snode);
    void writeBranch(Matrix::Row &row, int column, const Branch &branch);
    void writeVoltageRows();
    bool substituteDependentSources();
    bool dependentSourceRow(Component &source, MArray<TransRatioFunc> &row);

    void orderColumns();
    int choosePivot(const FractionFreeElimination &system, int column) const;

    int m_formulationProgress = 0;
    int m_solutionProgress = 0;
    TCircuitDocument &m_document;
    MPtrArray<SNode> m_supernodes;
    MPtrArray<Component> m_dependentSources;
    MPtrArray<CPoint> m_nodesToSolve;
    MPtrArray<Component> m_independentSources;
    const MPtrArray<CircTag> &m_tags;
    std::unique_ptr<Matrix> m_matrix;
    int m_selectedColumn = 0;
    int m_cursor = 0;
    MArray<labelUnit> m_tokens;
    // Column of every node to solve and of every source, filled when the rows are written.
    std::unordered_map<const void *, int> m_columns;
};
