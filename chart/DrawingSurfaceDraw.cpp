// The drawing operations of the surface: each goes straight to the current
// target's device with the current pen, brush and font.
#include "chart/DrawingSurfaceState.h"

#include <algorithm>

void TLynCanvas3D::Pixel(int32_t x, int32_t y, TColor color) { Device().SetPixel(x, y, ColorToRGB(color)); }
void TLynCanvas3D::MovePen(int32_t x, int32_t y) { Device().MoveTo(x, y); }
void TLynCanvas3D::DrawLineTo(int32_t x, int32_t y) { Device().LineTo(x, y); }

void TLynCanvas3D::DrawSegment(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    Device().MoveTo(x0, y0);
    Device().LineTo(x1, y1);
}

void TLynCanvas3D::HorizontalLine(int32_t x0, int32_t x1, int32_t y) { DrawSegment(x0, y, x1, y); }
void TLynCanvas3D::VerticalLine(int32_t x, int32_t y0, int32_t y1) { DrawSegment(x, y0, x, y1); }
void TLynCanvas3D::Polyline(const TPoint* points, int count) { Device().Polyline(points, count); }
void TLynCanvas3D::FillPolygon(const TPoint* points, int lastIndex) { Device().Polygon(points, lastIndex + 1); }
void TLynCanvas3D::DrawBox(int32_t x0, int32_t y0, int32_t x1, int32_t y1) { Device().Rectangle(x0, y0, x1, y1); }
void TLynCanvas3D::DrawBoxRect(const TRect& r) { DrawBox(r.Left, r.Top, r.Right, r.Bottom); }

// A fill with the brush and no outline: a clear brush fills nothing.
void TLynCanvas3D::FillBox(const TRect& r)
{
    TRasterDevice& d = Device();
    if (d.Brush.Style == TDeviceBrushStyle::Solid) {
        d.FillRect(r, d.Brush.Color);
        return;
    }
    if (d.Brush.Style == TDeviceBrushStyle::Clear)
        return;
    // A hatched fill: a box without outline covers one pixel less on the
    // right and bottom, so widen it by that pixel.
    const TDevicePen saved = d.Pen;
    d.Pen.Style = TDevicePenStyle::Clear;
    d.Pen.Mode = TDevicePenMode::Copy;
    d.Rectangle(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
    d.Pen = saved;
}

void TLynCanvas3D::EraseBox(const TRect& r) { FillBox(r); }
void TLynCanvas3D::Ellipse(int32_t x0, int32_t y0, int32_t x1, int32_t y1) { Device().Ellipse(x0, y0, x1, y1); }

void TLynCanvas3D::GradientFill(const TRect& r, TColor from, TColor to, bool vertical)
{
    const TColor a = ColorToRGB(from);
    const TColor b = ColorToRGB(to);
    const int32_t steps = vertical ? r.Height() : r.Width();
    if (steps <= 0 || r.IsEmpty())
        return;
    auto blend = [steps](int ca, int cb, int32_t i) {
        return ca + static_cast<int>((static_cast<int64_t>(cb - ca) * i) / std::max(1, steps - 1));
    };
    for (int32_t i = 0; i < steps; ++i) {
        const TColor c =
            RGBColor(blend(RedOf(a), RedOf(b), i), blend(GreenOf(a), GreenOf(b), i), blend(BlueOf(a), BlueOf(b), i));
        const TRect band = vertical ? TRect{r.Left, r.Top + i, r.Right, r.Top + i + 1}
                                    : TRect{r.Left + i, r.Top, r.Left + i + 1, r.Bottom};
        Device().FillRect(band, c);
    }
}

void TLynCanvas3D::DrawPicture(int32_t x, int32_t y, const TImage& picture)
{
    StretchDrawPicture(TRect{x, y, x + picture.Width(), y + picture.Height()}, picture);
}

// Device pixel (dx, dy) of the target takes the picture's pixel under its
// centre: column floor((dx - left + 0.5) * width / target width).
void TLynCanvas3D::StretchDrawPicture(const TRect& r, const TImage& picture)
{
    TRasterDevice& d = Device();
    TImage* target = d.Target();
    if (picture.IsNull() || target == nullptr || target->IsNull() || r.IsEmpty())
        return;
    const TDeviceScale scale = TDeviceScale::ForRatio(target->DevicePixelRatio());
    const TRect box = scale.Map(r);
    TRect area = box;
    if (const auto clip = d.Clip())
        IntersectRect(area, area, scale.Map(*clip));
    if (!IntersectRect(area, area, TRect{0, 0, target->Width(), target->Height()}))
        return;
    for (int32_t y = area.Top; y < area.Bottom; ++y) {
        const auto sy =
            static_cast<int32_t>((2 * int64_t{y - box.Top} + 1) * picture.Height() / (2 * int64_t{box.Height()}));
        TPixel* row = target->ScanLine(y);
        const TPixel* from = picture.ScanLine(sy);
        for (int32_t x = area.Left; x < area.Right; ++x)
            row[x] = from[(2 * int64_t{x - box.Left} + 1) * picture.Width() / (2 * int64_t{box.Width()})] | 0xFF000000u;
    }
}

// --- text ------------------------------------------------------------------------------

void TLynCanvas3D::PutText(int32_t x, int32_t y, std::string_view text)
{
    TRasterDevice& d = Device();
    d.TextColor = ColorToRGB(S->Current->FontColor);
    d.TextOut(x, y, text);
}

// The angle turns the text counter-clockwise about (x, y); the font with
// that escapement lives for this one call.
void TLynCanvas3D::PutRotatedText(int32_t x, int32_t y, int angle, std::string_view text)
{
    TRasterDevice& d = Device();
    d.Brush.Style = TDeviceBrushStyle::Clear;
    if (angle > 360)
        angle -= 360;
    const TDeviceFont previous = d.Font;
    d.Font.EscapementTenths = angle * 10;
    PutText(x, y, text);
    d.Font = previous;
}

int32_t TLynCanvas3D::MeasureTextWidth(std::string_view text) const
{
    return std::max(0, S->Current->Device.TextExtent(text).X);
}

int32_t TLynCanvas3D::MeasureTextHeight(std::string_view text) const
{
    return std::max(0, S->Current->Device.TextExtent(text).Y);
}

int32_t TLynCanvas3D::FontLineHeight() const { return MeasureTextHeight("W"); }

// --- clipping -----------------------------------------------------------------------------

// Logical and device coordinates are the same: the surface never maps them.
void TLynCanvas3D::ClipToRect(const TRect& r) { Device().IntersectClip(r); }

// One pixel in from the back wall's outline on the left, top and bottom;
// the right edge is exclusive already: (24, 30, 792, 160) lets x 25..791
// and y 31..158 through.
void TLynCanvas3D::ClipPlotArea(const TRect& r, int32_t, int32_t)
{
    ClipToRect(TRect{r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1});
}

void TLynCanvas3D::RemoveClip() { Device().RemoveClip(); }
