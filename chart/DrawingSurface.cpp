// The drawing surface: targets, off-screen frames and the drawing state.
// The drawing operations themselves are in DrawingSurfaceDraw.cpp.
#include "chart/DrawingSurfaceState.h"

#include <algorithm>

void TView3DOptions::Assign(const TView3DOptions& s)
{
    SetElevation(s.Elevation());
    SetHorizOffset(s.HorizOffset());
    SetOrthogonal(s.Orthogonal());
    SetPerspective(s.Perspective());
    SetRotation(s.Rotation());
    SetTilt(s.Tilt());
    SetVertOffset(s.VertOffset());
    SetZoom(s.Zoom());
    SetZoomText(s.ZoomText());
}

TLynCanvas3D::TLynCanvas3D() : S(std::make_unique<State>()) {}
TLynCanvas3D::~TLynCanvas3D() = default;

void TLynCanvas3D::BindWindowCanvas(TImage* windowImage)
{
    S->WindowTarget.Device.SetTarget(windowImage);
    S->Current = &S->WindowTarget;
}

void TLynCanvas3D::SetOnNeedRepaint(TNotifyChange onNeedRepaint) { S->OnNeedRepaint = std::move(onNeedRepaint); }

// --- frames ---------------------------------------------------------------------

TRect TLynCanvas3D::BeginFrame(TImage* windowCanvas, const TView3DOptions* options, const TRect& panelRect, bool view3D,
                               TColor)
{
    S->Bounds = panelRect;
    S->Options = options;
    S->On3D = view3D;
    S->Orthogonal = false;
    S->ZoomFactor = 1.0;
    if (!S->Buffered) {
        S->WindowTarget.Device.SetTarget(windowCanvas);
        S->Current = &S->WindowTarget;
        return panelRect;
    }
    const int32_t w = std::max(0, panelRect.Width());
    const int32_t h = std::max(0, panelRect.Height());
    // The bitmap has the window's resolution; the paint still counts in
    // logical pixels.
    const TDeviceScale scale = TDeviceScale::ForRatio(windowCanvas ? windowCanvas->DevicePixelRatio() : 1.0);
    const int32_t deviceWidth = scale.Map(w);
    const int32_t deviceHeight = scale.Map(h);
    if (S->Bitmap && (S->Bitmap->Width() != deviceWidth || S->Bitmap->Height() != deviceHeight ||
                      S->Bitmap->DevicePixelRatio() != scale.Ratio))
        S->Bitmap.reset();
    if (!S->Bitmap)
        S->Bitmap = std::make_unique<TImage>(deviceWidth, deviceHeight, scale.Ratio);
    // Re-binding also drops a clip or pen position that an interrupted paint
    // may have left behind; pen, brush and font stay as the last paint left
    // them.
    S->BitmapTarget.Device.SetTarget(S->Bitmap.get());
    S->Current = &S->BitmapTarget;
    return TRect{0, 0, w, h};
}

namespace {

// Black where a pixel's grey (red 11, green 16, blue 5 parts of 32) is
// under half, else white: $808080 stays white, $7F7F7F turns black.
void ReduceToBlackAndWhite(TImage& image)
{
    TPixel* p = image.Bits();
    const size_t count = static_cast<size_t>(image.Width()) * static_cast<size_t>(image.Height());
    for (size_t i = 0; i < count; ++i) {
        const uint32_t r = (p[i] >> 16) & 0xFF;
        const uint32_t g = (p[i] >> 8) & 0xFF;
        const uint32_t b = p[i] & 0xFF;
        p[i] = (r * 11 + g * 16 + b * 5) / 32 < 128 ? 0xFF000000u : 0xFFFFFFFFu;
    }
}

} // namespace

void TLynCanvas3D::PresentFrame(TImage* destination, TImage* windowCanvas, const TRect& panelRect)
{
    if (S->Buffered && S->Bitmap) {
        // A monochrome bitmap keeps only black and white; the stored picture
        // is reduced too, so a repaint from it shows no colour either.
        if (S->Mono)
            ReduceToBlackAndWhite(*S->Bitmap);
        if (destination)
            TRasterDevice::CopyImage(*S->Bitmap, *destination, panelRect.Left, panelRect.Top);
        S->Stale = false;
    }
    S->WindowTarget.Device.SetTarget(windowCanvas);
    S->Current = &S->WindowTarget;
}

