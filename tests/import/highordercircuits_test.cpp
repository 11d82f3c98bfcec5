// Transfer functions of networks of many sections, imported as engineers bring them, against
// their exact solutions.

#include <import/spiceimport.h>

#include <model/tcircuitdocument.h>
#include <tools/transfunc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// An M × M grid of nodes m<row>x<column>, 1 kΩ between neighbours and 1 nF from every node to
// ground, driven through 1 kΩ at the corner m0x0.
std::string rcMeshNetlist(int size)
{
    std::string netlist = "rc mesh\nV1 in 0 AC 1\nRin in m0x0 1k\n";
    int resistor = 0;
    const auto node = [](int row, int column) {
        return "m" + std::to_string(row) + "x" + std::to_string(column);
    };
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            netlist += "C" + std::to_string(row) + "_" + std::to_string(column) + " "
                       + node(row, column) + " 0 1n\n";
            if (row + 1 < size)
                netlist += "R" + std::to_string(++resistor) + " " + node(row, column) + " "
                           + node(row + 1, column) + " 1k\n";
            if (column + 1 < size)
                netlist += "R" + std::to_string(++resistor) + " " + node(row, column) + " "
                           + node(row, column + 1) + " 1k\n";
        }
    }
    return netlist + ".end\n";
}

std::vector<double> realPoles(const TransFunc &tool)
{
    std::vector<double> poles;
    for (const Root &root : tool.denominatorRoots().roots()) {
        EXPECT_EQ(root.value().imag(), 0.0);
        for (int k = 0; k < root.multiplicity(); ++k)
            poles.push_back(root.value().real());
    }
    std::sort(poles.begin(), poles.end());
    return poles;
}

} // namespace

// The mesh is symmetric about its diagonal: of its 36 modes, 19 are not seen at the far corner
// (pole-zero pairs that cancel, several of them multiple) and 17 are, some 0.25 % from a
// cancelled pair. The poles are those of an eigen-decomposition of the node equations at 60
// digits, keeping the modes with a non-zero residue at the output.
TEST(HighOrderCircuits, RcMeshShowsExactlyTheModesItsFarCornerSees)
{
    TCircuitDocument document;
    document.openNew();
    ASSERT_TRUE(importSpiceNetlist(rcMeshNetlist(6), document).ok());
    auto tool = std::make_unique<TransFunc>("Vm5x5", labelUnit("V1"), &document);
    tool->place({100, 300}, {300, 400}, &document);
    TransFunc &placed = *tool;
    document.appendTool(std::move(tool));
    placed.update();
    ASSERT_EQ(document.messages().count(), 0) << document.messages()[0]->text().text();

    const std::vector<double> expected{-7464728.27952047, -6736961.29537256, -6009991.7363899,
                                       -5742482.36912341, -5044152.76968482, -4747901.14509655,
                                       -4131970.21814401, -3741292.55156496, -3368169.91122757,
                                       -3108709.57711534, -2409551.72643766, -2084524.42091573,
                                       -1415748.67258132, -1049100.3032716,  -607576.42862288,
                                       -323210.893396353, -13927.7015348701};
    const std::vector<double> poles = realPoles(placed);
    ASSERT_EQ(poles.size(), expected.size());
    for (std::size_t i = 0; i < poles.size(); ++i)
        EXPECT_NEAR(poles[i] / expected[i], 1.0, 1e-13) << i;
    int cancelled = 0;
    for (const Root &root : placed.cancelledDenominatorRoots().roots())
        cancelled += root.multiplicity();
    EXPECT_EQ(cancelled, 19);
}
