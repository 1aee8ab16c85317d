// The main window's life: made from its definition, handlers wired, the
// close request held back while a run is active.

#include "app/MainWindow.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "support/runtime/ErrorBox.h"
#include "support/runtime/MessageLoop.h"

TForm1::TForm1(IToolkit& toolkit)
{
    CreateControls(toolkit);
    WireHandlers();
}

TForm1::~TForm1()
{
    // The window goes first: the charts' host controls in it show the
    // charts, which must outlive them. A series leaves its chart when it is
    // destroyed, so the series go while the charts are still alive.
    Window.reset();
    delete Series1;
    delete Series2;
    delete Series3;
    delete Chart1;
    delete Chart2;
    delete Chart3;
}

void TForm1::WireHandlers()
{
    Button1->SetOnClick([this] { RunGuarded(&TForm1::Button1Click, Button1); });
    Button2->SetOnClick([this] { RunGuarded(&TForm1::Button2Click, Button2); });
    Button3->SetOnClick([this] { RunGuarded(&TForm1::Button3Click, Button3); });
    CheckBox1->SetOnChange([this] { RunGuarded(&TForm1::CheckBox1Click, CheckBox1); });
    Window->SetOnCloseQuery([this] { return CloseQuery(); });
    Window->SetOnClosed([this] {
        if (OnClosed)
            OnClosed();
    });
}

void TForm1::RunGuarded(void (TForm1::*handler)(IControl*), IControl* sender)
{
    GuardHandler([&] { (this->*handler)(sender); });
    if (FRunDepth == 0 && FCloseDeferred) {
        FCloseDeferred = false;
        Window->Close();
    }
}

bool TForm1::CloseQuery()
{
    MarkApplicationTerminating();
    if (FRunDepth > 0) {
        // A run loop still appends to the series of this window: keep the
        // window, end every run level after its current step, and close
        // for good once the outermost Start has returned.
        FCloseDeferred = true;
        RunState.StopRequested = true;
        return false;
    }
    return true;
}
