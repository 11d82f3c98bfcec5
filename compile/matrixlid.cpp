#include "matrixlid.h"

#include <compile/circuitsolution.h>
#include <compile/compilemessages.h>
#include <compile/documentcompile.h>
#include <compile/outputequationparser.h>
#include <compile/ratioreceiver.h>
#include <model/currenttag.h>
#include <model/depsource.h>
#include <model/tcircuitdocument.h>

namespace {

const char *const severalCurrentSources = "Essential Branch has more than one current source";
const char *const currentSourceInEveryBranch
    = "Essential Node has a current source in every branch";

TransRatioFunc unitRatio(bool positive)
{
    TransRatioFunc ratio;
    ratio.setConstant(positive ? transDouble::one() : transDouble::minusOne());
    return ratio;
}

template<typename Thing>
Thing *firstNamed(const MPtrArray<Thing> &things, const labelUnit &name,
                  const TCircuitDocument &document)
{
    for (Thing *thing : things) {
        if (thing->matches(name, &document))
            return thing;
    }
    return nullptr;
}

} // namespace

MatrixLid::MatrixLid(TCircuitDocument &document)
    : m_document(document)
    , m_tags(document.tags())
    , m_matrix(std::make_unique<Matrix>())
{
}

MatrixLid::~MatrixLid() = default;

bool MatrixLid::failed() const
{
    return m_document.errorCount() != 0;
}

void MatrixLid::setFormulationProgress(int progress)
{
    m_formulationProgress = progress;
    refreshCompileDialog(m_document);
}

void MatrixLid::checkSourcesAndTags()
{
    if (m_independentSources.isEmpty())
        m_document.addMessage(CompileMessages::noIndependentSources);
    for (Component *source : m_independentSources)
        source->check();
    for (Component *source : m_dependentSources)
        source->check();
    for (CircTag *tag : m_tags)
        tag->check();
}

void MatrixLid::indexColumns()
{
    m_columns.clear();
    for (int i = 0; i < nodeCount(); ++i)
        m_columns[m_nodesToSolve[i]] = i;
    for (int k = 0; k < dependentCount(); ++k)
        m_columns[m_dependentSources[k]] = nodeCount() + k;
    for (int k = 0; k < independentCount(); ++k)
        m_columns[m_independentSources[k]] = nodeCount() + dependentCount() + k;
}

// The column of a node to solve; -1 for the reference and every other node.
int MatrixLid::nodeColumn(const CPoint *point) const
{
    const auto found = m_columns.find(point);
    return found == m_columns.end() || found->second >= nodeCount() ? -1 : found->second;
}

// The column of a dependent or independent source; -1 for any other component.
int MatrixLid::sourceColumn(const Component *source) const
{
    const auto found = m_columns.find(source);
    return found == m_columns.end() || found->second < nodeCount() ? -1 : found->second;
}

void MatrixLid::formulate()
{
    writeRows(true);
}

void MatrixLid::writeRows(bool reportProgress)
{
    if (nodeCount() == 0) {
        m_document.addMessage(CompileMessages::noNodeToSolve);
        return;
    }
    const auto progress = [&](int percent) {
        if (reportProgress)
            setFormulationProgress(percent);
    };
    indexColumns();
    for (const SNode *snode : m_supernodes) {
        if (!snode->holdsReference() && !writeCurrentBalance(*snode))
            return;
    }
    progress(40);
    if (failed())
        return;
    writeVoltageRows();
    progress(80);
    if (failed() || !substituteDependentSources())
        return;
    progress(100);
}

// The sum of the currents leaving the supernode through its branches to other nodes is zero.
bool MatrixLid::writeCurrentBalance(const SNode &snode)
{
    Matrix::Row &row = m_matrix->appendRow(columnCount());
    int counted = 0;
    bool withoutCurrentSource = false;
    for (const CPoint *point : snode.cpoints) {
        for (const Branch *branch : point->branches) {
            if (branch->internal)
                continue;
            ++counted;
            for (const DirectedComp &part : branch->chain())
                part.component->check();
            if (branch->nCurrentSources() > 1)
                m_document.addMessage(severalCurrentSources);
            if (failed())
                return false;
            if (branch->nCurrentSources() == 1) {
                for (const DirectedComp &part : branch->chain()) {
                    if (part.component->isCurrentSource()) {
                        const int column = sourceColumn(part.component);
                        if (column >= 0)
                            row.extendTo(column) = unitRatio(part.forward);
                        break;
                    }
                }
            } else {
                writeBranch(row, nodeColumn(point), *branch);
                withoutCurrentSource = true;
            }
        }
    }
    if (counted > 0 && !withoutCurrentSource)
        m_document.addMessage(currentSourceInEveryBranch);
    return !failed();
}

