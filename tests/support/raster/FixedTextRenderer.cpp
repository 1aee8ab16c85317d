// The fixed-metrics text renderer of the tests without a platform.
#include "tests/support/raster/FixedTextRenderer.h"

#include "support/numbers/Rounding.h"
#include "support/raster/DeviceScale.h"
#include "support/raster/Image.h"
#include "support/raster/PixelWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int32_t EmOf(const TDeviceFont& font) { return std::max(1, MulDiv(std::abs(font.Size), 96, 72)); }

int32_t CodePoints(std::string_view utf8)
{
    return static_cast<int32_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A rectangle of the text's own frame (logical pixels from the anchor)
// turned by a quarter turn counter-clockwise `quarters` times and scaled to
// device pixels about the anchor.
TRect Placed(const TRect& r, int quarters, const TTextPlacement& at, double ratio)
{
    TRect t = r;
    for (int i = 0; i < quarters; ++i) // (x, y) -> (y, -x) on a y-down image
        t = TRect{t.Top, -t.Right, t.Bottom, -t.Left};
    const auto map = [ratio](int32_t v) { return static_cast<int32_t>(std::floor(v * ratio + 0.5)); };
    return TRect{at.Anchor.X + map(t.Left), at.Anchor.Y + map(t.Top), at.Anchor.X + map(t.Right),
                 at.Anchor.Y + map(t.Bottom)};
}

void FillClipped(TImage& image, const TRect& r, const TRect& clip, TColor rgb)
{
    TRect area;
    if (!IntersectRect(area, r, clip))
        return;
    for (int32_t y = area.Top; y < area.Bottom; ++y)
        for (int32_t x = area.Left; x < area.Right; ++x)
            image.SetPixel(x, y, ToPixel(rgb));
}

} // namespace

int32_t TFixedTextRenderer::CharacterWidth(const TDeviceFont& font) { return (EmOf(font) + 1) / 2; }

int32_t TFixedTextRenderer::TextWidth(const TDeviceFont& font, double, std::string_view utf8)
{
    return CharacterWidth(font) * CodePoints(utf8);
}

TFontMetrics TFixedTextRenderer::Metrics(const TDeviceFont& font, double)
{
    const int32_t em = EmOf(font);
    return TFontMetrics{em + em / 4, em - em / 4};
}

void TFixedTextRenderer::DrawText(TImage& image, const TDeviceFont& font, std::string_view utf8,
                                  const TTextPlacement& at)
{
    if (at.EscapementTenths % 900 != 0)
        return;
    const int quarters = at.EscapementTenths / 900;
    const double ratio = TDeviceScale::ForRatio(image.DevicePixelRatio()).Ratio;
    const TRect cell{at.CellLeft, at.CellTop, at.CellLeft + at.Width, at.CellTop + at.Metrics.Height};
    if (at.Opaque)
        FillClipped(image, Placed(cell, quarters, at, ratio), at.Clip, at.BkColor);
    const int32_t advance = CharacterWidth(font);
    const int32_t count = CodePoints(utf8);
    for (int32_t i = 0; i < count; ++i) {
        const TRect glyph{cell.Left + i * advance, cell.Top, cell.Left + (i + 1) * advance - 1,
                          cell.Top + at.Metrics.Ascent};
        FillClipped(image, Placed(glyph, quarters, at, ratio), at.Clip, at.TextColor);
    }
}
