#pragma once
// The chart: the axis panel with its title and foot, three walls and a
// legend, their layout and drawing, and mouse zooming and scrolling.

#include "chart/AxisPanel.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

class TCustomChart;

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };

// A heading above (Title) or below (Foot) the chart.
class TChartTitle {
public:
    explicit TChartTitle(TCustomChart* chart);

    std::vector<std::string>& Text() { return Lines; }
    const std::vector<std::string>& Text() const { return Lines; }
    void SetText(const std::vector<std::string>& lines);
    bool Visible() const { return VisibleValue; }
    void SetVisible(bool v);
    TAlignment Alignment() const { return AlignmentValue; }
    void SetAlignment(TAlignment v);
    TChartFont& Font() { return FontValue; }
    const TChartFont& Font() const { return FontValue; }
    TColor Color() const { return ColorValue; }
    void SetColor(TColor v);
    TChartBrush& Brush() { return BrushValue; }
    TChartHiddenPen& Frame() { return FrameValue; }
    bool AdjustFrame() const { return AdjustFrameValue; }
    void SetAdjustFrame(bool v);

    // The rectangle the text block took in the last paint.
    TRect TitleBox;

private:
    TCustomChart* Chart;
    std::vector<std::string> Lines;
    bool VisibleValue = true;
    TAlignment AlignmentValue = taCenter;
    TChartFont FontValue;
    TColor ColorValue = clDefault;
    TChartBrush BrushValue;
    TChartHiddenPen FrameValue;
    bool AdjustFrameValue = true;
};

class TChartWall {
public:
    TChartWall(TCustomChart* chart, TColor defaultColor);

    TChartBrush& Brush() { return BrushValue; }
    TColor Color() const { return ColorValue; }
    void SetColor(TColor v);
    TColor DefaultColor() const { return DefaultColorValue; }
    bool Dark3D() const { return Dark3DValue; }
    void SetDark3D(bool v);
    TChartPen& Pen() { return PenValue; }
    int Size() const { return SizeValue; }
    void SetSize(int v);

private:
    TCustomChart* Chart;
    TChartBrush BrushValue;
    TColor ColorValue;
    TColor DefaultColorValue;
    bool Dark3DValue = true;
    TChartPen PenValue;
    int SizeValue = 0;
};

// The legend exists so that its settings hold; it is hidden on every chart.
class TChartLegend {
public:
    explicit TChartLegend(TCustomChart* chart);

    bool Visible() const { return VisibleValue; }
    void SetVisible(bool v);
    bool ResizeChart = true;
    int TopPos = 10;
    int MaxNumRows = 10;
    int ColorWidth = 12;
    int ShadowSize = 3;
    TLegendAlignment Alignment = laRight;
    TChartFont& Font() { return FontValue; }
    TChartPen& Frame() { return FrameValue; }
    TChartBrush& Brush() { return BrushValue; }
    TColor Color = clWhite;
    // The rectangle of the last drawing (empty: never drawn).
    TRect LegendRect;

private:
    TCustomChart* Chart;
    bool VisibleValue = true;
    TChartFont FontValue;
    TChartPen FrameValue;
    TChartBrush BrushValue;
};

using TChartAxisClick =
    std::function<void(TCustomChart* sender, TCustomChartAxis* axis, TMouseButton button, int32_t x, int32_t y)>;
using TChartSeriesClick = std::function<void(TCustomChart* sender, TChartSeries* series, int32_t valueIndex,
                                             TMouseButton button, int32_t x, int32_t y)>;
using TChartClick = std::function<void(TCustomChart* sender, TMouseButton button, int32_t x, int32_t y)>;
using TChartAllowScroll = std::function<void(TCustomChartAxis* axis, double& newMin, double& newMax, bool& allow)>;

// The remembered state of one axis before the first zoom or scroll.
struct TSavedAxisScales {
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0;
    double Maximum = 0;
};

// Mouse settings shared by every chart.
struct TChartMouseSettings {
    TMouseButton ZoomMouseButton = mbLeft;
    TMouseButton ScrollMouseButton = mbRight;
    double ZoomStepDivisor = 3.0;
};
TChartMouseSettings& ChartMouseSettings();

class TCustomChart : public TCustomAxisPanel {
public:
    TCustomChart();
    ~TCustomChart() override;

    TChartTitle& Title() { return *TitleValue; }
    TChartTitle& Foot() { return *FootValue; }
    TChartWall& BackWall() { return *BackWallValue; }
    TChartWall& LeftWall() { return *LeftWallValue; }
    TChartWall& BottomWall() { return *BottomWallValue; }
    TChartLegend& Legend() { return *LegendValue; }
    TChartPen& Frame() { return BackWallValue->Pen(); }
    TColor BackColor() const override;
    void SetBackColor(TColor value);

    int32_t WallSizeForAxis(const TCustomChartAxis* axis) const override;

