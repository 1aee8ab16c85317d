// Placeholder: replaced by the series data implementation.
#include "chart/ChartSeries.h"

#include "chart/AxisPanel.h"

TSeriesMarks::TSeriesMarks(TChartSeries* owner) : Owner(owner), ArrowPen(std::make_unique<TChartArrowPen>()) {}
TSeriesMarks::~TSeriesMarks() = default;
TChartArrowPen& TSeriesMarks::Arrow() { return *ArrowPen; }
void TSeriesMarks::SetArrowLength(int v) { ArrowLengthValue = v; }
void TSeriesMarks::SetBackColor(TColor v) { BackColorValue = v; }
void TSeriesMarks::SetClip(bool v) { ClipValue = v; }
void TSeriesMarks::SetStyle(TSeriesMarksStyle v) { StyleValue = v; }
void TSeriesMarks::SetTransparent(bool v) { TransparentValue = v; }
void TSeriesMarks::SetVisible(bool v) { VisibleValue = v; }

TChartSeries::TChartSeries() : MarksValue(std::make_unique<TSeriesMarks>(this))
{
    XValues = std::make_unique<TChartValueList>(this, "X");
    XValues->SetOrder(loAscending);
    YValues = std::make_unique<TChartValueList>(this, "Y");
}
TChartSeries::~TChartSeries() = default;
int32_t TChartSeries::AddPoint(double x, double y, const std::string&, TColor color)
{
    int32_t index = XValues->InsertOrdered(x);
    YValues->InsertValueAt(index, y);
    PointColors.insert(PointColors.begin() + index, color);
    PointLabels.insert(PointLabels.begin() + index, std::nullopt);
    RequestRepaint();
    return index;
}
void TChartSeries::ClearPoints() { EmptyAllLists(); RequestRepaint(); }
void TChartSeries::EmptyAllLists() { XValues->EmptyValues(); YValues->EmptyValues(); PointColors.clear(); PointLabels.clear(); }
TColor TChartSeries::PointColor(int32_t) const { return SeriesColorValue; }
std::string TChartSeries::LabelAt(int32_t) const { return {}; }
bool TChartSeries::HasLabelAt(int32_t) const { return false; }
bool TChartSeries::UsesAxis(const TCustomChartAxis* axis) const { return axis == ResolvedHorizAxis || axis == ResolvedVertAxis; }
void TChartSeries::ResolveAxes()
{
    ResolvedHorizAxis = Chart ? static_cast<TCustomChartAxis*>(&Chart->BottomAxis()) : nullptr;
    ResolvedVertAxis = Chart ? static_cast<TCustomChartAxis*>(&Chart->LeftAxis()) : nullptr;
}
void TChartSeries::NotifyPointAdded(TChartSeries*, int32_t) {}
void TChartSeries::RequestRepaint() { if (Chart) Chart->RequestRepaint(); }
void TChartSeries::FindShownRange() {}
void TChartSeries::DrawShownPoints() {}
void TChartSeries::DrawPoint(int32_t) {}
void TChartSeries::HorizontalMargins(int32_t& l, int32_t& r) { l = r = 0; }
void TChartSeries::VerticalMargins(int32_t& t, int32_t& b) { t = b = 0; }
int32_t TChartSeries::PointPixelX(int32_t) const { return 0; }
int32_t TChartSeries::PointPixelY(int32_t) const { return 0; }
int32_t TChartSeries::PointAtPixel(int32_t, int32_t) const { return -1; }
void TChartSeries::RaiseBeforeDrawValues() {}
void TChartSeries::RaiseAfterDrawValues() {}
void TChartSeries::SetActive(bool v) { IsActive = v; }
void TChartSeries::SetSeriesColor(TColor v) { SeriesColorValue = v; }
void TChartSeries::SetColorEachPoint(bool v) { ColorEachPointValue = v; }
void TChartSeries::SetParentChart(TCustomAxisPanel* chart)
{
    if (chart == Chart)
        return;
    Chart = chart;
    ResolveAxes();
    if (Chart)
        Chart->SeriesList().Add(this);
}
void TChartSeries::SetHorizAxis(THorizAxis v) { HorizAxisValue = v; }
void TChartSeries::SetVertAxis(TVertAxis v) { VertAxisValue = v; }
void TChartSeries::SetShowInLegend(bool v) { ShowInLegendValue = v; }
void TChartSeries::SetTitle(const std::string& v) { TitleValue = v; }
void TChartSeries::SetValueFormat(const std::string& v) { ValueFormatValue = v; }
void TChartSeries::SetPercentFormat(const std::string& v) { PercentFormatValue = v; }

TChartSeries* TChartSeriesList::At(int32_t index) const { return Items.at(static_cast<std::size_t>(index)); }
int32_t TChartSeriesList::ActiveCount() const { int32_t n = 0; for (auto* s : Items) n += s->Active(); return n; }
int32_t TChartSeriesList::IndexOf(const TChartSeries* series) const
{
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (Items[i] == series)
            return static_cast<int32_t>(i);
    return -1;
}
void TChartSeriesList::Remove(TChartSeries* series) { std::erase(Items, series); }
