// Placeholder: replaced by mouse zooming and scrolling.
#include "chart/Chart.h"

#include <QMouseEvent>
#include <QWheelEvent>

void TCustomChart::ZoomAxes() {}
void TCustomChart::ResetZoom() {}
void TCustomChart::ScrollAxes(bool, int32_t, int32_t) {}
void TCustomChart::ScrollAxis(TCustomChartAxis*, int32_t, int32_t) {}
void TCustomChart::RememberScales() {}
void TCustomChart::RecallScales() {}
void TCustomChart::ChartMouseDown(TMouseButton, int32_t, int32_t) {}
void TCustomChart::ChartMouseMove(int32_t, int32_t) {}
void TCustomChart::ChartMouseUp(TMouseButton, int32_t, int32_t) {}
void TCustomChart::ChartMouseWheel(bool) {}
void TCustomChart::ChartMouseLeave() {}
void TCustomChart::mousePressEvent(QMouseEvent*) {}
void TCustomChart::mouseMoveEvent(QMouseEvent*) {}
void TCustomChart::mouseReleaseEvent(QMouseEvent*) {}
void TCustomChart::wheelEvent(QWheelEvent*) {}
void TCustomChart::leaveEvent(QEvent*) {}
bool TCustomChart::event(QEvent* e) { return TCustomAxisPanel::event(e); }
