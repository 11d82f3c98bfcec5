#include "editortestsupport.h"

#include <model/clipboardrecord.h>
#include <model/resistor.h>
#include <model/textblock.h>
#include <model/wire.h>
#include <support/recordingsurface.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Places = std::vector<std::string>;

// Every point below is a grid point (10 more than a multiple of 20), and every sketched thing
// has its midpoint on one, so that a click there hits it.

TEST(CircuitEditorInsert, DragPlacesTheNewThingBetweenTheSnappedPoints)
{
    EditorBench bench;
    bench.palette.choose(PaletteEntry::Resistor);
    bench.drag({105, 112}, {187, 119});

    EXPECT_EQ(bench.componentPlaces(), Places{"(110,110)-(190,110)"});
    const auto *resistor = dynamic_cast<const Resistor *>(bench.document().components()[0]);
    ASSERT_NE(resistor, nullptr);
    EXPECT_EQ(resistor->value().view(), Resistor().value().view());
    EXPECT_EQ(bench.document().undoName(), "Insert");
    EXPECT_EQ(bench.palette.mode(), CursorMode::Insert);
}

TEST(CircuitEditorInsert, ClickWithoutDragInsertsNothingAndRenewsThePrototype)
{
    EditorBench bench;
    bench.palette.choose(PaletteEntry::Wire);
    const CircThing *consumed = &bench.palette.prototype();
    bench.click({110, 110});

    EXPECT_EQ(bench.document().thingCount(), 0);
    EXPECT_EQ(bench.document().historyPosition(), 0u);
    EXPECT_FALSE(bench.document().isModified());
    EXPECT_NE(&bench.palette.prototype(), consumed);
    EXPECT_NE(dynamic_cast<const Wire *>(&bench.palette.prototype()), nullptr);
}

TEST(CircuitEditorInsert, TwoInsertionsPlaceTwoDistinctThings)
{
    EditorBench bench;
    bench.palette.choose(PaletteEntry::Resistor);
    bench.drag({110, 110}, {190, 110});
    bench.drag({110, 210}, {190, 210});

    ASSERT_EQ(bench.document().components().count(), 2);
    const Component *first = bench.document().components()[0];
    const Component *second = bench.document().components()[1];
    EXPECT_NE(first, second);
    EXPECT_EQ(bench.componentPlaces(), (Places{"(110,110)-(190,110)", "(110,210)-(190,210)"}));
    for (const Component *component : {first, second})
        EXPECT_EQ(static_cast<const Resistor *>(component)->value().view(),
                  Resistor().value().view());
}

TEST(CircuitEditorInsert, ToolOpensItsDialogWhenPlaced)
{
    EditorBench bench;
    bench.palette.choose(PaletteEntry::TextBlock);
    bench.drag({110, 110}, {310, 210});

    ASSERT_EQ(bench.document().tools().count(), 1);
    EXPECT_NE(dynamic_cast<const TextBlock *>(bench.document().tools()[0]), nullptr);
    EXPECT_EQ(bench.document().tools()[0]->rect(), (Rect{110, 110, 310, 210}));
    EXPECT_EQ(bench.dialogs.opened, 1);
}

TEST(CircuitEditorMove, DragMovesTheThingAndUndoRedoGoThroughTheHistory)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    bench.drag({170, 110}, {210, 150});

    EXPECT_EQ(bench.componentPlaces(), Places{"(150,150)-(270,150)"});
    const EditMenuItem undo = bench.editor.menuItem(EditCommand::Undo);
    EXPECT_TRUE(undo.enabled);
    EXPECT_EQ(undo.text, "Undo Move\tCtrl+Z");
    EXPECT_FALSE(bench.editor.menuItem(EditCommand::Redo).enabled);
    EXPECT_EQ(bench.editor.menuItem(EditCommand::Redo).text, "Redo\tCtrl+Shift+Z");

    bench.editor.run(EditCommand::Undo);
    EXPECT_EQ(bench.componentPlaces(), Places{"(110,110)-(230,110)"});
    EXPECT_EQ(bench.editor.menuItem(EditCommand::Redo).text, "Redo Move\tCtrl+Shift+Z");
    EXPECT_FALSE(bench.editor.isEnabled(EditCommand::Undo));

    bench.editor.run(EditCommand::Redo);
    EXPECT_EQ(bench.componentPlaces(), Places{"(150,150)-(270,150)"});
}

