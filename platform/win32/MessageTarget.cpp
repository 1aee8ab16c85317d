// The one window procedure of our classes, with its exception boundary.

#include "platform/win32/MessageTarget.h"

#include "support/runtime/ErrorBox.h"

#include <exception>

namespace win32 {

namespace {

LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    TMessageTarget* target = TargetOf(window);
    if (message == WM_NCDESTROY)
        DetachTarget(window);
    if (!target)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return target->HandleMessage(window, message, wParam, lParam);
    } catch (const std::exception& error) {
        ShowHandlerError(error);
    } catch (...) {
        ShowHandlerErrorMessage("Unknown error");
    }
    return 0;
}

} // namespace

const wchar_t* TargetWindowClass(const wchar_t* name, HBRUSH background)
{
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing))
        return name;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = TargetProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
    return name;
}

HWND CreateTargetWindow(TMessageTarget& target, const wchar_t* className, DWORD style, DWORD exStyle, HWND parent,
                        const RECT& rect, const wchar_t* text)
{
    return CreateWindowExW(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, nullptr, GetModuleHandleW(nullptr), &target);
}

TMessageTarget* TargetOf(HWND window)
{
    return reinterpret_cast<TMessageTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void DetachTarget(HWND window) { SetWindowLongPtrW(window, GWLP_USERDATA, 0); }

} // namespace win32
