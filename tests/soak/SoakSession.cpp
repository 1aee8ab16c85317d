#include "SoakSession.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"

#include <QCheckBox>

#include <QTimer>

#include <algorithm>
#include <chrono>

namespace {

// The deepest nesting of runs the session builds.
constexpr int MaxRunDepth = 6;
// Runs are stopped more eagerly once the series are this long, so that
// the repaints (which draw every point) stay quick.
constexpr int LongSeries = 1500;

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

TSoakSession::TSoakSession(TForm1& form, TRecordingErrorBox& errors, uint64_t seed, int actions,
                           std::atomic<int64_t>& heartbeat)
    : FForm(form), FErrors(errors), FRandom(seed), FHeartbeat(heartbeat), FActionsLeft(actions),
      FDesignSize(Q(form)->size())
{
    FForm.RunState.OnPointsAdded = [this](TRunState& state) { OnStep(state); };
}

void TSoakSession::Begin()
{
    Beat();
    ScheduleNextAction();
}

void TSoakSession::Beat() { FHeartbeat.store(NowMs()); }

int TSoakSession::Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(FRandom); }

bool TSoakSession::Chance(double probability) { return std::bernoulli_distribution(probability)(FRandom); }

void TSoakSession::Note(const std::string& action)
{
    FRecent.push_back(std::to_string(FActionsDone) + " (depth " + std::to_string(FForm.RunDepth()) + "): " + action);
    if (FRecent.size() > 40)
        FRecent.pop_front();
}

std::string TSoakSession::RecentActions() const
{
    std::string text;
    for (const std::string& line : FRecent)
        text += "  " + line + "\n";
    return text;
}

void TSoakSession::Fail(const std::string& what)
{
    // One report per kind of fault is enough to replay it.
    if (FFailures.size() < 20)
        FFailures.push_back(what + "\n" + RecentActions());
}

void TSoakSession::ScheduleNextAction()
{
    // Mostly at the next message handling, sometimes a few handlings (steps
    // of a run) later. Counted, not timed, so that a seed replays the same
    // session.
    FWaits = Chance(0.6) ? 0 : Pick(1, FForm.RunState.StepDelayMs > 0 ? 2 : 15);
    QTimer::singleShot(0, this, [this] { Tick(); });
}

void TSoakSession::Tick()
{
    if (FWaits-- > 0)
        QTimer::singleShot(0, this, [this] { Tick(); });
    else
        Act();
}

void TSoakSession::Act()
{
    Beat();
    if (FFinale)
        return;
    if (FActionsLeft-- <= 0) {
        BeginFinale();
        return;
    }
    ++FActionsDone;
    // The next action is due before this one runs: a Start below does not
    // return until its run ends, and the session goes on inside the run.
    ScheduleNextAction();
    DoRandomAction();
    Beat();
}

void TSoakSession::DoRandomAction()
{
    const int depth = FForm.RunDepth();
    FMaxDepthSeen = std::max(FMaxDepthSeen, depth);
    const bool longSeries = FForm.Series1->PointCount() > LongSeries;
    const int roll = Pick(0, 99);
    // A slowed-down run pauses 50 ms per step and level; "pomalu" is turned
    // off again soon so that the session keeps its pace.
    if (Q(FForm.CheckBox1)->isChecked() && roll < 30)
        TogglePomalu();
    else if (roll < 14 && depth < MaxRunDepth && !longSeries)
        ClickStart();
    else if (roll < 24 || (longSeries && roll < 60))
        ClickStop();
    else if (roll < 30)
        ClickClear();
    else if (roll < 34)
        TogglePomalu();
    else if (roll < 50)
        TypeRandomNumber();
    else if (roll < 52)
        TypeOverflowingAmplitudes();
    else if (roll < 62)
        ZoomDrag(RandomChart());
    else if (roll < 69)
        UndoDrag(RandomChart());
    else if (roll < 76)
        ScrollDrag(RandomChart());
    else if (roll < 86)
        TurnWheel(RandomChart());
    else if (roll < 93)
        Resize();
    else
        RestoreSize();
}

void TSoakSession::OnStep(TRunState& state)
{
    Beat();
    ++FSteps;
    const int count = FForm.Series1->PointCount();
    // A step appends one point to what there was, or starts the series
    // afresh after a Clear or a Start emptied them.
    if (count != FLastCount + 1 && count != 1)
        Fail("a step left " + std::to_string(count) + " points after " + std::to_string(FLastCount));
    FLastCount = count;
    CheckNewErrorBoxes();
    if (std::string fault = CheckStep(FForm); !fault.empty())
        Fail(fault);
    if (FFinale && FFinaleSteps > 0 && --FFinaleSteps == 0) {
        Note("close during a run");
        QTimer::singleShot(0, Q(FForm), [this] {
            ++FClosesAsked;
            Q(FForm)->close();
        });
    }
    (void)state;
}

void TSoakSession::CheckAfterAction(const std::string& action)
{
    Note(action);
    CheckNewErrorBoxes();
    if (std::string fault = CheckAllPoints(
            FForm, FRunTimes,
            static_cast<int>(std::count(FErrors.Texts.begin(), FErrors.Texts.end(), "Floating point overflow.")));
        !fault.empty())
        Fail("after " + action + ": " + fault);
    FLastCount = FForm.Series1->PointCount();
}

void TSoakSession::CheckNewErrorBoxes()
{
    for (; FErrorsSeen < FErrors.Texts.size(); ++FErrorsSeen) {
        const std::string& text = FErrors.Texts[FErrorsSeen];
        if (!IsProgramMessage(text, FTyped))
            Fail("error box with a message the program does not have: " + text);
        if (FErrors.Captions[FErrorsSeen] != ApplicationTitle())
            Fail("error box with the caption " + FErrors.Captions[FErrorsSeen]);
    }
}

TChart* TSoakSession::RandomChart()
{
    TChart* charts[] = {FForm.Chart1, FForm.Chart2, FForm.Chart3};
    return charts[Pick(0, 2)];
}
