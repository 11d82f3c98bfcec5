#pragma once

#include <common/marray.h>
#include <common/mptrarray.h>
#include <compile/cpoint.h>
#include <compile/endpoint.h>
#include <compile/snode.h>
#include <model/fwd.h>

#include <vector>

class MatrixLid;

// The netlist of a document's circuit: the distinct terminal positions, the nodes built from
// them, the supernodes and the reference node. build() writes the netlist fields of the
// document's components and tags; they point into this object and are meaningful only while
// it lives. Problems are reported as messages of the document.
class CircuitSolution
{
public:
    // Where all ground symbols put their second terminal, off every sheet, so that they share
    // one position and all grounded nodes become one.
    static constexpr std::int32_t groundPosition = -32000;

    explicit CircuitSolution(TCircuitDocument &document);
    CircuitSolution(const CircuitSolution &) = delete;
    CircuitSolution &operator=(const CircuitSolution &) = delete;

    // Builds nodes, branches and supernodes from the drawing.
    void build();
    // Reports every pair of components, tags and tools that share a name.
    void checkNames();
    // Hands supernodes, sources and the nodes to solve to the equation system.
    void exportTo(MatrixLid &lid);

    int progress() const { return m_progress; }
    const MArray<EndPoint> &endpoints() const { return m_endpoints; }
    const MPtrArray<CPoint> &cpoints() const { return m_cpoints; }
    const MPtrArray<SNode> &snodes() const { return m_snodes; }
    CPoint *reference() const { return m_reference; }

private:
    void setProgress(int progress);
    EndPoint *storedEndPoint(EndPoint position);
    void collectEndPoints();
    void attachComponents();
    void joinThroughConnectors();
    void dropShortedComponents();
    void setTerminalNodes();
    void setTagNodes();
    void pruneChains();
    bool pruneAt(CPoint &point, std::vector<const CPoint *> &anchors);
    bool chooseReference();
    void buildBranches();
    void buildSupernodes();
    void markInternalBranches();
    CPoint *nodeHolding(const EndPoint *position) const;

    int m_progress = 0;
    TCircuitDocument &m_document;
    MArray<EndPoint> m_endpoints;
    MPtrArray<CPoint> m_cpoints;
    MPtrArray<SNode> m_snodes;
    CPoint *m_reference = nullptr;
};
