#pragma once
// The three charts of the window and their line series, configured alike
// from the fixed definition; they differ only in title.

class QWidget;
class TChart;
class TLineSeries;

// A chart in `parent` at the given geometry, filling the parent's free area
// (alClient), not a tab stop, with the title and the axis, wall and legend
// settings of the definition. Its window (a TChartWidget, named `name`)
// owns it; without a parent there is no window, the chart has the size
// alone and the caller owns it.
TChart* CreateFormChart(QWidget* parent, const char* name, const char* title, int left, int top, int width, int height);

// A red line series without point markers or marks, joined to `chart`. The
// caller owns it.
TLineSeries* CreateFormSeries(TChart* chart);