TEST(CircuitEditorMove, DragThatSnapsBackToThePressPointRecordsNothing)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    bench.document().setModified(false);
    bench.drag({170, 110}, {178, 118});

    EXPECT_EQ(bench.componentPlaces(), Places{"(110,110)-(230,110)"});
    EXPECT_EQ(bench.document().historyPosition(), 0u);
    EXPECT_FALSE(bench.document().isModified());
}

TEST(CircuitEditorMove, NodeDragMovesEveryTerminalThere)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    bench.sketch.wire({230, 110}, {230, 230});
    bench.drag({230, 110}, {270, 70});

    EXPECT_EQ(bench.componentPlaces(), (Places{"(110,110)-(270,70)", "(270,70)-(230,230)"}));
    EXPECT_EQ(bench.document().undoName(), "Move Node");
}

TEST(CircuitEditorMove, NodeDragOntoTheOtherTerminalRemovesTheComponentUntilUndone)
{
    EditorBench bench;
    bench.sketch.resistor({110, 110}, {190, 110}, "R1", "1k");
    bench.drag({190, 110}, {110, 110});

    EXPECT_EQ(bench.document().components().count(), 0);
    bench.editor.run(EditCommand::Undo);
    EXPECT_EQ(bench.componentPlaces(), Places{"(110,110)-(190,110)"});
    EXPECT_STREQ(bench.document().components()[0]->name().text(), "R1");
}

TEST(CircuitEditorMove, DragIsDroppedWhenAnotherViewTakesItsThingAway)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    CircuitEditor otherView(bench.document(), bench.palette, bench.clipboard, bench.dialogs);
    bench.editor.press({170, 110}, false);
    bench.editor.move({210, 150}, false);

    otherView.run(EditCommand::SelectAll);
    otherView.run(EditCommand::Delete);
    EXPECT_FALSE(bench.editor.isDragging());
    RecordingSurface surface;
    bench.editor.paintOverlay(surface);
    EXPECT_TRUE(surface.calls().empty());
    bench.editor.release({210, 150}, false);
    EXPECT_EQ(bench.document().undoName(), "Remove");
    EXPECT_EQ(bench.document().thingCount(), 0);
}

TEST(CircuitEditorMove, EscapeDuringADragRecordsNothing)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    bench.editor.press({170, 110}, false);
    bench.editor.move({210, 150}, false);
    bench.editor.escape();
    bench.editor.release({210, 150}, false);
    EXPECT_EQ(bench.componentPlaces(), Places{"(110,110)-(230,110)"});
    EXPECT_EQ(bench.document().historyPosition(), 0u);
    EXPECT_EQ(bench.selectionPattern(), "0");
}

class CircuitEditorSelect : public ::testing::Test
{
protected:
    CircuitEditorSelect()
    {
        bench.sketch.wire({110, 110}, {230, 110});              // midpoint (170,110)
        bench.sketch.wire({110, 310}, {230, 310});              // midpoint (170,310)
        bench.sketch.voltageTag({410, 110}, {490, 110}, "out"); // midpoint (450,110)
    }

    EditorBench bench;
};

TEST_F(CircuitEditorSelect, ClickSelectsTheThingHitAndDeselectsTheRest)
{
    bench.click({170, 310});
    EXPECT_EQ(bench.selectionPattern(), "010");
    bench.click({450, 110});
    EXPECT_EQ(bench.selectionPattern(), "001");
}

TEST_F(CircuitEditorSelect, ShiftClickExtendsAndTogglesOff)
{
    bench.click({170, 110});
    bench.click({450, 110}, true);
    EXPECT_EQ(bench.selectionPattern(), "101");
    bench.click({170, 110}, true);
    EXPECT_EQ(bench.selectionPattern(), "001");
}

TEST_F(CircuitEditorSelect, ClickInEmptySpaceDeselectsEverything)
{
    bench.editor.run(EditCommand::SelectAll);
    EXPECT_EQ(bench.selectionPattern(), "111");
    bench.click({690, 690});
    EXPECT_EQ(bench.selectionPattern(), "000");
}

