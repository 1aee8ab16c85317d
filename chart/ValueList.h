#pragma once
// The value list of a series: one list of doubles (X or Y) with ordered
// insertion, a multiplier applied on reading, and lazily computed
// statistics (lowest, highest, sum, magnitude sum).
//
// The statistics are computed by one pass at their first read after a
// change; an append at the end then only adds the new value to them, by the
// very steps the pass would take, so the results stay bit for bit those of
// a full pass without its cost. Any other change marks them stale.

#include "chart/ChartList.h"
#include "chart/ValueSummary.h"
#include "support/numbers/Float80.h"

#include <cstdint>
#include <string>
#include <vector>

class TChartSeries;

enum TChartListOrder : uint8_t { loNone = 0, loAscending = 1, loDescending = 2 };

class TChartValueList {
public:
    // Joins the owner's AllValueLists and starts empty.
    TChartValueList(TChartSeries* owner, const std::string& name);
    virtual ~TChartValueList();

    virtual double ValueAt(int32_t index) const;
    virtual void EmptyValues();
    // Stores v where Order puts it and returns its index (a linear scan from
    // the end, so an in-order value costs one comparison). Equal values keep
    // their arrival order.
    virtual int32_t InsertOrdered(double value);
    // Stores v at index (0 <= index <= count); later values move up.
    virtual void InsertValueAt(int32_t index, double value);
    virtual int32_t ValueCount() const;

    double LastValue() const;
    double LowestValue();
    double HighestValue();
    double ValueSum();
    double MagnitudeSum();

    bool DateTime() const { return IsDateTime; }
    void SetDateTime(bool value);
    double Multiplier() const { return MultiplierValue; }
    void SetMultiplier(double value);
    const std::string& Name() const { return ListName; }
    void SetName(const std::string& value) { ListName = value; }
    TChartListOrder Order() const { return ListOrder; }
    void SetOrder(TChartListOrder value) { ListOrder = value; }
    const std::string& ValueSource() const { return ValueSourceName; }
    void SetValueSource(const std::string& value);

    double PendingValue = 0;
    bool StatsStale = true;

    // The stored value before Multiplier (insertion compares these).
    double StoredAt(int32_t index) const;
    // Reserved storage, for the growth rule and its tests.
    int32_t Capacity() const;
    TChartSeries* Owner() const { return OwnerSeries; }

    // A stored value as ValueAt reads it: times Multiplier, formed at
    // extended precision and rounded once.
    double ScaleStored(double stored) const
    {
        return static_cast<double>(static_cast<Float80>(stored) * MultiplierValue);
    }
    // True while every stored value is a number and none is below the one
    // before it. Inserting out of order (or a NaN) clears it until the list
    // is emptied; the order setting itself plays no part.
    bool KnownAscending() const { return Ascending; }
    // The stored values, for readers that search or summarise them.
    const std::vector<double>& StoredValues() const { return Values; }
    // The block extremes of the stored values, brought up to date first.
    const TValueSummary& Summary() const;

private:
    void RecomputeStatistics();
    // Adds the value just appended at the end to statistics that are current.
    void ExtendStatistics();
    void AddToStatistics(double v);
    // Bookkeeping after a value was stored at index.
    void Inserted(int32_t index);
    // Insertion point for v in an ordered list: after every stored value
    // that v does not precede.
    int32_t OrderedPosition(double v) const;

    bool IsDateTime = false;
    // Stored values (before Multiplier), contiguous and in index order.
    std::vector<double> Values;
    double HighestCache = 0;
    double LowestCache = 0;
    double MultiplierValue = 1.0;
    std::string ListName;
    TChartListOrder ListOrder = loNone;
    TChartSeries* OwnerSeries;
    double SumCache = 0;
    double MagnitudeSumCache = 0;
    std::string ValueSourceName;
    bool Ascending = true;
    mutable TValueSummary BlockExtremes;
};

// The value lists of one series in creation order: index 0 is X, 1 is Y.
class TChartValueLists {
public:
    void Add(TChartValueList* list);
    void Remove(TChartValueList* list);
    int32_t Count() const { return static_cast<int32_t>(Lists.size()); }
    TChartValueList* At(int32_t index) const;

private:
    std::vector<TChartValueList*> Lists;
};
