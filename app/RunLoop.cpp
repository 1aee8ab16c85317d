// The four handlers of the window and the step loop of a run. A run lives
// inside the Start click: every step handles the pending messages, so any
// handler, Start included, may run in the middle of a step and works on the
// same shared run state.

#include "app/MainWindow.h"
#include "app/Oscillation.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "support/numbers/NumberText.h"
#include "support/runtime/MessageLoop.h"

namespace {

// Counts the Start handlers running, also when one is left by an exception.
class TRunLevel {
public:
    explicit TRunLevel(int& depth) : FDepth(depth) { ++FDepth; }
    ~TRunLevel() { --FDepth; }
    TRunLevel(const TRunLevel&) = delete;
    TRunLevel& operator=(const TRunLevel&) = delete;

private:
    int& FDepth;
};

double ReadNumber(const IEdit* edit) { return NarrowToDouble(ParseFloatText(edit->Text())); }

// The double nearest to one tenth, $3FB999999999999A.
constexpr double TimeStepOfRun = 0.1;

} // namespace

void TForm1::Button1Click(IControl*)
{
    TRunLevel level(FRunDepth);
    ResetCharts();
    RunState.StopRequested = false;
    RunState.Time = 0;
    RunState.TimeStep = TimeStepOfRun;
    ReadParameters();
    RunSteps();
}

void TForm1::Button2Click(IControl*) { RunState.StopRequested = true; }

void TForm1::Button3Click(IControl*)
{
    // Only the points go; the axes, the time and the flags stay, so a
    // running run goes on from its current t.
    Series1->ClearPoints();
    Series2->ClearPoints();
    Series3->ClearPoints();
}

void TForm1::CheckBox1Click(IControl*) { RunState.StepDelayMs = CheckBox1->Checked() ? SlowStepDelayMs : 0; }

void TForm1::ResetCharts()
{
    Series1->ClearPoints();
    Series2->ClearPoints();
    Series3->ClearPoints();
    // Turning the automatic maximum off also turns Automatic off; the
    // automatic minimum stays as it is.
    for (TChart* chart : {Chart1, Chart2, Chart3})
        chart->BottomAxis().SetAutomaticMaximum(false);
    for (TChart* chart : {Chart1, Chart2, Chart3})
        chart->BottomAxis().SetMaximum(FixedTimeMaximum);
}

void TForm1::ReadParameters()
{
    // Each value is stored before the next box is read, so a failing box
    // leaves the earlier ones new and the later ones old.
    TRunState& s = RunState;
    s.A1 = ReadNumber(Edit1);
    s.Omega1 = ReadNumber(Edit2);
    s.A2 = ReadNumber(Edit3);
    s.Omega2 = ReadNumber(Edit4);
    s.Phi1 = ReadNumber(Edit5);
    s.Phi1 = NarrowToDouble(s.Phi1 * DegreesToRadians);
    s.Phi2 = ReadNumber(Edit6);
    s.Phi2 = NarrowToDouble(s.Phi2 * DegreesToRadians);
}

void TForm1::RunSteps()
{
    TRunState& s = RunState;
    do {
        s.Elongation1 = Elongation(s.A1, s.Omega1, s.Phi1, s.Time);
        s.Elongation2 = Elongation(s.A2, s.Omega2, s.Phi2, s.Time);
        s.ElongationSum = ElongationSum(s.Elongation1, s.Elongation2);
        AddStepPoints();
        if (s.OnPointsAdded)
            s.OnPointsAdded(s);
        // Paints, clicks (a nested Start too), keys and mouse zooms happen here.
        DispatchPendingMessages();
        ReleaseFixedTimeMaximum();
        // Time advances by repeated addition, so it drifts from the decimal
        // values: after 500 steps it is 50.00000000000044, not 50.
        s.Time = s.Time + s.TimeStep;
        SleepMilliseconds(s.StepDelayMs);
    } while (!s.StopRequested);
}

void TForm1::AddStepPoints()
{
    const TRunState& s = RunState;
    Series1->AddPoint(s.Time, s.Elongation1, "", clDefault);
    Series2->AddPoint(s.Time, s.Elongation2, "", clDefault);
    Series3->AddPoint(s.Time, s.ElongationSum, "", clDefault);
}

void TForm1::ReleaseFixedTimeMaximum()
{
    // Once t passes the fixed maximum the bottom axes take their maximum
    // from the data. Only the first chart's axis is asked; all three are set.
    if (!(RunState.Time > FixedTimeMaximum) || Chart1->BottomAxis().Automatic())
        return;
    for (TChart* chart : {Chart1, Chart2, Chart3})
        chart->BottomAxis().SetAutomaticMaximum(true);
}