TEST_F(CircuitEditorSelect, ShiftClickInEmptySpaceKeepsTheSelection)
{
    bench.click({170, 110});
    bench.click({690, 690}, true);
    EXPECT_EQ(bench.selectionPattern(), "100");
}

TEST_F(CircuitEditorSelect, RectangleSelectsTheThingsWhoseMidpointsItHolds)
{
    bench.click({450, 110});
    bench.drag({50, 50}, {250, 350});
    EXPECT_EQ(bench.selectionPattern(), "110");
    EXPECT_EQ(bench.document().historyPosition(), 0u);
}

TEST_F(CircuitEditorSelect, ShiftRectangleExtendsTheSelection)
{
    bench.click({450, 110});
    bench.drag({50, 50}, {250, 150}, true);
    EXPECT_EQ(bench.selectionPattern(), "101");
}

TEST_F(CircuitEditorSelect, PressOnASelectedThingMovesTheWholeSelection)
{
    bench.editor.run(EditCommand::SelectAll);
    bench.drag({170, 310}, {190, 330});
    EXPECT_EQ(bench.componentPlaces(), (Places{"(130,130)-(250,130)", "(130,330)-(250,330)"}));
    EXPECT_EQ(bench.document().tags()[0]->firstPoint(), (Point{430, 130}));
}

TEST(CircuitEditorClipboard, FloatingPasteFollowsThePointerAndIsDroppedByTheNextClick)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    bench.click({170, 110});
    bench.editor.run(EditCommand::Copy);
    ASSERT_TRUE(bench.editor.isEnabled(EditCommand::Paste));

    bench.editor.run(EditCommand::Paste);
    EXPECT_TRUE(bench.editor.isFloating());
    EXPECT_EQ(bench.selectionPattern(), "0");
    bench.editor.move({510, 310}, false);
    EXPECT_EQ(bench.document().components().count(), 1);

    bench.editor.press({510, 310}, false);
    EXPECT_FALSE(bench.editor.isFloating());
    bench.editor.release({530, 330}, false);

    EXPECT_EQ(bench.componentPlaces(), (Places{"(110,110)-(230,110)", "(510,310)-(630,310)"}));
    EXPECT_EQ(bench.selectionPattern(), "01");
    EXPECT_EQ(bench.document().undoName(), "Paste");
    EXPECT_EQ(bench.document().historyPosition(), 1u);
}

TEST(CircuitEditorClipboard, PasteWithAnEmptyClipboardDoesNothing)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    EXPECT_FALSE(bench.editor.isEnabled(EditCommand::Paste));
    bench.editor.run(EditCommand::Paste);
    EXPECT_FALSE(bench.editor.isFloating());
    EXPECT_EQ(bench.document().thingCount(), 1);
}

TEST(CircuitEditorClipboard, PasteOfAForeignBlockDoesNothingAndSaysWhy)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    bench.click({170, 110});
    const std::vector<std::uint8_t> foreign{'h', 'e', 'l', 'l', 'o'};
    bench.clipboard.setCircuitObjects(foreign);

    bench.editor.run(EditCommand::Paste);
    EXPECT_FALSE(bench.editor.isFloating());
    EXPECT_EQ(bench.selectionPattern(), "1");
    EXPECT_EQ(bench.document().historyPosition(), 0u);
    EXPECT_EQ(bench.editor.statusMessage().rfind("The clipboard's circuit objects cannot be "
                                                 "pasted: ",
                                                 0),
              0u);
    bench.editor.press({510, 510}, false);
    bench.editor.release({510, 510}, false);
    EXPECT_EQ(bench.document().thingCount(), 1);
}

TEST(CircuitEditorClipboard, DuplicateCountsOnlyWhenDroppedElsewhere)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    bench.click({170, 110});

    bench.editor.run(EditCommand::Duplicate);
    bench.editor.move({110, 110}, false);
    bench.click({110, 110});
    EXPECT_EQ(bench.document().components().count(), 1);

    bench.click({170, 110});
    bench.editor.run(EditCommand::Duplicate);
    bench.editor.move({110, 210}, false);
    bench.click({110, 210});
    EXPECT_EQ(bench.componentPlaces(), (Places{"(110,110)-(230,110)", "(110,210)-(230,210)"}));
    EXPECT_EQ(bench.document().undoName(), "Duplicate");
}

