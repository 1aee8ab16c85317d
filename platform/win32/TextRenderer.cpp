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
win32::TGdiFontRequest DefinitionOf(const TDeviceFont& font)
{
    win32::TGdiFontRequest definition;
    definition.Face = font.Name;
    definition.Height = std::max(1, win32::PixelHeightOfPoints(std::abs(font.Size)));
    definition.Bold = font.Bold;
    definition.Italic = font.Italic;
    definition.Underline = font.Underline;
    definition.StrikeOut = font.StrikeOut;
    definition.EscapementTenths = font.EscapementTenths;
    return definition;
}

constexpr double Pi = 3.14159265358979323846;

// The text's cell in its own frame, in device pixels from the anchor, and
// the turn of that frame.
struct TCell {
    double Left, Top, Right, Bottom; // in the text's frame, device pixels
    double Cosine, Sine;
};

TCell CellOf(const TTextPlacement& at, double ratio)
{
    const double angle = at.EscapementTenths * Pi / 1800.0;
    const double left = at.CellLeft * ratio;
    const double top = at.CellTop * ratio;
    return {left, top, left + at.Width * ratio, top + at.Metrics.Height * ratio, std::cos(angle), std::sin(angle)};
}

// The bounding box of the turned cell grown by `margin`, within the clip.
TRect BoundsWithin(const TTextPlacement& at, const TCell& cell, double margin)
{
    // The text runs along (cos, -sin) on rows that grow downwards and its
    // "down" is (sin, cos).
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    for (double u : {cell.Left - margin, cell.Right + margin})
        for (double v : {cell.Top - margin, cell.Bottom + margin}) {
            const double x = at.Anchor.X + u * cell.Cosine + v * cell.Sine;
            const double y = at.Anchor.Y - u * cell.Sine + v * cell.Cosine;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    const auto within = [](double value, int32_t low, int32_t high) {
        return static_cast<int32_t>(std::clamp(value, double(low), double(high)));
    };
    return {within(std::floor(minX), at.Clip.Left, at.Clip.Right),
            within(std::floor(minY), at.Clip.Top, at.Clip.Bottom), within(std::ceil(maxX), at.Clip.Left, at.Clip.Right),
            within(std::ceil(maxY), at.Clip.Top, at.Clip.Bottom)};
}

// Fills the text's cell turned about the anchor: every device pixel whose
// centre, taken back into the text's frame, falls inside the cell.
void FillCell(TImage& image, const TTextPlacement& at, double ratio, TColor color)
{
    const TCell cell = CellOf(at, ratio);
    const TRect box = BoundsWithin(at, cell, 0);
    const TPixel pixel = ToPixel(color);
    for (int32_t y = std::max(box.Top, 0); y < std::min(box.Bottom, image.Height()); ++y)
        for (int32_t x = std::max(box.Left, 0); x < std::min(box.Right, image.Width()); ++x) {
            const double dx = x + 0.5 - at.Anchor.X;
            const double dy = y + 0.5 - at.Anchor.Y;
            const double u = dx * cell.Cosine - dy * cell.Sine;
            const double v = dx * cell.Sine + dy * cell.Cosine;
            if (u >= cell.Left && u < cell.Right && v >= cell.Top && v < cell.Bottom)
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
    return TextFor(unturned, 1).Measure(DefinitionOf(unturned), 1, utf8).Width;
}

TFontMetrics TWin32TextRenderer::Metrics(const TDeviceFont& font, double)
{
    TDeviceFont unturned = font;
    unturned.EscapementTenths = 0;
    const win32::TTextSize size = TextFor(unturned, 1).Measure(DefinitionOf(unturned), 1, {});
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
    // GDI draws on a copy of the clip's pixels: narrowed to the cell and a
    // line's height around it (room for any glyph's overhang), a label
    // costs its own size, not the whole picture's.
    const TRect around = BoundsWithin(at, CellOf(at, ratio), at.Metrics.Height * ratio);
    const RECT clip = {around.Left, around.Top, around.Right, around.Bottom};
    const uint32_t rgb = ToPixel(at.TextColor) & 0xFFFFFFu;
    TextFor(turned, ratio).Draw(buffer, DefinitionOf(turned), ratio, x, y, rgb, clip, utf8, TA_LEFT | TA_BASELINE);
}
