// The Windows toolkit's factory: each control made as a child window of its
// parent, named, with its text and rectangle, owned by the main window and
// handed to the parent's alignment.

#include "platform/win32/Toolkit.h"

#include "platform/win32/ChartHost.h"
#include "platform/win32/LocaleMarks.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/NativeControls.h"
#include "platform/win32/Panel.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Window.h"

#include <cassert>

namespace win32 {

namespace {

// Every control of ours is a native one; its window the parent of new ones.
HWND ParentHandle(IContainer& parent)
{
    auto* native = dynamic_cast<TNativeControl*>(&parent);
    assert(native && "a Windows control's parent is a Windows container");
    return native->Handle();
}

TWindow& OwningWindow(IContainer& parent)
{
    TWindow* window = MainWindowOf(ParentHandle(parent));
    assert(window && "controls are made inside the main window");
    return *window;
}

// Names the new control, gives it its accessible name, places it, hands it
// to the parent's alignment and the window's ownership.
template <class Control>
Control* Place(IContainer& parent, std::unique_ptr<Control> made, const TControlDefinition& definition)
{
    Control* control = OwningWindow(parent).Own(std::move(made));
    control->SetName(definition.Name);
    if (!definition.AccessibleName.empty() || !definition.AccessibleDescription.empty())
        control->SetAccessibleName(definition.AccessibleName, definition.AccessibleDescription);
    control->SetBounds(definition.Bounds);
    parent.Layout().Add(*control);
    control->JoinLayout(parent.Layout());
    return control;
}

// A control of the system's own classes (or a panel), with the definition's
// text, made in `parent`.
template <class Control>
Control* MakeWithText(IContainer& parent, const TControlDefinition& definition)
{
    return Place(parent, std::make_unique<Control>(OwningWindow(parent), ParentHandle(parent), definition.Text),
                 definition);
}

class TWin32Toolkit final : public IToolkit {
public:
    std::unique_ptr<IWindow> CreateMainWindow(const TWindowDefinition& definition) override
    {
        auto window =
            std::make_unique<TWindow>(definition.Title, definition.Bounds,
                                      TWindowFont{Utf16FromUtf8(definition.Font.Family), definition.Font.PixelSize});
        window->SetName(definition.Name);
        return window;
    }

    IPanel* CreatePanel(IContainer& parent, const TControlDefinition& definition) override
    {
        return MakeWithText<TPanel>(parent, definition);
    }

    ILabel* CreateLabel(IContainer& parent, const TControlDefinition& definition) override
    {
        return MakeWithText<TLabel>(parent, definition);
    }

    IEdit* CreateEdit(IContainer& parent, const TControlDefinition& definition) override
    {
        return MakeWithText<TEdit>(parent, definition);
    }

    IButton* CreateButton(IContainer& parent, const TControlDefinition& definition) override
    {
        return MakeWithText<TButton>(parent, definition);
    }

    ICheckBox* CreateCheckBox(IContainer& parent, const TControlDefinition& definition) override
    {
        return MakeWithText<TCheckBox>(parent, definition);
    }

    IMemo* CreateMemo(IContainer& parent, const TControlDefinition& definition) override
    {
        return MakeWithText<TMemo>(parent, definition);
    }

    IControl* CreateChartHost(IContainer& parent, const TControlDefinition& definition, TCustomLynPanel& chart) override
    {
        return Place(parent, std::make_unique<TChartHost>(OwningWindow(parent), ParentHandle(parent), chart),
                     definition);
    }

    IMessageLoop& MessageLoop() override { return Win32MessageLoop(); }
    ILocaleMarks& LocaleMarks() override { return Win32LocaleMarks(); }
};

} // namespace

IToolkit& Win32Toolkit()
{
    static TWin32Toolkit toolkit;
    return toolkit;
}

} // namespace win32