// A branch without a current source carries Y (V_start - V_end + the voltage sources it
// crosses forward - those it crosses backward), Y the inverse of its total impedance.
void MatrixLid::writeBranch(Matrix::Row &row, int column, const Branch &branch)
{
    TransRatioFunc impedance;
    for (const DirectedComp &part : branch.chain())
        impedance += part.component->impedance();
    TransRatioFunc admittance = unitRatio(true);
    admittance /= impedance;
    if (column >= 0)
        row.extendTo(column) += admittance;
    if (branch.nVoltageSources() > 0) {
        for (const DirectedComp &part : branch.chain()) {
            const int source
                = part.component->isVoltageSource() ? sourceColumn(part.component) : -1;
            if (source < 0)
                continue;
            if (part.forward)
                row.extendTo(source) += admittance;
            else
                row.extendTo(source) -= admittance;
        }
    }
    const int end = nodeColumn(branch.end);
    if (end >= 0)
        row.extendTo(end) -= admittance;
}

// One row per branch of voltage sources joining a supernode:
// V_start - V_end + the sources crossed forward - those crossed backward = 0.
void MatrixLid::writeVoltageRows()
{
    for (const SNode *snode : m_supernodes) {
        for (const Branch *branch : snode->branches) {
            Matrix::Row &row = m_matrix->appendRow(columnCount());
            const int start = nodeColumn(branch->start);
            if (start >= 0)
                row.extendTo(start) = unitRatio(true);
            const int end = nodeColumn(branch->end);
            if (end >= 0)
                row.extendTo(end) = unitRatio(false);
            for (const DirectedComp &part : branch->chain()) {
                const int source = sourceColumn(part.component);
                if (source >= 0)
                    row.extendTo(source) = unitRatio(part.forward);
            }
        }
    }
}

// Every dependent source's column is replaced by its value in terms of the other unknowns.
bool MatrixLid::substituteDependentSources()
{
    for (int k = 0; k < dependentCount(); ++k) {
        MArray<TransRatioFunc> value;
        value.extendTo(columnCount() - 1);
        if (!dependentSourceRow(*m_dependentSources[k], value))
            return false;
        const int column = nodeCount() + k;
        for (int r = 0; r < m_matrix->rowCount(); ++r) {
            Matrix::Row &row = m_matrix->row(r);
            if (row.extendTo(column).isZero())
                continue;
            const TransRatioFunc factor = row[column];
            row[column] = TransRatioFunc();
            for (int j = 0; j < columnCount(); ++j) {
                if (j != column)
                    row.extendTo(j) += factor * value[j];
            }
        }
    }
    return true;
}

// The value of a dependent source: its gain times the sum of its controlling quantities. A
// voltage tag contributes V(first point) - V(second point), a current tag that voltage over
// the impedance it spans, an independent source its own value.
bool MatrixLid::dependentSourceRow(Component &source, MArray<TransRatioFunc> &value)
{
    const auto *dependent = dynamic_cast<const DepSource *>(&source);
    if (dependent == nullptr)
        return true;
    const TransRatioFunc gain = source.gain();
    for (const TagDepcy &dependency : dependent->dependencies()) {
        const CircTag *tag = firstNamed(m_tags, dependency.tagName(), m_document);
        const Component *independent
            = firstNamed(m_independentSources, dependency.tagName(), m_document);
        if (tag == nullptr && independent == nullptr)
            source.check();
        if (failed())
            return false;
        TransRatioFunc term = dependency.isSelected() ? gain : TransRatioFunc();
        if (tag == nullptr) {
            const int column = independent ? sourceColumn(independent) : -1;
            if (column >= 0)
                value[column] += term;
            continue;
        }
        if (const auto *currentTag = dynamic_cast<const CurrentTag *>(tag)) {
            // A current tag without its component is reported by its own check; it adds
            // nothing here.
            if (currentTag->passComp == nullptr)
                continue;
            term /= currentTag->passComp->impedance();
        }
        const int first = nodeColumn(CPoint::of(tag->cp1));
        if (first >= 0)
            value[first] += term;
        const int second = nodeColumn(CPoint::of(tag->cp2));
        if (second >= 0)
            value[second] -= term;
    }
    return true;
}

bool MatrixLid::parseOutputEquation(std::string_view sourceName, std::string_view equation,
                                    RatioReceiver &receiver)
{
    if (sourceName.size() > labelUnit::capacity)
        return false;
    const int position = m_independentSources.indexOf(
        firstNamed(m_independentSources, labelUnit(sourceName), m_document));
    if (position == absentIndex)
        return false;
    m_selectedColumn = position + nodeCount() + dependentCount();
    OutputEquationParser::tokenize(equation, m_tokens);
    m_cursor = 0;
    const TransRatioFunc ratio = OutputEquationParser(*this).equation();
    if (!failed()) {
        receiver.setRatio(ratio);
        return true;
    }
    m_tokens.clear();
    return false;
}
