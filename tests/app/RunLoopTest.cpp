// The run loop driven through the real window: clicks on Start, Stop and
// Clear, the check box, and the values that reach the three series.

#include "AppTestSupport.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "support/numbers/Float80.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// x = A sin(omega t + phi) as the processor computes it: the argument and
// the product at extended precision, the phase rounded to double after
// scaling by the extended pi/180.
double ExpectedElongation(double a, double omega, double phiDegrees, double t)
{
    const double phi = static_cast<double>(phiDegrees * F80(0x8EFA351294E9C8AEp-69));
    const Float80 argument = static_cast<Float80>(omega) * t + phi;
    return static_cast<double>(a * f80::sinl(argument));
}

} // namespace

TEST(RunLoopStart, InitialTextsGiveFiveSineTwiceInTheSum)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    StopAfterPoints(*form, 40);
    ClickStart(*form);

    const std::vector<double> t = RunTimes(41);
    ASSERT_EQ(form->Series1->PointCount(), 40);
    ASSERT_EQ(form->Series2->PointCount(), 40);
    ASSERT_EQ(form->Series3->PointCount(), 40);
    for (int k = 0; k < 40; ++k) {
        const double y = ExpectedElongation(5, 1, 0, t[k]);
        EXPECT_EQ(form->Series1->XValues->ValueAt(k), t[k]) << k;
        EXPECT_EQ(form->Series1->YValues->ValueAt(k), y) << k;
        EXPECT_EQ(form->Series2->XValues->ValueAt(k), t[k]) << k;
        EXPECT_EQ(form->Series2->YValues->ValueAt(k), y) << k;
        EXPECT_EQ(form->Series3->XValues->ValueAt(k), t[k]) << k;
        EXPECT_EQ(form->Series3->YValues->ValueAt(k), 2 * y) << k;
    }
    // After the last step the time has moved on by one more step.
    EXPECT_EQ(form->RunState.Time, t[40]);
    EXPECT_EQ(form->RunState.TimeStep, 0.1);
    EXPECT_EQ(form->RunDepth(), 0);
    EXPECT_TRUE(errors.Texts.empty());
}

TEST(RunLoopStart, FixesTheBottomAxesToFifty)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    StopAfterPoints(*form, 2);
    ClickStart(*form);
    for (TChart* chart : {form->Chart1, form->Chart2, form->Chart3}) {
        EXPECT_FALSE(chart->BottomAxis().AutomaticMaximum());
        EXPECT_FALSE(chart->BottomAxis().Automatic());
        EXPECT_TRUE(chart->BottomAxis().AutomaticMinimum());
        EXPECT_EQ(chart->BottomAxis().Maximum(), 50.0);
    }
    EXPECT_TRUE(errors.Texts.empty());
}

TEST(RunLoopStart, PhaseOfNinetyDegreesStartsAtTheAmplitude)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    Q(form->Edit1)->setText("3");
    Q(form->Edit5)->setText("90");
    StopAfterPoints(*form, 1);
    ClickStart(*form);
    ASSERT_EQ(form->Series1->PointCount(), 1);
    EXPECT_EQ(form->Series1->XValues->ValueAt(0), 0.0);
    EXPECT_EQ(form->Series1->YValues->ValueAt(0), 3.0);
    EXPECT_EQ(form->Series3->YValues->ValueAt(0), 3.0);
}

TEST(RunLoopStart, ArgumentOfTwoToTheSixtyThirdOrMoreGivesZero)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    // 5 * 2^63: at t = 0.1 the argument is 2^63 * (1/2 + 2^-55), below the
    // limit; at t = 0.2 (0.1 + 0.1) it is 2^63 * (1 + 2^-54), at or above it.
    Q(form->Edit2)->setText("46116860184273879040");
    StopAfterPoints(*form, 4);
    ClickStart(*form);
    ASSERT_EQ(form->Series1->PointCount(), 4);
    const std::vector<double> t = RunTimes(4);
    const Float80 below = F80(46116860184273879040.0) * t[1];
    ASSERT_LT(below, F80(0x1p63));
    ASSERT_NE(f80::sinl(below), F80(0.0));
    EXPECT_EQ(form->Series1->YValues->ValueAt(1), static_cast<double>(5 * f80::sinl(below)));
    ASSERT_GE(F80(46116860184273879040.0) * t[2], F80(0x1p63));
    ASSERT_NE(f80::sinl(F80(46116860184273879040.0) * t[2]), F80(0.0)); // the plain sine would not give 0
    EXPECT_EQ(form->Series1->YValues->ValueAt(2), 0.0);
    EXPECT_EQ(form->Series1->YValues->ValueAt(3), 0.0);
    // The second oscillation is untouched by it.
    EXPECT_EQ(form->Series3->YValues->ValueAt(2), ExpectedElongation(5, 1, 0, t[2]));
}

