#pragma once
// The factory a platform provides: it makes the window and its controls
// from the rows of the form's definition, the host control of each chart,
// and hands out the platform's message loop and locale marks. The form
// (app/FormDefinition.cpp) is written against this alone.

#include "app/toolkit/Controls.h"
#include "app/toolkit/LocaleMarks.h"
#include "support/runtime/MessageLoop.h"

#include <memory>
#include <string>

class TCustomLynPanel;

// The font of the window, which every control in it uses.
struct TFontDefinition {
    std::string Family; // where missing, the system's sans serif stands in
    int PixelSize = 0;
};

// One control of the definition. The platform gives the control its name
// (for tests and tools), its text, its rectangle and, when not empty, its
// accessible name and description; our form builder then sets Align in the
// parent's alignment.
struct TControlDefinition {
    const char* Name = "";
    std::string Text; // caption of a panel, label, button or check box; text of an edit box
    TRect Bounds; // a label's width and height come from its text instead
    TAlign Align = alNone;
    std::string AccessibleName;
    std::string AccessibleDescription;
};

struct TWindowDefinition {
    const char* Name = "";
    std::string Title;
    TRect Bounds; // the client area on the screen
    TFontDefinition Font;
};

class IToolkit {
public:
    virtual ~IToolkit() = default;

    // The window belongs to the caller; its controls belong to it.
    virtual std::unique_ptr<IWindow> CreateMainWindow(const TWindowDefinition& definition) = 0;

    // Each control is created as the last child of `parent`, visible, and
    // added to parent.Layout() with alNone (the form builder sets Align).
    virtual IPanel* CreatePanel(IContainer& parent, const TControlDefinition& definition) = 0;
    virtual ILabel* CreateLabel(IContainer& parent, const TControlDefinition& definition) = 0;
    virtual IEdit* CreateEdit(IContainer& parent, const TControlDefinition& definition) = 0;
    virtual IButton* CreateButton(IContainer& parent, const TControlDefinition& definition) = 0;
    virtual ICheckBox* CreateCheckBox(IContainer& parent, const TControlDefinition& definition) = 0;
    virtual IMemo* CreateMemo(IContainer& parent, const TControlDefinition& definition) = 0;

    // The control that shows `chart` and passes it the mouse, resizes and
    // paints. Not a tab stop. `chart` belongs to the caller and outlives
    // the host.
    virtual IControl* CreateChartHost(IContainer& parent, const TControlDefinition& definition,
                                      TCustomLynPanel& chart) = 0;

    virtual IMessageLoop& MessageLoop() = 0;
    virtual ILocaleMarks& LocaleMarks() = 0;
};
