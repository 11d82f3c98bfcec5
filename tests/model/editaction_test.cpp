#include "modeltestsupport.h"

#include <model/clipboardrecord.h>
#include <model/editduplicateaction.h>
#include <model/editinsertaction.h>
#include <model/editmodificationaction.h>
#include <model/editmoveaction.h>
#include <model/editmovenodeaction.h>
#include <model/editpasteaction.h>
#include <model/editremoveaction.h>
#include <model/resistor.h>
#include <model/textblock.h>
#include <model/voltagetag.h>
#include <model/wire.h>

#include <support/recordingsurface.h>

#include <gtest/gtest.h>

#include <type_traits>

namespace {

template<typename T>
std::vector<const T *> listOf(const MPtrArray<T> &list)
{
    std::vector<const T *> things;
    for (const T *thing : list)
        things.push_back(thing);
    return things;
}

std::vector<const Component *> componentsOf(const TCircuitDocument &document)
{
    return listOf(document.components());
}

} // namespace

class EditActionTest : public ::testing::Test
{
protected:
    void SetUp() override { document.openNew(); }

    template<typename T>
    T *add(Point first, Point second, const char *name = "")
    {
        auto thing = placedThing<T>(first, second, name);
        T *added = thing.get();
        if constexpr (std::is_base_of_v<Component, T>)
            document.addComponent(std::move(thing));
        else if constexpr (std::is_base_of_v<CircTag, T>)
            document.addTag(std::move(thing));
        else
            document.addLoadedTool(std::move(thing));
        document.setModified(false);
        return added;
    }

    // Tracks the action from start to end and hands it to the document.
    bool drag(std::unique_ptr<EditAction> action, Point start, Point end)
    {
        RecordingSurface surface;
        action->track(surface, start, end);
        return document.record(std::move(action));
    }

    template<typename T>
    std::unique_ptr<EditInsertAction> insertOf()
    {
        return std::make_unique<EditInsertAction>(document, std::make_unique<T>(), dialogs);
    }

    TCircuitDocument document;
    ScriptedDialogs dialogs;
};

TEST_F(EditActionTest, InsertNeedsADragAndReplacesTheComponentOnTheSwappedPlace)
{
    Resistor *old = add<Resistor>({50, 10}, {10, 10}, "R1");
    EXPECT_FALSE(drag(insertOf<Wire>(), {10, 10}, {10, 10}));
    EXPECT_EQ(document.history().count(), 0u);
    EXPECT_FALSE(document.isModified());

    std::unique_ptr<EditInsertAction> insert = insertOf<Wire>();
    const EditInsertAction &action = *insert;
    ASSERT_TRUE(drag(std::move(insert), {10, 10}, {50, 10}));
    ASSERT_EQ(document.components().count(), 1);
    const Component *wire = document.components().first();
    EXPECT_STREQ(wire->streamableName(), "Wire");
    EXPECT_EQ(wire->firstPoint(), (Point{10, 10}));
    EXPECT_EQ(wire->secondPoint(), (Point{50, 10}));
    EXPECT_TRUE(wire->isSelected());
    EXPECT_EQ(wire->document(), &document);
    EXPECT_FALSE(action.added().components().owns(0));
    EXPECT_EQ(action.removed().components().first(), old);
    EXPECT_TRUE(action.removed().components().owns(0));

    document.undo();
    EXPECT_EQ(componentsOf(document), (std::vector<const Component *>{old}));
    EXPECT_TRUE(action.added().components().owns(0));
    EXPECT_FALSE(action.removed().components().owns(0));
    EXPECT_FALSE(document.isModified());
    document.redo();
    EXPECT_EQ(componentsOf(document), (std::vector<const Component *>{wire}));
    EXPECT_TRUE(document.isModified());
}

