// Placeholder: replaced by the value list implementation.
#include "chart/ValueList.h"

#include "chart/ChartSeries.h"

TChartValueList::TChartValueList(TChartSeries* owner, const std::string& name) : ListName(name), OwnerSeries(owner)
{
    if (owner)
        owner->AllValueLists.Add(this);
}
TChartValueList::~TChartValueList() = default;
double TChartValueList::ValueAt(int32_t index) const { return Values.at(static_cast<std::size_t>(index)) * MultiplierValue; }
void TChartValueList::EmptyValues() { Values.clear(); StatsStale = true; }
int32_t TChartValueList::InsertOrdered(double value) { Values.push_back(value); StatsStale = true; return static_cast<int32_t>(Values.size()) - 1; }
void TChartValueList::InsertValueAt(int32_t index, double value) { Values.insert(Values.begin() + index, value); StatsStale = true; }
int32_t TChartValueList::ValueCount() const { return static_cast<int32_t>(Values.size()); }
double TChartValueList::LastValue() const { return ValueAt(ValueCount() - 1); }
double TChartValueList::LowestValue() { return 0; }
double TChartValueList::HighestValue() { return 0; }
double TChartValueList::ValueSum() { return 0; }
double TChartValueList::MagnitudeSum() { return 0; }
void TChartValueList::SetDateTime(bool v) { IsDateTime = v; }
void TChartValueList::SetMultiplier(double v) { MultiplierValue = v; }
void TChartValueList::SetValueSource(const std::string& v) { ValueSourceName = v; }
double TChartValueList::StoredAt(int32_t index) const { return Values.at(static_cast<std::size_t>(index)); }
int32_t TChartValueList::Capacity() const { return static_cast<int32_t>(Values.capacity()); }

void TChartValueLists::Remove(TChartValueList*) {}
TChartValueList* TChartValueLists::At(int32_t index) const { return Lists.at(static_cast<std::size_t>(index)); }
int32_t GrownCapacity(int32_t capacity) { return capacity + 4; }
void CheckListCapacity(int64_t) {}
