// The chart's Qt window: Qt's events turned into the chart's input values,
// and the chart's picture shown through a view of its memory.
#include "platform/qt/ChartWidget.h"

#include "chart/PanelBase.h"
#include "platform/qt/ImageView.h"
#include "support/runtime/ErrorBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

bool ToMouseButton(Qt::MouseButton qtButton, TMouseButton& button)
{
    switch (qtButton) {
    case Qt::LeftButton:
        button = mbLeft;
        return true;
    case Qt::RightButton:
        button = mbRight;
        return true;
    case Qt::MiddleButton:
        button = mbMiddle;
        return true;
    default:
        return false;
    }
}

TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

TMouseInput ToMouseInput(const QMouseEvent& event, TMouseButton button)
{
    const QPoint p = event.position().toPoint();
    return TMouseInput{button, ToShiftState(event.modifiers(), event.buttons()), p.x(), p.y()};
}

Qt::CursorShape ToQtCursor(TCursorShape shape)
{
    switch (shape) {
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crWait:
        return Qt::WaitCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

TChartWidget::TChartWidget(TCustomLynPanel& chart, QWidget* parent) : QWidget(parent), ShownChart(chart)
{
    // The paint covers every pixel, so Qt need not erase the background.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // The cursor rule looks at every pointer move, not only at drags.
    setMouseTracking(true);
    resize(chart.ClientWidth(), chart.ClientHeight());
    chart.SetHost(this);
}

TChartWidget::TChartWidget(std::unique_ptr<TCustomLynPanel> chart, QWidget* parent) : TChartWidget(*chart, parent)
{
    OwnedChart = std::move(chart);
}

// The chart may outlive the widget (tests show one chart in turn in
// several); it forgets its window before the window goes.
TChartWidget::~TChartWidget()
{
    ReleaseMouseCaptureHolder(this);
    ShownChart.SetHost(nullptr);
}

TChartWidget* ChartWidgetOf(const TCustomLynPanel& chart) { return dynamic_cast<TChartWidget*>(chart.Host()); }

// --- IChartHost ----------------------------------------------------------------------

int32_t TChartWidget::ClientWidth() const { return width(); }
int32_t TChartWidget::ClientHeight() const { return height(); }
double TChartWidget::DevicePixelRatio() const { return devicePixelRatioF(); }
void TChartWidget::Invalidate() { update(); }
void TChartWidget::PaintNow() { repaint(); }
void TChartWidget::SetMouseCapture() { SetMouseCaptureHolder(this); }
void TChartWidget::ReleaseMouseCapture() { ReleaseMouseCaptureHolder(this); }
void TChartWidget::SetCursorShape(TCursorShape shape) { setCursor(ToQtCursor(shape)); }

void TChartWidget::CancelMode() noexcept
{
    GuardHandler([&] { ShownChart.CancelMouseMode(); });
}

// --- Qt events: no exception may cross into Qt's event dispatch ----------------------

void TChartWidget::paintEvent(QPaintEvent*)
{
    GuardHandler([&] { ShownChart.HandlePaint(); });
    QPainter painter(this);
    painter.drawImage(0, 0, ImageView(ShownChart.WindowImage()));
}

void TChartWidget::resizeEvent(QResizeEvent*)
{
    GuardHandler([&] { ShownChart.HostResized(); });
}

void TChartWidget::moveEvent(QMoveEvent*)
{
    GuardHandler([&] { ShownChart.HostMoved(); });
}

bool TChartWidget::event(QEvent* event)
{
    const bool newScreen = event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
                           || event->type() == QEvent::DevicePixelRatioChange
#endif
        ;
    if (newScreen)
        GuardHandler([&] { ShownChart.HostRatioChanged(); });
    return QWidget::event(event);
}

void TChartWidget::mousePressEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!ToMouseButton(event->button(), button))
        return;
    const TMouseInput input = ToMouseInput(*event, button);
    GuardHandler([&] { ShownChart.MouseDown(input); });
}

void TChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    const TMouseInput input = ToMouseInput(*event, mbLeft);
    GuardHandler([&] { ShownChart.MouseMove(input); });
}

void TChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!ToMouseButton(event->button(), button))
        return;
    const TMouseInput input = ToMouseInput(*event, button);
    GuardHandler([&] { ShownChart.MouseUp(input); });
}

// Only the vertical wheel reaches the chart.
void TChartWidget::wheelEvent(QWheelEvent* event)
{
    const QPoint p = event->position().toPoint();
    const TWheelInput input{event->angleDelta().y(), ToShiftState(event->modifiers(), event->buttons()), p.x(), p.y()};
    GuardHandler([&] { ShownChart.MouseWheel(input); });
}

void TChartWidget::keyPressEvent(QKeyEvent* event)
{
    const TKeyInput input{event->key(), ToShiftState(event->modifiers(), Qt::NoButton)};
    GuardHandler([&] { ShownChart.KeyDown(input); });
    // The window's own keys (shortcuts, focus moves) still go on to it.
    QWidget::keyPressEvent(event);
}

void TChartWidget::leaveEvent(QEvent*)
{
    GuardHandler([&] { ShownChart.MouseLeave(); });
}