TEST_F(EditActionTest, InsertedToolOpensItsDialogOnceAndTagsReplaceOnlyInTheSameOrder)
{
    const VoltageTag *tag = add<VoltageTag>({10, 10}, {50, 10}, "V1");
    ASSERT_TRUE(drag(insertOf<VoltageTag>(), {50, 10}, {10, 10}));
    EXPECT_EQ(document.tags().count(), 2);
    ASSERT_TRUE(drag(insertOf<VoltageTag>(), {10, 10}, {50, 10}));
    EXPECT_EQ(document.tags().count(), 2);
    EXPECT_FALSE(document.tags().contains(tag));

    dialogs.textBox = [](TextBoxEditorData &data) {
        data.rtf = "{\\rtf1 note}";
        return true;
    };
    ASSERT_TRUE(drag(insertOf<TextBlock>(), {200, 160}, {100, 100}));
    const auto *block = dynamic_cast<const TextBlock *>(document.tools().first());
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->rect(), (Rect{100, 100, 200, 160}));
    EXPECT_EQ(block->text(), "{\\rtf1 note}");
    document.undo();
    EXPECT_TRUE(document.tools().isEmpty());
    document.redo();
    EXPECT_EQ(document.tools().first(), block);
    EXPECT_EQ(dialogs.opened, 1);
}

TEST_F(EditActionTest, OutlinesFollowTheDragInTheDragColour)
{
    add<Wire>({10, 10}, {50, 10});
    const Color drag = DrawColors::current().screen(ColorRole::Drag);
    const auto outline = [&](EditAction &action, Point start, Point end) {
        RecordingSurface surface;
        action.track(surface, start, end);
        EXPECT_EQ(surface.pen().color, drag);
        std::vector<std::string> shapes = surface.callsOf("line");
        for (const std::string &rect : surface.callsOf("rect"))
            shapes.push_back(rect);
        return shapes;
    };
    EditMoveAction move(document, {30, 10});
    EXPECT_EQ(outline(move, {30, 10}, {50, 30}),
              (std::vector<std::string>{"line (30,30) (70,30)"}));
    EditMoveNodeAction node(document, {50, 10});
    EXPECT_EQ(outline(node, {50, 10}, {50, 70}),
              (std::vector<std::string>{"line (10,10) (50,70)"}));
    EXPECT_EQ(node.offsetY(), 60);
    EditInsertAction block(document, std::make_unique<TextBlock>(), dialogs);
    EXPECT_EQ(outline(block, {200, 160}, {100, 100}),
              (std::vector<std::string>{"rect (100,100,200,160)"}));
    document.selectAll(true);
    std::unique_ptr<EditPasteAction> paste
        = EditPasteAction::fromClipboard(document, ClipboardRecord::writeSelected(document));
    EXPECT_EQ(outline(*paste, {0, 0}, {20, 30}),
              (std::vector<std::string>{"line (20,30) (60,30)"}));
}

TEST_F(EditActionTest, MovingOntoAnotherComponentTakesItOutUntilUndone)
{
    add<Wire>({10, 10}, {50, 10}, "A");
    Wire *b = add<Wire>({90, 10}, {130, 10}, "B");
    const std::vector<std::string> before = sortedRecords(document);
    ASSERT_TRUE(
        drag(std::make_unique<EditMoveAction>(document, Point{110, 10}), {110, 10}, {30, 10}));
    EXPECT_EQ(componentsOf(document), (std::vector<const Component *>{b}));
    EXPECT_EQ(b->firstPoint(), (Point{10, 10}));
    document.undo();
    EXPECT_EQ(sortedRecords(document), before);
    document.redo();
    EXPECT_EQ(componentsOf(document), (std::vector<const Component *>{b}));
}

TEST_F(EditActionTest, MoveTakesTheSelectionOnlyWhenASelectedThingIsHit)
{
    Wire *a = add<Wire>({10, 10}, {50, 10});
    Wire *b = add<Wire>({10, 50}, {50, 50});
    Wire *c = add<Wire>({10, 90}, {50, 90});
    a->setSelected(true);
    b->setSelected(true);
    EXPECT_EQ(listOf(EditMoveAction(document, {30, 10}).added().components()),
              (std::vector<const Component *>{a, b}));
    EXPECT_EQ(listOf(EditMoveAction(document, {30, 90}).added().components()),
              (std::vector<const Component *>{c}));
}

