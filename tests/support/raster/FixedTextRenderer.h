#pragma once
// A text renderer of fixed, simple metrics for the tests that run without a
// platform: every character (UTF-8 code point) is half the em wide, rounded
// up, the line is the em plus a quarter, and the ascent the em less a
// quarter; 8 points (11 px em) give 6 px a character, a 14 px line and an
// ascent of 9. Drawing fills the cell in opaque mode and paints each
// character as a box from the cell's top to the baseline, one column short
// of its advance, for unturned text and the quarter turns.

#include "support/raster/TextRenderer.h"

class TFixedTextRenderer : public ITextRenderer {
public:
    int32_t TextWidth(const TDeviceFont& font, double devicePixelRatio, std::string_view utf8) override;
    TFontMetrics Metrics(const TDeviceFont& font, double devicePixelRatio) override;
    void DrawText(TImage& image, const TDeviceFont& font, std::string_view utf8, const TTextPlacement& at) override;

    static int32_t CharacterWidth(const TDeviceFont& font);
};
