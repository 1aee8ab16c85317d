// The chart's window on Windows: window messages turned into the chart's
// input values, and the chart's picture copied to the window's pixels.
#include "chart/PanelBase.h"
#include "support/raster/Image.h"
#include "support/runtime/ErrorBox.h"

#include "platform/win32/ChartWidget.h"

#include <windowsx.h>

#include <cmath>
#include <stdexcept>

namespace {

const wchar_t ClassName[] = L"KmityChart";

void RegisterChartClass(HINSTANCE instance)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // No background brush: every paint covers the whole client area.
    windowClass.lpszClassName = ClassName;
    if (!RegisterClassExW(&windowClass))
        throw std::runtime_error("Cannot register the chart's window class");
    registered = true;
}

HCURSOR CursorOf(TCursorShape shape)
{
    const wchar_t* name = IDC_ARROW;
    switch (shape) {
    case crCross:
        name = IDC_CROSS;
        break;
    case crIBeam:
        name = IDC_IBEAM;
        break;
    case crSizeAll:
        name = IDC_SIZEALL;
        break;
    case crHandPoint:
        name = IDC_HAND;
        break;
    case crWait:
        name = IDC_WAIT;
        break;
    default:
        break;
    }
    return LoadCursorW(nullptr, name);
}

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

// The keys and buttons of a mouse message's wParam; Alt is not in it.
TShiftState ShiftOf(WPARAM keys)
{
    TShiftState shift = 0;
    if (keys & MK_SHIFT)
        shift |= ssShift;
    if (keys & MK_CONTROL)
        shift |= ssCtrl;
    if (KeyHeld(VK_MENU))
        shift |= ssAlt;
    if (keys & MK_LBUTTON)
        shift |= ssLeft;
    if (keys & MK_RBUTTON)
        shift |= ssRight;
    if (keys & MK_MBUTTON)
        shift |= ssMiddle;
    return shift;
}

TShiftState KeyboardShift()
{
    TShiftState shift = 0;
    if (KeyHeld(VK_SHIFT))
        shift |= ssShift;
    if (KeyHeld(VK_CONTROL))
        shift |= ssCtrl;
    if (KeyHeld(VK_MENU))
        shift |= ssAlt;
    return shift;
}

// A device pixel's logical one: the logical pixel it lies in.
int32_t Logical(int device, double ratio) { return static_cast<int32_t>(std::floor(device / ratio)); }

// Sent to child windows when their top-level window moved to a screen of
// another dpi (Windows 10 1703 on); older headers lack the name.
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

using TGetDpiForWindow = UINT(WINAPI*)(HWND);

} // namespace

// GetDpiForWindow exists from Windows 10 1607 on; before it every window
// has the system's dpi.
double WindowPixelRatio(HWND window)
{
    static const auto getDpi = reinterpret_cast<TGetDpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    UINT dpi = 0;
    if (getDpi && window)
        dpi = getDpi(window);
    if (dpi == 0) {
        HDC screen = GetDC(nullptr);
        dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

TChartWidget::TChartWidget(TCustomLynPanel& chart, HWND parent) : ShownChart(chart)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterChartClass(instance);
    Cursor = LoadCursorW(nullptr, IDC_ARROW);
    const double ratio = WindowPixelRatio(parent);
    const int width = static_cast<int>(std::lround(chart.ClientWidth() * ratio));
    const int height = static_cast<int>(std::lround(chart.ClientHeight() * ratio));
    Window = CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, width, height, parent,
                             nullptr, instance, nullptr);
    if (!Window)
        throw std::runtime_error("Cannot create the chart's window");
    // The procedure is set only now, with this object reachable from the
    // window: the messages of the creation went to the default one.
    SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TChartWidget::Procedure));
    chart.SetHost(this);
    Attached = true;
}

// The chart may outlive the window; it forgets its window before the
// window goes.
TChartWidget::~TChartWidget()
{
    ReleaseMouseCaptureHolder(this);
    Attached = false;
    ShownChart.SetHost(nullptr);
    if (Window) {
        DropCapture();
        SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
        DestroyWindow(Window);
    }
}

// --- IChartHost ----------------------------------------------------------------------

int32_t TChartWidget::ClientWidth() const
{
    RECT client = {};
    GetClientRect(Window, &client);
    return static_cast<int32_t>(std::lround(client.right / DevicePixelRatio()));
}

int32_t TChartWidget::ClientHeight() const
{
    RECT client = {};
    GetClientRect(Window, &client);
    return static_cast<int32_t>(std::lround(client.bottom / DevicePixelRatio()));
}

double TChartWidget::DevicePixelRatio() const { return WindowPixelRatio(Window); }

void TChartWidget::Invalidate() { InvalidateRect(Window, nullptr, FALSE); }