bool TLynCanvas3D::RepaintFromBuffer()
{
    if (S->Stale)
        return false;
    TImage* target = S->Current->Device.Target();
    if (S->Bitmap && target)
        TRasterDevice::CopyImage(*S->Bitmap, *target, 0, 0);
    return true;
}

void TLynCanvas3D::MarkStale() { S->Stale = true; }
bool TLynCanvas3D::IsStale() const { return S->Stale; }

bool TLynCanvas3D::UseOffscreenBuffer() const { return S->Buffered; }

void TLynCanvas3D::SetUseOffscreenBuffer(bool value)
{
    S->Buffered = value;
    if (!value && S->Bitmap) {
        S->Bitmap.reset();
        S->Stale = true;
    }
}

bool TLynCanvas3D::Monochrome() const { return S->Mono; }

void TLynCanvas3D::SetMonochrome(bool value)
{
    if (S->Mono == value)
        return;
    S->Mono = value;
    S->Bitmap.reset();
    S->Stale = true;
    if (S->OnNeedRepaint)
        S->OnNeedRepaint();
}

const TImage* TLynCanvas3D::OffscreenBitmap() const { return S->Bitmap.get(); }

TRasterDevice& TLynCanvas3D::Device() { return S->Current->Device; }
const TRect& TLynCanvas3D::Bounds() const { return S->Bounds; }
bool TLynCanvas3D::Is3D() const { return S->On3D; }

// --- pen ---------------------------------------------------------------------------

void TLynCanvas3D::ApplyChartPen(const TChartPen& pen)
{
    TDevicePen& target = Device().Pen;
    if (!pen.Visible()) {
        target.Style = TDevicePenStyle::Clear;
        return;
    }
    if (pen.SmallDots() && pen.Width() == 1) {
        // The alternate pen: one pixel on, one off, in the pen colour. Like
        // a pen handle taken over by the toolkit pen, it keeps the mode.
        target.Color = ColorToRGB(pen.Color());
        target.Width = 1;
        target.Style = TDevicePenStyle::Alternate;
        return;
    }
    target.Color = ColorToRGB(pen.Color());
    target.Width = pen.Width();
    target.Style = static_cast<TDevicePenStyle>(pen.Style());
    target.Mode = static_cast<TDevicePenMode>(pen.Mode());
}

void TLynCanvas3D::SetPenColor(TColor color) { Device().Pen.Color = ColorToRGB(color); }
void TLynCanvas3D::SetPenWidth(int width) { Device().Pen.Width = width; }
void TLynCanvas3D::SetPenStyle(TPenStyle style) { Device().Pen.Style = static_cast<TDevicePenStyle>(style); }
void TLynCanvas3D::SetPenMode(TPenMode mode) { Device().Pen.Mode = static_cast<TDevicePenMode>(mode); }
TColor TLynCanvas3D::PenColor() const { return S->Current->Device.Pen.Color; }
int TLynCanvas3D::PenWidth() const { return S->Current->Device.Pen.Width; }

// The alternate pen reports itself as a dotted pen; PenIsAlternate tells
// the two apart.
TPenStyle TLynCanvas3D::PenStyle() const
{
    const TDevicePenStyle style = S->Current->Device.Pen.Style;
    return style == TDevicePenStyle::Alternate ? psDot : static_cast<TPenStyle>(style);
}

TPenMode TLynCanvas3D::PenMode() const { return static_cast<TPenMode>(S->Current->Device.Pen.Mode); }
bool TLynCanvas3D::PenIsAlternate() const { return S->Current->Device.Pen.Style == TDevicePenStyle::Alternate; }

// --- brush, font, background ---------------------------------------------------------

