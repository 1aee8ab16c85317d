// Placeholder definitions so that the engine links while the drawing surface
// is being built; replaced by the real surface.
#include "chart/LynCanvas.h"

#include <QImage>

struct TLynCanvas3D::State {
    bool Stale = true;
    bool Buffered = true;
    bool Mono = false;
    TNotifyChange OnNeedRepaint;
};

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
void TLynCanvas3D::BindWindowCanvas(QImage*) {}
void TLynCanvas3D::SetOnNeedRepaint(TNotifyChange f) { S->OnNeedRepaint = std::move(f); }
TRect TLynCanvas3D::BeginFrame(QImage*, const TView3DOptions*, const TRect& r, bool, TColor) { return TRect{0, 0, r.Width(), r.Height()}; }
void TLynCanvas3D::PresentFrame(QImage*, QImage*, const TRect&) { S->Stale = false; }
bool TLynCanvas3D::RepaintFromBuffer() { return !S->Stale; }
void TLynCanvas3D::MarkStale() { S->Stale = true; }
bool TLynCanvas3D::IsStale() const { return S->Stale; }
bool TLynCanvas3D::UseOffscreenBuffer() const { return S->Buffered; }
void TLynCanvas3D::SetUseOffscreenBuffer(bool v) { S->Buffered = v; }
bool TLynCanvas3D::Monochrome() const { return S->Mono; }
void TLynCanvas3D::SetMonochrome(bool v) { S->Mono = v; }
const QImage* TLynCanvas3D::OffscreenBitmap() const { return nullptr; }
void TLynCanvas3D::ApplyChartPen(const TChartPen&) {}
void TLynCanvas3D::SetPenColor(TColor) {}
void TLynCanvas3D::SetPenWidth(int) {}
void TLynCanvas3D::SetPenStyle(TPenStyle) {}
void TLynCanvas3D::SetPenMode(TPenMode) {}
TColor TLynCanvas3D::PenColor() const { return clBlack; }
int TLynCanvas3D::PenWidth() const { return 1; }
TPenStyle TLynCanvas3D::PenStyle() const { return psSolid; }
TPenMode TLynCanvas3D::PenMode() const { return pmCopy; }
bool TLynCanvas3D::PenIsAlternate() const { return false; }
void TLynCanvas3D::SetBrushColor(TColor) {}
void TLynCanvas3D::SetBrushStyle(TBrushStyle) {}
void TLynCanvas3D::AssignBrush(const TChartBrush&) {}
TColor TLynCanvas3D::BrushColor() const { return clWhite; }
TBrushStyle TLynCanvas3D::BrushStyle() const { return bsSolid; }
void TLynCanvas3D::SelectFont(const TChartFont&) {}
TColor TLynCanvas3D::FontColor() const { return clBlack; }
int TLynCanvas3D::FontSize() const { return 8; }
void TLynCanvas3D::SetBackgroundColor(TColor) {}
TColor TLynCanvas3D::BackgroundColor() const { return clWhite; }
void TLynCanvas3D::SetBackgroundMode(int) {}
int TLynCanvas3D::BackgroundMode() const { return bmOpaque; }
void TLynCanvas3D::SetTextAnchor(unsigned) {}
unsigned TLynCanvas3D::TextAnchor() const { return 0; }
void TLynCanvas3D::Pixel(int32_t, int32_t, TColor) {}
void TLynCanvas3D::MovePen(int32_t, int32_t) {}
void TLynCanvas3D::DrawLineTo(int32_t, int32_t) {}
void TLynCanvas3D::DrawSegment(int32_t, int32_t, int32_t, int32_t) {}
void TLynCanvas3D::HorizontalLine(int32_t, int32_t, int32_t) {}
void TLynCanvas3D::VerticalLine(int32_t, int32_t, int32_t) {}
void TLynCanvas3D::Polyline(const TPoint*, int) {}
void TLynCanvas3D::FillPolygon(const TPoint*, int) {}
void TLynCanvas3D::DrawBox(int32_t, int32_t, int32_t, int32_t) {}
void TLynCanvas3D::DrawBoxRect(const TRect&) {}
void TLynCanvas3D::FillBox(const TRect&) {}
void TLynCanvas3D::EraseBox(const TRect&) {}
void TLynCanvas3D::Ellipse(int32_t, int32_t, int32_t, int32_t) {}
void TLynCanvas3D::PutText(int32_t, int32_t, std::string_view) {}
void TLynCanvas3D::PutRotatedText(int32_t, int32_t, int, std::string_view) {}
int32_t TLynCanvas3D::MeasureTextWidth(std::string_view t) const { return static_cast<int32_t>(t.size()) * 6; }
int32_t TLynCanvas3D::MeasureTextHeight(std::string_view) const { return 14; }
int32_t TLynCanvas3D::FontLineHeight() const { return MeasureTextHeight("W"); }
void TLynCanvas3D::ClipToRect(const TRect&) {}
void TLynCanvas3D::ClipPlotArea(const TRect&, int32_t, int32_t) {}
void TLynCanvas3D::RemoveClip() {}
void TLynCanvas3D::SetProjectionCenter(int32_t, const TRect&, const TRect&) {}
void TLynCanvas3D::BeginFrontPlane() {}
void TLynCanvas3D::EndFrontPlane() {}
void TLynCanvas3D::HorizontalLine3D(int32_t, int32_t, int32_t, int32_t) {}
void TLynCanvas3D::VerticalLine3D(int32_t, int32_t, int32_t, int32_t) {}
void TLynCanvas3D::MovePen3D(int32_t, int32_t, int32_t) {}
void TLynCanvas3D::DrawLineTo3D(int32_t, int32_t, int32_t) {}
void TLynCanvas3D::DrawSegment3D(int32_t, int32_t, int32_t, int32_t, int32_t) {}
void TLynCanvas3D::PutText3D(int32_t, int32_t, int32_t, std::string_view) {}
void TLynCanvas3D::PutRotatedText3D(int32_t, int32_t, int32_t, int, std::string_view) {}
void TLynCanvas3D::Pixel3D(int32_t, int32_t, int32_t, TColor) {}
void TLynCanvas3D::RestoreDefaults() {}
TRasterDevice& TLynCanvas3D::Device() { return *static_cast<TRasterDevice*>(nullptr); }
