#pragma once
// The window procedure of every window class of ours: it finds the C++
// object behind the window and passes it the message. It is a handler
// boundary: no exception ever leaves it into the system's dispatch.

#include <windows.h>

namespace win32 {

class TMessageTarget {
public:
    virtual ~TMessageTarget() = default;
    // Returns the message's result; DefWindowProcW for what it leaves.
    virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Registers the class once (its procedure is the one above) with the
// background brush given, or none when the target paints all of itself.
const wchar_t* TargetWindowClass(const wchar_t* name, HBRUSH background);

// Creates a window of such a class whose messages go to `target` from the
// first one on (WM_NCCREATE); the target stays attached until
// WM_NCDESTROY, or until DetachTarget.
HWND CreateTargetWindow(TMessageTarget& target, const wchar_t* className, DWORD style, DWORD exStyle, HWND parent,
                        const RECT& rect, const wchar_t* text = L"");

// The target of a window made by CreateTargetWindow, or null.
TMessageTarget* TargetOf(HWND window);
void DetachTarget(HWND window);

} // namespace win32
