#include "modeltestsupport.h"

#include <model/circtool.h>
#include <model/resistor.h>
#include <model/voltagetag.h>
#include <model/wire.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A tool that counts its attachments.
class CountingTool : public CircTool
{
public:
    int attached = 0;
    void attach() override { ++attached; }
};

std::vector<std::string> names(const TCircuitDocument &document)
{
    std::vector<std::string> list;
    for (const Component *component : document.components())
        list.emplace_back(component->name().view());
    for (const CircTag *tag : document.tags())
        list.emplace_back(tag->name().view());
    for (const CircTool *tool : document.tools())
        list.emplace_back(tool->name().view());
    return list;
}

} // namespace

class DocumentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.openNew();
        document.addListener(listener);
    }

    TCircuitDocument document;
    RecordingListener listener;
};

TEST_F(DocumentTest, NewDocumentHasTheDefaultSettings)
{
    EXPECT_TRUE(document.isOpen());
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(settingsSignature(document), "start 1 pages 1x1 left-to-right printer 1,1,0,0 "
                                           "names 1 values 1 solver 100 bytes 50");
    EXPECT_EQ(document.errorCount(), 0);
    EXPECT_EQ(document.thingCount(), 0);
}

TEST_F(DocumentTest, AddingAComponentAppendsItAndTellsItsIndex)
{
    document.addComponent(placedThing<Resistor>({0, 0}, {40, 0}, "R1"));
    document.addComponent(placedThing<Resistor>({40, 0}, {80, 0}, "R2"));
    EXPECT_EQ(listener.told, (std::vector<std::string>{"100:0", "100:1"}));
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.components()[1]->document(), &document);
}

TEST_F(DocumentTest, ComponentOnTheSamePointsInEitherOrderReplacesTheOldOne)
{
    document.addComponent(placedThing<Resistor>({0, 0}, {40, 0}, "R1"));
    document.addComponent(placedThing<Wire>({0, 0}, {0, 40}, "W1"));
    document.addComponent(placedThing<Resistor>({40, 0}, {0, 0}, "R2"));
    EXPECT_EQ(names(document), (std::vector<std::string>{"W1", "R2"}));
    EXPECT_EQ(listener.told, (std::vector<std::string>{"100:0", "100:1", "102:0"}));
}

TEST_F(DocumentTest, TagsReplaceOnlyOnTheSamePointsInTheSameOrder)
{
    document.addTag(placedThing<VoltageTag>({0, 0}, {40, 0}, "Va"));
    document.addTag(placedThing<VoltageTag>({40, 0}, {0, 0}, "Vb"));
    EXPECT_EQ(names(document), (std::vector<std::string>{"Va", "Vb"}));
    document.addTag(placedThing<VoltageTag>({0, 0}, {40, 0}, "Vc"));
    EXPECT_EQ(names(document), (std::vector<std::string>{"Vb", "Vc"}));
    EXPECT_EQ(listener.told, (std::vector<std::string>{"102:0", "102:0", "102:0"}));
}

TEST_F(DocumentTest, AddingAToolOpensItsDialogAndLoadedToolsAttachInstead)
{
    ScriptedDialogs dialogs;
    auto tool = std::make_unique<CountingTool>();
    CountingTool *added = tool.get();
    document.addTool(std::move(tool), dialogs);
    EXPECT_EQ(listener.told, (std::vector<std::string>{"102:0"}));
    EXPECT_EQ(added->attached, 0);
    EXPECT_EQ(added->document(), &document);

    auto loaded = std::make_unique<CountingTool>();
    CountingTool *loadedTool = loaded.get();
    document.addLoadedTool(std::move(loaded));
    EXPECT_EQ(loadedTool->attached, 1);
    EXPECT_EQ(listener.told.size(), 1u);
    EXPECT_EQ(document.tools().count(), 2);
}

TEST_F(DocumentTest, TakingOutHandsTheThingBackWithoutDestroyingIt)
{
    document.addComponent(placedThing<Resistor>({0, 0}, {40, 0}, "R1"));
    document.addTag(placedThing<VoltageTag>({0, 0}, {40, 0}, "Va"));
    const Component *resistor = document.components()[0];
    std::unique_ptr<Component> taken = document.takeOut(resistor);
    EXPECT_EQ(taken.get(), resistor);
    EXPECT_TRUE(document.components().isEmpty());
    EXPECT_EQ(document.takeOut(resistor), nullptr);
    std::unique_ptr<CircTag> tag = document.takeOut(document.tags()[0]);
    ASSERT_NE(tag, nullptr);
    document.appendComponent(std::move(taken));
    document.appendTag(std::move(tag));
    EXPECT_EQ(names(document), (std::vector<std::string>{"R1", "Va"}));
}

