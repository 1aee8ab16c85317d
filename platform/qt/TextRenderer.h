#pragma once
// The raster device's text on Qt: QFont and QFontMetrics measure, a
// QPainter on a view of the image draws. Fonts are sized in pixels from
// their points at 96 dpi (FontCache.cpp), so measures never depend on the
// screen; at a device-pixel ratio other than 1 only the painter is scaled.

#include "platform/qt/FontCache.h"
#include "support/raster/TextRenderer.h"

class TQtTextRenderer : public ITextRenderer {
public:
    int32_t TextWidth(const TDeviceFont& font, double devicePixelRatio, std::string_view utf8) override;
    TFontMetrics Metrics(const TDeviceFont& font, double devicePixelRatio) override;
    void DrawText(TImage& image, const TDeviceFont& font, std::string_view utf8, const TTextPlacement& at) override;

    // How many Qt fonts the renderer has built; tests read it.
    int64_t FontBuilds() const { return Fonts.Builds(); }

private:
    TFontCache Fonts;
};
