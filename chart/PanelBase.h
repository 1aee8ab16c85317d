#pragma once
// The chart panel base: what lives in a window (its host, ChartHost.h) and
// paints itself through its drawing surface into an off-screen picture,
// and keeps what its last paint laid out (the outer rectangle, the plot
// rectangle the paint's steps narrowed until the series were drawn inside
// it, and the axes' part). The host calls its handlers; the panel calls
// the host back for its size, ratio, repaints and cursor.

#include "chart/ChartHost.h"
#include "chart/DrawingSurface.h"
#include "chart/InputEvents.h"
#include "chart/PaintLayout.h"
#include "support/layout/Panel.h"
#include "support/raster/Geometry.h"
#include "support/raster/Image.h"

#include <memory>

// The state of one mouse drag: zooming or scrolling.
class TZoomPanningRecord {
public:
    bool IsActive = false;
    int32_t AnchorX = 0;
    int32_t AnchorY = 0;
    int32_t LastX = 0;
    int32_t LastY = 0;

    void BeginAt(int32_t x, int32_t y)
    {
        AnchorX = LastX = x;
        AnchorY = LastY = y;
        IsActive = true;
    }
    // Makes the anchor the top-left and the last point the bottom-right.
    void OrderCorners()
    {
        if (LastX < AnchorX)
            std::swap(AnchorX, LastX);
        if (LastY < AnchorY)
            std::swap(AnchorY, LastY);
    }
};

class TCustomLynPanel {
public:
    TCustomLynPanel();
    virtual ~TCustomLynPanel();
    TCustomLynPanel(const TCustomLynPanel&) = delete;
    TCustomLynPanel& operator=(const TCustomLynPanel&) = delete;

    // --- the window ------------------------------------------------------------------
    // The window the panel lives in (nullptr: none, as in tests). The host
    // attaches itself and detaches before it goes.
    void SetHost(IChartHost* host);
    IChartHost* Host() const { return HostWindow; }
    // The client size: the host's, or without one the panel's own
    // (400 x 250 until SetClientSize).
    int32_t ClientWidth() const;
    int32_t ClientHeight() const;
    void SetClientSize(int32_t width, int32_t height);

    // --- handlers the host calls (an exception may leave them: the host
    // guards every call) ------------------------------------------------------------------
    // The client area changed its size, or the window moved to a screen of
    // another device-pixel ratio: the picture is made anew for it.
    void HostResized();
    void HostRatioChanged();
    void HostMoved();
    virtual void MouseDown(const TMouseInput&) {}
    virtual void MouseMove(const TMouseInput&) {}
    virtual void MouseUp(const TMouseInput&) {}
    virtual void MouseWheel(const TWheelInput&) {}
    virtual void KeyDown(const TKeyInput&) {}
    virtual void MouseLeave() {}
    // The window lost the mouse capture to something else (an error box):
    // whatever drag was going on ends here.
    virtual void CancelMouseMode() {}

    // Marks the picture stale and invalidates the window; never draws.
    virtual void RequestRepaint();
    // Asks the host to paint at once (nothing without a host).
    void PaintNow();
    // The answer to the window system's paint request: copies the stored
    // picture when it is not stale, else renders into the window image.
    // The host then shows WindowImage().
    virtual void HandlePaint();
    // Draws the whole chart for rectangle R of the target image.
    virtual void RenderTo(TImage* target, const TRect& rect);
    // Repairs an empty or inverted plot rectangle so that painting can go
    // on: its left and top edges are kept inside the outer rectangle.
    TRect NormalizedPlotRect(const TRect& outer, TRect r) const;
    // Copies a font into the surface font (titles and axes select theirs).
    virtual void SelectFont(const TChartFont& font);

    TLynCanvas3D& Canvas() { return *Surface; }
    const TLynCanvas3D& Canvas() const { return *Surface; }
    // The image the window shows; PresentFrame copies each paint into it.
    // It has the device's resolution: DevicePixelRatio() device pixels to
    // the logical pixel in which all of the chart's geometry is counted.
    const TImage& WindowImage() const { return WindowCanvas; }
    // The device-pixel ratio the chart draws at: the host's, unless another
    // is forced (a picture for a screen the chart is not on, as tests and
    // screenshots need; 0 follows the host again); 1 without a host.
    double PictureRatio() const;
    void ForcePictureRatio(double ratio);

    // What the last paint laid out (during a paint, the paint so far).
    const TPaintLayout& Layout() const { return PaintLayout; }

    bool RepaintEnabled = false;
    bool Printing = false;
    bool ApplyZOrder = true;

