#include <compile/documentcompile.h>
#include <import/spiceimport.h>

#include <model/capacitor.h>
#include <model/inductor.h>
#include <model/resistor.h>
#include <model/tcircuitdocument.h>
#include <tools/bodeplot.h>
#include <tools/compndsig.h>
#include <tools/signal.h>
#include <tools/timeplot.h>
#include <tools/transfunc.h>

#include <support/circuitsketch.h>

#include "importerror.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

class ImportedSheet : public ::testing::Test
{
protected:
    ImportedSheet() { document.openNew(); }

    SpiceImportResult import(const std::string &netlist)
    {
        return importSpiceNetlist(netlist, document);
    }

    TCircuitDocument document;
};

bool onCellCentre(Point p)
{
    return (p.x % 20 + 20) % 20 == 10 && (p.y % 20 + 20) % 20 == 10;
}

TEST_F(ImportedSheet, LiesOnCellCentresWithoutComponentsOnTopOfEachOther)
{
    ASSERT_TRUE(import("amplifier\nV1 in 0 AC 1\nR1 in a 1k\nC1 a out 1u\nE1 out 0 a 0 -10\n"
                       "L1 out 0 1m\nG1 b 0 a out 2m\nR2 b 0 1k\n")
                    .ok());
    std::set<std::pair<int, int>> terminals;
    std::set<std::pair<int, int>> wireEnds;
    for (const Component *component : document.components()) {
        EXPECT_TRUE(onCellCentre(component->firstPoint()) && onCellCentre(component->secondPoint()))
            << component->name().text();
        if (component->isConnector())
            continue;
        // Upright in a column of its own: no two share a point.
        for (const Point p : {component->firstPoint(), component->secondPoint()}) {
            EXPECT_TRUE(terminals.emplace(p.x, p.y).second) << component->name().text();
        }
    }
    for (const CircTag *tag : document.tags())
        EXPECT_TRUE(onCellCentre(tag->firstPoint()) && onCellCentre(tag->secondPoint()));
    // The control pair a, out has a tag of its own.
    EXPECT_EQ(document.tags().count(), 4 + 4 + 1);
}

struct UnitCase
{
    const char *line;
    const char *text;
    int unit;
};

class ImportedValue : public ::testing::TestWithParam<UnitCase>
{
};

TEST_P(ImportedValue, KeepsTheValueInASensibleUnit)
{
    TCircuitDocument document;
    document.openNew();
    ASSERT_TRUE(importSpiceNetlist(std::string("t\nV1 a 0 1\n") + GetParam().line, document).ok());
    const PassComp *part = nullptr;
    for (const Component *component : document.components()) {
        if (!part)
            part = dynamic_cast<const PassComp *>(component);
    }
    ASSERT_NE(part, nullptr);
    EXPECT_STREQ(part->value().text(), GetParam().text);
    EXPECT_EQ(part->unitIndex(), GetParam().unit);
}

INSTANTIATE_TEST_SUITE_P(
    Units, ImportedValue,
    ::testing::Values(UnitCase{"R1 a 0 4.7k", "4.7", 1}, UnitCase{"R1 a 0 10", "10", 0},
                      UnitCase{"R1 a 0 2.2meg", "2.2", 2}, UnitCase{"R1 a 0 1m", "0.001", 0},
                      UnitCase{"C1 a 0 10n", "10000", 0}, UnitCase{"C1 a 0 100nF", "0.1", 1},
                      UnitCase{"C1 a 0 1", "1", 3}, UnitCase{"L1 a 0 10mH", "10", 2},
                      UnitCase{"L1 a 0 1u", "1", 1}, UnitCase{"L1 a 0 5e4", "50", 4}));

TEST_F(ImportedSheet, TurnsAcAndTranIntoTools)
{
    const SpiceImportResult result = import("rc\nV1 in 0 AC 1\nR1 in out 1k\nC1 out 0 100n\n"
                                            ".ac dec 10 20 50k\n.print ac v(out) v(in,out)\n"
                                            ".tran 1u 2m\n.print tran v(out) i(R1) i(V1)\n");
    ASSERT_TRUE(result.ok()) << result.error;
    const std::vector<std::string> notes{
        "line 8: i(V1) is no current of a resistor, capacitor or inductor; left out"};
    EXPECT_EQ(result.notes, notes);
    // The five tools, then the block of names.
    ASSERT_EQ(document.tools().count(), 6);
    const auto *first = dynamic_cast<const TransFunc *>(document.tools()[0]);
    const auto *second = dynamic_cast<const TransFunc *>(document.tools()[1]);
    ASSERT_TRUE(first && second);
    EXPECT_STREQ(first->outputEquation().text(), "Vout");
    EXPECT_STREQ(second->outputEquation().text(), "Vin-Vout");
    EXPECT_STREQ(second->inputSource().text(), "V1");

    const auto *bode = dynamic_cast<const BodePlot *>(document.tools()[2]);
    ASSERT_TRUE(bode);
    EXPECT_EQ(bode->startDecade(), 1);
    EXPECT_EQ(bode->decades(), 4);
    EXPECT_FALSE(bode->radiansPerSecond());
    ASSERT_EQ(bode->elements().count(), 2);
    EXPECT_TRUE(bode->elements()[1].name == second->name());
    EXPECT_TRUE(bode->elements()[0].line(BodeLineKind::Phase).parameters().shown);

    const auto *step = dynamic_cast<const Signal *>(document.tools()[3]);
    const auto *plot = dynamic_cast<const TimePlot *>(document.tools()[4]);
    ASSERT_TRUE(step && plot);
    ASSERT_EQ(step->elements().count(), 1);
    const auto *element = dynamic_cast<const CompndSig *>(step->elements()[0]);
    ASSERT_TRUE(element);
    EXPECT_EQ(element->parameters(), (CompndSig::Parameters{0.0, 1.0, 0.0, 0.0, 0.0, 0.0}));
    EXPECT_DOUBLE_EQ(plot->end().value(), 2e-3);
    ASSERT_EQ(plot->outputLines().count(), 2);
    EXPECT_STREQ(plot->outputLines()[1].title.text(), "IR1");
    EXPECT_TRUE(plot->sourceNames()[0] == labelUnit("V1"));
    EXPECT_TRUE(plot->signalNames()[0] == step->name());
    // Tools stand right of the circuit, one below the other.
    EXPECT_TRUE(document.tools()[5]->name() == SpiceNameMap::blockName);
    int top = 0;
    for (const CircTool *tool : document.tools()) {
        EXPECT_GT(tool->firstPoint().x, document.components().last()->firstPoint().x);
        EXPECT_GT(tool->firstPoint().y, top);
        top = tool->secondPoint().y;
    }
}

