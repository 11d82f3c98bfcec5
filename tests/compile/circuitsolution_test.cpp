#include <compile/circuitsolution.h>
#include <compile/documentcompile.h>
#include <compile/matrixlid.h>
#include <support/circuitsketch.h>

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A netlist built on the sketch's document, outside the compile driver.
struct Netlist
{
    explicit Netlist(CircuitSketch &sketch)
        : solution(sketch.document)
    {
        solution.build();
    }

    // The node holding a sheet position (ground symbols hold theirs off the sheet).
    const CPoint *nodeAt(Point point) const
    {
        for (const CPoint *node : solution.cpoints()) {
            for (const EndPoint *position : node->positions) {
                if (position->x() == point.x && position->y() == point.y)
                    return node;
            }
        }
        return nullptr;
    }

    int essentialCount() const
    {
        int count = 0;
        for (const CPoint *node : solution.cpoints())
            count += node->isEssential ? 1 : 0;
        return count;
    }

    CircuitSolution solution;
};

// V1 from ground up to a, R1 from a to b, R2 from b down to ground.
void drawDivider(CircuitSketch &c)
{
    c.ground(at(0, 2));
    c.voltageSource(at(0, 2), at(0, 0), "V1");
    c.resistor(at(0, 0), at(1, 0), "R1", "1");
    c.resistor(at(1, 0), at(1, 2), "R2", "1");
    c.ground(at(1, 2));
}

} // namespace

TEST(CircuitSolution, WiresAndGroundSymbolsJoinPositionsIntoOneNode)
{
    CircuitSketch c;
    drawDivider(c);
    // R2 continues to ground through a chain of three wires instead.
    c.resistor(at(1, 0), at(2, 1), "R3", "1");
    c.wire(at(2, 1), at(3, 1));
    c.wire(at(3, 1), at(3, 2));
    c.wire(at(3, 2), at(2, 2));
    c.ground(at(2, 2));
    Netlist n(c);

    const CPoint *ground = n.nodeAt(at(0, 2));
    ASSERT_NE(ground, nullptr);
    EXPECT_EQ(n.nodeAt(at(1, 2)), ground);
    EXPECT_EQ(n.nodeAt(at(2, 1)), ground);
    EXPECT_EQ(n.nodeAt(at(2, 2)), ground);
    EXPECT_EQ(n.nodeAt(Point{-32000, -32000}), ground);
    EXPECT_EQ(n.solution.cpoints().count(), 3);
    for (const CPoint *node : n.solution.cpoints()) {
        for (const Component *component : node->components)
            EXPECT_FALSE(component->isConnector());
    }
    // V1, R2 and R3 end on ground; a holds V1 and R1; b holds R1, R2 and R3.
    EXPECT_EQ(ground->degree(), 3);
    EXPECT_EQ(n.nodeAt(at(0, 0))->degree(), 2);
    EXPECT_EQ(n.nodeAt(at(1, 0))->degree(), 3);
    EXPECT_TRUE(n.solution.reference() == n.nodeAt(Point{0, 200}));
    EXPECT_EQ(n.solution.progress(), 80);
}

TEST(CircuitSolution, ComponentsBridgedByAWireLeaveTheNetlist)
{
    CircuitSketch c;
    drawDivider(c);
    Resistor &bridged = c.resistor(at(0, 0), at(1, 0), "R9", "1");
    c.wire(at(1, 0), at(0, 0));
    VoltSource &shorted = c.voltageSource(at(1, 0), at(2, 0), "V2");
    c.wire(at(2, 0), at(1, 0));
    c.voltageTag(at(0, 0), at(0, 2), "Va");
    Netlist n(c);

    EXPECT_EQ(bridged.cp1, nullptr);
    EXPECT_EQ(bridged.cp2, nullptr);
    EXPECT_EQ(shorted.cp1, nullptr);
    EXPECT_EQ(shorted.cp2, nullptr);
    // R1 is bridged too: a and b are one node, and only V1 and R2 remain.
    EXPECT_EQ(n.nodeAt(at(0, 0))->degree(), 2);
    EXPECT_TRUE(c.messages().empty());
}

TEST(CircuitSolution, ParallelVoltageSourcesAreALoopButSeriesOnesASupernode)
{
    CircuitSketch parallel;
    drawDivider(parallel);
    parallel.voltageSource(at(0, 2), at(0, 0), "V2");
    parallel.voltageTag(at(0, 0), at(0, 2), "Va");
    Netlist p(parallel);
    EXPECT_EQ(parallel.messages(),
              std::vector<std::string>{"Two or more Voltage Sources are shorted together"});
    EXPECT_EQ(p.solution.progress(), 70);

    CircuitSketch series;
    series.ground(at(0, 2));
    series.voltageSource(at(0, 2), at(0, 1), "V1");
    series.voltageSource(at(0, 1), at(0, 0), "V2");
    series.resistor(at(0, 0), at(1, 0), "R1", "1");
    series.resistor(at(1, 0), at(1, 2), "R2", "1");
    series.ground(at(1, 2));
    series.voltageTag(at(0, 0), at(0, 2), "Va");
    Netlist s(series);
    EXPECT_TRUE(series.messages().empty());
    // One supernode: ground, then a reached through the chain V1, V2.
    ASSERT_EQ(s.solution.snodes().count(), 1);
    const SNode *joined = s.solution.snodes()[0];
    ASSERT_EQ(joined->cpoints.count(), 2);
    EXPECT_EQ(joined->cpoints[0], s.nodeAt(at(0, 2)));
    EXPECT_EQ(joined->cpoints[1], s.nodeAt(at(0, 0)));
    ASSERT_EQ(joined->branches.count(), 1);
    const Branch &chain = *joined->branches[0];
    ASSERT_EQ(chain.componentCount(), 2);
    EXPECT_TRUE(chain.isVoltageSourceOnly());
    EXPECT_EQ(chain.chain()[0].component->name(), "V1");
    EXPECT_TRUE(chain.chain()[0].forward);
    // The branch R1, R2 between the two nodes is internal to the supernode.
    for (const CPoint *node : joined->cpoints) {
        ASSERT_EQ(node->branches.count(), 1);
        EXPECT_TRUE(node->branches[0]->internal);
    }
}

