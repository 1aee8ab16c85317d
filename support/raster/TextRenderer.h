#pragma once
// Text for the raster device, behind an interface the platform implements:
// the device works out where a text's cell goes (anchor, turn, clip) and
// asks the renderer only to measure a font and to draw glyphs. Which
// renderer is used is set once by the platform at start-up
// (SetTextRenderer); a device may be handed another one (tests).
//
// Every measure is in logical pixels: what the text takes at 96 dpi,
// whatever the screen. Drawing happens at the image's resolution.

#include "support/raster/DeviceTypes.h"
#include "support/raster/Geometry.h"

#include <cstdint>
#include <string_view>

class TImage;

// The vertical measures of a font, in logical pixels.
struct TFontMetrics {
    int32_t Height = 0; // the line height: ascent + descent
    int32_t Ascent = 0; // from the cell's top to the baseline
    friend bool operator==(const TFontMetrics&, const TFontMetrics&) = default;
};

// Where and how one text is drawn, all worked out by the device.
//
// The text's cell is Width x Metrics.Height logical pixels. In the text's
// own (unturned) frame its top-left corner is CellLeft, CellTop from the
// anchor, and the baseline runs Metrics.Ascent below the cell's top. The
// frame is turned counter-clockwise by EscapementTenths (0..3599) about the
// anchor, which lands on device pixel Anchor of the image; offsets in the
// frame are logical pixels, so they are multiplied by the image's ratio.
//
// Example at ratio 1: "Hello" 25 px wide, anchored centre-top at (60, 50),
// has CellLeft -12, CellTop 0 and covers columns 48..72 from row 50 down.
struct TTextPlacement {
    TPoint Anchor; // device pixels
    int32_t CellLeft = 0;
    int32_t CellTop = 0;
    int32_t Width = 0;
    TFontMetrics Metrics;
    int EscapementTenths = 0;
    TColor TextColor = clBlack; // plain RGB
    // Opaque: the whole cell is first filled with BkColor.
    bool Opaque = false;
    TColor BkColor = clWhite;
    // Device pixels, already within the image; nothing outside it changes.
    TRect Clip;
};

class ITextRenderer {
public:
    virtual ~ITextRenderer() = default;

    // The advance width of the UTF-8 text in the font (0 for no text),
    // measured for an image of the given device-pixel ratio. The font's
    // EscapementTenths is ignored: the width is the unturned text's.
    virtual int32_t TextWidth(const TDeviceFont& font, double devicePixelRatio, std::string_view utf8) = 0;
    virtual TFontMetrics Metrics(const TDeviceFont& font, double devicePixelRatio) = 0;

    // Draws the text as `at` says on the image, at the image's ratio.
    virtual void DrawText(TImage& image, const TDeviceFont& font, std::string_view utf8, const TTextPlacement& at) = 0;
};

// The process's renderer; the platform sets it before the first text is
// measured. Returns the previous one. Without one set, text measures as
// nothing and draws nothing.
ITextRenderer* SetTextRenderer(ITextRenderer* renderer);
ITextRenderer* CurrentTextRenderer();
