#pragma once
// The chart panel with series and axes: owns the series list and the five
// axes and runs the paint sequence (backdrop, headings, axis layout, series
// margins, walls, axes, series, zoom frame).

#include "chart/ChartAxis.h"
#include "chart/PanelBase.h"
#include "chart/SeriesData.h"

#include <functional>
#include <memory>
#include <vector>

class TCustomAxisPanel;
using TChartNotify = std::function<void(TCustomAxisPanel* sender)>;
using TAxisOnGetLabel =
    std::function<void(TCustomChartAxis* sender, TChartSeries* series, int32_t valueIndex, std::string& labelText)>;

class TCustomAxisPanel : public TCustomLynPanelExtended {
public:
    TCustomAxisPanel();
    ~TCustomAxisPanel() override;

    // --- series -----------------------------------------------------------------
    TChartSeriesList& SeriesList() { return Series; }
    const TChartSeriesList& SeriesList() const { return Series; }
    // Joins a series: sets its ParentChart to this chart when it is not
    // yet (the series' setter may call back here), gives a series whose
    // SeriesColor is clDefault the free colour, appends it and requests a
    // repaint; a series already in the list is left alone.
    void AddSeries(TChartSeries* series);
    // Takes a series out of the list, sets its ParentChart to nil and
    // requests a repaint. A call made back from inside the series' own
    // ParentChart setter while this runs is ignored.
    // Series still in the list when the chart is destroyed are deleted with
    // it, so such series must have been created with new.
    void RemoveSeries(TChartSeries* series);
    // Palette entries 0..15 in order: the first that no series of the chart
    // uses and that differs from Color and BackColor; clRed when none does.
    TColor FreeSeriesColor() const;

    // --- axes ---------------------------------------------------------------------
    TChartAxis& BottomAxis() { return *Bottom; }
    TChartAxis& TopAxis() { return *Top; }
    TChartAxis& LeftAxis() { return *Left; }
    TChartAxis& RightAxis() { return *Right; }
    TChartDepthAxis& DepthAxis() { return *Depth; }
    // bottom, top, left, right, depth: the order of layout and drawing.
    const std::vector<TCustomChartAxis*>& Axes() const { return AxisList; }
    bool IsAxisShown(const TCustomChartAxis* axis) const;
    virtual int32_t WallSizeForAxis(const TCustomChartAxis* axis) const = 0;

    // --- properties -----------------------------------------------------------------
    bool AxisVisible() const { return AxisVisibleValue; }
    void SetAxisVisible(bool v) { StoreAndRepaint(AxisVisibleValue, v); }
    bool ClipPoints() const { return ClipPointsValue; }
    void SetClipPoints(bool v) { StoreAndRepaint(ClipPointsValue, v); }
    bool View3DWalls() const { return View3DWallsValue; }
    void SetView3DWalls(bool v) { StoreAndRepaint(View3DWallsValue, v); }
    int MaxPointsPerPage() const { return MaxPointsPerPageValue; }
    void SetMaxPointsPerPage(int v) { StoreAndRepaint(MaxPointsPerPageValue, v); }
    int Page() const { return PageValue; }
    void SetPage(int v) { StoreAndRepaint(PageValue, v); }
    bool ScaleLastPage() const { return ScaleLastPageValue; }
    void SetScaleLastPage(bool v) { StoreAndRepaint(ScaleLastPageValue, v); }
    // The back wall's colour (clDefault unless set).
    virtual TColor BackColor() const { return clDefault; }

    // True while the chart takes its settings from the window definition:
    // setters then skip their range checks and cross-effects.
    bool Loading = false;
    // True from the start of destruction on.
    bool Destroying = false;

    TChartNotify OnBeforeDrawAxes;
    TChartNotify OnBeforeDrawSeries;
    TChartNotify OnAfterDraw;
    TAxisOnGetLabel OnGetAxisLabel;

protected:
    void RenderContents(const TRect& outerRect, const TRect& plotRect) override;
    // The layout steps take the plot rectangle the step before left and
    // give back the one they make; the paint sequence keeps the last. The
    // steps that draw are handed the surface to draw on.
    virtual TRect DrawHeadings(TLynCanvas3D& canvas, const TRect& plot) = 0;
    virtual TRect LayoutAxes(const TRect& plot) = 0;
    virtual TRect ApplySeriesMargins(const TRect& plot) = 0;
    virtual void PaintWalls(TLynCanvas3D& canvas, const TRect& plot) = 0;
    virtual void DrawZoomFrame(TLynCanvas3D& canvas) = 0;
    void DrawAllAxes(TLynCanvas3D& canvas, const TRect& plot);
    void DrawOneSeries(TLynCanvas3D& canvas, TChartSeries* series, const TRect& plot);

private:
    // An axis keeps its part of the paint layout here: it alone writes it.
    friend class TCustomChartAxis;
    TAxisLayout& AxisLayout(TAxisSlot slot) { return PaintLayout.Axes[slot]; }

    TChartSeriesList Series;
    TChartSeries* Detaching = nullptr;
    std::vector<TCustomChartAxis*> AxisList;
    std::unique_ptr<TChartAxis> Bottom;
    std::unique_ptr<TChartAxis> Top;
    std::unique_ptr<TChartAxis> Left;
    std::unique_ptr<TChartAxis> Right;
    std::unique_ptr<TChartDepthAxis> Depth;
    bool AxisVisibleValue = true;
    bool ClipPointsValue = true;
    bool View3DWallsValue = true;
    int MaxPointsPerPageValue = 0;
    int PageValue = 1;
    bool ScaleLastPageValue = true;
};
