#include <common/mptrarray.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Counts living instances, to see which objects a list deletes.
struct Tracked
{
    explicit Tracked(int v)
        : value(v)
    {
        ++alive;
    }
    ~Tracked() { --alive; }
    Tracked(const Tracked &) = delete;
    Tracked &operator=(const Tracked &) = delete;

    int value;
    static inline int alive = 0;
};

class MPtrArrayTest : public ::testing::Test
{
protected:
    void SetUp() override { Tracked::alive = 0; }
    void TearDown() override { EXPECT_EQ(Tracked::alive, 0); }
};

} // namespace

TEST_F(MPtrArrayTest, DeletesOnlyTheObjectsItOwns)
{
    Tracked borrowed(1);
    {
        MPtrArray<Tracked> list;
        list.append(std::make_unique<Tracked>(2));
        list.append(&borrowed, false);
        list.append(new Tracked(3), true);
        EXPECT_EQ(Tracked::alive, 3);
        list.removeAt(0);
        EXPECT_EQ(Tracked::alive, 2);
    }
    EXPECT_EQ(Tracked::alive, 1);
}

TEST_F(MPtrArrayTest, PassingAnObjectBetweenListsChangesTheFlag)
{
    MPtrArray<Tracked> document;
    MPtrArray<Tracked> action;
    auto *thing = new Tracked(5);
    document.append(thing, true);

    // Taken out of the document: the action owns it.
    EXPECT_TRUE(document.detach(thing));
    action.append(thing, true);
    // Put back: the document owns it, the action keeps a non-owning entry.
    document.append(thing, true);
    EXPECT_TRUE(action.setOwns(thing, false));
    action.clear();
    EXPECT_EQ(Tracked::alive, 1);
    EXPECT_EQ(document[0]->value, 5);
}

TEST_F(MPtrArrayTest, TakeAtHandsOverOwnershipOnlyWhenTheEntryOwned)
{
    Tracked borrowed(1);
    MPtrArray<Tracked> list;
    list.append(&borrowed, false);
    list.append(std::make_unique<Tracked>(2));
    EXPECT_EQ(list.takeAt(0), nullptr);
    std::unique_ptr<Tracked> taken = list.takeAt(0);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->value, 2);
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(MPtrArrayTest, ReadsClampAndAnEmptyListAnswersNull)
{
    MPtrArray<Tracked> list;
    EXPECT_EQ(list[0], nullptr);
    list.append(std::make_unique<Tracked>(1));
    list.append(std::make_unique<Tracked>(2));
    EXPECT_EQ(list[-3]->value, 1);
    EXPECT_EQ(list[9]->value, 2);
    EXPECT_EQ(list.indexOf(nullptr), 2147483647);
}

TEST_F(MPtrArrayTest, PrependLowersTheLowerIndex)
{
    MPtrArray<Tracked> list;
    list.append(std::make_unique<Tracked>(1));
    list.prepend(new Tracked(0), true);
    EXPECT_EQ(list.lowerIndex(), -1);
    EXPECT_EQ(list[-1]->value, 0);
    EXPECT_EQ(list.indexOf(list[0]), 0);
    list.removeAt(-1);
    EXPECT_EQ(list[-1]->value, 1);
    EXPECT_EQ(list.upperIndex(), -1);
}

TEST_F(MPtrArrayTest, MovedFromListOwnsNothing)
{
    MPtrArray<Tracked> list;
    list.append(std::make_unique<Tracked>(1));
    MPtrArray<Tracked> moved(std::move(list));
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(Tracked::alive, 1);
    MPtrArray<Tracked> assigned;
    assigned.append(std::make_unique<Tracked>(2));
    assigned = std::move(moved);
    EXPECT_EQ(Tracked::alive, 1);
    EXPECT_EQ(assigned[0]->value, 1);
}
