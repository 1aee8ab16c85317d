#pragma once
// The Windows main window: a top-level window of ours whose children the
// alignment places, which owns its controls and their fonts, keeps them at
// its monitor's DPI, moves the focus along its tab ring and passes the
// close request to the program.

#include "platform/win32/Control.h"
#include "platform/win32/MessageTarget.h"
#include "support/layout/AlignContainer.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace win32 {

struct TWindowFont {
    std::wstring Face;
    int PixelSize = 0;
};

class TWindow final : public TWin32Control<IWindow>, public TMessageTarget, public TControlHost {
public:
    // `clientArea` in logical pixels on the screen; hidden until Show.
    TWindow(const std::string& title, const TRect& clientArea, const TWindowFont& font);
    ~TWindow() override;

    // Takes a control made in this window (or one of its panels).
    template <class Control>
    Control* Own(std::unique_ptr<Control> control)
    {
        Control* made = control.get();
        FControlsByHandle[made->Handle()] = made;
        FControls.push_back(std::move(control));
        return made;
    }

    TRect Bounds() const override;
    void SetBounds(const TRect& bounds) override;
    TAlignContainer& Layout() override { return FLayout; }
    std::string Title() const override { return WindowTextUtf8(FHandle); }
    void SetTabOrder(const std::vector<IControl*>& ring) override;
    void Show() override;
    void Close() override;
    void SetOnCloseQuery(std::function<bool()> handler) override { FOnCloseQuery = std::move(handler); }
    void SetOnClosed(std::function<void()> handler) override { FOnClosed = std::move(handler); }

    const TDpiScale& Scale() const override { return FScale; }
    HFONT FontFor(const std::wstring& text) const override;
    TNativeControl* ControlOf(HWND window) const override;

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Moves the focus from `from` to the next control of the ring (the
    // previous one with `backwards`); an edit box then has its whole text
    // selected. False when `from` is not in this window.
    bool MoveFocus(HWND from, bool backwards);

private:
    TRect ClientArea() const { return TRect{0, 0, FClientWidth, FClientHeight}; }
    void MakeFonts();
    void FreeFonts();
    void PlaceOnScreen(const TRect& clientArea);
    void DpiChanged(UINT dpi, const RECT& suggested);

    TAlignContainer FLayout;
    TDpiScale FScale;
    TWindowFont FFontDefinition;
    HFONT FFont = nullptr;
    // Fonts of the same size in faces that have characters the window's
    // font lacks, made on first use.
    mutable std::map<std::wstring, HFONT> FFallbackFonts;
    // The client area's logical size, kept across DPI changes.
    int FClientWidth = 0;
    int FClientHeight = 0;
    std::vector<std::unique_ptr<TNativeControl>> FControls;
    std::map<HWND, TNativeControl*> FControlsByHandle;
    std::vector<HWND> FTabRing;
    HWND FFocusBeforeDeactivation = nullptr;
    std::function<bool()> FOnCloseQuery;
    std::function<void()> FOnClosed;
};

// The main window `handle` belongs to (itself or an ancestor), or null.
TWindow* MainWindowOf(HWND handle);

// The keys the window handles before its controls see them: Tab and
// Backtab move along the ring. True when the message was handled.
bool HandleWindowKey(const MSG& message);

} // namespace win32