TEST(CircuitSolution, DanglingChainsArePrunedAndTheirNodeBecomesAPassage)
{
    CircuitSketch c;
    drawDivider(c);
    // b gets a resistor whose far end is free: pruned, b drops back to degree 2.
    c.resistor(at(1, 0), at(2, 0), "R3", "1");
    // A resistor with both ends free is reached by no walk.
    Resistor &island = c.resistor(at(5, 5), at(6, 5), "R4", "1");
    c.voltageTag(at(0, 0), at(0, 2), "Va");
    Netlist n(c);

    const CPoint *b = n.nodeAt(at(1, 0));
    EXPECT_EQ(b->degree(), 2);
    EXPECT_FALSE(b->isEssential);
    EXPECT_EQ(n.essentialCount(), 2);
    const CPoint *a = n.nodeAt(at(0, 0));
    const CPoint *branchOwner = a->branches.isEmpty() ? n.nodeAt(at(0, 2)) : a;
    int chained = 0;
    for (const Branch *branch : branchOwner->branches)
        chained = std::max(chained, branch->componentCount());
    EXPECT_EQ(chained, 2) << "R1 and R2 form one branch through b";
    for (const CPoint *node : n.solution.cpoints()) {
        for (const Branch *branch : node->branches) {
            for (const DirectedComp &part : branch->chain())
                EXPECT_NE(part.component, &island);
        }
    }
}

TEST(CircuitSolution, ReferenceIsTheEarliestNodeOfLargestDegree)
{
    CircuitSketch c;
    // a and ground both have degree 3; a's position is found first.
    c.voltageSource(at(0, 0), at(0, 2), "V1");
    c.resistor(at(0, 0), at(0, 2), "R1", "1");
    c.resistor(at(0, 0), at(1, 1), "R2", "1");
    c.resistor(at(1, 1), at(0, 2), "R3", "1");
    c.ground(at(0, 2));
    Netlist n(c);
    const CPoint *a = n.nodeAt(at(0, 0));
    EXPECT_EQ(n.solution.reference(), a);
    EXPECT_TRUE(a->isReference && a->isNodeOfInterest && a->isEssential);

    std::ostringstream text;
    text << *a;
    EXPECT_EQ(text.str(), "CP: EndPts:1 Comps:3 Branches:2\n    RN:1 NOI:1 ESS:1 INSN:1\n");
}

TEST(CircuitSolution, ACircuitWithoutEssentialNodeEndsWithAMessage)
{
    CircuitSketch c;
    c.voltageSource(at(0, 0), at(0, 1), "V1");
    c.resistor(at(0, 1), at(0, 0), "R1", "1");
    Netlist n(c);
    EXPECT_EQ(n.solution.reference(), nullptr);
    EXPECT_EQ(c.messages(), std::vector<std::string>{"The Circuit has no node to solve"});

    RecordingReceiver receiver;
    EXPECT_FALSE(evaluateOutputEquation(c.document, "V1", "1", receiver));
    EXPECT_EQ(receiver.resets, 1);
    EXPECT_EQ(circuitSolution(c.document), nullptr);
}

TEST(CircuitSolution, CurrentTagsFindTheirPassiveComponentInEitherOrder)
{
    CircuitSketch c;
    drawDivider(c);
    CurrentTag &forward = c.currentTag(at(0, 0), at(1, 0), "Ia");
    CurrentTag &backward = c.currentTag(at(1, 2), at(1, 0), "Ib");
    CurrentTag &onSource = c.currentTag(at(0, 2), at(0, 0), "Ic");
    Netlist n(c);
    EXPECT_EQ(forward.passComp, c.document.components()[2]);
    EXPECT_EQ(backward.passComp, c.document.components()[3]);
    EXPECT_EQ(backward.cp1, n.nodeAt(at(1, 2)));
    EXPECT_EQ(onSource.passComp, nullptr);
    EXPECT_EQ(onSource.cp1, nullptr);
}

TEST(CircuitSolution, ExportHandsOverSupernodesSourcesAndNodesToSolve)
{
    CircuitSketch c;
    drawDivider(c);
    c.dependentCurrentSource(at(1, 0), at(1, 2), "G1", {"V1"}, "1");
    c.currentSource(at(1, 2), at(1, 0), "I1");
    Netlist n(c);
    n.solution.checkNames();
    EXPECT_EQ(n.solution.progress(), 90);
    MatrixLid lid(c.document);
    n.solution.exportTo(lid);
    EXPECT_EQ(n.solution.progress(), 100);
    EXPECT_EQ(lid.supernodes().count(), n.solution.snodes().count());
    ASSERT_EQ(lid.independentCount(), 2);
    EXPECT_EQ(lid.independentSources()[0]->name(), "V1");
    EXPECT_EQ(lid.independentSources()[1]->name(), "I1");
    ASSERT_EQ(lid.dependentCount(), 1);
    EXPECT_EQ(lid.dependentSources()[0]->name(), "G1");
    ASSERT_EQ(lid.nodeCount(), 1);
    EXPECT_EQ(lid.nodesToSolve()[0], n.nodeAt(at(1, 0)));
}
