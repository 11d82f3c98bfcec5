#include "modeltestsupport.h"

#include <model/basevaluehint.h>
#include <model/capacitor.h>
#include <model/circtool.h>
#include <model/currenttag.h>
#include <model/currsource.h>
#include <model/depcurrsource.h>
#include <model/depvoltsource.h>
#include <model/resistor.h>
#include <model/textblock.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>
#include <model/wire.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::vector<DepSrcDialogData::Entry> entries(std::initializer_list<DepSrcDialogData::Entry> list)
{
    return list;
}

} // namespace

TEST(PassCompDialog, ShowsTheComponentAndStoresWhatIsConfirmed)
{
    Capacitor c;
    c.setName(labelUnit("C1"));
    c.setValue(textDouble("10"));
    c.setUnitIndex(1);
    ScriptedDialogs dialogs;
    dialogs.passComp = [](PassCompDialogData &data) {
        EXPECT_EQ(data.label.name, "C1");
        EXPECT_EQ(data.value, "10");
        EXPECT_EQ(data.unitIndex, 1);
        EXPECT_EQ(data.units->count(), 4);
        EXPECT_EQ(data.units->label(2), "mF");
        data.label.name = " C 2";
        data.value = "47n";
        data.unitIndex = 2;
        data.label.labelSide = LabelSide::Other;
        return true;
    };
    EXPECT_TRUE(c.editParameters(dialogs));
    EXPECT_EQ(c.name(), "C");
    EXPECT_EQ(c.value(), "47");
    EXPECT_EQ(c.unitIndex(), 2);
    EXPECT_EQ(c.labelSide(), LabelSide::Other);
}

TEST(PassCompDialog, CancelLeavesTheComponentUnchanged)
{
    Resistor r;
    r.setName(labelUnit("R1"));
    ScriptedDialogs dialogs;
    dialogs.passComp = [](PassCompDialogData &data) {
        data.label.name = "R9";
        data.value = "1";
        return false;
    };
    EXPECT_FALSE(r.editParameters(dialogs));
    EXPECT_EQ(r.name(), "R1");
    EXPECT_EQ(r.value(), "0");
}

TEST(ParameterDialogs, NamesAreCutTo63CharactersAndNormalizedAndTheLabelFollowsItsSide)
{
    ScriptedDialogs dialogs;
    dialogs.indepSrc = [](NameSideDialogData &data) {
        data.name = "V" + std::string(80, '1');
        return true;
    };
    dialogs.circTag = [](NameSideDialogData &data) {
        data.name = "  Vout (filtered)";
        data.labelSide = LabelSide::Other;
        return true;
    };
    VoltSource source;
    EXPECT_TRUE(source.editParameters(dialogs));
    EXPECT_EQ(source.name(), "V" + std::string(62, '1'));
    VoltageTag tag;
    tag.place({0, 0}, {40, 0}, nullptr);
    EXPECT_EQ(tag.labelPoint(), (Point{20, -25}));
    EXPECT_TRUE(tag.editParameters(dialogs));
    EXPECT_EQ(tag.name(), "Vout");
    EXPECT_EQ(tag.labelSide(), LabelSide::Other);
    EXPECT_EQ(tag.labelPoint(), (Point{20, 25}));
}

TEST(ParameterDialogs, ThingsWithoutADialogOpenNone)
{
    ScriptedDialogs dialogs;
    Wire wire;
    EXPECT_FALSE(wire.editParameters(dialogs));
    CircTool tool;
    EXPECT_TRUE(tool.editParameters(dialogs));
    EXPECT_EQ(dialogs.opened, 0);
}

TEST(TextBoxEditor, EditsTheRichTextOfABlock)
{
    TextBlock block;
    block.setText("{\\rtf1 old}");
    ScriptedDialogs dialogs;
    dialogs.textBox = [](TextBoxEditorData &data) {
        EXPECT_EQ(data.rtf, "{\\rtf1 old}");
        data.rtf = "{\\rtf1 new}";
        return true;
    };
    EXPECT_TRUE(block.editParameters(dialogs));
    EXPECT_EQ(block.text(), "{\\rtf1 new}");
}

class DepSrcDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.openNew();
        document.addTag(placedThing<CurrentTag>({0, 0}, {0, 40}, "Ia"));
        document.addTag(placedThing<VoltageTag>({0, 0}, {40, 0}, "Vb"));
        document.addTag(placedThing<VoltageTag>({0, 0}, {40, 40}, "2bad"));
        document.addTag(placedThing<VoltageTag>({40, 40}, {80, 40}, " Va x"));
        document.addComponent(placedThing<VoltSource>({100, 0}, {100, 40}, "V1"));
        document.addComponent(placedThing<CurrSource>({200, 0}, {200, 40}, "I1"));
        document.addComponent(placedThing<DepVoltSource>({300, 0}, {300, 40}, "E9"));
        auto created = placedThing<DepVoltSource>({400, 0}, {400, 40}, "E1");
        created->dependencies().append(TagDepcy(labelUnit("V1")));
        source = created.get();
        document.addComponent(std::move(created));
    }

    TCircuitDocument document;
    DepVoltSource *source = nullptr;
};

TEST_F(DepSrcDialogTest, OffersTagsThenIndependentSourcesOfTheKindWithValidNames)
{
    DepSrcDialogData data = DepSrcDialogData::from(*source);
    EXPECT_TRUE(data.voltageDependent);
    EXPECT_EQ(data.entries, entries({{"Vb", false}, {"Va", false}, {"V1", true}}));
    data.chooseKind(false);
    EXPECT_EQ(data.entries, entries({{"Ia", false}, {"I1", false}}));
    data.chooseKind(true);
    EXPECT_EQ(data.entries, entries({{"Vb", false}, {"Va", false}, {"V1", true}}));
}

TEST_F(DepSrcDialogTest, ConfirmRebuildsTheDependenciesFromTheMarksInListOrder)
{
    ScriptedDialogs dialogs;
    dialogs.depSrc = [](DepSrcDialogData &data) {
        data.toggle(2); // V1 off
        data.toggle(1); // Va on
        data.toggle(0); // Vb on
        data.toggle(7); // no such entry
        data.gainNumerator = "5 V/V";
        data.gainDenominator = "x";
        return true;
    };
    ASSERT_TRUE(source->editParameters(dialogs));
    ASSERT_EQ(source->dependencies().count(), 2);
    EXPECT_EQ(source->dependencies()[0].tagName(), "Vb");
    EXPECT_EQ(source->dependencies()[1].tagName(), "Va");
    EXPECT_TRUE(source->dependencies()[1].isSelected());
    EXPECT_EQ(source->gainNumerator(), "5");
    EXPECT_EQ(source->gainDenominator(), "0");
}

TEST_F(DepSrcDialogTest, ChangingTheKindDropsTheOtherKindsDependencies)
{
    ScriptedDialogs dialogs;
    dialogs.depSrc = [](DepSrcDialogData &data) {
        data.chooseKind(false);
        data.toggle(1);
        return true;
    };
    ASSERT_TRUE(source->editParameters(dialogs));
    EXPECT_FALSE(source->isVoltageDependent());
    ASSERT_EQ(source->dependencies().count(), 1);
    EXPECT_EQ(source->dependencies()[0].tagName(), "I1");
}

TEST(DepSrcDialog, NewSourceHasNoDependenciesAndZeroGains)
{
    const DepCurrSource source;
    const DepSrcDialogData data = DepSrcDialogData::from(source);
    EXPECT_TRUE(data.voltageDependent);
    EXPECT_TRUE(data.entries.empty());
    EXPECT_EQ(data.gainNumerator, "0");
    EXPECT_EQ(data.gainDenominator, "0");
}

TEST(PassCompDialog, ValueHintShowsWhatIsStoredInTheBaseUnit)
{
    EXPECT_EQ(baseValueHint("4.7", UnitScale::capacitor(), 1), "= 4.7e-06 F");
    // The number text drops what follows the number and the unit factor applies.
    EXPECT_EQ(baseValueHint("12k", UnitScale::resistor(), 1), "= 12000 ohm");
    EXPECT_EQ(baseValueHint("abc", UnitScale::inductor(), 2), "= 0 H");
    EXPECT_EQ(baseValueHint(" 1e3x", UnitScale::inductor(), 5), "= 1000000000 H");
    EXPECT_EQ(baseValueHint("0.33", UnitScale::capacitor(), 0), "= 3.3e-13 F");
}
