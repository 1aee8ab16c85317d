#include "chart/ValueList.h"

#include "chart/ChartMessages.h"
#include "chart/SeriesData.h"
#include "support/numbers/Float80.h"

#include <cmath>

int32_t GrownCapacity(int32_t capacity)
{
    if (capacity > 64)
        return capacity + capacity / 4;
    if (capacity > 8)
        return capacity + 16;
    return capacity + 4;
}

void CheckListCapacity(int64_t capacity)
{
    if (capacity < 0 || capacity > MaxListSize)
        throw EListError(FormatMessage(LynConst::ListCapacityError, static_cast<long long>(capacity)));
}

void RaiseListIndexError(int64_t index)
{
    throw EListError(FormatMessage(LynConst::ListIndexError, static_cast<long long>(index)));
}

TChartValueList::TChartValueList(TChartSeries* owner, const std::string& name) : ListName(name), OwnerSeries(owner)
{
    if (owner)
        owner->AllValueLists.Add(this);
    EmptyValues();
}

TChartValueList::~TChartValueList()
{
    if (OwnerSeries)
        OwnerSeries->AllValueLists.Remove(this);
}

double TChartValueList::ValueAt(int32_t index) const
{
    CheckListIndex(index, ValueCount());
    return ScaleStored(Values[static_cast<std::size_t>(index)]);
}

double TChartValueList::StoredAt(int32_t index) const
{
    CheckListIndex(index, ValueCount());
    return Values[static_cast<std::size_t>(index)];
}

void TChartValueList::EmptyValues()
{
    ReleaseList(Values);
    BlockExtremes.Release();
    Ascending = true;
    StatsStale = true;
}

int32_t TChartValueList::OrderedPosition(double v) const
{
    const int32_t count = ValueCount();
    if (ListOrder == loNone || count == 0)
        return count;
    int32_t i = count - 1;
    if (ListOrder == loAscending) {
        while (i >= 0 && Values[static_cast<std::size_t>(i)] > v)
            --i;
    } else {
        while (i >= 0 && Values[static_cast<std::size_t>(i)] < v)
            --i;
    }
    return i + 1;
}

int32_t TChartValueList::InsertOrdered(double value)
{
    const int32_t index = OrderedPosition(value);
    InsertIntoList(Values, index, value);
    Inserted(index);
    return index;
}

void TChartValueList::InsertValueAt(int32_t index, double value)
{
    InsertIntoList(Values, index, value);
    Inserted(index);
}

void TChartValueList::Inserted(int32_t index)
{
    const auto i = static_cast<std::size_t>(index);
    const double v = Values[i];
    if (Ascending && (f80::isnan(v) || (i > 0 && Values[i - 1] > v) || (i + 1 < Values.size() && v > Values[i + 1])))
        Ascending = false;
    if (i + 1 == Values.size()) {
        // An append: blocks before it are unchanged, and the statistics
        // take the new value as the pass's next step.
        ExtendStatistics();
        return;
    }
    BlockExtremes.InvalidateFrom(index);
    StatsStale = true;
}

int32_t TChartValueList::ValueCount() const { return static_cast<int32_t>(Values.size()); }

double TChartValueList::LastValue() const { return ValueAt(ValueCount() - 1); }

void TChartValueList::RecomputeStatistics()
{
    const int32_t count = ValueCount();
    if (count == 0) {
        LowestCache = HighestCache = SumCache = MagnitudeSumCache = 0;
        StatsStale = false;
        return;
    }
    const double first = ValueAt(0);
    LowestCache = HighestCache = SumCache = first;
    MagnitudeSumCache = f80::fabs(first);
    for (int32_t i = 1; i < count; ++i)
        AddToStatistics(ValueAt(i));
    StatsStale = false;
}

void TChartValueList::ExtendStatistics()
{
    // The first value starts the pass afresh; stale statistics wait for it.
    if (StatsStale || Values.size() < 2) {
        StatsStale = true;
        return;
    }
    AddToStatistics(ValueAt(ValueCount() - 1));
}

// One step of the statistics pass, shared by the pass and by appends.
void TChartValueList::AddToStatistics(double v)
{
    if (v < LowestCache)
        LowestCache = v;
    else if (v > HighestCache)
        HighestCache = v;
    // Each running sum is added at extended precision and stored as a
    // double, one rounding per step.
    SumCache = static_cast<double>(static_cast<Float80>(SumCache) + v);
    MagnitudeSumCache = static_cast<double>(static_cast<Float80>(MagnitudeSumCache) + f80::fabs(v));
}

const TValueSummary& TChartValueList::Summary() const
{
    BlockExtremes.Update(Values);
    return BlockExtremes;
}

double TChartValueList::LowestValue()
{
    if (StatsStale)
        RecomputeStatistics();
    return LowestCache;
}

double TChartValueList::HighestValue()
{
    if (StatsStale)
        RecomputeStatistics();
    return HighestCache;
}

double TChartValueList::ValueSum()
{
    if (StatsStale)
        RecomputeStatistics();
    return SumCache;
}

double TChartValueList::MagnitudeSum()
{
    if (StatsStale)
        RecomputeStatistics();
    return MagnitudeSumCache;
}

void TChartValueList::SetDateTime(bool value)
{
    if (IsDateTime == value)
        return;
    IsDateTime = value;
    if (OwnerSeries)
        OwnerSeries->RequestRepaint();
}

void TChartValueList::SetMultiplier(double value)
{
    if (MultiplierValue == value)
        return;
    MultiplierValue = value;
    StatsStale = true;
    // Dependent series would refresh here; no series of this program has any.
    if (OwnerSeries)
        OwnerSeries->RequestRepaint();
}

void TChartValueList::SetValueSource(const std::string& value)
{
    // Without a data source there is nothing to re-check.
    ValueSourceName = value;
}

int32_t TChartValueList::Capacity() const { return static_cast<int32_t>(Values.capacity()); }

void TChartValueLists::Add(TChartValueList* list)
{
    ReserveForOneMore(Lists);
    Lists.push_back(list);
}

void TChartValueLists::Remove(TChartValueList* list) { std::erase(Lists, list); }

TChartValueList* TChartValueLists::At(int32_t index) const
{
    CheckListIndex(index, Count());
    return Lists[static_cast<std::size_t>(index)];
}
