// The charts' and series' settings of the definition.

#include "app/FormCharts.h"

#include "app/toolkit/Toolkit.h"
#include "chart/Chart.h"
#include "chart/LineSeries.h"

namespace {

// While the definition is applied the chart's setters skip their range
// checks and cross-effects, exactly as when a window is loaded.
class TLoadingScope {
public:
    explicit TLoadingScope(TChart* chart) : FChart(chart) { FChart->Loading = true; }
    ~TLoadingScope() { FChart->Loading = false; }
    TLoadingScope(const TLoadingScope&) = delete;
    TLoadingScope& operator=(const TLoadingScope&) = delete;

private:
    TChart* FChart;
};

void ConfigureChart(TChart& chart, const char* title)
{
    chart.Title().SetText({title});
    chart.BackWall().Brush().SetColor(clWhite);
    chart.BackWall().Brush().SetStyle(bsClear);
    chart.BottomAxis().Title().SetCaption("t");
    TChartAxis& left = chart.LeftAxis();
    left.Title().SetCaption("x");
    // The vertical range is fixed so that the sum of two amplitudes of 5
    // just fits.
    left.SetAutomatic(false);
    left.SetAutomaticMinimum(false);
    left.SetAutomaticMaximum(false);
    left.SetMinimum(-10);
    left.SetMaximum(10);
    chart.Legend().SetVisible(false);
    chart.SetView3D(false);
}

void ConfigureSeries(TLineSeries& series)
{
    series.SetSeriesColor(clRed);
    series.Pointer().SetVisible(false);
    series.Pointer().SetStyle(psRectangle);
    series.Pointer().SetInflateMargins(true);
    series.Marks().SetVisible(false);
    series.Marks().SetArrowLength(8);
    series.XValues->SetName("X");
    series.XValues->SetOrder(loAscending);
    series.XValues->SetMultiplier(1);
    series.XValues->SetDateTime(false);
    series.YValues->SetName("Y");
    series.YValues->SetOrder(loNone);
    series.YValues->SetMultiplier(1);
    series.YValues->SetDateTime(false);
}

} // namespace

void ConfigureFormChart(TChart& chart, const char* title)
{
    TLoadingScope loading(&chart);
    ConfigureChart(chart, title);
}

TFormChart CreateFormChart(IToolkit& toolkit, IContainer& parent, const TControlDefinition& definition,
                           const char* title)
{
    auto* chart = new TChart();
    TLoadingScope loading(chart);
    IControl* host = toolkit.CreateChartHost(parent, definition, *chart);
    ConfigureChart(*chart, title);
    return TFormChart{chart, host};
}

TLineSeries* CreateFormSeries(TChart* chart)
{
    auto* series = new TLineSeries();
    TLoadingScope loading(chart);
    ConfigureSeries(*series);
    series->SetParentChart(chart);
    return series;
}