TEST(CircuitEditorClipboard, CutCopiesAndRemovesAndUndoBringsTheThingsBack)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    bench.sketch.wire({110, 310}, {230, 310});
    bench.click({170, 310});
    const std::vector<std::uint8_t> expected = ClipboardRecord::writeSelected(bench.document());

    bench.editor.run(EditCommand::Cut);
    EXPECT_EQ(bench.clipboard.circuitObjects(), expected);
    EXPECT_EQ(bench.componentPlaces(), Places{"(110,110)-(230,110)"});
    EXPECT_FALSE(bench.editor.isEnabled(EditCommand::Delete));

    bench.editor.run(EditCommand::Undo);
    EXPECT_EQ(bench.componentPlaces(), (Places{"(110,110)-(230,110)", "(110,310)-(230,310)"}));
    EXPECT_EQ(bench.selectionPattern(), "01");
    bench.editor.run(EditCommand::Delete);
    EXPECT_EQ(bench.document().undoName(), "Remove");
}

TEST(CircuitEditorClipboard, EscapeDropsAFloatingPasteAndChoosesTheSelectCursor)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    bench.editor.run(EditCommand::SelectAll);
    bench.editor.run(EditCommand::Copy);
    bench.palette.choose(PaletteEntry::Resistor);
    bench.editor.run(EditCommand::Paste);

    bench.editor.escape();
    EXPECT_FALSE(bench.editor.isFloating());
    EXPECT_EQ(bench.palette.mode(), CursorMode::Select);
    bench.click({510, 510});
    EXPECT_EQ(bench.document().components().count(), 1);
}

TEST(CircuitEditorCommands, EnabledStatesFollowTheSelectionAndTheHistory)
{
    EditorBench bench;
    for (EditCommand command :
         {EditCommand::Undo, EditCommand::Redo, EditCommand::Cut, EditCommand::Copy,
          EditCommand::Paste, EditCommand::Duplicate, EditCommand::Delete, EditCommand::SelectAll})
        EXPECT_FALSE(bench.editor.isEnabled(command)) << editCommandText(command);
    bench.sketch.wire({110, 110}, {230, 110});
    EXPECT_TRUE(bench.editor.isEnabled(EditCommand::SelectAll));
    EXPECT_FALSE(bench.editor.isEnabled(EditCommand::Copy));
    bench.click({170, 110});
    EXPECT_TRUE(bench.editor.isEnabled(EditCommand::Copy));

    bench.editor.press({170, 110}, false);
    EXPECT_FALSE(bench.editor.isEnabled(EditCommand::Delete));
    EXPECT_TRUE(bench.editor.isEnabled(EditCommand::ComponentNames));
}

TEST(CircuitEditorCommands, MenuTextsAndHints)
{
    EditorBench bench;
    const EditMenuItem cut = bench.editor.menuItem(EditCommand::Cut);
    EXPECT_EQ(cut.text, "Cu&t\tCtrl+X");
    EXPECT_EQ(cut.hint, "Cut");
    EXPECT_EQ(bench.editor.menuItem(EditCommand::SelectAll).text, "Select &All\tCtrl+L");
    EXPECT_EQ(bench.editor.menuItem(EditCommand::Delete).text, "D&elete\tDelete");
    EXPECT_EQ(bench.editor.menuItem(EditCommand::Undo).text, "Undo\tCtrl+Z");
    EXPECT_EQ(bench.editor.menuItem(EditCommand::Undo).hint, "Undo");
}

TEST(CircuitEditorCommands, NameAndValueTogglesFlipTheDocumentFlags)
{
    EditorBench bench;
    EXPECT_TRUE(bench.editor.isChecked(EditCommand::ComponentNames));
    bench.editor.run(EditCommand::ComponentNames);
    EXPECT_FALSE(bench.document().showsComponentNames());
    EXPECT_FALSE(bench.editor.isChecked(EditCommand::ComponentNames));
    EXPECT_TRUE(bench.editor.isChecked(EditCommand::ComponentValues));
    EXPECT_TRUE(bench.editor.takeRepaint().isWhole());

    bench.editor.run(EditCommand::ComponentValues);
    EXPECT_FALSE(bench.document().showsComponentValues());
    EXPECT_EQ(bench.editor.menuItem(EditCommand::ComponentValues).text, "Component Values");
}

