// The chart's sub-objects (titles, walls, legend), its construction and its
// properties. Each sub-object asks its chart for a repaint when one of its
// properties really changes. Layout and drawing are in ChartPaint.cpp.
#include "chart/Chart.h"

namespace {

// Pens, brushes and fonts of a sub-object notify the chart that owns it.
void NotifyChart(TChangeNotifier& part, TCustomChart* chart)
{
    part.SetOnChange([chart] { chart->RequestRepaint(); });
}

template <class T>
void StoreFor(TCustomChart* chart, T& field, const T& value)
{
    StoreIfChanged(field, value, [chart] { chart->RequestRepaint(); });
}

} // namespace

// --- title and foot ------------------------------------------------------------------

TChartTitle::TChartTitle(TCustomChart* chart) : Chart(chart)
{
    FontValue.SetColor(clBlue);
    NotifyChart(FontValue, chart);
    NotifyChart(BrushValue, chart);
    NotifyChart(FrameValue, chart);
}

void TChartTitle::SetText(const std::vector<std::string>& lines) { StoreFor(Chart, Lines, lines); }
void TChartTitle::SetVisible(bool v) { StoreFor(Chart, VisibleValue, v); }
void TChartTitle::SetAlignment(TAlignment v) { StoreFor(Chart, AlignmentValue, v); }
void TChartTitle::SetColor(TColor v) { StoreFor(Chart, ColorValue, v); }
void TChartTitle::SetAdjustFrame(bool v) { StoreFor(Chart, AdjustFrameValue, v); }

// --- walls ------------------------------------------------------------------------------

TChartWall::TChartWall(TCustomChart* chart, TColor defaultColor)
    : Chart(chart), ColorValue(defaultColor), DefaultColorValue(defaultColor)
{
    NotifyChart(BrushValue, chart);
    NotifyChart(PenValue, chart);
}

void TChartWall::SetColor(TColor v) { StoreFor(Chart, ColorValue, v); }
void TChartWall::SetDark3D(bool v) { StoreFor(Chart, Dark3DValue, v); }
void TChartWall::SetSize(int v) { StoreFor(Chart, SizeValue, v); }

// --- legend -------------------------------------------------------------------------------

TChartLegend::TChartLegend(TCustomChart* chart) : Chart(chart)
{
    NotifyChart(FontValue, chart);
    NotifyChart(FrameValue, chart);
    NotifyChart(BrushValue, chart);
}

void TChartLegend::SetVisible(bool v) { StoreFor(Chart, VisibleValue, v); }

// --- chart ---------------------------------------------------------------------------------

TChartMouseSettings& ChartMouseSettings()
{
    static TChartMouseSettings settings;
    return settings;
}

// Title, Foot, BackWall, LeftWall, Legend, BottomWall: the members are
// declared in this order, so they are built in it.
TCustomChart::TCustomChart()
    : TitleValue(std::make_unique<TChartTitle>(this)), FootValue(std::make_unique<TChartTitle>(this)),
      BackWallValue(std::make_unique<TChartWall>(this, clDefault)),
      LeftWallValue(std::make_unique<TChartWall>(this, 0x80FFFF)), LegendValue(std::make_unique<TChartLegend>(this)),
      BottomWallValue(std::make_unique<TChartWall>(this, clWhite))
{
    BackWallValue->Brush().SetStyle(bsClear);
}

TCustomChart::~TCustomChart() = default;

TColor TCustomChart::BackColor() const { return BackWallValue->Color(); }

// At run time (in a window) a back colour is meant to be seen, so the
// wall's brush becomes solid; while the window definition loads it stays
// as stored.
void TCustomChart::SetBackColor(TColor value)
{
    BackWallValue->SetColor(value);
    if (Host() != nullptr && !Loading)
        BackWallValue->Brush().SetStyle(bsSolid);
}

int32_t TCustomChart::WallSizeForAxis(const TCustomChartAxis* axis) const
{
    if (!View3D() || !View3DWalls())
        return 0;
    // Axes() lists bottom, top, left, right, depth.
    if (axis == Axes()[2])
        return LeftWallValue->Size();
    if (axis == Axes()[0])
        return BottomWallValue->Size();
    return 0;
}
