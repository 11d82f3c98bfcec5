// The hand-drawn example circuits in examples/ are made here and checked against it: each file
// must load to exactly the circuit built here, and saving that circuit must give the file's
// bytes. The disabled writer below makes the files anew; scripts/update-examples.sh runs it
// after a deliberate change of the file format or of an example.

#include "modeltestsupport.h"

#include <model/capacitor.h>
#include <model/circuitfile.h>
#include <model/grounder.h>
#include <model/resistor.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>
#include <model/wire.h>

#include <common/filebytes.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

const std::filesystem::path examplesFolder
    = std::filesystem::path(ZENODYNE_SOURCE_DIR) / "examples";

template<typename T>
void add(TCircuitDocument &document, Point first, Point second, const char *name = "")
{
    auto thing = std::make_unique<T>();
    thing->place(first, second, &document);
    thing->setName(labelUnit(name));
    if constexpr (std::is_base_of_v<CircTag, T>)
        document.addTag(std::move(thing));
    else
        document.addComponent(std::move(thing));
}

template<typename T>
void addPassive(TCircuitDocument &document, Point first, Point second, const char *name,
                const char *value, int unit)
{
    auto component = std::make_unique<T>();
    component->place(first, second, &document);
    component->setName(labelUnit(name));
    component->setValue(textDouble(value));
    component->setUnitIndex(unit);
    document.addComponent(std::move(component));
}

// A first-order RC low-pass: V1 drives R1 (1 Kohm) into C1 (0.1 uF = 100 nF) to ground; the
// output port on the right carries the voltage tag Vout. Corner frequency 1/(2 pi R C),
// about 1.59 kHz.
void buildRcLowpass(TCircuitDocument &document)
{
    document.openNew();
    add<VoltSource>(document, {110, 250}, {110, 130}, "V1");
    addPassive<Resistor>(document, {110, 130}, {230, 130}, "R1", "1", 1);
    add<Wire>(document, {230, 130}, {330, 130});
    addPassive<Capacitor>(document, {330, 130}, {330, 250}, "C1", "0.1", 1);
    add<Wire>(document, {330, 130}, {450, 130});
    add<Wire>(document, {110, 250}, {330, 250});
    add<Wire>(document, {330, 250}, {450, 250});
    add<Grounder>(document, {110, 250}, {110, 290});
    add<VoltageTag>(document, {450, 130}, {450, 250}, "Vout");
}

struct Example
{
    const char *file;
    void (*build)(TCircuitDocument &);
};

class ExampleCircuit : public ::testing::TestWithParam<Example>
{
};

} // namespace

TEST_P(ExampleCircuit, FileHoldsExactlyTheCircuitBuiltInCode)
{
    TCircuitDocument built;
    GetParam().build(built);
    const std::vector<std::uint8_t> expected = documentBytes(built);
    const std::filesystem::path path = examplesFolder / GetParam().file;
    TCircuitDocument loaded;
    const FileResult result = loaded.open(path);
    ASSERT_TRUE(result.ok()) << result.reason;
    EXPECT_EQ(circuitSignature(loaded), circuitSignature(built));
    std::vector<std::uint8_t> stored;
    ASSERT_EQ(readFileBytes(path, stored), "");
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(documentBytes(loaded), stored);
}

const Example handDrawnExamples[] = {{"rc-lowpass.crc", buildRcLowpass}};

INSTANTIATE_TEST_SUITE_P(Examples, ExampleCircuit, ::testing::ValuesIn(handDrawnExamples));

TEST(ExampleCircuitWriter, DISABLED_WritesTheHandDrawnExamples)
{
    for (const Example &example : handDrawnExamples) {
        TCircuitDocument built;
        example.build(built);
        built.setPath(examplesFolder / example.file);
        EXPECT_TRUE(built.commit(true).ok()) << example.file;
    }
}

TEST(ExampleCircuit, RcLowpassHasTheComponentValuesItDescribes)
{
    TCircuitDocument document;
    buildRcLowpass(document);
    const auto *resistor = dynamic_cast<const PassComp *>(document.components()[1]);
    const auto *capacitor = dynamic_cast<const PassComp *>(document.components()[3]);
    ASSERT_NE(resistor, nullptr);
    ASSERT_NE(capacitor, nullptr);
    EXPECT_DOUBLE_EQ(resistor->scaledValue(), 1000.0);
    EXPECT_DOUBLE_EQ(capacitor->scaledValue(), 100e-9);
    EXPECT_EQ(document.components().count(), 8);
    EXPECT_EQ(document.tags().count(), 1);
}
