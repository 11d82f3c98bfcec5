#include "modeltestsupport.h"

#include <model/capacitor.h>
#include <model/clipboardrecord.h>
#include <model/currenttag.h>
#include <model/depvoltsource.h>
#include <model/editaction.h>
#include <model/editduplicateaction.h>
#include <model/editinsertaction.h>
#include <model/editmodificationaction.h>
#include <model/editmoveaction.h>
#include <model/editmovenodeaction.h>
#include <model/editpasteaction.h>
#include <model/editremoveaction.h>
#include <model/grounder.h>
#include <model/resistor.h>
#include <model/sheetgeometry.h>
#include <model/textblock.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>
#include <model/wire.h>

#include <support/recordingsurface.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>

namespace {

struct RandomEditsCase
{
    unsigned seed;
    bool saves;
};

// Long random runs of every kind of edit on a small grid, where things often land on each
// other, each followed by a random run of undos and redos. The document's things are compared
// with the state recorded for every history position, and the ownership of every thing is
// checked after every step.
class RandomEdits : public ::testing::TestWithParam<RandomEditsCase>
{
protected:
    static constexpr int steps = 300;

    void SetUp() override
    {
        rng.seed(GetParam().seed);
        document.openNew();
        document.setPath(folder.file("random.crc"));
        for (int i = 0; i < 14; ++i)
            addDirectly(randomThing());
        // Components that share a place, as a file written elsewhere or a hand-made clipboard
        // block may hold them.
        for (int i = 0; i < 3; ++i) {
            const Component *existing = document.components()[uniform(0, 20)];
            document.appendComponent(
                placedThing<Wire>(existing->secondPoint(), existing->firstPoint(), "D"));
        }
        document.setModified(false);
        states = {sortedRecords(document)};
        scriptDialogs();
    }

    int uniform(int low, int high) { return std::uniform_int_distribution(low, high)(rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng); }
    Point gridPoint() { return {10 + 20 * uniform(0, 5), 10 + 20 * uniform(0, 5)}; }

    std::unique_ptr<CircThing> randomThing()
    {
        std::unique_ptr<CircThing> thing;
        switch (uniform(0, 9)) {
        case 0:
            thing = std::make_unique<Wire>();
            break;
        case 1:
            thing = std::make_unique<Grounder>();
            break;
        case 2:
            thing = std::make_unique<Resistor>();
            break;
        case 3:
            thing = std::make_unique<Capacitor>();
            break;
        case 4:
            thing = std::make_unique<VoltSource>();
            break;
        case 5:
            thing = std::make_unique<DepVoltSource>();
            break;
        case 6:
            thing = std::make_unique<VoltageTag>();
            break;
        case 7:
            thing = std::make_unique<CurrentTag>();
            break;
        case 8:
            thing = std::make_unique<TextBlock>();
            break;
        default:
            thing = std::make_unique<CircTool>();
            break;
        }
        thing->setName(labelUnit("N" + std::to_string(uniform(0, 99))));
        return thing;
    }

    void addDirectly(std::unique_ptr<CircThing> thing)
    {
        thing->place(gridPoint(), gridPoint(), nullptr);
        ThingLists one;
        one.add(std::move(thing));
        if (!one.components().isEmpty())
            document.addComponent(one.components().takeAt(0));
        else if (!one.tags().isEmpty())
            document.addTag(one.tags().takeAt(0));
        else
            document.addLoadedTool(one.tools().takeAt(0));
    }

