#pragma once
// How one axis maps values to pixels in one paint: the range in use, the
// pixel ends, the direction. A value: the axis computes it once per paint
// and keeps it as the mapping of the last paint, which the series, the
// mouse and the hit tests read until the next paint.

#include <cstdint>

struct TAxisMapping {
    double UsedMinimum = 0;
    double UsedMaximum = 0;
    double UsedRange = 0; // UsedMaximum - UsedMinimum
    int32_t StartPixel = 0;
    int32_t EndPixel = 0;
    int32_t PixelLength = 0; // EndPixel - StartPixel
    bool Inverted = false;
    bool Horizontal = false;

    // A mapping of min..max onto start..end.
    static TAxisMapping Of(double usedMinimum, double usedMaximum, int32_t startPixel, int32_t endPixel, bool inverted,
                           bool horizontal);

    // Halfway between the ends, truncated: where a value without a place goes.
    int32_t CenterPixel() const { return (StartPixel + EndPixel) / 2; }
    int32_t ValueToPosition(double value) const;
    double PositionToValue(int32_t position) const;
};
