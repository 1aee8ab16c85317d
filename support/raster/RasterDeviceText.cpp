// Text of the raster device: the cell is placed here and the platform's
// text renderer measures and draws it on the target image. The text cell
// is the advance width by the font's line height; the anchor (TextAlign)
// picks the point of that cell that lands on (x, y), and the escapement
// turns the cell about that point.

#include "support/raster/RasterDevice.h"

#include <algorithm>

namespace {

// The cell's top-left corner relative to the anchor point, in the text's
// own (unturned) frame. Centre halves the width truncating: a 15-pixel wide
// text centred at x starts at x - 7.
TPoint CellOffset(unsigned align, int width, int height, int ascent)
{
    int left = 0;
    if ((align & TA_CENTER) == TA_CENTER)
        left = -(width / 2);
    else if ((align & TA_RIGHT) == TA_RIGHT)
        left = -width;
    int top = 0;
    if ((align & TA_BASELINE) == TA_BASELINE)
        top = -ascent;
    else if ((align & TA_BOTTOM) == TA_BOTTOM)
        top = -height;
    return TPoint{left, top};
}

// Tenths of a degree, counter-clockwise, brought into 0..3599.
int NormalisedEscapement(int tenths)
{
    int e = tenths % 3600;
    return e < 0 ? e + 3600 : e;
}

} // namespace

ITextRenderer* TRasterDevice::Renderer() const { return OwnRenderer ? OwnRenderer : CurrentTextRenderer(); }

double TRasterDevice::Ratio() const { return Scale().Ratio; }

TPoint TRasterDevice::TextExtent(std::string_view utf8) const { return TextExtent(Font, utf8); }

TPoint TRasterDevice::TextExtent(const TDeviceFont& font, std::string_view utf8) const
{
    ITextRenderer* renderer = Renderer();
    if (renderer == nullptr)
        return TPoint{};
    const int32_t width = utf8.empty() ? 0 : renderer->TextWidth(font, Ratio(), utf8);
    return TPoint{width, renderer->Metrics(font, Ratio()).Height};
}

// The clip and the anchor go to the renderer in device pixels, mapped as
// every other primitive maps them; the cell stays logical, and the
// renderer draws it at the device's scale so that the glyphs have the
// device's resolution.
void TRasterDevice::TextOut(int32_t x, int32_t y, std::string_view utf8)
{
    const TRect bounds = DrawBounds();
    ITextRenderer* renderer = Renderer();
    if (bounds.IsEmpty() || utf8.empty() || renderer == nullptr)
        return;
    const double ratio = Ratio();
    TTextPlacement at;
    at.Width = renderer->TextWidth(Font, ratio, utf8);
    at.Metrics = renderer->Metrics(Font, ratio);
    const TPoint cell = CellOffset(TextAlign, at.Width, at.Metrics.Height, at.Metrics.Ascent);
    at.CellLeft = cell.X;
    at.CellTop = cell.Y;
    const TDeviceScale scale = Scale();
    at.Anchor = TPoint{scale.Map(x), scale.Map(y)};
    IntersectRect(at.Clip, scale.Map(bounds), TRect{0, 0, TargetImage->Width(), TargetImage->Height()});
    at.EscapementTenths = NormalisedEscapement(Font.EscapementTenths);
    at.TextColor = TextColor;
    at.Opaque = BkMode == bkOpaque;
    at.BkColor = BkColor;
    renderer->DrawText(*TargetImage, Font, utf8, at);
}
