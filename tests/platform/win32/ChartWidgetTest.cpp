// The chart's window on Windows, driven by window messages as the system
// delivers them: a paint shows the chart, a drag zooms and the drag back
// undoes it to the same pixels, and a wheel notch shifts the left axis.

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "support/numbers/Float80.h"
#include "support/raster/PixelWriter.h"

#include "platform/win32/ChartWidget.h"
#include "platform/win32/DrawingServices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

// A top-level window to hold the chart, shown at the top-left corner.
class TTestParent {
public:
    TTestParent()
    {
        static const bool registered = [] {
            WNDCLASSEXW windowClass = {};
            windowClass.cbSize = sizeof(windowClass);
            windowClass.lpfnWndProc = DefWindowProcW;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"KmityChartTestParent";
            return RegisterClassExW(&windowClass) != 0;
        }();
        if (!registered)
            throw std::runtime_error("Cannot register the test window's class");
        Window = CreateWindowExW(0, L"KmityChartTestParent", L"Kmity", WS_POPUP | WS_VISIBLE, 0, 0, 900, 400, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!Window)
            throw std::runtime_error("Cannot create the test window");
    }
    ~TTestParent() { DestroyWindow(Window); }
    TTestParent(const TTestParent&) = delete;
    TTestParent& operator=(const TTestParent&) = delete;

    HWND Window = nullptr;
};

// Delivers what was posted, as the message loop would.
void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The chart the window tests drive: fixed left axis -10..10, bottom axis
// of maximum 50, one red line.
class Win32ChartWidget : public testing::Test {
protected:
    Win32ChartWidget()
    {
        InstallDrawingServices();
        Chart.Legend().SetVisible(false);
        Chart.SetView3D(false);
        Chart.LeftAxis().SetAutomatic(false);
        Chart.LeftAxis().SetMinimum(-10);
        Chart.LeftAxis().SetMaximum(10);
        Chart.BottomAxis().SetLimits(0, 50);
        auto* series = new TLineSeries; // the chart deletes it
        series->SetSeriesColor(clRed);
        series->Pointer().SetVisible(false);
        series->SetParentChart(&Chart);
        for (int i = 0; i <= 100; ++i)
            series->AddPoint(i * 0.5, 5 * std::sin(i * 0.5), "", clDefault);
        Chart.SetClientSize(600, 250);
        Widget = std::make_unique<TChartWidget>(Chart, Parent.Window);
        Ratio = Widget->DevicePixelRatio();
        Paint();
    }

    // Posted to the chart's window at logical (x, y), then dispatched.
    void Post(UINT message, WPARAM keys, int x, int y)
    {
        const int dx = static_cast<int>(x * Ratio), dy = static_cast<int>(y * Ratio);
        PostMessageW(Widget->Handle(), message, keys, MAKELPARAM(dx, dy));
    }
    void Drag(int fromX, int fromY, int toX, int toY)
    {
        Post(WM_LBUTTONDOWN, MK_LBUTTON, fromX, fromY);
        Post(WM_MOUSEMOVE, MK_LBUTTON, (fromX + toX) / 2, (fromY + toY) / 2);
        Post(WM_MOUSEMOVE, MK_LBUTTON, toX, toY);
        Post(WM_LBUTTONUP, 0, toX, toY);
        Pump();
        Paint();
    }
    void Paint()
    {
        Pump();
        UpdateWindow(Widget->Handle());
    }

    TTestParent Parent;
    TChart Chart;
    // Goes before the chart it shows.
    std::unique_ptr<TChartWidget> Widget;
    double Ratio = 1;
};

int RedPixels(const TImage& image)
{
    int count = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            count += image.Pixel(x, y) == ToPixel(clRed);
    return count;
}

} // namespace