    // --- zoom and scroll ------------------------------------------------------------
    void ZoomAxes();
    void ResetZoom();
    // Scrolls the axes of one direction from the previous to the new pixel;
    // true when the move counts as scrolled (the direction is allowed and the
    // pointer moved), also when no axis of that direction exists.
    bool ScrollAxes(bool horizontal, int32_t newPosition, int32_t previousPosition);
    void ScrollAxis(TCustomChartAxis* axis, int32_t from, int32_t to);
    void RememberScales();
    void RecallScales();

    bool ScalesRestored = true;
    bool ZoomedIn = false;
    bool CancelPress = false;
    // top, left, right, bottom
    std::array<TSavedAxisScales, 4> SavedScales;

    TChartNotify OnZoom;
    TChartNotify OnUndoZoom;
    TChartNotify OnScroll;
    TChartAllowScroll OnAllowScroll;
    TChartAxisClick OnClickAxis;
    TChartSeriesClick OnClickSeries;
    TChartClick OnClickBackground;
    TChartClick OnClickLegend;

    // Mouse actions in chart client pixels (the input handlers call these).
    void ChartMouseDown(TMouseButton button, int32_t x, int32_t y);
    void ChartMouseMove(int32_t x, int32_t y);
    void ChartMouseUp(TMouseButton button, int32_t x, int32_t y);
    void ChartMouseWheel(bool down);
    void ChartMouseLeave();

    // While a zoom drag shows its frame on the window, a paint with nothing
    // changed keeps the window as it is instead of copying the frameless
    // picture over it.
    void HandlePaint() override;

    // --- input from the host window --------------------------------------------------
    void MouseDown(const TMouseInput& input) override;
    void MouseMove(const TMouseInput& input) override;
    void MouseUp(const TMouseInput& input) override;
    // Small deltas add up to whole notches, each one turn of ChartMouseWheel.
    void MouseWheel(const TWheelInput& input) override;
    void MouseLeave() override;
    // An error box interrupted a drag: both drags end, a zoom frame still
    // shown is erased, so the chart never waits for a release that went to
    // the box.
    void CancelMouseMode() override;

protected:
    TRect DrawHeadings(TLynCanvas3D& canvas, const TRect& plot) override;
    TRect LayoutAxes(const TRect& plot) override;
    TRect ApplySeriesMargins(const TRect& plot) override;
    void PaintWalls(TLynCanvas3D& canvas, const TRect& plot) override;
    void DrawZoomFrame(TLynCanvas3D& canvas) override;
    TRect DrawTitleBlock(TLynCanvas3D& canvas, TChartTitle& title, bool atTop, const TRect& plot);
    void PlaceTitleBox(TLynCanvas3D& canvas, TChartTitle& title, const TRect& r, bool frameShown, bool atTop,
                       int32_t h);
    TRect DrawTitleLines(TLynCanvas3D& canvas, const TChartTitle& title, TRect r, bool atTop, int32_t h,
                         int32_t letterWidth);
    void PrepareTitleFill(TLynCanvas3D& canvas, TChartTitle& title);
    void DrawTitleBox(TLynCanvas3D& canvas, TChartTitle& title, int32_t letterWidth);
    void ApplyWallBrush(TLynCanvas3D& canvas, TChartWall& wall);
    // Brush colour c and style s; a hatch whose colour equals its background
    // b is drawn in black (white on black) so that it shows.
    void SetBrushFill(TLynCanvas3D& canvas, TColor color, TBrushStyle style, TColor background);

private:
    // What a press landed on: a series' point, else an axis, else nothing.
    struct TPressedItem {
        TChartSeries* Series = nullptr;
        int32_t Index = -1;
        TCustomChartAxis* Axis = nullptr;
    };
    TPressedItem FindPressedItem(int32_t x, int32_t y);
    bool RaisePressClick(const TPressedItem& pressed, TMouseButton button, int32_t x, int32_t y, bool& dragCheck);
    bool BeginDrag(TMouseButton button, int32_t x, int32_t y);
    std::array<std::pair<TCustomChartAxis*, int>, 4> SavedAxes();
    void ScrollDragMove(int32_t x, int32_t y);
    void ShowZoomFrame();
    void EndZoomDrag();
    void ShowWindowCanvas();
    void CaptureMouse();
    void ReleaseMouse();
    // RenderCount() when the zoom drag began: a paint during the drag leaves
    // the frame in the stored picture, which must then be rendered anew.
    int64_t RendersAtZoomStart = 0;
    // Wheel deltas (eighths of a degree) not yet making a whole notch; its
    // sign is the direction they were turned in.
    int WheelRemainder = 0;

    std::unique_ptr<TChartTitle> TitleValue;
    std::unique_ptr<TChartTitle> FootValue;
    std::unique_ptr<TChartWall> BackWallValue;
    std::unique_ptr<TChartWall> LeftWallValue;
    std::unique_ptr<TChartLegend> LegendValue;
    std::unique_ptr<TChartWall> BottomWallValue;
    // The chart's cursor when loading ended: the window's default.
    TCursorShape RestingCursor = crDefault;
};

class TChart : public TCustomChart {
public:
    using TCustomChart::TCustomChart;
};