    // Every dialog confirms two times in three, with changed values.
    void scriptDialogs()
    {
        const auto confirm = [this] { return uniform(0, 2) != 0; };
        dialogs.passComp = [this, confirm](PassCompDialogData &data) {
            data.value = std::to_string(uniform(1, 999));
            return confirm();
        };
        dialogs.indepSrc = [this, confirm](NameSideDialogData &data) {
            data.name = "S" + std::to_string(uniform(0, 9));
            return confirm();
        };
        dialogs.depSrc = [this, confirm](DepSrcDialogData &data) {
            data.gainNumerator = std::to_string(uniform(1, 9));
            return confirm();
        };
        dialogs.circTag = [confirm](NameSideDialogData &data) {
            data.labelSide = LabelSide::Other;
            return confirm();
        };
        dialogs.textBox = [this, confirm](TextBoxEditorData &data) {
            data.rtf = "{\\rtf1 " + std::to_string(uniform(0, 99)) + "}";
            return confirm();
        };
    }

    // A terminal of a random thing, or the middle of one (which hits it unless it is a tool
    // without area).
    Point somePointOf(bool terminal)
    {
        const ThingLists all = everything();
        int index = uniform(0, all.count());
        Point at = gridPoint();
        all.forEach([&](const CircThing &thing) {
            if (index-- != 0)
                return;
            const Point first = thing.firstPoint();
            const Point second = thing.secondPoint();
            at = terminal ? (chance(0.5) ? first : second) : SheetGeometry::midpoint(first, second);
        });
        return at;
    }

    ThingLists everything() const
    {
        return ThingLists::matching(document, [](const CircThing &) { return true; });
    }

    // A random action, and in dragStart and dragEnd the drag it gets. Half the insertions
    // span an existing thing's points and some pastes drop where they were copied, so that
    // things often land on each other.
    std::unique_ptr<EditAction> randomAction()
    {
        dragStart = gridPoint();
        dragEnd = gridPoint();
        switch (uniform(0, 6)) {
        case 0:
            if (chance(0.5)) {
                dragStart = somePointOf(true);
                dragEnd = somePointOf(true);
            }
            return std::make_unique<EditInsertAction>(document, randomThing(), dialogs);
        case 1:
            return std::make_unique<EditMoveAction>(document, somePointOf(false));
        case 2:
            return std::make_unique<EditMoveNodeAction>(document, somePointOf(true));
        case 3:
            return std::make_unique<EditRemoveAction>(document);
        case 4:
            if (clipboard.empty() || chance(0.5))
                clipboard = ClipboardRecord::writeSelected(document);
            if (auto paste = EditPasteAction::fromClipboard(document, clipboard)) {
                if (chance(0.3))
                    dragEnd = paste->startPoint();
                return paste;
            }
            return nullptr;
        case 5:
            return std::make_unique<EditDuplicateAction>(document);
        default:
            return std::make_unique<EditModificationAction>(document, dialogs);
        }
    }

    void selectRandomly()
    {
        everything().forEach([&](CircThing &thing) { thing.setSelected(chance(0.3)); });
    }

    // Names the things that differ between the state of the position and the document.
    std::string difference(const std::vector<std::string> &expected) const
    {
        std::vector<std::string> actual = sortedRecords(document);
        std::string text;
        const auto list = [&](const std::vector<std::string> &from,
                              const std::vector<std::string> &to, const char *label) {
            std::vector<std::string> only;
            std::set_difference(from.begin(), from.end(), to.begin(), to.end(),
                                std::back_inserter(only));
            for (const std::string &record : only)
                text += label + readable(record) + "\n";
        };
        list(expected, actual, "missing ");
        list(actual, expected, "extra ");
        return text;
    }

    static std::string readable(const std::string &record)
    {
        std::string text;
        for (const unsigned char c : record)
            text
                += std::isprint(c) ? std::string(1, static_cast<char>(c)) : "." + std::to_string(c);
        return text;
    }

    void expectStateOfPosition()
    {
        const std::vector<std::string> &expected = states.at(document.historyPosition());
        ASSERT_TRUE(sortedRecords(document) == expected)
            << "at position " << document.historyPosition() << " after "
            << document.history()
                   .entry(document.historyPosition() == 0 ? 0 : document.historyPosition() - 1)
                   .name()
            << "\n"
            << difference(expected);
        ASSERT_EQ(document.isModified(), document.historyPosition() != 0);
    }