TEST(RunLoopStop, ClickDuringAStepEndsTheRunAfterThatStep)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    auto count = std::make_shared<int>(0);
    form->RunState.OnPointsAdded = [&form, count](TRunState&) {
        if (++*count == 7)
            QTest::mouseClick(Q(form->Button2), Qt::LeftButton);
    };
    ClickStart(*form);
    EXPECT_EQ(*count, 7);
    EXPECT_EQ(form->Series1->PointCount(), 7);
    EXPECT_EQ(form->RunState.Time, RunTimes(8)[7]);
    EXPECT_TRUE(form->RunState.StopRequested);
    EXPECT_EQ(form->RunDepth(), 0);
}

TEST(RunLoopStop, TimerClickReachesTheRunningLoop)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    QTimer::singleShot(20, Q(*form), [&form] { QTest::mouseClick(Q(form->Button2), Qt::LeftButton); });
    ClickStart(*form);
    const int32_t points = form->Series1->PointCount();
    ASSERT_GE(points, 1);
    EXPECT_EQ(form->RunState.Time, form->Series1->XValues->ValueAt(points - 1) + 0.1);
    EXPECT_EQ(form->RunDepth(), 0);
}

TEST(RunLoopStop, StopBeforeAnyStartDoesNotKeepTheNextRunFromRunning)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    QTest::mouseClick(Q(form->Button2), Qt::LeftButton);
    EXPECT_TRUE(form->RunState.StopRequested);
    StopAfterPoints(*form, 3);
    ClickStart(*form);
    EXPECT_EQ(form->Series1->PointCount(), 3);
}

TEST(RunLoopClear, DuringARunTheLinesGoOnFromTheCurrentTime)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    auto count = std::make_shared<int>(0);
    form->RunState.OnPointsAdded = [&form, count](TRunState& s) {
        ++*count;
        if (*count == 10)
            QTest::mouseClick(Q(form->Button3), Qt::LeftButton);
        if (*count == 15)
            s.StopRequested = true;
    };
    ClickStart(*form);
    const std::vector<double> t = RunTimes(16);
    for (TLineSeries* series : {form->Series1, form->Series2, form->Series3}) {
        ASSERT_EQ(series->PointCount(), 5);
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(series->XValues->ValueAt(k), t[10 + k]);
    }
    EXPECT_EQ(form->Series1->YValues->ValueAt(0), ExpectedElongation(5, 1, 0, t[10]));
    // The axes keep the fixed maximum of the run.
    EXPECT_FALSE(form->Chart1->BottomAxis().AutomaticMaximum());
    EXPECT_EQ(form->Chart1->BottomAxis().Maximum(), 50.0);
}

TEST(RunLoopClear, WhileIdleEmptiesTheSeriesOnly)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    StopAfterPoints(*form, 4);
    ClickStart(*form);
    const double time = form->RunState.Time;
    QTest::mouseClick(Q(form->Button3), Qt::LeftButton);
    EXPECT_EQ(form->Series1->PointCount(), 0);
    EXPECT_EQ(form->Series2->PointCount(), 0);
    EXPECT_EQ(form->Series3->PointCount(), 0);
    EXPECT_EQ(form->RunState.Time, time);
    EXPECT_EQ(form->Chart2->BottomAxis().Maximum(), 50.0);
}

TEST(RunLoopSlowly, CheckBoxSetsTheStepDelayByMouseAndKeyboard)
{
    auto form = ShowMainWindow();
    EXPECT_EQ(form->RunState.StepDelayMs, 0);
    QTest::mouseClick(Q(form->CheckBox1), Qt::LeftButton);
    EXPECT_TRUE(Q(form->CheckBox1)->isChecked());
    EXPECT_EQ(form->RunState.StepDelayMs, 50);
    QTest::mouseClick(Q(form->CheckBox1), Qt::LeftButton);
    EXPECT_EQ(form->RunState.StepDelayMs, 0);
    Q(form->CheckBox1)->setFocus();
    QTest::keyClick(Q(form->CheckBox1), Qt::Key_Space);
    EXPECT_TRUE(Q(form->CheckBox1)->isChecked());
    EXPECT_EQ(form->RunState.StepDelayMs, 50);
}

