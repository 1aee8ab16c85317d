#pragma once
// What the mouse tests share: a shown chart set up as the main window sets
// up its charts (left axis fixed at -10..10, bottom axis fixed at a maximum
// of 50 with an automatic minimum, one red line), and mouse events sent to
// it the way the window system delivers them, buttons held included.

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "platform/qt/ChartWidget.h"
#include "platform/qt/ImageView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <ostream>

class TMouseTestChart {
public:
    explicit TMouseTestChart(int width = 816, int height = 198)
    {
        Chart.Title().SetText({"Kmity 1"});
        Chart.BackWall().Brush().SetColor(clWhite);
        Chart.BackWall().Brush().SetStyle(bsClear);
        Chart.Legend().SetVisible(false);
        Chart.SetView3D(false);
        TChartAxis& left = Chart.LeftAxis();
        left.SetAutomatic(false);
        left.SetMinimum(-10);
        left.SetMaximum(10);
        Chart.BottomAxis().SetAutomaticMaximum(false);
        Chart.BottomAxis().SetMaximum(50);
        Series = new TLineSeries; // the chart deletes it
        Series->SetSeriesColor(clRed);
        Series->Pointer().SetVisible(false);
        Series->SetParentChart(&Chart);
        for (int i = 0; i <= 100; ++i)
            Series->AddPoint(i * 0.5, 5 * std::sin(i * 0.5), "", clDefault);
        Window.resize(width, height);
        Window.show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&Window);
        Paint();
    }

    // Delivers a pending paint now (a paint with nothing changed copies the
    // stored picture or, during a zoom drag, keeps the window as it is).
    void Paint() { Window.repaint(); }

    QImage Pixels() const { return ImageView(Chart.WindowImage()).copy(); }

    // Widens the chart until its bottom axis spans exactly `pixels` pixels.
    bool FitBottomAxisLength(int pixels)
    {
        for (int attempt = 0; attempt < 6; ++attempt) {
            const int length = Chart.BottomAxis().Mapping().PixelLength;
            if (length == pixels)
                return true;
            Window.resize(Window.width() + pixels - length, Window.height());
            Chart.RequestRepaint();
            Paint();
        }
        return Chart.BottomAxis().Mapping().PixelLength == pixels;
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(Window.mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(&Window, &event);
    }
    void Press(Qt::MouseButton button, QPoint at, Qt::MouseButtons held = Qt::NoButton)
    {
        Send(QEvent::MouseButtonPress, at, button, held | button);
    }
    void Move(QPoint at, Qt::MouseButtons held) { Send(QEvent::MouseMove, at, Qt::NoButton, held); }
    void Release(Qt::MouseButton button, QPoint at, Qt::MouseButtons stillHeld = Qt::NoButton)
    {
        Send(QEvent::MouseButtonRelease, at, button, stillHeld);
    }
    // Press, one move half way, one move to the end, release; then a paint.
    void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        Press(button, from);
        Move((from + to) / 2, button);
        Move(to, button);
        Release(button, to);
        Paint();
    }
    // One notch; downwards (towards the user) gives a negative angle.
    void Wheel(bool down, QPoint at) { WheelBy(QPoint(0, down ? -120 : 120), at); }
    // A wheel event with the angle delta in eighths of a degree.
    void WheelBy(QPoint angle, QPoint at)
    {
        QWheelEvent event(QPointF(at), QPointF(Window.mapToGlobal(at)), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&Window, &event);
    }

    TChart Chart;
    // The chart's window; it shows the chart and goes before it.
    TChartWidget Window{Chart, nullptr};
    TLineSeries* Series;
};

// The scaling state of an axis that a zoom, a scroll and an undo touch.
struct TAxisState {
    bool Automatic;
    bool AutomaticMinimum;
    bool AutomaticMaximum;
    double Minimum;
    double Maximum;
    friend bool operator==(const TAxisState&, const TAxisState&) = default;
};

inline TAxisState StateOf(const TCustomChartAxis& axis)
{
    return {axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(), axis.Minimum(), axis.Maximum()};
}

inline std::ostream& operator<<(std::ostream& out, const TAxisState& s)
{
    return out << "{auto " << s.Automatic << s.AutomaticMinimum << s.AutomaticMaximum << ", " << s.Minimum << ".."
               << s.Maximum << "}";
}
