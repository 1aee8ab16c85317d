#pragma once
// The Windows controls made of the system's own classes: label (STATIC),
// edit box and memo (EDIT), button and check box (BUTTON).

#include "platform/win32/Control.h"
#include "platform/win32/MessageTarget.h"

#include <functional>
#include <string>

namespace win32 {

// The system's control of `className` as a child of `parent`, visible.
HWND CreateNativeControl(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle, HWND parent);

// A label sizes itself to its text in its font: only its position is kept
// from the rectangle it is given.
class TLabel final : public TWin32Control<ILabel> {
public:
    TLabel(TControlHost& host, HWND parent, const std::string& text);
    std::string Text() const override { return WindowTextUtf8(FHandle); }
    void SetBounds(const TRect& bounds) override;
    void Rescale() override;

private:
    // The text's width and line height in logical pixels, in its font.
    TPoint TextSize() const;
};

// Tab and Backtab select the whole text (the window's tab ring does it, as
// the system's dialog manager does for an edit box).
class TEdit final : public TWin32Control<IEdit> {
public:
    TEdit(TControlHost& host, HWND parent, const std::string& text);
    std::string Text() const override { return WindowTextUtf8(FHandle); }
    void SetText(const std::string& text) override { SetWindowTextUtf8(FHandle, text); }
};

// A plain push button: without the dialog manager no key but Space presses
// it, and it never becomes the default button.
class TButton final : public TWin32Control<IButton> {
public:
    TButton(TControlHost& host, HWND parent, const std::string& caption);
    std::string Caption() const override { return WindowTextUtf8(FHandle); }
    void SetOnClick(std::function<void()> handler) override { FOnClick = std::move(handler); }
    void Command(WORD code) override;

private:
    std::function<void()> FOnClick;
};

// The system's check box (BS_AUTOCHECKBOX): a click toggles it and tells
// us; SetChecked changes it and tells the handler the same way.
class TCheckBox final : public TWin32Control<ICheckBox> {
public:
    TCheckBox(TControlHost& host, HWND parent, const std::string& caption);
    std::string Caption() const override { return WindowTextUtf8(FHandle); }
    bool Checked() const override;
    void SetChecked(bool checked) override;
    void SetOnChange(std::function<void()> handler) override { FOnChange = std::move(handler); }
    void Command(WORD code) override;

private:
    std::function<void()> FOnChange;
};

// A multi-line edit box without scroll bars, wrapping at words (no
// horizontal scrolling); Return starts a new line.
class TMemo final : public TWin32Control<IMemo> {
public:
    TMemo(TControlHost& host, HWND parent, const std::string& text);
    std::string Text() const override { return WindowTextUtf8(FHandle); }
};

} // namespace win32
