// GDI text into our pixel buffers: sizes that are stable and grow with the
// device-pixel ratio, drawing that stays inside its clip and keeps the
// buffer's opaque top byte, and the Greek letters the charts' titles use.

#include "platform/win32/GdiText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using win32::TGdiFontRequest;
using win32::TGdiText;
using win32::TPixelBuffer;

constexpr uint32_t White = 0xFFFFFFFF;

struct TImage {
    std::vector<uint32_t> Pixels;
    TPixelBuffer Buffer;
    TImage(int width, int height) : Pixels(size_t(width) * height, White), Buffer{Pixels.data(), width, height, width}
    {
    }
    uint32_t At(int x, int y) const { return Pixels[size_t(y) * Buffer.Stride + x]; }
    int Changed() const
    {
        int count = 0;
        for (uint32_t pixel : Pixels)
            count += pixel != White;
        return count;
    }
};

TGdiFontRequest Arial8() { return {"Arial", win32::PixelHeightOfPoints(8)}; }

} // namespace

TEST(GdiText, MeasuresTheSameStringAlikeAndScalesWithTheRatio)
{
    TGdiText text;
    const auto once = text.Measure(Arial8(), 1.0, "Kmity 1");
    const auto twice = text.Measure(Arial8(), 1.0, "Kmity 1");
    EXPECT_GT(once.Width, 0);
    EXPECT_GT(once.Ascent, 0);
    EXPECT_GT(once.Height, once.Ascent);
    EXPECT_EQ(once.Width, twice.Width);
    EXPECT_EQ(once.Height, twice.Height);
    // A longer string is wider; at twice the ratio the font is twice as
    // high, so every size about doubles (hinting may move it by a pixel or
    // two).
    EXPECT_GT(text.Measure(Arial8(), 1.0, "Kmity 12").Width, once.Width);
    const auto doubled = text.Measure(Arial8(), 2.0, "Kmity 1");
    EXPECT_NEAR(doubled.Height, 2 * once.Height, 2);
    EXPECT_NEAR(doubled.Width, 2 * once.Width, 4);
    EXPECT_EQ(text.Measure(Arial8(), 1.0, "").Width, 0);
}

TEST(GdiText, DrawsInsideTheClipWithTheColourAndAnOpaqueTopByte)
{
    TGdiText text;
    TImage image(80, 30);
    const RECT clip = {10, 0, 30, 30};
    text.Draw(image.Buffer, Arial8(), 1.0, 2, 5, 0xFF0000FF, clip, "Kmity 1 Kmity");
    int inside = 0;
    bool blue = false;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) {
            const uint32_t pixel = image.At(x, y);
            EXPECT_EQ(pixel >> 24, 0xFFu) << x << "," << y;
            if (pixel == White)
                continue;
            EXPECT_TRUE(x >= 10 && x < 30) << "drawn outside the clip at " << x << "," << y;
            ++inside;
            // Text of one colour: red and green never exceed blue.
            EXPECT_LE((pixel >> 16) & 0xFF, pixel & 0xFF);
            blue = blue || pixel == 0xFF0000FF;
        }
    EXPECT_GT(inside, 10);
    EXPECT_TRUE(blue);
    // A clip outside the buffer draws nothing and does not fail.
    TImage untouched(20, 20);
    text.Draw(untouched.Buffer, Arial8(), 1.0, 0, 0, 0xFF000000, RECT{30, 30, 40, 40}, "Kmity");
    EXPECT_EQ(untouched.Changed(), 0);
}

TEST(GdiText, OmegaAndPhiSymbolDrawAsLettersNotAsTheMissingGlyph)
{
    // U+03D5 (the phi symbol) is not in every face that Arial resolves to;
    // GDI's font linking must find it elsewhere. The missing-glyph box is
    // what an unassigned character (U+0378) draws.
    TGdiText text;
    auto picture = [&](const char* utf8) {
        TImage image(40, 30);
        text.Draw(image.Buffer, {"Arial", 20}, 1.0, 2, 2, 0xFF000000, RECT{0, 0, 40, 30}, utf8);
        return image.Pixels;
    };
    const auto missing = picture("\xCD\xB8");
    const auto omega = picture("\xCF\x89");
    const auto phi = picture("\xCF\x95");
    EXPECT_NE(omega, missing);
    EXPECT_NE(phi, missing);
    EXPECT_NE(phi, omega);
    EXPECT_NE(phi, picture(""));

    // In a string, the letter from the other face sits where it would on
    // its own: after the advance of what precedes it, on the same baseline
    // (the cell's top anchor read through the first face's ascent).
    const TGdiFontRequest font{"Arial", 20};
    const int advance = text.Measure(font, 1.0, "K").Width;
    EXPECT_EQ(text.Measure(font, 1.0, "K\xCF\x95").Width, advance + text.Measure(font, 1.0, "\xCF\x95").Width);
    TImage joined(60, 30);
    text.Draw(joined.Buffer, font, 1.0, 2, 2, 0xFF000000, RECT{2 + advance, 0, 60, 30}, "K\xCF\x95");
    TImage alone(60, 30);
    text.Draw(alone.Buffer, font, 1.0, 2 + advance, 2, 0xFF000000, RECT{2 + advance, 0, 60, 30}, "\xCF\x95");
    EXPECT_GT(alone.Changed(), 0);
    EXPECT_EQ(joined.Pixels, alone.Pixels);
}