TEST_F(ImportedSheet, PlacesNoToolsWithoutASingleInputSource)
{
    const SpiceImportResult result
        = import("two\nV1 a 0 1\nV2 b 0 2\nR1 a b 1k\n.ac lin 5 1 10\n.print ac v(a)\n");
    ASSERT_TRUE(result.ok());
    const std::vector<std::string> notes{"line 5: .ac needs a single input source (one source "
                                         "with an AC value, or one independent source); no tools "
                                         "placed"};
    EXPECT_EQ(result.notes, notes);
    ASSERT_EQ(document.tools().count(), 1);
    EXPECT_TRUE(document.tools()[0]->name() == SpiceNameMap::blockName);
}

} // namespace

TEST_P(ImportError, NamesTheLineAndPlacesNothing)
{
    TCircuitDocument document;
    document.openNew();
    const SpiceImportResult result = importSpiceNetlist(GetParam().netlist, document);
    EXPECT_EQ(result.error, GetParam().message);
    EXPECT_EQ(document.thingCount(), 0);
}

namespace {

INSTANTIATE_TEST_SUITE_P(
    Netlists, ImportError,
    ::testing::Values(
        SheetErrorCase{"t\nV1 a 0 1\nR1 a 0 1\nF1 b 0 R1 2\nR2 b 0 1\n",
                       "line 4: F1: the controlling source R1 is no voltage source of the netlist"},
        SheetErrorCase{"t\nV1 a 0 1\nVs a b 0\nE1 b 0 a 0 1\nF1 c 0 Vs 1\nR2 c 0 1\n",
                       "line 5: F1: the current of Vs cannot be expressed; one of its nodes must "
                       "join only resistors, capacitors and inductors besides it"},
        SheetErrorCase{"t\nV1 a 0 1\nE1 b 0 zz 0 2\nR1 b 0 1\n",
                       "line 3: E1: the controlling node zz is no node of the circuit"},
        SheetErrorCase{"t\n.subckt s a\nVs a m 0\nE1 m 0 a 0 1\n.ends\nX1 n s\nE2 n 0 c 0 1\n"
                       "F1 c 0 X1.Vs 1\n",
                       "line 8: F1: the current of X1.Vs cannot be expressed; one of its nodes "
                       "must join only resistors, capacitors and inductors besides it"}));

TEST_F(ImportedSheet, LeavesOutWhatDoesNothingWithANote)
{
    const SpiceImportResult result
        = import("dump\nV1 in 0 AC 1\nR1 in a 1k\nC0 a 0 0\nL0 a b 0\nR2 b 0 1k\n"
                 "Rs b b 1k\nG0 b 0 0 0 1m\nE0 c 0 a A 2\nR3 in c 1k\nR4 c 0 1k\n");
    ASSERT_TRUE(result.ok()) << result.error;
    const std::vector<std::string> notes{
        "line 4: C0: a capacitance of 0 is an open circuit; left out",
        "line 5: L0: an inductance of 0 is a short circuit; its nodes are joined",
        "line 7: Rs: both terminals on node a; left out",
        "line 8: G0: controlled by 0 and 0, one node: its current is 0; left out",
        "line 9: E0: controlled by a and A, one node: its voltage is 0; its nodes are joined",
        "line 11: R4: both terminals on node 0; left out"};
    EXPECT_EQ(result.notes, notes);
    // b is a now, c is ground.
    EXPECT_EQ(result.names.find("V(b)"), "Va");
    EXPECT_EQ(result.names.find("V(c)"), "0");
    RecordingReceiver receiver;
    ASSERT_TRUE(evaluateOutputEquation(document, "V1", "Va", receiver));
    EXPECT_NEAR(std::abs(valueAt(receiver.ratio, {0.0, 1e3}) - 0.5), 0.0, 1e-12);
    ASSERT_TRUE(evaluateOutputEquation(document, "V1", "IR3", receiver));
    EXPECT_NEAR(std::abs(valueAt(receiver.ratio, {0.0, 1e3}) - 1e-3), 0.0, 1e-15);
}

TEST_F(ImportedSheet, ReadsCrOnlyAndCrLfLineEnds)
{
    ASSERT_TRUE(import("cr\rV1 in 0 AC 1\rR1 in out 1k\r\nC1 out 0 1u\n.ac dec 1 1 10\r"
                       ".print ac v(out)\r")
                    .ok());
    // Tags of in and out, currents of R1 and C1; the tool, its plot and the names.
    EXPECT_EQ(document.tags().count(), 4);
    EXPECT_EQ(document.tools().count(), 3);
}

} // namespace
