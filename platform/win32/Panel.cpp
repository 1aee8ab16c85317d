// The Windows panel's frame, face and caption, and its frame's part in the
// alignment.

#include "platform/win32/Panel.h"

#include "platform/win32/Utf16.h"
#include "support/layout/BevelFrame.h"

#include <algorithm>

namespace win32 {

COLORREF ToColorRef(TColor color)
{
    // The table the charts take their system colours from too.
    const TColor rgb = ColorToRGB(color);
    return RGB(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

TPanel::TPanel(TControlHost& host, HWND parent, const std::string& caption)
    : FLayout([this] { return FrameGeometry(TFrameStyle{}, ClientArea()).Inside; }), FCaption(caption)
{
    const HWND handle = CreateTargetWindow(*this, TargetWindowClass(L"KmityPanel", nullptr),
                                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, parent,
                                           RECT{0, 0, 0, 0}, Utf16FromUtf8(caption).c_str());
    Attach(handle, host);
}

void TPanel::SetBounds(const TRect& bounds)
{
    TWin32Control::SetBounds(bounds);
    FLayout.ClientResized();
}

void TPanel::SetCaption(const std::string& caption)
{
    if (FCaption == caption)
        return;
    FCaption = caption;
    SetWindowTextUtf8(FHandle, caption);
    InvalidateRect(FHandle, nullptr, FALSE);
}

LRESULT TPanel::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        Paint(dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_SIZE:
        FLayout.ClientResized();
        return 0;
    default:
        if (FHost && HandleContainerMessage(*FHost, message, wParam, lParam))
            return 0;
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void TPanel::Paint(HDC dc) const
{
    const TDpiScale& scale = FHost->Scale();
    const TFrameGeometry frame = FrameGeometry(TFrameStyle{}, ClientArea());
    auto fill = [&](const TRect& logical, TColor color) {
        if (logical.IsEmpty())
            return;
        const RECT device = scale.ToDevice(logical);
        HBRUSH brush = CreateSolidBrush(ToColorRef(color));
        FillRect(dc, &device, brush);
        DeleteObject(brush);
    };
    for (const TBevelRun& run : frame.Runs)
        fill(run.Pixels(), run.Color);
    fill(frame.Inside, clBtnFace);
    if (FCaption.empty() || frame.Inside.IsEmpty())
        return;
    // The first line centred vertically by the height of "W", clipped to
    // the inside of the frame.
    const RECT inside = scale.ToDevice(frame.Inside);
    HGDIOBJ oldFont = SelectObject(dc, FHost->FontFor(Utf16FromUtf8(FCaption)));
    SIZE w = {};
    GetTextExtentPoint32W(dc, L"W", 1, &w);
    const int top = (inside.top + inside.bottom - w.cy) / 2;
    RECT box{inside.left, top, inside.right, std::max<LONG>(inside.bottom, top + w.cy)};
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(clWindowText));
    const std::wstring caption = Utf16FromUtf8(FCaption);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_CENTER | DT_TOP | DT_NOPREFIX | DT_EXPANDTABS);
    RestoreDC(dc, saved);
    SelectObject(dc, oldFont);
}

bool HandleContainerMessage(const TControlHost& host, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_COMMAND || !lParam)
        return false;
    if (TNativeControl* control = host.ControlOf(reinterpret_cast<HWND>(lParam))) {
        control->Command(HIWORD(wParam));
        return true;
    }
    return false;
}

} // namespace win32