TEST(RunLoopSlowly, CheckedBoxPausesFiftyMillisecondsPerStep)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    QTest::mouseClick(Q(form->CheckBox1), Qt::LeftButton);
    StopAfterPoints(*form, 4);
    QElapsedTimer clock;
    clock.start();
    ClickStart(*form);
    EXPECT_GE(clock.elapsed(), 4 * 50);
    EXPECT_EQ(form->Series1->PointCount(), 4);
}

TEST(RunLoopNested, StartTwiceThenStopOnceEndsBothRuns)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    auto count = std::make_shared<int>(0);
    auto deepest = std::make_shared<int>(0);
    form->RunState.OnPointsAdded = [&form, count, deepest](TRunState&) {
        ++*count;
        *deepest = std::max(*deepest, form->RunDepth());
        if (*count == 5)
            ClickStart(*form);
        else if (*count == 8)
            QTest::mouseClick(Q(form->Button2), Qt::LeftButton);
    };
    ClickStart(*form);
    EXPECT_EQ(*deepest, 2);
    EXPECT_EQ(form->RunDepth(), 0);
    // Only the second run's three points remain, from t = 0; each level
    // added one time step when it finished its step.
    const std::vector<double> t = RunTimes(5);
    ASSERT_EQ(form->Series1->PointCount(), 3);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(form->Series3->XValues->ValueAt(k), t[k]);
    EXPECT_EQ(form->RunState.Time, t[4]);
    EXPECT_EQ(*count, 8);
}

TEST(RunLoopNested, TimerClicksStartANestedRunThatOneStopEnds)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    auto deepest = std::make_shared<int>(0);
    form->RunState.OnPointsAdded = [&form, deepest](TRunState&) { *deepest = std::max(*deepest, form->RunDepth()); };
    QTimer::singleShot(15, Q(*form), [&form] { ClickStart(*form); });
    QTimer::singleShot(40, Q(*form), [&form] { QTest::mouseClick(Q(form->Button2), Qt::LeftButton); });
    ClickStart(*form);
    EXPECT_EQ(*deepest, 2);
    EXPECT_EQ(form->RunDepth(), 0);
    const int32_t points = form->Series1->PointCount();
    ASSERT_GE(points, 1);
    const std::vector<double> t = RunTimes(points);
    for (int k = 0; k < points; ++k)
        EXPECT_EQ(form->Series1->XValues->ValueAt(k), t[k]);
}

TEST(RunLoopAxisSwitch, AutomaticMaximumReturnsAtThePointAfterFifty)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    std::vector<bool> automaticSeen;
    form->RunState.OnPointsAdded = [&form, &automaticSeen](TRunState& s) {
        automaticSeen.push_back(form->Chart1->BottomAxis().Automatic());
        const size_t point = automaticSeen.size();
        if (point == 503)
            // Only Chart1's axis is asked: a change to Chart2's stays.
            form->Chart2->BottomAxis().SetAutomaticMaximum(false);
        if (point == 505)
            s.StopRequested = true;
    };
    ClickStart(*form);
    ASSERT_EQ(automaticSeen.size(), 505u);
    // The 501st point is at t = 50.00000000000044, the first t above 50.
    EXPECT_EQ(form->Series1->XValues->ValueAt(500), 50.00000000000044);
    EXPECT_LE(form->Series1->XValues->ValueAt(499), 50.0);
    for (size_t k = 0; k < 501; ++k)
        EXPECT_FALSE(automaticSeen[k]) << k;
    for (size_t k = 501; k < 505; ++k)
        EXPECT_TRUE(automaticSeen[k]) << k;
    EXPECT_TRUE(form->Chart1->BottomAxis().AutomaticMaximum());
    EXPECT_FALSE(form->Chart2->BottomAxis().AutomaticMaximum());
    EXPECT_TRUE(form->Chart3->BottomAxis().AutomaticMaximum());
    EXPECT_TRUE(errors.Texts.empty());
}

TEST(RunLoopAxisSwitch, RepeatsWhileTheFirstAxisIsMadeFixedAgain)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    auto count = std::make_shared<int>(0);
    form->RunState.OnPointsAdded = [&form, count](TRunState& s) {
        if (++*count < 502)
            return;
        // As a zoom would: the first chart's axis is fixed again, and the
        // third is fixed too so that a repeated write shows.
        form->Chart1->BottomAxis().SetAutomaticMaximum(false);
        form->Chart3->BottomAxis().SetAutomaticMaximum(false);
        if (*count == 504)
            s.StopRequested = true;
    };
    ClickStart(*form);
    EXPECT_TRUE(form->Chart1->BottomAxis().AutomaticMaximum());
    EXPECT_TRUE(form->Chart3->BottomAxis().AutomaticMaximum());
}
