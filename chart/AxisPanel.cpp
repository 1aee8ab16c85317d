// The axis panel: its series and five axes, and the paint sequence that
// draws backdrop, headings, walls, axes and series in a fixed order.
#include "chart/AxisPanel.h"

TCustomAxisPanel::TCustomAxisPanel()
{
    Bottom = std::make_unique<TChartAxis>(this, true, false, false, 0);
    Top = std::make_unique<TChartAxis>(this, true, true, false, 0);
    Left = std::make_unique<TChartAxis>(this, false, false, false, 90);
    Right = std::make_unique<TChartAxis>(this, false, true, false, 270);
    Depth = std::make_unique<TChartDepthAxis>(this);
    AxisList = {Bottom.get(), Top.get(), Left.get(), Right.get(), Depth.get()};
}

// The series still in the list die with the chart, each detached first.
TCustomAxisPanel::~TCustomAxisPanel()
{
    Destroying = true;
    RepaintEnabled = false;
    while (Series.Count() > 0) {
        TChartSeries* series = Series.At(Series.Count() - 1);
        RemoveSeries(series);
        delete series;
    }
}

// --- series ----------------------------------------------------------------------

// Called by callers that want a series in this chart, and by the series'
// ParentChart setter once ParentChart is this chart.
void TCustomAxisPanel::AddSeries(TChartSeries* series)
{
    if (series == nullptr)
        return;
    if (series->ParentChart() != this)
        series->SetParentChart(this);
    if (Series.IndexOf(series) >= 0)
        return;
    if (series->SeriesColor() == clDefault)
        series->SetSeriesColor(FreeSeriesColor());
    Series.Add(series);
    RequestRepaint();
}

// Takes the series out of the list and sets its ParentChart to nil. The
// series' setter calls back here; that nested call is ignored.
void TCustomAxisPanel::RemoveSeries(TChartSeries* series)
{
    if (series == nullptr || series == Detaching)
        return;
    if (Series.IndexOf(series) < 0 && series->ParentChart() != this)
        return;
    TChartSeries* outer = Detaching;
    Detaching = series;
    Series.Remove(series);
    if (series->ParentChart() == this)
        series->SetParentChart(nullptr);
    Detaching = outer;
    RequestRepaint();
}

TColor TCustomAxisPanel::FreeSeriesColor() const
{
    for (int i = 0; i < 16; ++i) {
        const TColor candidate = PaletteColor(i);
        bool used = candidate == Color() || candidate == BackColor();
        for (const TChartSeries* s : Series)
            used = used || s->SeriesColor() == candidate;
        if (!used)
            return candidate;
    }
    return PaletteColor(0);
}

// --- axes -------------------------------------------------------------------------

bool TCustomAxisPanel::IsAxisShown(const TCustomChartAxis* axis) const
{
    if (axis == nullptr || !AxisVisibleValue || !axis->Visible())
        return false;
    if (axis->IsDepth)
        return View3D();
    bool anyAxisSeries = false;
    for (const TChartSeries* s : Series) {
        if (!s->Active() || !s->UsesAxes())
            continue;
        if (s->UsesAxis(axis))
            return true;
        anyAxisSeries = true;
    }
    return !anyAxisSeries;
}

void TCustomAxisPanel::DrawAllAxes(TLynCanvas3D& canvas, const TRect& plot)
{
    if (OnBeforeDrawAxes)
        OnBeforeDrawAxes(this);
    for (TCustomChartAxis* axis : AxisList)
        if (IsAxisShown(axis))
            axis->DrawAxis(canvas, plot, true);
}

// --- the paint sequence ----------------------------------------------------------------

// Each step's plot rectangle is also kept in the layout at once: what runs
// between the steps (the chart's events, the series) reads the paint so far.
void TCustomAxisPanel::RenderContents(const TRect& outerRect, const TRect& plotRect)
{
    TLynCanvas3D& canvas = Canvas();
    PaintBackdrop(canvas, outerRect);
    for (TChartSeries* s : Series)
        if (s->Active())
            s->BeforeDrawChart();
    PaintLayout.PlotRect = DrawHeadings(canvas, plotRect);
    // In 2D every series has z-order 0 and depth 0: nothing to assign.
    PaintLayout.PlotRect = LayoutAxes(PaintLayout.PlotRect);
    const TRect plot = NormalizedPlotRect(outerRect, ApplySeriesMargins(PaintLayout.PlotRect));
    PaintLayout.PlotRect = plot;
    canvas.SetProjectionCenter(0, outerRect, plot);
    PaintWalls(canvas, plot);
    if (AxisVisibleValue)
        DrawAllAxes(canvas, plot);
    if (OnBeforeDrawSeries)
        OnBeforeDrawSeries(this);
    for (TChartSeries* s : Series)
        if (s->Active())
            DrawOneSeries(canvas, s, plot);
    if (ZoomRecord.IsActive)
        DrawZoomFrame(canvas);
    canvas.RestoreDefaults();
    if (OnAfterDraw)
        OnAfterDraw(this);
}

void TCustomAxisPanel::DrawOneSeries(TLynCanvas3D& canvas, TChartSeries* series, const TRect& plot)
{
    series->FindShownRange();
    if (series->FirstShownIndex == -1)
        return;
    series->RaiseBeforeDrawValues();
    const bool clip = ClipPointsValue && !Printing;
    if (clip)
        canvas.ClipPlotArea(plot, 0, 0);
    series->DrawShownPoints(canvas);
    if (clip)
        canvas.RemoveClip();
    // Value marks are never visible on the charts of this program, and a
    // series has no mark drawing to call.
    series->RaiseAfterDrawValues();
}
