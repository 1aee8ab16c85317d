#pragma once
// A device context of our own over an image of our own (Image.h). Lines,
// figures, fills and pixels are written straight into the image's scan
// lines with the platform's pixel conventions; text is placed here and
// measured and drawn by the platform's text renderer (TextRenderer.h) on
// the same image under the same clip.
//
// Conventions:
//  - rectangles and fills cover columns left..right-1 and rows top..bottom-1;
//  - a line from A to B paints A and not B, by the midpoint rule with halves
//    going to the smaller coordinate, the same pixels in either direction;
//  - styled pens start their pattern afresh at every LineTo and run it on
//    through the segments of a Polyline, Polygon or Rectangle; in opaque
//    background mode the gaps take BkColor, except for the alternate pen,
//    whose gaps are never painted; styled pens wider than one pixel draw
//    solid;
//  - a pen wider than one pixel is a geometric pen: a band that wide,
//    symmetric in direction, with round end caps and round joins;
//  - a figure paints a pixel at most once (the one-pixel outline of a box
//    one pixel wide or high excepted, whose two coinciding sides are both
//    drawn), so drawing it twice with NotXor restores the image;
//  - the clip is a rectangle that only ever narrows until it is removed;
//    every primitive and text honours it, and the image bound;
//  - on an image whose device-pixel ratio is not 1 every coordinate above
//    is logical; the pixel writer maps it to device pixels (DeviceScale.h)
//    and text is drawn at the device's resolution.

#include "support/raster/DeviceScale.h"
#include "support/raster/DeviceTypes.h"
#include "support/raster/Geometry.h"
#include "support/raster/Image.h"
#include "support/raster/TextRenderer.h"

#include <optional>
#include <string_view>

struct TPixelWriter;
struct TStrokePaint;

class TRasterDevice {
public:
    explicit TRasterDevice(TImage* target = nullptr);

    // A new target is a new surface: the clip is removed and the current
    // position goes to (0, 0); pen, brush, font and modes stay.
    void SetTarget(TImage* target);
    TImage* Target() const { return TargetImage; }

    // The renderer that measures and draws this device's text: the process's
    // (CurrentTextRenderer) unless another is set here (nullptr: the
    // process's again).
    void SetTextRenderer(ITextRenderer* renderer) { OwnRenderer = renderer; }

    TDevicePen Pen;
    TDeviceBrush Brush;
    TDeviceFont Font;
    TColor TextColor = clBlack;
    TColor BkColor = clWhite;
    TBkMode BkMode = bkOpaque;
    unsigned TextAlign = TA_LEFT | TA_TOP;

    // --- lines -----------------------------------------------------------------
    void MoveTo(int32_t x, int32_t y);
    void LineTo(int32_t x, int32_t y);
    TPoint CurrentPosition() const { return Position; }
    // Lines through the points; the last point stays unpainted. The current
    // position is neither used nor changed.
    void Polyline(const TPoint* points, int count);

    // --- figures -----------------------------------------------------------------
    // Outline with the pen, inside with the brush. The outline runs through
    // the corners (left, top) and (right-1, bottom-1); a one-pixel outline is
    // drawn as the lines (right-1, top) -> (left, top) -> (left, bottom-1) ->
    // (right-1, bottom-1) -> back to the start, one pattern running through
    // them. With a clear pen there is no outline and the fill covers
    // left..right-2 and top..bottom-2, as on the platform. Reversed corners
    // are put in order first.
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Closed polygon through the points, filled by the even-odd rule
    // (PolygonScan.h), then outlined with one pattern running through its
    // sides. Where the outline crosses the fill both are painted (NotXor
    // brushes and pens are meant for clear-brush figures).
    void Polygon(const TPoint* points, int count);
    // The ellipse inscribed in the box left..right-1, top..bottom-1: a
    // one-pixel outline through the centres of the box's outer pixels
    // (EllipseOutline.h), the brush inside it. A wide pen paints its dot on
    // every outline pixel; styled pens outline it solid. A box of one pixel
    // draws nothing.
    void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Plain copy of rgb into the rectangle, whatever the pen mode. Reversed
    // corners keep their meaning: the left (top) coordinate is covered and
    // the right (bottom) one is not, so left 30, right 25 fills 26..30.
    void FillRect(const TRect& rect, TColor rgb);

    // With the pen's raster operation.
    void SetPixel(int32_t x, int32_t y, TColor rgb);
    // clNone outside the image.
    TColor GetPixel(int32_t x, int32_t y) const;

    // --- text --------------------------------------------------------------------
    // Anchored at (x, y) by TextAlign, turned by Font.EscapementTenths about
    // that point; the anchor applies in the turned text's own frame.
    void TextOut(int32_t x, int32_t y, std::string_view utf8);
    // Width and height (the font's line height) of the unturned text.
    TPoint TextExtent(std::string_view utf8) const;
    // The same in the given font, leaving the selected one as it is.
    TPoint TextExtent(const TDeviceFont& font, std::string_view utf8) const;

    // --- clipping ------------------------------------------------------------------
    void IntersectClip(const TRect& rect);
    void RemoveClip();
    std::optional<TRect> Clip() const { return ClipRect; }

    // src onto dst with its top-left corner at (x, y), a plain copy limited
    // to dst's bounds.
    static void CopyImage(const TImage& src, TImage& dst, int32_t x, int32_t y);

    // How logical pixels land on the target's device pixels (the identity
    // without a target).
    TDeviceScale Scale() const;

private:
    TImage* TargetImage = nullptr;
    ITextRenderer* OwnRenderer = nullptr;
    TPoint Position;
    std::optional<TRect> ClipRect;

    TRect DrawBounds() const;
    TPixelWriter Writer(TDevicePenMode mode);
    bool PenPaints() const;
    int EffectivePenWidth() const;
    void StrokePath(const TPoint* points, int count, bool closed);
    void StrokeStyledLine(const TPixelWriter& w, TPoint a, TPoint b, int64_t& patternPosition);
    TStrokePaint StrokePaint(const TPixelWriter& w, int64_t position) const;
    void WideRectangle(const TPixelWriter& w, const TRect& r, int width);
    void BrushSpan(const TPixelWriter& w, int32_t y, int32_t x0, int32_t x1) const;
    void FillFigure(const TPixelWriter& w, const TRect& r);
    void FillPolygonInside(const TPixelWriter& w, const TPoint* points, int count);
    ITextRenderer* Renderer() const;
    double Ratio() const;
};
