// The error box shown with MessageBoxW.

#include "platform/win32/MessageBoxErrorBox.h"

#include "platform/win32/Utf16.h"

namespace win32 {

TMessageBoxErrorBox::TMessageBoxErrorBox(HWND owner, TShowBox showBox) : Owner(owner), ShowBox(showBox) {}

void TMessageBoxErrorBox::Show(const std::string& text, const std::string& caption)
{
    // An owner that has gone (the window closed while a handler failed)
    // would leave the box without a parent it can disable; the desktop owns
    // it then.
    HWND owner = Owner && IsWindow(Owner) ? Owner : nullptr;
    ShowBox(owner, Utf16FromUtf8(text).c_str(), Utf16FromUtf8(caption).c_str(), MB_ICONERROR | MB_OK);
}

TMessageBoxErrorBox& ApplicationErrorBox()
{
    static TMessageBoxErrorBox box;
    return box;
}

} // namespace win32
