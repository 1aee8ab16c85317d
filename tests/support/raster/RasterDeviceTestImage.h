#pragma once
// Small images and readable pixel maps for the raster device tests.

#include "support/raster/Image.h"
#include "support/raster/PixelWriter.h"
#include "support/raster/RasterDevice.h"

#include <map>
#include <string>

inline TImage BlankImage(int width, int height, TColor rgb = clWhite)
{
    TImage image(width, height);
    image.Fill(ToPixel(rgb));
    return image;
}

// One character per pixel, rows separated by '\n': the legend's character
// for known colours, '?' for any other.
inline std::string PixelMap(const TImage& image, const std::map<TColor, char>& legend)
{
    std::string map;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const auto found = legend.find(FromPixel(image.Pixel(x, y)));
            map += found == legend.end() ? '?' : found->second;
        }
        map += '\n';
    }
    return map;
}

// '.' for white, '#' for black.
inline std::string InkMap(const TImage& image) { return PixelMap(image, {{clWhite, '.'}, {clBlack, '#'}}); }

// The smallest rectangle holding every pixel that is not the background;
// empty when there is none.
inline TRect InkBounds(const TImage& image, TColor background = clWhite)
{
    TRect box{image.Width(), image.Height(), 0, 0};
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (FromPixel(image.Pixel(x, y)) != background) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box.IsEmpty() ? TRect{} : box;
}

inline int InkCount(const TImage& image, TColor background = clWhite)
{
    int count = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            count += FromPixel(image.Pixel(x, y)) != background ? 1 : 0;
    return count;
}
