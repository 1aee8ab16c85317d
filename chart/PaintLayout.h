#pragma once
// What one paint of a chart decided, as one value: the outer and plot
// rectangles and, per axis, its value/pixel mapping, where its line, labels
// and title stand and which major ticks it drew. The chart keeps the layout
// of the last paint (during a paint, of the paint so far): the series draw
// from it, and the mouse and the hit tests read it between paints.

#include "chart/AxisMapping.h"
#include "support/raster/Geometry.h"

#include <array>
#include <cstdint>
#include <vector>

// One axis in one paint. The positions are counted across the axis: rows
// for a horizontal axis, columns for a vertical one.
struct TAxisLayout {
    TAxisMapping Mapping;
    int32_t AxisLinePos = 0; // the axis line
    int32_t LabelsPos = 0; // the labels' edge towards the chart
    int32_t TitlePos = 0; // the title's edge towards the chart
    std::vector<int32_t> TickList; // the major ticks drawn, along the axis
};

// The chart's axes in their order of layout and drawing.
enum TAxisSlot { asBottom, asTop, asLeft, asRight, asDepth };
constexpr int AxisSlotCount = 5;

struct TPaintLayout {
    TRect OuterRect; // the whole drawing
    TRect PlotRect; // where the series are drawn; the back wall's outline lies on its edges
    std::array<TAxisLayout, AxisSlotCount> Axes;

    // The middle of PlotRect, truncated towards zero.
    int32_t PlotRectCenterX() const { return (PlotRect.Left + PlotRect.Right) / 2; }
    int32_t PlotRectCenterY() const { return (PlotRect.Top + PlotRect.Bottom) / 2; }
};
