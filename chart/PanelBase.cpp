// The chart panel base: its window, repaint gating, paint handling, the
// rectangles of a paint, bevels, and the panel properties.
#include "chart/PanelBase.h"

#include "chart/ChartMessages.h"
#include "support/numbers/Rounding.h"
#include "support/raster/DeviceScale.h"

TCustomLynPanel::TCustomLynPanel()
    : Options3D(std::make_unique<TView3DOptions>()), Surface(std::make_unique<TLynCanvas3D>()), ColorValue(clBtnFace)
{
    RepaintEnabled = false;
    Surface->BindWindowCanvas(&WindowCanvas);
    Surface->SetOnNeedRepaint([this] { RequestRepaint(); });
    Options3D->SetOnChange([this] { RequestRepaint(); });
    RepaintEnabled = true;
}

TCustomLynPanel::~TCustomLynPanel() { RepaintEnabled = false; }

// --- the window --------------------------------------------------------------------

void TCustomLynPanel::SetHost(IChartHost* host) { HostWindow = host; }

int32_t TCustomLynPanel::ClientWidth() const { return HostWindow ? HostWindow->ClientWidth() : OwnWidth; }
int32_t TCustomLynPanel::ClientHeight() const { return HostWindow ? HostWindow->ClientHeight() : OwnHeight; }

// As for a window not yet shown, the next paint fits the picture to it.
void TCustomLynPanel::SetClientSize(int32_t width, int32_t height)
{
    OwnWidth = width;
    OwnHeight = height;
}

void TCustomLynPanel::HostResized()
{
    FitWindowCanvas();
    RequestRepaint();
}

// On a screen of another device-pixel ratio the pictures are made anew at
// its resolution, and the chart repaints once.
void TCustomLynPanel::HostRatioChanged()
{
    FitWindowCanvas();
    RequestRepaint();
}

void TCustomLynPanel::HostMoved() { RequestRepaint(); }

void TCustomLynPanel::ShowCursor(TCursorShape shape)
{
    if (HostWindow)
        HostWindow->SetCursorShape(shape);
}

// --- painting ------------------------------------------------------------------------

void TCustomLynPanel::RequestRepaint()
{
    if (!RepaintEnabled)
        return;
    Surface->MarkStale();
    if (HostWindow)
        HostWindow->Invalidate();
}

void TCustomLynPanel::PaintNow()
{
    if (HostWindow)
        HostWindow->PaintNow();
}

void TCustomLynPanel::HandlePaint()
{
    if (Printing)
        return;
    FitWindowCanvas();
    if (Surface->RepaintFromBuffer())
        return;
    RenderTo(&WindowCanvas, ClientRectangle());
}

// The window's image always has the client size at the device's
// resolution. A window system may deliver the resize of a hidden window
// only when it is shown, and a new screen may come without an event, so
// the size and ratio are checked here too.
void TCustomLynPanel::FitWindowCanvas()
{
    const TDeviceScale scale = TDeviceScale::ForRatio(PictureRatio());
    const int32_t w = scale.Map(ClientWidth());
    const int32_t h = scale.Map(ClientHeight());
    if (WindowCanvas.Width() == w && WindowCanvas.Height() == h && WindowCanvas.DevicePixelRatio() == scale.Ratio)
        return;
    WindowCanvas = TImage(w, h, scale.Ratio);
    Surface->MarkStale();
}

double TCustomLynPanel::PictureRatio() const
{
    if (ForcedRatio > 0)
        return ForcedRatio;
    return HostWindow ? HostWindow->DevicePixelRatio() : 1.0;
}

void TCustomLynPanel::ForcePictureRatio(double ratio)
{
    ForcedRatio = ratio;
    FitWindowCanvas();
    RequestRepaint();
}

void TCustomLynPanel::RenderTo(TImage* target, const TRect& rect)
{
    ++Renders;
    const TRect outer = Surface->BeginFrame(target, Options3D.get(), rect, View3DValue, ColorValue);
    const int32_t w = outer.Width();
    const int32_t h = outer.Height();
    // The bevels are not subtracted: the margins cover them.
    const TRect margins{outer.Left + MulDiv(MarginLeftValue, w, 100) + BorderWidthValue,
                        outer.Top + MulDiv(MarginTopValue, h, 100) + BorderWidthValue,
                        outer.Right - BorderWidthValue - MulDiv(MarginRightValue, w, 100),
                        outer.Bottom - BorderWidthValue - MulDiv(MarginBottomValue, h, 100)};
    PaintLayout.OuterRect = outer;
    const TRect plot = NormalizedPlotRect(outer, margins);
    PaintLayout.PlotRect = plot;
    RenderContents(outer, plot);
    Surface->PresentFrame(target, &WindowCanvas, rect);
}

// The right and bottom edges are not limited by the outer rectangle.
TRect TCustomLynPanel::NormalizedPlotRect(const TRect& outer, TRect r) const
{
    if (r.Left < outer.Left)
        r.Left = outer.Left;
    if (r.Top < outer.Top)
        r.Top = outer.Top;
    if (r.Left > r.Right)
        r.Right = r.Left + 1;
    else if (r.Left == r.Right)
        r.Right = r.Left + ClientWidth();
    if (r.Top > r.Bottom)
        r.Bottom = r.Top + 1;
    else if (r.Top == r.Bottom)
        r.Bottom = r.Top + ClientHeight();
    return r;
}

