// The window built from its fixed definition: one table of rows, each a
// control with its parent, caption, place, alignment and place in the tab
// ring, in the order of the definition (which is the child order the
// alignment layout sees). Any platform's toolkit builds the same window
// from it.

#include "app/FormCharts.h"
#include "app/MainWindow.h"
#include "app/toolkit/Toolkit.h"

#include <algorithm>
#include <cassert>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

enum class TKind { Panel, Label, Edit, Button, CheckBox, Memo, Chart };

// One control of the definition. Bounds are relative to the parent; a
// label's size comes from its text. TabIndex places the control in the
// window's one tab ring (-1: not a tab stop). What a screen reader
// announces: an edit box the text of its label, a chart its title and what
// it shows.
struct TFormRow {
    TKind Kind;
    const char* Name;
    const char* Parent;
    const char* Text; // a chart's title
    TRect Bounds;
    TAlign Align;
    int TabIndex;
    const char* AccessibleName = "";
    const char* AccessibleDescription = "";
};

constexpr TRect Box(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return TRect{left, top, left + width, top + height};
}

// The window: "MS Sans Serif" at 11 pixels, its client area at 248, 79.
const TWindowDefinition FormWindow{"Form1", "Form1", Box(248, 79, 1077, 737), {"MS Sans Serif", 11}};

// All three rows carry the caption "Panel2". The labels' sizes are those of
// the design font and are measured again by the platform.
const TFormRow FormRows[] = {
    {TKind::Panel, "Panel1", "Form1", "Panel1", Box(0, 0, 1077, 737), alClient, -1},
    {TKind::Panel, "Panel2", "Panel1", "Panel2", Box(1, 1, 1075, 200), alTop, -1},
    {TKind::Panel, "Panel5", "Panel2", "", Box(1, 1, 257, 198), alLeft, -1},
    {TKind::Label, "Label1", "Panel5", "amplituda A1 [m]", Box(16, 24, 0, 0), alNone, -1},
    {TKind::Label, "Label3", "Panel5", "frekvence", Box(16, 56, 0, 0), alNone, -1},
    {TKind::Label, "Label7", "Panel5", "ω1", Box(72, 56, 0, 0), alNone, -1},
    {TKind::Label, "Label5", "Panel5", "ϕ1", Box(16, 88, 0, 0), alNone, -1},
    {TKind::Edit, "Edit1", "Panel5", "5", Box(120, 16, 121, 21), alNone, 0, "amplituda A1 [m]"},
    {TKind::Edit, "Edit2", "Panel5", "1", Box(120, 48, 121, 21), alNone, 1, "frekvence ω1"},
    {TKind::Edit, "Edit5", "Panel5", "0", Box(120, 80, 121, 21), alNone, 2, "ϕ1"},
    {TKind::Chart, "Chart1", "Panel2", "Kmity 1", Box(258, 1, 816, 198), alClient, -1, "Kmity 1",
     "výchylka x prvního kmitu v čase t"},
    {TKind::Panel, "Panel3", "Panel1", "Panel2", Box(1, 201, 1075, 200), alTop, -1},
    {TKind::Panel, "Panel6", "Panel3", "", Box(1, 1, 257, 198), alLeft, -1},
    {TKind::Label, "Label2", "Panel6", "amplituda A2 [m]", Box(16, 24, 0, 0), alNone, -1},
    {TKind::Label, "Label4", "Panel6", "frekvence", Box(16, 56, 0, 0), alNone, -1},
    {TKind::Label, "Label6", "Panel6", "ω2", Box(72, 56, 0, 0), alNone, -1},
    {TKind::Label, "Label8", "Panel6", "ϕ2", Box(16, 88, 0, 0), alNone, -1},
    {TKind::Edit, "Edit3", "Panel6", "5", Box(120, 16, 121, 21), alNone, 3, "amplituda A2 [m]"},
    {TKind::Edit, "Edit4", "Panel6", "1", Box(120, 48, 121, 21), alNone, 4, "frekvence ω2"},
    {TKind::Edit, "Edit6", "Panel6", "0", Box(120, 80, 121, 21), alNone, 5, "ϕ2"},
    {TKind::Chart, "Chart2", "Panel3", "Kmity 2", Box(258, 1, 816, 198), alClient, -1, "Kmity 2",
     "výchylka x druhého kmitu v čase t"},
    {TKind::Panel, "Panel4", "Panel1", "Panel2", Box(1, 401, 1075, 200), alTop, -1},
    {TKind::Panel, "Panel7", "Panel4", "", Box(1, 1, 257, 198), alLeft, -1},
    {TKind::Button, "Button1", "Panel7", "Start", Box(24, 32, 75, 25), alNone, 6},
    {TKind::Button, "Button2", "Panel7", "Stop", Box(24, 64, 75, 25), alNone, 7},
    {TKind::Button, "Button3", "Panel7", "Clear", Box(24, 96, 75, 25), alNone, 8},
    {TKind::CheckBox, "CheckBox1", "Panel7", "pomalu", Box(160, 37, 57, 17), alNone, 9},
    {TKind::Chart, "Chart3", "Panel4", "Kmity složené", Box(258, 1, 816, 198), alClient, -1, "Kmity složené",
     "součet výchylek obou kmitů v čase t"},
    {TKind::Memo, "Output", "Panel1", "", Box(8, 608, 249, 129), alNone, 10},
};

