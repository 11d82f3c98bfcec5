#include <import/netlisterror.h>
#include <import/spiceparser.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SpiceParser, ReadsTitleCommentsContinuationsAndStopsAtEnd)
{
    const SpiceNetlist netlist = SpiceParser::parse("R1 is the title, no element\r\n"
                                                    "* a comment line\n"
                                                    "R1 in out ; the value follows\n"
                                                    "+ 4.7k\n"
                                                    "\n"
                                                    "C1 out GND 100n\n"
                                                    ".end\n"
                                                    "R9 a b 1\n");
    EXPECT_EQ(netlist.title, "R1 is the title, no element");
    ASSERT_EQ(netlist.elements.size(), 2u);
    const SpiceElement &r1 = netlist.elements[0];
    EXPECT_EQ(r1.kind, 'R');
    EXPECT_EQ(r1.line, 3);
    EXPECT_EQ(r1.nodes[0], "in");
    EXPECT_EQ(r1.nodes[1], "out");
    EXPECT_DOUBLE_EQ(r1.value, 4.7e3);
    EXPECT_EQ(netlist.elements[1].line, 6);
    EXPECT_DOUBLE_EQ(netlist.elements[1].value, 1e-7);
}

TEST(SpiceParser, ReadsTheFormsOfIndependentAndControlledSources)
{
    const SpiceNetlist netlist = SpiceParser::parse("sources\n"
                                                    "V1 a 0 AC 1\n"
                                                    "v2 b 0 DC 0 AC 2.5 0\n"
                                                    "V3 c 0 1\n"
                                                    "I1 0 d\n"
                                                    "E1 o1 0 a b 10\n"
                                                    "g1 o2 0 c 0 1m\n"
                                                    "F1 o3 0 V3 -2\n"
                                                    "H1 o4 0 v3 1k\n");
    ASSERT_EQ(netlist.elements.size(), 8u);
    EXPECT_TRUE(netlist.elements[0].hasAc);
    EXPECT_DOUBLE_EQ(netlist.elements[0].acMagnitude, 1.0);
    EXPECT_EQ(netlist.elements[1].kind, 'V');
    EXPECT_DOUBLE_EQ(netlist.elements[1].acMagnitude, 2.5);
    EXPECT_FALSE(netlist.elements[2].hasAc);
    EXPECT_FALSE(netlist.elements[3].hasAc);
    EXPECT_EQ(netlist.elements[4].controlNodes[0], "a");
    EXPECT_EQ(netlist.elements[4].controlNodes[1], "b");
    EXPECT_DOUBLE_EQ(netlist.elements[4].value, 10.0);
    EXPECT_EQ(netlist.elements[5].kind, 'G');
    EXPECT_DOUBLE_EQ(netlist.elements[5].value, 1e-3);
    EXPECT_EQ(netlist.elements[6].controlSource, "V3");
    EXPECT_DOUBLE_EQ(netlist.elements[6].value, -2.0);
    EXPECT_EQ(netlist.elements[7].controlSource, "v3");
    EXPECT_TRUE(netlist.notes.empty());
}

TEST(SpiceParser, KeepsAnalysesAndOutputsAndNotesWhatItLeavesOut)
{
    const SpiceNetlist netlist = SpiceParser::parse("analyses\n"
                                                    "V1 in 0 DC 0 AC 1 SIN(0 1 1k)\n"
                                                    ".op\n"
                                                    ".AC DEC 10 10 100k\n"
                                                    ".print ac vdb(out) v(a, b) i(R1) p(x)\n"
                                                    ".tran 1u 2m\n"
                                                    ".probe v(out)\n"
                                                    ".control\n"
                                                    "run\n"
                                                    ".endc\n");
    ASSERT_TRUE(netlist.ac);
    EXPECT_EQ(netlist.ac->line, 4);
    EXPECT_DOUBLE_EQ(netlist.ac->startFrequency, 10.0);
    EXPECT_DOUBLE_EQ(netlist.ac->stopFrequency, 1e5);
    ASSERT_TRUE(netlist.tran);
    EXPECT_DOUBLE_EQ(netlist.tran->stopTime, 2e-3);
    ASSERT_EQ(netlist.acOutputs.size(), 4u);
    EXPECT_EQ(netlist.acOutputs[0].operands[0], "out");
    EXPECT_EQ(netlist.acOutputs[1].operands[1], "b");
    EXPECT_EQ(netlist.acOutputs[2].kind, 'i');
    EXPECT_EQ(netlist.acOutputs[3].line, 7);
    ASSERT_EQ(netlist.tranOutputs.size(), 1u);
    EXPECT_EQ(netlist.tranOutputs[0].operands[0], "out");
    const std::vector<std::string> notes{"line 2: V1: ignored SIN 0 1 1k", "line 3: .op is ignored",
                                         "line 5: output p is ignored",
                                         "line 8: the .control block is ignored"};
    EXPECT_EQ(netlist.notes, notes);
}

