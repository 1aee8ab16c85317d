// The published settings of a series and of its marks, and joining and
// leaving a chart. Every setter stores only a changed value and then asks
// the chart for a repaint.
#include "chart/AxisPanel.h"
#include "chart/SeriesData.h"

void TChartSeries::SetActive(bool value) { StoreAndRepaint(IsActive, value); }
void TChartSeries::SetSeriesColor(TColor value) { StoreAndRepaint(SeriesColorValue, value); }
void TChartSeries::SetShowInLegend(bool value) { StoreAndRepaint(ShowInLegendValue, value); }
void TChartSeries::SetTitle(const std::string& value) { StoreAndRepaint(TitleValue, value); }
void TChartSeries::SetValueFormat(const std::string& value) { StoreAndRepaint(ValueFormatValue, value); }
void TChartSeries::SetPercentFormat(const std::string& value) { StoreAndRepaint(PercentFormatValue, value); }

void TChartSeries::SetColorEachPoint(bool value)
{
    StoreAndRepaint(ColorEachPointValue, value);
    if (value)
        return;
    // Switching per-point colours off forgets every stored colour, even when
    // the switch was already off; each reset point asks for a repaint.
    const int32_t count = PointColors.Count();
    PointColors.ResetToDefault();
    for (int32_t i = 0; i < count; ++i)
        RequestRepaint();
}

void TChartSeries::SetHorizAxis(THorizAxis value)
{
    if (HorizAxisValue == value)
        return;
    HorizAxisValue = value;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetVertAxis(TVertAxis value)
{
    if (VertAxisValue == value)
        return;
    VertAxisValue = value;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetParentChart(TCustomAxisPanel* chart)
{
    if (chart == Chart)
        return;
    if (TCustomAxisPanel* old = Chart) {
        // Unlinked first, so that a chart which clears the link through
        // this setter finds nothing more to do.
        Chart = nullptr;
        LeaveChart(old);
    }
    Chart = chart;
    ResolveAxes();
    if (Chart)
        JoinChart(Chart);
}

void TChartSeries::LeaveChart(TCustomAxisPanel* chart)
{
    // The chart removes the series from its list and repaints itself.
    chart->RemoveSeries(this);
}

void TChartSeries::JoinChart(TCustomAxisPanel* chart)
{
    // The chart lists the series (once), gives a series without a colour
    // its free palette colour and repaints itself.
    chart->AddSeries(this);
}

TSeriesMarks::TSeriesMarks(TChartSeries* owner) : Owner(owner), ArrowPen(std::make_unique<TChartArrowPen>())
{
    auto repaint = [this] { Owner->RequestRepaint(); };
    ArrowPen->SetOnChange(repaint);
    FontValue.SetOnChange(repaint);
    FrameValue.SetOnChange(repaint);
}

TSeriesMarks::~TSeriesMarks() = default;

template <class T>
void TSeriesMarks::Store(T& field, const T& value)
{
    StoreIfChanged(field, value, [this] {
        if (Owner)
            Owner->RequestRepaint();
    });
}

TChartArrowPen& TSeriesMarks::Arrow() { return *ArrowPen; }
void TSeriesMarks::SetArrowLength(int value) { Store(ArrowLengthValue, value); }
void TSeriesMarks::SetBackColor(TColor value) { Store(BackColorValue, value); }
void TSeriesMarks::SetClip(bool value) { Store(ClipValue, value); }
void TSeriesMarks::SetStyle(TSeriesMarksStyle value) { Store(StyleValue, value); }
void TSeriesMarks::SetTransparent(bool value) { Store(TransparentValue, value); }
void TSeriesMarks::SetVisible(bool value) { Store(VisibleValue, value); }
