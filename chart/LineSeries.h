#pragma once
// The line series: joins its shown points with lines in each point's
// colour, brings a curve that starts left of the plot area in from its
// edge, and owns the (hidden) point marker.

#include "chart/SeriesData.h"

#include <functional>
#include <memory>

class TCustomSeries;
class TLynCanvas3D;

enum TSeriesPointerStyle {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot
};

using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TChartSeries* sender, int32_t valueIndex)>;
using TSeriesClickPointer = std::function<void(TCustomSeries* sender, int32_t valueIndex, int32_t x, int32_t y)>;

// Pixel positions beyond +-32766 on either axis are not handed to the
// drawing surface: such a point is skipped.
bool WithinPixelGuard(int32_t x, int32_t y);

// Whether pixel p lies on the segment from a to b: within one pixel of the
// line through them (measured along the longer extent) and, in each
// coordinate in which a and b differ, between them (ends included). A
// segment whose ends coincide contains no pixel.
bool PixelOnSegment(TPoint p, TPoint a, TPoint b);

// Draws a point marker centred on (x, y) with half sizes h and v, in the
// surface's current pen and brush (colour is used for single pixels).
void DrawMarkerShape(TLynCanvas3D& canvas, TSeriesPointerStyle style, int32_t x, int32_t y, int32_t h, int32_t v,
                     TColor color);

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

    // Draws the shown points. Where many points fall into one pixel column
    // it draws, in place of their vertical strokes, the few that cover the
    // same pixels (see SeriesColumns.cpp); the picture is the same.
    void DrawShownPoints(TLynCanvas3D& canvas) override;
    void DrawPoint(TLynCanvas3D& canvas, int32_t index) override;
    void HorizontalMargins(int32_t& left, int32_t& right) override;
    void VerticalMargins(int32_t& top, int32_t& bottom) override;
    int32_t PointAtPixel(int32_t x, int32_t y) const override;
    virtual void DrawPointerAt(TLynCanvas3D& canvas, int32_t x, int32_t y, int32_t index, TColor color);

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
    // Raised by PointAtPixel when the pixel is on a visible marker.
    TSeriesClickPointer OnClickPointer;

    // Where the next segment starts; carried from one DrawPoint to the next.
    int32_t PreviousPixelX = 0;
    int32_t PreviousPixelY = 0;
    TColor PreviousColor = 0;
    // False until a point of the current pass has set the previous pixel; a
    // point is never joined to a position left over from an earlier paint.
    bool HasPreviousPixel = false;
    // Draws every shown point by DrawPoint, never by pixel columns: the
    // reference picture of the tests.
    bool ForcePlainDrawing = false;
    // Whether the points between the first and last shown one may be drawn
    // by pixel columns: a plain line of this class, one pixel wide, solid,
    // in the series colour, over ascending X values, with axes placed as
    // the last paint placed them.
    bool CanDrawByColumns() const;

protected:
    // Joins point i at (x, y) to the previous pixel with the line pen in the
    // point's colour, then draws the markers when asked to.
    void JoinToPrevious(TLynCanvas3D& canvas, int32_t index, int32_t x, int32_t y, TColor color, bool isLast,
                        bool withMarkers);
    // The line from the plot edge towards the first shown point i starts here.
    void StartAtEdge(int32_t index);
    // The pixel height of the line from point i - 1 to point i at value v.
    int32_t EdgeInterpolatedY(int32_t index, double v) const;
    // Whether the segment drawn into point i (from its previous pixel)
    // covers pixel p, with the strokes of the stairs when they are on.
    bool SegmentCovers(TPoint from, TPoint to, TPoint p) const;

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
