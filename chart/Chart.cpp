// Placeholder: replaced by the chart's headings, walls and layout.
#include "chart/Chart.h"

TChartTitle::TChartTitle(TCustomChart* chart) : Chart(chart) { FontValue.SetColor(clBlue); }
void TChartTitle::SetText(const std::vector<std::string>& lines) { Lines = lines; }
void TChartTitle::SetVisible(bool v) { VisibleValue = v; }
void TChartTitle::SetAlignment(TAlignment v) { AlignmentValue = v; }
void TChartTitle::SetColor(TColor v) { ColorValue = v; }
void TChartTitle::SetAdjustFrame(bool v) { AdjustFrameValue = v; }

TChartWall::TChartWall(TCustomChart* chart, TColor defaultColor)
    : Chart(chart), ColorValue(defaultColor), DefaultColorValue(defaultColor) {}
void TChartWall::SetColor(TColor v) { ColorValue = v; }
void TChartWall::SetDark3D(bool v) { Dark3DValue = v; }
void TChartWall::SetSize(int v) { SizeValue = v; }

TChartLegend::TChartLegend(TCustomChart* chart) : Chart(chart) {}
void TChartLegend::SetVisible(bool v) { VisibleValue = v; }

TChartMouseSettings& ChartMouseSettings()
{
    static TChartMouseSettings settings;
    return settings;
}

TCustomChart::TCustomChart(QWidget* parent)
    : TCustomAxisPanel(parent), TitleValue(std::make_unique<TChartTitle>(this)),
      FootValue(std::make_unique<TChartTitle>(this)), BackWallValue(std::make_unique<TChartWall>(this, clDefault)),
      LeftWallValue(std::make_unique<TChartWall>(this, 0x80FFFF)), LegendValue(std::make_unique<TChartLegend>(this)),
      BottomWallValue(std::make_unique<TChartWall>(this, clWhite))
{
    BackWallValue->Brush().SetStyle(bsClear);
}
TCustomChart::~TCustomChart() = default;
TColor TCustomChart::BackColor() const { return BackWallValue->Color(); }
void TCustomChart::SetBackColor(TColor v) { BackWallValue->SetColor(v); }
int32_t TCustomChart::WallSizeForAxis(const TCustomChartAxis*) const { return 0; }
void TCustomChart::LayoutAxes() {}
void TCustomChart::ApplySeriesMargins() {}
void TCustomChart::DrawHeadings() {}
void TCustomChart::PaintWalls() {}
void TCustomChart::DrawZoomFrame() {}
void TCustomChart::DrawTitleBlock(TChartTitle&, bool) {}
