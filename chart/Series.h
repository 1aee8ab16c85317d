#pragma once
// The line series: joins its shown points with lines in each point's
// colour, brings a curve that starts left of the plot area in from its
// edge, and owns the (hidden) point marker.

#include "chart/ChartSeries.h"

#include <functional>
#include <memory>

class TCustomSeries;

enum TSeriesPointerStyle { psRectangle, psCircle, psTriangle, psDownTriangle, psCross, psDiagCross, psStar,
                           psDiamond, psSmallDot };

using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TChartSeries* sender, int32_t valueIndex)>;

class TSeriesPointer {
public:
    explicit TSeriesPointer(TCustomSeries* owner);

    TChartBrush& Brush() { return BrushValue; }
    TChartPen& Pen() { return PenValue; }
    bool Dark3D() const { return Dark3DValue; }
    void SetDark3D(bool v);
    bool Draw3D() const { return Draw3DValue; }
    void SetDraw3D(bool v);
    int HorizSize() const { return HorizSizeValue; }
    // Below 1 raises ChartException "Pointer size must be greater than zero".
    void SetHorizSize(int v);
    int VertSize() const { return VertSizeValue; }
    void SetVertSize(int v);
    bool InflateMargins() const { return InflateMarginsValue; }
    void SetInflateMargins(bool v);
    TSeriesPointerStyle Style() const { return StyleValue; }
    void SetStyle(TSeriesPointerStyle v);
    bool Visible() const { return VisibleValue; }
    void SetVisible(bool v);

private:
    template <class T>
    void Store(T& field, const T& value);

    TCustomSeries* Owner;
    bool Dark3DValue = true;
    bool Draw3DValue = true;
    TChartBrush BrushValue;
    int HorizSizeValue = 4;
    bool InflateMarginsValue = true;
    TChartPen PenValue;
    TSeriesPointerStyle StyleValue = psRectangle;
    int VertSizeValue = 4;
    bool VisibleValue = true;
};

class TCustomSeries : public TChartSeries {
public:
    TCustomSeries();
    ~TCustomSeries() override;

    void DrawPoint(int32_t index) override;
    void HorizontalMargins(int32_t& left, int32_t& right) override;
    void VerticalMargins(int32_t& top, int32_t& bottom) override;
    int32_t PointPixelX(int32_t index) const override;
    int32_t PointPixelY(int32_t index) const override;
    int32_t PointAtPixel(int32_t x, int32_t y) const override;
    virtual void DrawPointerAt(int32_t x, int32_t y, int32_t index, TColor color);

    bool Dark3D() const { return Dark3DValue; }
    void SetDark3D(bool v) { StoreAndRepaint(Dark3DValue, v); }
    bool DrawArea() const { return DrawAreaValue; }
    bool JoinPoints() const { return JoinPointsValue; }
    void SetJoinPoints(bool v) { StoreAndRepaint(JoinPointsValue, v); }
    bool InvertedStairs() const { return InvertedStairsValue; }
    void SetInvertedStairs(bool v) { StoreAndRepaint(InvertedStairsValue, v); }
    TBrushStyle LineBrush() const { return LineBrushValue; }
    void SetLineBrush(TBrushStyle v) { StoreAndRepaint(LineBrushValue, v); }
    int32_t LineHeight() const { return LineHeightValue; }
    void SetLineHeight(int32_t v) { StoreAndRepaint(LineHeightValue, v); }
    TChartPen& LinePen() { return *LinePenValue; }
    const TChartPen& LinePen() const { return *LinePenValue; }
    TSeriesPointer& Pointer() { return *PointerValue; }
    const TSeriesPointer& Pointer() const { return *PointerValue; }
    bool Stairs() const { return StairsValue; }
    void SetStairs(bool v) { StoreAndRepaint(StairsValue, v); }
    TOnGetPointerStyle OnGetPointerStyle;

    // Where the next segment starts; carried from one DrawPoint to the next.
    int32_t PreviousPixelX = 0;
    int32_t PreviousPixelY = 0;
    TColor PreviousColor = 0;

protected:
    bool DrawAreaValue = false;
    bool JoinPointsValue = false;

private:
    bool Dark3DValue = true;
    bool InvertedStairsValue = false;
    TBrushStyle LineBrushValue = bsSolid;
    int32_t LineHeightValue = 0;
    std::unique_ptr<TChartPen> LinePenValue;
    std::unique_ptr<TChartPen> AreaLinesPen;
    std::unique_ptr<TSeriesPointer> PointerValue;
    bool StairsValue = false;
};

class TLineSeries : public TCustomSeries {
public:
    TLineSeries();
};