void TLynCanvas3D::SetBrushColor(TColor color) { Device().Brush.Color = ColorToRGB(color); }
void TLynCanvas3D::SetBrushStyle(TBrushStyle style) { Device().Brush.Style = static_cast<TDeviceBrushStyle>(style); }

void TLynCanvas3D::AssignBrush(const TChartBrush& brush)
{
    SetBrushColor(brush.Color());
    SetBrushStyle(brush.Style());
}

TColor TLynCanvas3D::BrushColor() const { return S->Current->Device.Brush.Color; }
TBrushStyle TLynCanvas3D::BrushStyle() const { return static_cast<TBrushStyle>(S->Current->Device.Brush.Style); }

namespace {
void CopyChartFont(TDeviceFont& target, const TChartFont& font)
{
    target.Name = font.Name();
    target.Size = font.Size();
    target.Bold = (font.Style() & fsBold) != 0;
    target.Italic = (font.Style() & fsItalic) != 0;
    target.Underline = (font.Style() & fsUnderline) != 0;
    target.StrikeOut = (font.Style() & fsStrikeOut) != 0;
    target.EscapementTenths = 0;
}
} // namespace

void TLynCanvas3D::SelectFont(const TChartFont& font)
{
    CopyChartFont(Device().Font, font);
    S->Current->FontColor = font.Color();
}

int32_t TLynCanvas3D::MeasureTextWidth(const TChartFont& font, std::string_view text) const
{
    TDeviceFont measured = S->Current->Device.Font;
    CopyChartFont(measured, font);
    return std::max(0, S->Current->Device.TextExtent(measured, text).X);
}

int32_t TLynCanvas3D::FontLineHeight(const TChartFont& font) const
{
    TDeviceFont measured = S->Current->Device.Font;
    CopyChartFont(measured, font);
    return std::max(0, S->Current->Device.TextExtent(measured, "W").Y);
}

TColor TLynCanvas3D::FontColor() const { return S->Current->FontColor; }
int TLynCanvas3D::FontSize() const { return S->Current->Device.Font.Size; }

void TLynCanvas3D::SetBackgroundColor(TColor color) { Device().BkColor = ColorToRGB(color); }
TColor TLynCanvas3D::BackgroundColor() const { return S->Current->Device.BkColor; }
void TLynCanvas3D::SetBackgroundMode(int mode) { Device().BkMode = mode == bmOpaque ? bkOpaque : bkTransparent; }
int TLynCanvas3D::BackgroundMode() const { return S->Current->Device.BkMode == bkOpaque ? bmOpaque : bmTransparent; }
void TLynCanvas3D::SetTextAnchor(unsigned flags) { Device().TextAlign = flags; }
unsigned TLynCanvas3D::TextAnchor() const { return S->Current->Device.TextAlign; }

// Pen mode, font name and text anchor are left as they are.
void TLynCanvas3D::RestoreDefaults()
{
    TRasterDevice& d = Device();
    d.Pen.Color = clBlack;
    d.Pen.Width = 1;
    d.Pen.Style = TDevicePenStyle::Solid;
    d.Brush.Color = clWhite;
    d.Brush.Style = TDeviceBrushStyle::Solid;
    S->Current->FontColor = clBlack;
    d.Font.Size = 10;
    d.BkColor = clWhite;
    d.BkMode = bkTransparent;
}

// --- 3D layer ----------------------------------------------------------------------

void TLynCanvas3D::SetProjectionCenter(int32_t depth, const TRect&, const TRect& chartRect)
{
    S->CenterX = (chartRect.Left + chartRect.Right) / 2;
    S->CenterY = (chartRect.Top + chartRect.Bottom) / 2;
    S->CenterZ = depth / 2;
    S->OffsetX = S->CenterX + (S->Options ? S->Options->HorizOffset() : 0);
    S->OffsetY = S->CenterY + (S->Options ? S->Options->VertOffset() : 0);
}

void TLynCanvas3D::BeginFrontPlane()
{
    S->Saved3D = S->On3D;
    S->On3D = false;
}

void TLynCanvas3D::EndFrontPlane() { S->On3D = S->Saved3D; }
