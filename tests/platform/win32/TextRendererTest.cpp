// The engine's text on GDI: the font the chart asks for measures as the
// same logical size at every ratio and is drawn at the image's resolution,
// and an opaque cell is filled under the glyphs.

#include "support/raster/Image.h"
#include "support/raster/PixelWriter.h"

#include "platform/win32/TextRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TDeviceFont Arial8() { return TDeviceFont{}; }

// The rows holding any pixel other than white: first and one past the last.
std::pair<int, int> InkRows(const TImage& image)
{
    int first = image.Height(), last = -1;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.Pixel(x, y) != ToPixel(clWhite)) {
                first = std::min(first, y);
                last = std::max(last, y);
            }
    return {first, last + 1};
}

TImage Drawn(TWin32TextRenderer& renderer, double ratio, bool opaque)
{
    TImage image(static_cast<int>(100 * ratio), static_cast<int>(40 * ratio), ratio);
    image.Fill(ToPixel(clWhite));
    TTextPlacement at;
    at.Anchor = {static_cast<int32_t>(10 * ratio), static_cast<int32_t>(10 * ratio)};
    at.Width = renderer.TextWidth(Arial8(), ratio, "Kmity 1");
    at.Metrics = renderer.Metrics(Arial8(), ratio);
    at.Opaque = opaque;
    at.BkColor = clBlue;
    at.Clip = {0, 0, image.Width(), image.Height()};
    renderer.DrawText(image, Arial8(), "Kmity 1", at);
    return image;
}

} // namespace

TEST(Win32TextRenderer, MeasuresLogicalPixelsAtEveryRatioAndDrawsAtTheImagesResolution)
{
    TWin32TextRenderer renderer;
    const int32_t width = renderer.TextWidth(Arial8(), 1, "Kmity 1");
    const TFontMetrics metrics = renderer.Metrics(Arial8(), 1);
    // 8 points are an 11-pixel em: a line of about 12 to 14 pixels.
    EXPECT_GT(width, 20);
    EXPECT_LT(width, 60);
    EXPECT_GE(metrics.Height, 11);
    EXPECT_LE(metrics.Height, 16);
    EXPECT_GT(metrics.Ascent, metrics.Height / 2);
    EXPECT_LT(metrics.Ascent, metrics.Height);
    // The layout is logical: the same at ratio 2.
    EXPECT_EQ(renderer.TextWidth(Arial8(), 2, "Kmity 1"), width);
    EXPECT_EQ(renderer.Metrics(Arial8(), 2), metrics);
    EXPECT_EQ(renderer.TextWidth(Arial8(), 1, ""), 0);

    // Drawn, the glyphs at ratio 2 are about twice as tall as at ratio 1.
    const auto [top1, bottom1] = InkRows(Drawn(renderer, 1, false));
    const auto [top2, bottom2] = InkRows(Drawn(renderer, 2, false));
    ASSERT_LT(top1, bottom1);
    ASSERT_LT(top2, bottom2);
    EXPECT_GE(top1, 10);
    EXPECT_LE(bottom1, 10 + metrics.Height);
    EXPECT_NEAR(bottom2 - top2, 2 * (bottom1 - top1), 3);
    EXPECT_GE(top2, 20);
    // The line's height is the font's rounded at 11 pixels; at twice the
    // resolution a descender's outline may reach one device row further.
    EXPECT_LE(bottom2, 20 + 2 * metrics.Height + 1);
}

TEST(Win32TextRenderer, AnOpaqueCellIsFilledExactlyAtTheImagesRatio)
{
    TWin32TextRenderer renderer;
    const int32_t width = renderer.TextWidth(Arial8(), 1, "Kmity 1");
    const TFontMetrics metrics = renderer.Metrics(Arial8(), 1);
    for (const double ratio : {1.0, 2.0}) {
        const TImage image = Drawn(renderer, ratio, true);
        const auto cell = [&](int x, int y, int extra) {
            return x >= 10 * ratio && x < (10 + width) * ratio + extra && y >= 10 * ratio &&
                   y < (10 + metrics.Height) * ratio + extra;
        };
        int blue = 0, stray = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x) {
                const TPixel pixel = image.Pixel(x, y);
                // The font made at the device's size rounds its own advances
                // and descent: glyphs may reach one device pixel past the
                // cell's end and below it, as above.
                if (!cell(x, y, ratio > 1 ? 1 : 0))
                    stray += pixel != ToPixel(clWhite);
                else if (cell(x, y, 0))
                    blue += pixel == ToPixel(clBlue);
            }
        EXPECT_EQ(stray, 0) << ratio;
        // Most of the cell is background; the rest is the glyphs.
        EXPECT_GT(blue, width * metrics.Height * ratio * ratio / 2) << ratio;
        EXPECT_LT(blue, width * metrics.Height * ratio * ratio) << ratio;
    }
}

// A paint measures its labels' and titles' fonts in turn: each is made once.
TEST(Win32TextRenderer, FontsUsedInTurnAreMadeOnce)
{
    TWin32TextRenderer renderer;
    TDeviceFont title = Arial8();
    title.Size = 12;
    title.Bold = true;
    for (int i = 0; i < 10; ++i) {
        renderer.TextWidth(Arial8(), 1, "Kmity 1");
        renderer.Metrics(title, 2);
    }
    EXPECT_EQ(renderer.FontBuilds(), 2);
    // The escapement turns only the drawn text; a measure ignores it.
    title.EscapementTenths = 900;
    renderer.TextWidth(title, 1, "Kmity 1");
    EXPECT_EQ(renderer.FontBuilds(), 2);
}

// Turned a quarter counter-clockwise, the text runs up from its anchor and
// its cell's top edge lies on the anchor's column; an opaque cell is filled
// exactly there.
TEST(Win32TextRenderer, AQuarterTurnRunsTheTextUpwardsFromTheAnchor)
{
    TWin32TextRenderer renderer;
    for (const bool opaque : {false, true}) {
        TImage image(60, 100);
        image.Fill(ToPixel(clWhite));
        TTextPlacement at;
        at.Anchor = {20, 80};
        at.Width = renderer.TextWidth(Arial8(), 1, "Kmity 1");
        at.Metrics = renderer.Metrics(Arial8(), 1);
        at.EscapementTenths = 900;
        at.Opaque = opaque;
        at.BkColor = clBlue;
        at.Clip = {0, 0, image.Width(), image.Height()};
        renderer.DrawText(image, Arial8(), "Kmity 1", at);
        int left = image.Width(), right = -1, top = image.Height(), bottom = -1;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                if (image.Pixel(x, y) != ToPixel(clWhite)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        ASSERT_LE(left, right);
        if (opaque) {
            EXPECT_EQ((TRect{left, top, right + 1, bottom + 1}),
                      (TRect{20, 80 - at.Width, 20 + at.Metrics.Height, 80}));
            continue;
        }
        EXPECT_GE(left, 20);
        EXPECT_LE(right, 20 + at.Metrics.Height);
        EXPECT_GE(top, 80 - at.Width - 1);
        EXPECT_LE(bottom, 80);
        // The whole text is there, not cut where the picture was narrowed.
        EXPECT_GE(bottom - top + 1, at.Width - 3);
        EXPECT_GE(right - left + 1, at.Metrics.Ascent - 3);
    }
}
