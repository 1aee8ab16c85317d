#pragma once
// The input a chart receives from its window, as plain values of our own:
// the platform's adapter turns its events into these and hands them to the
// chart (TCustomLynPanel's handlers). Positions are client pixels of the
// chart, logical (96 dpi) pixels like all of the chart's geometry.

#include <cstdint>

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Keys and buttons held while the event happened; any combination.
enum : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
};
using TShiftState = unsigned;

// A button pressed or released (Button), or the pointer moved (Button is
// unused). X, Y: where the pointer is.
struct TMouseInput {
    TMouseButton Button = mbLeft;
    TShiftState Shift = 0;
    int32_t X = 0;
    int32_t Y = 0;
};

// A turn of the vertical wheel in eighths of a degree: one notch of a
// classic wheel is 120, positive away from the user (up); touchpads and
// smooth wheels report a notch as many smaller deltas.
struct TWheelInput {
    int AngleDelta = 0;
    TShiftState Shift = 0;
    int32_t X = 0;
    int32_t Y = 0;
};

// A key pressed: the platform's virtual key code of the letter or digit
// keys is its upper-case character; other keys keep the platform's code.
struct TKeyInput {
    int Key = 0;
    TShiftState Shift = 0;
};