TEST_F(DocumentTest, PageCountBelowOneBecomesOne)
{
    document.setPageCount({0, 5});
    EXPECT_EQ(document.pageCount(), (Size{1, 5}));
    document.setPageCount({-3, -2147483647 - 1});
    EXPECT_EQ(document.pageCount(), (Size{1, 1}));
    EXPECT_TRUE(document.isModified());
}

TEST_F(DocumentTest, EverySetterMarksTheDocumentModified)
{
    const std::vector<std::function<void()>> setters = {
        [&] { document.setStartPage(-4); },
        [&] { document.setNumbersLeftToRight(false); },
        [&] {
            document.setPrinterSettings({2, 9, 2970, 2100});
        },
        [&] { document.setShowsComponentNames(false); },
        [&] { document.setShowsComponentValues(false); },
        [&] { document.setSolverParameter(7); },
        [&] { document.setSignificandBytes(12); },
    };
    for (const auto &set : setters) {
        document.setModified(false);
        set();
        EXPECT_TRUE(document.isModified());
    }
    EXPECT_EQ(document.startPage(), -4);
    EXPECT_EQ(document.printerSettings(), (PrinterSettings{2, 9, 2970, 2100}));
    EXPECT_EQ(document.significandBytes(), 12);
}

struct PageCase
{
    bool leftToRight;
    std::int32_t column;
    std::int32_t row;
    std::int32_t number;
};

class DocumentPages : public ::testing::TestWithParam<PageCase>
{
};