TEST_F(EditActionTest, DraggingAWireEndOntoItsOtherEndRemovesIt)
{
    add<Wire>({10, 10}, {50, 10});
    Resistor *r = add<Resistor>({50, 10}, {90, 10});
    const std::vector<std::string> before = sortedRecords(document);
    ASSERT_TRUE(
        drag(std::make_unique<EditMoveNodeAction>(document, Point{50, 10}), {50, 10}, {10, 10}));
    EXPECT_EQ(componentsOf(document), (std::vector<const Component *>{r}));
    EXPECT_EQ(r->firstPoint(), (Point{10, 10}));
    document.undo();
    EXPECT_EQ(sortedRecords(document), before);
    document.redo();
    EXPECT_EQ(componentsOf(document), (std::vector<const Component *>{r}));
}

// Both terminals lie within the hit distance of the dragged one's new place: undo must still
// move back the terminal that moved, not the first one it hits.
TEST_F(EditActionTest, NodeDragUndoRestoresTheTerminalThatMoved)
{
    Resistor *r = add<Resistor>({5, 0}, {0, 0});
    const std::string before = thingRecord(*r);
    ASSERT_TRUE(drag(std::make_unique<EditMoveNodeAction>(document, Point{0, 0}), {0, 0}, {3, 0}));
    EXPECT_EQ(r->firstPoint(), (Point{5, 0}));
    EXPECT_EQ(r->secondPoint(), (Point{3, 0}));
    document.undo();
    EXPECT_EQ(thingRecord(*r), before);
}

TEST_F(EditActionTest, ReshapedToolGetsItsCornersAndLabelBackOnUndo)
{
    auto tool = std::make_unique<TextBlock>();
    tool->place({200, 160}, {100, 100}, nullptr);
    TextBlock *block = tool.get();
    document.addLoadedTool(std::move(tool));
    const std::string before = thingRecord(*block);
    ASSERT_TRUE(drag(std::make_unique<EditMoveNodeAction>(document, Point{200, 160}), {200, 160},
                     {40, 40}));
    EXPECT_EQ(block->rect(), (Rect{40, 40, 100, 100}));
    const std::string after = thingRecord(*block);
    document.undo();
    EXPECT_EQ(thingRecord(*block), before);
    document.redo();
    EXPECT_EQ(thingRecord(*block), after);
}

TEST_F(EditActionTest, PastePlacesTheTopLeftCornerAtTheDropPoint)
{
    Wire *wire = add<Wire>({30, 50}, {70, 50}, "W");
    add<VoltageTag>({50, 30}, {50, 90}, "V")->setSelected(true);
    wire->setSelected(true);
    const std::vector<std::uint8_t> block = ClipboardRecord::writeSelected(document);
    std::unique_ptr<EditPasteAction> paste = EditPasteAction::fromClipboard(document, block);
    EXPECT_EQ(paste->startPoint(), (Point{30, 30}));
    ASSERT_TRUE(drag(std::move(paste), {0, 0}, {110, 130}));
    const Component *copy = document.components().last();
    EXPECT_EQ(copy->firstPoint(), (Point{110, 150}));
    EXPECT_EQ(document.tags().last()->firstPoint(), (Point{130, 130}));
    EXPECT_TRUE(copy->isSelected());
    EXPECT_FALSE(wire->isSelected());

    // Dropped where it was copied from, a paste replaces the originals.
    ASSERT_TRUE(drag(EditPasteAction::fromClipboard(document, block), {0, 0}, {30, 30}));
    EXPECT_EQ(document.components().count(), 2);
    EXPECT_FALSE(document.components().contains(wire));
    document.undo();
    EXPECT_TRUE(document.components().contains(wire));
}