void TChartWidget::PaintNow() { RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

void TChartWidget::SetMouseCapture()
{
    SetCapture(Window);
    SetMouseCaptureHolder(this);
}

void TChartWidget::ReleaseMouseCapture()
{
    ReleaseMouseCaptureHolder(this);
    DropCapture();
}

void TChartWidget::DropCapture()
{
    if (GetCapture() != Window)
        return;
    // ReleaseCapture sends WM_CAPTURECHANGED, which must not cancel the
    // chart's drag that is ending of its own accord.
    Releasing = true;
    ReleaseCapture();
    Releasing = false;
}

void TChartWidget::SetCursorShape(TCursorShape shape)
{
    Cursor = CursorOf(shape);
    // Shown at once when the pointer is over the window; WM_SETCURSOR keeps
    // it there.
    POINT pointer = {};
    if (GetCursorPos(&pointer) && WindowFromPoint(pointer) == Window)
        SetCursor(Cursor);
}

void TChartWidget::CancelMode() noexcept
{
    GuardHandler([&] {
        DropCapture();
        ShownChart.CancelMouseMode();
    });
}

// --- window messages: no exception may cross into the Windows API ----------------------

LRESULT CALLBACK TChartWidget::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* widget = reinterpret_cast<TChartWidget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!widget || !widget->Attached)
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    bool handled = false;
    GuardHandler([&] {
        result = widget->Dispatch(message, wParam, lParam);
        handled = true;
    });
    // A handler that failed has been reported; the message still gets its
    // default answer (a paint that failed must still validate the window).
    return handled ? result : DefWindowProcW(window, message, wParam, lParam);
}

void TChartWidget::Paint()
{
    ++Paints;
    PAINTSTRUCT paint = {};
    HDC dc = BeginPaint(Window, &paint);
    GuardHandler([&] { ShownChart.HandlePaint(); });
    const TImage& image = ShownChart.WindowImage();
    if (!image.IsNull()) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = image.Width();
        info.bmiHeader.biHeight = -image.Height(); // top row first, as the image
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(image.Width()), static_cast<DWORD>(image.Height()), 0, 0, 0,
                          static_cast<UINT>(image.Height()), image.Bits(), &info, DIB_RGB_COLORS);
    }
    EndPaint(Window, &paint);
}

LRESULT TChartWidget::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    const double ratio = DevicePixelRatio();
    const auto mouse = [&](TMouseButton button) {
        return TMouseInput{button, ShiftOf(wParam), Logical(GET_X_LPARAM(lParam), ratio),
                           Logical(GET_Y_LPARAM(lParam), ratio)};
    };
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        ShownChart.HostResized();
        return 0;
    case WM_MOVE:
        ShownChart.HostMoved();
        return 0;
    case WM_DPICHANGED_AFTERPARENT:
        ShownChart.HostRatioChanged();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(Cursor);
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        // The keys go to the chart that was clicked.
        SetFocus(Window);
        const TMouseButton button = message == WM_LBUTTONDOWN ? mbLeft : message == WM_RBUTTONDOWN ? mbRight : mbMiddle;
        ShownChart.MouseDown(mouse(button));
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const TMouseButton button = message == WM_LBUTTONUP ? mbLeft : message == WM_RBUTTONUP ? mbRight : mbMiddle;
        ShownChart.MouseUp(mouse(button));
        return 0;
    }
    case WM_MOUSEMOVE:
        if (!TrackingLeave) {
            TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, Window, 0};
            TrackingLeave = TrackMouseEvent(&track) != FALSE;
        }
        ShownChart.MouseMove(mouse(mbLeft));
        return 0;
    case WM_MOUSELEAVE:
        TrackingLeave = false;
        ShownChart.MouseLeave();
        return 0;
    case WM_MOUSEWHEEL: {
        // Only the vertical wheel reaches the chart; its position comes in
        // screen coordinates.
        POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(Window, &at);
        const TWheelInput input{GET_WHEEL_DELTA_WPARAM(wParam), ShiftOf(GET_KEYSTATE_WPARAM(wParam)),
                                Logical(at.x, ratio), Logical(at.y, ratio)};
        ShownChart.MouseWheel(input);
        return 0;
    }
    case WM_KEYDOWN:
        ShownChart.KeyDown(TKeyInput{static_cast<int>(wParam), KeyboardShift()});
        break; // the window's own keys still go on
    case WM_CAPTURECHANGED:
        // Another window took the capture (an error box, a menu): the drag
        // ends here.
        if (!Releasing && reinterpret_cast<HWND>(lParam) != Window) {
            ReleaseMouseCaptureHolder(this);
            ShownChart.CancelMouseMode();
        }
        return 0;
    case WM_CANCELMODE:
        ReleaseMouseCaptureHolder(this);
        DropCapture();
        ShownChart.CancelMouseMode();
        return 0;
    case WM_NCDESTROY: {
        HWND going = Window;
        Window = nullptr;
        return DefWindowProcW(going, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcW(Window, message, wParam, lParam);
}
