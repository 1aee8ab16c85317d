// Placeholder: replaced by the axis panel and its paint sequence.
#include "chart/AxisPanel.h"

TCustomAxisPanel::TCustomAxisPanel(QWidget* parent) : TCustomLynPanelExtended(parent)
{
    Bottom = std::make_unique<TChartAxis>(this, true, false, false, 0);
    Top = std::make_unique<TChartAxis>(this, true, true, false, 0);
    Left = std::make_unique<TChartAxis>(this, false, false, false, 90);
    Right = std::make_unique<TChartAxis>(this, false, true, false, 270);
    Depth = std::make_unique<TChartDepthAxis>(this);
    AxisList = {Bottom.get(), Top.get(), Left.get(), Right.get(), Depth.get()};
}
TCustomAxisPanel::~TCustomAxisPanel()
{
    Destroying = true;
}
void TCustomAxisPanel::AddSeries(TChartSeries* series) { series->SetParentChart(this); }
void TCustomAxisPanel::RemoveSeries(TChartSeries* series) { Series.Remove(series); }
TColor TCustomAxisPanel::FreeSeriesColor() const { return clRed; }
bool TCustomAxisPanel::IsAxisShown(const TCustomChartAxis*) const { return false; }
void TCustomAxisPanel::RenderContents(const TRect&) {}
void TCustomAxisPanel::DrawAllAxes() {}
void TCustomAxisPanel::DrawOneSeries(TChartSeries*) {}