TEST(CircuitEditorDialogs, DoubleClickModifiesTheSelectionThroughItsDialog)
{
    EditorBench bench;
    bench.sketch.resistor({110, 110}, {190, 110}, "R1", "1");
    bench.click({150, 110});
    bench.editor.doubleClick({150, 110});
    EXPECT_EQ(bench.dialogs.opened, 1);
    EXPECT_EQ(bench.document().historyPosition(), 0u);

    bench.dialogs.confirmedValue = "47";
    bench.editor.doubleClick({150, 110});
    EXPECT_EQ(bench.document().undoName(), "Modification");
    EXPECT_EQ(static_cast<const Resistor *>(bench.document().components()[0])->value().view(),
              "47");
}

TEST(CircuitEditorDialogs, ObjectMenuActsOnTheThingUnderThePointer)
{
    EditorBench bench;
    bench.sketch.resistor({110, 110}, {190, 110}, "R1", "1");
    bench.sketch.wire({110, 310}, {230, 310});
    bench.click({170, 310});

    bench.editor.rightClick({150, 110});
    EXPECT_TRUE(bench.editor.isEnabled(ObjectCommand::Parameters));
    EXPECT_FALSE(bench.editor.isEnabled(ObjectCommand::ExtendedView));
    EXPECT_FALSE(bench.editor.isEnabled(ObjectCommand::ExportData));
    bench.dialogs.confirmedValue = "2";
    bench.editor.run(ObjectCommand::Parameters);
    // The confirmed copy takes the original's place at the end of the list, selected alone.
    EXPECT_EQ(bench.selectionPattern(), "01");
    const auto *modified = dynamic_cast<const Resistor *>(bench.document().components()[1]);
    ASSERT_NE(modified, nullptr);
    EXPECT_EQ(modified->value().view(), "2");
    EXPECT_EQ(bench.editor.helpTopic(), modified->helpTopicTitle());

    bench.editor.rightClick({690, 690});
    EXPECT_FALSE(bench.editor.isEnabled(ObjectCommand::Parameters));
}

TEST(CircuitEditorView, ZoomedWindowPointsSnapInSheetUnits)
{
    EditorBench bench;
    bench.editor.transform().setZoomAround({0, 0}, 2.0);
    bench.editor.transform().scrollBy(200, 0);
    EXPECT_EQ(bench.editor.sheetPoint({55, 57}), (Point{127, 28}));
    EXPECT_EQ(bench.editor.snappedSheetPoint({55, 57}), (Point{130, 30}));
}

TEST(CircuitEditorView, ZoomStepsKeepThePointerAndFitShowsTheWholeCircuit)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    bench.sketch.wire({110, 310}, {230, 310});
    bench.editor.takeRepaint();
    bench.editor.zoomIn({300, 200});
    EXPECT_DOUBLE_EQ(bench.editor.transform().zoom(), ViewTransform::zoomStep);
    EXPECT_EQ(bench.editor.sheetPoint({300, 200}), (Point{300, 200}));
    EXPECT_TRUE(bench.editor.takeRepaint().isWhole());
    bench.editor.zoomOut({300, 200});
    EXPECT_DOUBLE_EQ(bench.editor.transform().zoom(), 1.0);

    // The bounds (70,70)-(270,350) into 440 x 320 pixels less the margins: zoom 1.
    bench.editor.fitView({440, 320});
    EXPECT_DOUBLE_EQ(bench.editor.transform().zoom(), 1.0);
    EXPECT_EQ(bench.editor.sheetPoint({220, 160}), (Point{170, 210}));
}

TEST(CircuitEditorOverlay, InsertDragDrawsTheOutlineInTheDragColour)
{
    EditorBench bench;
    bench.palette.choose(PaletteEntry::Wire);
    bench.editor.press({110, 110}, false);
    bench.editor.move({250, 150}, false);

    RecordingSurface surface;
    bench.editor.paintOverlay(surface);
    EXPECT_EQ(surface.calls(),
              (std::vector<std::string>{"pen 255,255,255 1 0", "brush 0,0,0 hollow",
                                        "line (110,110) (250,150)"}));
}

