#include "chart/ValueList.h"
#include "chart/ChartMessages.h"
#include "tests/support/runtime/ExpectThrowMessage.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

std::vector<double> StoredValues(const TChartValueList& list)
{
    std::vector<double> out;
    for (int32_t i = 0; i < list.ValueCount(); ++i)
        out.push_back(list.ValueAt(i));
    return out;
}

void InsertAll(TChartValueList& list, std::initializer_list<double> values)
{
    for (double v : values)
        list.InsertOrdered(v);
}

} // namespace

TEST(ValueListOrder, AscendingPutsEqualValuesAfterTheirEquals)
{
    TChartValueList list(nullptr, "X");
    list.SetOrder(loAscending);
    InsertAll(list, {1, 2, 2, 3});
    EXPECT_EQ(list.InsertOrdered(2), 3);
    EXPECT_EQ(list.InsertOrdered(3), 5);
    EXPECT_EQ(list.InsertOrdered(0.5), 0);
    EXPECT_EQ(StoredValues(list), (std::vector<double>{0.5, 1, 2, 2, 2, 3, 3}));
}

TEST(ValueListOrder, DescendingScansFromTheEnd)
{
    TChartValueList list(nullptr, "X");
    list.SetOrder(loDescending);
    InsertAll(list, {5, 3, 1});
    EXPECT_EQ(list.InsertOrdered(3), 2);
    EXPECT_EQ(list.InsertOrdered(9), 0);
    EXPECT_EQ(list.InsertOrdered(0), 5);
    EXPECT_EQ(StoredValues(list), (std::vector<double>{9, 5, 3, 3, 1, 0}));
}

TEST(ValueListOrder, NoneKeepsCallOrder)
{
    TChartValueList list(nullptr, "X");
    InsertAll(list, {3, 1, 2});
    EXPECT_EQ(list.InsertOrdered(-7), 3);
    EXPECT_EQ(StoredValues(list), (std::vector<double>{3, 1, 2, -7}));
}

TEST(ValueListOrder, ChangingOrderLeavesStoredValuesAsTheyAre)
{
    TChartValueList list(nullptr, "X");
    InsertAll(list, {3, 1});
    list.SetOrder(loAscending);
    EXPECT_EQ(StoredValues(list), (std::vector<double>{3, 1}));
    // Only the last value is compared: 2 is not below 1, so it is appended.
    EXPECT_EQ(list.InsertOrdered(2), 2);
}

TEST(ValueListMultiplier, ScalesReadsAndStatisticsButNotInsertion)
{
    TChartValueList list(nullptr, "X");
    list.SetOrder(loAscending);
    InsertAll(list, {1, 3});
    EXPECT_EQ(list.HighestValue(), 3);
    list.SetMultiplier(2);
    EXPECT_TRUE(list.StatsStale);
    EXPECT_EQ(list.ValueAt(1), 6);
    EXPECT_EQ(list.LastValue(), 6);
    EXPECT_EQ(list.LowestValue(), 2);
    EXPECT_EQ(list.HighestValue(), 6);
    EXPECT_EQ(list.ValueSum(), 8);
    EXPECT_EQ(list.MagnitudeSum(), 8);
    // 2 goes between the stored 1 and 3, although 2 < 3 * 2 = 6 as read.
    EXPECT_EQ(list.InsertOrdered(2), 1);
    EXPECT_EQ(list.StoredAt(1), 2);
    EXPECT_EQ(list.ValueAt(1), 4);
}

TEST(ValueListMultiplier, SameValueMarksNothingStale)
{
    TChartValueList list(nullptr, "X");
    list.InsertOrdered(4);
    list.SetMultiplier(2);
    EXPECT_EQ(list.LowestValue(), 8);
    list.SetMultiplier(2);
    EXPECT_FALSE(list.StatsStale);
}

TEST(ValueListStatistics, EmptyListIsAllZero)
{
    TChartValueList list(nullptr, "Y");
    EXPECT_EQ(list.ValueCount(), 0);
    EXPECT_EQ(list.LowestValue(), 0);
    EXPECT_EQ(list.HighestValue(), 0);
    EXPECT_EQ(list.ValueSum(), 0);
    EXPECT_EQ(list.MagnitudeSum(), 0);
}

