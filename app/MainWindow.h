#pragma once
// The main window: three rows of inputs and charts (one per oscillation and
// one for their sum), the Start/Stop/Clear buttons, the "pomalu" check box
// and the memo, with the four handlers that drive a run. Written against
// the toolkit's interfaces only; the platform's toolkit builds it.

#include "app/RunState.h"
#include "app/toolkit/Controls.h"

#include <functional>
#include <memory>

class IToolkit;
class TChart;
class TLineSeries;

class TForm1 {
public:
    explicit TForm1(IToolkit& toolkit);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The window; every control below belongs to it.
    std::unique_ptr<IWindow> Window;

    // The controls, under their definition names. The charts and series
    // belong to this object; the charts are shown by their host controls.
    IPanel* Panel1 = nullptr;
    IPanel* Panel2 = nullptr;
    IPanel* Panel5 = nullptr;
    ILabel* Label1 = nullptr;
    ILabel* Label3 = nullptr;
    ILabel* Label7 = nullptr;
    ILabel* Label5 = nullptr;
    IEdit* Edit1 = nullptr;
    IEdit* Edit2 = nullptr;
    IEdit* Edit5 = nullptr;
    TChart* Chart1 = nullptr;
    TLineSeries* Series1 = nullptr;
    IPanel* Panel3 = nullptr;
    IPanel* Panel6 = nullptr;
    ILabel* Label2 = nullptr;
    ILabel* Label4 = nullptr;
    ILabel* Label6 = nullptr;
    ILabel* Label8 = nullptr;
    IEdit* Edit3 = nullptr;
    IEdit* Edit4 = nullptr;
    IEdit* Edit6 = nullptr;
    TChart* Chart2 = nullptr;
    TLineSeries* Series2 = nullptr;
    IPanel* Panel4 = nullptr;
    IPanel* Panel7 = nullptr;
    IButton* Button1 = nullptr;
    IButton* Button2 = nullptr;
    IButton* Button3 = nullptr;
    ICheckBox* CheckBox1 = nullptr;
    TChart* Chart3 = nullptr;
    TLineSeries* Series3 = nullptr;
    IMemo* Output = nullptr;

    // The run state every run shares; the window is the program's only one.
    TRunState RunState;

    // The handlers, as wired to the controls. Each may throw; the wiring
    // runs it inside GuardHandler.
    void Button1Click(IControl* sender); // Start
    void Button2Click(IControl* sender); // Stop
    void Button3Click(IControl* sender); // Clear
    void CheckBox1Click(IControl* sender); // "pomalu"

    // How many Start handlers are running (nested runs count each).
    int RunDepth() const { return FRunDepth; }
    // A close was asked for while a run was active; it completes once the
    // outermost Start has returned.
    bool CloseDeferred() const { return FCloseDeferred; }

    // Called once the window accepted a close: the program's message loop
    // should end.
    std::function<void()> OnClosed;

private:
    // FormDefinition.cpp: the controls at their fixed places.
    void CreateControls(IToolkit& toolkit);
    void WireHandlers();
    // Runs a handler so that nothing escapes it, then finishes a close that
    // had to wait for the run to end.
    void RunGuarded(void (TForm1::*handler)(IControl*), IControl* sender);
    // The window's close request: refused while a run is active.
    bool CloseQuery();

    // RunLoop.cpp: the parts of Start.
    void ResetCharts();
    void ReadParameters();
    void RunSteps();
    void AddStepPoints();
    void ReleaseFixedTimeMaximum();

    int FRunDepth = 0;
    bool FCloseDeferred = false;
};
