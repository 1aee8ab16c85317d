#pragma once
// Colours are 32-bit signed values. Non-negative values are RGB with red in
// the lowest byte ($00BBGGRR). Negative values ($FF000000 + index) are system
// colours, turned into RGB by asking the platform (ColorToRGB). Two marker
// values mean "no colour": clDefault (take the owner's) and clNone (a null
// point); both are compared as raw values.

#include <cstdint>

using TColor = int32_t;

constexpr TColor clDefault = 0x20000000;
constexpr TColor clNone = 0x1FFFFFFF;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// System colours: the low byte is the platform's colour index.
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<uint32_t>(index)); }
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnHighlight = SystemColor(20);

constexpr bool IsSystemColor(TColor c) { return c < 0; }

// The platform's table of system colours: the RGB of each index (the low
// byte of a system colour). The platform sets it at start-up, before the
// first paint, and may answer from the desktop's current theme each time.
class ISystemColors {
public:
    virtual ~ISystemColors() = default;
    virtual TColor SystemColorRGB(int index) const = 0;
};

// Replaces the table (nullptr restores the built-in one: window white, text
// black, button face light grey $F0F0F0, its shadow $A0A0A0, its highlight
// white, every other index the button face); returns the previous one.
const ISystemColors* SetSystemColors(const ISystemColors* colors);

// RGB of any colour: system colours from the platform's table, others
// unchanged. Marker values (clDefault, clNone) are passed through as they
// are; callers resolve them before drawing.
TColor ColorToRGB(TColor color);

constexpr int RedOf(TColor rgb) { return rgb & 0xFF; }
constexpr int GreenOf(TColor rgb) { return (rgb >> 8) & 0xFF; }
constexpr int BlueOf(TColor rgb) { return (rgb >> 16) & 0xFF; }
constexpr TColor RGBColor(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }
