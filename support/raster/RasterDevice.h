#pragma once
// A device context of our own over a Format_RGB32 QImage. Lines, figures,
// fills and pixels are written straight into the image's scan lines with the
// platform's pixel conventions; text is measured and drawn with Qt on the
// same image under the same clip.
//
// Conventions:
//  - rectangles and fills cover columns left..right-1 and rows top..bottom-1;
//  - a line from A to B paints A and not B, by the midpoint rule with halves
//    going to the smaller coordinate, the same pixels in either direction;
//  - styled pens run their pattern on along a LineTo chain or a polyline
//    (MoveTo restarts it); in opaque background mode the gaps take BkColor;
//    styled pens wider than one pixel draw solid;
//  - a pen wider than one pixel paints a band that wide, centred on the line;
//  - a figure never paints a pixel twice, so drawing it twice with
//    NotXor restores the image;
//  - the clip is a rectangle that only ever narrows until it is removed;
//    every primitive and text honours it, and the image bound;
//  - on an image whose device-pixel ratio is not 1 every coordinate above
//    is logical; the pixel writer maps it to device pixels (DeviceScale.h)
//    and text is drawn at the device's resolution.

#include "support/raster/DeviceScale.h"
#include "support/raster/DeviceTypes.h"
#include "support/raster/Geometry.h"

#include <QFont>
#include <QImage>

#include <optional>
#include <string_view>

struct TPixelWriter;
struct TStrokePaint;

class TRasterDevice {
public:
    explicit TRasterDevice(QImage* target = nullptr);

    // A new target is a new surface: the clip is removed and the current
    // position goes to (0, 0); pen, brush, font and modes stay.
    void SetTarget(QImage* target);
    QImage* Target() const { return TargetImage; }

    TDevicePen Pen;
    TDeviceBrush Brush;
    TDeviceFont Font;
    TColor TextColor = clBlack;
    TColor BkColor = clWhite;
    TBkMode BkMode = bkOpaque;
    unsigned TextAlign = TA_LEFT | TA_TOP;

    // --- lines -----------------------------------------------------------------
    // MoveTo also restarts the pen's dash pattern.
    void MoveTo(int32_t x, int32_t y);
    void LineTo(int32_t x, int32_t y);
    TPoint CurrentPosition() const { return Position; }
    // Lines through the points; the last point stays unpainted. The current
    // position is neither used nor changed.
    void Polyline(const TPoint* points, int count);

    // --- figures -----------------------------------------------------------------
    // Outline with the pen, inside with the brush. With a clear pen there is
    // no outline and the fill covers left..right-2 and top..bottom-2, as on
    // the platform. Reversed corners are put in order first.
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Closed polygon through the points, filled by the even-odd rule, then
    // outlined; the outline's pattern starts afresh and a LineTo chain's
    // pattern runs on afterwards as if the polygon had not been drawn.
    // Where the outline crosses the fill both are painted (NotXor brushes
    // and pens are meant for clear-brush figures).
    void Polygon(const TPoint* points, int count);
    // The ellipse inscribed in the box left..right-1, top..bottom-1: pixels
    // whose centres lie inside it. The outline is the pixels within the pen
    // width of its edge (inside the box); styled pens outline it solid.
    void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Plain copy of rgb into the rectangle, whatever the pen mode.
    void FillRect(const TRect& rect, TColor rgb);

    void SetPixel(int32_t x, int32_t y, TColor rgb);
    // clNone outside the image.
    TColor GetPixel(int32_t x, int32_t y) const;

    // --- text --------------------------------------------------------------------
    // Anchored at (x, y) by TextAlign, turned by Font.EscapementTenths about
    // that point; the anchor applies in the turned text's own frame.
    void TextOut(int32_t x, int32_t y, std::string_view utf8);
    // Width and height (the font's line height) of the unturned text.
    TPoint TextExtent(std::string_view utf8) const;

    // --- clipping ------------------------------------------------------------------
    void IntersectClip(const TRect& rect);
    void RemoveClip();
    std::optional<TRect> Clip() const { return ClipRect; }

    // src onto dst with its top-left corner at (x, y), a plain copy limited
    // to dst's bounds.
    static void CopyImage(const QImage& src, QImage& dst, int32_t x, int32_t y);

private:
    QImage* TargetImage = nullptr;
    TPoint Position;
    int64_t PatternPosition = 0;
    std::optional<TRect> ClipRect;
    mutable std::optional<TDeviceFont> CachedFontKey;
    mutable std::optional<QFont> CachedFont;

    TDeviceScale Scale() const;
    TRect DrawBounds() const;
    TPixelWriter Writer(TDevicePenMode mode);
    bool PenPaints() const;
    int EffectivePenWidth() const;
    void StrokeLine(TPoint a, TPoint b);
    void StrokeStyledLine(const TPixelWriter& w, TPoint a, TPoint b);
    TStrokePaint StrokePaint(const TPixelWriter& w, int64_t position) const;
    void StrokeWideLine(const TPixelWriter& w, TPoint a, TPoint b, int width);
    void OutlineRectangle(const TPixelWriter& w, const TRect& r);
    void BrushSpan(const TPixelWriter& w, int32_t y, int32_t x0, int32_t x1) const;
    void FillFigure(const TPixelWriter& w, const TRect& r);
    void FillPolygonInside(const TPixelWriter& w, const TPoint* points, int count);
    const QFont& QtFont() const;
};
