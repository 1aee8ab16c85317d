#pragma once
// The host control of a chart: the widget that shows the chart, as one of
// our controls.

#include "platform/qt/Control.h"

class TCustomLynPanel;

// The widget that shows `chart` in `parent`, named `name`, not a tab stop,
// wrapped as a control (the wrapper belongs to the widget).
TWidgetControl* CreateChartHost(QWidget* parent, const char* name, TCustomLynPanel& chart);
