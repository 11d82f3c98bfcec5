#include "modeltestsupport.h"

#include <model/clipboardrecord.h>
#include <model/editpasteaction.h>
#include <model/thinglists.h>
#include <model/voltagetag.h>

#include <common/opstream.h>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> recordsOf(const ThingLists &things)
{
    std::vector<std::string> records;
    things.forEach([&](const CircThing &thing) { records.push_back(thingRecord(thing)); });
    return records;
}

} // namespace

TEST(ClipboardRecord, HoldsTheSelectedThingsOfEveryKindInListOrder)
{
    TCircuitDocument document;
    buildEveryKind(document);
    std::vector<std::string> selected;
    int index = 0;
    ThingLists::matching(document, [](const CircThing &) {
        return true;
    }).forEach([&](CircThing &thing) {
        if (index++ % 3 == 0)
            return;
        thing.setSelected(true);
        selected.push_back(thingRecord(thing));
    });
    const std::vector<std::uint8_t> block = ClipboardRecord::writeSelected(document);
    // After the stream's header: the count of selected components (6 of the 9).
    ASSERT_GT(block.size(), 12u);
    EXPECT_EQ(block[8], 6);

    ThingLists things;
    ASSERT_EQ(ClipboardRecord::read(block, things), "");
    EXPECT_EQ(recordsOf(things), selected);
    EXPECT_EQ(things.tags().count(), 1);
    EXPECT_EQ(things.tools().count(), 1);
}

TEST(ClipboardRecord, RefusesDamagedOrForeignBlocksWhole)
{
    TCircuitDocument document;
    buildEveryKind(document);
    document.selectAll(true);
    const std::vector<std::uint8_t> block = ClipboardRecord::writeSelected(document);
    const std::vector<std::string> circuit = sortedRecords(document);
    ThingLists things;
    for (std::size_t size = 0; size < block.size(); ++size) {
        const std::span<const std::uint8_t> cut(block.data(), size);
        ASSERT_NE(ClipboardRecord::read(cut, things), "") << size;
        ASSERT_TRUE(things.isEmpty()) << size;
        ASSERT_EQ(EditPasteAction::fromClipboard(document, cut), nullptr) << size;
    }
    std::vector<std::uint8_t> longer = block;
    longer.push_back(0);
    EXPECT_EQ(ClipboardRecord::read(longer, things), "data after the clipboard record");
    EXPECT_NE(ClipboardRecord::read(documentBytes(document), things), "");

    opstream tagAsComponent;
    tagAsComponent.writeWord32(1);
    tagAsComponent.writePointer(placedThing<VoltageTag>({0, 0}, {20, 0}).get());
    EXPECT_EQ(ClipboardRecord::read(tagAsComponent.bytes(), things),
              "unexpected object of class \"VoltageTag\"");
    EXPECT_TRUE(things.isEmpty());
    EXPECT_EQ(sortedRecords(document), circuit);
}
