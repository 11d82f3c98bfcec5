#include <import/spiceimport.h>
#include <import/spicenamemap.h>
#include <import/spiceoutputsyntax.h>

#include <model/rtfplaintext.h>
#include <model/tcircuitdocument.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "spice -> sheet" lines of the entries.
std::vector<std::string> linesOf(const SpiceNameMap &map)
{
    std::vector<std::string> lines;
    for (const SpiceNameMap::Entry &entry : map.entries())
        lines.push_back(entry.spice + " -> " + entry.sheet);
    return lines;
}

struct NamingCase
{
    const char *title;
    const char *netlist;
    std::vector<std::string> names;
};

class ImportedNames : public ::testing::TestWithParam<NamingCase>
{
};

TEST_P(ImportedNames, FollowTheDocumentedRule)
{
    TCircuitDocument document;
    document.openNew();
    const SpiceImportResult result = importSpiceNetlist(GetParam().netlist, document);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(linesOf(result.names), GetParam().names);
    // Kept on the sheet: the document gives back the same map.
    EXPECT_EQ(linesOf(SpiceNameMap::ofDocument(document)), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Netlists, ImportedNames,
    ::testing::Values(
        NamingCase{"SourceKeepsItsNameTheTagGoesLowerCase",
                   "t\nV1 1 0 AC 1\nR1 1 0 1k\n",
                   {"V1 -> V1", "R1 -> R1", "I(R1) -> IR1", "V(1) -> v1"}},
        NamingCase{"CurrentTagBesideAnElementOfItsName",
                   "t\nIR1 a 0 1\nR1 a 0 1\n",
                   {"IR1 -> IR1", "R1 -> R1", "I(R1) -> iR1", "V(a) -> Va"}},
        NamingCase{"CharactersOutsideTheRule",
                   "t\nV_in in+ in- 1\nR_1 in+ net-1 1\nR2 net-1 a.b 1\nR3 a.b N$1 1\n"
                   "R4 N$1 V+ 1\nR5 V+ 0 1\n",
                   {"V_in -> Vin", "R_1 -> R1", "I(R_1) -> IR1", "R2 -> R2", "I(R2) -> IR2",
                    "R3 -> R3", "I(R3) -> IR3", "R4 -> R4", "I(R4) -> IR4", "R5 -> R5",
                    "I(R5) -> IR5", "V(in+) -> Vinp", "V(in-) -> Vinm", "V(net-1) -> Vnetm1",
                    "V(a.b) -> Vab", "V(N$1) -> VN1", "V(V+) -> VVp"}},
        NamingCase{"UnchangedNamesComeFirstOthersGetANumber",
                   "t\nR_1 a 0 1\nR1 a b 1\nV1 b 0 1\nR_b b 0 1\n",
                   {"R_1 -> R12", "I(R_1) -> iR1", "R1 -> R1", "I(R1) -> IR1", "V1 -> V1",
                    "R_b -> Rb", "I(R_b) -> IRb", "V(a) -> Va", "V(b) -> Vb"}},
        NamingCase{"InstancesInnermostFirst",
                   "t\n.subckt in a\nR3 a n 1\nR4 n 0 1\n.ends\n.subckt out a\nX2 a in\n.ends\n"
                   "V1 top 0 1\nX1 top out\n",
                   {"V1 -> V1", "X1.X2.R3 -> R3X2X1", "I(X1.X2.R3) -> IR3X2X1",
                    "X1.X2.R4 -> R4X2X1", "I(X1.X2.R4) -> IR4X2X1", "V(top) -> Vtop",
                    "V(X1.X2.n) -> VnX2X1"}}),
    [](const ::testing::TestParamInfo<NamingCase> &param) { return param.param.title; });

TEST(SpiceNameMap, RoundTripsThroughTheTextOfItsBlock)
{
    SpiceNameMap map;
    map.add("V(in{1})", "Vin1");
    map.add("V(a\\b)", "Vab");
    map.add("V(µ-node)", "Vmnode");
    map.add("I(X1.R3)", "IR3X1");
    const SpiceNameMap back = SpiceNameMap::fromText(rtfPlainText(map.rtf()));
    EXPECT_EQ(linesOf(back), linesOf(map));
    EXPECT_EQ(back.find("i(x1.r3)"), "IR3X1");
    EXPECT_EQ(back.find("V(X1.r4)"), std::nullopt);
}

struct SyntaxCase
{
    const char *equation;
    const char *translated;
    const char *error;
};

class OutputSyntax : public ::testing::TestWithParam<SyntaxCase>
{
};

TEST_P(OutputSyntax, TurnsSpiceNamesIntoTags)
{
    SpiceNameMap names;
    names.add("V(out)", "Vout");
    names.add("V(1)", "v1");
    names.add("V(X1.n)", "VnX1");
    names.add("I(X1.R3)", "IR3X1");
    names.add("I(R1)", "IR1");
    const SpiceOutputSyntax result = SpiceOutputSyntax::translate(GetParam().equation, names);
    EXPECT_EQ(result.equation, GetParam().translated);
    EXPECT_EQ(result.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Equations, OutputSyntax,
    ::testing::Values(SyntaxCase{"V(out)", "Vout", ""}, SyntaxCase{"v( OUT )", "Vout", ""},
                      SyntaxCase{"V(out,1)", "(Vout-v1)", ""},
                      SyntaxCase{"V(0, out)", "(0-Vout)", ""},
                      SyntaxCase{"V(out,gnd)", "(Vout-0)", ""},
                      SyntaxCase{"2*V(X1.n)-I(x1.r3)/3+Vout", "2*VnX1-IR3X1/3+Vout", ""},
                      SyntaxCase{"i (R1)", "IR1", ""}, SyntaxCase{"Vout*(V1+2)", "Vout*(V1+2)", ""},
                      SyntaxCase{"V(zz)", "", "V(zz) names no node of the netlist"},
                      SyntaxCase{"I(C9)", "",
                                 "I(C9) names no resistor, capacitor or inductor of the netlist"},
                      SyntaxCase{"V(out", "", "V(out lacks its \")\""},
                      SyntaxCase{"V(a,b,c)", "", "V(a,b,c) is no SPICE output"},
                      SyntaxCase{"I()", "", "I() is no SPICE output"}));

TEST(OutputSyntax, NeedsTheNamesOfAnImport)
{
    const SpiceOutputSyntax result = SpiceOutputSyntax::translate("V(out)", SpiceNameMap());
    EXPECT_EQ(result.error,
              "V(out): the circuit holds no SPICE names (only an imported netlist has them)");
    EXPECT_EQ(SpiceOutputSyntax::translate("Vout-2", SpiceNameMap()).equation, "Vout-2");
}

} // namespace