TEST_F(EditActionTest, DuplicateCountsOnlyAfterADragAndCopiesTheSelection)
{
    Wire *wire = add<Wire>({30, 50}, {70, 50}, "W");
    wire->setSelected(true);
    EXPECT_FALSE(drag(std::make_unique<EditDuplicateAction>(document), {0, 0}, {30, 50}));
    EXPECT_EQ(componentsOf(document), (std::vector<const Component *>{wire}));
    EXPECT_TRUE(wire->isSelected());

    ASSERT_TRUE(drag(std::make_unique<EditDuplicateAction>(document), {0, 0}, {30, 90}));
    ASSERT_EQ(document.components().count(), 2);
    const Component *copy = document.components().last();
    EXPECT_NE(copy, wire);
    EXPECT_EQ(copy->name().view(), "W");
    EXPECT_EQ(copy->firstPoint(), (Point{30, 90}));
    EXPECT_TRUE(copy->isSelected());
    EXPECT_FALSE(wire->isSelected());
}

TEST_F(EditActionTest, RemoveTakesTheSelectionOutAndUndoSelectsItAgain)
{
    Wire *a = add<Wire>({10, 10}, {50, 10});
    Wire *b = add<Wire>({10, 50}, {50, 50});
    EXPECT_FALSE(document.record(std::make_unique<EditRemoveAction>(document)));
    a->setSelected(true);
    ASSERT_TRUE(document.record(std::make_unique<EditRemoveAction>(document)));
    EXPECT_EQ(componentsOf(document), (std::vector<const Component *>{b}));
    b->setSelected(true);
    document.undo();
    EXPECT_EQ(componentsOf(document), (std::vector<const Component *>{b, a}));
    EXPECT_TRUE(a->isSelected());
    EXPECT_FALSE(b->isSelected());
}

TEST_F(EditActionTest, ModificationReplacesConfirmedThingsByEditedCopies)
{
    Resistor *r1 = add<Resistor>({10, 10}, {50, 10}, "R1");
    Resistor *r2 = add<Resistor>({10, 50}, {50, 50}, "R2");
    document.selectAll(true);
    dialogs.passComp = [](PassCompDialogData &) { return false; };
    EXPECT_FALSE(document.record(std::make_unique<EditModificationAction>(document, dialogs)));
    EXPECT_FALSE(document.isModified());

    dialogs.passComp = [](PassCompDialogData &data) {
        data.value = "22";
        return data.label.name == "R1";
    };
    ASSERT_TRUE(document.record(std::make_unique<EditModificationAction>(document, dialogs)));
    ASSERT_EQ(document.components().count(), 2);
    EXPECT_EQ(document.components().first(), r2);
    const auto *copy = dynamic_cast<const Resistor *>(document.components().last());
    ASSERT_NE(copy, r1);
    EXPECT_EQ(copy->name().view(), "R1");
    EXPECT_EQ(copy->value().view(), "22");
    EXPECT_EQ(r2->value().view(), "0");
    EXPECT_TRUE(copy->isSelected());
    document.undo();
    EXPECT_EQ(componentsOf(document), (std::vector<const Component *>{r2, r1}));
    EXPECT_TRUE(r1->isSelected());
    EXPECT_EQ(r1->value().view(), "0");
}

// The stale action still points at a wire that was freed with the undone insertion when the
// move was recorded; performing it would touch freed memory.
TEST_F(EditActionTest, ActionMadeBeforeTheDocumentChangedIsRefused)
{
    add<Wire>({10, 50}, {50, 50});
    ASSERT_TRUE(drag(insertOf<Wire>(), {10, 10}, {50, 10}));
    auto stale = std::make_unique<EditRemoveAction>(document);
    ASSERT_EQ(stale->added().count(), 1);
    document.undo();
    ASSERT_TRUE(
        drag(std::make_unique<EditMoveAction>(document, Point{30, 50}), {30, 50}, {30, 90}));
    EXPECT_FALSE(document.record(std::move(stale)));
    EXPECT_EQ(document.history().count(), 1u);
    EXPECT_EQ(document.components().count(), 1);
}
