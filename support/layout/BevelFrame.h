#pragma once
// The geometry of a panel's frame (outer bevel, border, inner bevel) as
// plain values: which pixel runs take which colour, ring by ring, and the
// rectangle left inside. The widget panel fills the runs with QPainter and
// the chart strokes them on its drawing surface, so both frames are one
// and the same picture.

#include "support/raster/Colors.h"
#include "support/raster/Geometry.h"

#include <vector>

enum TBevelCut { bvNone, bvLowered, bvRaised };

// One edge of a ring: the pixels from From towards To, From painted and To
// not, as a one-pixel line draws them. The direction matters where the
// chart strokes a run on a high-density image: there a line runs between
// the device corners of its end points, so the device pixels it takes
// depend on the end it starts from. A run is always stroked from From.
struct TBevelRun {
    TColor Color = clBlack;
    TPoint From;
    TPoint To;

    // The logical pixels of the run; empty for a run of no length.
    TRect Pixels() const;
    friend bool operator==(const TBevelRun&, const TBevelRun&) = default;
};

// What a panel's frame is made of, working inwards.
struct TFrameStyle {
    TBevelCut Outer = bvRaised;
    TBevelCut Inner = bvNone;
    int32_t BevelWidth = 1;
    int32_t BorderWidth = 0;
    TColor BorderColor = clBtnFace;
};

struct TFrameGeometry {
    // In painting order; a later run paints over an earlier one.
    std::vector<TBevelRun> Runs;
    // The rectangle less every ring of the frame, drawn or not.
    TRect Inside;
};

// Appends `rings` rings inside `rect`, working inwards, and shrinks `rect`
// by them. Each ring is four runs: up the left edge and along the top in
// `topLeft`, then down the right edge and back along the bottom in
// `bottomRight`, which so takes the two corners where the colours meet. A
// ring is drawn only while the rectangle left has room for it: nothing is
// ever painted outside the rectangle, however narrow it is or however many
// rings are asked for.
void AppendBevelRings(std::vector<TBevelRun>& runs, TRect& rect, TColor topLeft, TColor bottomRight, int32_t rings);

// Outer bevel, border in its colour and inner bevel inside `rect`. A
// raised bevel is lit from the top left, a lowered one the reverse.
TFrameGeometry FrameGeometry(const TFrameStyle& style, const TRect& rect);
