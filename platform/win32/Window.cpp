// The Windows main window: its place on the screen at its DPI, its fonts,
// its tab ring, its focus across activations and its close request.

#include "platform/win32/Window.h"

#include "platform/win32/FallbackFaces.h"
#include "platform/win32/MessageBoxErrorBox.h"
#include "platform/win32/NativeControls.h"
#include "platform/win32/Panel.h"
#include "platform/win32/Utf16.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace win32 {

namespace {

constexpr DWORD WindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = 0;
constexpr wchar_t WindowClassName[] = L"KmityWindow";

HFONT MakeFont(const std::wstring& face, int devicePixels)
{
    // A negative height is the character height without the internal
    // leading, as the form gives its font's size.
    return CreateFontW(-devicePixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

// Whether the font has a glyph for every character of the text. A font
// that cannot answer (a bitmap font) is taken to have ASCII only.
bool HasAllGlyphs(HFONT font, const std::wstring& text)
{
    if (text.empty())
        return true;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    std::vector<WORD> glyphs(text.size(), 0xFFFF);
    const DWORD found =
        GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    if (found == GDI_ERROR)
        return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
    return std::find(glyphs.begin(), glyphs.end(), WORD(0xFFFF)) == glyphs.end();
}

} // namespace

TWindow::TWindow(const std::string& title, const TRect& clientArea, const TWindowFont& font)
    : FLayout([this] { return ClientArea(); }), FFontDefinition(font)
{
    const HWND handle = CreateTargetWindow(
        *this, TargetWindowClass(WindowClassName, GetSysColorBrush(COLOR_BTNFACE)), WindowStyle, WindowExStyle, nullptr,
        RECT{clientArea.Left, clientArea.Top, clientArea.Right, clientArea.Bottom}, Utf16FromUtf8(title).c_str());
    if (!handle)
        throw std::runtime_error("Cannot create the main window");
    // The monitor the window is on decides its scale; without per-monitor
    // awareness the system answers 96.
    const UINT dpi = GetDpiForWindow(handle);
    FScale.Dpi = dpi ? dpi : USER_DEFAULT_SCREEN_DPI;
    MakeFonts();
    Attach(handle, *this);
    SetBounds(clientArea);
    ApplicationErrorBox().SetOwner(handle);
}

TWindow::~TWindow()
{
    DestroyWindow(FHandle);
    FreeFonts();
}

void TWindow::MakeFonts()
{
    FFont = MakeFont(FFontDefinition.Face.empty() ? L"MS Shell Dlg 2" : FFontDefinition.Face,
                     FScale.ToDevice(FFontDefinition.PixelSize));
}

void TWindow::FreeFonts()
{
    for (auto& [face, font] : FFallbackFonts)
        DeleteObject(font);
    FFallbackFonts.clear();
    if (FFont)
        DeleteObject(FFont);
    FFont = nullptr;
}

HFONT TWindow::FontFor(const std::wstring& text) const
{
    if (HasAllGlyphs(FFont, text))
        return FFont;
    for (const wchar_t* face : FallbackFaces) {
        auto made = FFallbackFonts.find(face);
        if (made == FFallbackFonts.end())
            made = FFallbackFonts.emplace(face, MakeFont(face, FScale.ToDevice(FFontDefinition.PixelSize))).first;
        if (HasAllGlyphs(made->second, text))
            return made->second;
    }
    return FFont;
}

TNativeControl* TWindow::ControlOf(HWND window) const
{
    const auto found = FControlsByHandle.find(window);
    return found == FControlsByHandle.end() ? nullptr : found->second;
}

TRect TWindow::Bounds() const
{
    POINT origin{0, 0};
    ClientToScreen(FHandle, &origin);
    const int left = FScale.ToLogical(origin.x);
    const int top = FScale.ToLogical(origin.y);
    return TRect{left, top, left + FClientWidth, top + FClientHeight};
}

void TWindow::SetBounds(const TRect& bounds)
{
    FClientWidth = bounds.Width();
    FClientHeight = bounds.Height();
    PlaceOnScreen(bounds);
    FLayout.ClientResized();
}

void TWindow::PlaceOnScreen(const TRect& clientArea)
{
    // The size scaled as a whole, as the client area's WM_SIZE reads it
    // back, rather than from the scaled edges.
    const int left = FScale.ToDevice(clientArea.Left);
    const int top = FScale.ToDevice(clientArea.Top);
    RECT outer{left, top, left + FScale.ToDevice(clientArea.Width()), top + FScale.ToDevice(clientArea.Height())};
    AdjustWindowRectExForDpi(&outer, WindowStyle, FALSE, WindowExStyle, FScale.Dpi);
    SetWindowPos(FHandle, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWindow::SetTabOrder(const std::vector<IControl*>& ring)
{
    FTabRing.clear();
    for (IControl* control : ring)
        if (auto* native = dynamic_cast<TNativeControl*>(control))
            FTabRing.push_back(native->Handle());
}

void TWindow::Show()
{
    ShowWindow(FHandle, SW_SHOW);
    UpdateWindow(FHandle);
}

void TWindow::Close() { SendMessageW(FHandle, WM_CLOSE, 0, 0); }

bool TWindow::MoveFocus(HWND from, bool backwards)
{
    if (FTabRing.empty() || MainWindowOf(from) != this)
        return false;
    const auto at = std::find(FTabRing.begin(), FTabRing.end(), from);
    const size_t count = FTabRing.size();
    size_t next = 0;
    if (at == FTabRing.end())
        next = backwards ? count - 1 : 0;
    else {
        const size_t index = static_cast<size_t>(at - FTabRing.begin());
        next = backwards ? (index + count - 1) % count : (index + 1) % count;
    }
    const HWND target = FTabRing[next];
    SetFocus(target);
    if (dynamic_cast<TEdit*>(ControlOf(target)))
        SendMessageW(target, EM_SETSEL, 0, -1);
    return true;
}

void TWindow::DpiChanged(UINT dpi, const RECT& suggested)
{
    FScale.Dpi = dpi;
    FreeFonts();
    MakeFonts();
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont), FALSE);
    for (const auto& control : FControls)
        control->Rescale();
    // The new size follows the system's suggestion; its WM_SIZE re-aligns
    // when the logical size came out another.
    SetWindowPos(FHandle, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT TWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Messages of the creation itself come before the window is attached.
    if (!FHandle)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_SIZE: {
        if (wParam == SIZE_MINIMIZED)
            return 0;
        // A size the logical one gives at this DPI is ours; another is the
        // user's, taken over in logical pixels.
        const int width = LOWORD(lParam);
        const int height = HIWORD(lParam);
        if (FScale.ToDevice(FClientWidth) != width)
            FClientWidth = FScale.ToLogical(width);
        if (FScale.ToDevice(FClientHeight) != height)
            FClientHeight = FScale.ToLogical(height);
        FLayout.ClientResized();
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(FHandle, focus))
                FFocusBeforeDeactivation = focus;
            return 0;
        }
        if (FFocusBeforeDeactivation && IsWindow(FFocusBeforeDeactivation))
            SetFocus(FFocusBeforeDeactivation);
        else if (!FTabRing.empty())
            SetFocus(FTabRing.front());
        else
            return DefWindowProcW(window, message, wParam, lParam);
        return 0;
    case WM_CLOSE:
        if (FOnCloseQuery && !FOnCloseQuery())
            return 0;
        ShowWindow(FHandle, SW_HIDE);
        if (FOnClosed)
            FOnClosed();
        return 0;
    case WM_DPICHANGED:
        DpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        if (HandleContainerMessage(*this, message, wParam, lParam))
            return 0;
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

TWindow* MainWindowOf(HWND handle)
{
    const HWND root = handle ? GetAncestor(handle, GA_ROOT) : nullptr;
    wchar_t className[std::size(WindowClassName) + 1] = {};
    if (!root || !GetClassNameW(root, className, static_cast<int>(std::size(className))) ||
        std::wstring_view(className) != WindowClassName)
        return nullptr;
    return dynamic_cast<TWindow*>(TargetOf(root));
}

bool HandleWindowKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB)
        return false;
    if ((GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000))
        return false;
    TWindow* window = MainWindowOf(message.hwnd);
    return window && window->MoveFocus(message.hwnd, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
}

} // namespace win32
