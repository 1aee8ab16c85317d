#pragma once
// What a chart needs from the window it lives in. The platform's chart
// window implements it (platform/<name>/ChartWidget) and calls the chart's
// handlers (TCustomLynPanel: resize, ratio, mouse, wheel, key, leave,
// paint); the chart calls back through this interface. A chart without a
// host (tests, benchmarks) keeps a size of its own and draws at ratio 1.
//
// Sizes and positions are logical pixels; the ratio says how many device
// pixels make one (1 at 96 dpi, 1.5 at 150 %).

#include <cstdint>

// Pointer shapes a chart asks for; a series' Cursor property holds one.
// crDefault is the window's ordinary arrow.
enum TCursorShape : int {
    crDefault = 0,
    crCross = 1,
    crIBeam = 2,
    crSizeAll = 3,
    crHandPoint = 4,
    crWait = 5,
};

class IChartHost {
public:
    virtual ~IChartHost() = default;

    // The client area's size.
    virtual int32_t ClientWidth() const = 0;
    virtual int32_t ClientHeight() const = 0;
    // The ratio of the screen the window is on now.
    virtual double DevicePixelRatio() const = 0;

    // Asks for a paint soon (the window system merges requests); the chart
    // then answers the host's paint call.
    virtual void Invalidate() = 0;
    // Paints now, before returning: the host calls the chart's paint at once
    // and shows the result (an animated zoom shows every step).
    virtual void PaintNow() = 0;

    // Keeps the mouse events coming to this window while a drag lasts, even
    // outside it; released when the drag ends.
    virtual void SetMouseCapture() = 0;
    virtual void ReleaseMouseCapture() = 0;

    virtual void SetCursorShape(TCursorShape shape) = 0;
};
