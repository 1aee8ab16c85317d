#pragma once
// A chart's window on Windows: a child window of its own class that hands
// the window messages to the chart's handlers (each under GuardHandler, so
// no exception crosses back into the Windows API) and shows the chart's
// picture 1:1 in device pixels with SetDIBitsToDevice. It is the chart's
// host: the chart asks it for its size, ratio, repaints, cursor and mouse
// capture. The chart's geometry is logical; the window's coordinates are
// device pixels, divided by the window's ratio (its dpi / 96).

#include "chart/ChartHost.h"
#include "support/runtime/MouseCapture.h"

#include <windows.h>

#include <cstdint>

class TCustomLynPanel;

class TChartWidget : public IChartHost, public IMouseCaptureHolder {
public:
    // A visible child window of `parent` at its top-left corner, of the
    // chart's own client size; it shows `chart`, which must outlive it.
    TChartWidget(TCustomLynPanel& chart, HWND parent);
    ~TChartWidget() override;
    TChartWidget(const TChartWidget&) = delete;
    TChartWidget& operator=(const TChartWidget&) = delete;

    HWND Handle() const { return Window; }
    TCustomLynPanel& Chart() const { return ShownChart; }
    // How many WM_PAINT messages the window has answered; tests read it.
    int64_t PaintCount() const { return Paints; }

    // --- IChartHost --------------------------------------------------------------
    int32_t ClientWidth() const override;
    int32_t ClientHeight() const override;
    double DevicePixelRatio() const override;
    void Invalidate() override;
    void PaintNow() override;
    void SetMouseCapture() override;
    void ReleaseMouseCapture() override;
    void SetCursorShape(TCursorShape shape) override;

    // --- IMouseCaptureHolder -------------------------------------------------------
    void CancelMode() noexcept override;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    // The capture ends without the chart being told (its own release).
    void DropCapture();

    TCustomLynPanel& ShownChart;
    HWND Window = nullptr;
    HCURSOR Cursor = nullptr;
    bool Attached = false;
    bool TrackingLeave = false;
    bool Releasing = false;
    int64_t Paints = 0;
};

// The window ratio of a window: its dpi over 96 (1 where Windows cannot
// say per window).
double WindowPixelRatio(HWND window);
