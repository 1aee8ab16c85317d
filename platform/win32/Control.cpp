// Placing a control in device pixels, and its accessible name set through
// IAccPropServices, which annotates a native control without a proxy of
// our own.

#include "platform/win32/Control.h"

#include "platform/win32/Utf16.h"

#include <initguid.h>
#include <oleacc.h>

namespace win32 {

void TNativeControl::Attach(HWND handle, TControlHost& host)
{
    FHandle = handle;
    FHost = &host;
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FHost->FontFor(L"")), FALSE);
}

void TNativeControl::Place(const TRect& bounds, const ILayoutControl& self)
{
    FBounds = bounds;
    const RECT device = FHost->Scale().ToDevice(bounds);
    SetWindowPos(FHandle, nullptr, device.left, device.top, device.right - device.left, device.bottom - device.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The alignment ignores the moves it makes itself.
    if (FParentLayout)
        FParentLayout->RequestAlign(&self);
}

void TNativeControl::Rescale()
{
    const RECT device = FHost->Scale().ToDevice(FBounds);
    SetWindowPos(FHandle, nullptr, device.left, device.top, device.right - device.left, device.bottom - device.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FHost->FontFor(Utf16FromUtf8(WindowTextUtf8(FHandle)))),
                 TRUE);
}

bool TNativeControl::Visible() const { return (GetWindowLongW(FHandle, GWL_STYLE) & WS_VISIBLE) != 0; }

void TNativeControl::ApplyAccessibleName(const std::string& name, const std::string& description)
{
    // Without COM on the thread, or without the service, the control keeps
    // what the system derives for it (its text, or its label's).
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services))))
        return;
    if (!name.empty())
        services->SetHwndPropStr(FHandle, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, Utf16FromUtf8(name).c_str());
    if (!description.empty())
        services->SetHwndPropStr(FHandle, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                 Utf16FromUtf8(description).c_str());
    services->Release();
}

std::string WindowTextUtf8(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Utf8FromUtf16(text);
}

void SetWindowTextUtf8(HWND window, const std::string& text) { SetWindowTextW(window, Utf16FromUtf8(text).c_str()); }

} // namespace win32
