#pragma once
// The chart engine's core: value lists, series, axes and the axis panel.
#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/ChartSeries.h"
#include "chart/ValueList.h"