    // --- properties -----------------------------------------------------------------
    TColor Color() const { return ColorValue; }
    void SetColor(TColor value);
    TBevelCut BevelOuter() const { return BevelOuterValue; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return BevelInnerValue; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return BevelWidthValue; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return BorderWidthValue; }
    void SetBorderWidth(int value);
    int MarginLeft() const { return MarginLeftValue; }
    void SetMarginLeft(int value);
    int MarginTop() const { return MarginTopValue; }
    void SetMarginTop(int value);
    int MarginRight() const { return MarginRightValue; }
    void SetMarginRight(int value);
    int MarginBottom() const { return MarginBottomValue; }
    void SetMarginBottom(int value);
    bool View3D() const { return View3DValue; }
    void SetView3D(bool value);
    TView3DOptions& View3DOptions() { return *Options3D; }
    int Chart3DPercent() const { return Chart3DPercentValue; }
    // 1..100; another value raises ChartException.
    void SetChart3DPercent(int value);
    bool Monochrome() const { return Surface->Monochrome(); }
    void SetMonochrome(bool value) { Surface->SetMonochrome(value); }

    TZoomPanningRecord ZoomRecord;
    TZoomPanningRecord PanRecord;

    // How many times the chart was rendered (not merely copied); tests and
    // benchmarks read it.
    int64_t RenderCount() const { return Renders; }

protected:
    // The paint sequence proper, for the drawing rectangle and the plot
    // rectangle its margins leave.
    virtual void RenderContents(const TRect& outerRect, const TRect& plotRect) = 0;
    // Outer bevel, border and inner bevel inside `rect`, stroked as lines.
    virtual void DrawBevels(TLynCanvas3D& canvas, const TRect& rect);
    virtual TRect ClientRectangle() const;

    template <class T>
    void StoreAndRepaint(T& field, const T& value)
    {
        StoreIfChanged(field, value, [this] { RequestRepaint(); });
    }

    // Written only by the paint's own steps.
    TPaintLayout PaintLayout;

    // Asks the host for a pointer shape (nothing without a host).
    void ShowCursor(TCursorShape shape);

private:
    void FitWindowCanvas();

    IChartHost* HostWindow = nullptr;
    int32_t OwnWidth = 400;
    int32_t OwnHeight = 250;
    std::unique_ptr<TView3DOptions> Options3D;
    std::unique_ptr<TLynCanvas3D> Surface;
    TImage WindowCanvas;
    double ForcedRatio = 0;
    TColor ColorValue;
    TBevelCut BevelOuterValue = bvRaised;
    TBevelCut BevelInnerValue = bvNone;
    int BevelWidthValue = 1;
    int BorderWidthValue = 0;
    int MarginLeftValue = 3;
    int MarginTopValue = 4;
    int MarginRightValue = 3;
    int MarginBottomValue = 4;
    bool View3DValue = true;
    int Chart3DPercentValue = 15;
    int64_t Renders = 0;
};

enum TGradientDirection { gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft };
enum TLynBackImageMode { pbmStretch, pbmTile, pbmCenter };
enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

class TChartGradient : public TChangeNotifier {
public:
    bool Visible() const { return VisibleValue; }
    void SetVisible(bool v) { Store(VisibleValue, v); }
    TGradientDirection Direction() const { return DirectionValue; }
    void SetDirection(TGradientDirection v) { Store(DirectionValue, v); }
    TColor StartColor() const { return StartColorValue; }
    void SetStartColor(TColor v) { Store(StartColorValue, v); }
    TColor EndColor() const { return EndColorValue; }
    void SetEndColor(TColor v) { Store(EndColorValue, v); }

private:
    bool VisibleValue = false;
    TGradientDirection DirectionValue = gdTopBottom;
    TColor StartColorValue = clWhite;
    TColor EndColorValue = clYellow;
};

class TCustomLynPanelExtended : public TCustomLynPanel {
public:
    TCustomLynPanelExtended();

    TChartGradient& Gradient() { return GradientValue; }
    // The background picture; no picture is ever loaded in this program.
    bool HasBackImage() const { return !BackImage.IsNull(); }
    TImage BackImage;
    TLynBackImageMode BackImageMode() const { return BackImageModeValue; }
    void SetBackImageMode(TLynBackImageMode v) { StoreAndRepaint(BackImageModeValue, v); }
    bool BackImageInside() const { return BackImageInsideValue; }
    void SetBackImageInside(bool v) { StoreAndRepaint(BackImageInsideValue, v); }

    bool AllowZoom = true;
    TPanningMode AllowPanning = pmBoth;
    bool AnimatedZoom = false;
    int AnimatedZoomSteps = 8;

protected:
    virtual void DrawBackImage(TLynCanvas3D& canvas, const TRect& rect);
    virtual void FillBackground(TLynCanvas3D& canvas, const TRect& rect);
    virtual void PaintBackdrop(TLynCanvas3D& canvas, const TRect& rect);
    void DrawBackImageIn(TLynCanvas3D& canvas, const TRect& rect);

private:
    TChartGradient GradientValue;
    TLynBackImageMode BackImageModeValue = pbmStretch;
    bool BackImageInsideValue = false;
};
