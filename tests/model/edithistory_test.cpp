#include "modeltestsupport.h"

#include <model/editmenuitem.h>
#include <model/editmoveaction.h>
#include <model/wire.h>

#include <support/recordingsurface.h>

#include <gtest/gtest.h>

class EditHistoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.openNew();
        document.addComponent(placedThing<Wire>({10, 10}, {50, 10}));
        document.setModified(false);
    }

    Point wireStart() const { return document.components().first()->firstPoint(); }

    // Drags the wire 20 units to the right.
    bool moveWire()
    {
        const Point at{wireStart().x + 20, wireStart().y};
        auto move = std::make_unique<EditMoveAction>(document, at);
        RecordingSurface surface;
        move->track(surface, at, {at.x + 20, at.y});
        return document.record(std::move(move));
    }

    TCircuitDocument document;
};

TEST_F(EditHistoryTest, RecordingAfterTwoUndosDropsTheUndoneEntries)
{
    EXPECT_FALSE(document.undo());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(moveWire());
    EXPECT_FALSE(document.redo());
    EXPECT_TRUE(document.undo());
    EXPECT_TRUE(document.undo());
    EXPECT_EQ(wireStart(), (Point{30, 10}));
    ASSERT_TRUE(moveWire());
    EXPECT_EQ(document.history().count(), 2u);
    EXPECT_EQ(document.historyPosition(), 2u);
    EXPECT_EQ(document.redoName(), std::nullopt);
    EXPECT_EQ(wireStart(), (Point{50, 10}));
}

TEST_F(EditHistoryTest, MenuItemsNameTheEntryToUndoOrRedo)
{
    const auto item = [](const EditMenuItem &menu) {
        return std::to_string(menu.enabled) + " " + menu.text + " | " + menu.hint;
    };
    EXPECT_EQ(item(undoMenuItem(document)), "0 Undo\tCtrl+Z | Undo");
    EXPECT_EQ(item(redoMenuItem(document)), "0 Redo\tCtrl+Shift+Z | Redo");
    ASSERT_TRUE(moveWire());
    EXPECT_EQ(item(undoMenuItem(document)), "1 Undo Move\tCtrl+Z | Undo Move");
    document.undo();
    EXPECT_EQ(item(undoMenuItem(document)), "0 Undo\tCtrl+Z | Undo");
    EXPECT_EQ(item(redoMenuItem(document)), "1 Redo Move\tCtrl+Shift+Z | Redo Move");
}

TEST_F(EditHistoryTest, SaveDisablesUndoAndKeepsTheEntriesToRedo)
{
    TempFolder folder;
    document.setPath(folder.file("circuit.crc"));
    ASSERT_TRUE(moveWire());
    ASSERT_TRUE(moveWire());
    document.undo();
    ASSERT_TRUE(document.commit().ok());
    EXPECT_EQ(document.historyPosition(), 0u);
    EXPECT_EQ(document.history().count(), 1u);
    EXPECT_EQ(document.undoName(), std::nullopt);
    EXPECT_FALSE(document.undo());
    EXPECT_FALSE(document.isModified());

    EXPECT_TRUE(document.redo());
    EXPECT_EQ(wireStart(), (Point{50, 10}));
    EXPECT_TRUE(document.isModified());
    document.undo();
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(wireStart(), (Point{30, 10}));

    ASSERT_TRUE(document.open(document.path()).ok());
    EXPECT_EQ(document.history().count(), 0u);
}

// Undo takes back edits only: a setting changed since the last save keeps the document
// modified when every edit has been undone.
TEST_F(EditHistoryTest, UndoingEveryEditClearsModifiedUnlessASettingChanged)
{
    ASSERT_TRUE(moveWire());
    document.undo();
    EXPECT_FALSE(document.isModified());
    document.redo();
    EXPECT_TRUE(document.isModified());
    document.setPageCount({2, 1});
    document.undo();
    EXPECT_TRUE(document.isModified());
}

// A closed document opens itself on first use, which clears the history: that must happen
// before the action joins it, not while it runs.
TEST_F(EditHistoryTest, RecordingOnAClosedDocumentOpensItFirst)
{
    document.close();
    ASSERT_TRUE(moveWire());
    EXPECT_TRUE(document.isOpen());
    EXPECT_EQ(document.history().count(), 1u);
    EXPECT_EQ(wireStart(), (Point{30, 10}));
}
