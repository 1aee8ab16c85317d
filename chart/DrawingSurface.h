#pragma once
// The drawing surface of a chart: every chart drawing goes through one
// TLynCanvas3D. It draws a whole paint into an off-screen bitmap and copies
// that to the window's image at the end, so the chart never flickers and an
// unchanged chart is repainted by one copy.
//
// Coordinates are 32-bit pixels, y downwards; rectangles exclude their right
// and bottom edge and lines exclude their end point. The charts are
// two-dimensional: the 3D layer keeps only its switch and projection call.

#include "chart/ChartPens.h"
#include "support/raster/Geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TImage;
class TRasterDevice;

// Text anchor flags: one horizontal plus one vertical flag.
enum : unsigned {
    anLeftTop = 0,
    anRight = 2,
    anCenter = 6,
    anTop = 0,
    anBottom = 8,
    anBaseline = 24,
};

// Background modes for text and styled pens.
enum : int { bmTransparent = 1, bmOpaque = 2 };

// The 3D view parameters of a chart. None of them changes 2D drawing.
class TView3DOptions : public TChangeNotifier {
public:
    int Elevation() const { return ElevationValue; }
    int HorizOffset() const { return HorizOffsetValue; }
    bool Orthogonal() const { return OrthogonalValue; }
    int Perspective() const { return PerspectiveValue; }
    int Rotation() const { return RotationValue; }
    int Tilt() const { return TiltValue; }
    int VertOffset() const { return VertOffsetValue; }
    int Zoom() const { return ZoomValue; }
    bool ZoomText() const { return ZoomTextValue; }

    void SetElevation(int v) { Store(ElevationValue, v); }
    void SetHorizOffset(int v) { Store(HorizOffsetValue, v); }
    void SetOrthogonal(bool v) { Store(OrthogonalValue, v); }
    void SetPerspective(int v) { Store(PerspectiveValue, v); }
    void SetRotation(int v) { Store(RotationValue, v); }
    void SetTilt(int v) { Store(TiltValue, v); }
    void SetVertOffset(int v) { Store(VertOffsetValue, v); }
    void SetZoom(int v) { Store(ZoomValue, v); }
    void SetZoomText(bool v) { Store(ZoomTextValue, v); }
    void Assign(const TView3DOptions& source);

private:
    int ElevationValue = 345;
    int HorizOffsetValue = 0;
    bool OrthogonalValue = true;
    int PerspectiveValue = 15;
    int RotationValue = 345;
    int TiltValue = 0;
    int VertOffsetValue = 0;
    int ZoomValue = 100;
    bool ZoomTextValue = true;
};

class TLynCanvas3D {
public:
    TLynCanvas3D();
    ~TLynCanvas3D();
    TLynCanvas3D(const TLynCanvas3D&) = delete;
    TLynCanvas3D& operator=(const TLynCanvas3D&) = delete;

    // The window canvas: the image the widget shows. Between paints the
    // surface draws on it; during a buffered paint on the off-screen bitmap.
    void BindWindowCanvas(TImage* windowImage);

    // Called when the surface needs its chart repainted (Monochrome change).
    void SetOnNeedRepaint(TNotifyChange onNeedRepaint);

    // --- frames -----------------------------------------------------------
    // Starts a paint of the panel rectangle R; returns the drawing rectangle:
    // (0, 0, width, height) on the off-screen bitmap, or R itself when
    // buffering is off.
    TRect BeginFrame(TImage* windowCanvas, const TView3DOptions* options, const TRect& panelRect, bool view3D,
                     TColor panelColor);
    // Copies the bitmap to destination at R's top-left corner and clears the
    // stale mark; the window canvas becomes the target again.
    void PresentFrame(TImage* destination, TImage* windowCanvas, const TRect& panelRect);
    // Copies the stored picture to the current target when it is not stale.
    bool RepaintFromBuffer();
    void MarkStale();
    bool IsStale() const;

    bool UseOffscreenBuffer() const;
    void SetUseOffscreenBuffer(bool value);
    bool Monochrome() const;
    void SetMonochrome(bool value);
    // The off-screen bitmap of the last buffered paint, or nullptr.
    const TImage* OffscreenBitmap() const;

    // --- state ---------------------------------------------------------------
    void ApplyChartPen(const TChartPen& pen);
    void SetPenColor(TColor color);
    void SetPenWidth(int width);
    void SetPenStyle(TPenStyle style);
    void SetPenMode(TPenMode mode);
    TColor PenColor() const;
    int PenWidth() const;
    TPenStyle PenStyle() const;
    TPenMode PenMode() const;
    bool PenIsAlternate() const;

    void SetBrushColor(TColor color);
    void SetBrushStyle(TBrushStyle style);
    void AssignBrush(const TChartBrush& brush);
    TColor BrushColor() const;
    TBrushStyle BrushStyle() const;

    // Copies name, size, colour and style into the surface font.
    void SelectFont(const TChartFont& font);
    TColor FontColor() const;
    int FontSize() const;

    void SetBackgroundColor(TColor color);
    TColor BackgroundColor() const;
    void SetBackgroundMode(int mode);
    int BackgroundMode() const;
    void SetTextAnchor(unsigned flags);
    unsigned TextAnchor() const;

    // --- drawing ---------------------------------------------------------------
    void Pixel(int32_t x, int32_t y, TColor color);
    void MovePen(int32_t x, int32_t y);
    void DrawLineTo(int32_t x, int32_t y);
    void DrawSegment(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
    void HorizontalLine(int32_t x0, int32_t x1, int32_t y);
    void VerticalLine(int32_t x, int32_t y0, int32_t y1);
    void Polyline(const TPoint* points, int count);
    void FillPolygon(const TPoint* points, int lastIndex);
    void DrawBox(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
    void DrawBoxRect(const TRect& r);
    void FillBox(const TRect& r);
    void EraseBox(const TRect& r);
    void Ellipse(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
    // A linear blend from one colour to the other across R: top to bottom
    // when vertical, else left to right.
    void GradientFill(const TRect& r, TColor from, TColor to, bool vertical);
    // A picture at (x, y) in its own size (logical pixels), or stretched
    // over R, each device pixel taking the picture's pixel under its centre;
    // nothing for an empty picture. Both honour the clip.
    void DrawPicture(int32_t x, int32_t y, const TImage& picture);
    void StretchDrawPicture(const TRect& r, const TImage& picture);

    void PutText(int32_t x, int32_t y, std::string_view text);
    void PutRotatedText(int32_t x, int32_t y, int angle, std::string_view text);
    int32_t MeasureTextWidth(std::string_view text) const;
    int32_t MeasureTextHeight(std::string_view text) const;
    int32_t FontLineHeight() const; // MeasureTextHeight("W")
    // The same in the given font, whatever font is selected: a step that
    // only measures leaves the surface as it found it.
    int32_t MeasureTextWidth(const TChartFont& font, std::string_view text) const;
    int32_t FontLineHeight(const TChartFont& font) const;

    // --- clipping ----------------------------------------------------------------
    void ClipToRect(const TRect& r);
    // In 2D: ClipToRect((R.left + 1, R.top + 1, R.right, R.bottom - 1)).
    void ClipPlotArea(const TRect& r, int32_t z0, int32_t z1);
    void RemoveClip();

    // --- 3D layer (flat twins in 2D) -----------------------------------------------
    void SetProjectionCenter(int32_t depth, const TRect& panelRect, const TRect& chartRect);
    void BeginFrontPlane();
    void EndFrontPlane();
    // The panel rectangle and 3D switch of the current paint.
    const TRect& Bounds() const;
    bool Is3D() const;

    // Pen, brush, font and background back to known values after a paint.
    void RestoreDefaults();

    // The device that does the pixel work (tests and the zoom frame use it).
    TRasterDevice& Device();

private:
    struct State;
    std::unique_ptr<State> S;
};
