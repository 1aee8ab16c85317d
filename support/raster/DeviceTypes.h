#pragma once
// The drawing state of a raster device: pen, brush, font, text anchor and
// background mode. Colours here are plain RGB ($00BBGGRR); callers resolve
// system and marker colours before handing them over.
//
// The enumerations are scoped so that they never collide with the chart's
// own pen and brush kinds; their order matches the chart's order, so a chart
// value converts with a static_cast (Alternate is the device's extra style).

#include "support/raster/Colors.h"

#include <string>

enum class TDevicePenStyle {
    Solid,
    Dash, // 18 on, 6 off
    Dot, // 3 on, 3 off
    DashDot, // 9 on, 6 off, 3 on, 6 off
    DashDotDot, // 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
    Clear, // draws nothing
    InsideFrame, // solid; a wide outline of a box or ellipse stays inside it
    Alternate, // 1 on, 1 off, always one pixel wide ("small dots")
};

// Raster operations of the pen (and of brush fills in figures), on the
// RGB bits of destination D and pen colour P.
enum class TDevicePenMode {
    Black, // 0
    White, // all ones
    Nop, // D
    Not, // ~D
    Copy, // P
    NotCopy, // ~P
    MergePenNot, // P | ~D
    MaskPenNot, // P & ~D
    MergeNotPen, // ~P | D
    MaskNotPen, // ~P & D
    Merge, // P | D
    NotMerge, // ~(P | D)
    Mask, // P & D
    NotMask, // ~(P & D)
    Xor, // P ^ D
    NotXor, // ~(P ^ D): drawing the same figure twice restores it
};

enum class TDeviceBrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

struct TDevicePen {
    TColor Color = clBlack;
    int Width = 1;
    TDevicePenStyle Style = TDevicePenStyle::Solid;
    TDevicePenMode Mode = TDevicePenMode::Copy;
    friend bool operator==(const TDevicePen&, const TDevicePen&) = default;
};

struct TDeviceBrush {
    TColor Color = clWhite;
    TDeviceBrushStyle Style = TDeviceBrushStyle::Solid;
    friend bool operator==(const TDeviceBrush&, const TDeviceBrush&) = default;
};

// Size is in points at 96 pixels per inch: the pixel height of the em is
// MulDiv(Size, 96, 72), so 8 points are 11 pixels on every screen.
// EscapementTenths turns the text counter-clockwise, in tenths of a degree.
struct TDeviceFont {
    std::string Name = "Arial";
    int Size = 8;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int EscapementTenths = 0;
    friend bool operator==(const TDeviceFont&, const TDeviceFont&) = default;
};

// Text anchor flags: one horizontal plus one vertical flag; 0 is top-left.
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;

// Background mode for text cells, styled-pen gaps and hatch gaps.
enum TBkMode { bkTransparent = 1, bkOpaque = 2 };