void TCustomLynPanel::SelectFont(const TChartFont& font) { Surface->SelectFont(font); }

// --- bevels ------------------------------------------------------------------------

// The frame's runs as one-pixel lines, each from its first pixel: on a
// high-density image the device pixels of a line depend on the end it
// starts from, and the pictures keep the ones they always had.
void TCustomLynPanel::DrawBevels(TLynCanvas3D& c, const TRect& rect)
{
    c.SetPenStyle(psSolid);
    c.SetPenWidth(1);
    c.SetPenMode(pmCopy);
    c.SetBrushStyle(bsClear);
    const TFrameStyle style{BevelOuterValue, BevelInnerValue, BevelWidthValue, BorderWidthValue, ColorValue};
    for (const TBevelRun& run : FrameGeometry(style, rect).Runs) {
        c.SetPenColor(run.Color);
        const TPoint line[] = {run.From, run.To};
        c.Polyline(line, 2);
    }
}

TRect TCustomLynPanel::ClientRectangle() const { return TRect{0, 0, ClientWidth(), ClientHeight()}; }

// --- properties ------------------------------------------------------------------

void TCustomLynPanel::SetColor(TColor v) { StoreAndRepaint(ColorValue, v); }
void TCustomLynPanel::SetBevelOuter(TBevelCut v) { StoreAndRepaint(BevelOuterValue, v); }
void TCustomLynPanel::SetBevelInner(TBevelCut v) { StoreAndRepaint(BevelInnerValue, v); }
void TCustomLynPanel::SetBevelWidth(int v) { StoreAndRepaint(BevelWidthValue, v); }
void TCustomLynPanel::SetBorderWidth(int v) { StoreAndRepaint(BorderWidthValue, v); }
void TCustomLynPanel::SetMarginLeft(int v) { StoreAndRepaint(MarginLeftValue, v); }
void TCustomLynPanel::SetMarginTop(int v) { StoreAndRepaint(MarginTopValue, v); }
void TCustomLynPanel::SetMarginRight(int v) { StoreAndRepaint(MarginRightValue, v); }
void TCustomLynPanel::SetMarginBottom(int v) { StoreAndRepaint(MarginBottomValue, v); }
void TCustomLynPanel::SetView3D(bool v) { StoreAndRepaint(View3DValue, v); }

void TCustomLynPanel::SetChart3DPercent(int v)
{
    if (v < 1 || v > 100) {
        std::string text = FormatMessage(LynConst::Chart3DPercentRange, 1);
        throw ChartException(FormatMessage(text, 100));
    }
    StoreAndRepaint(Chart3DPercentValue, v);
}

// --- extended panel ---------------------------------------------------------------

TCustomLynPanelExtended::TCustomLynPanelExtended()
{
    GradientValue.SetOnChange([this] { RequestRepaint(); });
}

void TCustomLynPanelExtended::FillBackground(TLynCanvas3D& c, const TRect& rect)
{
    if (GradientValue.Visible()) {
        const TGradientDirection d = GradientValue.Direction();
        const bool forward = d == gdTopBottom || d == gdLeftRight;
        const bool vertical = d == gdTopBottom || d == gdBottomTop;
        c.GradientFill(rect, forward ? GradientValue.StartColor() : GradientValue.EndColor(),
                       forward ? GradientValue.EndColor() : GradientValue.StartColor(), vertical);
        return;
    }
    c.SetBrushColor(Color());
    c.SetBrushStyle(bsSolid);
    c.EraseBox(rect);
}

void TCustomLynPanelExtended::DrawBackImage(TLynCanvas3D& c, const TRect& rect)
{
    if (HasBackImage() && !BackImageInsideValue)
        DrawBackImageIn(c, rect);
}

// The background picture in R by BackImageMode, clipped to R.
void TCustomLynPanelExtended::DrawBackImageIn(TLynCanvas3D& c, const TRect& rect)
{
    if (BackImageModeValue == pbmStretch) {
        c.StretchDrawPicture(rect, BackImage);
        return;
    }
    c.ClipToRect(rect);
    if (BackImageModeValue == pbmTile) {
        for (int32_t y = rect.Top; y < rect.Bottom; y += BackImage.Height())
            for (int32_t x = rect.Left; x < rect.Right; x += BackImage.Width())
                c.DrawPicture(x, y, BackImage);
    } else {
        c.SetBrushColor(Color());
        c.SetBrushStyle(bsSolid);
        c.EraseBox(rect);
        c.DrawPicture(rect.Left + (rect.Width() - BackImage.Width()) / 2,
                      rect.Top + (rect.Height() - BackImage.Height()) / 2, BackImage);
    }
    c.RemoveClip();
}

void TCustomLynPanelExtended::PaintBackdrop(TLynCanvas3D& c, const TRect& rect)
{
    const TRect r = rect;
    FillBackground(c, r);
    DrawBackImage(c, r);
    DrawBevels(c, r);
}
