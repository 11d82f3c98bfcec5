#include <editor/palette.h>
#include <editor/palettelistener.h>

#include <model/circthing.h>
#include <model/grounder.h>
#include <model/resistor.h>
#include <model/wire.h>
#include <tools/timeplot.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

class CountingListener : public PaletteListener
{
public:
    int told = 0;
    void paletteChanged() override { ++told; }
};

TEST(PaletteEntries, HintsSplitIntoStatusTextAndToolTip)
{
    const PaletteEntryInfo &insert = paletteEntryInfo(PaletteEntry::InsertCursor);
    EXPECT_STREQ(insert.hint, "Insert Cursor- a soldering iron\nInsert");
    EXPECT_EQ(insert.statusText(), "Insert Cursor- a soldering iron");
    EXPECT_EQ(insert.toolTip(), "Insert");
    const PaletteEntryInfo &dependent = paletteEntryInfo(PaletteEntry::DependentCurrentSource);
    EXPECT_EQ(dependent.statusText(), "Dependent Current Source");
    EXPECT_EQ(dependent.toolTip(), "Dep. Current Source");
    EXPECT_STREQ(paletteEntryInfo(PaletteEntry::OutputSignal).hint,
                 "Time Domain Output Signal Plot\nOutput Signal");
}

TEST(PaletteEntries, ListedInToolbarOrderWithDistinctShortcuts)
{
    std::set<char> letters;
    int index = 0;
    for (const PaletteEntryInfo &info : paletteEntries()) {
        EXPECT_EQ(static_cast<int>(info.entry), index++);
        if (info.shortcut != 0) {
            EXPECT_TRUE(letters.insert(info.shortcut).second) << info.shortcut;
        }
    }
    EXPECT_EQ(index, 18);
    EXPECT_EQ(std::string(letters.begin(), letters.end()), "ACEFGILRTVWX");
}

TEST(PaletteEntries, EachThingEntryCreatesItsClass)
{
    EXPECT_EQ(createPaletteThing(PaletteEntry::SelectCursor), nullptr);
    EXPECT_EQ(createPaletteThing(PaletteEntry::InsertCursor), nullptr);
    EXPECT_NE(dynamic_cast<Grounder *>(createPaletteThing(PaletteEntry::Ground).get()), nullptr);
    EXPECT_NE(dynamic_cast<TimePlot *>(createPaletteThing(PaletteEntry::OutputSignal).get()),
              nullptr);
    for (const PaletteEntryInfo &info : paletteEntries())
        EXPECT_EQ(createPaletteThing(info.entry) != nullptr, info.createsThing());
}

TEST(Palette, ChoosingAThingEntryRenewsThePrototypeAndSelectsInsertMode)
{
    Palette palette;
    CountingListener listener;
    palette.addListener(listener);
    EXPECT_EQ(palette.mode(), CursorMode::Select);
    EXPECT_NE(dynamic_cast<const Wire *>(&palette.prototype()), nullptr);

    palette.choose(PaletteEntry::Resistor);
    EXPECT_EQ(palette.mode(), CursorMode::Insert);
    EXPECT_EQ(palette.chosenEntry(), PaletteEntry::Resistor);
    EXPECT_NE(dynamic_cast<const Resistor *>(&palette.prototype()), nullptr);

    palette.choose(PaletteEntry::SelectCursor);
    EXPECT_EQ(palette.mode(), CursorMode::Select);
    palette.choose(PaletteEntry::InsertCursor);
    EXPECT_EQ(palette.mode(), CursorMode::Insert);
    EXPECT_EQ(palette.thingEntry(), PaletteEntry::Resistor);
    EXPECT_EQ(listener.told, 3);
    palette.removeListener(listener);
    palette.choose(PaletteEntry::Wire);
    EXPECT_EQ(listener.told, 3);
}

TEST(Palette, TakingThePrototypeLeavesAFreshOneOfTheSameEntry)
{
    Palette palette;
    palette.choose(PaletteEntry::Resistor);
    const CircThing *before = &palette.prototype();
    std::unique_ptr<CircThing> taken = palette.takePrototype();
    EXPECT_EQ(taken.get(), before);
    EXPECT_NE(&palette.prototype(), before);
    EXPECT_NE(dynamic_cast<const Resistor *>(&palette.prototype()), nullptr);
}

TEST(Palette, ShortcutLettersChooseTheirEntryInEitherCase)
{
    Palette palette;
    EXPECT_TRUE(palette.chooseByShortcut('g'));
    EXPECT_EQ(palette.chosenEntry(), PaletteEntry::Ground);
    EXPECT_TRUE(palette.chooseByShortcut('E'));
    EXPECT_EQ(palette.chosenEntry(), PaletteEntry::DependentVoltageSource);
    EXPECT_FALSE(palette.chooseByShortcut('z'));
    EXPECT_FALSE(palette.chooseByShortcut('\0'));
    EXPECT_EQ(palette.chosenEntry(), PaletteEntry::DependentVoltageSource);
}

} // namespace
