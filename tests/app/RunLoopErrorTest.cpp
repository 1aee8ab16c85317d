// Failures of a run as the user sees them: the error box text, and what a
// failed Start has and has not done.

#include "AppTestSupport.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "support/numbers/Float80.h"
#include "support/runtime/MessageLoop.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// Runs once with the initial texts so that the series and state hold
// values a failing Start may or may not touch.
void RunThreeSteps(TForm1& form)
{
    StopAfterPoints(form, 3);
    ClickStart(form);
    ASSERT_EQ(form.Series1->PointCount(), 3);
}

} // namespace

TEST(RunLoopErrors, EmptyEditBoxFailsAfterClearingTheCharts)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    RunThreeSteps(*form);
    Q(form->Edit1)->setText("");
    auto stepped = std::make_shared<bool>(false);
    form->RunState.OnPointsAdded = [stepped](TRunState&) { *stepped = true; };
    ClickStart(*form);
    ASSERT_EQ(errors.Texts.size(), 1u);
    EXPECT_EQ(errors.Texts[0], "'' is not a valid floating point value.");
    EXPECT_EQ(errors.Captions[0], ApplicationTitle());
    EXPECT_FALSE(*stepped);
    EXPECT_EQ(form->Series1->PointCount(), 0);
    EXPECT_EQ(form->Series3->PointCount(), 0);
    EXPECT_EQ(form->RunState.Time, 0.0);
    EXPECT_EQ(form->RunDepth(), 0);
}

TEST(RunLoopErrors, InvalidBoxKeepsTheLaterParametersOld)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    RunThreeSteps(*form);
    Q(form->Edit1)->setText("2");
    Q(form->Edit2)->setText("3");
    Q(form->Edit3)->setText("7,5x");
    Q(form->Edit4)->setText("4");
    ClickStart(*form);
    ASSERT_EQ(errors.Texts.size(), 1u);
    EXPECT_EQ(errors.Texts[0], "'7,5x' is not a valid floating point value.");
    EXPECT_EQ(form->RunState.A1, 2.0);
    EXPECT_EQ(form->RunState.Omega1, 3.0);
    EXPECT_EQ(form->RunState.A2, 5.0);
    EXPECT_EQ(form->RunState.Omega2, 1.0);
    EXPECT_FALSE(form->RunState.StopRequested);
}

TEST(RunLoopErrors, NumberBeyondTheDoubleRangeOverflowsWhenStored)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    RunThreeSteps(*form);
    Q(form->Edit1)->setText("8");
    Q(form->Edit2)->setText("1e400");
    ClickStart(*form);
    ASSERT_EQ(errors.Texts.size(), 1u);
    EXPECT_EQ(errors.Texts[0], "Floating point overflow.");
    EXPECT_EQ(form->RunState.A1, 8.0);
    EXPECT_EQ(form->RunState.Omega1, 1.0);
    EXPECT_EQ(form->Series1->PointCount(), 0);
}

TEST(RunLoopErrors, PhaseBeyondTheDoubleRangeOverflows)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    Q(form->Edit6)->setText("-1e309");
    ClickStart(*form);
    ASSERT_EQ(errors.Texts.size(), 1u);
    EXPECT_EQ(errors.Texts[0], "Floating point overflow.");
    EXPECT_EQ(form->Series2->PointCount(), 0);
}

TEST(RunLoopErrors, HugeAmplitudesInPhaseEndTheRunBeforeTheOverflowingPoints)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    Q(form->Edit1)->setText("1e308");
    Q(form->Edit3)->setText("1e308");
    auto count = std::make_shared<int>(0);
    form->RunState.OnPointsAdded = [count](TRunState& s) {
        if (++*count == 100)
            s.StopRequested = true;
    };
    ClickStart(*form);
    ASSERT_EQ(errors.Texts.size(), 1u);
    EXPECT_EQ(errors.Texts[0], "Floating point overflow.");
    // 2e308 sin 1.1 still fits below the largest double, 2e308 sin 1.2 does
    // not: the points of t = 0 .. 1.1 are there, none of t = 1.2.
    ASSERT_EQ(form->Series3->PointCount(), 12);
    EXPECT_EQ(form->Series1->PointCount(), 12);
    const double t12 = RunTimes(13)[12];
    EXPECT_EQ(form->RunState.Time, t12);
    EXPECT_EQ(form->RunState.Elongation1, static_cast<double>(1e308 * f80::sinl(t12)));
    EXPECT_TRUE(f80::isfinite(form->RunState.ElongationSum));
    EXPECT_EQ(form->RunDepth(), 0);
}