TEST(ValueListStatistics, SingleNegativeValue)
{
    TChartValueList list(nullptr, "Y");
    list.InsertOrdered(-2.5);
    EXPECT_EQ(list.LowestValue(), -2.5);
    EXPECT_EQ(list.HighestValue(), -2.5);
    EXPECT_EQ(list.ValueSum(), -2.5);
    EXPECT_EQ(list.MagnitudeSum(), 2.5);
}

TEST(ValueListStatistics, MixedSigns)
{
    TChartValueList list(nullptr, "Y");
    InsertAll(list, {-3, 5, -1});
    EXPECT_EQ(list.LowestValue(), -3);
    EXPECT_EQ(list.HighestValue(), 5);
    EXPECT_EQ(list.ValueSum(), 1);
    EXPECT_EQ(list.MagnitudeSum(), 9);
    EXPECT_FALSE(list.StatsStale);
}

TEST(ValueListStatistics, RecomputedAfterEachChange)
{
    TChartValueList list(nullptr, "Y");
    InsertAll(list, {1, 2});
    EXPECT_EQ(list.HighestValue(), 2);
    list.InsertValueAt(0, 10);
    EXPECT_TRUE(list.StatsStale);
    EXPECT_EQ(list.HighestValue(), 10);
    list.EmptyValues();
    EXPECT_EQ(list.HighestValue(), 0);
    EXPECT_EQ(list.ValueSum(), 0);
}

TEST(ValueListGrowth, CapacityStepsLikeThePointerList)
{
    TChartValueList list(nullptr, "X");
    std::vector<int32_t> capacities;
    for (int i = 0; i < 96; ++i) {
        list.InsertOrdered(i);
        if (capacities.empty() || capacities.back() != list.Capacity())
            capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int32_t>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
}

TEST(ValueListGrowth, EmptyingReleasesTheMemory)
{
    TChartValueList list(nullptr, "X");
    InsertAll(list, {1, 2, 3, 4, 5});
    EXPECT_EQ(list.Capacity(), 8);
    list.EmptyValues();
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_EQ(list.ValueCount(), 0);
}

TEST(ValueListGrowth, GrownCapacityRule)
{
    EXPECT_EQ(GrownCapacity(0), 4);
    EXPECT_EQ(GrownCapacity(8), 12);
    EXPECT_EQ(GrownCapacity(9), 25);
    EXPECT_EQ(GrownCapacity(64), 80);
    EXPECT_EQ(GrownCapacity(65), 81);
    EXPECT_EQ(GrownCapacity(1000), 1250);
}

TEST(ValueListGrowth, CapacityBeyondTheLargestListIsRefused)
{
    EXPECT_NO_THROW(CheckListCapacity(134217727));
    EXPECT_THROW_MESSAGE(CheckListCapacity(134217728), EListError, "List capacity out of bounds (134217728)");
}

TEST(ValueListErrors, ReadingOutsideRaisesIndexError)
{
    TChartValueList list(nullptr, "X");
    InsertAll(list, {1, 2});
    EXPECT_THROW_MESSAGE(list.ValueAt(2), EListError, "List index out of bounds (2)");
    EXPECT_THROW(list.ValueAt(-1), EListError);
}

TEST(ValueListErrors, LastValueOfEmptyListRaisesForMinusOne)
{
    TChartValueList list(nullptr, "X");
    EXPECT_THROW_MESSAGE(list.LastValue(), EListError, "List index out of bounds (-1)");
}

TEST(ValueListErrors, InsertingOutsideChangesNothing)
{
    TChartValueList list(nullptr, "X");
    InsertAll(list, {1, 2});
    list.InsertValueAt(2, 3); // the count itself appends
    EXPECT_THROW_MESSAGE(list.InsertValueAt(4, 9), EListError, "List index out of bounds (4)");
    EXPECT_THROW(list.InsertValueAt(-1, 9), EListError);
    EXPECT_EQ(StoredValues(list), (std::vector<double>{1, 2, 3}));
}