// What the definition made, by name.
struct TMadeControls {
    std::map<std::string, IControl*> Controls;
    std::map<std::string, IContainer*> Containers;
    std::map<std::string, TChart*> Charts;
    std::map<std::string, TLineSeries*> Series;

    template <class T>
    T* Get(const char* name) const
    {
        auto* control = dynamic_cast<T*>(Controls.at(name));
        assert(control && "the definition names a control of this kind");
        return control;
    }
};

IControl* MakeControl(IToolkit& toolkit, IContainer& parent, const TFormRow& row, const TControlDefinition& definition,
                      TMadeControls& made)
{
    switch (row.Kind) {
    case TKind::Panel: {
        IPanel* panel = toolkit.CreatePanel(parent, definition);
        // Built first, aligned once when the whole window stands.
        panel->Layout().DisableAlign();
        made.Containers[row.Name] = panel;
        return panel;
    }
    case TKind::Label:
        return toolkit.CreateLabel(parent, definition);
    case TKind::Edit:
        return toolkit.CreateEdit(parent, definition);
    case TKind::Button:
        return toolkit.CreateButton(parent, definition);
    case TKind::CheckBox:
        return toolkit.CreateCheckBox(parent, definition);
    case TKind::Memo:
        return toolkit.CreateMemo(parent, definition);
    case TKind::Chart: {
        TFormChart chart = CreateFormChart(toolkit, parent, definition, row.Text);
        made.Charts[row.Name] = chart.Chart;
        made.Series[row.Name] = CreateFormSeries(chart.Chart);
        return chart.Host;
    }
    }
    assert(false && "every kind of control is made above");
    return nullptr;
}

// The definition's tab orders, parent by parent, make this one ring.
std::vector<IControl*> TabRing(const TMadeControls& made)
{
    std::vector<const TFormRow*> stops;
    for (const TFormRow& row : FormRows)
        if (row.TabIndex >= 0)
            stops.push_back(&row);
    std::stable_sort(stops.begin(), stops.end(),
                     [](const TFormRow* a, const TFormRow* b) { return a->TabIndex < b->TabIndex; });
    std::vector<IControl*> ring;
    for (const TFormRow* row : stops)
        ring.push_back(made.Controls.at(row->Name));
    return ring;
}

} // namespace

void TForm1::CreateControls(IToolkit& toolkit)
{
    Window = toolkit.CreateMainWindow(FormWindow);
    TMadeControls made;
    made.Containers[FormWindow.Name] = Window.get();
    std::vector<IContainer*> suspended{Window.get()};
    Window->Layout().DisableAlign();
    for (const TFormRow& row : FormRows) {
        IContainer& parent = *made.Containers.at(row.Parent);
        TControlDefinition definition;
        definition.Name = row.Name;
        definition.Text = row.Kind == TKind::Chart ? "" : row.Text;
        definition.Bounds = row.Bounds;
        definition.Align = row.Align;
        definition.AccessibleName = row.AccessibleName;
        definition.AccessibleDescription = row.AccessibleDescription;
        IControl* control = MakeControl(toolkit, parent, row, definition, made);
        parent.Layout().SetAlign(*control, row.Align);
        made.Controls[row.Name] = control;
        if (made.Containers.count(row.Name))
            suspended.push_back(made.Containers[row.Name]);
    }
    // Innermost first: each container is aligned inside a parent that
    // already has its final size.
    for (auto container = suspended.rbegin(); container != suspended.rend(); ++container)
        (*container)->Layout().EnableAlign();

    Panel1 = made.Get<IPanel>("Panel1");
    Panel2 = made.Get<IPanel>("Panel2");
    Panel3 = made.Get<IPanel>("Panel3");
    Panel4 = made.Get<IPanel>("Panel4");
    Panel5 = made.Get<IPanel>("Panel5");
    Panel6 = made.Get<IPanel>("Panel6");
    Panel7 = made.Get<IPanel>("Panel7");
    Label1 = made.Get<ILabel>("Label1");
    Label2 = made.Get<ILabel>("Label2");
    Label3 = made.Get<ILabel>("Label3");
    Label4 = made.Get<ILabel>("Label4");
    Label5 = made.Get<ILabel>("Label5");
    Label6 = made.Get<ILabel>("Label6");
    Label7 = made.Get<ILabel>("Label7");
    Label8 = made.Get<ILabel>("Label8");
    Edit1 = made.Get<IEdit>("Edit1");
    Edit2 = made.Get<IEdit>("Edit2");
    Edit3 = made.Get<IEdit>("Edit3");
    Edit4 = made.Get<IEdit>("Edit4");
    Edit5 = made.Get<IEdit>("Edit5");
    Edit6 = made.Get<IEdit>("Edit6");
    Button1 = made.Get<IButton>("Button1");
    Button2 = made.Get<IButton>("Button2");
    Button3 = made.Get<IButton>("Button3");
    CheckBox1 = made.Get<ICheckBox>("CheckBox1");
    Output = made.Get<IMemo>("Output");
    Chart1 = made.Charts.at("Chart1");
    Chart2 = made.Charts.at("Chart2");
    Chart3 = made.Charts.at("Chart3");
    Series1 = made.Series.at("Chart1");
    Series2 = made.Series.at("Chart2");
    Series3 = made.Series.at("Chart3");
    Window->SetTabOrder(TabRing(made));
}
