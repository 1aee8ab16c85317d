// Zooming the window's first chart with the mouse, during and between runs:
// the run loop's switch to an automatic maximum and Start's fixed maximum
// meet the limits that the zoom fixed.
#include "AppTestSupport.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "platform/qt/ChartWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

QMouseEvent* NewMouseEvent(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    return new QMouseEvent(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
}

// A left drag queued as the window system would queue it: handled by the
// next message dispatch, inside a run's step if one is going on.
void PostLeftDrag(QWidget* w, QPoint from, QPoint to)
{
    QCoreApplication::postEvent(w, NewMouseEvent(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton));
    QCoreApplication::postEvent(w, NewMouseEvent(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton));
    QCoreApplication::postEvent(w, NewMouseEvent(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton));
}

void LeftDragNow(QWidget* w, QPoint from, QPoint to)
{
    PostLeftDrag(w, from, to);
    QCoreApplication::processEvents();
}

struct TSwitchSeen {
    bool FirstAutomatic;
    bool FirstAutomaticMaximum;
    bool SecondAutomaticMaximum;
    bool ThirdAutomaticMaximum;
    double FirstMinimum;
};

} // namespace

TEST(ChartMouseWindow, AZoomDuringARunMakesTheMaximumSwitchRepeatEveryStepPastFifty)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    TChart* chart1 = form->Chart1;
    const QPoint from(100, 50);
    const QPoint to(300, 150);
    double zoomedMinimum = 0;
    std::vector<TSwitchSeen> seen;
    auto count = std::make_shared<int>(0);
    form->RunState.OnPointsAdded = [&, count](TRunState& s) {
        ++*count;
        if (*count == 100) {
            ASSERT_TRUE(chart1->Layout().PlotRect.Contains(from.x(), from.y()));
            zoomedMinimum = chart1->BottomAxis().PositionToValue(from.x());
            PostLeftDrag(ChartWidgetOf(*chart1), from, to);
        }
        if (*count < 502)
            return;
        TChartAxis& b1 = chart1->BottomAxis();
        seen.push_back({b1.Automatic(), b1.AutomaticMaximum(), form->Chart2->BottomAxis().AutomaticMaximum(),
                        form->Chart3->BottomAxis().AutomaticMaximum(), b1.Minimum()});
        // Fixed again, so that only a repeated switch can turn them back on.
        form->Chart2->BottomAxis().SetAutomaticMaximum(false);
        form->Chart3->BottomAxis().SetAutomaticMaximum(false);
        if (*count == 510)
            s.StopRequested = true;
    };
    QTest::mouseClick(Q(form->Button1), Qt::LeftButton);

    EXPECT_TRUE(chart1->ZoomedIn);
    ASSERT_EQ(seen.size(), 9u);
    for (size_t k = 0; k < seen.size(); ++k) {
        EXPECT_FALSE(seen[k].FirstAutomatic) << k;
        EXPECT_TRUE(seen[k].FirstAutomaticMaximum) << k;
        EXPECT_TRUE(seen[k].SecondAutomaticMaximum) << k;
        EXPECT_TRUE(seen[k].ThirdAutomaticMaximum) << k;
        EXPECT_EQ(seen[k].FirstMinimum, zoomedMinimum) << k;
    }
    EXPECT_FALSE(chart1->BottomAxis().AutomaticMinimum());
    EXPECT_TRUE(errors.Texts.empty());
}

TEST(ChartMouseWindow, StartIsRefusedWhileAZoomKeepsTheMinimumAboveFiftyAndRunsAfterAnUndo)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    TChart* chart1 = form->Chart1;
    StopAfterPoints(*form, 620);
    QTest::mouseClick(Q(form->Button1), Qt::LeftButton);
    chart1->PaintNow();
    ASSERT_GT(chart1->BottomAxis().Maximum(), 61);

    const QPoint from(chart1->BottomAxis().ValueToPosition(55), chart1->LeftAxis().ValueToPosition(8));
    const QPoint to(chart1->BottomAxis().ValueToPosition(60), chart1->LeftAxis().ValueToPosition(-8));
    LeftDragNow(ChartWidgetOf(*chart1), from, to);
    chart1->PaintNow();
    ASSERT_GT(chart1->BottomAxis().Minimum(), 50);

    StopAfterPoints(*form, 5);
    QTest::mouseClick(Q(form->Button1), Qt::LeftButton);
    EXPECT_EQ(errors.Texts, std::vector<std::string>{"Axis Maximum Value must be >= Minimum."});
    EXPECT_EQ(form->Series1->PointCount(), 0);

    // The undo restores the automatic axis; its paint resolves the minimum
    // from the (now empty) series again.
    LeftDragNow(ChartWidgetOf(*chart1), to, from);
    chart1->PaintNow();
    EXPECT_TRUE(chart1->BottomAxis().Automatic());
    QTest::mouseClick(Q(form->Button1), Qt::LeftButton);
    EXPECT_EQ(errors.Texts.size(), 1u);
    EXPECT_EQ(form->Series1->PointCount(), 5);
    EXPECT_EQ(chart1->BottomAxis().Maximum(), 50);
}