TEST(RunLoopErrors, FailedNestedStartLeavesTheOuterRunGoingFromTheReset)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    auto count = std::make_shared<int>(0);
    form->RunState.OnPointsAdded = [&form, count](TRunState& s) {
        ++*count;
        if (*count == 4) {
            Q(form->Edit4)->setText("?");
            ClickStart(*form);
        }
        if (*count == 6)
            s.StopRequested = true;
    };
    ClickStart(*form);
    ASSERT_EQ(errors.Texts.size(), 1u);
    EXPECT_EQ(errors.Texts[0], "'?' is not a valid floating point value.");
    // The failed Start had cleared the series and set t to 0; the outer run
    // went on with 0.1.
    const std::vector<double> t = RunTimes(3);
    ASSERT_EQ(form->Series1->PointCount(), 2);
    EXPECT_EQ(form->Series1->XValues->ValueAt(0), t[1]);
    EXPECT_EQ(form->Series1->XValues->ValueAt(1), t[2]);
    EXPECT_EQ(form->RunDepth(), 0);
}

TEST(RunLoopErrors, StartAfterClearPastFiftyThenStopRunsNormally)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    auto count = std::make_shared<int>(0);
    form->RunState.OnPointsAdded = [&form, count](TRunState& s) {
        ++*count;
        if (*count == 503)
            QTest::mouseClick(Q(form->Button3), Qt::LeftButton);
        if (*count == 506)
            QTest::mouseClick(Q(form->Button2), Qt::LeftButton);
        if (*count == 509)
            s.StopRequested = true;
    };
    ClickStart(*form);
    // The charts have painted with only points above t = 50, so the
    // automatic minimum lies above the fixed maximum the next Start sets;
    // that Start must still be accepted.
    ASSERT_GT(form->Chart1->BottomAxis().Minimum(), 50.0);
    ClickStart(*form);
    EXPECT_TRUE(errors.Texts.empty()) << errors.Texts.front();
    ASSERT_EQ(form->Series1->PointCount(), 3);
    EXPECT_EQ(form->Series1->XValues->ValueAt(0), 0.0);
    EXPECT_EQ(form->Chart1->BottomAxis().Maximum(), 50.0);
}

TEST(MainWindowClose, DuringARunEndsEveryLevelAndThenTheMessageLoop)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    auto deepest = std::make_shared<int>(0);
    auto visibleAfterClose = std::make_shared<bool>(false);
    auto closed = std::make_shared<int>(0);
    auto count = std::make_shared<int>(0);
    form->RunState.OnPointsAdded = [&form, count, deepest, visibleAfterClose](TRunState&) {
        ++*count;
        *deepest = std::max(*deepest, form->RunDepth());
        if (*count == 3)
            ClickStart(*form);
        if (*count == 6) {
            Q(*form)->close();
            *visibleAfterClose = Q(*form)->isVisible();
        }
    };
    QEventLoop loop;
    form->OnClosed = [closed, &loop] {
        ++*closed;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    };
    QTimer::singleShot(1, Q(*form), [&form] { ClickStart(*form); });
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
    EXPECT_EQ(loop.exec(), 0);
    EXPECT_EQ(*deepest, 2);
    // The close waited for the runs: the window stayed while they ran,
    // both ended after their step, then the window closed once.
    EXPECT_TRUE(*visibleAfterClose);
    EXPECT_EQ(*count, 6);
    EXPECT_EQ(form->RunDepth(), 0);
    EXPECT_EQ(*closed, 1);
    EXPECT_FALSE(Q(*form)->isVisible());
    EXPECT_TRUE(ApplicationTerminating());
}

TEST(MainWindowClose, WhileIdleClosesAtOnce)
{
    auto form = ShowMainWindow();
    auto closed = std::make_shared<int>(0);
    form->OnClosed = [closed] { ++*closed; };
    EXPECT_TRUE(Q(*form)->close());
    EXPECT_EQ(*closed, 1);
    EXPECT_FALSE(Q(*form)->isVisible());
}