    void undoAndRedoRandomly()
    {
        const int undos = uniform(0, static_cast<int>(document.historyPosition()));
        for (int i = 0; i < undos; ++i) {
            ASSERT_TRUE(document.undo());
            expectStateOfPosition();
        }
        const int redos = chance(0.5) ? undos : uniform(0, undos);
        for (int i = 0; i < redos; ++i) {
            ASSERT_TRUE(document.redo());
            expectStateOfPosition();
        }
    }

    template<typename T>
    void collect(const MPtrArray<T> &list, bool ownedByDocument)
    {
        for (int i = list.lowerIndex(); i <= list.upperIndex(); ++i) {
            const CircThing *thing = list[i];
            referenced.insert(thing);
            if (ownedByDocument || list.owns(i)) {
                ASSERT_TRUE(owned.insert(thing).second) << "owned twice";
            }
        }
    }

    void collect(const ThingLists &lists, bool ownedByDocument)
    {
        collect(lists.components(), ownedByDocument);
        collect(lists.tags(), ownedByDocument);
        collect(lists.tools(), ownedByDocument);
    }

    // Every thing that the document or an action refers to is owned by exactly one of them.
    void expectSoleOwners()
    {
        owned.clear();
        referenced.clear();
        collect(everything(), true);
        for (std::uint32_t i = 0; i < document.history().count(); ++i) {
            collect(document.history().entry(i).added(), false);
            collect(document.history().entry(i).removed(), false);
        }
        for (const CircThing *thing : referenced)
            ASSERT_TRUE(owned.contains(thing)) << "referenced but owned by none";
    }

    std::mt19937 rng;
    TempFolder folder;
    TCircuitDocument document;
    ScriptedDialogs dialogs;
    std::vector<std::vector<std::string>> states;
    std::vector<std::uint8_t> clipboard;
    Point dragStart;
    Point dragEnd;
    std::set<const CircThing *> owned;
    std::set<const CircThing *> referenced;
};

} // namespace

TEST_P(RandomEdits, UndoAndRedoRestoreEveryStateAndOwnershipStaysSole)
{
    std::set<std::string> kinds;
    int replacing = 0;
    for (int step = 0; step < steps; ++step) {
        selectRandomly();
        std::unique_ptr<EditAction> action = randomAction();
        RecordingSurface surface;
        if (action)
            action->track(surface, dragStart, dragEnd);
        const std::uint32_t position = document.historyPosition();
        if (document.record(std::move(action))) {
            const EditAction &last = document.history().entry(document.historyPosition() - 1);
            kinds.insert(last.name());
            replacing += last.name() != std::string("Modification") && !last.removed().isEmpty();
            states.resize(position + 1);
            states.push_back(sortedRecords(document));
        }
        ASSERT_NO_FATAL_FAILURE(expectStateOfPosition());
        ASSERT_NO_FATAL_FAILURE(undoAndRedoRandomly());
        ASSERT_NO_FATAL_FAILURE(expectSoleOwners());
        if (GetParam().saves && chance(0.05)) {
            const std::uint32_t saved = document.historyPosition();
            ASSERT_TRUE(document.commit(true).ok());
            states.erase(states.begin(), states.begin() + saved);
        }
    }
    EXPECT_EQ(kinds.size(), 7u);
    EXPECT_GT(replacing, 10);

    while (document.redo()) {
    }
    const std::vector<std::string> before = sortedRecords(document);
    while (document.undo()) {
    }
    EXPECT_EQ(sortedRecords(document), states.front());
    EXPECT_FALSE(document.isModified());
    while (document.redo()) {
    }
    EXPECT_EQ(sortedRecords(document), before);
    ASSERT_NO_FATAL_FAILURE(expectStateOfPosition());
    ASSERT_NO_FATAL_FAILURE(expectSoleOwners());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomEdits,
                         ::testing::Values(RandomEditsCase{20240611, false},
                                           RandomEditsCase{7, false}, RandomEditsCase{99, true}));