struct ErrorCase
{
    const char *netlist;
    const char *message;
};

class SpiceParserError : public ::testing::TestWithParam<ErrorCase>
{
};

TEST_P(SpiceParserError, NamesTheLine)
{
    try {
        SpiceParser::parse(GetParam().netlist);
        FAIL() << "no error for " << GetParam().netlist;
    } catch (const NetlistError &error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Netlists, SpiceParserError,
    ::testing::Values(
        ErrorCase{"t\n+ 1k\n", "line 2: continuation line without a line to continue"},
        ErrorCase{
            "t\nQ1 c b e model\n",
            "line 2: Q1: element Q is not supported (the import reads R, C, L, V, I, E, G, F, "
            "H and subcircuit instances X)"},
        ErrorCase{"t\n* c\nR1 a\n", "line 3: R1 needs two nodes and a value"},
        ErrorCase{"t\nR1 a b abc\n", "line 2: R1: abc is no value"},
        ErrorCase{"t\nC1 a 0 -1\n", "line 2: C1 needs a positive value"},
        ErrorCase{"t\nR1 a 0 0\n", "line 2: R1 needs a positive value"},
        ErrorCase{"t\nR1 a 0 1k m=0\n", "line 2: R1: m needs a positive value"},
        ErrorCase{"t\nR1 a 0 ac=1k\n", "line 2: R1 needs two nodes and a value"},
        ErrorCase{"t\nE1 a 0 VALUE={V(b)*2}\n", "line 2: E1: VALUE sources are not supported"},
        ErrorCase{"t\nL1 a 0 -1m\n", "line 2: L1 needs a positive value"},
        ErrorCase{"t\nV1 a\n", "line 2: V1 needs two nodes"},
        ErrorCase{"t\nE1 a 0 b 0\n",
                  "line 2: E1 needs two nodes, two controlling nodes and a gain"},
        ErrorCase{"t\nE1 a 0 POLY(1) b 0 0 1\n", "line 2: E1: POLY sources are not supported"},
        ErrorCase{"t\nF1 a 0 2\n",
                  "line 2: F1 needs two nodes, a controlling voltage source and a gain"},
        ErrorCase{"t\nR1 a 0 1\nr1 b 0 1\n", "line 3: r1 is defined twice (first on line 2)"},
        ErrorCase{"t\n.include models.lib\n", "line 2: .include is not supported"},
        ErrorCase{"t\n.func f(x) {2*x}\nR1 a 0 1\n", "line 2: .func is not supported"}));

TEST(SpiceParser, ReadsValueKeywordsRkmAndParameters)
{
    const SpiceNetlist netlist = SpiceParser::parse("values\n"
                                                    ".param rb=2k\n"
                                                    "R1 a 0 R=1k ac=2k tc1=0.001\n"
                                                    "R2 a 0 4K7 m=2\n"
                                                    "C1 a 0 c = 4n7 m={1+1}\n"
                                                    "L1 a 0 l=2m m=2\n"
                                                    "R3 a 0 rb\n"
                                                    "R4 a 0 '3*rb'\n"
                                                    "V1 a 0 SIN(0 1 1k) AC {rb/1k} 0\n"
                                                    "E1 b 0 a 0 {-rb/1k} $ a comment\n");
    ASSERT_EQ(netlist.elements.size(), 8u);
    EXPECT_DOUBLE_EQ(netlist.elements[0].value, 2e3);
    EXPECT_DOUBLE_EQ(netlist.elements[1].value, 2.35e3);
    EXPECT_DOUBLE_EQ(netlist.elements[2].value, 9.4e-9);
    EXPECT_DOUBLE_EQ(netlist.elements[3].value, 1e-3);
    EXPECT_DOUBLE_EQ(netlist.elements[4].value, 2e3);
    EXPECT_DOUBLE_EQ(netlist.elements[5].value, 6e3);
    EXPECT_TRUE(netlist.elements[6].hasAc);
    EXPECT_DOUBLE_EQ(netlist.elements[6].acMagnitude, 2.0);
    EXPECT_DOUBLE_EQ(netlist.elements[7].value, -2.0);
    const std::vector<std::string> notes{"line 3: R1: ignored tc1=0.001",
                                         "line 9: V1: ignored SIN 0 1 1k"};
    EXPECT_EQ(netlist.notes, notes);
}

} // namespace
