#pragma once
// An image of our own: the picture a chart draws into and its window shows.
//
// Pixels are 32-bit words 0xFFRRGGBB (the alpha byte is always opaque), rows
// top-down with no padding between them: the memory layout of Qt's
// Format_RGB32 and of a 32-bit top-down device-independent bitmap, so a
// platform shows it by wrapping the memory without a copy. The image owns
// its pixels; copying an image copies them.
//
// Width and height count device pixels. The device-pixel ratio says how
// many device pixels make one logical pixel (1 on a 96 dpi screen, 2 at
// 200 %); everything drawn on the image is given in logical pixels and
// mapped by DeviceScale.h.

#include <cstddef>
#include <cstdint>
#include <vector>

using TPixel = uint32_t;

class TImage {
public:
    // The null image: no pixels, ratio 1.
    TImage() = default;
    // A width x height image of opaque black; a negative size is taken as 0.
    TImage(int32_t width, int32_t height, double devicePixelRatio = 1.0);

    bool IsNull() const { return Pixels.empty(); }
    int32_t Width() const { return W; }
    int32_t Height() const { return H; }
    // Bytes from one row to the next: always Width() * 4.
    int32_t StrideBytes() const { return W * 4; }
    double DevicePixelRatio() const { return Ratio; }
    void SetDevicePixelRatio(double ratio) { Ratio = ratio; }

    // Row y starts at Bits() + y * Width(); nullptr for the null image.
    TPixel* Bits() { return Pixels.empty() ? nullptr : Pixels.data(); }
    const TPixel* Bits() const { return Pixels.empty() ? nullptr : Pixels.data(); }
    TPixel* ScanLine(int32_t y) { return Bits() + static_cast<std::size_t>(y) * static_cast<std::size_t>(W); }
    const TPixel* ScanLine(int32_t y) const
    {
        return Bits() + static_cast<std::size_t>(y) * static_cast<std::size_t>(W);
    }

    bool Valid(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < W && y < H; }
    // Precondition: Valid(x, y).
    TPixel Pixel(int32_t x, int32_t y) const { return *(ScanLine(y) + x); }
    void SetPixel(int32_t x, int32_t y, TPixel pixel) { *(ScanLine(y) + x) = pixel; }
    void Fill(TPixel pixel);
    // The part of the image at (x, y), width x height, with the same ratio;
    // what lies outside the image is left black.
    TImage Copy(int32_t x, int32_t y, int32_t width, int32_t height) const;

    // Same size, ratio and pixels.
    friend bool operator==(const TImage&, const TImage&) = default;

private:
    int32_t W = 0;
    int32_t H = 0;
    double Ratio = 1.0;
    std::vector<TPixel> Pixels;
};
