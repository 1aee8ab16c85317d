#pragma once
// A chart's window on Qt: a thin adapter that hands Qt's events to the
// chart's handlers (each under GuardHandler, so no exception reaches Qt's
// event dispatch) and shows the chart's picture with one drawImage. It is
// the chart's host: the chart asks it for its size, ratio, repaints,
// cursor and mouse capture.

#include "chart/ChartHost.h"
#include "support/runtime/MouseCapture.h"

#include <QWidget>

#include <memory>

class TCustomLynPanel;

class TChartWidget : public QWidget, public IChartHost, public IMouseCaptureHolder {
public:
    // The widget shows `chart`, which must outlive it; the widget takes the
    // chart's own client size.
    TChartWidget(TCustomLynPanel& chart, QWidget* parent);
    // The same, and the widget owns the chart: it goes with the widget.
    TChartWidget(std::unique_ptr<TCustomLynPanel> chart, QWidget* parent);
    ~TChartWidget() override;

    TCustomLynPanel& Chart() const { return ShownChart; }

    // --- IChartHost --------------------------------------------------------------
    int32_t ClientWidth() const override;
    int32_t ClientHeight() const override;
    double DevicePixelRatio() const override;
    void Invalidate() override;
    void PaintNow() override;
    // Qt keeps sending a pressed button's events to the widget it was
    // pressed on, so the capture only makes this widget the holder that an
    // error box cancels.
    void SetMouseCapture() override;
    void ReleaseMouseCapture() override;
    void SetCursorShape(TCursorShape shape) override;

    // --- IMouseCaptureHolder -------------------------------------------------------
    void CancelMode() noexcept override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::unique_ptr<TCustomLynPanel> OwnedChart;
    TCustomLynPanel& ShownChart;
};

// The Qt window a chart is shown in, or nullptr.
TChartWidget* ChartWidgetOf(const TCustomLynPanel& chart);