TEST(CircuitEditorOverlay, SelectionRectangleIsDottedAndGoneAfterTheRelease)
{
    EditorBench bench;
    bench.editor.press({110, 110}, false);
    bench.editor.move({250, 150}, false);

    RecordingSurface surface;
    bench.editor.paintOverlay(surface);
    EXPECT_EQ(surface.calls(),
              (std::vector<std::string>{"pen 255,255,255 1 2", "brush 0,0,0 hollow",
                                        "rect (110,110,250,150)"}));
    bench.editor.release({250, 150}, false);
    surface.clear();
    bench.editor.paintOverlay(surface);
    EXPECT_TRUE(surface.calls().empty());
}

TEST(CircuitEditorOverlay, DragStepRepaintsTheOldAndTheNewOutlineOnly)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    bench.editor.press({170, 110}, false);
    bench.editor.takeRepaint();

    bench.editor.move({190, 150}, false);
    const RepaintRegion step = bench.editor.takeRepaint();
    ASSERT_FALSE(step.isEmpty());
    EXPECT_FALSE(step.isWhole());
    // The outline moves from (110,110)-(230,110) to (130,150)-(250,150); a hairline is
    // covered one unit beyond its geometry.
    EXPECT_EQ(step.rect(), (Rect{109, 109, 251, 151}));

    bench.editor.move({190, 150}, false);
    EXPECT_TRUE(bench.editor.takeRepaint().isEmpty());
    bench.editor.release({190, 150}, false);
    EXPECT_TRUE(bench.editor.takeRepaint().isWhole());
}

TEST(CircuitEditorOverlay, PaintDrawsTheThingsThatMayReachIntoTheClip)
{
    EditorBench bench;
    bench.sketch.wire({110, 110}, {230, 110});
    // A resistor right of the clip whose long name, centred left of it, reaches into the
    // clip (504 units wide, from x = 106 to 610), and a wire far off.
    bench.sketch.resistor({610, 190}, {610, 110}, std::string(63, 'N').c_str(), "1");
    bench.sketch.wire({2110, 2110}, {2230, 2110});
    RecordingSurface surface;
    bench.editor.paint(surface, Rect{0, 0, 400, 400});

    const std::vector<std::string> lines = surface.callsOf("line");
    ASSERT_FALSE(lines.empty());
    for (const std::string &line : lines)
        EXPECT_EQ(line.find("2110"), std::string::npos) << line;
    bool nameDrawn = false;
    for (const std::string &text : surface.callsOf("text"))
        nameDrawn = nameDrawn || text.find(std::string(63, 'N')) != std::string::npos;
    EXPECT_TRUE(nameDrawn);
}

TEST(CircuitEditorMessages, MessageSelectsAndCentresTheThingsItNames)
{
    EditorBench bench;
    bench.sketch.resistor({110, 110}, {190, 110}, "R1", "1");
    bench.sketch.voltageTag({510, 510}, {510, 590}, "Vout");
    bench.sketch.tool({1000, 1000}, {1200, 1100}, "Vout");
    bench.sketch.resistor({110, 210}, {190, 210}, "Rx", "1").setSelected(true);

    // The tag and the tool share the name: both are shown, centred in a 400 x 300 window.
    EXPECT_TRUE(bench.editor.showThingsNamedIn(
        "A Circuit Tool and a Circuit Tag are using the name : Vout", {400, 300}));
    EXPECT_EQ(bench.selectionPattern(), "0011");
    // Bounding rectangles (470,470)-(550,630) and (960,960)-(1240,1140): centre (855,805).
    EXPECT_EQ(bench.editor.transform().scrollPosition(), (Point{655, 655}));

    // The first word that names a thing decides; words of the text itself name nothing.
    EXPECT_TRUE(bench.editor.showThingsNamedIn("Resistor R1 has null value", {400, 300}));
    EXPECT_EQ(bench.selectionPattern(), "1000");
    EXPECT_FALSE(bench.editor.showThingsNamedIn("User Interrupt", {400, 300}));
    EXPECT_EQ(bench.selectionPattern(), "1000");
}

} // namespace
