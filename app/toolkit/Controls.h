#pragma once
// The controls the main window is built from, as interfaces of ours: each
// platform (platform/qt, platform/win32) implements them over its own
// widgets. Texts are UTF-8. Geometry is in logical pixels, relative to the
// parent's client area; where the alignment places a control, it does so
// through ILayoutControl::SetBounds.
//
// Ownership: a control belongs to the window it was created in and lives
// until that window is destroyed; the program never deletes one.
//
// Events: a platform calls a handler set here straight from its event
// dispatch. The program's handlers catch everything themselves (they run
// inside GuardHandler), so a platform needs no exception handling of its
// own around them.

#include "support/layout/AlignContainer.h"
#include "support/layout/LayoutControl.h"

#include <functional>
#include <string>
#include <vector>

class IControl : public ILayoutControl {
public:
    // What a screen reader announces for the control: its name and a short
    // description (empty for none).
    virtual void SetAccessibleName(const std::string& name, const std::string& description) = 0;
};

// A text in the window's font, sized by the platform to its text (only its
// position comes from the definition). Not a tab stop.
class ILabel : public IControl {
public:
    virtual std::string Text() const = 0;
};

// A one-line edit box. Keyboard focus (Tab, Backtab) selects its whole
// text; a mouse click places the cursor.
class IEdit : public IControl {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

// A push button that is neither default nor cancel button: Return and
// Escape press none; Space presses the focused one.
class IButton : public IControl {
public:
    virtual std::string Caption() const = 0;
    // Called once for every press, by mouse or keyboard.
    virtual void SetOnClick(std::function<void()> handler) = 0;
};

// A check box with its caption right of a small box (13 px box, 3 px gap,
// so that "pomalu" fits 57 px).
class ICheckBox : public IControl {
public:
    virtual std::string Caption() const = 0;
    virtual bool Checked() const = 0;
    // Sets the state; the change handler runs as for a click.
    virtual void SetChecked(bool checked) = 0;
    // Called after every change of the state, by mouse, keyboard or SetChecked.
    virtual void SetOnChange(std::function<void()> handler) = 0;
};

// A multi-line edit box without scroll bars, wrapping at word boundaries at
// its width. Return starts a new line; Tab moves on to the next control.
class IMemo : public IControl {
public:
    virtual std::string Text() const = 0;
};

// A control that holds others and places them by the alignment layout:
// the platform adds every child created in it to Layout() and calls
// Layout().ClientResized() whenever its client area changes size.
class IContainer : public IControl {
public:
    virtual TAlignContainer& Layout() = 0;
};

// A panel in the button face colour with a raised one-pixel bevel (drawn
// from FrameGeometry in support/layout/BevelFrame.h) and its caption
// centred in the window's font. Its children share the area inside the
// bevel.
class IPanel : public IContainer {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
};

// The main window. Bounds() is its client area on the screen; its children
// share the whole client area.
class IWindow : public IContainer {
public:
    virtual std::string Title() const = 0;

    // Tab moves along `ring` and from its last control back to its first;
    // Backtab the other way. Controls outside the ring take no focus by Tab.
    virtual void SetTabOrder(const std::vector<IControl*>& ring) = 0;

    virtual void Show() = 0;
    // Asks the window to close, as the close button does.
    virtual void Close() = 0;
    // Asked on every close request; returning false keeps the window open.
    // When it returns true the window hides and `OnClosed` runs.
    virtual void SetOnCloseQuery(std::function<bool()> handler) = 0;
    virtual void SetOnClosed(std::function<void()> handler) = 0;
};