TEST_F(Win32ChartWidget, APaintMessageShowsTheChartAtTheWindowsSize)
{
    EXPECT_EQ(Chart.ClientWidth(), 600);
    EXPECT_EQ(Chart.ClientHeight(), 250);
    const int64_t paints = Widget->PaintCount();
    const int64_t renders = Chart.RenderCount();
    Chart.RequestRepaint();
    UpdateWindow(Widget->Handle());
    EXPECT_EQ(Widget->PaintCount(), paints + 1);
    EXPECT_EQ(Chart.RenderCount(), renders + 1);
    const TImage& image = Chart.WindowImage();
    EXPECT_EQ(image.Width(), static_cast<int>(std::lround(600 * Ratio)));
    EXPECT_EQ(image.Height(), static_cast<int>(std::lround(250 * Ratio)));
    EXPECT_GT(RedPixels(image), 100);
    // The window's own pixels are the chart's: one red pixel of the line
    // read back from the screen.
    HDC dc = GetDC(Widget->Handle());
    int found = 0;
    for (int y = 0; y < image.Height() && !found; y += 1)
        for (int x = 0; x < image.Width() && !found; x += 1)
            if (image.Pixel(x, y) == ToPixel(clRed))
                found = GetPixel(dc, x, y) == RGB(255, 0, 0) ? 1 : -1;
    ReleaseDC(Widget->Handle(), dc);
    EXPECT_EQ(found, 1);
}

TEST_F(Win32ChartWidget, ADragZoomsAndTheDragBackRestoresTheSamePixels)
{
    const TImage before = Chart.WindowImage();
    const TRect plot = Chart.Layout().PlotRect;
    ASSERT_TRUE(plot.Contains(100, 50));
    ASSERT_TRUE(plot.Contains(300, 150));

    Drag(100, 50, 300, 150);
    EXPECT_FALSE(Chart.BottomAxis().Automatic());
    EXPECT_GT(Chart.BottomAxis().Minimum(), 0);
    EXPECT_LT(Chart.BottomAxis().Maximum(), 50);
    EXPECT_TRUE(Chart.ZoomedIn);
    EXPECT_NE(Chart.WindowImage(), before);
    // The drag ended: the window no longer holds the mouse.
    EXPECT_EQ(GetCapture(), nullptr);

    Drag(300, 150, 100, 50);
    EXPECT_FALSE(Chart.ZoomedIn);
    EXPECT_EQ(Chart.BottomAxis().Minimum(), 0);
    EXPECT_EQ(Chart.BottomAxis().Maximum(), 50);
    EXPECT_EQ(Chart.WindowImage(), before);
}

TEST_F(Win32ChartWidget, AWheelNotchUpShiftsTheLeftAxisDownByThreePercentOfItsRange)
{
    POINT at = {static_cast<LONG>(300 * Ratio), static_cast<LONG>(100 * Ratio)};
    ClientToScreen(Widget->Handle(), &at);
    PostMessageW(Widget->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(at.x, at.y));
    Pump();
    // (Maximum - Minimum) x 3 x 0.01 at extended precision.
    const double step = static_cast<double>(F80(20.0) * 3 * F80(0.01));
    EXPECT_EQ(Chart.LeftAxis().Minimum(), -10 - step);
    EXPECT_EQ(Chart.LeftAxis().Maximum(), 10 - step);
    EXPECT_EQ(Chart.BottomAxis().Maximum(), 50);
}

// Another window taking the mouse (an error box, a menu) ends the drag: no
// zoom, no frame left, and nothing holds the capture any more.
TEST_F(Win32ChartWidget, LosingTheCaptureMidDragEndsTheZoomUnapplied)
{
    const TImage before = Chart.WindowImage();
    Post(WM_LBUTTONDOWN, MK_LBUTTON, 100, 50);
    Post(WM_MOUSEMOVE, MK_LBUTTON, 300, 150);
    Paint();
    ASSERT_TRUE(Chart.ZoomRecord.IsActive);
    ASSERT_EQ(GetCapture(), Widget->Handle());
    EXPECT_EQ(MouseCaptureHolder(), Widget.get());

    SetCapture(Parent.Window);
    EXPECT_FALSE(Chart.ZoomRecord.IsActive);
    EXPECT_EQ(MouseCaptureHolder(), nullptr);
    ReleaseCapture();
    Post(WM_LBUTTONUP, 0, 300, 150);
    Paint();
    EXPECT_FALSE(Chart.ZoomedIn);
    EXPECT_TRUE(Chart.BottomAxis().Minimum() == 0 && Chart.BottomAxis().Maximum() == 50);
    EXPECT_EQ(Chart.WindowImage(), before);
}
