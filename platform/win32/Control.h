#pragma once
// The part every control of the Windows platform shares: a child window
// whose rectangle is kept in logical pixels and placed in device pixels at
// the window's DPI, which tells its parent's alignment when it moves,
// resizes, shows or hides, and takes its accessible name through the
// system's annotation service.

#include "app/toolkit/Controls.h"
#include "platform/win32/DpiScale.h"

#include <windows.h>

#include <string>

namespace win32 {

// What the window gives each of its controls: its DPI and its fonts.
class TControlHost {
public:
    virtual ~TControlHost() = default;
    virtual const TDpiScale& Scale() const = 0;
    // The window's font at its DPI, or for a text with characters that
    // font lacks, a font of the same size that has them.
    virtual HFONT FontFor(const std::wstring& text) const = 0;
    // The control whose window this is, or null.
    virtual class TNativeControl* ControlOf(HWND window) const = 0;
};

// One control's window and place; the interfaces are implemented by
// TWin32Control below.
class TNativeControl {
public:
    TNativeControl() = default;
    TNativeControl(const TNativeControl&) = delete;
    TNativeControl& operator=(const TNativeControl&) = delete;
    virtual ~TNativeControl() = default;

    HWND Handle() const { return FHandle; }
    // The name the form gives the control (tests and tools find it by it).
    const std::string& Name() const { return FName; }
    void SetName(const std::string& name) { FName = name; }

    // WM_COMMAND from the control (BN_CLICKED, ...), passed on by its parent.
    virtual void Command(WORD /*code*/) {}
    // The window's DPI or font changed: places the window and sets its font
    // again.
    virtual void Rescale();
    // From now on the control's moves, resizes and visibility changes ask
    // the parent's alignment to run.
    void JoinLayout(TAlignContainer& parentLayout) { FParentLayout = &parentLayout; }

protected:
    // Takes the window made for the control.
    void Attach(HWND handle, TControlHost& host);
    void Place(const TRect& bounds, const ILayoutControl& self);
    bool Visible() const;
    void ApplyAccessibleName(const std::string& name, const std::string& description);

    TControlHost* FHost = nullptr;
    TAlignContainer* FParentLayout = nullptr;
    HWND FHandle = nullptr;
    TRect FBounds;
    std::string FName;
};

template <class Interface>
class TWin32Control : public TNativeControl, public Interface {
public:
    TRect Bounds() const override { return FBounds; }
    void SetBounds(const TRect& bounds) override { Place(bounds, *this); }
    bool VisibleToParent() const override { return Visible(); }
    TSizeLimits SizeLimits() const override { return {}; }
    void SetAccessibleName(const std::string& name, const std::string& description) override
    {
        ApplyAccessibleName(name, description);
    }
};

// The window's text as UTF-8, and its text set from UTF-8.
std::string WindowTextUtf8(HWND window);
void SetWindowTextUtf8(HWND window, const std::string& text);

} // namespace win32
