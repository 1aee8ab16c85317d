// The Windows text renderer: device fonts turned into GDI font
// descriptions, measured at ratio 1 and drawn at the image's ratio, and the
// opaque cell filled before the glyphs.
#include "platform/win32/TextRenderer.h"

#include "support/raster/DeviceScale.h"
#include "support/raster/Image.h"
#include "support/raster/PixelWriter.h"

#include "platform/win32/GdiText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

// <windows.h> names DrawTextW so; here it is the renderer's own.
#undef DrawText

namespace {

// The same font as on Linux: the face by its name and the em's pixel
// height from the points at 96 dpi (8 points are 11 pixels), which GDI
// takes as a negative character height.
win32::TGdiFontSpec SpecOf(const TDeviceFont& font)
{
    win32::TGdiFontSpec spec;
    spec.Face = font.Name;
    spec.Height = std::max(1, win32::PixelHeightOfPoints(std::abs(font.Size)));
    spec.Bold = font.Bold;
    spec.Italic = font.Italic;
    spec.Underline = font.Underline;
    spec.StrikeOut = font.StrikeOut;
    spec.EscapementTenths = font.EscapementTenths;
    return spec;
}

constexpr double Pi = 3.14159265358979323846;

// Fills the text's cell turned about the anchor: every device pixel whose
// centre, taken back into the text's frame, falls inside the cell.
void FillCell(TImage& image, const TTextPlacement& at, double ratio, TColor color)
{
    const double angle = at.EscapementTenths * Pi / 1800.0;
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    const double left = at.CellLeft * ratio;
    const double top = at.CellTop * ratio;
    const double right = left + at.Width * ratio;
    const double bottom = top + at.Metrics.Height * ratio;
    // The text runs along (cos, -sin) on rows that grow downwards and its
    // "down" is (sin, cos); the bounding box of the turned corners.
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    for (double u : {left, right})
        for (double v : {top, bottom}) {
            const double x = at.Anchor.X + u * cosine + v * sine;
            const double y = at.Anchor.Y - u * sine + v * cosine;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    const int32_t x0 = std::max<int32_t>(at.Clip.Left, static_cast<int32_t>(std::floor(minX)));
    const int32_t x1 = std::min<int32_t>(at.Clip.Right, static_cast<int32_t>(std::ceil(maxX)));
    const int32_t y0 = std::max<int32_t>(at.Clip.Top, static_cast<int32_t>(std::floor(minY)));
    const int32_t y1 = std::min<int32_t>(at.Clip.Bottom, static_cast<int32_t>(std::ceil(maxY)));
    const TPixel pixel = ToPixel(color);
    for (int32_t y = std::max(y0, 0); y < std::min(y1, image.Height()); ++y)
        for (int32_t x = std::max(x0, 0); x < std::min(x1, image.Width()); ++x) {
            const double dx = x + 0.5 - at.Anchor.X;
            const double dy = y + 0.5 - at.Anchor.Y;
            const double u = dx * cosine - dy * sine;
            const double v = dx * sine + dy * cosine;
            if (u >= left && u < right && v >= top && v < bottom)
                image.SetPixel(x, y, pixel);
        }
}

} // namespace

TWin32TextRenderer::TWin32TextRenderer() = default;
TWin32TextRenderer::~TWin32TextRenderer() = default;

win32::TGdiText& TWin32TextRenderer::TextFor(const TDeviceFont& font, double ratio)
{
    ++Clock;
    for (TEntry& entry : Entries)
        if (entry.Text && entry.Key == font && entry.Ratio == ratio) {
            entry.LastUse = Clock;
            return *entry.Text;
        }
    // A free place has LastUse 0 and so is taken before any held one; a
    // held one keeps its device context and only changes its font.
    TEntry& oldest = *std::min_element(Entries.begin(), Entries.end(),
                                       [](const TEntry& a, const TEntry& b) { return a.LastUse < b.LastUse; });
    if (!oldest.Text)
        oldest.Text = std::make_unique<win32::TGdiText>();
    oldest.Key = font;
    oldest.Ratio = ratio;
    oldest.LastUse = Clock;
    ++BuildCount;
    return *oldest.Text;
}

// The ratio does not change a measure: text is laid out in logical pixels.
int32_t TWin32TextRenderer::TextWidth(const TDeviceFont& font, double, std::string_view utf8)
{
    if (utf8.empty())
        return 0;
    TDeviceFont unturned = font;
    unturned.EscapementTenths = 0;
    return TextFor(unturned, 1).Measure(SpecOf(unturned), 1, utf8).Width;
}

TFontMetrics TWin32TextRenderer::Metrics(const TDeviceFont& font, double)
{
    TDeviceFont unturned = font;
    unturned.EscapementTenths = 0;
    const win32::TTextSize size = TextFor(unturned, 1).Measure(SpecOf(unturned), 1, {});
    return TFontMetrics{size.Height, size.Ascent};
}

void TWin32TextRenderer::DrawText(TImage& image, const TDeviceFont& font, std::string_view utf8,
                                  const TTextPlacement& at)
{
    if (image.IsNull())
        return;
    const double ratio = TDeviceScale::ForRatio(image.DevicePixelRatio()).Ratio;
    if (at.Opaque)
        FillCell(image, at, ratio, at.BkColor);
    if (utf8.empty())
        return;
    TDeviceFont turned = font;
    turned.EscapementTenths = at.EscapementTenths;
    // The baseline's start, turned about the anchor with the text: the
    // cell's ascent scaled, not the ascent of the font made at the ratio,
    // which rounds on its own and would move the glyphs off the cell.
    const double angle = at.EscapementTenths * Pi / 1800.0;
    const double u = at.CellLeft * ratio;
    const double v = (at.CellTop + at.Metrics.Ascent) * ratio;
    const int x = static_cast<int>(std::lround(at.Anchor.X + u * std::cos(angle) + v * std::sin(angle)));
    const int y = static_cast<int>(std::lround(at.Anchor.Y - u * std::sin(angle) + v * std::cos(angle)));
    win32::TPixelBuffer buffer{image.Bits(), image.Width(), image.Height(), image.Width()};
    const RECT clip = {at.Clip.Left, at.Clip.Top, at.Clip.Right, at.Clip.Bottom};
    const uint32_t rgb = ToPixel(at.TextColor) & 0xFFFFFFu;
    TextFor(turned, ratio).Draw(buffer, SpecOf(turned), ratio, x, y, rgb, clip, utf8, TA_LEFT | TA_BASELINE);
}
