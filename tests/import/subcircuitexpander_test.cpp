// Subcircuits expand to what the same circuit written flat gives: equal transfer ratios at
// several s, with parameters passed down, overridden and computed inside.
#include <compile/documentcompile.h>
#include <import/spiceimport.h>
#include <import/spiceparser.h>

#include <support/circuitsketch.h>

#include "importerror.h"

#include <gtest/gtest.h>

#include <complex>
#include <string>

namespace {

using Complex = std::complex<double>;

struct FlatCase
{
    const char *title;
    const char *hierarchical;
    const char *hierarchicalEquation;
    const char *flat;
    const char *flatEquation;
};

TransRatioFunc ratioOf(const std::string &netlist, const char *equation)
{
    TCircuitDocument document;
    document.openNew();
    const SpiceImportResult result = importSpiceNetlist(netlist, document);
    EXPECT_TRUE(result.ok()) << result.error;
    RecordingReceiver receiver;
    EXPECT_TRUE(evaluateOutputEquation(document, "V1", equation, receiver)) << netlist;
    return receiver.ratio;
}

class FlattenedSubcircuit : public ::testing::TestWithParam<FlatCase>
{
};

TEST_P(FlattenedSubcircuit, EqualsTheCircuitWrittenFlat)
{
    const FlatCase &c = GetParam();
    const TransRatioFunc expanded = ratioOf(c.hierarchical, c.hierarchicalEquation);
    const TransRatioFunc flat = ratioOf(c.flat, c.flatEquation);
    for (const Complex s : {Complex(0.0, 0.0), Complex(300.0, 0.0), Complex(-50.0, 2e3),
                            Complex(0.0, 6e3), Complex(0.0, 1e6)}) {
        const Complex expected = valueAt(flat, s);
        EXPECT_NEAR(std::abs(valueAt(expanded, s) - expected), 0.0,
                    1e-9 * (1.0 + std::abs(expected)))
            << c.title << " at s = " << s;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Decks, FlattenedSubcircuit,
    ::testing::Values(
        FlatCase{"NestedSectionsWithParameters",
                 "ladder\n.param r=1k c=100n\n"
                 ".subckt section a b params: rs=1k cs=1n\nR1 a b {rs}\nC1 b 0 {cs}\n.ends\n"
                 ".subckt buffered in out params: k=1\n.param half={k/2}\n"
                 "X1 in mid section rs={r} cs={c}\nEb out 0 mid 0 {2*half}\n.ends buffered\n"
                 "V1 in 0 AC 1\nX1 in n1 section rs={r} cs={c}\n"
                 "X2 n1 n2 section rs={2*r} cs={c/2}\nX3 n2 out buffered k=2\nRL out 0 10k\n",
                 "Vout",
                 "flat\nV1 in 0 AC 1\nR1 in n1 1k\nC1 n1 0 100n\nR2 n1 n2 2k\nC2 n2 0 50n\n"
                 "R3 n2 mid 1k\nC3 mid 0 100n\nE1 out 0 mid 0 2\nRL out 0 10k\n",
                 "Vout"},
        FlatCase{"OpAmpMacromodelPrivateNodes",
                 "mfb\n.subckt opamp inp inm out params: gain=100k\nRin inp inm 2meg\n"
                 "G1 0 p inp inm {gain/1k}\nRp p 0 1k\nCp p 0 15.9u\nE1 x 0 p 0 1\n"
                 "Rout x out 75\n.ends\n"
                 "V1 in 0 AC 1\nR1 in a 10k\nR2 a out 10k\nR3 a m 10k\nC1 a 0 33n\n"
                 "C2 m out 7.5n\nXU1 0 m out opamp\nXU2 0 m2 o2 opamp gain=1k\nRm2 out m2 1k\n"
                 "Rf2 m2 o2 1k\n",
                 "Vo2-2*VpXU1",
                 "flat\nRin 0 m 2meg\nG1 0 p 0 m 100\nRp p 0 1k\nCp p 0 15.9u\nE1 x 0 p 0 1\n"
                 "Rout x out 75\nV1 in 0 AC 1\nR1 in a 10k\nR2 a out 10k\nR3 a m 10k\n"
                 "C1 a 0 33n\nC2 m out 7.5n\nRin2 0 m2 2meg\nG2 0 p2 0 m2 1\nRp2 p2 0 1k\n"
                 "Cp2 p2 0 15.9u\nE2 x2 0 p2 0 1\nRout2 x2 o2 75\nRm2 out m2 1k\nRf2 m2 o2 1k\n",
                 "Vo2-2*Vp"},
        FlatCase{"CurrentControlInsideInstances",
                 "sense\n.subckt sensor in out mon params: k=2\nVs in mid 0\nRm mid out 10\n"
                 "F1 0 mon Vs {k}\n.ends\n.global vdd\n"
                 "V1 in 0 AC 1\nR1 in a 1k\nX1 a b mon sensor k=5\nX2 b vdd mon2 sensor\n"
                 "Rvdd vdd 0 1k\nRmon mon 0 100\nRmon2 mon2 0 100\n",
                 "Vmon+Vmon2",
                 "flat\nV1 in 0 AC 1\nR1 in a 1k\nVs a mid 0\nRm mid b 10\nF1 0 mon Vs 5\n"
                 "Vs2 b mid2 0\nRm2 mid2 vdd 10\nF2 0 mon2 Vs2 2\nRvdd vdd 0 1k\n"
                 "Rmon mon 0 100\nRmon2 mon2 0 100\n",
                 "Vmon+Vmon2"}),
    [](const ::testing::TestParamInfo<FlatCase> &param) { return param.param.title; });

TEST(SubcircuitExpander, NamesElementsAndPrivateNodesByTheirInstancePath)
{
    const SpiceNetlist netlist = SpiceParser::parse(
        "t\n.subckt inner a\nR1 a n 1k\nR2 n 0 1k\n.ends\n.subckt outer a\nX2 a inner\n"
        "R3 a 0 {2k}\n.ends\nV1 top 0 1\nX1 top outer\nX9 top inner\n");
    ASSERT_EQ(netlist.elements.size(), 6u);
    EXPECT_EQ(netlist.elements[1].spiceName(), "X1.X2.R1");
    EXPECT_EQ(netlist.elements[1].line, 3);
    EXPECT_EQ(netlist.elements[1].nodes[0], "top");
    EXPECT_EQ(netlist.elements[1].nodes[1], "X1.X2.n");
    EXPECT_EQ(netlist.elements[2].nodes[1], "0");
    EXPECT_EQ(netlist.elements[3].spiceName(), "X1.R3");
    EXPECT_DOUBLE_EQ(netlist.elements[3].value, 2e3);
    EXPECT_EQ(netlist.elements[4].nodes[1], "X9.n");
    EXPECT_EQ(netlist.privateNodes.at("x1.x2.n").instance, "X1.X2");
}

} // namespace

// Refused subcircuit netlists, through the import's error test of the element netlists.
INSTANTIATE_TEST_SUITE_P(
    Subcircuits, ImportError,
    ::testing::Values(
        SheetErrorCase{"t\nV1 a 0 1\nX1 a b amp\n",
                       "line 3: X1: the subcircuit amp is not defined"},
        SheetErrorCase{"t\n.subckt amp a b c\nR1 a b 1\n.ends\nX1 a b amp\n",
                       "line 5: X1: the subcircuit amp has 3 pins, the line connects 2 nodes"},
        SheetErrorCase{"t\n.subckt amp a\nX1 a amp\n.ends\nX1 n amp\n",
                       "line 3 (in X1): X1: the subcircuit amp contains itself"},
        SheetErrorCase{"t\n.subckt amp a\nQ1 a b 0 npn\n.ends\n.subckt two a\nX2 a amp\n.ends\n"
                       "V1 a 0 1\nX1 a two\n",
                       "line 3 (in X1.X2): Q1: element Q is not supported (the import reads R, C, "
                       "L, V, I, E, G, F, H and subcircuit instances X)"},
        SheetErrorCase{"t\n.subckt amp a\nR1 a 0 1\n", "line 2: .subckt amp has no .ends"},
        SheetErrorCase{"t\nR1 a 0 1\n.ends\n", "line 3: .ends without .subckt"},
        SheetErrorCase{"t\n.subckt amp a\nR1 a 0 1\n.ends\n.subckt AMP a\nR1 a 0 1\n.ends\n",
                       "line 5: .subckt amp is defined twice (first on line 2)"},
        SheetErrorCase{"t\n.subckt amp a params: r=1\nR1 a 0 {r}\n.ends\nX1 n amp rr=2\n",
                       "line 5: X1: the subcircuit amp has no parameter rr"},
        SheetErrorCase{"t\n.subckt amp a\nR1 a 0 1\nr1 a 0 1\n.ends\nX1 n amp\n",
                       "line 4 (in X1): r1 is defined twice (first on line 3)"},
        SheetErrorCase{"t\n.subckt amp a params: r=1\nR1 a 0 {r*q}\n.ends\nX1 n amp\n",
                       "line 3 (in X1): the expression r*q: the parameter q is not defined"},
        SheetErrorCase{"t\n.param a={b}\n.param b={2*a}\nR1 n 0 {a}\n",
                       "line 2: the parameter a depends on itself"},
        SheetErrorCase{"t\n.param =3\nR1 n 0 1\n", "line 2: \"=3\" is no assignment name=value"},
        SheetErrorCase{"t\nR1 n 0 {1+\n", "line 2: a brace { is not closed"},
        SheetErrorCase{"t\n.subckt two a\nX1 a one\nX2 a one\n.ends\n.subckt one a\nR1 a 0 1\n"
                       "R2 a 0 1\n.ends\n.subckt four a\nX1 a two\nX2 a two\n.ends\n"
                       ".subckt e16 a\nX1 a four\nX2 a four\nX3 a four\nX4 a four\n.ends\n"
                       ".subckt e256 a\nX1 a e16\nX2 a e16\nX3 a e16\nX4 a e16\nX5 a e16\n"
                       "X6 a e16\nX7 a e16\nX8 a e16\nX9 a e16\nX10 a e16\nX11 a e16\nX12 a e16\n"
                       "X13 a e16\nX14 a e16\nX15 a e16\nX16 a e16\n.ends\n"
                       "X1 n e256\nX2 n e256\nX3 n e256\nX4 n e256\nX5 n e256\nX6 n e256\n"
                       "X7 n e256\nX8 n e256\nX9 n e256\n",
                       "line 7 (in X8.X14.X1.X1.X1): more than 4000 elements"},
        SheetErrorCase{"t\n.subckt e1 a\n.ends\n.subckt e16 a\nX1 a e1\nX2 a e1\nX3 a e1\nX4 a e1\n"
                       "X5 a e1\nX6 a e1\nX7 a e1\nX8 a e1\nX9 a e1\nX10 a e1\nX11 a e1\n"
                       "X12 a e1\nX13 a e1\nX14 a e1\nX15 a e1\nX16 a e1\n.ends\n"
                       ".subckt e256 a\nX1 a e16\nX2 a e16\nX3 a e16\nX4 a e16\nX5 a e16\n"
                       "X6 a e16\nX7 a e16\nX8 a e16\nX9 a e16\nX10 a e16\nX11 a e16\nX12 a e16\n"
                       "X13 a e16\nX14 a e16\nX15 a e16\nX16 a e16\n.ends\n"
                       ".subckt e4k a\nX1 a e256\nX2 a e256\nX3 a e256\nX4 a e256\nX5 a e256\n"
                       "X6 a e256\nX7 a e256\nX8 a e256\nX9 a e256\nX10 a e256\nX11 a e256\n"
                       "X12 a e256\nX13 a e256\nX14 a e256\nX15 a e256\nX16 a e256\n.ends\n"
                       "X1 n e4k\nX2 n e4k\nX3 n e4k\nX4 n e4k\nR1 n 0 1\n",
                       "line 16 (in X2.X14.X5): X12: more than 8000 subcircuit instances"},
        SheetErrorCase{"just a title\n* and a comment\n.end\n", "the netlist holds no elements"},
        SheetErrorCase{"t\nC1 a 0 0\n", "no element is left once those that do nothing are left "
                                        "out; the netlist has no circuit"},
        SheetErrorCase{
            "t\nV1 a A 1\n",
            "line 2: V1: both terminals on node a; a voltage source cannot be shorted"}));

namespace {

} // namespace
