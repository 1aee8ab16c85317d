#pragma once
// The three charts of the window and their line series, configured alike
// from the fixed definition; they differ only in title.

#include "app/toolkit/Controls.h"

class IToolkit;
struct TControlDefinition;
class TChart;
class TLineSeries;

struct TFormChart {
    TChart* Chart; // belongs to the caller
    IControl* Host; // belongs to the window
};

// The definition's settings for a chart: the title and the axis, wall and
// legend settings, applied as when a window is loaded.
void ConfigureFormChart(TChart& chart, const char* title);

// A chart shown by a host control in `parent` at the definition's place, not a
// tab stop, with the title and the axis, wall and legend settings of the
// definition.
TFormChart CreateFormChart(IToolkit& toolkit, IContainer& parent, const TControlDefinition& definition,
                           const char* title);

// A red line series without point markers or marks, joined to `chart`. The
// caller owns it.
TLineSeries* CreateFormSeries(TChart* chart);
