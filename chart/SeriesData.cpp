#include "chart/SeriesData.h"

#include "chart/AxisPanel.h"
#include "chart/ChartMessages.h"

TChartSeries::TChartSeries()
    : ValueFormatValue(LynConst::DefaultValueFormat), PercentFormatValue(LynConst::DefaultPercentFormat),
      MarksValue(std::make_unique<TSeriesMarks>(this))
{
    XValues = std::make_unique<TChartValueList>(this, LynConst::XValuesName);
    XValues->SetDateTime(false);
    XValues->SetOrder(loAscending);
    YValues = std::make_unique<TChartValueList>(this, LynConst::YValuesName);
}

TChartSeries::~TChartSeries()
{
    // Runs this class's ClearPoints: a derived series is already gone.
    TChartSeries::ClearPoints();
    if (Chart) {
        TCustomAxisPanel* chart = Chart;
        Chart = nullptr;
        LeaveChart(chart);
    }
}

int32_t TChartSeries::AddPoint(double x, double y, const std::string& label, TColor color)
{
    XValues->PendingValue = x;
    YValues->PendingValue = y;
    if (OnBeforeAdd && !OnBeforeAdd(this))
        return -1;
    const int32_t index = XValues->InsertOrdered(XValues->PendingValue);
    YValues->InsertValueAt(index, YValues->PendingValue);
    PointColors.Insert(index, color);
    PointLabels.Insert(index, label.empty() ? std::optional<std::string>() : std::optional<std::string>(label));
    NotifyPointAdded(this, index);
    return index;
}

void TChartSeries::NotifyPointAdded(TChartSeries* source, int32_t index)
{
    if (OnAfterAdd)
        OnAfterAdd(source, index);
    // Dependent series would hear of the insertion here; there are none.
    if (IsActive)
        RequestRepaint();
}

void TChartSeries::EmptyAllLists()
{
    for (int32_t i = 0; i < AllValueLists.Count(); ++i)
        AllValueLists.At(i)->EmptyValues();
    PointColors.Release();
    PointLabels.Release();
    ReleaseList(MarksValue->Positions);
}

void TChartSeries::ClearPoints()
{
    EmptyAllLists();
    if (OnClearValues)
        OnClearValues(this);
    // Dependent series would be cleared here; there are none.
    if (IsActive && Chart && !Chart->Destroying)
        RequestRepaint();
}

TColor TChartSeries::PointColor(int32_t index) const
{
    if (index >= PointColorCount())
        return SeriesColorValue;
    const TColor c = PointColors.At(index);
    if (c != clDefault)
        return c;
    return ColorEachPointValue ? PaletteColor(index) : SeriesColorValue;
}

bool TChartSeries::HasLabelAt(int32_t index) const
{
    if (index >= PointLabelCount())
        return false;
    return PointLabels.At(index).has_value();
}

std::string TChartSeries::LabelAt(int32_t index) const
{
    return HasLabelAt(index) ? *PointLabels.At(index) : std::string();
}

bool TChartSeries::UsesAxis(const TCustomChartAxis* axis) const
{
    if (!axis || axis->IsDepth)
        return false;
    if (axis->IsHorizontal)
        return HorizAxisValue == aBothHorizAxis || axis == ResolvedHorizAxis;
    return VertAxisValue == aBothVertAxis || axis == ResolvedVertAxis;
}

void TChartSeries::ResolveAxes()
{
    if (!Chart) {
        ResolvedHorizAxis = nullptr;
        ResolvedVertAxis = nullptr;
        return;
    }
    if (HorizAxisValue == aTopAxis)
        ResolvedHorizAxis = &Chart->TopAxis();
    else if (HorizAxisValue == aCustomHorizAxis && CustomHorizAxis)
        ResolvedHorizAxis = CustomHorizAxis;
    else
        ResolvedHorizAxis = &Chart->BottomAxis();

    if (VertAxisValue == aRightAxis)
        ResolvedVertAxis = &Chart->RightAxis();
    else if (VertAxisValue == aCustomVertAxis && CustomVertAxis)
        ResolvedVertAxis = CustomVertAxis;
    else
        ResolvedVertAxis = &Chart->LeftAxis();
}

void TChartSeries::RequestRepaint()
{
    if (Chart)
        Chart->RequestRepaint();
}

void TChartSeries::RaiseBeforeDrawValues()
{
    if (BeforeDrawValues)
        BeforeDrawValues(this);
}

void TChartSeries::RaiseAfterDrawValues()
{
    if (AfterDrawValues)
        AfterDrawValues(this);
}

TChartSeries* TChartSeriesList::At(int32_t index) const
{
    CheckListIndex(index, Count());
    return Items[static_cast<std::size_t>(index)];
}

void TChartSeriesList::Add(TChartSeries* series)
{
    ReserveForOneMore(Items);
    Items.push_back(series);
}

int32_t TChartSeriesList::ActiveCount() const
{
    int32_t n = 0;
    for (const TChartSeries* s : Items)
        n += s->Active() ? 1 : 0;
    return n;
}

int32_t TChartSeriesList::IndexOf(const TChartSeries* series) const
{
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (Items[i] == series)
            return static_cast<int32_t>(i);
    return -1;
}

void TChartSeriesList::Remove(TChartSeries* series)
{
    std::erase(Items, series);
    if (Items.empty())
        ReleaseList(Items);
}
