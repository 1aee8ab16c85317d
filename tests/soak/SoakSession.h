#pragma once
// A randomised session with the main window: a seeded sequence of user
// actions (Start, also nested during runs, Stop, Clear, "pomalu", typing
// valid and invalid numbers, zoom, undo and scroll drags, wheel turns,
// resizes down to a few pixels and back), each fired by a timer so that it
// lands wherever the program happens to be, idle or inside a step of a run
// several levels deep. The session ends with a close during a run.

#include "SoakChecks.h"

#include "app/MainWindow.h"
#include "support/runtime/ErrorBox.h"
#include "tests/app/QtForm.h"

#include <QObject>
#include <QSize>

#include <atomic>
#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

class TChart;
class QLineEdit;

// Records every error box instead of blocking on it.
class TRecordingErrorBox final : public IErrorBox {
public:
    void Show(const std::string& text, const std::string& caption) override
    {
        Texts.push_back(text);
        Captions.push_back(caption);
    }
    std::vector<std::string> Texts;
    std::vector<std::string> Captions;
};

class TSoakSession : public QObject {
public:
    TSoakSession(TForm1& form, TRecordingErrorBox& errors, uint64_t seed, int actions, std::atomic<int64_t>& heartbeat);

    // Fires the first action; the window's Closed signal ends the session.
    void Begin();

    // Every error box shown since the last look carries one of the
    // program's messages; otherwise the fault is reported with the actions
    // that led to it.
    void CheckNewErrorBoxes();

    // What went wrong, with the last actions; empty when nothing did.
    const std::vector<std::string>& Failures() const { return FFailures; }
    std::string RecentActions() const;
    int Steps() const { return FSteps; }
    int MaxDepthSeen() const { return FMaxDepthSeen; }
    int ActionsDone() const { return FActionsDone; }
    int ClosesAsked() const { return FClosesAsked; }
    int ZoomsApplied() const { return FZoomsApplied; }

private:
    void Act();
    void Tick();
    void ScheduleNextAction();
    void DoRandomAction();
    void OnStep(TRunState& state);
    void Fail(const std::string& what);
    void Note(const std::string& action);
    void Beat();
    int Pick(int low, int high);
    bool Chance(double probability);

    // The actions.
    void ClickStart();
    void ClickStop();
    void ClickClear();
    void TogglePomalu();
    void TypeInto(QLineEdit* edit, const std::string& text);
    void TypeRandomNumber();
    void TypeOverflowingAmplitudes();
    void ZoomDrag(TChart* chart);
    void UndoDrag(TChart* chart);
    void ScrollDrag(TChart* chart);
    void TurnWheel(TChart* chart);
    void Resize();
    void RestoreSize();
    TChart* RandomChart();

    // The close at the end, during a run.
    void BeginFinale();
    void StartFinalRun(int attempt);

    void CheckAfterAction(const std::string& action);

    TForm1& FForm;
    TRecordingErrorBox& FErrors;
    std::size_t FErrorsSeen = 0;
    std::mt19937_64 FRandom;
    std::atomic<int64_t>& FHeartbeat;
    int FActionsLeft;
    int FActionsDone = 0;
    int FSteps = 0;
    int FMaxDepthSeen = 0;
    int FClosesAsked = 0;
    int FZoomsApplied = 0;
    int FLastCount = 0;
    int FWaits = 0;
    bool FFinale = false;
    int FFinaleSteps = -1;
    QSize FDesignSize;
    TRunTimes FRunTimes;
    std::vector<std::string> FTyped;
    std::vector<std::string> FFailures;
    std::deque<std::string> FRecent;
};
