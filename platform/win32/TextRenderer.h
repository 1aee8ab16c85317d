#pragma once
// The raster device's text on Windows: GDI measures and draws (GdiText),
// with fonts sized in pixels from their points at 96 dpi, as on Linux, so
// measures never depend on the screen. Measures are taken at ratio 1 (the
// logical pixels the chart lays out in); drawing makes the font at the
// image's ratio, so the glyphs are the device's own, not scaled up.
//
// Windows' GDI headers define the text anchor flags as macros of the same
// values as support/raster/DeviceTypes.h; this header keeps <windows.h> out.

#include "support/raster/TextRenderer.h"

#include <array>
#include <cstdint>
#include <memory>

namespace win32 {
class TGdiText;
}

class TWin32TextRenderer : public ITextRenderer {
public:
    TWin32TextRenderer();
    ~TWin32TextRenderer() override;

    int32_t TextWidth(const TDeviceFont& font, double devicePixelRatio, std::string_view utf8) override;
    TFontMetrics Metrics(const TDeviceFont& font, double devicePixelRatio) override;
    void DrawText(TImage& image, const TDeviceFont& font, std::string_view utf8, const TTextPlacement& at) override;

    // How many GDI fonts the renderer has set up; tests read it.
    int64_t FontBuilds() const { return BuildCount; }

private:
    // A chart's paint measures and draws in turn in its labels' font and
    // its titles' fonts; making a GDI font (and matching its face) each time
    // would cost more than the text, so the few asked for recently are kept,
    // each with its own device context holding it selected.
    static constexpr int Capacity = 4;
    struct TEntry {
        TDeviceFont Key;
        double Ratio = 0;
        std::unique_ptr<win32::TGdiText> Text;
        uint64_t LastUse = 0;
    };
    win32::TGdiText& TextFor(const TDeviceFont& font, double ratio);

    std::array<TEntry, Capacity> Entries;
    uint64_t Clock = 0;
    int64_t BuildCount = 0;
};
