#pragma once
// What the window tests share: an error box that records instead of
// blocking, and a shown main window.

#include "app/MainWindow.h"
#include "tests/app/QtForm.h"
#include "tests/support/runtime/ErrorBoxRecorder.h"

#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

// The main window, shown and exposed, so that clicks reach it and its
// charts get their paints.
inline std::unique_ptr<TForm1> ShowMainWindow()
{
    auto form = NewMainWindow();
    Q(*form)->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(Q(*form));
    return form;
}

// Ends the run (every level) once `points` steps have appended their points.
inline void StopAfterPoints(TForm1& form, int points)
{
    auto count = std::make_shared<int>(0);
    form.RunState.OnPointsAdded = [count, points](TRunState& s) {
        if (++*count >= points)
            s.StopRequested = true;
    };
}

inline void ClickStart(TForm1& form) { QTest::mouseClick(Q(form.Button1), Qt::LeftButton); }

// The t of the points of a run: 0, then repeated additions of 0.1.
inline std::vector<double> RunTimes(int count)
{
    std::vector<double> times;
    double t = 0;
    for (int i = 0; i < count; ++i) {
        times.push_back(t);
        t = t + 0.1;
    }
    return times;
}
