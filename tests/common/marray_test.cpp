#include <common/marray.h>

#include <gtest/gtest.h>

#include <string>

namespace {

MArray<int> listOf(std::initializer_list<int> values)
{
    MArray<int> list;
    for (int v : values)
        list.append(v);
    return list;
}

} // namespace

TEST(MArray, NewListIsEmptyWithUpperIndexMinusOne)
{
    MArray<int> list;
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.lowerIndex(), 0);
    EXPECT_EQ(list.upperIndex(), -1);
    EXPECT_EQ(list[0], 0);
    EXPECT_EQ(list[5], 0);
}

TEST(MArray, ReadsOutsideTheIndexRangeClampToFirstAndLast)
{
    const MArray<int> list = listOf({10, 20, 30});
    EXPECT_EQ(list[-4], 10);
    EXPECT_EQ(list[0], 10);
    EXPECT_EQ(list[1], 20);
    EXPECT_EQ(list[2], 30);
    EXPECT_EQ(list[3], 30);
    EXPECT_EQ(list[1000], 30);
}

TEST(MArray, ExtendingAccessorAppendsDefaultsUpToTheIndex)
{
    MArray<std::string> list;
    list.extendTo(3) = "d";
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.upperIndex(), 3);
    EXPECT_EQ(list[0], "");
    EXPECT_EQ(list[2], "");
    EXPECT_EQ(list[3], "d");
    list.extendTo(1) = "b";
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list[1], "b");
}

TEST(MArray, PrependLowersTheLowerIndexAndRemovalRenumbersFromIt)
{
    MArray<int> list = listOf({1, 2});
    list.prepend(0);
    EXPECT_EQ(list.lowerIndex(), -1);
    EXPECT_EQ(list.upperIndex(), 1);
    EXPECT_EQ(list[-1], 0);
    EXPECT_EQ(list[1], 2);

    list.removeFirst();
    EXPECT_EQ(list.lowerIndex(), -1);
    EXPECT_EQ(list.upperIndex(), 0);
    EXPECT_EQ(list[-1], 1);
    EXPECT_EQ(list[0], 2);
}

TEST(MArray, IndexOfAnAbsentValueIsTheLargestInt)
{
    const MArray<int> list = listOf({4, 5, 4});
    EXPECT_EQ(list.indexOf(4), 0);
    EXPECT_EQ(list.indexOf(5), 1);
    EXPECT_EQ(list.indexOf(6), 2147483647);
    EXPECT_EQ(MArray<int>().indexOf(1), 2147483647);
}

TEST(MArray, RemovalOutsideTheRangeChangesNothing)
{
    MArray<int> list = listOf({1, 2, 3});
    list.removeAt(3);
    list.removeAt(-1);
    EXPECT_EQ(list.count(), 3);
    list.removeAt(1);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list[1], 3);
}

TEST(MArray, ElementReferencesStayValidWhileTheListGrowsAndShrinks)
{
    MArray<int> list = listOf({7});
    const int *seven = &list[0];
    for (int i = 0; i < 1000; ++i)
        list.append(i);
    list.prepend(-1);
    list.removeAt(5);
    EXPECT_EQ(seven, &list[0]);
    EXPECT_EQ(*seven, 7);
}

TEST(MArray, CopiesAreDeepAndKeepTheLowerIndex)
{
    MArray<std::string> list;
    list.append("b");
    list.prepend("a");
    MArray<std::string> copy = list;
    copy[0] = "changed";
    EXPECT_EQ(list[0], "b");
    EXPECT_EQ(copy.lowerIndex(), -1);
    EXPECT_EQ(copy[-1], "a");

    list = copy;
    EXPECT_EQ(list[0], "changed");
}

TEST(MArray, IteratesInInsertionOrder)
{
    MArray<int> list = listOf({3, 1, 2});
    list.prepend(9);
    std::string order;
    for (int v : list)
        order += std::to_string(v);
    EXPECT_EQ(order, "9312");
}
