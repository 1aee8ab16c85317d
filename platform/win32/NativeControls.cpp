// The system's controls made and read for our control interfaces.

#include "platform/win32/NativeControls.h"

#include "platform/win32/Utf16.h"

namespace win32 {

HWND CreateNativeControl(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle, HWND parent)
{
    return CreateWindowExW(exStyle, className, Utf16FromUtf8(text).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TLabel::TLabel(TControlHost& host, HWND parent, const std::string& text)
{
    Attach(CreateNativeControl(L"STATIC", text, SS_LEFT | SS_NOPREFIX, 0, parent), host);
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(host.FontFor(Utf16FromUtf8(text))), FALSE);
}

TPoint TLabel::TextSize() const
{
    const std::wstring text = Utf16FromUtf8(Text());
    HDC dc = GetDC(FHandle);
    HGDIOBJ old = SelectObject(dc, FHost->FontFor(text));
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(FHandle, dc);
    const TDpiScale& scale = FHost->Scale();
    return TPoint{scale.CoveringLogical(extent.cx), scale.CoveringLogical(metrics.tmHeight)};
}

void TLabel::SetBounds(const TRect& bounds)
{
    const TPoint size = TextSize();
    TWin32Control::SetBounds(TRect{bounds.Left, bounds.Top, bounds.Left + size.X, bounds.Top + size.Y});
}

void TLabel::Rescale()
{
    TNativeControl::Rescale();
    SetBounds(FBounds);
}

TEdit::TEdit(TControlHost& host, HWND parent, const std::string& text)
{
    Attach(CreateNativeControl(L"EDIT", text, ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, parent), host);
}

TButton::TButton(TControlHost& host, HWND parent, const std::string& caption)
{
    Attach(CreateNativeControl(L"BUTTON", caption, BS_PUSHBUTTON, 0, parent), host);
}

void TButton::Command(WORD code)
{
    if (code == BN_CLICKED && FOnClick)
        FOnClick();
}

TCheckBox::TCheckBox(TControlHost& host, HWND parent, const std::string& caption)
{
    Attach(CreateNativeControl(L"BUTTON", caption, BS_AUTOCHECKBOX, 0, parent), host);
}

bool TCheckBox::Checked() const { return SendMessageW(FHandle, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool checked)
{
    if (Checked() == checked)
        return;
    // BM_SETCHECK sends no notification of its own.
    SendMessageW(FHandle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (FOnChange)
        FOnChange();
}

void TCheckBox::Command(WORD code)
{
    // The box has toggled itself before it tells its parent.
    if (code == BN_CLICKED && FOnChange)
        FOnChange();
}

TMemo::TMemo(TControlHost& host, HWND parent, const std::string& text)
{
    Attach(CreateNativeControl(L"EDIT", text, ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE,
                               parent),
           host);
}

} // namespace win32