// Three pages wide, two high, numbered from 5.
TEST_P(DocumentPages, NumbersPagesFromTheStartPageInTheChosenOrder)
{
    TCircuitDocument document;
    document.setStartPage(5);
    document.setPageCount({3, 2});
    document.setNumbersLeftToRight(GetParam().leftToRight);
    EXPECT_EQ(document.pageNumber(GetParam().column, GetParam().row), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Orders, DocumentPages,
                         ::testing::Values(PageCase{true, 0, 0, 5}, PageCase{true, 2, 0, 7},
                                           PageCase{true, 0, 1, 8}, PageCase{true, 2, 1, 10},
                                           PageCase{false, 0, 1, 6}, PageCase{false, 1, 0, 7},
                                           PageCase{false, 2, 1, 10}));

TEST(DocumentPageNeighbours, StepOneColumnOrRowWithinTheSheet)
{
    TCircuitDocument document;
    document.setStartPage(5);
    document.setPageCount({3, 2});
    EXPECT_EQ(document.neighbourPage(5, PageDirection::Right), 6);
    EXPECT_EQ(document.neighbourPage(5, PageDirection::Down), 8);
    EXPECT_EQ(document.neighbourPage(9, PageDirection::Up), 6);
    EXPECT_EQ(document.neighbourPage(9, PageDirection::Left), 8);
    EXPECT_EQ(document.neighbourPage(5, PageDirection::Left), std::nullopt);
    EXPECT_EQ(document.neighbourPage(7, PageDirection::Right), std::nullopt);
    EXPECT_EQ(document.neighbourPage(10, PageDirection::Down), std::nullopt);
    EXPECT_EQ(document.neighbourPage(4, PageDirection::Right), std::nullopt);
    EXPECT_EQ(document.neighbourPage(11, PageDirection::Left), std::nullopt);
    document.setNumbersLeftToRight(false);
    EXPECT_EQ(document.neighbourPage(5, PageDirection::Right), 7);
    EXPECT_EQ(document.neighbourPage(5, PageDirection::Down), 6);
    EXPECT_EQ(document.neighbourPage(10, PageDirection::Up), 9);
    EXPECT_EQ(document.neighbourPage(6, PageDirection::Down), std::nullopt);
    EXPECT_EQ(document.pageNumber(3, 0), std::nullopt);
}

TEST(DocumentPageNeighbours, HugeSheetsNeverOverflow)
{
    TCircuitDocument document;
    document.setStartPage(2147483600);
    document.setPageCount({2147483647, 2147483647});
    EXPECT_EQ(document.pageNumber(47, 0), 2147483647);
    EXPECT_EQ(document.pageNumber(48, 0), std::nullopt);
    EXPECT_EQ(document.neighbourPage(2147483647, PageDirection::Right), std::nullopt);
    EXPECT_EQ(document.neighbourPage(2147483646, PageDirection::Right), 2147483647);
}

TEST_F(DocumentTest, ClickSelectionKeepsOnlyTheFirstHitWithoutExtend)
{
    document.addComponent(placedThing<Resistor>({0, 0}, {40, 0}, "R1"));
    document.addComponent(placedThing<Resistor>({0, 4}, {40, 4}, "R2"));
    document.addTag(placedThing<VoltageTag>({100, 0}, {140, 0}, "Va"));
    document.tags()[0]->setSelected(true);
    listener.told.clear();

    document.selectAtPoint({20, 2}, false);
    EXPECT_TRUE(document.components()[0]->isSelected());
    EXPECT_FALSE(document.components()[1]->isSelected());
    EXPECT_FALSE(document.tags()[0]->isSelected());
    EXPECT_EQ(listener.told, (std::vector<std::string>{"102:0"}));

    document.selectAtPoint({120, 0}, true);
    EXPECT_EQ(document.selectedCount(), 2);
    document.selectAtPoint({20, 2}, true);
    EXPECT_FALSE(document.components()[0]->isSelected());
    EXPECT_TRUE(document.components()[1]->isSelected());
    EXPECT_TRUE(document.tags()[0]->isSelected());

    listener.told.clear();
    document.selectAtPoint({500, 500}, true);
    EXPECT_TRUE(listener.told.empty());
    document.selectAtPoint({500, 500}, false);
    EXPECT_EQ(document.selectedCount(), 0);
}

TEST_F(DocumentTest, RectangleSelectionAndSelectionQueries)
{
    document.addComponent(placedThing<Resistor>({0, 0}, {40, 0}, "R1"));
    document.addComponent(placedThing<Resistor>({100, 0}, {140, 0}, "R2"));
    document.selectInRect({0, -10, 50, 10}, false);
    EXPECT_EQ(document.selectedCount(), 1);
    EXPECT_TRUE(document.selectedHitAt({20, 0}));
    EXPECT_FALSE(document.selectedHitAt({120, 0}));
    EXPECT_TRUE(document.selectedTerminalAt({40, 1}));
    EXPECT_FALSE(document.selectedTerminalAt({100, 0}));
    EXPECT_EQ(document.boundingRect(true), (Rect{-40, -40, 80, 40}));
    EXPECT_EQ(document.boundingRect(false), (Rect{-40, -40, 180, 40}));
    document.selectAll(true);
    EXPECT_EQ(document.selectedCount(), 2);
    document.selectAll(false);
    EXPECT_EQ(document.boundingRect(true), Rect{});
}

TEST_F(DocumentTest, MessagesAreCountedShownAndCleared)
{
    std::vector<std::string> shown;
    document.setMessageViewHook([&](TCircuitDocument &owner) {
        for (const Message *message : owner.messages())
            shown.emplace_back(message->text().view());
    });
    document.addMessage("Resistor R1 has null value");
    document.addMessage("The Circuit has no Independent Sources");
    EXPECT_EQ(document.errorCount(), 2);
    EXPECT_TRUE(listener.told.empty());
    document.showMessageView();
    EXPECT_EQ(shown, (std::vector<std::string>{"Resistor R1 has null value",
                                               "The Circuit has no Independent Sources"}));
    EXPECT_EQ(listener.told, (std::vector<std::string>{"103:0"}));
    document.clearMessages();
    EXPECT_EQ(document.errorCount(), 0);
    EXPECT_EQ(listener.told, (std::vector<std::string>{"103:0", "103:0"}));
}

TEST(Document, HeadlessMessageViewStillTellsTheViews)
{
    TCircuitDocument document;
    RecordingListener listener;
    document.addListener(listener);
    document.showMessageView();
    EXPECT_EQ(listener.told, (std::vector<std::string>{"103:0"}));
}

TEST(Document, ListenerMayDetachWhileBeingTold)
{
    TCircuitDocument document;
    RecordingListener second;
    struct Detaching : DocumentListener
    {
        TCircuitDocument *document = nullptr;
        DocumentListener *other = nullptr;
        int told = 0;
        void notify(DocumentNotification, int) override
        {
            ++told;
            document->removeListener(*this);
            document->removeListener(*other);
        }
    } first;
    first.document = &document;
    first.other = &second;
    document.addListener(first);
    document.addListener(first);
    document.addListener(second);
    document.notifyListeners(DocumentNotification::CircuitChanged);
    document.notifyListeners(DocumentNotification::CircuitChanged);
    EXPECT_EQ(first.told, 1);
    EXPECT_TRUE(second.told.empty());
}

TEST(Document, AccessorsOpenAClosedDocument)
{
    TCircuitDocument document;
    EXPECT_FALSE(document.isOpen());
    document.addComponent(placedThing<Wire>({0, 0}, {10, 0}));
    EXPECT_TRUE(document.isOpen());
    document.close();
    EXPECT_FALSE(document.isOpen());
    document.setStartPage(3);
    EXPECT_TRUE(document.isOpen());
}
